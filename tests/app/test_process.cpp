// What only a real process shows: a second copy, termination signals, a killed copy.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

constexpr int kTimeoutMs = 20000;

// A Kestravon process with its own settings and runtime directories.
class Copy {
  public:
    explicit Copy(const QTemporaryDir& home) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           home.filePath(QStringLiteral("runtime")));
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(KESTRAVON_EXECUTABLE));
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kTimeoutMs);
        }
    }

    QProcess& process() { return process_; }

  private:
    QProcess process_;
};

}  // namespace

class TestProcess : public QObject {
    Q_OBJECT

  private:
    QString LockPath() const { return home_->filePath(QStringLiteral("runtime/kestravon.lock")); }
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
