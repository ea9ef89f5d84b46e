// Dash or hyphen? Two parts with a blue box between them; the pupil says which mark
// belongs in its place, and the sentence then shows with the gap filled.

#include "topics/choice/choice_rows.h"
#include "topics/choice/parts.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const PartsRow kBank[] = {
    {{u"He worked part", u"time"}, 1},
    {{u"I'll phone you on Monday", u"after six."}, 0},
};

QString answerLine(const QStringList& rows, int key) { return joinAtGap(rows.value(0), rows.value(1), key); }

const PartsDesign& design() {
    static const PartsDesign d{
        .group = 2,
        .parts = 2,
        .partsTop = 2160,
        .flow = {.left = 600, .wraps = false},
        .partColours = {ChoiceScreen::kYellow, ChoiceScreen::kYellow},
        .boxColours = {ChoiceScreen::kYellow, ChoiceScreen::kYellow},
        .boxPlaces = {{960, 4440, 3195, 735}, {5880, 4440, 3195, 735}},
        .boxCaptions = {QStringLiteral("DASH"), QStringLiteral("HYPHEN")},
        .boxPoints = 27.75,
        .instruction = QStringLiteral(
            "Should a dash or a hyphen be inserted into the sentence below, in place of the blue box?"),
        .instructionColour = ChoiceScreen::kYellow,
        .instructionPlace = {120, 120, 9975, 1335},
        .instructionPoints = 24,
        .prompt = QStringLiteral("Click on the correct box."),
        .promptColour = ChoiceScreen::kYellow,
        .promptPlace = {120, 3720, 9855, 615},
        .promptPoints = 24,
        .answerPlace = {120, 2880, 9855, 615},
        .answerPoints = 24,
        .answerLine = answerLine,
        .feedbackPlace = {2760, 5760, 4455, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .gapMarker = true,
        .paperTask = QStringLiteral("Should a dash or a hyphen go in the gap? Circle the right answer."),
    };
    return d;
}

class HyphenScreen final : public PartsScreen {
public:
    HyphenScreen(Module1& m, const ScreenEntry& e) : PartsScreen(m, e, design()) {
        Shape1 = add<Shape>(QStringLiteral("Shape1"));
        Shape1->Move(4800, 2310, 375, 375);
        Shape1->setFilled(true);
        Shape1->setFillColor(QColor(0, 0, 255));
        Shape1->setBorderColor(kYellow);
    }

    Shape* Shape1;

protected:
    // The first part, the gap marker and the second part in a row; no wrapping.
    void layOut() override {
        const GapPlaces at = gapParts(Label1(0)->Width());
        Label1(0)->setLeft(at.first);
        Shape1->setLeft(at.marker);
        if (Label* second = Label1(1)) second->setLeft(at.second);
    }

    void resetForNext() override {
        Timer2->setEnabled(false);
        for (Label* part : Label1) part->Hide();
        for (Label* box : Label5) box->setBackColor(kYellow);
        imgtick->Hide();
        imgcross->Hide();
        if (Label3) Label3->Hide();
        Label6->Hide();
    }
};

}  // namespace

Form* makeHyphen(Module1& m, const ScreenEntry& e) { return new HyphenScreen(m, e); }

const RowForm& hyphenRows() {
    static const PartsRows rows(design());
    return rows;
}

}  // namespace qm
