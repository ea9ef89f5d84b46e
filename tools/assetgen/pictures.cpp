// The title picture, the two screen backgrounds, the logo and the window icon.

#include "assetgen.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <vector>

namespace assetgen {

namespace {

QFont sansBold(qreal pixels) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(int(pixels));
    return f;
}

QFont serif(qreal pixels, bool bold, bool italic) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setBold(bold);
    f.setItalic(italic);
    f.setPixelSize(int(pixels));
    return f;
}

// Box blur on a premultiplied ARGB image, run three times for a near-Gaussian look.
void blur(QImage& img, int radius) {
    if (radius <= 0)
        return;
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width(), h = img.height();
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? h : w;
        const int len = horizontal ? w : h;
        std::vector<QRgb> src(static_cast<size_t>(len)), dst(static_cast<size_t>(len));
        for (int line = 0; line < lines; ++line) {
            for (int i = 0; i < len; ++i)
                src[size_t(i)] = horizontal ? reinterpret_cast<const QRgb*>(img.constScanLine(line))[i]
                                            : reinterpret_cast<const QRgb*>(img.constScanLine(i))[line];
            int sum[4] = {0, 0, 0, 0};
            const int span = 2 * radius + 1;
            auto add = [&](int i, int sign) {
                const QRgb c = src[size_t(std::clamp(i, 0, len - 1))];
                sum[0] += sign * qAlpha(c);
                sum[1] += sign * qRed(c);
                sum[2] += sign * qGreen(c);
                sum[3] += sign * qBlue(c);
            };
            for (int i = -radius; i <= radius; ++i)
                add(i, 1);
            for (int i = 0; i < len; ++i) {
                dst[size_t(i)] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
                add(i + radius + 1, 1);
                add(i - radius, -1);
            }
            for (int i = 0; i < len; ++i) {
                if (horizontal)
                    reinterpret_cast<QRgb*>(img.scanLine(line))[i] = dst[size_t(i)];
                else
                    reinterpret_cast<QRgb*>(img.scanLine(i))[line] = dst[size_t(i)];
            }
        }
    };
    for (int k = 0; k < 3; ++k) {
        pass(true);
        pass(false);
    }
}

struct Mark {
    QString glyph;
    QPointF at;    // baseline start of the glyph
    qreal size;    // pixel size
    qreal angle;   // degrees, clockwise
    int alpha;     // white, 0..255
};

// Large, softly blurred white punctuation marks on a transparent layer.
QImage markLayer(QSize size, const std::vector<Mark>& marks, int blurRadius) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (const Mark& m : marks) {
        QPainterPath path;
        path.addText(QPointF(0, 0), serif(m.size, true, false), m.glyph);
        p.save();
        p.translate(m.at);
        p.rotate(m.angle);
        p.setBrush(QColor(255, 255, 255, m.alpha));
        p.drawPath(path);
        p.restore();
    }
    p.end();
    blur(layer, blurRadius);
    return layer;
}

void vignette(QPainter& p, QSize size, int alpha) {
    QRadialGradient g(QPointF(size.width() / 2.0, size.height() / 2.0), size.width() * 0.7);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 20, 60, alpha));
    p.fillRect(QRect(QPoint(0, 0), size), g);
}

// ---------------------------------------------------------------- backgrounds

QImage startBackground() {
    const QSize size(800, 600);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, QColor(56, 145, 223));
    base.setColorAt(1, QColor(43, 125, 205));
    p.fillRect(img.rect(), base);

    // Faint exercise-book lines with a margin.
    p.setPen(QPen(QColor(255, 255, 255, 20), 1.2));
    for (int y = 44; y < size.height(); y += 36)
        p.drawLine(QPointF(0, y + 0.5), QPointF(size.width(), y + 0.5));
    p.setPen(QPen(QColor(255, 150, 170, 40), 2));
    p.drawLine(QPointF(62, 0), QPointF(62, size.height()));
    p.drawLine(QPointF(67, 0), QPointF(67, size.height()));

    // Big soft punctuation, mostly near the edges and corners.
    const std::vector<Mark> marks = {
        {QStringLiteral(","), QPointF(40, 420), 420, -8, 26},
        {QStringLiteral("?"), QPointF(560, 560), 380, 10, 24},
        {QStringLiteral("!"), QPointF(720, 300), 300, 8, 22},
        {QStringLiteral("."), QPointF(330, 600), 360, 0, 24},
        {QStringLiteral("\u201C"), QPointF(250, 330), 300, -6, 18},
        {QStringLiteral(";"), QPointF(150, 150), 220, 12, 18},
        {QStringLiteral("\u2019"), QPointF(470, 250), 260, -10, 16},
    };
    p.drawImage(0, 0, markLayer(size, marks, 3));

    // A sprinkle of small full stops and commas, like confetti.
    const QPointF dots[] = {{120, 40}, {300, 90}, {690, 60}, {760, 180}, {40, 300}, {420, 470},
                            {600, 400}, {250, 540}, {770, 520}, {520, 120}, {90, 560}, {380, 220}};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(std::size(dots)); ++i) {
        p.setBrush(QColor(255, 255, 255, 30 + 4 * (i % 3)));
        const qreal r = 5 + (i % 4) * 1.5;
        p.drawEllipse(dots[i], r, r);
    }
    vignette(p, size, 60);
    p.end();
    return img;
}

QImage menuBackground() {
    const QSize size(800, 600);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient base(QPointF(400, 80), 760);
    base.setColorAt(0, QColor(62, 150, 228));
    base.setColorAt(1, QColor(40, 120, 202));
    p.fillRect(img.rect(), base);

    // Faint handwriting guides: a top line, a dashed middle line and a base line.
    for (int top = 70; top < size.height(); top += 90) {
        p.setPen(QPen(QColor(255, 255, 255, 20), 1.2));
        p.drawLine(QPointF(0, top + 0.5), QPointF(size.width(), top + 0.5));
        p.drawLine(QPointF(0, top + 56.5), QPointF(size.width(), top + 56.5));
        QPen dashed(QColor(255, 255, 255, 16), 1.2, Qt::DashLine);
        dashed.setDashPattern({6, 6});
        p.setPen(dashed);
        p.drawLine(QPointF(0, top + 28.5), QPointF(size.width(), top + 28.5));
    }

    // Soft marks, kept to the left and bottom so the menu columns stay calm.
    const std::vector<Mark> marks = {
        {QStringLiteral("("), QPointF(-20, 380), 420, 0, 22},
        {QStringLiteral(")"), QPointF(690, 600), 300, 0, 18},
        {QStringLiteral(":"), QPointF(70, 590), 260, 0, 22},
        {QStringLiteral("\u2018"), QPointF(120, 200), 300, 10, 18},
        {QStringLiteral("-"), QPointF(460, 610), 260, -5, 16},
        {QStringLiteral(";"), QPointF(600, 250), 200, -12, 14},
        {QStringLiteral("\u201D"), QPointF(250, 560), 200, 6, 16},
    };
    p.drawImage(0, 0, markLayer(size, marks, 3));

    // Little soft stars of light.
    const QPointF sparks[] = {{60, 60}, {240, 120}, {740, 90}, {690, 420}, {330, 470}, {40, 470}, {560, 40}};
    for (int i = 0; i < int(std::size(sparks)); ++i) {
        QRadialGradient g(sparks[i], 16 + 4 * (i % 3));
        g.setColorAt(0, QColor(255, 255, 220, 46));
        g.setColorAt(1, QColor(255, 255, 220, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(sparks[i], 16 + 4 * (i % 3), 16 + 4 * (i % 3));
    }
    vignette(p, size, 70);
    p.end();
    return img;
}

// ---------------------------------------------------------------- title picture

void sunburst(QPainter& p, const QRectF& area, const QPointF& centre, int rays, const QColor& a,
              const QColor& b) {
    p.fillRect(area, a);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    const qreal reach = 1000;
    for (int i = 0; i < rays; ++i) {
        const qreal a0 = qDegreesToRadians(360.0 * i / rays);
        const qreal a1 = qDegreesToRadians(360.0 * (i + 0.5) / rays);
        QPolygonF ray;
        ray << centre << centre + QPointF(std::cos(a0), std::sin(a0)) * reach
            << centre + QPointF(std::cos(a1), std::sin(a1)) * reach;
        p.drawPolygon(ray);
    }
}

QImage titlePicture() {
    const QSize size(320, 240);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    sunburst(p, img.rect(), QPointF(250, 190), 22, QColor(255, 206, 64), QColor(255, 222, 110));
    QRadialGradient glow(QPointF(250, 190), 220);
    glow.setColorAt(0, QColor(255, 255, 230, 120));
    glow.setColorAt(1, QColor(255, 255, 230, 0));
    p.fillRect(img.rect(), glow);

    // The name across the top, each letter its own colour.
    {
        const QString name = QStringLiteral("Quillmark");
        const QColor colours[] = {QColor(230, 50, 60), QColor(245, 130, 20), QColor(40, 170, 70),
                                  QColor(30, 130, 220), QColor(140, 70, 200), QColor(230, 50, 140),
                                  QColor(245, 130, 20), QColor(40, 170, 70), QColor(30, 130, 220)};
        QFont font = sansBold(46);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
        const QFontMetricsF fm(font);
        qreal x = (size.width() - fm.horizontalAdvance(name)) / 2;
        const qreal baseline = 50;
        for (int i = 0; i < name.size(); ++i) {
            QPainterPath letter;
            letter.addText(QPointF(x, baseline), font, name.mid(i, 1));
            const qreal lift = (i % 2) ? -2 : 1;  // a little bounce along the word
            letter.translate(0, lift);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(40, 30, 90), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(letter.translated(1.5, 2));
            p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(letter);
            p.setPen(Qt::NoPen);
            p.setBrush(colours[i % int(std::size(colours))]);
            p.drawPath(letter);
            x += fm.horizontalAdvance(name.mid(i, 1));
        }
    }

    // A sheet of lined paper, slightly turned.
    const QRectF paper(14, 78, 244, 142);
    QPointF fullStop;
    p.save();
    p.translate(paper.center());
    p.rotate(-3);
    p.translate(-paper.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 0, 60));
    p.drawRoundedRect(paper.translated(4, 5), 4, 4);
    p.setBrush(QColor(255, 253, 242));
    p.setPen(QPen(QColor(200, 190, 160), 1));
    p.drawRoundedRect(paper, 4, 4);
    p.setPen(QPen(QColor(150, 200, 240), 1.2));
    for (qreal y = paper.top() + 44; y < paper.bottom() - 8; y += 40)
        p.drawLine(QPointF(paper.left() + 6, y), QPointF(paper.right() - 6, y));
    p.setPen(QPen(QColor(240, 120, 130), 1.4));
    p.drawLine(QPointF(paper.left() + 26, paper.top() + 4), QPointF(paper.left() + 26, paper.bottom() - 4));
    // Binder holes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    for (qreal y : {paper.top() + 24, paper.top() + 70, paper.top() + 116})
        p.drawEllipse(QPointF(paper.left() + 12, y), 4, 4);

    // The sentence, with its punctuation picked out in red.
    const QFont words = serif(27, false, true);
    const QFont marks = serif(31, true, false);
    const QColor ink(28, 44, 120), red(226, 36, 48);
    struct Piece { QString text; bool mark; };
    const std::vector<std::vector<Piece>> lines = {
        {{QStringLiteral("Yes"), false}, {QStringLiteral(","), true}, {QStringLiteral(" Sam"), false},
         {QStringLiteral(","), true}, {QStringLiteral(" we"), false}},
        {{QStringLiteral("can write a story"), false}, {QStringLiteral("."), true}},
    };
    qreal baseline = paper.top() + 41;
    for (const auto& line : lines) {
        qreal x = paper.left() + 36;
        for (const Piece& piece : line) {
            const QFont& f = piece.mark ? marks : words;
            QPainterPath path;
            path.addText(QPointF(x, baseline - 1), f, piece.text);
            p.setPen(Qt::NoPen);
            p.setBrush(piece.mark ? red : ink);
            p.drawPath(path);
            if (piece.text == QStringLiteral("."))
                fullStop = p.transform().map(QPointF(x + QFontMetricsF(f).horizontalAdvance(piece.text) / 2,
                                                     baseline - 4));
            x += QFontMetricsF(f).horizontalAdvance(piece.text);
        }
        baseline += 40;
    }

    // A row of bright punctuation badges on the last line.
    {
        const QString badges[] = {QStringLiteral(","), QStringLiteral("."), QStringLiteral("?"),
                                  QStringLiteral("!"), QStringLiteral("\u2019")};
        const QColor colours[] = {QColor(240, 80, 90), QColor(250, 160, 30), QColor(60, 180, 90),
                                  QColor(50, 140, 230), QColor(160, 90, 210)};
        const QFont badgeFont = serif(22, true, false);
        const QFontMetricsF bm(badgeFont);
        qreal cx = paper.left() + 52;
        const qreal cy = paper.top() + 110;
        for (int i = 0; i < 5; ++i, cx += 30) {
            p.setPen(QPen(colours[i].darker(140), 1.2));
            p.setBrush(colours[i]);
            p.drawEllipse(QPointF(cx, cy), 12, 12);
            QPainterPath mark;
            // Centred across, but on a common baseline so that each mark sits where
            // it would in writing: the comma low, the apostrophe high.
            const QRectF r = bm.tightBoundingRect(badges[i]);
            mark.addText(QPointF(cx - r.center().x(), cy + 7.5), badgeFont, badges[i]);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(mark);
        }
    }
    p.restore();

    // Sparkles around the full stop just written.
    auto sparkle = [&](QPointF c, qreal r, const QColor& colour) {
        QPainterPath star;
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(45.0 * i - 90);
            const qreal rr = (i % 2) ? r * 0.35 : r;
            const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
            if (i == 0)
                star.moveTo(q);
            else
                star.lineTo(q);
        }
        star.closeSubpath();
        p.setPen(QPen(colour.darker(150), 0.8));
        p.setBrush(colour);
        p.drawPath(star);
    };
    sparkle(fullStop + QPointF(-14, -26), 7, QColor(255, 90, 160));
    sparkle(fullStop + QPointF(14, 14), 5, QColor(60, 190, 255));
    sparkle(fullStop + QPointF(-26, 10), 4, QColor(120, 220, 80));

    // The quill, its nib on the full stop.
    drawQuill(p, fullStop + QPointF(1, -1), QPointF(305, 50), 44,
              {QColor(120, 210, 255), QColor(60, 90, 220), QColor(255, 255, 255, 110),
               QColor(250, 250, 240), QColor(255, 200, 60)});
    p.end();
    return img;
}

// ---------------------------------------------------------------- logo and icon

void inkPot(QPainter& p, const QRectF& body) {
    const QRectF neck(body.center().x() - body.width() * 0.22, body.top() - body.height() * 0.22,
                      body.width() * 0.44, body.height() * 0.26);
    QLinearGradient glass(body.topLeft(), body.topRight());
    glass.setColorAt(0, QColor(70, 100, 200));
    glass.setColorAt(0.4, QColor(40, 60, 150));
    glass.setColorAt(1, QColor(20, 30, 90));
    p.setPen(QPen(QColor(15, 20, 60), 1.2));
    p.setBrush(glass);
    p.drawRoundedRect(neck, 2, 2);
    p.drawRoundedRect(body, body.width() * 0.22, body.height() * 0.25);
    // A label and a shine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200));
    p.drawRoundedRect(QRectF(body.left() + body.width() * 0.2, body.center().y() - body.height() * 0.12,
                             body.width() * 0.6, body.height() * 0.3), 2, 2);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(QRectF(body.left() + body.width() * 0.1, body.top() + body.height() * 0.12,
                             body.width() * 0.08, body.height() * 0.6), 2, 2);
}

// The average colour of part of an image.
QColor averageColour(const QImage& image, const QRect& area) {
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : screenBlue();
}

// `behind` is the colour the logo's rounded corners should blend into.
QImage logo(const QColor& behind) {
    const QSize size(100, 139);
    QImage img(size, QImage::Format_RGB32);
    img.fill(behind);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const QRectF card(0.5, 0.5, 99, 138);
    QLinearGradient paper(0, card.top(), 0, card.bottom());
    paper.setColorAt(0, QColor(255, 252, 236));
    paper.setColorAt(1, QColor(255, 234, 180));
    p.setPen(QPen(QColor(120, 70, 10), 1));
    p.setBrush(QColor(245, 180, 40));
    p.drawRoundedRect(card, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(card.adjusted(4, 4, -4, -4), 6, 6);

    drawQuill(p, QPointF(46, 78), QPointF(80, 10), 31,
              {QColor(255, 140, 120), QColor(215, 40, 60), QColor(255, 255, 255, 110),
               QColor(250, 245, 235), QColor(200, 200, 210)});
    inkPot(p, QRectF(28, 70, 36, 26));

    // The name, with a flourish ending in a full stop.
    QFont font = sansBold(18);
    const QString name = QStringLiteral("Quillmark");
    while (QFontMetricsF(font).horizontalAdvance(name) > 84 && font.pixelSize() > 10)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF fm(font);
    const qreal x = (size.width() - fm.horizontalAdvance(name)) / 2;
    p.setPen(QColor(28, 44, 120));
    p.setFont(font);
    p.drawText(QPointF(x, 117), name);
    QPainterPath swash;
    swash.moveTo(16, 124);
    swash.cubicTo(35, 129, 55, 119, 78, 124);
    p.setPen(QPen(QColor(215, 40, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(swash);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 40, 60));
    p.drawEllipse(QPointF(84, 124), 2.6, 2.6);
    p.end();
    return img;
}

// The program's icon at any size: drawn on a 64-unit square and scaled, so that every
// size is drawn afresh rather than blown up from a small bitmap.
QImage icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    QRadialGradient disc(QPointF(26, 22), 40);
    disc.setColorAt(0, QColor(255, 230, 110));
    disc.setColorAt(1, QColor(250, 150, 30));
    p.setPen(QPen(QColor(190, 100, 20), 1.5));
    p.setBrush(disc);
    p.drawEllipse(QPointF(32, 32), 30, 30);
    // An ink line with a full stop where the nib has been.
    p.setPen(QPen(QColor(28, 44, 120), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 52), QPointF(18, 52));
    drawQuill(p, QPointF(19, 53), QPointF(54, 7), 24,
              {QColor(120, 200, 255), QColor(50, 70, 200), QColor(255, 255, 255, 120),
               QColor(250, 250, 240), QColor(205, 205, 220)});
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

// An icon file of several sizes, each stored as PNG (as Windows reads them since Vista).
bool saveIco(const QList<QImage>& images, const QString& path) {
    QByteArray out;
    const auto put16 = [&out](int v) { out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto put32 = [&](quint32 v) { put16(int(v & 0xFFFF)); put16(int(v >> 16)); };
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) return false;
        pngs << png;
    }
    put16(0);
    put16(1);  // an icon
    put16(int(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.append(char(size >= 256 ? 0 : size)).append(char(size >= 256 ? 0 : size));
        out.append(char(0)).append(char(0));  // no palette
        put16(1);                               // planes
        put16(32);                              // bits per pixel
        put32(quint32(pngs[i].size()));
        put32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs) out.append(png);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

}  // namespace

bool writePictures(const QDir& assets) {
    const QImage start = startBackground();
    bool ok = saveJpeg(titlePicture(), assets.filePath(QStringLiteral("opening2/startl00.jpg")));
    ok = saveJpeg(start, assets.filePath(QStringLiteral("Images/literacy2.jpg"))) && ok;
    ok = saveJpeg(menuBackground(), assets.filePath(QStringLiteral("Images/literacy22.jpg"))) && ok;
    // The logo stands in the start screen's lower right.
    const QColor corner = averageColour(start, QRect(660, 420, 140, 180));
    ok = saveJpeg(logo(corner), assets.filePath(QStringLiteral("Images/logo2.jpg"))) && ok;
    ok = savePng(icon(64), assets.filePath(QStringLiteral("icon/quillmark.png"))) && ok;
    // The sizes a desktop's menus, panels and launchers ask for.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        ok = savePng(icon(size), assets.filePath(QStringLiteral("icon/hicolor/%1x%1/quillmark.png").arg(size))) && ok;
    // Windows: the icon of quillmark.exe, its shortcuts and its uninstall entry.
    ok = saveIco({icon(16), icon(24), icon(32), icon(48), icon(64), icon(256)},
                 assets.filePath(QStringLiteral("icon/quillmark.ico"))) && ok;
    return ok;
}

}  // namespace assetgen
