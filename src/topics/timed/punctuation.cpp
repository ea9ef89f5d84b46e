// Which mark is missing? The wheel turns eight different marks, and the questions come
// in order from the counter that the wheel's steps also move on.

#include "topics/timed/screens.h"
#include "topics/timed/wheel.h"

namespace qm {

namespace {

const WheelRow kBank[] = {
    {u"\"Look", u"!", u"\" yelled her brother."},
    {u"\"Is it still raining", u"?", u"\" asked the nurse."},
    {u"\"Here’s your coat", u",", u"\" I said."},
    {u"\"I’m not sure they", u"'", u"ll win,\" I said."},
    {u"There’s oil beneath the North Sea", u". ", u""},
    {u"Where’s the Isle of Man", u"? ", u""},
    {u"What a brilliant goal that was", u"!", u""},
    {u"We can", u"'", u"t find the remote control."},
    {u"\"Can I borrow your ruler", u"?", u"\" asked Noah."},
    {u"We packed buckets", u", ", u"spades and towels."},
    {u"She whispered, \"The baby is asleep", u".", u"\""},
    {u"\"Can I help you?", u"\"", u" asked the shopkeeper."},
    {u"Have you ever been to Scotland", u"? ", u""},
    {u"\"Tomorrow", u",", u"\" said Jo, \"we’ll go to the zoo.\""},
    {u"The Thames flows through London", u". ", u""},
    {u"The dog", u"'", u"s bowl is empty."},
    {u"How fast that cheetah can run", u"!", u""},
    {u"Sam shouted, ", u"\"", u"Watch out for the puddle!\""},
    {u"As soon as the film ended", u", ", u"we went outside."},
    {u"\"Where did you find that shell", u"?", u"\" asked Mum."},
    {u"The children", u"'", u"s paintings hang in the hall."},
    {u"Grandpa said, \"I was born in Glasgow", u".", u"\""},
    {u"Which planet is closest to the Sun", u"? ", u""},
    {u"\"Let’s build a den,", u"\"", u" said Aisha."},
    {u"What an enormous sandcastle you have built", u"!", u""},
    {u"My favourite colours are red", u", ", u"blue and green."},
    {u"\"If you’re ready", u",", u"\" said Miss Khan, \"we’ll begin.\""},
    {u"Most penguins live south of the equator", u". ", u""},
    {u"They", u"'", u"re going swimming on Saturday."},
    {u"Mr Lee asked, ", u"\"", u"Who has finished?\""},
};

const WheelDesign& design() {
    static const WheelDesign d{
        .instruction = QStringLiteral("Click the STOP button when the correct punctuation is shown to the right."),
        .instructionPlace = {120, 0, 9855, 1575},
        .instructionPoints = 27.75,
        .ring = {QPointF(4560, 2640), QPointF(6000, 3120), QPointF(7200, 4080), QPointF(6000, 5040),
                 QPointF(4560, 5520), QPointF(3120, 5040), QPointF(1920, 4080), QPointF(3120, 3120)},
        .windowFilled = false,
        .marks = {"?", ",", "!", ":", ".", "'", ";", "\""},
        .names = {"Question Mark", "Comma", "Exclamation Mark", "Colon", "Full Stop", "Apostrophe", "Semi-Colon",
                  "Quotation Marks"},
        .namePlace = {3240, 4155, 3615, 615},
        .namePoints = 20.25,
        .start = {120, 4200, 1515, 435},
        .stop = {8520, 4080, 1635, 675},
        .feedback = {9000, 2160, 2655, 1095},
        .sentence = {120, 6720, 9855, 1575},
        .markerOffset = 120,
        .line = {570, std::nullopt, 0},  // one line always
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makePunctuation(Module1& m, const ScreenEntry& e) { return new WheelScreen(m, e, design()); }

const RowForm& punctuationRows() {
    static const WheelRows rows(design());
    return rows;
}

}  // namespace qm
