#pragma once
// Fonts by the names the screens use. Where the system has Times New Roman, Arial and
// Tahoma and the platform prefers them (Windows), they are used; otherwise Times New Roman
// and Arial are drawn with their metric-compatible Liberation faces and Tahoma with the
// Tahoma that ships with Wine, so text widths are the same on every machine. Sizes are
// points at a fixed 96 dpi.

#include <QFont>
#include <QString>

namespace qm {

struct FontSpec {
    QString name = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    bool italic = false;
};

// Loads the fonts the program brings along; call once after the application object exists.
// Returns false when a face could not be found (text still shows, in a fallback face).
bool installFonts();

QFont makeFont(const FontSpec& look);

// Pixel size of a point size at 96 dpi.
int pointsToPixels(double points);

// How a text sits in a label, as the labels measure themselves. The width of a label that
// sizes itself to its text on one line (a border adds a pixel on each side), in twips.
double textWidthTwips(const FontSpec& look, const QString& text, bool bordered = false);

// A text wrapped at the width of a label (twips): the height its lines need, how many
// lines that is, and whether some word is wider than the label on its own.
struct WrappedText {
    double heightTwips;
    int lines;
    bool wordTooWide;
};
WrappedText wrapText(const FontSpec& look, double widthTwips, const QString& text, bool bordered = false);

}  // namespace qm
