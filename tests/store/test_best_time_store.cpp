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
        QVERIFY(configHome_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
    }

    void emptyStoreLoadsEmptyPlacesAndCreatesAllKeys() {
        FakePlatform platform;
        Module1 module1(platform);
        LoadBestTimes(module1);
        for (const double entry : module1.BestTime) {
            QCOMPARE(entry, 999.0);
        }
        QVERIFY(SaveBestTimes(module1));
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
        Module1 module1(platform);
        LoadBestTimes(module1);
        QCOMPARE(module1.BestTime[5], 87.4);
        QCOMPARE(module1.BestTime[9], 45.67);
        QVERIFY(SaveBestTimes(module1));
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
        Module1 module1(platform);
        LoadBestTimes(module1);
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            QCOMPARE(module1.BestTime[i], 999.0);
        }
        QCOMPARE(module1.BestTime[11], -3.0);
    }

    void failedWriteIsReported() {
        FakePlatform platform;
        platform.failWrites = true;
        Module1 module1(platform);
        QVERIFY(!SaveBestTimes(module1));
    }

    void qtSettingsRoundTrip() {
        QtPlatform platform;
        Module1 module1(platform);
        LoadBestTimes(module1);
        QCOMPARE(module1.BestTime[0], 999.0);
        module1.BestTime[3] = 12.3;
        module1.BestTime[4] = 120.5;
        QVERIFY(SaveBestTimes(module1));
        QSettings settings(QStringLiteral("Kestravon"), QStringLiteral("Kestravon"));
        QCOMPARE(settings.value(QStringLiteral("ベストタイム/3")).toString(),
                 QStringLiteral("12.3"));
        settings.setValue(QStringLiteral("ベストタイム/12"), QStringLiteral("keep"));
        settings.setValue(QStringLiteral("ベストタイム/6"), QStringLiteral("garbage"));
        settings.sync();

        Module1 reloaded(platform);
        LoadBestTimes(reloaded);
        QCOMPARE(reloaded.BestTime[3], 12.3);
        QCOMPARE(reloaded.BestTime[4], 120.5);
        QCOMPARE(reloaded.BestTime[6], 999.0);
        QVERIFY(SaveBestTimes(reloaded));
        settings.sync();
        QCOMPARE(settings.value(QStringLiteral("ベストタイム/12")).toString(),
                 QStringLiteral("keep"));
    }

#ifndef Q_OS_WIN
    // The settings file; on Windows the store is the registry (test_best_time_registry).
    void qtSettingsFileOfGarbage() {
        const QString path = configHome_.filePath(QStringLiteral("Kestravon/Kestravon.conf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\x01\xff[[[\n=\n%U30D9=7\n0=1,2,3\n\n\xfe\xfe");
        file.close();
        QtPlatform platform;
        Module1 module1(platform);
        LoadBestTimes(module1);
        for (const double entry : module1.BestTime) {
            QCOMPARE(entry, 999.0);
        }
    }

    void unwritableStoreFailsToWrite() {
        // The settings file turned into a directory, which even root cannot write as a file.
        // (Qt settles the settings location once per process, so the file itself is replaced.)
        const QString path = configHome_.filePath(QStringLiteral("Kestravon/Kestravon.conf"));
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        QtPlatform platform;
        Module1 module1(platform);
        const bool written = SaveBestTimes(module1);
        QDir(path).removeRecursively();
        QVERIFY(!written);
    }
#endif

  private:
    QTemporaryDir configHome_;
};

QTEST_GUILESS_MAIN(TestBestTimeStore)
#include "test_best_time_store.moc"
