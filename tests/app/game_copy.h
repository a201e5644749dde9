// A copy of the game in a process of its own, for the process tests.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>

namespace kestravon {

// A copy of the game in a process of its own, with its own environment; killed at the end
// of the test if it is still running.
class GameCopy {
  public:
    static constexpr int kTimeoutMs = 30000;

    explicit GameCopy(const QProcessEnvironment& environment) {
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(KESTRAVON_EXECUTABLE));
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    GameCopy(const GameCopy&) = delete;
    GameCopy& operator=(const GameCopy&) = delete;
    ~GameCopy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kTimeoutMs);
        }
    }

    QProcess& process() { return process_; }
    const QProcess& process() const { return process_; }

  private:
    QProcess process_;
};

}  // namespace kestravon
