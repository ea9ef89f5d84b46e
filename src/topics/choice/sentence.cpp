// Is the part shown in red the subject or the object of the sentence? The part in red and
// the answer are keyed separately: AnswerKey(2n) is the red part, AnswerKey(2n + 1) the
// answer (0 subject, 1 object). The parts carry their own spaces, so they follow on
// without a gap and never wrap.

#include "topics/choice/choice_rows.h"
#include "topics/choice/parts.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const PartsRow kBank[] = {
    {{u"Daniel", u" took Sam swimming."}, 0, 0},
    {{u"Joe caught ", u"the ball."}, 1, 1},
    {{u"Leo", u" was chased by Simon."}, 0, 0},
    {{u"The hungry fox", u" crept into the garden."}, 0, 0},
    {{u"Amira painted ", u"a colourful rainbow."}, 1, 1},
    {{u"Whose sandwich ", u"has the seagull stolen?"}, 0, 1},
    {{u"The children built ", u"an enormous snowman."}, 1, 1},
    {{u"Out of the hat jumped ", u"a white rabbit."}, 1, 0},
    {{u"Which book ", u"did you choose?"}, 0, 1},
    {{u"Our teacher read ", u"a funny poem."}, 1, 1},
    {{u"The window", u" was smashed by a football."}, 0, 0},
    {{u"The Romans invaded ", u"Britain."}, 1, 1},
    {{u"Where are ", u"my football boots?"}, 1, 0},
    {{u"Who ", u"left the gate open?"}, 0, 0},
    {{u"“Time for bed!” called ", u"Dad."}, 1, 0},
    {{u"The Tudors", u" ruled England for 118 years."}, 0, 0},
    {{u"Hassan fed ", u"the ducks."}, 1, 1},
    {{u"How old is ", u"your tortoise?"}, 1, 0},
    {{u"The volcano", u" erupted without warning."}, 0, 0},
    {{u"Over the fence flew ", u"a bright red kite."}, 1, 0},
    {{u"Down the hill rolled ", u"the giant cheese."}, 1, 0},
    {{u"What ", u"did you find in the attic?"}, 0, 1},
    {{u"What a mess ", u"the twins have made!"}, 0, 1},
    {{u"Grandad grows ", u"enormous tomatoes."}, 1, 1},
    {{u"Those trainers", u" were left out in the rain."}, 0, 0},
    {{u"Lucy scored ", u"the winning goal."}, 1, 1},
    {{u"Into the hall marched ", u"the headteacher."}, 1, 0},
    {{u"How many biscuits ", u"did you eat?"}, 0, 1},
    {{u"The bees", u" collected nectar from the flowers."}, 0, 0},
    {{u"Everyone congratulated ", u"Freya."}, 1, 1},
    {{u"Here comes ", u"the ice-cream van!"}, 1, 0},
};

const QColor kRed(192, 0, 0);

const PartsDesign& design() {
    static const PartsDesign d{
        .group = 2,
        .parts = 2,
        .partsTop = 2040,
        .flow = {.gap = 0, .wraps = false},
        .partColours = {ChoiceScreen::kYellow, ChoiceScreen::kYellow},
        .boxColours = {ChoiceScreen::kYellow, ChoiceScreen::kYellow},
        .boxPlaces = {{1200, 5280, 3315, 735}, {5640, 5280, 3315, 735}},
        .boxCaptions = {QStringLiteral("SUBJECT"), QStringLiteral("OBJECT")},
        .boxPoints = 27.75,
        .instruction =
            QStringLiteral("Is it the object or the subject of the sentence that is shown in red below?"),
        .instructionColour = ChoiceScreen::kGreen,
        .instructionPlace = {120, 120, 9975, 1335},
        .instructionPoints = 27.75,
        .prompt = QStringLiteral("Click on the correct box."),
        .promptColour = ChoiceScreen::kYellow,
        .promptPlace = {120, 4200, 9855, 735},
        .promptPoints = 24,
        .answerPlace = {},
        .answerPoints = 0,
        .feedbackPlace = {2760, 6960, 4455, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .redPart = true,
        .paperTask = QStringLiteral("Is the part in bold and underlined the subject or the object of the sentence? Circle the right answer."),
    };
    return d;
}

class SentenceScreen final : public PartsScreen {
public:
    SentenceScreen(Module1& m, const ScreenEntry& e) : PartsScreen(m, e, design()) {}

protected:
    // The red part is AnswerKey(2n).
    void markParts(int n) override {
        const VInt red = keyAt(2 * n);
        if (Label* part = red ? Label1(*red) : nullptr) {
            part->setFontBold(true);
            part->setForeColor(kRed);
        }
    }

    std::optional<int> rightBox() const override {
        if (!m.LastPick) return std::nullopt;
        const VInt answer = keyAt(2 * *m.LastPick + 1);
        if (!answer || *answer < 0 || *answer >= Label5.count()) return std::nullopt;
        return *answer;
    }

    void resetForNext() override {
        Timer2->setEnabled(false);
        for (int i : {0, 1}) {
            if (Label* box = Label5(i)) box->setBackColor(kYellow);
            if (Label* part = Label1(i)) {
                part->setForeColor(kYellow);
                part->setFontBold(false);
                part->Hide();
            }
        }
        imgtick->Hide();
        imgcross->Hide();
        Label6->Hide();
    }

private:
    VInt keyAt(int i) const { return i >= 0 && i < int(m.AnswerKey.size()) ? m.AnswerKey[i] : std::nullopt; }
};

}  // namespace

Form* makeSentence(Module1& m, const ScreenEntry& e) { return new SentenceScreen(m, e); }

const RowForm& sentenceRows() {
    static const PartsRows rows(design());
    return rows;
}

}  // namespace qm
