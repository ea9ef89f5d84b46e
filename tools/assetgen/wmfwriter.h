#pragma once
// Writes placeable Windows metafiles record by record. The pictures the program
// ships are drawn with it, so they only use records the program's own player reads.

#include <QByteArray>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <vector>

namespace assetgen {

class WmfWriter {
public:
    // The bounding box is in logical units, unitsPerInch of them to the inch.
    WmfWriter(const QRect& boundingBox, int unitsPerInch);

    enum PenStyle { PenSolid = 0, PenDash = 1, PenDot = 2, PenNull = 5 };
    enum PenCap { CapRound = 0x0000, CapSquare = 0x0100, CapFlat = 0x0200 };
    enum PenJoin { JoinRound = 0x0000, JoinBevel = 0x1000, JoinMiter = 0x2000 };
    enum BrushStyle { BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };

    // Creating an object takes the lowest free slot in the object table, as a
    // reader expects; the returned number is that slot.
    int createPen(int style, int width, const QColor& color);
    int createBrush(int style, const QColor& color, int hatch = 0);
    int createFont(int height, int weight, bool italic, const QString& face, int escapement = 0);
    void selectObject(int slot);
    void deleteObject(int slot);

    void setWindowOrg(int x, int y);
    void setWindowExt(int x, int y);
    void setBkMode(bool opaque);
    void setBkColor(const QColor& color);
    void setTextColor(const QColor& color);
    void setPolyFillMode(bool winding);
    void setTextAlign(int flags);
    void saveDc();
    void restoreDc(int which = -1);

    void rectangle(const QRect& r);
    void roundRect(const QRect& r, int cornerWidth, int cornerHeight);
    void ellipse(const QRect& r);
    void polygon(const QVector<QPoint>& points);
    void polyline(const QVector<QPoint>& points);
    void polyPolygon(const QVector<QVector<QPoint>>& polygons);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void textOut(int x, int y, const QByteArray& text);

    // Adds the end-of-file record and returns the whole file.
    QByteArray finish();

private:
    void record(quint16 function, const QVector<qint16>& words, const QByteArray& tail = {});
    int takeSlot();
    static void putColor(QVector<qint16>& words, const QColor& color);

    QRect box_;
    int unitsPerInch_;
    QByteArray body_;
    quint32 maxRecordWords_ = 0;
    std::vector<bool> slots_;
    bool finished_ = false;
};

}  // namespace assetgen
