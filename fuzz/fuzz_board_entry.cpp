// The board-change dialog's whole accept-or-refuse decision on three arbitrary
// texts (separated by line feeds): every accepted board must fit the game.
#include <cstdint>
#include <string_view>

#include "engine/board_entry.h"
#include "engine/levels.h"

using namespace kestravon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view boxes[3];
    for (std::string_view& box : boxes) {
        const std::size_t end = rest.find('\n');
        box = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    const auto outcome = CheckBoardEntry(boxes[0], boxes[1], boxes[2]);
    if (const auto* entry = std::get_if<BoardEntry>(&outcome)) {
        const int cells = entry->height * entry->width;
        if (entry->height < 1 || entry->height > kMaxBoardSide || entry->width < 1 ||
            entry->width > kMaxBoardSide || entry->mines < 0 || entry->mines >= cells) {
            __builtin_trap();
        }
    } else if (std::get<std::string>(outcome).empty()) {
        __builtin_trap();  // a refusal always says why
    }
    return 0;
}
