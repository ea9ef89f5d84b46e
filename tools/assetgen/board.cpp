// The exercise screen's little board: a wooden easel holding a slate, with chalk
// on its ledge and an apple at its foot. The tick and cross pictures (49 x 49 px)
// are shown on the slate at (36, 6) px from the board's top-left, on the same grey
// as the slate, so they look chalked onto it.

#include "assetgen.h"
#include "wmfwriter.h"

#include <cmath>

namespace assetgen {

namespace {

constexpr int kTwipsPerPixel = 15;

int u(double px) { return int(px * kTwipsPerPixel + (px >= 0 ? 0.5 : -0.5)); }
QPoint pt(double x, double y) { return QPoint(u(x), u(y)); }
QRect boxExclusive(double l, double t, double r, double b) {
    // WmfWriter takes right = left + width, so build from the corner coordinates.
    return QRect(u(l), u(t), u(r) - u(l), u(b) - u(t));
}

// Draws with a fresh pen and brush and deletes them again.
class Paint {
public:
    Paint(WmfWriter& w, const QColor& fill, const QColor& line, double linePx = 1)
        : w_(w) {
        brush_ = fill.isValid() ? w.createBrush(WmfWriter::BrushSolid, fill)
                                : w.createBrush(WmfWriter::BrushNull, Qt::black);
        pen_ = line.isValid() ? w.createPen(WmfWriter::PenSolid, u(linePx), line)
                              : w.createPen(WmfWriter::PenNull, 0, Qt::black);
        w.selectObject(brush_);
        w.selectObject(pen_);
    }
    ~Paint() {
        w_.selectObject(stockPen_);
        w_.selectObject(stockBrush_);
        w_.deleteObject(pen_);
        w_.deleteObject(brush_);
    }
    static void setStock(int pen, int brush) { stockPen_ = pen; stockBrush_ = brush; }

private:
    WmfWriter& w_;
    int brush_ = -1, pen_ = -1;
    static inline int stockPen_ = 0, stockBrush_ = 0;
};

// An apple: a round body with a dimple at the stalk and a slight one underneath.
QVector<QPoint> appleOutline(const QPointF& centre, double rx, double ry) {
    QVector<QPoint> points;
    constexpr int steps = 40;
    for (int i = 0; i < steps; ++i) {
        const double t = 2 * M_PI * i / steps;
        const double x = std::sin(t), y = -std::cos(t);
        const double dimple = std::exp(-x * x / 0.08);
        const double dy = y < 0 ? 0.28 * dimple * -y : -0.08 * dimple * y;
        points.append(pt(centre.x() + rx * x * (1 + 0.05 * y), centre.y() + ry * (y + dy)));
    }
    return points;
}

}  // namespace

QByteArray boardMetafile() {
    WmfWriter w(QRect(0, 0, 1605, 1455), 1440);
    w.setWindowOrg(0, 0);
    w.setWindowExt(1605, 1455);
    w.setBkMode(false);
    w.setPolyFillMode(true);

    // Objects kept selected between drawings so that the temporary ones can be deleted.
    const int restPen = w.createPen(WmfWriter::PenNull, 0, Qt::black);
    const int restBrush = w.createBrush(WmfWriter::BrushNull, Qt::black);
    Paint::setStock(restPen, restBrush);

    const QColor woodLight(222, 160, 92), wood(196, 130, 66), woodDark(150, 92, 42),
        woodEdge(104, 60, 26), slate(64, 64, 64);

    // The screen's blue behind everything.
    { Paint p(w, screenBlue(), QColor()); w.rectangle(boxExclusive(0, 0, 107, 97)); }

    // Back leg of the easel, in shade.
    {
        Paint p(w, woodDark.darker(115), woodEdge);
        w.polygon({pt(58.5, 50), pt(63.5, 50), pt(65, 93), pt(57, 93)});
    }
    // Cross bar, then the two front legs in one go.
    {
        Paint p(w, woodDark, woodEdge);
        w.rectangle(boxExclusive(29, 79, 92, 83));
    }
    {
        Paint p(w, wood, woodEdge);
        w.polyPolygon({{pt(34, 56), pt(40, 56), pt(27.5, 96), pt(21, 96)},
                       {pt(81, 56), pt(87, 56), pt(100, 96), pt(93.5, 96)}});
    }
    // A light edge down each front leg.
    {
        Paint p(w, QColor(), woodLight, 1);
        w.moveTo(u(35.5), u(57));
        w.lineTo(u(23.5), u(95));
        w.moveTo(u(82.5), u(57));
        w.lineTo(u(95.5), u(95));
    }

    // The slate's wooden frame: a light outer bevel and a darker inner step.
    { Paint p(w, wood, woodEdge); w.roundRect(boxExclusive(25.5, 0.5, 95.5, 68), u(6), u(6)); }
    { Paint p(w, woodLight, QColor()); w.roundRect(boxExclusive(27, 1.5, 94, 4), u(3), u(3)); }
    { Paint p(w, woodDark, QColor()); w.rectangle(boxExclusive(29, 4, 92, 64)); }
    // The slate itself; the top and left edges are in shadow.
    { Paint p(w, slate, QColor()); w.rectangle(boxExclusive(30, 5, 91, 63)); }
    {
        Paint p(w, QColor(), QColor(44, 44, 44), 1);
        w.polyline({pt(30.5, 62.5), pt(30.5, 5.5), pt(90.5, 5.5)});
    }
    // Brass pins at the frame's corners.
    for (const QPointF c : {QPointF(27.5, 2.5), QPointF(93.5, 2.5), QPointF(27.5, 65.5), QPointF(93.5, 65.5)}) {
        Paint p(w, QColor(250, 214, 90), QColor(150, 110, 30), 0.6);
        w.ellipse(boxExclusive(c.x() - 1.3, c.y() - 1.3, c.x() + 1.3, c.y() + 1.3));
    }

    // A line of chalk writing under the mark's place.
    w.saveDc();
    const int font = w.createFont(-u(7), 700, false, QStringLiteral("Liberation Sans"));
    w.selectObject(font);
    w.setTextColor(QColor(226, 226, 218));
    w.setTextAlign(24);  // left, baseline
    w.textOut(u(33), u(61.5), "a b c");
    w.restoreDc();
    w.deleteObject(font);
    {
        Paint p(w, QColor(), QColor(190, 190, 184), 0.8);
        w.polyline({pt(62, 59.5), pt(66, 58.5), pt(70, 59.5), pt(74, 58.5), pt(78, 59.5), pt(82, 58.5), pt(86, 59.5)});
    }

    // The chalk ledge, with a white and a yellow stick and a felt duster.
    { Paint p(w, wood, woodEdge); w.roundRect(boxExclusive(22, 66, 99, 71.5), u(2), u(2)); }
    { Paint p(w, woodLight, QColor()); w.rectangle(boxExclusive(23, 66.8, 98, 67.8)); }
    { Paint p(w, QColor(250, 250, 245), QColor(170, 170, 160), 0.6); w.roundRect(boxExclusive(36, 63.5, 47, 66.5), u(1.5), u(1.5)); }
    { Paint p(w, QColor(255, 226, 80), QColor(180, 150, 30), 0.6); w.roundRect(boxExclusive(50, 63.5, 58, 66.5), u(1.5), u(1.5)); }
    { Paint p(w, QColor(70, 80, 120), QColor(40, 44, 70), 0.6); w.rectangle(boxExclusive(68, 63.5, 84, 66.5)); }
    { Paint p(w, QColor(232, 186, 120), woodEdge, 0.6); w.roundRect(boxExclusive(69, 60.5, 83, 63.8), u(2), u(2)); }

    // A shiny red apple at the easel's foot.
    {
        Paint p(w, QColor(218, 40, 38), QColor(130, 16, 20), 0.8);
        w.polygon(appleOutline(QPointF(10.5, 87.5), 8.5, 8.5));
    }
    { Paint p(w, QColor(255, 140, 130), QColor()); w.ellipse(boxExclusive(5, 82.5, 8, 87.5)); }
    {
        Paint p(w, QColor(), QColor(96, 58, 24), 1.2);
        w.moveTo(u(10.5), u(81));
        w.lineTo(u(11.5), u(76));
    }
    {
        Paint p(w, QColor(80, 176, 60), QColor(40, 110, 30), 0.6);
        w.polygon({pt(11.8, 77.8), pt(13.5, 75.6), pt(16, 74.6), pt(18.8, 74.8), pt(17.2, 77), pt(14.8, 78)});
    }

    w.deleteObject(restPen);
    w.deleteObject(restBrush);
    return w.finish();
}

bool writeBoard(const QDir& assets) {
    return writeFile(assets.filePath(QStringLiteral("Images/BOARD.WMF")), boardMetafile());
}

}  // namespace assetgen
