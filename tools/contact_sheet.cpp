// Writes every picture at 1x and 8x (nearest neighbour) to one PNG, for reviewing the
// pictures by eye after editing their XPM files:
//
//   QT_QPA_PLATFORM=offscreen contact_sheet /tmp/sheet.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QTextStream>
#include <vector>

#include "engine/tile.h"
#include "ui/images/pictures.h"

namespace {

using kestravon::Face;
using kestravon::Pictures;
using kestravon::Tile;

struct Entry {
    QString label;
    QPixmap pixmap;
};

constexpr int kZoom = 8;
constexpr int kCellWidth = 230;
constexpr int kCellHeight = 250;
constexpr int kColumns = 5;
constexpr int kMargin = 10;
const QColor kBackground(0x3C, 0x46, 0x50);  // none of the pictures' colours
const QColor kText(0xF0, 0xF0, 0xF0);

std::vector<Entry> Entries(const Pictures& pictures) {
    std::vector<Entry> entries = {
        {"NoneImage", pictures.tile(Tile::None)},
        {"PushImage", pictures.tile(Tile::Push)},
    };
    for (int n = 1; n <= 8; ++n) {
        entries.push_back(
            {QStringLiteral("NumImage%1").arg(n), pictures.tile(kestravon::NumberTile(n))});
    }
    entries.push_back({"FlagImage", pictures.tile(Tile::Flag)});
    entries.push_back({"UnderstandImage", pictures.tile(Tile::Understand)});
    entries.push_back({"BombImage", pictures.tile(Tile::Bomb)});
    entries.push_back({"Bomb1Image", pictures.tile(Tile::Bomb1)});
    entries.push_back({"StartImage", pictures.face(Face::Start)});
    entries.push_back({"ClearImage", pictures.face(Face::Clear)});
    entries.push_back({QStringLiteral("失敗Image"), pictures.face(Face::Fail)});
    entries.push_back({"AppIcon", pictures.windowIcon().pixmap(15, 15)});
    return entries;
}

// A few rows of cells on the board's 15-pixel pitch, so neighbouring tiles can be judged
// together (each tile clipped to its cell).
QImage BoardSample(const Pictures& pictures) {
    const Tile rows[3][8] = {
        {Tile::None, Tile::None, Tile::Flag, Tile::Understand, Tile::None, Tile::Num1, Tile::Push,
         Tile::Push},
        {Tile::Num1, Tile::Num2, Tile::Num3, Tile::Num4, Tile::Num5, Tile::Num6, Tile::Num7,
         Tile::Num8},
        {Tile::Push, Tile::Bomb, Tile::Bomb1, Tile::Flag, Tile::Bomb, Tile::Num2, Tile::None,
         Tile::None},
    };
    QImage board(8 * 15, 3 * 15, QImage::Format_RGB32);
    board.fill(Qt::black);
    QPainter painter(&board);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 8; ++c) {
            painter.save();
            painter.setClipRect(c * 15, r * 15, 15, 15);
            painter.drawPixmap(c * 15, r * 15, pictures.tile(rows[r][c]));
            painter.restore();
        }
    }
    return board;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: contact_sheet OUTPUT.png\n";
        return 2;
    }
    const Pictures pictures;
    const std::vector<Entry> entries = Entries(pictures);
    const QImage board = BoardSample(pictures);

    const int rows = (static_cast<int>(entries.size()) + kColumns - 1) / kColumns;
    const int boardTop = kMargin + rows * kCellHeight;
    QImage sheet(kMargin * 2 + kColumns * kCellWidth, boardTop + 20 + board.height() * 4 + kMargin,
                 QImage::Format_RGB32);
    sheet.fill(kBackground);

    QPainter painter(&sheet);
    painter.setPen(kText);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [label, pixmap] = entries[i];
        const int x = kMargin + static_cast<int>(i % kColumns) * kCellWidth;
        const int y = kMargin + static_cast<int>(i / kColumns) * kCellHeight;
        painter.drawText(
            x, y + 12,
            QStringLiteral("%1  %2x%3").arg(label).arg(pixmap.width()).arg(pixmap.height()));
        painter.drawPixmap(x, y + 20, pixmap);
        const QImage big = pixmap.toImage().scaled(pixmap.size() * kZoom, Qt::IgnoreAspectRatio,
                                                   Qt::FastTransformation);
        painter.drawImage(x, y + 20 + pixmap.height() + 6, big);
    }
    painter.drawText(kMargin, boardTop + 12, QStringLiteral("board sample, 1x and 4x"));
    painter.drawImage(kMargin, boardTop + 20, board);
    painter.drawImage(
        kMargin + board.width() + 20, boardTop + 20,
        board.scaled(board.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    painter.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        QTextStream(stderr) << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
