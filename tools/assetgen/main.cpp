// Generates the program's pictures, board metafile and sounds.
// Usage: assetgen ASSETS_DIR   (run with QT_QPA_PLATFORM=offscreen)

#include "assetgen.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

namespace assetgen {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

namespace {
bool saveImage(const QImage& image, const QString& path, const char* format, int quality) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        std::fprintf(stderr, "assetgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}
}  // namespace

bool saveJpeg(const QImage& image, const QString& path) {
    return saveImage(image.convertToFormat(QImage::Format_RGB32), path, "jpg", 92);
}

bool savePng(const QImage& image, const QString& path) {
    return saveImage(image, path, "png", -1);
}

void drawQuill(QPainter& p, const QPointF& nib, const QPointF& top, qreal width,
               const QuillColors& c) {
    const QLineF axis(nib, top);
    const qreal len = axis.length();
    if (len <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(nib);
    // Local frame: the nib at the origin, the feather growing up the negative y axis.
    p.rotate(90 - axis.angle());
    const qreal w = width;
    const auto at = [&](qreal x, qreal t) { return QPointF(x * w, -t * len); };

    // Vane: a long leaf, wider on the left, with a gentle curl to the right at the tip.
    QPainterPath vane;
    vane.moveTo(at(0, 0.22));
    vane.cubicTo(at(-0.55, 0.35), at(-0.62, 0.72), at(0.10, 1.0));
    vane.cubicTo(at(0.42, 0.80), at(0.40, 0.40), at(0, 0.22));
    // Two small nicks in the edges make it look like a real feather.
    QPainterPath nick1;
    nick1.moveTo(at(-0.60, 0.50));
    nick1.lineTo(at(-0.22, 0.56));
    nick1.lineTo(at(-0.60, 0.58));
    nick1.closeSubpath();
    QPainterPath nick2;
    nick2.moveTo(at(0.45, 0.66));
    nick2.lineTo(at(0.14, 0.70));
    nick2.lineTo(at(0.45, 0.74));
    nick2.closeSubpath();
    vane = vane.subtracted(nick1).subtracted(nick2);

    QLinearGradient g(at(-0.6, 0.5), at(0.45, 0.6));
    g.setColorAt(0, c.vaneLight);
    g.setColorAt(1, c.vaneDark);
    p.setPen(QPen(c.vaneDark.darker(135), qMax<qreal>(0.8, w * 0.05)));
    p.setBrush(g);
    p.drawPath(vane);

    // Barbs: fine lines sweeping up and out from the shaft.
    p.save();
    p.setClipPath(vane);
    QPen barb(c.barbs, qMax<qreal>(0.6, w * 0.035));
    barb.setCapStyle(Qt::RoundCap);
    p.setPen(barb);
    for (int i = 0; i < 16; ++i) {
        const qreal t = 0.26 + i * 0.047;
        p.drawLine(at(0.02, t), at(-0.7, t + 0.16));
        p.drawLine(at(0.02, t), at(0.55, t + 0.13));
    }
    p.restore();

    // Shaft, from the nib to near the tip.
    QPainterPath shaft;
    shaft.moveTo(at(0, 0.08));
    shaft.cubicTo(at(0.0, 0.4), at(0.04, 0.7), at(0.10, 0.97));
    QPen shaftPen(c.shaft, qMax<qreal>(1.0, w * 0.09));
    shaftPen.setCapStyle(Qt::RoundCap);
    p.setPen(shaftPen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);

    // Nib: a pointed metal tip with a slit.
    QPainterPath tip;
    tip.moveTo(at(0, 0));
    tip.lineTo(at(-0.16, 0.10));
    tip.quadTo(at(-0.15, 0.15), at(-0.11, 0.17));
    tip.lineTo(at(0.11, 0.17));
    tip.quadTo(at(0.15, 0.15), at(0.16, 0.10));
    tip.closeSubpath();
    p.setPen(QPen(c.nib.darker(160), qMax<qreal>(0.6, w * 0.03)));
    p.setBrush(c.nib);
    p.drawPath(tip);
    p.setPen(QPen(c.nib.darker(220), qMax<qreal>(0.5, w * 0.025)));
    p.drawLine(at(0, 0.02), at(0, 0.11));
    p.restore();
}

}  // namespace assetgen

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR\n", argv[0]);
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(assets.absolutePath())) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    ok = assetgen::writeButtons(assets) && ok;
    ok = assetgen::writeMarks(assets) && ok;
    ok = assetgen::writeBoard(assets) && ok;
    ok = assetgen::writePictures(assets) && ok;
    ok = assetgen::writeSounds(assets) && ok;
    if (ok)
        std::printf("assetgen: wrote assets to %s\n", qPrintable(assets.absolutePath()));
    return ok ? 0 : 1;
}
