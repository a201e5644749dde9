#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// The geometry of the main window, designed in twips (15 to the pixel). Every
// twips-to-pixel conversion goes through ToPixels, so painting, hit tests and
// the window's layout round the same way.
namespace kestravon::layout {

inline constexpr double kTwipsPerPixel = 15.0;

// Whole pixels from twips, rounding down: a half pixel goes to the left and up.
inline int ToPixels(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel));
}

// Cell pitch: cells are 15 x 15 pixels whatever tile they show.
inline constexpr double kCellTwips = 225.0;
inline constexpr int kCellPixels = 15;

// Top-left corner of cell (0, 0) in the client area (below the menu bar).
inline constexpr double kBoardLeftTwips = kCellTwips / 2;
inline constexpr double kBoardTopTwips = 840.0;

// The window's outer size beyond (rows + 1) and (columns + 1) cells.
inline constexpr double kExtraHeightTwips = 1400.0;
inline constexpr double kExtraWidthTwips = 100.0;

// The outer size less the client area: a nominal frame, caption and menu bar.
inline constexpr int kFrameWidthPixels = 8;
inline constexpr int kFrameHeightPixels = 46;

inline constexpr double kFaceTopTwips = 180.0;
inline constexpr double kFaceShiftTwips = -50.0;  // from centred in the outer width
inline constexpr double kCounterTopTwips = 175.0;
inline constexpr double kMineCounterShiftTwips = -850.0;  // from the face button's left
inline constexpr double kElapsedTimeShiftTwips = 500.0;   // from the face button's left

// Designed places before the first board setup.
inline constexpr QRect kDesignedMineCounter{40, 16, 49, 23};
inline constexpr QRect kDesignedElapsedTime{128, 16, 49, 23};
inline constexpr QRect kDesignedFaceButton{96, 16, 25, 23};
inline constexpr QSize kDesignedClientSize{220, 194};

inline QPoint BoardOrigin() {
    return {ToPixels(kBoardLeftTwips), ToPixels(kBoardTopTwips)};
}

// The outer window size, in twips, for a board.
inline double OuterHeightTwips(int rows) {
    return (rows + 1) * kCellTwips + kExtraHeightTwips;
}
inline double OuterWidthTwips(int columns) {
    return (columns + 1) * kCellTwips + kExtraWidthTwips;
}

// Face button left edge, in twips, for an outer width and a face button width.
inline double FaceLeftTwips(double outerWidthTwips, double faceWidthTwips) {
    return outerWidthTwips / 2 - faceWidthTwips / 2 + kFaceShiftTwips;
}

}  // namespace kestravon::layout
