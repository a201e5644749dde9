# Writes the XPM pictures' text as one C++ header of constant arrays, for the compiler to
# decode (xpm_pixels.h): the program carries the pixels, not text to parse as it starts.
# Run as a script: cmake -DOUTPUT=header -DPICTURES="a.xpm;b.xpm" -P xpm_text.cmake
set(header "// Written by xpm_text.cmake from the XPM pictures; edit those, not this.\n")
string(APPEND header "#pragma once\n\nnamespace kestravon::xpm {\n")
foreach(picture IN LISTS PICTURES)
    file(READ "${picture}" text)
    # Each file is a C array of strings: it becomes a constant one, its text unchanged.
    string(REGEX REPLACE "^/\\* XPM \\*/\r?\nstatic const char\\* const ([A-Za-z0-9_]+)\\[\\] = {"
                         "inline constexpr const char* \\1[] = {" declaration "${text}")
    if(declaration STREQUAL text)
        message(FATAL_ERROR "${picture} does not open as an XPM array of constant strings")
    endif()
    string(APPEND header "\n${declaration}")
endforeach()
string(APPEND header "\n}  // namespace kestravon::xpm\n")
file(WRITE "${OUTPUT}" "${header}")
