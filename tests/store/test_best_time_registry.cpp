// The best-time store on Windows is the registry: what the program writes there is read
// back with Windows' own reg tool, what that tool writes loads, and a key the user may
// not write fails the save. The key is saved before the tests and put back after them.
#include <windows.h>
// after windows.h, which it needs
#include <sddl.h>

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "platform/qt_platform.h"
#include "store/best_time_store.h"

using namespace kestravon;

namespace {

const QString kStore = QStringLiteral("HKEY_CURRENT_USER\\Software\\Kestravon\\Kestravon");
const QString kSection = QStringLiteral("ベストタイム");
const QString kKey = kStore + QLatin1Char('\\') + kSection;
const std::wstring kSubKey = L"Software\\Kestravon\\Kestravon\\ベストタイム";

// Runs reg.exe; its output is text in the console's code page, of which only the value
// names, types and data (all ASCII) are read.
QString Reg(const QStringList& arguments) {
    QProcess reg;
    reg.start(QStringLiteral("reg.exe"), arguments);
    if (!reg.waitForFinished(30000) || reg.exitCode() != 0) {
        qWarning("reg %s failed", qPrintable(arguments.join(QLatin1Char(' '))));
        return {};
    }
    return QString::fromLocal8Bit(reg.readAllStandardOutput());
}

// The values under the best-time key as `reg query` lists them: name -> "TYPE data".
QMap<QString, QString> RegQuery() {
    static const QRegularExpression line(QStringLiteral("^\\s+(\\S+)\\s+(REG_\\w+)\\s+(.*)$"));
    QMap<QString, QString> values;
    for (const QString& text : Reg({QStringLiteral("query"), kKey}).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text);
        if (match.hasMatch()) {
            values[match.captured(1)] =
                match.captured(2) + QLatin1Char(' ') + match.captured(3).trimmed();
        }
    }
    return values;
}

void RegAdd(const QString& name, const QString& type, const QString& data) {
    Reg({QStringLiteral("add"), kKey, QStringLiteral("/v"), name, QStringLiteral("/t"), type,
         QStringLiteral("/d"), data, QStringLiteral("/f")});
}

// Gives the best-time key a protected access list from SDDL text.
bool SetAccess(const wchar_t* sddl) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSubKey.c_str(), 0, nullptr, 0, READ_CONTROL | WRITE_DAC,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    bool set = ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                    &descriptor, nullptr) &&
               RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    LocalFree(descriptor);
    RegCloseKey(key);
    return set;
}

}  // namespace

class TestBestTimeRegistry : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QSettings store(kStore, QSettings::NativeFormat);
        store.beginGroup(kSection);
        for (const QString& key : store.childKeys()) {
            saved_[key] = store.value(key);
        }
    }

    void cleanupTestCase() {
        QSettings store(kStore, QSettings::NativeFormat);
        store.remove(kSection);
        store.beginGroup(kSection);
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            store.setValue(it.key(), it.value());
        }
    }

    void init() { QSettings(kStore, QSettings::NativeFormat).remove(kSection); }

    void savedTimesAreTwelveStringsForReg() {
        QtPlatform platform;
        BestTimeTable table = LoadBestTimes(platform);
        table.SetEntry(3, 12.3);
        table.SetEntry(11, 120.5);
        QVERIFY(SaveBestTimes(platform, table));
        QMap<QString, QString> expected;
        for (int i = 0; i < 12; ++i) {
            expected[QString::number(i)] = QStringLiteral("REG_SZ 999");
        }
        expected[QStringLiteral("3")] = QStringLiteral("REG_SZ 12.3");
        expected[QStringLiteral("11")] = QStringLiteral("REG_SZ 120.5");
        QCOMPARE(RegQuery(), expected);
    }

    void timesWrittenByRegLoad() {
        RegAdd(QStringLiteral("0"), QStringLiteral("REG_SZ"), QStringLiteral("45.67"));
        RegAdd(QStringLiteral("2"), QStringLiteral("REG_SZ"), QStringLiteral("abc"));
        // Another program's number or string list is no text: a number still reads as
        // one, a list as an empty place.
        RegAdd(QStringLiteral("5"), QStringLiteral("REG_DWORD"), QStringLiteral("7"));
        RegAdd(QStringLiteral("6"), QStringLiteral("REG_MULTI_SZ"), QStringLiteral("8\\09"));
        RegAdd(QStringLiteral("7"), QStringLiteral("REG_BINARY"), QStringLiteral("ff00fe01"));
        QtPlatform platform;
        const BestTimeTable table = LoadBestTimes(platform);
        QCOMPARE(table.Entry(0), 45.67);
        QCOMPARE(table.Entry(2), 999.0);
        QCOMPARE(table.Entry(3), 999.0);
        QCOMPARE(table.Entry(5), 7.0);
        QCOMPARE(table.Entry(6), 999.0);
        QCOMPARE(table.Entry(7), 999.0);
    }

    void keyTheUserMayNotWriteFailsTheSave() {
        QVERIFY(SetAccess(L"D:P(A;;KR;;;WD)"));
        QtPlatform platform;
        const bool written = SaveBestTimes(platform, BestTimeTable());
        QVERIFY(SetAccess(L"D:P(A;;KA;;;WD)"));
        QVERIFY(!written);
        QVERIFY(RegQuery().isEmpty());
    }

  private:
    QMap<QString, QVariant> saved_;
};

QTEST_GUILESS_MAIN(TestBestTimeRegistry)
#include "test_best_time_registry.moc"
