// Is the sentence in the first, second or third person? The key is the person, 1 to 3.

#include "topics/choice/choice_rows.h"
#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"I play the castanets.", 1},
    {u"You play the xylophone.", 2},
    {u"He plays the steel drums.", 3},
    {u"Keep going, you’ve almost finished.", 2},
    {u"They bought all the tickets yesterday.", 3},
    {u"I walk to school with my cousin.", 1},
    {u"We are building a den in the woods.", 1},
    {u"I have lost my swimming goggles.", 1},
    {u"We always eat pancakes on Shrove Tuesday.", 1},
    {u"I love the smell of fresh bread.", 1},
    {u"We won the netball match by three goals.", 1},
    {u"I am learning to ride a unicycle.", 1},
    {u"We packed our bags for the school trip.", 1},
    {u"I’m going to tidy my bedroom later.", 1},
    {u"You need to wear your wellies today.", 2},
    {u"You have a lovely singing voice.", 2},
    {u"Did you remember to feed the rabbit?", 2},
    {u"You are the best goalkeeper in the school.", 2},
    {u"You dance beautifully.", 2},
    {u"Have you finished your homework yet?", 2},
    {u"You must wash your hands before lunch.", 2},
    {u"You won first prize in the art competition!", 2},
    {u"She rides her pony every Saturday.", 3},
    {u"Jamal swims faster than anyone in his class.", 3},
    {u"The dog barks whenever the doorbell rings.", 3},
    {u"They are camping by the lake this weekend.", 3},
    {u"Olivia and Ben built a snowman.", 3},
    {u"He forgot his lunch box again.", 3},
    {u"It snowed all night long.", 3},
    {u"She is the captain of the hockey team.", 3},
};

const ClassifyDesign& design() {
    static const ClassifyDesign d{
        .boxes = {QStringLiteral("1st Person"), QStringLiteral("2nd Person"), QStringLiteral("3rd Person")},
        .instruction = QStringLiteral("Is the sentence below in the first, second or third person?"),
        .instructionColour = ChoiceScreen::kGreen,
        .instructionPlace = {1260, 0, 7575, 1275},
        .instructionPoints = 27.75,
        .questionPlace = {90, 1560, 9915, 1665},
        .promptPlace = {120, 4200, 9855, 735},
        .boxLefts = {120, 3480, 6840},
        .boxTop = 4920,
        .boxWidth = 3075,
        .boxHeight = 1575,
        .boxPoints = 30,
        .feedbackPlace = {2760, 7200, 4455, 1335},
        .feedbackPoints = 48,
        .keyOfFirstBox = 1,
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeVerbforms(Module1& m, const ScreenEntry& e) { return new ClassifyScreen(m, e, design()); }

const RowForm& verbformsRows() {
    static const ClassifyRows rows(design());
    return rows;
}

}  // namespace qm
