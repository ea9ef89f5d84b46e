// Which part of the sentence is the subordinate clause? Each part has its own colour and
// the pupil clicks the square of that colour.

#include "topics/choice/choice_rows.h"
#include "topics/choice/parts.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const PartsRow kBank[] = {
    {{u"The soldiers,", u"dressed in red,", u"marched past."}, 1},
    {{u"Their meal,", u"which was pizza and chips,", u"was delicious."}, 1},
    {{u"Although they play at different levels,", u"all footballers follow the same rules.", u""}, 0},
    {{u"The River Thames,", u"which is a tidal river,", u"flows through London."}, 1},
    {{u"When the bell rang,", u"the children lined up", u"in the playground."}, 0},
    {{u"My grandad,", u"who lives in Cardiff,", u"keeps bees in his garden."}, 1},
    {{u"Mum let us stay up late,", u"even though it was a school night.", u""}, 1},
    {{u"I met Tom,", u"my cousin,", u"who lives in Leeds."}, 2},
    {{u"If it stays sunny,", u"these tiny seeds will grow", u"into tall sunflowers."}, 0},
    {{u"The puppy chased its tail", u"until it was dizzy.", u""}, 1},
    {{u"Ravi,", u"who had trained all term,", u"won the sprint on sports day."}, 1},
    {{u"The castle", u"that we visited", u"was built by the Normans."}, 1},
    {{u"We visited York,", u"a historic city,", u"when we were on holiday."}, 2},
    {{u"When it snowed,", u"our teacher, Mr Ali,", u"built a snowman with us."}, 0},
    {{u"Chen", u"practised her lines for the play", u"until she knew them by heart."}, 2},
    {{u"Unless it stops snowing,", u"our school trip to the zoo", u"will be cancelled."}, 0},
    {{u"After lunch,", u"we built a huge sandcastle", u"while the tide was out."}, 2},
    {{u"Grandpa’s cake,", u"although it looked burnt,", u"tasted absolutely delicious."}, 1},
    {{u"After we had eaten our lunch,", u"we went rock-pooling.", u""}, 0},
    {{u"Although the sea was cold,", u"Finn", u"swam all the way out to the rocks."}, 0},
    {{u"At the museum,", u"we saw a whale skeleton", u"that was longer than a bus."}, 2},
    {{u"If you see Mr Hill,", u"our caretaker,", u"please give him this note."}, 0},
    {{u"Jamal kept his promise to his sister,", u"even though it was hard.", u""}, 1},
    {{u"The scientist", u"who discovered penicillin", u"was Alexander Fleming."}, 1},
    {{u"My little brother", u"cried", u"because he had dropped his ice cream."}, 2},
    {{u"Before you cross the road,", u"look both ways.", u""}, 0},
    {{u"The Romans built straight roads", u"so that their soldiers could march quickly.", u""}, 1},
    {{u"The leaves in the park", u"turned golden and red", u"as autumn arrived."}, 2},
    {{u"While Mum was at work,", u"Grandma", u"looked after us."}, 0},
};

QString answerLine(const QStringList& rows, int key) {
    return QStringLiteral("'") + rows.value(key) + QStringLiteral("' is the subordinate clause.");
}

const PartsDesign& design() {
    const QColor pink(255, 128, 128), green(128, 255, 128), mauve(255, 128, 255);
    static const PartsDesign d{
        .group = 3,
        .parts = 3,
        .partsTop = 1080,
        .flow = {},
        .partColours = {pink, green, mauve},
        .boxColours = {pink, green, mauve},
        .boxPlaces = {{960, 5760, 1635, 1635}, {4200, 5760, 1635, 1635}, {7440, 5760, 1635, 1635}},
        .boxCaptions = {},
        .instruction = QStringLiteral("Identify the subordinate clause."),
        .instructionColour = ChoiceScreen::kYellow,
        .instructionPlace = {120, 120, 9975, 735},
        .instructionPoints = 27.75,
        .prompt = QStringLiteral(
            "Click on the box which is the same colour as the subordinate clause in the sentence above."),
        .promptColour = ChoiceScreen::kYellow,
        .promptPlace = {120, 4200, 9855, 1215},
        .promptPoints = 24,
        .answerPlace = {120, 2640, 9855, 1215},
        .answerPoints = 24,
        .answerLine = answerLine,
        .feedbackPlace = {2760, 7500, 4455, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .keyName = QStringLiteral("subordinate clause"),
        .paperTask = QStringLiteral("Which part of each sentence is the subordinate clause? Write its number in the box."),
    };
    return d;
}

}  // namespace

Form* makeClause(Module1& m, const ScreenEntry& e) { return new PartsScreen(m, e, design()); }

const RowForm& clauseRows() {
    static const PartsRows rows(design());
    return rows;
}

}  // namespace qm
