// Tests for the placeable metafile player: the shipped board picture, the drawing
// records, and that damaged files are turned away without harm.

#include <QtTest>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <initializer_list>

#include "platform/metafile.h"
#include "fuzz/metafile_input.h"

using qm::Metafile;

namespace {

// ---------------------------------------------------------------- building test files

void putU16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void putU32(QByteArray& out, quint32 v) {
    putU16(out, quint16(v & 0xFFFF));
    putU16(out, quint16(v >> 16));
}

quint16 u16At(const QByteArray& b, int offset) {
    return quint16(uchar(b[offset]) | (uchar(b[offset + 1]) << 8));
}

void setU16At(QByteArray& b, int offset, quint16 v) {
    b[offset] = char(v & 0xFF);
    b[offset + 1] = char(v >> 8);
}

void setU32At(QByteArray& b, int offset, quint32 v) {
    setU16At(b, offset, quint16(v & 0xFFFF));
    setU16At(b, offset + 2, quint16(v >> 16));
}

// Recomputes the placeable header's checksum after a test changed the header.
void fixChecksum(QByteArray& b) {
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= u16At(b, 2 * i);
    setU16At(b, 20, sum);
}

quint16 colourWord1(QRgb c) { return quint16(qRed(c) | (qGreen(c) << 8)); }
quint16 colourWord2(QRgb c) { return quint16(qBlue(c)); }

// Offsets into a file made by Builder.
constexpr int kBoxLeft = 6, kBoxRight = 10, kInch = 14, kObjects = 22 + 10, kFirstRecord = 40;

class Builder {
public:
    Builder& record(quint16 function, std::initializer_list<int> words) {
        putU32(body_, quint32(3 + words.size()));
        putU16(body_, function);
        for (int w : words)
            putU16(body_, quint16(qint16(w)));
        return *this;
    }
    // A record written with a size field that need not match its contents.
    Builder& rawRecord(quint32 sizeWords, quint16 function, std::initializer_list<int> words) {
        putU32(body_, sizeWords);
        putU16(body_, function);
        for (int w : words)
            putU16(body_, quint16(qint16(w)));
        return *this;
    }
    Builder& brush(QRgb c) { return record(0x02FC, {0, colourWord1(c), colourWord2(c), 0}); }
    Builder& nullBrush() { return record(0x02FC, {1, 0, 0, 0}); }
    Builder& pen(QRgb c, int width) { return record(0x02FA, {0, width, 0, colourWord1(c), colourWord2(c)}); }
    Builder& nullPen() { return record(0x02FA, {5, 0, 0, 0, 0}); }
    Builder& select(int slot) { return record(0x012D, {slot}); }
    Builder& remove(int slot) { return record(0x01F0, {slot}); }
    Builder& rect(int l, int t, int r, int b) { return record(0x041B, {b, r, t, l}); }
    Builder& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    Builder& windowExt(int x, int y) { return record(0x020C, {y, x}); }

    QByteArray build(int objects, int left = 0, int top = 0, int right = 100, int bottom = 100,
                     int inch = 1440, bool withEof = true) const {
        QByteArray out;
        putU32(out, 0x9AC6CDD7u);
        putU16(out, 0);
        putU16(out, quint16(qint16(left)));
        putU16(out, quint16(qint16(top)));
        putU16(out, quint16(qint16(right)));
        putU16(out, quint16(qint16(bottom)));
        putU16(out, quint16(inch));
        putU32(out, 0);
        putU16(out, 0);
        fixChecksum(out);
        QByteArray body = body_;
        if (withEof) {
            putU32(body, 3);
            putU16(body, 0);
        }
        putU16(out, 1);
        putU16(out, 9);
        putU16(out, 0x0300);
        putU32(out, quint32(9 + body.size() / 2));
        putU16(out, quint16(objects));
        putU32(out, 64);
        putU16(out, 0);
        out.append(body);
        return out;
    }

private:
    QByteArray body_;
};

// ---------------------------------------------------------------- looking at results

QImage render(const Metafile& mf, QSize size, const QRectF& target, QColor background = QColor(255, 0, 255)) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    mf.draw(painter, target);
    painter.end();
    return image;
}

QImage render(const Metafile& mf, QSize size) { return render(mf, size, QRectF(QPointF(0, 0), size)); }

bool near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QString describe(QRgb c) { return QStringLiteral("rgb(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

#define EXPECT_PIXEL(image, x, y, expected, tolerance)                                              \
    do {                                                                                            \
        const QRgb got_ = (image).pixel((x), (y));                                                  \
        QVERIFY2(near(got_, (expected), (tolerance)),                                               \
                 qPrintable(QStringLiteral("pixel (%1,%2) is %3, expected %4")                      \
                                .arg(x).arg(y).arg(describe(got_), describe(expected))));           \
    } while (0)

#define EXPECT_REJECTED(bytes)                                                                      \
    do {                                                                                            \
        QString error_;                                                                             \
        const auto result_ = Metafile::parse((bytes), &error_);                                     \
        QVERIFY2(!result_.has_value(), "damaged input was accepted");                               \
        QVERIFY2(!error_.isEmpty(), "rejection gave no reason");                                    \
    } while (0)

const QRgb kRed = qRgb(220, 20, 30);
const QRgb kGreen = qRgb(20, 200, 40);
const QRgb kBlue = qRgb(20, 40, 220);
const QRgb kMagenta = qRgb(255, 0, 255);

}  // namespace

class TestMetafile : public QObject {
    Q_OBJECT

private:
    QByteArray board_;

    std::optional<Metafile> parseOk(const QByteArray& bytes) {
        QString error;
        auto mf = Metafile::parse(bytes, &error);
        if (!mf)
            qWarning("parse failed: %s", qPrintable(error));
        return mf;
    }

private slots:
    void initTestCase() {
        QFile file(QStringLiteral(QM_SOURCE_ASSETS "/Images/BOARD.WMF"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        board_ = file.readAll();
        QVERIFY(board_.size() > 100);
    }

    // ------------------------------------------------------------ the shipped board

    void boardParsesWithItsDesignedSize() {
        const auto mf = parseOk(board_);
        QVERIFY(mf.has_value());
        QCOMPARE(mf->sizeTwips(), QSize(1605, 1455));
    }

    void boardPaintsItsParts() {
        const auto mf = parseOk(board_);
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(107, 97));
        EXPECT_PIXEL(image, 3, 3, qRgb(49, 135, 215), 2);      // the screen blue behind it
        EXPECT_PIXEL(image, 104, 40, qRgb(49, 135, 215), 2);
        EXPECT_PIXEL(image, 60, 30, qRgb(64, 64, 64), 2);      // the slate, under the marks
        EXPECT_PIXEL(image, 37, 7, qRgb(64, 64, 64), 2);       // the marks' top-left corner
        EXPECT_PIXEL(image, 84, 54, qRgb(64, 64, 64), 2);      // and their bottom-right
        EXPECT_PIXEL(image, 26, 30, qRgb(196, 130, 66), 12);   // the frame's wood
        EXPECT_PIXEL(image, 10, 91, qRgb(218, 40, 38), 12);    // the apple
        // Nothing of the magenta underneath is left showing.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(!near(image.pixel(x, y), kMagenta, 60), qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
    }

    void boardScalesToItsTarget() {
        const auto mf = parseOk(board_);
        QVERIFY(mf.has_value());
        // Twice the size, placed away from the corner: the slate moves and grows with it,
        // and the picture stays inside its target.
        const QImage image = render(*mf, QSize(400, 300), QRectF(150, 40, 214, 194));
        EXPECT_PIXEL(image, 150 + 120, 40 + 60, qRgb(64, 64, 64), 2);
        EXPECT_PIXEL(image, 150 + 168, 40 + 108, qRgb(64, 64, 64), 2);
        EXPECT_PIXEL(image, 150 + 4, 40 + 4, qRgb(49, 135, 215), 2);
        EXPECT_PIXEL(image, 140, 100, kMagenta, 0);
        EXPECT_PIXEL(image, 370, 100, kMagenta, 0);
        EXPECT_PIXEL(image, 200, 250, kMagenta, 0);
    }

    // ------------------------------------------------------------ drawing records

    void rectangleUsesSelectedBrushAndWindow() {
        Builder b;
        b.nullPen().select(0).brush(kRed).select(1).rect(10, 20, 50, 60);
        const auto mf = parseOk(b.build(2));
        QVERIFY(mf.has_value());
        QCOMPARE(mf->sizeTwips(), QSize(100, 100));
        const QImage image = render(*mf, QSize(200, 200));
        EXPECT_PIXEL(image, 60, 80, kRed, 0);   // inside (30,40) at double scale
        EXPECT_PIXEL(image, 10, 10, kMagenta, 0);
        EXPECT_PIXEL(image, 110, 80, kMagenta, 0);
    }

    void windowOrgAndExtChooseWhatIsShown() {
        Builder b;
        b.windowOrg(1000, 2000).windowExt(10, 10);
        b.nullPen().select(0).brush(kGreen).select(1).rect(1005, 2000, 1010, 2005);
        const auto mf = parseOk(b.build(2));
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(100, 100));
        EXPECT_PIXEL(image, 75, 25, kGreen, 0);  // right half, top half
        EXPECT_PIXEL(image, 25, 25, kMagenta, 0);
        EXPECT_PIXEL(image, 75, 75, kMagenta, 0);
    }

    void unitsPerInchScalesTheSize() {
        const auto mf = parseOk(Builder().build(0, -50, 10, 250, 160, 720));
        QVERIFY(mf.has_value());
        QCOMPARE(mf->sizeTwips(), QSize(600, 300));
    }

    void createdObjectsTakeTheLowestFreeSlot() {
        Builder b;
        b.nullPen()          // slot 0
            .brush(kRed)     // slot 1
            .brush(kGreen)   // slot 2
            .remove(1)
            .brush(kBlue)    // takes slot 1 again
            .select(0)
            .select(1)
            .rect(0, 0, 50, 100)
            .select(2)
            .rect(50, 0, 100, 100);
        const auto mf = parseOk(b.build(3));
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(100, 100));
        EXPECT_PIXEL(image, 25, 50, kBlue, 0);
        EXPECT_PIXEL(image, 75, 50, kGreen, 0);
    }

    void penOutlinesAndNullBrushLeavesInside() {
        Builder b;
        b.pen(kBlue, 6).select(0).nullBrush().select(1).rect(20, 20, 80, 80);
        const auto mf = parseOk(b.build(2));
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(100, 100));
        EXPECT_PIXEL(image, 20, 50, kBlue, 0);
        EXPECT_PIXEL(image, 50, 80, kBlue, 0);
        EXPECT_PIXEL(image, 50, 50, kMagenta, 0);
        EXPECT_PIXEL(image, 10, 50, kMagenta, 0);
    }

    void polygonFillRulesFollowThePolyFillMode() {
        // A square with a square hole drawn as two polygons in one record.
        const std::initializer_list<int> shape = {2, 4, 4,
                                                  10, 10, 90, 10, 90, 90, 10, 90,
                                                  30, 30, 70, 30, 70, 70, 30, 70};
        for (int mode : {1, 2}) {
            Builder b;
            b.nullPen().select(0).brush(kRed).select(1).record(0x0106, {mode, 0}).record(0x0538, shape);
            const auto mf = parseOk(b.build(2));
            QVERIFY(mf.has_value());
            const QImage image = render(*mf, QSize(100, 100));
            EXPECT_PIXEL(image, 20, 50, kRed, 0);
            // Alternate leaves the hole, winding (both squares turn the same way) fills it.
            EXPECT_PIXEL(image, 50, 50, mode == 1 ? kMagenta : kRed, 0);
        }
    }

    void polygonAndEllipseAndLines() {
        Builder b;
        b.nullPen().select(0).brush(kGreen).select(1);
        b.record(0x0324, {3, 0, 0, 100, 0, 0, 100});  // triangle over the top-left half
        b.brush(kBlue).select(2).record(0x0418, {100, 100, 60, 60});  // ellipse, bottom right
        b.pen(kRed, 4).select(3).record(0x0214, {80, 0}).record(0x0213, {80, 40});  // line at y=80
        const auto mf = parseOk(b.build(4));
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(100, 100));
        EXPECT_PIXEL(image, 20, 20, kGreen, 0);
        EXPECT_PIXEL(image, 80, 80, kBlue, 0);
        EXPECT_PIXEL(image, 62, 62, kMagenta, 0);  // outside the ellipse's curve
        EXPECT_PIXEL(image, 20, 80, kRed, 0);
        EXPECT_PIXEL(image, 50, 80, kMagenta, 0);
    }

    void saveAndRestoreBringBackTheBrush() {
        Builder b;
        b.nullPen().select(0).brush(kRed).select(1).brush(kGreen);
        b.record(0x001E, {}).select(2).rect(0, 0, 50, 100).record(0x0127, {-1}).rect(50, 0, 100, 100);
        const auto mf = parseOk(b.build(3));
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(100, 100));
        EXPECT_PIXEL(image, 25, 50, kGreen, 0);
        EXPECT_PIXEL(image, 75, 50, kRed, 0);
    }

    void textIsDrawnInTheTextColour() {
        Builder b;
        // A 40-unit font, transparent background, red text at the top left.
        b.record(0x02FB, {-40, 0, 0, 0, 700, 0, 0, 0, 0x2204, 'L' | ('i' << 8), 'b' | ('e' << 8),
                          'r' | ('a' << 8), 't' | ('i' << 8), 'o' | ('n' << 8), ' ' | ('S' << 8),
                          'a' | ('n' << 8), 's' | ('\0' << 8)});
        b.select(0).record(0x0102, {1, 0}).record(0x0209, {colourWord1(kRed), colourWord2(kRed)});
        b.record(0x0521, {4, 'H' | ('H' << 8), 'H' | ('H' << 8), 10, 5});  // "HHHH" at (5, 10)
        const auto mf = parseOk(b.build(1));
        QVERIFY(mf.has_value());
        const QImage image = render(*mf, QSize(100, 100));
        int red = 0, redBelow = 0, other = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 100; ++x) {
                const QRgb c = image.pixel(x, y);
                if (near(c, kRed, 10))
                    (y < 55 ? red : redBelow)++;
                else if (!near(c, kMagenta, 0) && qGreen(c) > 20)
                    ++other;  // antialiased edges mix red and magenta, which keeps green at 0
            }
        }
        QVERIFY2(red > 200, qPrintable(QString::number(red)));  // four bold capitals' worth
        QCOMPARE(redBelow, 0);                                   // all of it near the top
        QCOMPARE(other, 0);                                      // and no background box
    }

    void enormousShapesStillDrawTheirVisiblePart() {
        // A window of 10 x 10 units on 100 x 100 pixels, and shapes thousands of units
        // across: only their edges near the window matter.
        Builder b;
        b.windowOrg(0, 0).windowExt(10, 10);
        b.nullPen().select(0).brush(kRed).select(1);
        // A triangle whose long side is the line x + y = 10.
        b.record(0x0324, {3, -20000, -20000, 20010, -20000, -20000, 20010});
        const auto triangle = parseOk(b.build(3));
        QVERIFY(triangle.has_value());
        QImage image = render(*triangle, QSize(100, 100));
        EXPECT_PIXEL(image, 20, 20, kRed, 0);
        EXPECT_PIXEL(image, 40, 50, kRed, 0);
        EXPECT_PIXEL(image, 60, 50, kMagenta, 0);
        EXPECT_PIXEL(image, 80, 80, kMagenta, 0);

        // An ellipse whose top passes across the window at y = 5, and a line along x = 5.
        Builder e;
        e.windowOrg(0, 0).windowExt(10, 10);
        e.nullPen().select(0).brush(kBlue).select(1);
        e.record(0x0418, {32000, 20000, 5, -20000});
        e.pen(kGreen, 1).select(2).record(0x0214, {-30000, 5}).record(0x0213, {30000, 5});
        const auto ellipse = parseOk(e.build(3));
        QVERIFY(ellipse.has_value());
        image = render(*ellipse, QSize(100, 100));
        EXPECT_PIXEL(image, 20, 30, kMagenta, 0);
        EXPECT_PIXEL(image, 20, 70, kBlue, 0);
        EXPECT_PIXEL(image, 80, 90, kBlue, 0);
        EXPECT_PIXEL(image, 50, 10, kGreen, 0);
        EXPECT_PIXEL(image, 50, 90, kGreen, 0);
        EXPECT_PIXEL(image, 60, 10, kMagenta, 0);
    }

    void unknownRecordsAreSkipped() {
        Builder b;
        b.record(0x0103, {8}).record(0x0F43, {1, 2, 3, 4, 5, 6}).nullPen().select(0).brush(kBlue).select(1).rect(0, 0, 100, 100);
        const auto mf = parseOk(b.build(2));
        QVERIFY(mf.has_value());
        EXPECT_PIXEL(render(*mf, QSize(10, 10)), 5, 5, kBlue, 0);
    }

    // ------------------------------------------------------------ damaged input

    void everyTruncationOfTheBoardIsRejected() {
        for (int length = 0; length < board_.size(); ++length)
            EXPECT_REJECTED(board_.left(length));
    }

    void headerDamageIsRejected() {
        QByteArray wrongKey = board_;
        wrongKey[0] = char(0xC7);
        fixChecksum(wrongKey);
        EXPECT_REJECTED(wrongKey);

        QByteArray badChecksum = board_;
        badChecksum[20] = char(badChecksum[20] ^ 0x01);
        EXPECT_REJECTED(badChecksum);

        QByteArray zeroWidth = board_;
        setU16At(zeroWidth, kBoxRight, u16At(zeroWidth, kBoxLeft));
        fixChecksum(zeroWidth);
        EXPECT_REJECTED(zeroWidth);

        QByteArray negativeHeight = board_;
        setU16At(negativeHeight, 12, quint16(-5));
        fixChecksum(negativeHeight);
        EXPECT_REJECTED(negativeHeight);

        QByteArray noInch = board_;
        setU16At(noInch, kInch, 0);
        fixChecksum(noInch);
        EXPECT_REJECTED(noInch);

        QByteArray badVersion = board_;
        setU16At(badVersion, 22 + 4, 0x0200);
        EXPECT_REJECTED(badVersion);

        QByteArray badHeaderSize = board_;
        setU16At(badHeaderSize, 22 + 2, 12);
        EXPECT_REJECTED(badHeaderSize);

        QByteArray hugeObjectCount = board_;
        setU16At(hugeObjectCount, kObjects, 60000);
        EXPECT_REJECTED(hugeObjectCount);
        EXPECT_REJECTED(Builder().build(5000));
    }

    void recordSizeDamageIsRejected() {
        QByteArray zeroSize = board_;
        setU32At(zeroSize, kFirstRecord, 0);
        EXPECT_REJECTED(zeroSize);

        QByteArray tooSmall = board_;
        setU32At(tooSmall, kFirstRecord, 2);
        EXPECT_REJECTED(tooSmall);

        QByteArray pastTheEnd = board_;
        setU32At(pastTheEnd, kFirstRecord, quint32(board_.size()));  // words, so twice the file
        EXPECT_REJECTED(pastTheEnd);

        QByteArray hugeSize = board_;
        setU32At(hugeSize, kFirstRecord, 0xFFFFFFFFu);
        EXPECT_REJECTED(hugeSize);

        EXPECT_REJECTED(Builder().rawRecord(40, 0x041B, {10, 10, 0, 0}).build(0));
    }

    void missingEndIsRejected() {
        EXPECT_REJECTED(Builder().rect(0, 0, 10, 10).build(0, 0, 0, 100, 100, 1440, false));
        QByteArray board = board_;
        board.chop(6);  // the end-of-file record
        EXPECT_REJECTED(board);
    }

    void recordContentsThatDoNotFitAreRejected() {
        // Polygon and polyline claiming more points than the record holds.
        EXPECT_REJECTED(Builder().record(0x0324, {5, 0, 0, 10, 0, 10, 10}).build(0));
        EXPECT_REJECTED(Builder().record(0x0325, {3, 0, 0, 10, 0}).build(0));
        EXPECT_REJECTED(Builder().record(0x0324, {-1, 0, 0}).build(0));
        // Poly-polygon with more polygons, or more points, than fit.
        EXPECT_REJECTED(Builder().record(0x0538, {40, 3, 0, 0, 1, 1, 2, 2}).build(0));
        EXPECT_REJECTED(Builder().record(0x0538, {2, 3, 9, 0, 0, 1, 1, 2, 2, 3, 3}).build(0));
        // Text longer than its record, and records too short for their fields.
        EXPECT_REJECTED(Builder().record(0x0521, {30, 'a' | ('b' << 8), 0, 0}).build(0));
        EXPECT_REJECTED(Builder().record(0x041B, {10, 10}).build(0));
        EXPECT_REJECTED(Builder().record(0x02FA, {0, 1}).build(1));
        // The same shapes with counts that fit are fine.
        QVERIFY(parseOk(Builder().record(0x0324, {3, 0, 0, 10, 0, 10, 10}).build(0)).has_value());
        QVERIFY(parseOk(Builder().record(0x0538, {2, 3, 3, 0, 0, 1, 1, 2, 2, 5, 5, 6, 6, 7, 5}).build(0)).has_value());
    }

    void objectTableMisuseIsRejected() {
        EXPECT_REJECTED(Builder().brush(kRed).select(1).build(1));
        EXPECT_REJECTED(Builder().brush(kRed).select(40000).build(1));
        EXPECT_REJECTED(Builder().brush(kRed).remove(3).build(2));
        EXPECT_REJECTED(Builder().brush(kRed).brush(kGreen).build(1));  // more objects than slots
        // Within range, the same calls are accepted.
        QVERIFY(parseOk(Builder().brush(kRed).select(0).remove(0).brush(kGreen).build(1)).has_value());
    }

    void bytesAfterTheEndAreIgnoredUpToALimit() {
        QByteArray padded = board_ + QByteArray(1000, '\x5A');
        const auto mf = parseOk(padded);
        QVERIFY(mf.has_value());
        EXPECT_PIXEL(render(*mf, QSize(107, 97)), 60, 30, qRgb(64, 64, 64), 2);
        EXPECT_REJECTED(board_ + QByteArray(5 * 1024 * 1024, '\0'));
    }

    void tooManyRecordsAreRejected() {
        Builder b;
        for (int i = 0; i < 200001; ++i)
            b.record(0x0102, {1});  // a tiny, harmless record
        EXPECT_REJECTED(b.build(0));
    }

    // ------------------------------------------------------------ the fuzzer's finds

    // Every input the fuzzer kept (its seeds, what it found, and any input that once made
    // it crash) is played again here: each is accepted and drawn, or turned away.
    void fuzzCorpusReplays() {
        const QString root = QStringLiteral(QM_SOURCE_TESTS "/fuzz/metafile");
        int seeds = 0, accepted = 0, files = 0;
        for (const char* folder : {"corpus", "crashes"}) {
            QDir dir(root + QLatin1Char('/') + QLatin1String(folder));
            for (const QFileInfo& info : dir.entryInfoList(QDir::Files)) {
                QFile f(info.filePath());
                QVERIFY(f.open(QIODevice::ReadOnly));
                const bool ok = qm::fuzz::playMetafile(f.readAll());
                ++files;
                if (info.fileName().startsWith(QLatin1String("seed-"))) {
                    ++seeds;
                    QVERIFY2(ok, qPrintable(info.fileName()));  // the seeds are well-formed
                }
                accepted += ok ? 1 : 0;
            }
        }
        QVERIFY2(seeds >= 6, qPrintable(QString::number(seeds)));
        QVERIFY(accepted >= seeds);
        qInfo("replayed %d inputs, %d accepted", files, accepted);
    }

    // ------------------------------------------------------------ random damage

    void mutatedBoardsParseAndDrawOrAreRejected() {
        QRandomGenerator random(20240611u);
        int accepted = 0, rejected = 0;
        QImage canvas(64, 64, QImage::Format_ARGB32);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = board_;
            const int edits = 1 + int(random.bounded(4));
            for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
                const int at = int(random.bounded(quint32(bytes.size())));
                switch (random.bounded(5)) {
                case 0:  // flip bits in one byte
                    bytes[at] = char(bytes[at] ^ char(1 + random.bounded(255)));
                    break;
                case 1: {  // overwrite with an awkward value
                    static const char awkward[] = {'\x00', '\xFF', '\x7F', '\x80', '\x01'};
                    bytes[at] = awkward[random.bounded(5)];
                    break;
                }
                case 2: {  // insert a few random bytes
                    QByteArray extra;
                    for (int i = int(random.bounded(1, 9)); i > 0; --i)
                        extra.append(char(random.bounded(256)));
                    bytes.insert(at, extra);
                    break;
                }
                case 3:  // cut off the tail
                    bytes.truncate(at);
                    break;
                default:  // remove a stretch
                    bytes.remove(at, int(random.bounded(1, 17)));
                    break;
                }
            }
            // Usually mend the checksum so that the damage reaches the records.
            if (bytes.size() >= 22 && random.bounded(4) != 0)
                fixChecksum(bytes);

            QString error;
            const auto mf = Metafile::parse(bytes, &error);
            if (mf) {
                ++accepted;
                QVERIFY(mf->sizeTwips().width() > 0 && mf->sizeTwips().height() > 0);
                canvas.fill(Qt::black);
                QPainter painter(&canvas);
                mf->draw(painter, QRectF(0, 0, 64, 64));
                painter.end();
            } else {
                ++rejected;
                QVERIFY2(!error.isEmpty(), "rejection gave no reason");
            }
        }
        // The loop must have exercised both outcomes to mean anything.
        QVERIFY2(accepted > 100, qPrintable(QString::number(accepted)));
        QVERIFY2(rejected > 100, qPrintable(QString::number(rejected)));
    }
};

QTEST_MAIN(TestMetafile)
#include "test_metafile.moc"
