#pragma once
// The word-drag screens: a sentence as a row of word tiles that the pupil picks up with
// the mouse and drops into a dustbin or a container. Every drop into a target is marked
// at once; the tile then goes back into the sentence, fixed and covered by a green marker,
// and a copy of the word it held lies in the target at the height it was let go.

#include <optional>
#include <span>

#include "exercise/banks/row_form.h"
#include "exercise/exercise_screen.h"
#include "exercise/word_tiles.h"

namespace qm {

// ---------------------------------------------------------------- rules

struct TargetBox {
    double left, top, width, height;
};

// Whether a tile let go with its top-left corner at (left, top) lies in the target: the
// corner must lie strictly inside the target stretched leftwards by half its width and
// upwards by half its height. Each bound is taken at single precision.
bool dropCounts(double left, double top, const TargetBox& target);

// Only the left button alone moves a tile.
inline bool dragsTile(int Button) { return Button == 1; }

// Where a dragged tile goes: its centre under the pointer at (X, Y), which is measured
// from the tile's top-left corner.
TilePlace dragStep(const TilePlace& at, double width, double height, double X, double Y);

// A dropped word was one to drop when its key says something else (exact comparison).
inline bool wordShouldGo(const QString& word, const QString& key) { return word != key; }

// A score label after a right (+1) or wrong (-1) drop, as it shows it (" 1", "-1").
QString scoreAfter(const QString& score, bool right);

// The code of the word in slot `index`: the digit at that place of the line's code, or 0
// when the code is shorter or holds no digit there.
int codeOf(const QString& code, int index);

// The judgement of a sentence before its words may be dragged: `mark` is "X" for a correct
// sentence (anything else is a faulty one); `box` 0 says "CORRECT", 1 "INCORRECT".
struct Judgement {
    int resultFlag;  // 1 for a faulty sentence
    bool right;
    bool opensDrag;  // a faulty sentence rightly called incorrect
};
Judgement judge(const QString& mark, int box);

// ---------------------------------------------------------------- screens

// A bank row: the sentence, its key or code, and a third text where the screen has one.
struct DragRow {
    const char16_t* sentence;
    const char16_t* key;
    const char16_t* extra = nullptr;
};

// What the rows of a drag screen's bank say besides the sentence.
enum class DragKey {
    Dustbin,    // a key row with each word to drag out changed
    TwoMarked,  // a key row with the two words of a double negative changed, and the corrected sentence
    Agreement,  // the corrected sentence, and "X" for a sentence correct as it stands or "V" for a faulty one
    Code,       // one code digit for each word
};

// A drag screen's bank and the limits of its rows: the word slots and where the tiles go.
struct DragBank {
    int slotCount;
    WordFlow flow;
    DragKey key;
    QStringList columns;  // how a bank file names the texts of a row
    std::span<const DragRow> rows;
    TextPlace corrected{};  // where a corrected sentence shows, on the screen that shows one
    QString paperTask{};    // what a printed sheet of the questions asks
};

class DragScreen : public ExerciseScreen {
    Q_OBJECT
public:
    DragScreen(Module1& m, const ScreenEntry& e, const DragBank& bank, bool keysTakeTilePlaces);

    // Button is the mouse-button mask (1 left), X and Y the pointer from the tile's corner.
    void Label7_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Label7_MouseUp(int Index, int Button, int Shift, double X, double Y);

    WordTiles tiles;
    ControlArray<Label>& Label7 = tiles.Label7;    // the word tiles
    ControlArray<Label>& Label2 = tiles.Label2;    // key words; dropped words in the target
    ControlArray<Label>& Label11 = tiles.Label11;  // done-markers
    Label* Label1 = nullptr;                       // "Correct" / "Wrong"
    Label* Label9 = nullptr;                       // the score (the counter on one screen)

    const WordFlow& flow() const { return flow_; }

    // A word tile that can be moved now is picked up by keys and put down in the targets
    // that show; it lies in the first free line of the target, so that the words put
    // down there one by one can all be read.
    std::vector<Control*> keyDropTargets(const Control& c) const override;
    QPointF keyDropPlace(const Control& tile, const Control& target) const override;

protected:
    // Builds the tile arrays; call after the screen's other labels.
    void makeTiles();

    // The drop targets, in the order they are tried.
    virtual std::vector<Label*> dropTargets() const = 0;
    // Whether tiles can be moved now.
    virtual bool tilesMove() const { return true; }
    // Marks a drop of tile `Index` into target `target`, let go at `releaseTop`.
    virtual void dropInto(int Index, int target, double releaseTop);
    // Whether the drop was a right one.
    virtual bool rightDrop(int Index, int target) const;

    // Steps of a drop, in the order the screens take them.
    void feedback(bool right);
    void swapWithKey(int Index);
    void showInTarget(int Index, int target, double releaseTop);
    void putBack(int Index);

    // A new sentence: tiles, key words and markers cleared; then split and laid out.
    void resetForNext() override;
    void showRow(int p);

    void familyReset() override;
    bool firstQuestionThroughNext() const override { return true; }

    static const QColor kYellow;
    static const QColor kOrange;
    static const QColor kPink;

    // Captions and boxes of the drag screens.
    Label* addCaption(const QString& name, double left, double top, const FontSpec& look, const QColor& colour,
                      const QString& text, bool visible);
    Label* addTarget(const QString& name, const TargetBox& box);
    // An instruction: Times New Roman, centred in its box, wrapping.
    Label* addInstruction(const QString& name, const TargetBox& place, double points, const QColor& colour,
                          const QString& text, bool visible = true);
    Label* addScoreBox(double left, double top);
    Label* addFeedback(const TargetBox& place);
    static FontSpec serif(double points) { return {QStringLiteral("Times New Roman"), points}; }
    static FontSpec boldTahoma(double points) { return {QStringLiteral("Tahoma"), points, true}; }

private:
    int slots_;
    WordFlow flow_;
    bool keysTakeTilePlaces_;
};

}  // namespace qm
