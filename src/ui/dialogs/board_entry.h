#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kestravon {

// A custom board that the board can hold: sides 1..101, 0 <= mines < height * width.
struct BoardEntry {
    std::int16_t height;
    std::int16_t width;
    std::int16_t mines;
};

// The board-change dialog's OK tests on the texts of its three boxes: the accepted
// entry, or the message that refuses it. The area and density tests work on the numbers
// as read, unrounded; an accepted entry is rounded half to even.
std::variant<BoardEntry, std::string> CheckBoardEntry(std::string_view height,
                                                      std::string_view width,
                                                      std::string_view mines);

}  // namespace kestravon
