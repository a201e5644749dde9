// Loads the best-time table from an arbitrary settings file: every entry must come
// out as a finite number or as an empty place. The game reads the store with its
// application object in place, and Qt needs one to read some stored values (a picture).
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <memory>

#include "platform/qt_platform.h"
#include "store/best_time_store.h"

using namespace kestravon;

namespace {

std::unique_ptr<QTemporaryDir> configHome;
QString storePath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgumentCount = *argc > 0 ? 1 : 0;
    // Lives until the process ends: libFuzzer leaves by exit(), when Qt is past tearing down.
    new QApplication(qtArgumentCount, *argv);
    configHome = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                 QStringLiteral("/kestravon-fuzz-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", configHome->path().toUtf8());
    QDir(configHome->path()).mkdir(QStringLiteral("Kestravon"));
    storePath = configHome->filePath(QStringLiteral("Kestravon/Kestravon.conf"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(storePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QtPlatform platform;
    const BestTimeTable table = LoadBestTimes(platform);
    for (int i = 0; i < BestTimeTable::kEntryCount; ++i) {
        if (!std::isfinite(table.Entry(i))) {
            __builtin_trap();
        }
    }
    return 0;
}
