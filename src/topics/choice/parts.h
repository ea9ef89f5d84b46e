#pragma once
// Sentence-part identification: a sentence cut into two or three parts, each its own
// caption laid out left to right, and boxes that name the part asked for. On the coloured
// screens each part has its colour and each box is a square of that colour; after an
// answer a line names the right part.

#include <QStringList>
#include <array>
#include <span>

#include "topics/choice/choice_screen.h"
#include "topics/choice/part_layout.h"

namespace qm {

// One question of a bank: its parts (and, where the screen has one, the whole sentence
// as a further row), the key, and on the subject/object screen the answer as well.
struct PartsRow {
    std::array<const char16_t*, 4> rows;  // unused rows stay null and are stored empty
    int key;
    int answer = -1;
};

struct PartsDesign {
    int group;                    // bank rows per question
    int parts;                    // part labels on the screen
    double partsTop;              // top of the first line of parts
    PartFlow flow;
    std::vector<QColor> partColours;
    std::vector<QColor> boxColours;
    std::vector<Box> boxPlaces;
    QStringList boxCaptions;      // empty for the coloured squares
    double boxPoints = 27.75;
    QString instruction;
    QColor instructionColour;
    Box instructionPlace;
    double instructionPoints;
    QString prompt;
    QColor promptColour;
    Box promptPlace;
    double promptPoints;
    Box answerPlace;              // the answer line; zero width where the screen has none
    double answerPoints;
    // The answer line for a question: its bank rows and its key.
    QString (*answerLine)(const QStringList& rows, int key) = nullptr;
    Box feedbackPlace;
    double feedbackPoints;
    std::span<const PartsRow> bank;
    // How a bank file names the key: the part asked for ("subordinate clause") on the
    // screens whose boxes are coloured squares; the box caption on the others.
    QString keyName{};
    bool redPart = false;    // the subject/object screen: the red part is keyed as well
    bool gapMarker = false;  // two parts either side of a marker, not in a flow
    QString paperTask{};     // what a printed sheet of the questions asks
};

class PartsScreen : public ChoiceScreen {
    Q_OBJECT
public:
    PartsScreen(Module1& m, const ScreenEntry& e, const PartsDesign& d);

    ControlArray<Label> Label1;  // the parts of the sentence
    Label* Label2;               // instruction
    Label* Label4;               // prompt
    Label* Label3 = nullptr;     // the answer line, where there is one

    // The bank rows of question n (empty strings past the bank).
    QStringList rowsOf(int n) const;

    static const double kPartPoints;

protected:
    void ShowNextQuestion() override;
    bool isRightBox(int index) const override;
    bool blinks(int index) const override { return isRightBox(index); }
    void afterAnswer() override;
    void resetForNext() override;

    // The box that answers the question on screen, if any.
    virtual std::optional<int> rightBox() const;
    // Steps between the captions and the layout (the subject/object screen marks a part).
    virtual void markParts(int) {}
    // Moves the part labels to their places.
    virtual void layOut();
    // The part labels that take part in the layout.
    std::vector<Label*> partLabels() const;

private:
    const PartsDesign& d_;
};

}  // namespace qm
