// The tile, face and icon pictures, loaded from the compiled-in resources.
#include "ui/images/pictures.h"

#include <QString>
#include <QtGlobal>

// Q_INIT_RESOURCE cannot be used inside a namespace. Calling it also makes the linker keep
// the resource object, which would otherwise be dropped from this static library.
static void InitImageResources() {
    Q_INIT_RESOURCE(images);
}

namespace kestravon {

namespace {

constexpr int kLargestIconScale = 4;

QPixmap Load(const char* name) {
    const QString path =
        QStringLiteral(":/images/") + QString::fromUtf8(name) + QStringLiteral(".xpm");
    QPixmap pixmap(path);
    // The pictures are compiled in: a missing one means a broken build, not a user error.
    if (pixmap.isNull()) {
        qFatal("Kestravon: picture %s is missing from the resources", qUtf8Printable(path));
    }
    return pixmap;
}

}  // namespace

Pictures::Pictures() {
    InitImageResources();

    // In the order of the Tile and Face enumerators.
    static constexpr std::array<const char*, kTileCount> kTileNames = {
        "NoneImage", "FlagImage", "UnderstandImage", "PushImage",  "NumImage1",
        "NumImage2", "NumImage3", "NumImage4",       "NumImage5",  "NumImage6",
        "NumImage7", "NumImage8", "BombImage",       "Bomb1Image",
    };
    static constexpr std::array<const char*, kFaceCount> kFaceNames = {"StartImage", "ClearImage",
                                                                       "失敗Image"};
    static_assert(kTileNames.back() != nullptr && kFaceNames.back() != nullptr,
                  "one name per enumerator");

    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        tiles_[i] = Load(kTileNames[i]);
    }
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        faces_[i] = Load(kFaceNames[i]);
    }
    // The window system picks the size it shows: each whole multiple up to 400 % is there,
    // every design pixel a block of screen pixels, so that none is drawn smoothed.
    const QPixmap icon = Load("AppIcon");
    for (int scale = 1; scale <= kLargestIconScale; ++scale) {
        windowIcon_.addPixmap(scale == 1 ? icon
                                         : icon.scaled(icon.size() * scale, Qt::IgnoreAspectRatio,
                                                       Qt::FastTransformation));
    }
}

}  // namespace kestravon
