// The program file as Windows sees it: a GUI program, its icon and its version.
#include <windows.h>

#include <QFile>
#include <QImage>
#include <QTest>

#include "ui/images/pictures.h"

namespace {

const wchar_t* Program() {
    static const std::wstring path = QStringLiteral(KESTRAVON_EXECUTABLE).toStdWString();
    return path.c_str();
}

QString VersionText(const QByteArray& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.constData(), path.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return QString::fromWCharArray(static_cast<const wchar_t*>(value), length - 1);
}

}  // namespace

class TestWindowsResources : public QObject {
    Q_OBJECT

  private slots:
    void startsWithoutAConsole() {
        QFile file(QStringLiteral(KESTRAVON_EXECUTABLE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray image = file.read(4096);
        IMAGE_DOS_HEADER dos;
        memcpy(&dos, image.constData(), sizeof dos);
        QCOMPARE(dos.e_magic, IMAGE_DOS_SIGNATURE);
        IMAGE_NT_HEADERS64 nt;
        memcpy(&nt, image.constData() + dos.e_lfanew, sizeof nt);
        QCOMPARE(nt.Signature, DWORD{IMAGE_NT_SIGNATURE});
        QCOMPARE(nt.OptionalHeader.Subsystem, WORD{IMAGE_SUBSYSTEM_WINDOWS_GUI});
    }

    void versionIsTheProjectVersion() {
        const DWORD size = GetFileVersionInfoSizeW(Program(), nullptr);
        QVERIFY(size > 0);
        QByteArray info(static_cast<qsizetype>(size), '\0');
        QVERIFY(GetFileVersionInfoW(Program(), 0, size, info.data()));
        QCOMPARE(VersionText(info, L"ProductVersion"), QStringLiteral(KESTRAVON_VERSION));
        QCOMPARE(VersionText(info, L"FileVersion"), QStringLiteral(KESTRAVON_VERSION));
        QCOMPARE(VersionText(info, L"OriginalFilename"), QStringLiteral("kestravon.exe"));

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(info.constData(), L"\\", reinterpret_cast<void**>(&fixed), &length));
        const QStringList parts = QStringLiteral(KESTRAVON_VERSION).split(QLatin1Char('.'));
        QCOMPARE(HIWORD(fixed->dwProductVersionMS), parts[0].toUInt());
        QCOMPARE(LOWORD(fixed->dwProductVersionMS), parts[1].toUInt());
        QCOMPARE(fixed->dwFileType, DWORD{VFT_APP});
    }

    // Each size is the 15 x 15 window icon enlarged by the largest whole factor, centred.
    void iconIsTheWindowIconAtEachSize_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 256}) {
            QTest::addRow("%d", size) << size;
        }
    }
    void iconIsTheWindowIconAtEachSize() {
        QFETCH(int, size);
        HMODULE module = LoadLibraryExW(Program(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        QVERIFY(module != nullptr);
        auto* icon = static_cast<HICON>(
            LoadImageW(module, L"IDI_ICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        FreeLibrary(module);
        QVERIFY(icon != nullptr);
        const QImage drawn = QImage::fromHICON(icon).convertToFormat(QImage::Format_ARGB32);
        DestroyIcon(icon);
        QCOMPARE(drawn.size(), QSize(size, size));

        const kestravon::Pictures pictures;
        const QImage small =
            pictures.windowIcon().pixmap(15, 15).toImage().convertToFormat(QImage::Format_ARGB32);
        const int factor = size / 15;
        const int margin = (size - 15 * factor) / 2;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int sx = (x - margin) / factor;
                const int sy = (y - margin) / factor;
                const bool inside = x >= margin && y >= margin && sx < 15 && sy < 15;
                const QRgb expected = inside ? small.pixel(sx, sy) : qRgba(0, 0, 0, 0);
                const QRgb got = drawn.pixel(x, y);
                if (qAlpha(expected) == 0 && qAlpha(got) == 0) {
                    continue;
                }
                QVERIFY2(got == expected, qPrintable(QStringLiteral("pixel %1,%2: %3, not %4")
                                                         .arg(x)
                                                         .arg(y)
                                                         .arg(got, 8, 16)
                                                         .arg(expected, 8, 16)));
            }
        }
    }
};

QTEST_MAIN(TestWindowsResources)
#include "test_windows_resources.moc"
