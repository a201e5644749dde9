// Writes the window icon as a square PNG of a given size: the 15 x 15 picture
// scaled by the largest whole factor that fits, nearest neighbour, centred on a
// transparent square. Given several sizes and a .ico name, writes one Windows icon
// file holding each size as a PNG image.
// Usage: make_icon SIZE OUTPUT.png | make_icon SIZE... OUTPUT.ico
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "ui/images/pictures.h"

namespace {

QImage Square(const QImage& icon, int size) {
    const int factor = size / icon.width();
    const QImage scaled =
        icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage square(size, size, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    painter.end();
    return square;
}

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// An icon directory of PNG images: a 6-byte header, a 16-byte entry per image, then the
// images. Width and height 0 stand for 256.
QByteArray IconFile(const std::vector<QImage>& images) {
    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        pngs.push_back(Png(image));
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16{0} << quint16{1} << static_cast<quint16>(images.size());
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<quint8>(images[i].width() % 256);
        out << side << side << quint8{0} << quint8{0} << quint16{1} << quint16{32}
            << static_cast<quint32>(pngs[i].size()) << offset;
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    }
    return file;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString output = argc >= 3 ? QString::fromLocal8Bit(argv[argc - 1]) : QString();
    const bool iconFile = output.endsWith(QStringLiteral(".ico"));
    if (argc < 3 || (argc > 3 && !iconFile)) {
        std::fputs("usage: make_icon SIZE OUTPUT.png | make_icon SIZE... OUTPUT.ico\n", stderr);
        return 2;
    }
    const kestravon::Pictures pictures;
    const QImage icon = pictures.windowIcon().pixmap(15, 15).toImage();
    std::vector<QImage> squares;
    for (int i = 1; i < argc - 1; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size < icon.width()) {
            std::fputs("make_icon: the size is smaller than the icon\n", stderr);
            return 2;
        }
        if (iconFile && size > 256) {
            std::fputs("make_icon: an icon file holds sizes up to 256\n", stderr);
            return 2;
        }
        squares.push_back(Square(icon, size));
    }
    if (!iconFile) {
        return squares.front().save(output) ? 0 : 1;
    }
    QFile file(output);
    return file.open(QIODevice::WriteOnly) && file.write(IconFile(squares)) >= 0 ? 0 : 1;
}
