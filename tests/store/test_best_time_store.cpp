// The best-time store: what is read, what is written, what a corrupt store gives.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/fake_platform.h"
#include "platform/qt_platform.h"
#include "store/best_time_store.h"

using namespace kestravon;

namespace {

FakePlatform::SettingKey Key(const char* key) {
    return {"Kestravon", "ベストタイム", key};
}

}  // namespace

class TestBestTimeStore : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(configHome_.isValid() && configDirs_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
        qputenv("XDG_CONFIG_DIRS", configDirs_.path().toUtf8());
    }

    // Every test starts with an empty store, whatever ran before it.
    void init() {
        QSettings(QStringLiteral("Kestravon"), QStringLiteral("Kestravon"))
            .remove(QStringLiteral("ベストタイム"));
        QDir(configHome_.filePath(QStringLiteral("Kestravon"))).removeRecursively();
        QFile::remove(configHome_.filePath(QStringLiteral("Kestravon.conf")));
        QDir(configDirs_.path()).removeRecursively();
        QVERIFY(QDir().mkpath(configDirs_.path()));
    }

    void emptyStoreLoadsEmptyPlacesAndCreatesAllKeys() {
        FakePlatform platform;
        const BestTimeTable table = LoadBestTimes(platform);
        QCOMPARE(table, BestTimeTable());
        QVERIFY(SaveBestTimes(platform, table));
        QCOMPARE(platform.settingWrites, 1);
        QCOMPARE(platform.settings.size(), std::size_t{12});
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(platform.settings.at(Key(std::to_string(i).c_str())), std::string("999"));
        }
    }

    void storedTextsRoundTripAndOtherKeysStayAlone() {
        FakePlatform platform;
        platform.settings[Key("5")] = "87.4";
        platform.settings[Key("9")] = "45.67";
        platform.settings[Key("12")] = "hello";
        const BestTimeTable table = LoadBestTimes(platform);
        QCOMPARE(table.Entry(5), 87.4);
        QCOMPARE(table.Entry(9), 45.67);
        QVERIFY(SaveBestTimes(platform, table));
        QCOMPARE(platform.settings.at(Key("5")), std::string("87.4"));
        QCOMPARE(platform.settings.at(Key("9")), std::string("45.67"));
        QCOMPARE(platform.settings.at(Key("12")), std::string("hello"));
    }

    void unusableTextsLoadAsEmptyPlaces() {
        FakePlatform platform;
        const char* texts[] = {"", "abc", "12,5", "nan", "inf", "1e999", " 7", "7 "};
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            platform.settings[Key(std::to_string(i).c_str())] = texts[i];
        }
        platform.settings[Key("11")] = "-3";
        const BestTimeTable table = LoadBestTimes(platform);
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            QCOMPARE(table.Entry(static_cast<int>(i)), 999.0);
        }
        QCOMPARE(table.Entry(11), -3.0);
    }

    void failedWriteIsReported() {
        FakePlatform platform;
        platform.failWrites = true;
        QVERIFY(!SaveBestTimes(platform, BestTimeTable()));
    }

    void qtSettingsRoundTrip() {
        QtPlatform platform;
        BestTimeTable table = LoadBestTimes(platform);
        QCOMPARE(table, BestTimeTable());
        table.SetEntry(3, 12.3);
        table.SetEntry(4, 120.5);
        QVERIFY(SaveBestTimes(platform, table));
        QSettings settings(QStringLiteral("Kestravon"), QStringLiteral("Kestravon"));
        QCOMPARE(settings.value(QStringLiteral("ベストタイム/3")).toString(),
                 QStringLiteral("12.3"));
        settings.setValue(QStringLiteral("ベストタイム/12"), QStringLiteral("keep"));
        settings.setValue(QStringLiteral("ベストタイム/6"), QStringLiteral("garbage"));
        settings.sync();

        const BestTimeTable reloaded = LoadBestTimes(platform);
        QCOMPARE(reloaded.Entry(3), 12.3);
        QCOMPARE(reloaded.Entry(4), 120.5);
        QCOMPARE(reloaded.Entry(6), 999.0);
        QVERIFY(SaveBestTimes(platform, reloaded));
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("ベストタイム/12")).toString(),
                 QStringLiteral("keep"));
    }

#ifndef Q_OS_WIN
    // The settings file; on Windows the store is the registry (test_best_time_registry).
    void qtSettingsFileOfGarbage() {
        QVERIFY(QDir(configHome_.path()).mkpath(QStringLiteral("Kestravon")));
        QFile file(StorePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\x01\xff[[[\n=\n%U30D9=7\n0=1,2,3\n\n\xfe\xfe");
        file.close();
        QtPlatform platform;
        QCOMPARE(LoadBestTimes(platform), BestTimeTable());
    }

    void unwritableStoreFailsToWrite() {
        // The settings file turned into a directory, which even root cannot write as a file.
        // (Qt settles the settings location once per process, so the file itself is replaced.)
        QVERIFY(QDir().mkpath(StorePath()));
        QtPlatform platform;
        const bool written = SaveBestTimes(platform, BestTimeTable());
        QDir(StorePath()).removeRecursively();
        QVERIFY(!written);
    }

    // Times in an organisation-wide or system-wide file are not the player's.
    void onlyThePlayersOwnStoreIsRead() {
        for (const QString& path :
             {configHome_.filePath(QStringLiteral("Kestravon.conf")),
              configDirs_.filePath(QStringLiteral("Kestravon.conf")),
              configDirs_.filePath(QStringLiteral("Kestravon/Kestravon.conf"))}) {
            QSettings shared(path, QSettings::IniFormat);
            shared.setValue(QStringLiteral("ベストタイム/0"), QStringLiteral("5"));
        }
        QtPlatform platform;
        QCOMPARE(LoadBestTimes(platform).Entry(0), 999.0);
    }
#endif

  private:
    QString StorePath() const {
        return configHome_.filePath(QStringLiteral("Kestravon/Kestravon.conf"));
    }

    QTemporaryDir configHome_;
    QTemporaryDir configDirs_;
};

QTEST_GUILESS_MAIN(TestBestTimeStore)
#include "test_best_time_store.moc"
