// The pictures are hand-edited XPM files; these tests pin the facts of their design (sizes,
// palette, bevels, glyph placement, faces) and the identity rules the engine relies on.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <algorithm>
#include <array>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "engine/tile.h"
#include "ui/images/pictures.h"

using kestravon::Face;
using kestravon::Pictures;
using kestravon::Tile;

namespace {

using Point = std::pair<int, int>;  // (x, y)
using Points = std::set<Point>;

// Every colour a picture may use, with the letter the tests write it as.
const std::map<QRgb, char> kPalette = {
    {0xC6C3C6, '.'}, {0xFFFFFF, 'w'}, {0x848284, 'd'}, {0x808080, 'm'}, {0x000000, '#'},
    {0xFF0000, 'r'}, {0xFFFF00, 'y'}, {0x848200, 'o'}, {0x0000FF, 'b'}, {0x008200, 'g'},
    {0x000084, 'n'}, {0x840000, 'M'}, {0x008284, 't'},
};

// The picture as rows of palette letters; '?' marks a colour outside the palette.
QStringList Letters(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const auto it = kPalette.find(image.pixel(x, y) & 0xFFFFFF);
            row += it == kPalette.end() ? '?' : it->second;
        }
        rows << row;
    }
    return rows;
}

Points PointsOf(const QStringList& rows, QString letters) {
    Points points;
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            if (letters.contains(rows[y][x])) {
                points.insert({x, y});
            }
        }
    }
    return points;
}

QRect Bounds(const Points& points) {
    QRect bounds;
    for (const auto& [x, y] : points) {
        bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

Points Inside(const Points& points, const QRect& area) {
    Points inside;
    for (const auto& [x, y] : points) {
        if (area.contains(x, y)) {
            inside.insert({x, y});
        }
    }
    return inside;
}

// The points of the inclusive rectangles (x0, y0, x1, y1).
Points Rects(std::initializer_list<std::array<int, 4>> rects) {
    Points points;
    for (const auto& [x0, y0, x1, y1] : rects) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                points.insert({x, y});
            }
        }
    }
    return points;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { pictures_ = std::make_unique<Pictures>(); }
    void sizesAndColours_data();
    void sizesAndColours();
    void closedAndFlaggedTiles();
    void questionMarkTile();
    void openedTilesAndDigits();
    void mineTiles();
    void faceBevelAndDisc_data();
    void faceBevelAndDisc();
    void faceFeatures();
    void icon();
    void picturesComeFromTheirOwnFiles();

  private:
    QStringList tile(Tile t) const { return Letters(pictures_->tile(t)); }
    QStringList face(Face f) const { return Letters(pictures_->face(f)); }
    std::unique_ptr<Pictures> pictures_;
};

void TestPictures::sizesAndColours_data() {
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("colours");  // exactly the palette letters it uses, sorted

    const Pictures& p = *pictures_;
    const auto add = [](const QString& name, const QPixmap& pixmap, QSize size, const char* c) {
        QTest::newRow(qPrintable(name)) << pixmap << size << QString(c);
    };
    add("NoneImage", p.tile(Tile::None), {15, 15}, ".dw");
    add("PushImage", p.tile(Tile::Push), {15, 15}, ".m");
    const char* digitColours[] = {".bm", ".gm", ".mr", ".mn", ".Mm", ".mt", "#.m", ".dm"};
    for (int n = 1; n <= 8; ++n) {
        add(QStringLiteral("NumImage%1").arg(n), p.tile(kestravon::NumberTile(n)), {15, 15},
            digitColours[n - 1]);
    }
    add("FlagImage", p.tile(Tile::Flag), {15, 15}, "#.drw");
    add("UnderstandImage", p.tile(Tile::Understand), {16, 16}, "#.dw");
    add("BombImage", p.tile(Tile::Bomb), {15, 14}, "#.w");
    add("Bomb1Image", p.tile(Tile::Bomb1), {15, 15}, "#rw");
    add("StartImage", p.face(Face::Start), {25, 23}, "#.dwy");
    add("ClearImage", p.face(Face::Clear), {24, 24}, "#.dowy");
    add("FailImage", p.face(Face::Fail), {24, 23}, "#.dwy");
    add("AppIcon", p.windowIcon().pixmap(15, 15), {15, 15}, "#ry");
}

void TestPictures::sizesAndColours() {
    QFETCH(QPixmap, picture);
    QFETCH(QSize, size);
    QFETCH(QString, colours);

    QCOMPARE(picture.size(), size);
    QVERIFY(!picture.hasAlphaChannel());
    QString used = Letters(picture).join("");
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    QCOMPARE(used, colours);
}

void TestPictures::closedAndFlaggedTiles() {
    for (Tile t : {Tile::None, Tile::Flag}) {
        const QStringList rows = tile(t);
        QCOMPARE(rows[0], QString("wwwwwwwwwwwwwww"));
        QCOMPARE(rows[1], QString("wwwwwwwwwwwwww."));
        for (int y = 2; y <= 13; ++y) {
            QCOMPARE(rows[y].left(2) + rows[y].right(1), QString("wwd"));
        }
        QCOMPARE(rows[14], QString("w.ddddddddddddd"));
    }
    QCOMPARE(PointsOf(tile(Tile::None), "."),
             Rects({{2, 2, 13, 13}, {14, 1, 14, 1}, {1, 14, 1, 14}}));

    const QStringList flag = tile(Tile::Flag);
    QCOMPARE(PointsOf(flag, "r"),
             Rects({{7, 3, 8, 3}, {5, 4, 8, 4}, {4, 5, 8, 5}, {5, 6, 8, 6}, {7, 7, 8, 7}}));
    QCOMPARE(PointsOf(flag, "#"), Rects({{8, 8, 8, 9}, {6, 10, 9, 10}, {4, 11, 11, 12}}));
}

void TestPictures::questionMarkTile() {
    const QStringList rows = tile(Tile::Understand);
    QCOMPARE(rows[0], QString("wwwwwwwwwwwwwww."));
    QCOMPARE(rows[1], QString("wwwwwwwwwwwwww.d"));
    for (int y = 2; y <= 13; ++y) {
        QCOMPARE(rows[y].left(2) + rows[y].right(2), QString("wwdd"));
    }
    QCOMPARE(rows[14], QString("w.dddddddddddddd"));
    QCOMPARE(rows[15], QString(".ddddddddddddddd"));

    const Points mark = PointsOf(rows, "#");
    QCOMPARE(Bounds(mark), QRect(QPoint(5, 3), QPoint(10, 12)));
    // The dot stands apart from the curve: an empty row, then a 2 x 2 square.
    QCOMPARE(Inside(mark, QRect(0, 10, 16, 6)), Rects({{7, 11, 8, 12}}));
}

void TestPictures::openedTilesAndDigits() {
    const QStringList push = tile(Tile::Push);
    const Points frame = PointsOf(push, "m");
    QCOMPARE(frame.size(), std::size_t{56});
    QCOMPARE(Bounds(PointsOf(push, ".")), QRect(1, 1, 13, 13));  // a 1-pixel frame all round

    const char ink[] = "bgrnMt#d";
    std::set<Points> glyphs;
    for (int n = 1; n <= 8; ++n) {
        const QStringList rows = tile(kestravon::NumberTile(n));
        QCOMPARE(PointsOf(rows, "m"), frame);
        // Ten rows high from row 2, within columns 2 to 11; the 1 within columns 4 to 10.
        const Points glyph = PointsOf(rows, QString(ink[n - 1]));
        const QRect bounds = Bounds(glyph);
        const QRect allowed = n == 1 ? QRect(4, 2, 7, 10) : QRect(2, 2, 10, 10);
        QVERIFY2(allowed.contains(bounds) && bounds.height() == 10,
                 qPrintable(QStringLiteral("digit %1").arg(n)));
        glyphs.insert(glyph);
    }
    QCOMPARE(glyphs.size(), std::size_t{8});  // no digit is a recoloured copy of another
}

void TestPictures::mineTiles() {
    // Black spans (x0, x1) of each mine row.
    const std::vector<std::vector<std::pair<int, int>>> mine = {
        {},        {{7, 7}},  {{7, 7}},  {{3, 3}, {5, 9}, {11, 11}},
        {{4, 10}}, {{3, 11}}, {{3, 11}}, {{1, 13}},
        {{3, 11}}, {{3, 11}}, {{4, 10}}, {{3, 3}, {5, 9}, {11, 11}},
        {{7, 7}},  {{7, 7}},
    };
    const QStringList bomb = tile(Tile::Bomb);
    const QStringList bomb1 = tile(Tile::Bomb1);
    for (int y = 0; y < 14; ++y) {
        QString expected(15, '.');
        for (const auto& [x0, x1] : mine[y]) {
            expected.replace(x0, x1 - x0 + 1, QString(x1 - x0 + 1, '#'));
        }
        if (y == 5 || y == 6) {
            expected.replace(5, 2, "ww");  // the glint
        }
        QCOMPARE(bomb[y], expected);
        QCOMPARE(bomb1[y], expected.replace('.', 'r'));
    }
    QCOMPARE(bomb1[14], QString(15, 'r'));
}

void TestPictures::faceBevelAndDisc_data() {
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<int>("darkLeft");  // dark grey columns left of the highlight
    QTest::addColumn<int>("rightShadow");
    QTest::addColumn<int>("bottomShadow");
    QTest::addColumn<QRect>("disc");

    const QRect centred(4, 4, 17, 17);
    QTest::newRow("StartImage") << pictures_->face(Face::Start) << 0 << 3 << 1 << centred;
    QTest::newRow("ClearImage") << pictures_->face(Face::Clear) << 0 << 2 << 2 << centred;
    QTest::newRow("FailImage") << pictures_->face(Face::Fail) << 1 << 1 << 1
                               << centred.translated(1, 0);
}

void TestPictures::faceBevelAndDisc() {
    QFETCH(QPixmap, picture);
    QFETCH(int, darkLeft);
    QFETCH(int, rightShadow);
    QFETCH(int, bottomShadow);
    QFETCH(QRect, disc);
    const QStringList rows = Letters(picture);

    // Across the middle row and down the middle column: highlight, face, shadow.
    const QString midRow = rows[picture.height() / 2];
    QString midColumn;
    for (const QString& row : rows) {
        midColumn += row[picture.width() / 2];
    }
    QCOMPARE(midRow.left(darkLeft + 3), QString(darkLeft, 'd') + "ww.");
    QCOMPARE(midRow.right(rightShadow + 1), "." + QString(rightShadow, 'd'));
    QCOMPARE(midColumn.left(3), QString("ww."));
    QCOMPARE(midColumn.right(bottomShadow + 1), "." + QString(bottomShadow, 'd'));

    // The disc is whatever is yellow, black or olive: symmetric across both axes and the
    // diagonal (as round as pixels allow) and outlined in black.
    const Points discPoints = PointsOf(rows, "y#o");
    QCOMPARE(Bounds(discPoints), disc);
    const QPoint c = disc.center();
    for (const auto& [x, y] : discPoints) {
        const QString where = QStringLiteral("(%1,%2)").arg(x).arg(y);
        QVERIFY2(discPoints.count({2 * c.x() - x, y}) && discPoints.count({x, 2 * c.y() - y}) &&
                     discPoints.count({c.x() + y - c.y(), c.y() + x - c.x()}),
                 qPrintable("asymmetric at " + where));
        const bool rim = !discPoints.count({x + 1, y}) || !discPoints.count({x - 1, y}) ||
                         !discPoints.count({x, y + 1}) || !discPoints.count({x, y - 1});
        QVERIFY2(!rim || rows[y][x] == '#', qPrintable("outline broken at " + where));
    }
}

void TestPictures::faceFeatures() {
    // Black pixels inside the disc that are not its outline: eyes, glasses and mouths.
    const auto features = [](const QStringList& rows) {
        Points inner;
        for (const auto& [x, y] : PointsOf(rows, "#")) {
            if (rows[y].indexOf('#') < x && x < rows[y].lastIndexOf('#') && rows[y - 1][x] != '.' &&
                rows[y + 1][x] != '.') {
                inner.insert({x, y});
            }
        }
        return inner;
    };
    const auto join = [](Points a, const Points& b) {
        a.insert(b.begin(), b.end());
        return a;
    };

    const Points eyes = Rects({{9, 9, 10, 10}, {14, 9, 15, 10}});
    const Points smile = Rects(
        {{8, 14, 8, 14}, {9, 15, 9, 15}, {10, 16, 14, 16}, {15, 15, 15, 15}, {16, 14, 16, 14}});
    QCOMPARE(features(face(Face::Start)), join(eyes, smile));

    const auto cross = [](int x, int y) {
        return Points{{x - 1, y - 1}, {x + 1, y - 1}, {x, y}, {x - 1, y + 1}, {x + 1, y + 1}};
    };
    const Points frown = Rects(
        {{11, 14, 15, 14}, {10, 15, 10, 15}, {16, 15, 16, 15}, {9, 16, 9, 16}, {17, 16, 17, 16}});
    QCOMPARE(features(face(Face::Fail)), join(join(cross(10, 9), cross(16, 9)), frown));

    // Sunglasses: a bar over two lenses parted by a yellow bridge, an olive glint low on each.
    const QStringList clear = face(Face::Clear);
    const Points black = PointsOf(clear, "#");
    const Points glasses = Rects({{8, 9, 16, 9}, {7, 10, 11, 11}, {13, 10, 17, 11}});
    QVERIFY(std::includes(black.begin(), black.end(), glasses.begin(), glasses.end()));
    QCOMPARE(clear[10][12], QChar('y'));
    QCOMPARE(clear[11][12], QChar('y'));
    QCOMPARE(PointsOf(clear, "o"), (Points{{8, 12}, {16, 12}}));
    QCOMPARE(Inside(features(clear), QRect(0, 13, 24, 8)),
             Rects({{9, 15, 9, 15}, {15, 15, 15, 15}, {10, 16, 14, 16}}));
}

void TestPictures::icon() {
    const QIcon icon = pictures_->windowIcon();
    // The design at 100 % and as whole blocks up to 400 %, for the window system to pick.
    QCOMPARE(icon.availableSizes(),
             (QList<QSize>{QSize(15, 15), QSize(30, 30), QSize(45, 45), QSize(60, 60)}));
    const QStringList rows = Letters(icon.pixmap(15, 15));

    const Points black = PointsOf(rows, "#");
    QCOMPARE(Bounds(black), QRect(QPoint(2, 3), QPoint(10, 13)));
    const Points neck = Rects({{8, 3, 9, 4}});
    QVERIFY(std::includes(black.begin(), black.end(), neck.begin(), neck.end()));
    // A round body: one run per row centred on x = 6, 9 wide only on rows 8 to 10.
    for (int y = 5; y <= 13; ++y) {
        const int left = int(rows[y].indexOf('#'));
        const int right = int(rows[y].lastIndexOf('#'));
        QCOMPARE(rows[y].mid(left, right - left + 1), QString(right - left + 1, '#'));
        QCOMPARE(left + right, 12);
        QCOMPARE(right - left + 1 == 9, y >= 8 && y <= 10);
    }
    QCOMPARE(Bounds(PointsOf(rows, "r")), QRect(QPoint(10, 1), QPoint(12, 5)));
}

void TestPictures::picturesComeFromTheirOwnFiles() {
    // Each enumerator gets the picture of its own file, and no two pictures are alike.
    const char* tileFiles[] = {"NoneImage", "FlagImage", "UnderstandImage", "PushImage",
                               "NumImage1", "NumImage2", "NumImage3",       "NumImage4",
                               "NumImage5", "NumImage6", "NumImage7",       "NumImage8",
                               "BombImage", "Bomb1Image"};
    const char* faceFiles[] = {"StartImage", "ClearImage", "失敗Image"};
    const auto file = [](const char* name) {
        return QImage(QStringLiteral(":/images/%1.xpm").arg(QString::fromUtf8(name)))
            .convertToFormat(QImage::Format_RGB32);
    };
    const auto rgb = [](const QPixmap& pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    };
    QList<QImage> seen;
    for (int t = 0; t < kestravon::kTileCount; ++t) {
        const QImage picture = rgb(pictures_->tile(static_cast<Tile>(t)));
        QCOMPARE(picture, file(tileFiles[t]));
        QVERIFY2(!seen.contains(picture), tileFiles[t]);
        seen << picture;
    }
    for (int f = 0; f < kestravon::kFaceCount; ++f) {
        const QImage picture = rgb(pictures_->face(static_cast<Face>(f)));
        QCOMPARE(picture, file(faceFiles[f]));
        QVERIFY2(!seen.contains(picture), faceFiles[f]);
        seen << picture;
    }
    QCOMPARE(rgb(pictures_->windowIcon().pixmap(15, 15)), file("AppIcon"));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
