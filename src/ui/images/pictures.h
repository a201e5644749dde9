// The tile, face and icon pictures, looked up by what they show.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>
#include <cstddef>

#include "engine/tile.h"

namespace kestravon {

// Every tile, face and icon picture, from the pixels that the compiler decoded.
//
// Construct after the QApplication exists (QPixmap needs a GUI application) and keep it
// alive as long as any reference from it is in use.
class Pictures final {
  public:
    Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    const QPixmap& tile(Tile tile) const { return tiles_[static_cast<std::size_t>(tile)]; }
    const QPixmap& face(Face face) const { return faces_[static_cast<std::size_t>(face)]; }

    // The icon of the main window and of the best-time window.
    const QIcon& windowIcon() const { return windowIcon_; }

  private:
    std::array<QPixmap, kTileCount> tiles_;
    std::array<QPixmap, kFaceCount> faces_;
    QIcon windowIcon_;
};

}  // namespace kestravon
