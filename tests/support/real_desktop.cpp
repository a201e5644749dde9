// Real desktops on X servers of their own: Xvfb with openbox, or weston.
#include "real_desktop.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace kestravon {

namespace {

constexpr int kStartTimeoutMs = 20000;

pid_t Spawn(std::vector<std::string> arguments, const posix_spawn_file_actions_t* actions) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    return pid;
}

void Stop(pid_t& pid) {
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
}

// Starts a program whose output nobody reads.
pid_t SpawnQuiet(std::vector<std::string> arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const pid_t pid = Spawn(std::move(arguments), &actions);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits while `pid` runs until `path` exists.
bool WaitForFile(pid_t pid, const QString& path) {
    QElapsedTimer waited;
    waited.start();
    while (pid > 0 && !QFile::exists(path) && waited.elapsed() < kStartTimeoutMs) {
        QThread::msleep(10);
    }
    return QFile::exists(path);
}

// Waits while `pid` runs until the file at `path` holds `text`.
bool WaitForLogLine(pid_t pid, const QString& path, const QByteArray& text) {
    QElapsedTimer waited;
    waited.start();
    QFile file(path);
    while (pid > 0 && waited.elapsed() < kStartTimeoutMs) {
        if (file.open(QIODevice::ReadOnly)) {
            if (file.readAll().contains(text)) {
                return true;
            }
            file.close();
        }
        QThread::msleep(10);
    }
    return false;
}

}  // namespace

RealDesktop::RealDesktop(QSize screen, DesktopKind kind) {
    if (!StartServer(screen)) {
        return;
    }
    // A desktop of its own has no session bus and no desktop portal. Without these, Qt's
    // bus client would look for a bus to launch, and Qt 6.8 would ask the portal for its
    // settings and leave that call's watcher behind at exit, a leak LeakSanitizer finds.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qputenv("QT_NO_XDG_DESKTOP_PORTAL", "1");
    if (kind == DesktopKind::Weston) {
        StartCompositor(screen);
        return;
    }
    // The resources go in once the window manager holds a connection: Xvfb forgets them
    // when its last client leaves.
    if (StartWindowManager() && (kind != DesktopKind::ScaledOpenbox || SetDpi(144))) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

RealDesktop::~RealDesktop() {
    Stop(windowManager_);
    Stop(server_);
}

void RealDesktop::Kill() const {
    for (const pid_t pid : {windowManager_, server_}) {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
        }
    }
}

bool RealDesktop::StartServer(QSize screen) {
    // Xvfb picks a free display and writes its number to the pipe.
    int pipe[2];
    if (::pipe(pipe) != 0) {
        error_ = QStringLiteral("no pipe for Xvfb");
        return false;
    }
    ::fcntl(pipe[0], F_SETFD, FD_CLOEXEC);
    const std::string geometry =
        std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + "x24";
    server_ = SpawnQuiet({"Xvfb", "-displayfd", std::to_string(pipe[1]), "-screen", "0", geometry,
                          "-nolisten", "tcp"});
    ::close(pipe[1]);

    std::string number;
    pollfd waiting{pipe[0], POLLIN, 0};
    char byte = 0;
    while (server_ > 0 && ::poll(&waiting, 1, kStartTimeoutMs) == 1 &&
           ::read(pipe[0], &byte, 1) == 1 && byte != '\n') {
        number += byte;
    }
    ::close(pipe[0]);
    if (number.empty()) {
        error_ = QStringLiteral("Xvfb did not start (is the xvfb package installed?)");
        return false;
    }
    qputenv("DISPLAY", ":" + QByteArray::fromStdString(number));
    return true;
}

bool RealDesktop::SetDpi(int dpi) {
    QTemporaryDir scratch;
    QFile resources(scratch.filePath(QStringLiteral("resources")));
    if (!resources.open(QIODevice::WriteOnly) ||
        resources.write("Xft.dpi: " + QByteArray::number(dpi) + "\n") < 0) {
        error_ = QStringLiteral("no file for the X resources");
        return false;
    }
    resources.close();
    // Without -nocpp, xrdb wants a C preprocessor and sets nothing when there is none.
    pid_t xrdb = Spawn({"xrdb", "-nocpp", "-merge", resources.fileName().toStdString()}, nullptr);
    int status = -1;
    if (xrdb <= 0 || ::waitpid(xrdb, &status, 0) != xrdb || status != 0) {
        error_ = QStringLiteral("xrdb failed (is the x11-xserver-utils package installed?)");
        return false;
    }
    return true;
}

bool RealDesktop::StartWindowManager() {
    // openbox runs its start-up command once it manages the screen.
    QTemporaryDir scratch;
    const QString ready = scratch.filePath(QStringLiteral("ready"));
    windowManager_ =
        SpawnQuiet({"openbox", "--sm-disable", "--startup", "touch " + ready.toStdString()});
    if (!WaitForFile(windowManager_, ready)) {
        error_ = QStringLiteral("openbox did not start (is the openbox package installed?)");
        return false;
    }
    return true;
}

bool RealDesktop::StartCompositor(QSize output) {
    // weston's socket goes in a runtime folder of this desktop's own, made private as
    // Wayland asks.
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    // The desktop shell with its panel at the top (32 pixels high), whatever weston.ini the
    // user has. Its client tells weston when the panel is up; weston's protocol log shows it.
    const QString config = runtime_.filePath(QStringLiteral("weston.ini"));
    QFile ini(config);
    if (!ini.open(QIODevice::WriteOnly) ||
        ini.write("[core]\nshell=desktop-shell.so\n[shell]\npanel-position=top\n") < 0) {
        error_ = QStringLiteral("no file for weston's configuration");
        return false;
    }
    ini.close();
    const QString log = runtime_.filePath(QStringLiteral("weston.log"));
    const std::string socket = "wayland-kestravon";
    windowManager_ = SpawnQuiet(
        {"weston", "--backend=x11-backend.so", "--use-pixman",
         "--width=" + std::to_string(output.width()), "--height=" + std::to_string(output.height()),
         "--socket=" + socket, "--idle-time=0", "--config=" + config.toStdString(),
         "--log=" + log.toStdString(), "--logger-scopes=log,proto"});
    if (!WaitForFile(windowManager_, runtime_.filePath(QString::fromStdString(socket)))) {
        error_ = QStringLiteral("weston did not start (is the weston package installed?)");
        return false;
    }
    if (!WaitForLogLine(windowManager_, log, "desktop_ready")) {
        error_ = QStringLiteral("weston's desktop shell did not come up");
        return false;
    }
    qputenv("WAYLAND_DISPLAY", QByteArray::fromStdString(socket));
    qputenv("QT_QPA_PLATFORM", "wayland");
    return true;
}

}  // namespace kestravon
