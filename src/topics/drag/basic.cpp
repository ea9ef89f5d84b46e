// Which words can be deleted and still leave a meaningful sentence?

#include "topics/drag/dustbin.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// A word that can be left out has one asterisk per letter in its key.
const DragRow kBank[] = {
    {u"The new red bike was hidden. ", u"The *** *** bike was hidden. "},
    {u"Public transport carries people in trains and buses. ", u"Public transport carries people ** ****** *** *****. "},
    {u"Joe, the football player, is a great striker. ", u"Joe *** ******** ****** is a great striker. "},
    {u"Cheese is made from cows, goats or buffalo milk. ", u"Cheese is made from **** ***** ** ******* milk. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .slotCount = 13,
        .wrap = true,
        .instruction = QStringLiteral("Identify the words that can be deleted and still leave a meaningful sentence."),
        .instructionPlace = {480, 120, 9495, 1335},
        .instructionPoints = 27.75,
        .secondInstruction = QStringLiteral("Drag the words that are not needed into the dustbin."),
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeBasic(Module1& m, const ScreenEntry& e) { return new DustbinScreen(m, e, design()); }

}  // namespace qm
