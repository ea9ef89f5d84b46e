// Does the apostrophe show possession or a contraction?

#include "topics/choice/choice_rows.h"
#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"Van Gogh's paintings are worth a fortune.", 0},
    {u"That's not fair.", 1},
    {u"Who knows what we’re supposed to be doing.", 1},
    {u"Ali’s calculator was defective.", 0},
    {u"My parents’ car is parked outside.", 0},
    {u"The dog’s lead is hanging by the door.", 0},
    {u"Someone’s phone is ringing in the hall.", 0},
    {u"My grandma’s garden is full of roses.", 0},
    {u"The teacher’s desk was covered in books.", 0},
    {u"The children’s coats were soaking wet.", 0},
    {u"Ella found her brother’s shoe under the sofa.", 0},
    {u"The cat’s whiskers twitched in the breeze.", 0},
    {u"The men’s race is the last event of the day.", 0},
    {u"The girls’ changing room was locked.", 0},
    {u"The school’s new library opens next week.", 0},
    {u"We stayed at Aunt Mei’s flat in the holidays.", 0},
    {u"The horse’s mane was long and tangled.", 0},
    {u"Everybody’s paintings were pinned on the wall.", 0},
    {u"I can’t find my reading book.", 1},
    {u"Don’t forget your packed lunch.", 1},
    {u"We’re going swimming after school.", 1},
    {u"They’ve already eaten all the biscuits.", 1},
    {u"The dog’s barking at the postman again.", 1},
    {u"Dad’s gone to work early today.", 1},
    {u"I’m the tallest person in my class.", 1},
    {u"My sister’s coming to watch the play.", 1},
    {u"The kettle’s just boiled.", 1},
    {u"The teacher’s not very happy with us today.", 1},
    {u"Grandad’s been to Australia twice.", 1},
    {u"The film’s about to start.", 1},
    {u"There’s a spider in the bath!", 1},
    {u"Let’s have a picnic by the river.", 1},
};

const ClassifyDesign& design() {
    static const ClassifyDesign d{
        .boxes = {QStringLiteral("POSSESSION"), QStringLiteral("CONTRACTION")},
        .instruction = QStringLiteral("Identify the reason for the apostrophe in the sentence below."),
        .instructionColour = ChoiceScreen::kYellow,
        .instructionPlace = {720, 0, 8655, 1875},
        .instructionPoints = 30,
        .questionPlace = {120, 2040, 10755, 1905},
        .promptPlace = {120, 4560, 9855, 735},
        .boxLefts = {240, 5280},
        .boxTop = 5280,
        .boxWidth = 4635,
        .boxHeight = 735,
        .boxPoints = 27.75,
        .feedbackPlace = {2760, 6960, 4455, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeApostrophe(Module1& m, const ScreenEntry& e) { return new ClassifyScreen(m, e, design()); }

const RowForm& apostropheRows() {
    static const ClassifyRows rows(design());
    return rows;
}

}  // namespace qm
