// What only a real process shows on Windows: a second copy, and the ways Windows ends a
// program (WM_CLOSE as taskkill sends it, the end of the session).
// The best times live in the registry, which copies of the program share: the key is
// saved before the tests and put back after them.
#include <windows.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "app/game_copy.h"

namespace {

constexpr int kTimeoutMs = 30000;
const QString kStore = QStringLiteral("HKEY_CURRENT_USER\\Software\\Kestravon\\Kestravon");
const QString kSection = QStringLiteral("ベストタイム");

// A copy whose temporary folder, and so its single-instance lock, is its own.
class Copy : public kestravon::GameCopy {
  public:
    explicit Copy(const QString& temp) : GameCopy(EnvironmentWith(temp)) {}

    DWORD pid() const { return static_cast<DWORD>(process().processId()); }

  private:
    static QProcessEnvironment EnvironmentWith(const QString& temp) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));  // real windows, to close
        environment.insert(QStringLiteral("TMP"), QDir::toNativeSeparators(temp));
        environment.insert(QStringLiteral("TEMP"), QDir::toNativeSeparators(temp));
        return environment;
    }
};

// The visible top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->pid && IsWindowVisible(window)) {
                search->found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

class TestWindowsProcess : public QObject {
    Q_OBJECT

  private:
    QString LockPath() const { return temp_->filePath(QStringLiteral(KESTRAVON_LOCK_NAME)); }

    // Starts a copy and waits until it shows its window, and so holds the lock. (The lock
    // file is not read while a copy may be starting: Windows cannot delete a stale lock
    // that another process has open.)
    bool StartAndWaitForWindow(Copy& copy) {
        copy.process().start();
        if (!copy.process().waitForStarted(kTimeoutMs)) {
            return false;
        }
        QElapsedTimer timer;
        timer.start();
        while (WindowsOf(copy.pid()).empty()) {
            if (timer.elapsed() > kTimeoutMs || copy.process().state() != QProcess::Running) {
                return false;
            }
            QTest::qWait(50);
        }
        QFile lock(LockPath());
        return lock.open(QIODevice::ReadOnly) &&
               lock.readLine().trimmed() == QByteArray::number(copy.process().processId());
    }

    static bool Finished(Copy& copy) {
        return copy.process().waitForFinished(kTimeoutMs) &&
               copy.process().exitStatus() == QProcess::NormalExit &&
               copy.process().exitCode() == 0;
    }

    // The stored best times, by value name.
    static QMap<QString, QString> StoredTimes() {
        QSettings store(kStore, QSettings::NativeFormat);
        store.beginGroup(kSection);
        QMap<QString, QString> times;
        for (const QString& key : store.childKeys()) {
            times[key] = store.value(key).toString();
        }
        return times;
    }

    static void ClearStore() {
        QSettings store(kStore, QSettings::NativeFormat);
        store.remove(kSection);
    }

    static void Store(const QString& key, const QString& text) {
        QSettings store(kStore, QSettings::NativeFormat);
        store.setValue(kSection + QLatin1Char('/') + key, text);
    }

    // The twelve times as a copy saves them when it was started with time 4 stored.
    static QMap<QString, QString> SavedWithFourth() {
        QMap<QString, QString> times;
        for (int i = 0; i < 12; ++i) {
            times[QString::number(i)] = i == 4 ? QStringLiteral("33.5") : QStringLiteral("999");
        }
        return times;
    }

  private slots:
    void initTestCase() { saved_ = StoredTimes(); }

    void cleanupTestCase() {
        ClearStore();
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            Store(it.key(), it.value());
        }
    }

    void init() {
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        ClearStore();
    }

    void secondCopyEndsAtOnceWithoutAWindowOrTheStore() {
        Copy first(temp_->path());
        QVERIFY(StartAndWaitForWindow(first));
        Copy second(temp_->path());
        second.process().start();
        QVERIFY(Finished(second));
        QVERIFY(StoredTimes().isEmpty());
        QCOMPARE(first.process().state(), QProcess::Running);
        QCOMPARE(WindowsOf(first.pid()).size(), std::size_t{1});
    }

    void wmCloseFromTaskkillSavesTheBestTimes() {
        Store(QStringLiteral("4"), QStringLiteral("33.5"));
        Copy copy(temp_->path());
        QVERIFY(StartAndWaitForWindow(copy));
        // Without /F, taskkill asks the program's windows to close with WM_CLOSE.
        QProcess taskkill;
        taskkill.start(QStringLiteral("taskkill.exe"),
                       {QStringLiteral("/PID"), QString::number(copy.pid())});
        QVERIFY(taskkill.waitForFinished(kTimeoutMs));
        QVERIFY(Finished(copy));
        QCOMPARE(StoredTimes(), SavedWithFourth());
        QVERIFY(!QFile::exists(LockPath()));
    }

    // Windows asks each top-level window WM_QUERYENDSESSION, then tells it WM_ENDSESSION
    // and ends the process once that is answered.
    void endOfSessionSavesTheBestTimes() {
        Store(QStringLiteral("4"), QStringLiteral("33.5"));
        Copy copy(temp_->path());
        QVERIFY(StartAndWaitForWindow(copy));
        const std::vector<HWND> windows = WindowsOf(copy.pid());
        for (HWND window : windows) {
            DWORD_PTR agreed = 0;
            QVERIFY(SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                        SMTO_ABORTIFHUNG, kTimeoutMs, &agreed));
            QVERIFY(agreed);
        }
        for (HWND window : windows) {
            SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                kTimeoutMs, nullptr);
        }
        QVERIFY(Finished(copy));
        QCOMPARE(StoredTimes(), SavedWithFourth());
    }

  private:
    std::unique_ptr<QTemporaryDir> temp_;
    QMap<QString, QString> saved_;
};

QTEST_GUILESS_MAIN(TestWindowsProcess)
#include "test_windows_process.moc"
