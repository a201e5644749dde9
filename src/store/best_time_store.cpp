// The best-time table loaded from and saved to the settings store.
#include "store/best_time_store.h"

#include <string>
#include <vector>

#include "engine/number_format.h"
#include "platform/platform.h"

namespace kestravon {

namespace {

// The store's own name, not the program's: the best times that earlier versions saved stay
// where they are whatever the program comes to be called.
constexpr std::string_view kApplication = "Kestravon";
constexpr std::string_view kSection = "ベストタイム";

}  // namespace

BestTimeTable LoadBestTimes(Platform& platform) {
    BestTimeTable table;
    const std::string fallback = FormatGeneral(BestTimeTable::kEmptyPlace);
    for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
        const std::string text =
            platform.ReadSetting(kApplication, kSection, std::to_string(i), fallback);
        table.SetEntry(i, ParseGeneral(text).value_or(BestTimeTable::kEmptyPlace));
    }
    return table;
}

bool SaveBestTimes(Platform& platform, const BestTimeTable& table) {
    std::vector<Platform::Setting> entries;
    for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
        entries.push_back({std::to_string(i), FormatGeneral(table.Entry(i))});
    }
    return platform.WriteSettings(kApplication, kSection, entries);
}

}  // namespace kestravon
