#pragma once
// The punctuation wheel: a sentence with one mark left out and its place marked by a
// square, and a ring of eight boxes whose marks move one box clockwise at every step
// once START is pressed. The box at three o'clock is the window; its mark is named in
// the middle of the ring. One STOP stops the wheel, shows the whole sentence and judges
// the window; a right answer makes the window's mark blink.

#include <QPointF>
#include <QStringList>
#include <span>

#include "exercise/banks/row_form.h"
#include "topics/timed/stepping.h"
#include "topics/timed/timed_rules.h"

namespace qm {

struct WheelRow {
    const char16_t* before;
    const char16_t* mark;  // as the sentence needs it, a space after it where one follows
    const char16_t* after;
};

struct WheelDesign {
    using Place = SteppingScreen::Place;

    QString instruction;
    Place instructionPlace;
    double instructionPoints;
    std::array<QPointF, 8> ring;  // box 0 at the top, then clockwise
    bool windowFilled;            // the window box is filled black, the others are outlines
    std::array<const char*, 8> marks;
    std::array<const char*, 8> names;  // of each mark, as the middle of the ring shows it
    Place namePlace;
    double namePoints;
    Place start, stop, feedback, sentence;
    double markerOffset;  // from the end of the text before the gap to the square
    LineRule line;
    std::span<const WheelRow> bank;
    // Every mark of the bank is followed by a space, which a bank file leaves off.
    bool markSpaced = false;
};

class WheelScreen : public SteppingScreen {
    Q_OBJECT
public:
    WheelScreen(Module1& m, const ScreenEntry& e, const WheelDesign& d);

    void Label2_Click();  // START
    void Label8_Click() override;
    void Timer3_Timer();  // the blink of the window

    Label* Label4;               // instruction
    ControlArray<Label> Label3;  // the text before the gap, the missing mark, the text after
    Shape* Shape1;               // the square in the gap
    ControlArray<Label> Label7;  // the wheel; box 2 is the window
    Label* Label5;               // the name of the mark in the window
    Label* Label2;               // START
    Label* Label6;               // the complete sentence
    Timer* Timer3;

    static constexpr int kWindow = 2;
    static constexpr double kPartsLeft = 120;
    static constexpr double kPartsTop = 1560;
    static constexpr double kMarkerSize = 375;
    static constexpr double kRightEdge = 11760;  // no text or marker goes past it
    static constexpr double kSentencePoints = 27.75;
    static FontSpec partFont() { return {QStringLiteral("Times New Roman"), 27.75}; }

protected:
    bool firstQuestionThroughNext() const override { return false; }
    void ShowNextQuestion() override;
    void resetForNext() override;
    void step() override;

private:
    // The missing mark of the row on screen, or nothing when no row is on screen.
    QString markOnScreen() const;
    const WheelDesign& d_;
};

// The row form of the wheel screens: the text before the gap, the missing mark and the
// text after it, each kept exactly as written, spaces included. On a screen where every
// mark is followed by a space, the mark keeps it and a file leaves it off.
class WheelRows final : public RowForm {
public:
    explicit WheelRows(const WheelDesign& d);
    QStringList columns() const override;
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {3, 0, 0, 0, 0}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override;
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override;
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

private:
    const WheelDesign& d_;
    BankImage builtIn_;
};

}  // namespace qm
