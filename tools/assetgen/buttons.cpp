// Picture-button faces and the tick and cross marks.

#include "assetgen.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace assetgen {

namespace {

struct ButtonStyle {
    const char* file;
    const char* label;
    QColor face;  // the middle of the face; the gradient runs lighter to darker
};

QImage buttonFace(const ButtonStyle& style) {
    const QSize size(119, 33);
    QImage img(size, QImage::Format_RGB32);
    img.fill(screenBlue());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF outer(0.5, 0.5, size.width() - 1, size.height() - 1);
    const qreal radius = 8;

    // Dark rim.
    p.setPen(QPen(style.face.darker(210), 1));
    QLinearGradient body(0, 0, 0, size.height());
    body.setColorAt(0.0, style.face.lighter(150));
    body.setColorAt(0.45, style.face.lighter(108));
    body.setColorAt(0.55, style.face);
    body.setColorAt(1.0, style.face.darker(135));
    p.setBrush(body);
    p.drawRoundedRect(outer, radius, radius);

    // Bevel: a light edge at the top and left, a shade at the bottom and right.
    const QRectF bevel = outer.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath bevelPath;
    bevelPath.addRoundedRect(bevel, radius - 1.5, radius - 1.5);
    QLinearGradient edge(bevel.topLeft(), bevel.bottomRight());
    edge.setColorAt(0.0, QColor(255, 255, 255, 200));
    edge.setColorAt(0.5, QColor(255, 255, 255, 40));
    edge.setColorAt(0.51, QColor(0, 0, 0, 30));
    edge.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(edge), 1.6));
    p.drawPath(bevelPath);

    // Soft gloss over the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(4, 3, size.width() - 8, size.height() * 0.42), 6, 6);
    QLinearGradient shine(0, 3, 0, 3 + size.height() * 0.42);
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(gloss);

    // Label: bold white letters with a dark outline-like shadow.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(18);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    const QString label = QString::fromLatin1(style.label);
    while (QFontMetricsF(font).horizontalAdvance(label) > size.width() - 18 && font.pixelSize() > 10)
        font.setPixelSize(font.pixelSize() - 1);
    QPainterPath text;
    const QFontMetricsF fm(font);
    const qreal x = (size.width() - fm.horizontalAdvance(label)) / 2;
    const qreal y = (size.height() + fm.capHeight()) / 2;
    text.addText(QPointF(x, y), font, label);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style.face.darker(260), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text.translated(0.6, 0.9));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(text);
    p.end();
    return img;
}

}  // namespace

bool writeButtons(const QDir& assets) {
    const ButtonStyle styles[] = {
        {"exit.jpg", "EXIT", QColor(214, 58, 52)},
        {"next.jpg", "NEXT", QColor(46, 164, 72)},
        {"answer.jpg", "ANSWER", QColor(236, 138, 22)},
        {"check.jpg", "CHECK", QColor(128, 78, 196)},
    };
    bool ok = true;
    for (const ButtonStyle& style : styles)
        ok = saveJpeg(buttonFace(style), assets.filePath(QStringLiteral("Images/") + QLatin1String(style.file))) && ok;
    return ok;
}

namespace {

const QColor kMarkGrey(64, 64, 64);

// Strokes a path twice: a darker rim, then the colour, then a light streak.
void boldStroke(QPainter& p, const QPainterPath& path, const QColor& color, qreal width) {
    QPen rim(color.darker(170), width + 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, rim);
    QPen body(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, body);
    QPen streak(color.lighter(145), width * 0.28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path.translated(-width * 0.12, -width * 0.16), streak);
}

}  // namespace

bool writeMarks(const QDir& assets) {
    QImage tick(49, 47, QImage::Format_RGB32);
    tick.fill(kMarkGrey);
    {
        QPainter p(&tick);
        p.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath path;
        path.moveTo(6, 25);
        path.lineTo(18, 37);
        path.cubicTo(24, 26, 32, 16, 43, 8);
        boldStroke(p, path, QColor(70, 205, 70), 7.5);
    }
    QImage cross(49, 49, QImage::Format_RGB32);
    cross.fill(kMarkGrey);
    {
        QPainter p(&cross);
        p.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath a;
        a.moveTo(7, 7);
        a.lineTo(42, 42);
        QPainterPath b;
        b.moveTo(42, 7);
        b.lineTo(7, 42);
        const QColor red(236, 56, 48);
        // Rims first so that neither stroke's rim cuts across the other.
        QPen rim(red.darker(170), 10.5, Qt::SolidLine, Qt::RoundCap);
        p.strokePath(a, rim);
        p.strokePath(b, rim);
        QPen body(red, 8, Qt::SolidLine, Qt::RoundCap);
        p.strokePath(a, body);
        p.strokePath(b, body);
        QPen streak(red.lighter(150), 2.2, Qt::SolidLine, Qt::RoundCap);
        p.strokePath(a.translated(-1.3, 1.3), streak);
        p.strokePath(b.translated(-1.3, -1.3), streak);
    }
    bool ok = saveJpeg(tick, assets.filePath(QStringLiteral("Images/tick.jpg")));
    ok = saveJpeg(cross, assets.filePath(QStringLiteral("Images/cross.jpg"))) && ok;
    return ok;
}

}  // namespace assetgen
