// Which mark fills the gap: a colon, a semi-colon or a comma? The wheel turns full
// stops, commas, semi-colons and colons, each twice.

#include "topics/timed/screens.h"
#include "topics/timed/wheel.h"

namespace qm {

namespace {

// Rows 0 to 10 need a colon, 11 to 21 a semi-colon, 22 to 31 a comma. A mark is stored
// with the space that follows it in the sentence: none before a closing quotation mark.
const WheelRow kBank[] = {
    {u"Jen’s a serious pupil", u": ", u"she’s hardworking, intelligent and thoughtful."},
    {u"Punctuation has many parts", u": ", u"colons, apostrophes, commas and more."},
    {u"You will need the following", u": ", u"scissors, glue, card and string."},
    {u"Pack these for the trip", u": ", u"a raincoat, a sun hat and a packed lunch."},
    {u"Great Britain is made up of three countries", u": ", u"England, Scotland and Wales."},
    {u"The recipe needs only four ingredients", u": ", u"flour, butter, sugar and eggs."},
    {u"Our class looks after some lively pets", u": ", u"a hamster, a goldfish and a stick insect."},
    {u"Only one animal escaped", u": ", u"the zoo’s cheeky penguin."},
    {u"The Romans left their mark on Britain", u": ", u"roads, forts, baths and walls."},
    {u"Amir knew what he wanted", u": ", u"a puppy."},
    {u"The box held a surprise", u": ", u"the tiniest kitten I had ever seen."},
    {u"Ashwin likes football", u"; ", u"my friend Corey prefers cricket."},
    {u"Jill makes quilts and cushions", u"; ", u"the embroidery is by hand."},
    {u"Maria reads every night", u"; ", u"her brother prefers football, tennis and swimming."},
    {u"It was raining heavily", u"; ", u"however, the match still went ahead."},
    {u"Some people enjoy hot summers", u"; ", u"others prefer cold, frosty winters."},
    {u"Dad packed the sandwiches", u"; ", u"my sister remembered the plates, cups and drinks."},
    {u"The first half was dull", u"; ", u"the second half had goals, penalties and a red card."},
    {u"My grandad grew up in Jamaica", u"; ", u"my nan grew up in Wales."},
    {u"Zoe sings in the choir", u"; ", u"the rest of her family play guitar, drums and piano."},
    {u"Most of my friends walk to school", u"; ", u"a few come by bus."},
    {u"Kai finished the race first", u"; ", u"his best friend came a close second."},
    {u"Workdays this week will be Monday", u", ", u"Tuesday and Friday."},
    {u"'Come along now", u",", u"' smiled the nurse."},
    {u"She said with a sly grin", u", ", u"'This won’t hurt.'"},
    {u"After three days of storms", u", ", u"our beach was full of shells, wood and seaweed."},
    {u"As soon as the bell rang", u", ", u"Sam, Leo and Ava rushed outside."},
    {u"Mr Patel", u", ", u"our head teacher, cycles to school every day."},
    {u"We saw ducks", u", ", u"swans, geese and herons on the lake."},
    {u"Would you like one more biscuit", u", ", u"Grandad?"},
    {u"For the picnic, we packed sandwiches", u", ", u"crisps, apples and lemonade."},
    {u"Our new puppy", u", ", u"who is called Pepper, loves chasing her tail."},
};

const WheelDesign& design() {
    static const WheelDesign d{
        .instruction = QStringLiteral("Click the STOP button when the correct punctuation is shown."),
        .instructionPlace = {120, 120, 9855, 1215},
        .instructionPoints = 24,
        .ring = {QPointF(4560, 2880), QPointF(6000, 3360), QPointF(7080, 4320), QPointF(6000, 5280),
                 QPointF(4560, 5760), QPointF(3120, 5280), QPointF(2040, 4320), QPointF(3120, 3360)},
        .windowFilled = true,
        .marks = {".", ",", ";", ":", ".", ",", ";", ":"},
        .names = {"Full Stop", "Comma", "Semi-colon", "Colon", "Full Stop", "Comma", "Semi-colon", "Colon"},
        .namePlace = {3600, 4320, 2895, 735},
        .namePoints = 27.75,
        .start = {240, 4470, 1515, 435},
        .stop = {8400, 4350, 1635, 675},
        .feedback = {7320, 5400, 2655, 1095},
        .sentence = {120, 6600, 9855, 1575},
        .markerOffset = 90,
        // A text after the gap that would end right of 11760 twips continues on the next line.
        .line = {570, 11760, 600},
        .bank = kBank,
        .markSpaced = true,
    };
    return d;
}

}  // namespace

Form* makeComma(Module1& m, const ScreenEntry& e) { return new WheelScreen(m, e, design()); }

const RowForm& commaRows() {
    static const WheelRows rows(design());
    return rows;
}

}  // namespace qm
