// Which part of the sentence is the main clause? The other part is a subordinate clause
// or a phrase.

#include "topics/choice/choice_rows.h"
#include "topics/choice/parts.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const PartsRow kBank[] = {
    {{u"The potholers were all soaking wet", u"after a day underground."}, 0},
    {{u"Working at great speed,", u"the plumber repaired the burst pipe."}, 1},
    {{u"Baden Powell started the Boy Scouts,", u"which is now world wide."}, 0},
    {{u"When the rain stopped,", u"we went out to play."}, 1},
    {{u"The baby slept soundly,", u"despite all the noise."}, 0},
    {{u"Because she was late,", u"Aisha ran all the way to school."}, 1},
    {{u"Tom’s dog barks loudly", u"whenever the postman comes."}, 0},
    {{u"Before the concert began,", u"the choir warmed up their voices."}, 1},
    {{u"We waited under the bridge,", u"sheltering from the storm."}, 0},
    {{u"Gasping for breath,", u"the runner crossed the finish line."}, 1},
    {{u"The museum was closed,", u"which was very disappointing."}, 0},
    {{u"Although it was only March,", u"the sun felt warm."}, 1},
    {{u"Kofi scored the winning goal,", u"just before the final whistle."}, 0},
    {{u"If you listen carefully,", u"you can hear the sea."}, 1},
    {{u"Grandma knitted me a scarf,", u"though I had asked for a hat."}, 0},
    {{u"During the summer holidays,", u"we camped in the Lake District."}, 1},
    {{u"Mrs Patel laughed,", u"although the joke was silly."}, 0},
    {{u"With a loud crash,", u"the tower of bricks fell down."}, 1},
    {{u"The Vikings sailed across the North Sea,", u"hoping to find new land."}, 0},
    {{u"Since it was her birthday,", u"Lily chose the film."}, 1},
    {{u"Our class visited Stonehenge,", u"which is thousands of years old."}, 0},
    {{u"Hidden under the leaves,", u"the frog waited for a fly."}, 1},
    {{u"My brother never eats carrots", u"unless they are covered in gravy."}, 0},
    {{u"While the kettle boiled,", u"Grandpa buttered the toast."}, 1},
    {{u"Zainab loves maths,", u"whereas her brother prefers art."}, 0},
    {{u"Every morning before school,", u"Oscar walks the dog."}, 1},
    {{u"We planted the bulbs in October", u"so that they would flower in spring."}, 0},
    {{u"As the sun set,", u"the bats came out."}, 1},
    {{u"The lifeboat crew set off,", u"even though the sea was rough."}, 0},
    {{u"Clutching her new book,", u"Ella skipped out of the library."}, 1},
};

QString answerLine(const QStringList& rows, int key) {
    return QStringLiteral("'") + rows.value(key) + QStringLiteral("' is the main clause in the sentence.");
}

const PartsDesign& design() {
    const QColor mauve(255, 128, 255), black(0, 0, 0);
    static const PartsDesign d{
        .group = 2,
        .parts = 2,
        .partsTop = 1560,
        .flow = {},
        .partColours = {mauve, black},
        .boxColours = {mauve, black},
        .boxPlaces = {{2400, 5880, 1635, 1635}, {5880, 5880, 1635, 1635}},
        .boxCaptions = {},
        .instruction = QStringLiteral("Identify the main clause in the sentence below."),
        .instructionColour = ChoiceScreen::kYellow,
        .instructionPlace = {120, 120, 9975, 1335},
        .instructionPoints = 27.75,
        .prompt = QStringLiteral("Click on the box which is the same colour as the main clause in the sentence above."),
        .promptColour = ChoiceScreen::kYellow,
        .promptPlace = {120, 4440, 9855, 1215},
        .promptPoints = 24,
        .answerPlace = {120, 3120, 9855, 1215},
        .answerPoints = 24,
        .answerLine = answerLine,
        .feedbackPlace = {2760, 7560, 4455, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .keyName = QStringLiteral("main clause"),
        .paperTask = QStringLiteral("Which part of each sentence is the main clause? Write its number in the box."),
    };
    return d;
}

}  // namespace

Form* makeMainclause(Module1& m, const ScreenEntry& e) { return new PartsScreen(m, e, design()); }

const RowForm& mainclauseRows() {
    static const PartsRows rows(design());
    return rows;
}

}  // namespace qm
