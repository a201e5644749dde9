// The board-change dialog's rules applied to the three texts the player typed.
#include "engine/board_entry.h"

#include "engine/levels.h"
#include "engine/number_format.h"

namespace kestravon {

namespace {

double DensityDivisor(double area) {
    for (const DensityBand& band : kDensityBands) {
        if (area < band.areaBelow) {
            return band.divisor;
        }
    }
    return kDensityBands[std::size(kDensityBands) - 1].divisor;
}

bool FitsSide(std::int16_t side) {
    return side >= 1 && side <= kMaxBoardSide;
}

}  // namespace

std::variant<BoardEntry, std::string> CheckBoardEntry(std::string_view height,
                                                      std::string_view width,
                                                      std::string_view mines) {
    const double h = ReadLeadingNumber(height);
    const double w = ReadLeadingNumber(width);
    const double m = ReadLeadingNumber(mines);

    const double area = w * h;
    if (area >= kBoardAreaLimit) {
        return std::string("盤面の範囲が大きすぎます(3000未満)");
    }
    if (area < kSmallestBoardArea) {
        return std::string("盤面の範囲が小さすぎます(81以上)");
    }
    const double divisor = DensityDivisor(area);
    if (m * divisor > area) {
        return "爆弾の数が多すぎです(" + FormatGeneral(area / divisor) + "以下)";
    }

    // The tests above let through entries the board cannot hold. Infinity times zero
    // gives a NaN area, which every comparison above passes.
    const auto roundedHeight = RoundToInt16(h);
    const auto roundedWidth = RoundToInt16(w);
    const auto roundedMines = RoundToInt16(m);
    if (!roundedHeight || !roundedWidth || !roundedMines) {
        return std::string("数値が大きすぎます");
    }
    // One row of 2999 columns, or -9 x -9.
    if (!FitsSide(*roundedHeight) || !FitsSide(*roundedWidth)) {
        return std::string("高さと幅は1以上101以下にしてください");
    }
    if (*roundedMines < 0) {
        return std::string("地雷の数は0以上にしてください");
    }
    // Rounding cannot leave the mines filling the board: a side s that rounds to 1 or
    // more rounds to at least s / 1.5, so the rounded area is at least area / 2.25 (36 or
    // more), well above the area / 4 + 0.5 that the mines can round to.
    return BoardEntry{*roundedHeight, *roundedWidth, *roundedMines};
}

}  // namespace kestravon
