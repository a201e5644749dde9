// The main window's designed geometry: the board's place and the header's, in twips.
#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

#include "ui/board/board_geometry.h"

// The geometry of the main window, designed in twips (15 to the pixel). Every
// twips-to-pixel conversion goes through ToPixels, so the window's parts round the same way.
namespace kestravon::layout {

inline constexpr double kTwipsPerPixel = 15.0;

// Whole pixels from twips, rounding down: a half pixel goes to the left and up.
inline int ToPixels(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

// Cell pitch.
inline constexpr double kCellTwips = kCellPixels * kTwipsPerPixel;

// Top-left corner of cell (0, 0) in the client area (below the menu bar).
inline constexpr double kBoardLeftTwips = kCellTwips / 2;
inline constexpr double kBoardTopTwips = 840.0;

// The window's outer size beyond (rows + 1) and (columns + 1) cells.
inline constexpr double kExtraHeightTwips = 1400.0;
inline constexpr double kExtraWidthTwips = 100.0;

// The outer size less the client area: a nominal frame, caption and menu bar.
inline constexpr int kFrameWidthPixels = 8;
inline constexpr int kFrameHeightPixels = 46;

// Everything above the board: the face button and the two counters.
inline constexpr int kHeaderHeightPixels = 56;

inline constexpr double kFaceTopTwips = 180.0;
inline constexpr double kFaceShiftTwips = -50.0;  // from centred in the outer width
inline constexpr double kCounterTopTwips = 175.0;
inline constexpr double kMineCounterShiftTwips = -850.0;  // from the face button's left
inline constexpr double kElapsedTimeShiftTwips = 500.0;   // from the face button's left
inline constexpr double kFaceWidthTwips = 375.0;
inline constexpr double kCounterWidthTwips = 735.0;

// Designed places before the first board setup.
inline constexpr QRect kDesignedMineCounter{40, 16, 49, 23};
inline constexpr QRect kDesignedElapsedTime{128, 16, 49, 23};
inline constexpr QRect kDesignedFaceButton{96, 16, 25, 23};
inline constexpr QSize kDesignedClientSize{220, 194};

// The outer window size, in twips, for a board.
inline double OuterHeightTwips(int rows) {
    return (rows + 1) * kCellTwips + kExtraHeightTwips;
}
inline double OuterWidthTwips(int columns) {
    return (columns + 1) * kCellTwips + kExtraWidthTwips;
}

// The client area's size for a board as the formulas give it, before any widening.
inline QSize BoardClientSize(int rows, int columns) {
    return {ToPixels(OuterWidthTwips(columns)) - kFrameWidthPixels,
            ToPixels(OuterHeightTwips(rows)) - kFrameHeightPixels};
}

// Where the face button and the two counters go, as left edges in pixels.
struct HeaderPlaces {
    int face;
    int mineCounter;
    int elapsedTime;
};

// The places for a client area of a given width: the face centred in the window's outer
// width, the counters at their offsets from it.
inline HeaderPlaces CentredHeader(int clientWidth) {
    const double outerWidthTwips = (clientWidth + kFrameWidthPixels) * kTwipsPerPixel;
    const double face = outerWidthTwips / 2 - kFaceWidthTwips / 2 + kFaceShiftTwips;
    return {ToPixels(face), ToPixels(face + kMineCounterShiftTwips),
            ToPixels(face + kElapsedTimeShiftTwips)};
}

inline bool HeaderFits(const HeaderPlaces& places, int clientWidth) {
    const int counterWidth = ToPixels(kCounterWidthTwips);
    return places.mineCounter >= 0 && places.elapsedTime + counterWidth <= clientWidth;
}

// On a board too narrow for the centred places, the counters keep their spacing from the
// face and the board's margin at each side; the client area is just wide enough for that.
inline constexpr double kNarrowFaceLeftTwips = kBoardLeftTwips - kMineCounterShiftTwips;
inline constexpr int kNarrowClientWidth = static_cast<int>(
    (kNarrowFaceLeftTwips + kElapsedTimeShiftTwips + kCounterWidthTwips + kBoardLeftTwips) /
    kTwipsPerPixel);

inline HeaderPlaces NarrowHeader() {
    return {ToPixels(kNarrowFaceLeftTwips), ToPixels(kNarrowFaceLeftTwips + kMineCounterShiftTwips),
            ToPixels(kNarrowFaceLeftTwips + kElapsedTimeShiftTwips)};
}

}  // namespace kestravon::layout
