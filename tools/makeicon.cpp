// Draws the program's icon, the picture its desktop menu entry shows: the
// first character of its name in white on the blue of its splash picture.
//
//   makeicon <png file>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicon <png file>\n");
        return 2;
    }
    // Nothing is shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const int size = 256;
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, size - 16, size - 16), 44, 44);
    QLinearGradient bg(0, 0, 0, size);
    bg.setColorAt(0, QColor(24, 72, 150));
    bg.setColorAt(1, QColor(10, 30, 70));
    p.fillPath(tile, bg);
    // The gold rule of a ledger under the character.
    p.fillRect(QRectF(64, 196, size - 128, 10), QColor(232, 184, 72));
    QFont face(QStringLiteral("Noto Sans CJK SC"));
    face.setPixelSize(150);
    face.setBold(true);
    p.setFont(face);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 14, size, 180), Qt::AlignCenter, QStringLiteral("恒"));
    p.end();
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "makeicon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
