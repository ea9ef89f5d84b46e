#include "wmfwriter.h"

#include <QtEndian>
#include <algorithm>
#include <stdexcept>

namespace assetgen {

namespace {

void putU16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void putU32(QByteArray& out, quint32 v) {
    putU16(out, quint16(v & 0xFFFF));
    putU16(out, quint16(v >> 16));
}

}  // namespace

WmfWriter::WmfWriter(const QRect& boundingBox, int unitsPerInch)
    : box_(boundingBox), unitsPerInch_(unitsPerInch) {}

void WmfWriter::record(quint16 function, const QVector<qint16>& words, const QByteArray& tail) {
    if (finished_)
        throw std::logic_error("metafile already finished");
    QByteArray bytes;
    for (qint16 w : words)
        putU16(bytes, quint16(w));
    bytes.append(tail);
    if (bytes.size() % 2)
        bytes.append('\0');
    const quint32 size = quint32(3 + bytes.size() / 2);
    putU32(body_, size);
    putU16(body_, function);
    body_.append(bytes);
    maxRecordWords_ = std::max(maxRecordWords_, size);
}

void WmfWriter::putColor(QVector<qint16>& words, const QColor& color) {
    words << qint16(color.red() | (color.green() << 8)) << qint16(color.blue());
}

int WmfWriter::takeSlot() {
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = true;
            return int(i);
        }
    }
    slots_.push_back(true);
    return int(slots_.size() - 1);
}

int WmfWriter::createPen(int style, int width, const QColor& color) {
    QVector<qint16> w{qint16(style), qint16(width), 0};
    putColor(w, color);
    record(0x02FA, w);
    return takeSlot();
}

int WmfWriter::createBrush(int style, const QColor& color, int hatch) {
    QVector<qint16> w{qint16(style)};
    putColor(w, color);
    w << qint16(hatch);
    record(0x02FC, w);
    return takeSlot();
}

int WmfWriter::createFont(int height, int weight, bool italic, const QString& face, int escapement) {
    QVector<qint16> w{qint16(height), 0, qint16(escapement), qint16(escapement), qint16(weight)};
    // Byte pairs: italic and underline; strike-out and character set (ANSI); output
    // and clip precision (defaults); quality (antialiased) and pitch and family
    // (variable pitch, sans serif).
    w << qint16(italic ? 1 : 0) << qint16(0) << qint16(0) << qint16(0x2204);
    QByteArray name = face.toLatin1().left(31);
    name.append('\0');
    record(0x02FB, w, name);
    return takeSlot();
}

void WmfWriter::selectObject(int slot) { record(0x012D, {qint16(slot)}); }

void WmfWriter::deleteObject(int slot) {
    record(0x01F0, {qint16(slot)});
    if (slot >= 0 && size_t(slot) < slots_.size())
        slots_[size_t(slot)] = false;
}

void WmfWriter::setWindowOrg(int x, int y) { record(0x020B, {qint16(y), qint16(x)}); }
void WmfWriter::setWindowExt(int x, int y) { record(0x020C, {qint16(y), qint16(x)}); }
void WmfWriter::setBkMode(bool opaque) { record(0x0102, {qint16(opaque ? 2 : 1), 0}); }

void WmfWriter::setBkColor(const QColor& color) {
    QVector<qint16> w;
    putColor(w, color);
    record(0x0201, w);
}

void WmfWriter::setTextColor(const QColor& color) {
    QVector<qint16> w;
    putColor(w, color);
    record(0x0209, w);
}

void WmfWriter::setPolyFillMode(bool winding) { record(0x0106, {qint16(winding ? 2 : 1), 0}); }
void WmfWriter::setTextAlign(int flags) { record(0x012E, {qint16(flags), 0}); }
void WmfWriter::saveDc() { record(0x001E, {}); }
void WmfWriter::restoreDc(int which) { record(0x0127, {qint16(which)}); }

void WmfWriter::rectangle(const QRect& r) {
    record(0x041B, {qint16(r.y() + r.height()), qint16(r.x() + r.width()), qint16(r.y()), qint16(r.x())});
}

void WmfWriter::roundRect(const QRect& r, int cornerWidth, int cornerHeight) {
    record(0x061C, {qint16(cornerHeight), qint16(cornerWidth), qint16(r.y() + r.height()),
                    qint16(r.x() + r.width()), qint16(r.y()), qint16(r.x())});
}

void WmfWriter::ellipse(const QRect& r) {
    record(0x0418, {qint16(r.y() + r.height()), qint16(r.x() + r.width()), qint16(r.y()), qint16(r.x())});
}

void WmfWriter::polygon(const QVector<QPoint>& points) {
    QVector<qint16> w{qint16(points.size())};
    for (const QPoint& p : points)
        w << qint16(p.x()) << qint16(p.y());
    record(0x0324, w);
}

void WmfWriter::polyline(const QVector<QPoint>& points) {
    QVector<qint16> w{qint16(points.size())};
    for (const QPoint& p : points)
        w << qint16(p.x()) << qint16(p.y());
    record(0x0325, w);
}

void WmfWriter::polyPolygon(const QVector<QVector<QPoint>>& polygons) {
    QVector<qint16> w{qint16(polygons.size())};
    for (const auto& poly : polygons)
        w << qint16(poly.size());
    for (const auto& poly : polygons)
        for (const QPoint& p : poly)
            w << qint16(p.x()) << qint16(p.y());
    record(0x0538, w);
}

void WmfWriter::moveTo(int x, int y) { record(0x0214, {qint16(y), qint16(x)}); }
void WmfWriter::lineTo(int x, int y) { record(0x0213, {qint16(y), qint16(x)}); }

void WmfWriter::textOut(int x, int y, const QByteArray& text) {
    QByteArray padded = text;
    if (padded.size() % 2)
        padded.append('\0');
    QVector<qint16> head{qint16(text.size())};
    QByteArray tail = padded;
    putU16(tail, quint16(qint16(y)));
    putU16(tail, quint16(qint16(x)));
    record(0x0521, head, tail);
}

QByteArray WmfWriter::finish() {
    record(0x0000, {});
    finished_ = true;

    QByteArray out;
    // Placeable header; the checksum is the XOR of its first ten words.
    QByteArray placeable;
    putU32(placeable, 0x9AC6CDD7u);
    putU16(placeable, 0);
    putU16(placeable, quint16(qint16(box_.left())));
    putU16(placeable, quint16(qint16(box_.top())));
    putU16(placeable, quint16(qint16(box_.left() + box_.width())));
    putU16(placeable, quint16(qint16(box_.top() + box_.height())));
    putU16(placeable, quint16(unitsPerInch_));
    putU32(placeable, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(placeable.constData() + 2 * i);
    putU16(placeable, checksum);
    out.append(placeable);

    // Standard header: on disk, version 3, sizes in 16-bit words.
    const quint32 fileWords = quint32(9 + body_.size() / 2);
    putU16(out, 1);
    putU16(out, 9);
    putU16(out, 0x0300);
    putU32(out, fileWords);
    putU16(out, quint16(slots_.size()));
    putU32(out, maxRecordWords_);
    putU16(out, 0);
    out.append(body_);
    return out;
}

}  // namespace assetgen
