// The platform as Qt provides it.
#pragma once

#include <QElapsedTimer>
#include <QLockFile>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace kestravon {

// The platform as Qt provides it: a monotonic clock, a Mersenne twister seeded from
// the local time, QMessageBox,
// QSettings (an INI file on Linux, the registry on Windows) and a per-user lock file.
class QtPlatform final : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    double SteadySeconds() override;
    void SeedRandomFromClock() override;
    float DrawUniform() override;
    void ShowMessage(std::string_view text) override;
    std::string ReadSetting(std::string_view application, std::string_view section,
                            std::string_view key, std::string_view fallback) override;
    bool WriteSettings(std::string_view application, std::string_view section,
                       const std::vector<Setting>& settings) override;
    bool AnotherInstanceRunning() override;

    // Message boxes open over `window`, the program's main window, and carry its icon; over
    // the program's modal window while one is open. Without it, over the active window.
    void ShowMessagesOver(QWidget& window) { messageOwner_ = &window; }

    // From now on message boxes return at once: the program is ending.
    void StopShowingMessages() { showMessages_ = false; }

  private:
    bool showMessages_ = true;
    QPointer<QWidget> messageOwner_;
    QElapsedTimer steadyClock_;
    std::mt19937 generator_;
    std::unique_ptr<QLockFile> instanceLock_;
};

}  // namespace kestravon
