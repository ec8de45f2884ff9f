// Draws the program icon at the sizes of the desktop's icon theme:
//   zantor-icons <theme folder> <size>[@<scale>]...
// writes <theme folder>/<size>x<size>[@<scale>]/apps/zantor.png for each
// size; a scaled entry, for high-density screens, holds size x scale pixels.
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    // A rounded tile in the green of the speed graph.
    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(40, 170, 60));
    tile.setColorAt(1, QColor(0, 90, 20));
    painter.setPen(QPen(QColor(0, 60, 10), 2));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(3, 3, 58, 58), 12, 12);

    // A downward arrow in the orange of the download curve.
    QPainterPath arrow;
    arrow.moveTo(25, 10);
    arrow.lineTo(39, 10);
    arrow.lineTo(39, 30);
    arrow.lineTo(50, 30);
    arrow.lineTo(32, 49);
    arrow.lineTo(14, 30);
    arrow.lineTo(25, 30);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 149, 43));
    painter.drawPath(arrow);

    // The ground the file lands on.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(13, 52, 38, 5), 2.5, 2.5);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: zantor-icons <theme folder> <size>...\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QByteArray entry(argv[i]);
        const int size = entry.split('@').value(0).toInt();
        const int scale = entry.contains('@') ? entry.split('@').value(1).toInt() : 1;
        if (size <= 0 || scale <= 0)
            return 2;
        // "16" gives the folder "16x16", "16@2" gives "16x16@2".
        const QString folder = QStringLiteral("%1/%2x%3/apps").arg(root).arg(size).arg(QString::fromLatin1(entry));
        if (!QDir().mkpath(folder) || !drawIcon(size * scale).save(folder + QStringLiteral("/zantor.png"))) {
            std::fprintf(stderr, "zantor-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
