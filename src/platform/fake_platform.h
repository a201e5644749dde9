// A deterministic platform for tests.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/platform.h"

namespace kestravon {

// A deterministic platform for tests: clocks that move only when told to,
// scripted random draws, message boxes that are recorded instead of shown and an
// in-memory settings store.
class FakePlatform final : public Platform {
  public:
    double SteadySeconds() override { return steadyClock; }

    void SeedRandomFromClock() override { seeds.push_back(timeOfDay); }
    float DrawUniform() override;

    void ShowMessage(std::string_view text) override;

    std::string ReadSetting(std::string_view application, std::string_view section,
                            std::string_view key, std::string_view fallback) override;
    bool WriteSettings(std::string_view application, std::string_view section,
                       const std::vector<Setting>& settings) override;

    // A test's program is the only copy.
    bool AnotherInstanceRunning() override { return false; }

    // Queues draws to be returned before the fallback sequence takes over.
    void QueueDraws(const std::vector<float>& draws);

    using SettingKey = std::tuple<std::string, std::string, std::string>;

    double steadyClock = 0.0;
    // Seconds since local midnight; only the random seeds come from it.
    double timeOfDay = 0.0;
    // The time of day at each reseeding.
    std::vector<double> seeds;
    int drawCount = 0;
    std::deque<float> queuedDraws;
    // Draws after the queue runs dry come from a fixed-seed generator.
    std::uint32_t fallbackState = 12345u;

    std::vector<std::string> messages;
    // Runs while a message box is "open", e.g. to advance the clock and tick.
    std::function<void(std::string_view)> whileMessageOpen;

    std::map<SettingKey, std::string> settings;
    int settingWrites = 0;  // writes of the store, each of one or more settings
    bool failWrites = false;
};

}  // namespace kestravon
