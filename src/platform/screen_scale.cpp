#include "platform/screen_scale.h"

#include <QGuiApplication>

namespace kestravon {

void UseWholeScreenScales() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

}  // namespace kestravon
