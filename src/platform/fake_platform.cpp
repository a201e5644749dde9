// A deterministic platform for tests: scripted draws, recorded messages, a store in memory.
#include "platform/fake_platform.h"

namespace kestravon {

float FakePlatform::DrawUniform() {
    ++drawCount;
    if (!queuedDraws.empty()) {
        const float u = queuedDraws.front();
        queuedDraws.pop_front();
        return u;
    }
    // xorshift32: deterministic and good enough to spread mines in tests.
    fallbackState ^= fallbackState << 13;
    fallbackState ^= fallbackState >> 17;
    fallbackState ^= fallbackState << 5;
    return static_cast<float>(fallbackState >> 8) * 0x1.0p-24f;
}

void FakePlatform::ShowMessage(std::string_view text) {
    messages.emplace_back(text);
    if (whileMessageOpen) {
        whileMessageOpen(text);
    }
}

std::string FakePlatform::ReadSetting(std::string_view application, std::string_view section,
                                      std::string_view key, std::string_view fallback) {
    const auto found =
        settings.find({std::string(application), std::string(section), std::string(key)});
    return found == settings.end() ? std::string(fallback) : found->second;
}

bool FakePlatform::WriteSettings(std::string_view application, std::string_view section,
                                 const std::vector<Setting>& entries) {
    if (failWrites) {
        return false;
    }
    ++settingWrites;
    for (const Setting& entry : entries) {
        settings[{std::string(application), std::string(section), entry.key}] = entry.text;
    }
    return true;
}

void FakePlatform::QueueDraws(const std::vector<float>& draws) {
    queuedDraws.insert(queuedDraws.end(), draws.begin(), draws.end());
}

}  // namespace kestravon
