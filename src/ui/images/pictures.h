#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

#include "engine/tile.h"

namespace kestravon {

// Every tile, face and icon picture, loaded once from the compiled-in resources.
//
// A cell's or the face button's state is *which* picture it shows, so callers keep and
// compare the references handed out here (by address or cacheKey()), never pixels. The
// two design copies have the same pixels as their reference but are separate pictures,
// so they match no reference by identity.
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

    // What the first cell and the face button hold as designed, before the first new game.
    const QPixmap& closedTileDesignCopy() const { return closedTileCopy_; }
    const QPixmap& startFaceDesignCopy() const { return startFaceCopy_; }

    // The main window and the best-time window each get their own copy of the icon.
    QIcon mainWindowIcon() const { return mainWindowIcon_; }
    QIcon bestTimeWindowIcon() const { return bestTimeWindowIcon_; }

  private:
    std::array<QPixmap, kTileCount> tiles_;
    std::array<QPixmap, kFaceCount> faces_;
    QPixmap closedTileCopy_;
    QPixmap startFaceCopy_;
    QIcon mainWindowIcon_;
    QIcon bestTimeWindowIcon_;
};

}  // namespace kestravon
