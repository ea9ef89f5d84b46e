#pragma once
// A sentence shown as a row of word tiles. Three label arrays share one slot index:
// `Label7` the word tiles, `Label2` the key words (hidden), `Label11` the green markers
// that cover a word once it has been dealt with. The rules that split a row into words
// and flow the tiles along their lines are plain functions over texts and widths.

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "controls/form.h"

namespace qm {

// Splits a row into words: every character up to a space joins the word, each space
// ends one. So a row ends with a space, two spaces in a row give an empty word, and
// whatever follows the last space is not a word. At most `slotCount` words are kept; a row
// with more has no room for the rest.
QStringList splitWords(const QString& row, int slotCount);

// The number of words a row holds (one per space), whatever the number of slots.
int wordCount(const QString& row);

// Where tiles go: the first at (left, top); each next one `gap` after the previous one on
// its line; with `wrap`, a tile whose right edge would pass `rightEdge` starts a new line
// `lineStep` lower, at the first tile's left.
struct WordFlow {
    double left;
    double top;
    bool wrap;
    double gap = 120;
    double rightEdge = 11760;
    double lineStep = 600;
};

struct TilePlace {
    double left;
    double top;
    bool operator==(const TilePlace&) const = default;
};

// The place of every tile of a row, from the tiles' widths.
std::vector<TilePlace> flowPlaces(const std::vector<double>& widths, const WordFlow& flow);

// The number of lines a flow takes.
int lineCount(const std::vector<TilePlace>& places);

// The three tile arrays of a sentence screen.
class WordTiles {
public:
    static const QColor kYellow;  // a word tile
    static const QColor kGreen;   // a done-marker
    // Bold Tahoma 20.25 pt, the tiles' face.
    static FontSpec look();

    // Makes `count` elements of each array: transparent, centred, sized to their text,
    // yellow (markers green), all hidden. Make them after the screen's other labels so
    // the tiles lie above those and can be picked up wherever they lie.
    void make(Form& form, int count);

    int slotCount() const { return Label7.count(); }

    // Every tile text emptied (the screen is loading).
    void emptyTiles();
    // A new sentence: every tile, key word and marker hidden and emptied, every tile free.
    void clear();
    // Gives the words of the sentence to the tiles and the words of the key to `Label2`;
    // slots with no word stay empty. Returns the number of key words placed.
    int fill(const QString& sentence, const QString& key);

    std::vector<double> widths(const ControlArray<Label>& array) const;

    // Lays the tiles out from the first; the key words either take the places of their
    // tiles or flow on their own widths from the same start.
    void layOut(const WordFlow& flow, bool keysTakeTilePlaces);
    // Puts tiles `from` to the last back into their places in the sentence as it reads
    // now; tiles before `from` keep wherever they are.
    void reflowFrom(int from, const WordFlow& flow);
    // Makes every tile visible (empty ones show nothing).
    void showTiles();
    // The word in slot `index` is done: its marker takes the tile's text, the markers
    // from `index` on follow their tiles, the marker shows and the tile is fixed.
    void markDone(int index);

    ControlArray<Label> Label7, Label2, Label11;
};

}  // namespace qm
