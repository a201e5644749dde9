// Writes the window icon as a square PNG of a given size: the 15 x 15 picture
// scaled by the largest whole factor that fits, nearest neighbour, centred on a
// transparent square. Usage: make_icon SIZE OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "ui/images/pictures.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: make_icon SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    const int size = QByteArray(argv[1]).toInt();
    const kestravon::Pictures pictures;
    const QImage icon = pictures.windowIcon().pixmap(15, 15).toImage();
    const int factor = size / icon.width();
    if (factor < 1) {
        std::fputs("make_icon: the size is smaller than the icon\n", stderr);
        return 2;
    }
    const QImage scaled =
        icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage square(size, size, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    painter.end();
    return square.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
