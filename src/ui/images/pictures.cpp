// The tile, face and icon pictures, as the compiler decoded them from their XPM files.
#include "ui/images/pictures.h"

#include <QImage>

#include "ui/images/xpm_pixels.h"
#include "xpm_text.h"

namespace kestravon {

namespace {

// In the order of the Tile and Face enumerators.
constexpr std::array<xpm::PixelsView, kTileCount> kTiles = {
    xpm::Decoded<xpm::NoneImage>(),       xpm::Decoded<xpm::FlagImage>(),
    xpm::Decoded<xpm::UnderstandImage>(), xpm::Decoded<xpm::PushImage>(),
    xpm::Decoded<xpm::NumImage1>(),       xpm::Decoded<xpm::NumImage2>(),
    xpm::Decoded<xpm::NumImage3>(),       xpm::Decoded<xpm::NumImage4>(),
    xpm::Decoded<xpm::NumImage5>(),       xpm::Decoded<xpm::NumImage6>(),
    xpm::Decoded<xpm::NumImage7>(),       xpm::Decoded<xpm::NumImage8>(),
    xpm::Decoded<xpm::BombImage>(),       xpm::Decoded<xpm::Bomb1Image>(),
};
constexpr std::array<xpm::PixelsView, kFaceCount> kFaces = {
    xpm::Decoded<xpm::StartImage>(),
    xpm::Decoded<xpm::ClearImage>(),
    xpm::Decoded<xpm::FailImage>(),
};
// The window system picks the size it shows: each whole multiple up to 400 % is there,
// every design pixel a block of screen pixels, so that none is drawn smoothed.
constexpr std::array<xpm::PixelsView, 4> kIconSizes = {
    xpm::Decoded<xpm::AppIcon, 1>(),
    xpm::Decoded<xpm::AppIcon, 2>(),
    xpm::Decoded<xpm::AppIcon, 3>(),
    xpm::Decoded<xpm::AppIcon, 4>(),
};

// Each larger size is the design again, every pixel of it a whole block.
consteval bool BlocksOf(const xpm::PixelsView& design, const xpm::PixelsView& scaled, int scale) {
    for (int y = 0; y < scaled.height; ++y) {
        for (int x = 0; x < scaled.width; ++x) {
            if (scaled.argb[y * scaled.width + x] !=
                design.argb[y / scale * design.width + x / scale]) {
                return false;
            }
        }
    }
    return scaled.width == design.width * scale && scaled.height == design.height * scale;
}
static_assert(BlocksOf(kIconSizes[0], kIconSizes[1], 2) &&
              BlocksOf(kIconSizes[0], kIconSizes[2], 3) &&
              BlocksOf(kIconSizes[0], kIconSizes[3], 4));

// The pixmap shares the decoded pixels, which live as long as the program.
QPixmap PixmapOf(const xpm::PixelsView& pixels) {
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.argb), pixels.width,
                                     pixels.height, pixels.width * 4, QImage::Format_RGB32));
}

}  // namespace

Pictures::Pictures() {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        tiles_[i] = PixmapOf(kTiles[i]);
    }
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        faces_[i] = PixmapOf(kFaces[i]);
    }
    for (const xpm::PixelsView& size : kIconSizes) {
        windowIcon_.addPixmap(PixmapOf(size));
    }
}

}  // namespace kestravon
