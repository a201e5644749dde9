#include "store/best_time_store.h"

#include <string>
#include <vector>

#include "engine/number_format.h"
#include "platform/platform.h"

namespace kestravon {

namespace {

constexpr std::string_view kApplication = "Kestravon";
constexpr std::string_view kSection = "ベストタイム";

}  // namespace

void LoadBestTimes(Module1& module1) {
    const std::string fallback = FormatGeneral(kNoBestTime);
    for (int i = 0; i < kBestTimeCount; ++i) {
        const std::string text =
            module1.platform().ReadSetting(kApplication, kSection, std::to_string(i), fallback);
        module1.BestTime[static_cast<std::size_t>(i)] = ParseGeneral(text).value_or(kNoBestTime);
    }
}

bool SaveBestTimes(Module1& module1) {
    std::vector<Platform::Setting> entries;
    for (int i = 0; i < kBestTimeCount; ++i) {
        entries.push_back(
            {std::to_string(i), FormatGeneral(module1.BestTime[static_cast<std::size_t>(i)])});
    }
    return module1.platform().WriteSettings(kApplication, kSection, entries);
}

}  // namespace kestravon
