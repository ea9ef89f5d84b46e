// Which mark fills the gap: a colon, a semi-colon or a comma? The wheel turns full
// stops, commas, semi-colons and colons, each twice.

#include "topics/timed/screens.h"
#include "topics/timed/wheel.h"

namespace qm {

namespace {

// Rows 0 to 10 need a colon, 11 to 21 a semi-colon, 22 to 31 a comma.
const WheelRow kBank[] = {
    {u"Jen’s a serious pupil", u": ", u"she’s hardworking, intelligent and thoughtful."},
    {u"Punctuation has many parts", u": ", u"colons, apostrophes, commas and more."},
    {u"You will need the following", u": ", u"scissors, glue, card and string."},
    {u"Pack these for the trip", u": ", u"a raincoat, a sun hat and a packed lunch."},
    {u"Great Britain is made up of three countries", u": ", u"England, Scotland and Wales."},
    {u"The recipe needs only four ingredients", u": ", u"flour, butter, sugar and eggs."},
    {u"Our class looks after three pets", u": ", u"a hamster, a goldfish and a stick insect."},
    {u"Many animals are active at night", u": ", u"bats, owls, foxes and hedgehogs."},
    {u"The Romans built many things in Britain", u": ", u"roads, forts, baths and walls."},
    {u"Zainab plays three instruments", u": ", u"the piano, the flute and the drums."},
    {u"The ice-cream van sells four flavours", u": ", u"vanilla, strawberry, mint and chocolate."},
    {u"Ashwin likes football", u"; ", u"my friend Corey prefers cricket."},
    {u"Jill makes quilts and cushions", u"; ", u"the embroidery is by hand."},
    {u"Maria reads every night", u"; ", u"her brother hardly ever opens a book."},
    {u"It was raining heavily", u"; ", u"however, the match still went ahead."},
    {u"Some people enjoy hot summers", u"; ", u"others prefer cold, frosty winters."},
    {u"Dad packed the sandwiches", u"; ", u"my sister remembered the drinks."},
    {u"The first half was dull", u"; ", u"the second half was full of goals."},
    {u"My grandad grew up in Jamaica", u"; ", u"my nan grew up in Wales."},
    {u"My cat sleeps all day", u"; ", u"the kitten next door never stops playing."},
    {u"The sea was calm this morning", u"; ", u"now the waves are huge."},
    {u"Kai finished the race first", u"; ", u"his best friend came a close second."},
    {u"Workdays this week will be Monday", u", ", u"Tuesday and Friday."},
    {u"'Come along now", u", ", u"' smiled the nurse."},
    {u"She said with a sly grin", u", ", u"'This won’t hurt.'"},
    {u"After the storm", u", ", u"the beach was covered in seaweed."},
    {u"As soon as the bell rang", u", ", u"the children rushed outside."},
    {u"Mr Patel", u", ", u"our head teacher, cycles to school every day."},
    {u"We saw ducks", u", ", u"swans and geese on the lake."},
    {u"Would you like another biscuit", u", ", u"Grandad?"},
    {u"Carefully", u", ", u"Amir carried the tray of drinks to the table."},
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
