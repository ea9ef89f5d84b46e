// Colloquial language: find the word that standard English would not use.

#include "topics/drag/dustbin.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// The colloquial word's key is the standard word that replaces it.
const DragRow kBank[] = {
    {u"My friend and me are having a sleepover. ", u"My friend and I are having a sleepover. "},
    {u"It was the teacher what said it. ", u"It was the teacher who said it. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .slotCount = 10,
        .wrap = false,
        .instruction = QStringLiteral("Identify the incorrect word in the sentence below and drag it into the dustbin."),
        .instructionPlace = {360, 120, 9615, 1335},
        .instructionPoints = 27.75,
        .secondInstruction = {},
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeConv(Module1& m, const ScreenEntry& e) { return new DustbinScreen(m, e, design()); }

}  // namespace qm
