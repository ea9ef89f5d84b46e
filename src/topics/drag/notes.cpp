// Note making: leave only the words the sentence needs.

#include "topics/drag/dustbin.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// A word that can be left out has a single asterisk in its key.
const DragRow kBank[] = {
    {u"The bad tempered traffic warden angrily stuck a yellow parking ticket on Jack’s car. ",
     u"The * * traffic warden * stuck a * parking ticket * Jack’s car. "},
    {u"On a chilly day in September my young cousin nervously joined the Nursery school. ",
     u"* * * * in September my * cousin * joined the Nursery school. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .slotCount = 17,
        .wrap = true,
        .instruction =
            QStringLiteral("Leave only the necessary words in the sentence below; drag the others to the dustbin."),
        .instructionPlace = {120, 120, 9855, 1335},
        .instructionPoints = 26.25,
        .secondInstruction = {},
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeNotes(Module1& m, const ScreenEntry& e) { return new DustbinScreen(m, e, design()); }

}  // namespace qm
