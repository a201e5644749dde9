// The one interface through which the program reaches the operating system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestravon {

// Everything the program needs of the operating system, behind one interface so
// that the game can be driven deterministically in tests.
class Platform {
  public:
    virtual ~Platform() = default;

    // Seconds from a steady clock: it never jumps when the time of day is set (by hand,
    // by network time, for summer time), so the difference of two readings is the time
    // that passed between them.
    virtual double SteadySeconds() = 0;

    // Reseeds the random generator from the current time of day.
    virtual void SeedRandomFromClock() = 0;
    // Next uniform draw u with 0 <= u < 1 (never 1).
    virtual float DrawUniform() = 0;

    // Shows a message box with one OK button, no icon and the title "Kestravon"
    // and returns when the player has closed it. Lines are separated by "\r\n".
    virtual void ShowMessage(std::string_view text) = 0;

    // Per-user settings store: the stored text, or `fallback` when there is none.
    virtual std::string ReadSetting(std::string_view application, std::string_view section,
                                    std::string_view key, std::string_view fallback) = 0;
    struct Setting {
        std::string key;
        std::string text;
    };
    // Creates or replaces settings of one section, all in one write of the store.
    // Returns false when the store could not be written.
    virtual bool WriteSettings(std::string_view application, std::string_view section,
                               const std::vector<Setting>& settings) = 0;

    // Whether another copy of the program is already running for this user.
    virtual bool AnotherInstanceRunning() = 0;
};

}  // namespace kestravon
