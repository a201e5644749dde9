// What only a real process shows: a second copy, termination signals, a killed copy.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>

#include "app/game_copy.h"

namespace {

constexpr int kTimeoutMs = 20000;

// A copy with its own settings and runtime directories.
class Copy : public kestravon::GameCopy {
  public:
    explicit Copy(const QTemporaryDir& home) : GameCopy(EnvironmentIn(home)) {}

  private:
    static QProcessEnvironment EnvironmentIn(const QTemporaryDir& home) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           home.filePath(QStringLiteral("runtime")));
        return environment;
    }
};

}  // namespace

class TestProcess : public QObject {
    Q_OBJECT

  private:
    QString LockPath() const {
        return home_->filePath(QStringLiteral("runtime/" KESTRAVON_LOCK_NAME));
    }
    QString StorePath() const {
        return home_->filePath(QStringLiteral("config/Kestravon/Kestravon.conf"));
    }

    // Starts a copy and waits until it holds the single-instance lock.
    bool StartAndWaitForLock(Copy& copy) {
        copy.process().start();
        if (!copy.process().waitForStarted(kTimeoutMs)) {
            return false;
        }
        const QByteArray pid = QByteArray::number(copy.process().processId());
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < kTimeoutMs && copy.process().state() == QProcess::Running) {
            QFile lock(LockPath());
            if (lock.open(QIODevice::ReadOnly) && lock.readLine().trimmed() == pid) {
                return true;
            }
            QTest::qWait(20);
        }
        return false;
    }

    bool Signal(Copy& copy, int signal) {
        ::kill(static_cast<pid_t>(copy.process().processId()), signal);
        return copy.process().waitForFinished(kTimeoutMs);
    }

    int StoredKeys() const {
        QSettings store(StorePath(), QSettings::IniFormat);
        store.beginGroup(QStringLiteral("ベストタイム"));
        return static_cast<int>(store.childKeys().size());
    }

  private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(home_->path()).mkdir(QStringLiteral("runtime")));
        QFile::setPermissions(home_->filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void secondCopyEndsAtOnceWithoutTouchingTheStore() {
        Copy first(*home_);
        QVERIFY(StartAndWaitForLock(first));
        Copy second(*home_);
        second.process().start();
        QVERIFY(second.process().waitForFinished(kTimeoutMs));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        QVERIFY(!QFile::exists(StorePath()));
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    // Qt's own options would act if the program handed its command line to Qt: this one
    // would ask for a platform that does not exist, and the copy would abort.
    void theCommandLineIsNotRead() {
        Copy copy(*home_);
        copy.process().setArguments(
            {QStringLiteral("-platform"), QStringLiteral("nowhere"), QStringLiteral("-reverse")});
        QVERIFY(StartAndWaitForLock(copy));
        QVERIFY(Signal(copy, SIGTERM));
        QCOMPARE(copy.process().exitCode(), 0);
        QCOMPARE(StoredKeys(), 12);
    }

    void terminationSignalsSaveTheBestTimes_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void terminationSignalsSaveTheBestTimes() {
        QFETCH(int, signal);
        Copy copy(*home_);
        QVERIFY(StartAndWaitForLock(copy));
        QVERIFY(Signal(copy, signal));
        QCOMPARE(copy.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.process().exitCode(), 0);
        QCOMPARE(StoredKeys(), 12);
    }

    void ofEightCopiesStartedAtOnceOneRuns() {
        std::vector<std::unique_ptr<Copy>> copies;
        for (int i = 0; i < 8; ++i) {
            copies.push_back(std::make_unique<Copy>(*home_));
        }
        for (auto& copy : copies) {
            copy->process().start();
        }
        for (auto& copy : copies) {
            QVERIFY(copy->process().waitForStarted(kTimeoutMs));
        }
        const auto finished = [&copies] {
            return static_cast<int>(std::count_if(
                copies.begin(), copies.end(),
                [](const auto& copy) { return copy->process().state() == QProcess::NotRunning; }));
        };
        QTRY_COMPARE_WITH_TIMEOUT(finished(), 7, kTimeoutMs);
        int running = 0;
        for (auto& copy : copies) {
            if (copy->process().state() != QProcess::NotRunning) {
                ++running;
                continue;
            }
            QCOMPARE(copy->process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->process().exitCode(), 0);
        }
        QCOMPARE(running, 1);
        QVERIFY(!QFile::exists(StorePath()));
        for (auto& copy : copies) {
            if (copy->process().state() == QProcess::Running) {
                QVERIFY(Signal(*copy, SIGTERM));
            }
        }
        QCOMPARE(StoredKeys(), 12);
    }

    void anUnwritableStoreCostsOneLineOnStderr() {
        // The settings file is a directory, which even root cannot write as a file.
        QVERIFY(QDir().mkpath(StorePath()));
        Copy copy(*home_);
        copy.process().setProcessChannelMode(QProcess::SeparateChannels);
        QVERIFY(StartAndWaitForLock(copy));
        QVERIFY(Signal(copy, SIGTERM));
        QCOMPARE(copy.process().exitCode(), 0);
        const QStringList ours = QString::fromUtf8(copy.process().readAllStandardError())
                                     .split(QLatin1Char('\n'))
                                     .filter(QStringLiteral("kestravon"));
        QCOMPARE(ours.size(), 1);
    }

    void unusableStoredTextsStartAsEmptyPlaces_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("first");
        QTest::newRow("empty file") << QByteArray() << "999";
        QTest::newRow("garbage") << QByteArray("\x01\xfe[[\n==\n\xff\xff") << "999";
        QTest::newRow("bad and good values")
            << QByteArray("[%U30D9%U30B9%U30C8%U30BF%U30A4%U30E0]\n0=abc\n1=12.5\n") << "999";
    }
    void unusableStoredTextsStartAsEmptyPlaces() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, first);
        QVERIFY(QDir().mkpath(QFileInfo(StorePath()).path()));
        QFile file(StorePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        Copy copy(*home_);
        QVERIFY(StartAndWaitForLock(copy));
        QVERIFY(Signal(copy, SIGTERM));
        QCOMPARE(copy.process().exitCode(), 0);
        QSettings store(StorePath(), QSettings::IniFormat);
        QCOMPARE(store.value(QStringLiteral("ベストタイム/0")).toString(), first);
        if (contents.contains("12.5")) {
            QCOMPARE(store.value(QStringLiteral("ベストタイム/1")).toString(),
                     QStringLiteral("12.5"));
        }
        QCOMPARE(StoredKeys(), 12);
    }

    void aKilledCopyDoesNotBlockTheNextStart() {
        {
            Copy first(*home_);
            QVERIFY(StartAndWaitForLock(first));
            QVERIFY(Signal(first, SIGTERM));
        }
        QSettings(StorePath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ベストタイム/0"), QStringLiteral("42.5"));
        Copy killed(*home_);
        QVERIFY(StartAndWaitForLock(killed));
        QVERIFY(Signal(killed, SIGKILL));
        QVERIFY(QFile::exists(LockPath()));

        Copy next(*home_);
        QVERIFY(StartAndWaitForLock(next));
        QVERIFY(Signal(next, SIGTERM));
        QCOMPARE(next.process().exitCode(), 0);
        QCOMPARE(QSettings(StorePath(), QSettings::IniFormat)
                     .value(QStringLiteral("ベストタイム/0"))
                     .toString(),
                 QStringLiteral("42.5"));
    }

  private:
    std::unique_ptr<QTemporaryDir> home_;
};

QTEST_GUILESS_MAIN(TestProcess)
#include "test_process.moc"
