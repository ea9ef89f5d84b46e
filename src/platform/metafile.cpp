#include "platform/metafile.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <array>
#include <variant>

namespace qm {

namespace {

// Limits that keep a damaged or hostile file from costing much.
constexpr qsizetype kMaxFileBytes = 4 * 1024 * 1024;  // the shipped pictures are a few kilobytes
constexpr int kMaxObjectSlots = 4096;
constexpr int kMaxRecords = 200000;
constexpr int kMaxSaveDepth = 256;

constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kMetaHeaderBytes = 18;

// Record function numbers.
enum Function : quint16 {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKMODE = 0x0102,
    META_SETPOLYFILLMODE = 0x0106,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_OFFSETWINDOWORG = 0x020F,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_EXTTEXTOUT = 0x0A32,
};

// Text alignment flags.
constexpr int TA_UPDATECP = 0x0001;
constexpr int TA_RIGHT = 0x0002;
constexpr int TA_CENTER = 0x0006;
constexpr int TA_HMASK = 0x0006;
constexpr int TA_BOTTOM = 0x0008;
constexpr int TA_BASELINE = 0x0018;
constexpr int TA_VMASK = 0x0018;

// ExtTextOut options.
constexpr int ETO_OPAQUE = 0x0002;
constexpr int ETO_CLIPPED = 0x0004;

struct PenDef {
    int style = 0;  // low nibble: line style; 0x0F00 end cap; 0xF000 join
    int width = 0;  // logical units; 0 means one device pixel
    QRgb color = qRgb(0, 0, 0);
};

struct BrushDef {
    int style = 0;  // 0 solid, 1 none, 2 hatched
    QRgb color = qRgb(255, 255, 255);
    int hatch = 0;
};

struct FontDef {
    int height = 0;
    int width = 0;
    int escapement = 0;  // tenths of a degree, anticlockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int pitchAndFamily = 0;
    QString face;
};

// A slot of the object table while the records are read. Objects this player
// cannot use (palettes, regions, pattern brushes) still take a slot so that the
// numbering of the later objects stays right.
struct ObjectDef {
    enum class Kind { Empty, Pen, Brush, Font, Other } kind = Kind::Empty;
    PenDef pen;
    BrushDef brush;
    FontDef font;
};

struct WindowOrg { int x, y; };
struct WindowExt { int x, y; };
struct OffsetWindowOrg { int dx, dy; };
struct ScaleWindowExt { int xNum, xDenom, yNum, yDenom; };
struct SelectPen { PenDef pen; };
struct SelectBrush { BrushDef brush; };
struct SelectFont { FontDef font; };
struct TextColor { QRgb color; };
struct BkColor { QRgb color; };
struct BkMode { bool opaque; };
struct PolyFillMode { bool winding; };
struct TextAlign { int flags; };
struct SaveDc {};
struct RestoreDc { int pops; };
struct RectShape { QRectF rect; };
struct RoundRectShape { QRectF rect; qreal cornerW, cornerH; };
struct EllipseShape { QRectF rect; };
struct ArcShape { int kind; QRectF rect; QPointF start, end; };  // kind: 0 arc, 1 pie, 2 chord
struct PolygonShape { QPolygonF points; };
struct PolylineShape { QPolygonF points; };
struct PolyPolygonShape { std::vector<QPolygonF> polygons; };
struct MoveTo { int x, y; };
struct LineTo { int x, y; };
struct SetPixel { int x, y; QRgb color; };
struct TextRun { int x, y; QString text; int options; QRectF rect; };

}  // namespace

struct Metafile::Record {
    std::variant<WindowOrg, WindowExt, OffsetWindowOrg, ScaleWindowExt, SelectPen, SelectBrush,
                 SelectFont, TextColor, BkColor, BkMode, PolyFillMode, TextAlign, SaveDc,
                 RestoreDc, RectShape, RoundRectShape, EllipseShape, ArcShape, PolygonShape,
                 PolylineShape, PolyPolygonShape, MoveTo, LineTo, SetPixel, TextRun>
        op;
};

namespace {

// Bounds-checked little-endian reading of one record's parameters.
class Params {
public:
    Params(const char* data, qint64 size) : data_(reinterpret_cast<const uchar*>(data)), size_(size) {}
    qint64 size() const { return size_; }
    bool has(qint64 offset, qint64 count) const {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    quint16 u16(qint64 offset) const {
        return quint16(data_[offset] | (quint16(data_[offset + 1]) << 8));
    }
    qint16 s16(qint64 offset) const { return qint16(u16(offset)); }
    uchar u8(qint64 offset) const { return data_[offset]; }
    QRgb color(qint64 offset) const {
        return qRgb(data_[offset], data_[offset + 1], data_[offset + 2]);
    }

private:
    const uchar* data_;
    qint64 size_;
};

quint16 readU16(const QByteArray& bytes, qint64 offset) {
    return quint16(uchar(bytes[offset]) | (quint16(uchar(bytes[offset + 1])) << 8));
}

quint32 readU32(const QByteArray& bytes, qint64 offset) {
    return quint32(readU16(bytes, offset)) | (quint32(readU16(bytes, offset + 2)) << 16);
}

// Text in the files is in the Western Windows code page.
QString decodeText(const Params& p, qint64 offset, int length) {
    static const std::array<char16_t, 32> high = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        const uchar c = p.u8(offset + i);
        if (c == 0)
            break;
        text.append(c >= 0x80 && c < 0xA0 ? QChar(high[c - 0x80]) : QChar(c));
    }
    return text;
}

QRectF rectFromLTRB(int left, int top, int right, int bottom) {
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// Reads the points of a polygon or polyline; false if they do not fit.
bool readPoints(const Params& p, qint64 offset, int count, QPolygonF& out) {
    if (count < 0 || !p.has(offset, qint64(count) * 4))
        return false;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.append(QPointF(p.s16(offset + 4 * i), p.s16(offset + 4 * i + 2)));
    return true;
}

class Reader {
public:
    Reader(int slotCount, std::vector<Metafile::Record>& out) : objects_(size_t(slotCount)), out_(out) {}

    // Decodes one record. Returns false, with a reason, if the record is damaged.
    bool decode(quint16 function, const Params& p, QString* error);

private:
    bool create(const ObjectDef& object, QString* error) {
        for (auto& slot : objects_) {
            if (slot.kind == ObjectDef::Kind::Empty) {
                slot = object;
                return true;
            }
        }
        return fail(error, QStringLiteral("more objects than the header allows"));
    }

    template <typename T>
    void push(T&& op) {
        out_.push_back(Metafile::Record{std::forward<T>(op)});
    }

    std::vector<ObjectDef> objects_;
    std::vector<Metafile::Record>& out_;
    int saveDepth_ = 0;
};

bool Reader::decode(quint16 function, const Params& p, QString* error) {
    const auto tooShort = [&] {
        return fail(error, QStringLiteral("record 0x%1 is too short").arg(function, 4, 16, QLatin1Char('0')));
    };
    const auto need = [&](qint64 bytes) { return p.has(0, bytes); };

    switch (function) {
    case META_SETWINDOWORG:
        if (!need(4)) return tooShort();
        push(WindowOrg{p.s16(2), p.s16(0)});
        return true;
    case META_SETWINDOWEXT:
        if (!need(4)) return tooShort();
        if (p.s16(0) != 0 && p.s16(2) != 0)  // an empty window maps nothing; ignore it
            push(WindowExt{p.s16(2), p.s16(0)});
        return true;
    case META_OFFSETWINDOWORG:
        if (!need(4)) return tooShort();
        push(OffsetWindowOrg{p.s16(2), p.s16(0)});
        return true;
    case META_SCALEWINDOWEXT: {
        if (!need(8)) return tooShort();
        const int yDenom = p.s16(0), yNum = p.s16(2), xDenom = p.s16(4), xNum = p.s16(6);
        if (xDenom != 0 && yDenom != 0 && xNum != 0 && yNum != 0)
            push(ScaleWindowExt{xNum, xDenom, yNum, yDenom});
        return true;
    }
    case META_SETBKMODE:
        if (!need(2)) return tooShort();
        push(BkMode{p.u16(0) == 2});
        return true;
    case META_SETBKCOLOR:
        if (!need(4)) return tooShort();
        push(BkColor{p.color(0)});
        return true;
    case META_SETTEXTCOLOR:
        if (!need(4)) return tooShort();
        push(TextColor{p.color(0)});
        return true;
    case META_SETPOLYFILLMODE:
        if (!need(2)) return tooShort();
        push(PolyFillMode{p.u16(0) == 2});
        return true;
    case META_SETTEXTALIGN:
        if (!need(2)) return tooShort();
        push(TextAlign{p.u16(0)});
        return true;
    case META_SAVEDC:
        if (saveDepth_ >= kMaxSaveDepth)
            return fail(error, QStringLiteral("too many nested saves"));
        ++saveDepth_;
        push(SaveDc{});
        return true;
    case META_RESTOREDC: {
        if (!need(2)) return tooShort();
        const int n = p.s16(0);
        int pops = 0;
        if (n < 0 && -n <= saveDepth_)
            pops = -n;
        else if (n > 0 && n <= saveDepth_)
            pops = saveDepth_ - n + 1;
        if (pops > 0) {  // a restore that names no saved state does nothing
            saveDepth_ -= pops;
            push(RestoreDc{pops});
        }
        return true;
    }

    case META_CREATEPENINDIRECT: {
        if (!need(10)) return tooShort();
        ObjectDef o;
        o.kind = ObjectDef::Kind::Pen;
        o.pen.style = p.u16(0);
        o.pen.width = std::abs(int(p.s16(2)));
        o.pen.color = p.color(6);
        return create(o, error);
    }
    case META_CREATEBRUSHINDIRECT: {
        if (!need(8)) return tooShort();
        ObjectDef o;
        o.kind = ObjectDef::Kind::Brush;
        o.brush.style = p.u16(0);
        o.brush.color = p.color(2);
        o.brush.hatch = p.u16(6);
        return create(o, error);
    }
    case META_CREATEFONTINDIRECT: {
        if (!need(18)) return tooShort();
        ObjectDef o;
        o.kind = ObjectDef::Kind::Font;
        FontDef& f = o.font;
        f.height = p.s16(0);
        f.width = std::abs(int(p.s16(2)));
        f.escapement = p.s16(4);
        f.weight = std::clamp(int(p.s16(8)), 0, 1000);
        f.italic = p.u8(10) != 0;
        f.underline = p.u8(11) != 0;
        f.strikeOut = p.u8(12) != 0;
        f.pitchAndFamily = p.u8(17);
        f.face = decodeText(p, 18, int(std::min<qint64>(32, p.size() - 18)));
        return create(o, error);
    }
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_DIBCREATEPATTERNBRUSH:
    case META_CREATEREGION: {
        ObjectDef o;
        o.kind = ObjectDef::Kind::Other;
        return create(o, error);
    }
    case META_SELECTOBJECT: {
        if (!need(2)) return tooShort();
        const int index = p.u16(0);
        if (index >= int(objects_.size()))
            return fail(error, QStringLiteral("selects object %1 of %2").arg(index).arg(objects_.size()));
        const ObjectDef& o = objects_[size_t(index)];
        switch (o.kind) {
        case ObjectDef::Kind::Pen: push(SelectPen{o.pen}); break;
        case ObjectDef::Kind::Brush: push(SelectBrush{o.brush}); break;
        case ObjectDef::Kind::Font: push(SelectFont{o.font}); break;
        default: break;  // an empty slot or an object this player does not draw with
        }
        return true;
    }
    case META_DELETEOBJECT: {
        if (!need(2)) return tooShort();
        const int index = p.u16(0);
        if (index >= int(objects_.size()))
            return fail(error, QStringLiteral("deletes object %1 of %2").arg(index).arg(objects_.size()));
        objects_[size_t(index)] = ObjectDef{};
        return true;
    }

    case META_RECTANGLE:
        if (!need(8)) return tooShort();
        push(RectShape{rectFromLTRB(p.s16(6), p.s16(4), p.s16(2), p.s16(0))});
        return true;
    case META_ELLIPSE:
        if (!need(8)) return tooShort();
        push(EllipseShape{rectFromLTRB(p.s16(6), p.s16(4), p.s16(2), p.s16(0))});
        return true;
    case META_ROUNDRECT:
        if (!need(12)) return tooShort();
        push(RoundRectShape{rectFromLTRB(p.s16(10), p.s16(8), p.s16(6), p.s16(4)),
                            qreal(std::abs(int(p.s16(2)))), qreal(std::abs(int(p.s16(0))))});
        return true;
    case META_ARC:
    case META_PIE:
    case META_CHORD: {
        if (!need(16)) return tooShort();
        const int kind = function == META_ARC ? 0 : function == META_PIE ? 1 : 2;
        push(ArcShape{kind, rectFromLTRB(p.s16(14), p.s16(12), p.s16(10), p.s16(8)),
                      QPointF(p.s16(6), p.s16(4)), QPointF(p.s16(2), p.s16(0))});
        return true;
    }
    case META_POLYGON:
    case META_POLYLINE: {
        if (!need(2)) return tooShort();
        QPolygonF points;
        if (!readPoints(p, 2, p.s16(0), points))
            return fail(error, QStringLiteral("point count does not fit its record"));
        if (function == META_POLYGON)
            push(PolygonShape{std::move(points)});
        else
            push(PolylineShape{std::move(points)});
        return true;
    }
    case META_POLYPOLYGON: {
        if (!need(2)) return tooShort();
        const int count = p.u16(0);
        if (!p.has(2, qint64(count) * 2))
            return fail(error, QStringLiteral("polygon count does not fit its record"));
        PolyPolygonShape shape;
        shape.polygons.reserve(size_t(count));
        qint64 offset = 2 + qint64(count) * 2;
        for (int i = 0; i < count; ++i) {
            QPolygonF points;
            const int n = p.u16(2 + 2 * i);
            if (!readPoints(p, offset, n, points))
                return fail(error, QStringLiteral("point count does not fit its record"));
            offset += qint64(n) * 4;
            shape.polygons.push_back(std::move(points));
        }
        push(std::move(shape));
        return true;
    }
    case META_MOVETO:
        if (!need(4)) return tooShort();
        push(MoveTo{p.s16(2), p.s16(0)});
        return true;
    case META_LINETO:
        if (!need(4)) return tooShort();
        push(LineTo{p.s16(2), p.s16(0)});
        return true;
    case META_SETPIXEL:
        if (!need(8)) return tooShort();
        push(SetPixel{p.s16(6), p.s16(4), p.color(0)});
        return true;
    case META_TEXTOUT: {
        if (!need(2)) return tooShort();
        const int length = p.s16(0);
        const qint64 padded = (qint64(length) + 1) & ~qint64(1);
        if (length < 0 || !p.has(2, padded + 4))
            return fail(error, QStringLiteral("text does not fit its record"));
        push(TextRun{p.s16(2 + padded + 2), p.s16(2 + padded), decodeText(p, 2, length), 0, QRectF()});
        return true;
    }
    case META_EXTTEXTOUT: {
        if (!need(8)) return tooShort();
        const int y = p.s16(0), x = p.s16(2), length = p.s16(4), options = p.u16(6);
        qint64 offset = 8;
        QRectF rect;
        if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
            if (!p.has(offset, 8)) return tooShort();
            rect = rectFromLTRB(p.s16(offset), p.s16(offset + 2), p.s16(offset + 4), p.s16(offset + 6));
            offset += 8;
        }
        if (length < 0 || !p.has(offset, length))
            return fail(error, QStringLiteral("text does not fit its record"));
        push(TextRun{x, y, decodeText(p, offset, length), options, rect});
        return true;
    }
    default:
        return true;  // records that do not change the picture here are skipped
    }
}

// Everything a replay tracks between records.
struct DcState {
    PenDef pen;
    BrushDef brush;
    FontDef font;
    QRgb textColor = qRgb(0, 0, 0);
    QRgb bkColor = qRgb(255, 255, 255);
    bool opaque = true;
    bool winding = false;
    int textAlign = 0;
    int orgX = 0, orgY = 0, extX = 1, extY = 1;
    QPointF position;
};

QPen makePen(const PenDef& def) {
    const int style = def.style & 0x0F;
    if (style == 5)
        return QPen(Qt::NoPen);
    QPen pen(QColor(def.color));
    pen.setWidthF(def.width);  // 0 stays a one-pixel cosmetic pen
    switch (style) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2:
    case 8: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    switch (def.style & 0x0F00) {
    case 0x0100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x0200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (def.style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    return pen;
}

QBrush makeBrush(const BrushDef& def) {
    if (def.style == 1)
        return QBrush(Qt::NoBrush);
    if (def.style == 2) {
        static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
        const Qt::BrushStyle style = def.hatch >= 0 && def.hatch < 6 ? hatches[def.hatch] : Qt::SolidPattern;
        return QBrush(QColor(def.color), style);
    }
    return QBrush(QColor(def.color));
}

// The pixel size text is laid out at before it is scaled into place.
constexpr int kLayoutPixels = 256;

// Device size beyond which a shape counts as enormous.
constexpr qreal kHugeDevice = 8192;

// Cuts a polygon down to a rectangle (Sutherland-Hodgman). Inside the rectangle the
// result fills exactly as the original did.
QPolygonF clipPolygon(const QPolygonF& polygon, const QRectF& r) {
    QPolygonF current = polygon;
    for (int edge = 0; edge < 4 && !current.isEmpty(); ++edge) {
        const auto inside = [&](const QPointF& p) {
            switch (edge) {
            case 0: return p.x() >= r.left();
            case 1: return p.x() <= r.right();
            case 2: return p.y() >= r.top();
            default: return p.y() <= r.bottom();
            }
        };
        const auto cross = [&](const QPointF& a, const QPointF& b) {
            qreal t = 0;
            switch (edge) {
            case 0: t = (r.left() - a.x()) / (b.x() - a.x()); break;
            case 1: t = (r.right() - a.x()) / (b.x() - a.x()); break;
            case 2: t = (r.top() - a.y()) / (b.y() - a.y()); break;
            default: t = (r.bottom() - a.y()) / (b.y() - a.y()); break;
            }
            return a + (b - a) * t;
        };
        QPolygonF next;
        next.reserve(current.size() + 4);
        for (qsizetype i = 0; i < current.size(); ++i) {
            const QPointF& a = current[i == 0 ? current.size() - 1 : i - 1];
            const QPointF& b = current[i];
            const bool ina = inside(a), inb = inside(b);
            if (inb) {
                if (!ina)
                    next << cross(a, b);
                next << b;
            } else if (ina) {
                next << cross(a, b);
            }
        }
        current = std::move(next);
    }
    return current;
}

// Cuts a polyline down to a rectangle (Liang-Barsky on each segment); the parts
// that stay come back as separate polylines.
std::vector<QPolygonF> clipPolyline(const QPolygonF& line, const QRectF& r) {
    std::vector<QPolygonF> pieces;
    QPolygonF piece;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF a = line[i - 1], d = line[i] - line[i - 1];
        qreal t0 = 0, t1 = 1;
        const qreal p[4] = {-d.x(), d.x(), -d.y(), d.y()};
        const qreal q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
        bool visible = true;
        for (int k = 0; k < 4 && visible; ++k) {
            if (p[k] == 0) {
                visible = q[k] >= 0;
            } else {
                const qreal t = q[k] / p[k];
                if (p[k] < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                visible = t0 <= t1;
            }
        }
        if (!visible) {
            if (piece.size() > 1)
                pieces.push_back(piece);
            piece.clear();
            continue;
        }
        const QPointF from = a + d * t0, to = a + d * t1;
        if (piece.isEmpty() || piece.last() != from) {
            if (piece.size() > 1)
                pieces.push_back(piece);
            piece.clear();
            piece << from;
        }
        piece << to;
    }
    if (piece.size() > 1)
        pieces.push_back(piece);
    return pieces;
}

class Player {
public:
    Player(QPainter& painter, const QRectF& target, const DcState& initial, int unitsPerInch)
        : painter_(painter), target_(target), base_(painter.worldTransform()), dc_(initial),
          unitsPerInch_(unitsPerInch) {
        updateTransform();
    }

    void operator()(const WindowOrg& r) { dc_.orgX = r.x; dc_.orgY = r.y; updateTransform(); }
    void operator()(const WindowExt& r) { dc_.extX = r.x; dc_.extY = r.y; updateTransform(); }
    void operator()(const OffsetWindowOrg& r) {
        dc_.orgX = std::clamp(dc_.orgX + r.dx, -65536, 65536);
        dc_.orgY = std::clamp(dc_.orgY + r.dy, -65536, 65536);
        updateTransform();
    }
    void operator()(const ScaleWindowExt& r) {
        const qint64 x = qint64(dc_.extX) * r.xNum / r.xDenom;
        const qint64 y = qint64(dc_.extY) * r.yNum / r.yDenom;
        if (x != 0 && y != 0 && std::abs(x) <= 1 << 20 && std::abs(y) <= 1 << 20) {
            dc_.extX = int(x);
            dc_.extY = int(y);
            updateTransform();
        }
    }
    void operator()(const SelectPen& r) { dc_.pen = r.pen; }
    void operator()(const SelectBrush& r) { dc_.brush = r.brush; }
    void operator()(const SelectFont& r) { dc_.font = r.font; }
    void operator()(const TextColor& r) { dc_.textColor = r.color; }
    void operator()(const BkColor& r) { dc_.bkColor = r.color; }
    void operator()(const BkMode& r) { dc_.opaque = r.opaque; }
    void operator()(const PolyFillMode& r) { dc_.winding = r.winding; }
    void operator()(const TextAlign& r) { dc_.textAlign = r.flags; }
    void operator()(const SaveDc&) { saved_.push_back(dc_); }
    void operator()(const RestoreDc& r) {
        for (int i = 0; i < r.pops && !saved_.empty(); ++i) {
            dc_ = saved_.back();
            saved_.pop_back();
        }
        updateTransform();
    }
    void operator()(const RectShape& r) {
        applyPenAndBrush();
        if (!isHuge(r.rect)) {
            painter_.drawRect(r.rect);
            return;
        }
        const QRectF& b = r.rect;
        drawOutlines({QPolygonF({b.topLeft(), b.topRight(), b.bottomRight(), b.bottomLeft()})}, true);
    }
    void operator()(const RoundRectShape& r) {
        applyPenAndBrush();
        const qreal rx = std::min(r.cornerW / 2, r.rect.width() / 2);
        const qreal ry = std::min(r.cornerH / 2, r.rect.height() / 2);
        if (!isHuge(r.rect)) {
            painter_.drawRoundedRect(r.rect, rx, ry, Qt::AbsoluteSize);
            return;
        }
        const QRectF& b = r.rect;
        QPolygonF points;
        addArcPoints(points, QRectF(b.right() - 2 * rx, b.top(), 2 * rx, 2 * ry), 0, 90, 32);
        addArcPoints(points, QRectF(b.left(), b.top(), 2 * rx, 2 * ry), 90, 90, 32);
        addArcPoints(points, QRectF(b.left(), b.bottom() - 2 * ry, 2 * rx, 2 * ry), 180, 90, 32);
        addArcPoints(points, QRectF(b.right() - 2 * rx, b.bottom() - 2 * ry, 2 * rx, 2 * ry), 270, 90, 32);
        drawOutlines({points}, true);
    }
    void operator()(const EllipseShape& r) {
        applyPenAndBrush();
        if (!isHuge(r.rect)) {
            painter_.drawEllipse(r.rect);
            return;
        }
        QPolygonF points;
        addArcPoints(points, r.rect, 0, 360, 256);
        drawOutlines({points}, true);
    }
    void operator()(const ArcShape& r) {
        if (r.rect.isEmpty())
            return;
        const QPointF c = r.rect.center();
        const qreal hw = r.rect.width() / 2, hh = r.rect.height() / 2;
        const auto angleOf = [&](const QPointF& pt) {
            return qRadiansToDegrees(std::atan2(-(pt.y() - c.y()) / hh, (pt.x() - c.x()) / hw));
        };
        const qreal start = angleOf(r.start);
        qreal sweep = angleOf(r.end) - start;
        if (sweep <= 0)
            sweep += 360;  // arcs run anticlockwise from start to end
        applyPenAndBrush();
        if (r.kind == 0)
            painter_.setBrush(Qt::NoBrush);
        if (isHuge(r.rect)) {
            QPolygonF points;
            if (r.kind == 1)
                points << c;
            addArcPoints(points, r.rect, start, sweep, 256);
            drawOutlines({points}, r.kind != 0);
            return;
        }
        QPainterPath path;
        if (r.kind == 1)
            path.moveTo(c);
        else
            path.arcMoveTo(r.rect, start);
        path.arcTo(r.rect, start, sweep);
        if (r.kind != 0)
            path.closeSubpath();
        painter_.drawPath(path);
    }
    void operator()(const PolygonShape& r) {
        applyPenAndBrush();
        drawOutlines({r.points}, true);
    }
    void operator()(const PolylineShape& r) {
        applyPenAndBrush();
        painter_.setBrush(Qt::NoBrush);
        drawOutlines({r.points}, false);
    }
    void operator()(const PolyPolygonShape& r) {
        applyPenAndBrush();
        drawOutlines(r.polygons, true);
    }
    void operator()(const MoveTo& r) { dc_.position = QPointF(r.x, r.y); }
    void operator()(const LineTo& r) {
        applyPenAndBrush();
        drawOutlines({QPolygonF({dc_.position, QPointF(r.x, r.y)})}, false);
        dc_.position = QPointF(r.x, r.y);
    }
    void operator()(const SetPixel& r) {
        painter_.fillRect(QRectF(r.x, r.y, 1, 1), QColor(r.color));
    }
    void operator()(const TextRun& r) { drawText(r); }

private:
    // Shapes are normally left to the painter. One that maps to something enormous
    // on the device (only a damaged file asks for that) would cost the rasterizer a
    // great deal, so curves become polygons with a fixed number of corners and every
    // outline is first cut down to the part near the visible area.
    bool isHuge(const QRectF& rect) const {
        const QRectF device = painter_.worldTransform().mapRect(rect);
        return device.width() > kHugeDevice || device.height() > kHugeDevice;
    }

    static void addArcPoints(QPolygonF& out, const QRectF& rect, qreal startDegrees, qreal sweepDegrees,
                             int steps) {
        const QPointF c = rect.center();
        const qreal hw = rect.width() / 2, hh = rect.height() / 2;
        for (int i = 0; i <= steps; ++i) {
            const qreal a = qDegreesToRadians(startDegrees + sweepDegrees * i / steps);
            out << QPointF(c.x() + hw * std::cos(a), c.y() - hh * std::sin(a));
        }
    }

    // The visible area in logical units, with room around it for the pen, so that
    // anything cut away there could not have shown.
    QRectF visibleLogical() const {
        const QRectF logical = window_.inverted().mapRect(target_);
        const qreal sx = std::abs(window_.m11()), sy = std::abs(window_.m22());
        const qreal pen = painter_.pen().style() == Qt::NoPen ? 0 : painter_.pen().widthF();
        const qreal mx = pen + 16 / sx, my = pen + 16 / sy;
        return logical.adjusted(-mx, -my, mx, my);
    }

    // Draws polygons (closed: filled with the brush and outlined) or polylines.
    void drawOutlines(const std::vector<QPolygonF>& shapes, bool closed) {
        bool huge = false;
        for (const QPolygonF& shape : shapes)
            huge = huge || isHuge(shape.boundingRect());
        const Qt::FillRule rule = dc_.winding ? Qt::WindingFill : Qt::OddEvenFill;
        if (!huge) {
            if (!closed) {
                for (const QPolygonF& shape : shapes)
                    painter_.drawPolyline(shape);
            } else if (shapes.size() == 1) {
                painter_.drawPolygon(shapes.front(), rule);
            } else {
                QPainterPath path;
                path.setFillRule(rule);
                for (const QPolygonF& shape : shapes) {
                    if (shape.isEmpty())
                        continue;
                    path.addPolygon(shape);
                    path.closeSubpath();
                }
                painter_.drawPath(path);
            }
            return;
        }
        const QRectF clip = visibleLogical();
        if (!closed) {
            for (const QPolygonF& shape : shapes)
                for (const QPolygonF& piece : clipPolyline(shape, clip))
                    painter_.drawPolyline(piece);
            return;
        }
        QPainterPath path;
        path.setFillRule(rule);
        for (const QPolygonF& shape : shapes) {
            const QPolygonF cut = clipPolygon(shape, clip);
            if (cut.size() < 2)
                continue;
            path.addPolygon(cut);
            path.closeSubpath();
        }
        painter_.drawPath(path);
    }

    void updateTransform() {
        QTransform t;
        t.translate(target_.left(), target_.top());
        t.scale(target_.width() / dc_.extX, target_.height() / dc_.extY);
        t.translate(-dc_.orgX, -dc_.orgY);
        window_ = t;
        painter_.setWorldTransform(t * base_);
    }

    void applyPenAndBrush() {
        QPen pen = makePen(dc_.pen);
        // A pen far wider than the window covers it all anyway; capping the width keeps
        // a damaged file from asking for enormous strokes.
        const qreal widest = 4.0 * std::max(std::abs(dc_.extX), std::abs(dc_.extY));
        if (pen.widthF() > widest)
            pen.setWidthF(widest);
        painter_.setPen(pen);
        painter_.setBrush(makeBrush(dc_.brush));
        painter_.setBackgroundMode(dc_.opaque ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_.setBackground(QColor(dc_.bkColor));
    }

    void drawText(const TextRun& r) {
        if (r.options & ETO_OPAQUE)
            painter_.fillRect(r.rect, QColor(dc_.bkColor));
        if (r.text.isEmpty())
            return;

        const FontDef& f = dc_.font;
        // Heights are in logical units: negative for the letter height, positive for
        // the whole cell. Letters are always laid out at one comfortable size and then
        // scaled to the wanted one, so tiny and enormous units both come out well.
        const qreal wanted = f.height != 0 ? std::abs(f.height) : unitsPerInch_ / 6.0;
        const qreal scale = kLayoutPixels / wanted;
        QFont font(f.face.isEmpty() ? QStringLiteral("Liberation Sans") : f.face);
        switch (f.pitchAndFamily & 0xF0) {
        case 0x10: font.setStyleHint(QFont::Serif); break;
        case 0x20: font.setStyleHint(QFont::SansSerif); break;
        case 0x30: font.setStyleHint(QFont::Monospace); break;
        case 0x40: font.setStyleHint(QFont::Cursive); break;
        case 0x50: font.setStyleHint(QFont::Decorative); break;
        default: break;
        }
        font.setPixelSize(kLayoutPixels);
        if (f.height > 0) {  // cell height: shrink so ascent plus descent fill it
            const QFontMetricsF m(font);
            if (m.height() > 0)
                font.setPixelSize(std::max(1, int(std::lround(kLayoutPixels * kLayoutPixels / m.height()))));
        }
        font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 100, 900)));
        font.setItalic(f.italic);
        if (f.width > 0) {
            const QFontMetricsF m(font);
            const qreal natural = m.averageCharWidth();
            if (natural > 0)
                font.setStretch(std::clamp(int(std::lround(100 * f.width * scale / natural)), 25, 400));
        }
        const QFontMetricsF metrics(font);
        const qreal width = metrics.horizontalAdvance(r.text);

        const bool useCurrent = dc_.textAlign & TA_UPDATECP;
        const QPointF anchor = useCurrent ? dc_.position : QPointF(r.x, r.y);
        qreal dx = 0;
        switch (dc_.textAlign & TA_HMASK) {
        case TA_RIGHT: dx = -width; break;
        case TA_CENTER: dx = -width / 2; break;
        default: break;
        }
        qreal baseline = metrics.ascent();
        switch (dc_.textAlign & TA_VMASK) {
        case TA_BASELINE: baseline = 0; break;
        case TA_BOTTOM: baseline = -metrics.descent(); break;
        default: break;
        }

        painter_.save();
        if (r.options & ETO_CLIPPED)
            painter_.setClipRect(r.rect, Qt::IntersectClip);
        painter_.translate(anchor);
        if (f.escapement != 0)
            painter_.rotate(-f.escapement / 10.0);
        painter_.scale(1 / scale, 1 / scale);
        if (dc_.opaque && !(r.options & ETO_OPAQUE))
            painter_.fillRect(QRectF(dx, baseline - metrics.ascent(), width, metrics.height()),
                              QColor(dc_.bkColor));
        // Letters are filled as outlines: that holds up under any mapping a file may
        // set, where the glyph cache can fail with extreme scales.
        QPainterPath glyphs;
        glyphs.addText(QPointF(dx, baseline), font, r.text);
        const qreal line = std::max<qreal>(1.0, metrics.lineWidth());
        if (f.underline)
            glyphs.addRect(QRectF(dx, baseline + metrics.underlinePos() - line / 2, width, line));
        if (f.strikeOut)
            glyphs.addRect(QRectF(dx, baseline - metrics.strikeOutPos() - line / 2, width, line));
        const QTransform toDevice = painter_.worldTransform();
        if (isHuge(glyphs.boundingRect())) {
            // Keep only the letters' parts near the visible area.
            const QRectF device = base_.mapRect(target_).adjusted(-16, -16, 16, 16);
            QPainterPath visible;
            visible.addRect(toDevice.inverted().mapRect(device));
            glyphs = glyphs.intersected(visible);
        }
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(dc_.textColor));
        painter_.drawPath(glyphs);
        painter_.restore();

        if (useCurrent && (dc_.textAlign & TA_HMASK) == 0)
            dc_.position += QPointF(width / scale, 0);
    }

    QPainter& painter_;
    QRectF target_;
    QTransform base_;
    QTransform window_;  // logical units to the painter's own coordinates
    DcState dc_;
    int unitsPerInch_;
    std::vector<DcState> saved_;
};

}  // namespace

std::optional<Metafile> Metafile::parse(const QByteArray& bytes, QString* error) {
    const qint64 size = bytes.size();
    if (size > kMaxFileBytes) {
        fail(error, QStringLiteral("file is too large"));
        return std::nullopt;
    }
    if (size < kPlaceableHeaderBytes + kMetaHeaderBytes) {
        fail(error, QStringLiteral("file is too short for its headers"));
        return std::nullopt;
    }
    if (readU32(bytes, 0) != kPlaceableKey) {
        fail(error, QStringLiteral("not a placeable metafile"));
        return std::nullopt;
    }
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= readU16(bytes, 2 * i);
    if (checksum != readU16(bytes, 20)) {
        fail(error, QStringLiteral("header checksum does not match"));
        return std::nullopt;
    }
    Metafile mf;
    mf.left_ = qint16(readU16(bytes, 6));
    mf.top_ = qint16(readU16(bytes, 8));
    mf.right_ = qint16(readU16(bytes, 10));
    mf.bottom_ = qint16(readU16(bytes, 12));
    mf.unitsPerInch_ = readU16(bytes, 14);
    if (mf.right_ <= mf.left_ || mf.bottom_ <= mf.top_) {
        fail(error, QStringLiteral("bounding box is empty"));
        return std::nullopt;
    }
    if (mf.unitsPerInch_ == 0) {
        fail(error, QStringLiteral("units per inch is zero"));
        return std::nullopt;
    }

    const qint64 h = kPlaceableHeaderBytes;
    const quint16 type = readU16(bytes, h);
    const quint16 headerWords = readU16(bytes, h + 2);
    const quint16 version = readU16(bytes, h + 4);
    const quint16 objectCount = readU16(bytes, h + 10);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0300 && version != 0x0100)) {
        fail(error, QStringLiteral("bad metafile header"));
        return std::nullopt;
    }
    if (objectCount > kMaxObjectSlots) {
        fail(error, QStringLiteral("header asks for too many objects"));
        return std::nullopt;
    }
    mf.objectSlots_ = objectCount;

    auto records = std::make_shared<std::vector<Record>>();
    Reader reader(objectCount, *records);
    qint64 offset = h + kMetaHeaderBytes;
    int count = 0;
    for (;;) {
        if (size - offset < 6) {
            fail(error, QStringLiteral("records end without an end-of-file record"));
            return std::nullopt;
        }
        const quint32 words = readU32(bytes, offset);
        const quint16 function = readU16(bytes, offset + 4);
        if (words < 3) {
            fail(error, QStringLiteral("record size below the minimum"));
            return std::nullopt;
        }
        if (qint64(words) * 2 > size - offset) {
            fail(error, QStringLiteral("record runs past the end of the file"));
            return std::nullopt;
        }
        if (function == META_EOF)
            break;
        if (++count > kMaxRecords) {
            fail(error, QStringLiteral("too many records"));
            return std::nullopt;
        }
        const Params params(bytes.constData() + offset + 6, qint64(words) * 2 - 6);
        if (!reader.decode(function, params, error))
            return std::nullopt;
        offset += qint64(words) * 2;
    }
    records->shrink_to_fit();
    mf.records_ = std::move(records);
    return mf;
}

QSize Metafile::sizeTwips() const {
    const qint64 w = qint64(right_ - left_) * 1440 / unitsPerInch_;
    const qint64 h = qint64(bottom_ - top_) * 1440 / unitsPerInch_;
    return QSize(int(w), int(h));
}

void Metafile::draw(QPainter& painter, const QRectF& target) const {
    if (!records_ || target.isEmpty())
        return;
    DcState initial;
    initial.orgX = left_;
    initial.orgY = top_;
    initial.extX = right_ - left_;
    initial.extY = bottom_ - top_;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(target, Qt::IntersectClip);
    Player player(painter, target, initial, unitsPerInch_);
    for (const Record& record : *records_)
        std::visit(player, record.op);
    painter.restore();
}

}  // namespace qm
