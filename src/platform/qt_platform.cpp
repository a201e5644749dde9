// The platform as Qt provides it: clock, random draws, message boxes, settings, single instance.
#include "platform/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTime>

namespace kestravon {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString SettingPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

}  // namespace

QtPlatform::QtPlatform() {
    steadyClock_.start();
}

QtPlatform::~QtPlatform() = default;

double QtPlatform::SteadySeconds() {
    return static_cast<double>(steadyClock_.nsecsElapsed()) / 1e9;
}

void QtPlatform::SeedRandomFromClock() {
    generator_.seed(
        static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

float QtPlatform::DrawUniform() {
    // The top 24 bits fill a float's mantissa exactly, so u never rounds up to 1.
    return static_cast<float>(generator_() >> 8) * 0x1.0p-24f;
}

void QtPlatform::ShowMessage(std::string_view text) {
    if (!showMessages_) {
        return;
    }
    QString body = ToQString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A box opens centred over its parent. The active window is none between two boxes
    // (the first has closed, the main window is not active again yet): the second would
    // open at the screen's centre with the window system's icon.
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = messageOwner_ ? messageOwner_.data() : QApplication::activeWindow();
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(KESTRAVON_NAME), body, QMessageBox::Ok,
                    parent);
    if (messageOwner_) {
        box.setWindowIcon(messageOwner_->windowIcon());
    }
    box.exec();
}

std::string QtPlatform::ReadSetting(std::string_view application, std::string_view section,
                                    std::string_view key, std::string_view fallback) {
    QSettings settings(ToQString(application), ToQString(application));
    // The player's own store only: an organisation-wide or system-wide file (or HKLM) would
    // otherwise fill missing entries, and the next save would copy them in as the player's.
    settings.setFallbacksEnabled(false);
    const QVariant value = settings.value(SettingPath(section, key));
    if (!value.isValid()) {
        return std::string(fallback);
    }
    return value.toString().toStdString();
}

bool QtPlatform::WriteSettings(std::string_view application, std::string_view section,
                               const std::vector<Setting>& entries) {
    QSettings settings(ToQString(application), ToQString(application));
    for (const Setting& entry : entries) {
        settings.setValue(SettingPath(section, entry.key), ToQString(entry.text));
    }
    // One sync: the store is rewritten once for all the entries.
    settings.sync();
    // A FormatError tells of a file that could not be read, not of the write: the
    // unreadable file is replaced.
    return settings.status() != QSettings::AccessError;
}

bool QtPlatform::AnotherInstanceRunning() {
    if (!instanceLock_) {
#ifdef Q_OS_WIN
        // Windows has no per-user runtime folder (Qt would give the home folder): the
        // user's temporary folder serves, GetTempPath's, which the installer asks too.
        static_assert(std::string_view(KESTRAVON_LOCK_FOLDER) == "TEMP",
                      "on Windows the program finds no lock folder but the temporary one");
        const QString dir = QDir::tempPath();
#else
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty()) {
            dir = QDir::tempPath();
        }
#endif
        instanceLock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/" KESTRAVON_LOCK_NAME));
        // A lock is stale only when its owner is gone, never because it is old.
        instanceLock_->setStaleLockTime(0);
    }
    if (instanceLock_->isLocked()) {
        return false;
    }
    return !instanceLock_->tryLock(0) && instanceLock_->error() == QLockFile::LockFailedError;
}

}  // namespace kestravon
