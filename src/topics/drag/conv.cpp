// Colloquial language: find the word that standard English would not use.

#include "topics/drag/drag_rows.h"
#include "topics/drag/dustbin.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// The colloquial word's key is the standard word that replaces it.
const DragRow kBank[] = {
    {u"My friend and me are having a sleepover. ", u"My friend and I are having a sleepover. "},
    {u"It was the teacher what said it. ", u"It was the teacher who said it. "},
    {u"Aisha and me walked to school. ", u"Aisha and I walked to school. "},
    {u"Them shoes are too small for me. ", u"Those shoes are too small for me. "},
    {u"I ain’t got my reading book. ", u"I haven’t got my reading book. "},
    {u"We was late for the bus. ", u"We were late for the bus. "},
    {u"Nana learnt me how to knit. ", u"Nana taught me how to knit. "},
    {u"Can you borrow me your ruler? ", u"Can you lend me your ruler? "},
    {u"I done my homework last night. ", u"I did my homework last night. "},
    {u"Mia brung her hamster to school. ", u"Mia brought her hamster to school. "},
    {u"I seen a fox in the garden. ", u"I saw a fox in the garden. "},
    {u"That film was well good. ", u"That film was very good. "},
    {u"That football is mines. ", u"That football is mine. "},
    {u"Josh has wrote a funny poem. ", u"Josh has written a funny poem. "},
    {u"They have went to the park. ", u"They have gone to the park. "},
    {u"Ollie played really good today. ", u"Ollie played really well today. "},
    {u"I was sat next to Ravi at lunch. ", u"I was sitting next to Ravi at lunch. "},
    {u"Gran was stood at the bus stop. ", u"Gran was standing at the bus stop. "},
    {u"Mum give me a sticker yesterday. ", u"Mum gave me a sticker yesterday. "},
    {u"Grandad come to see my play last week. ", u"Grandad came to see my play last week. "},
    {u"The boys enjoyed theirselves at the party. ", u"The boys enjoyed themselves at the party. "},
    {u"He made hisself a cheese sandwich. ", u"He made himself a cheese sandwich. "},
    {u"Sam could of won the sack race. ", u"Sam could have won the sack race. "},
    {u"I knowed the answer straight away. ", u"I knew the answer straight away. "},
    {u"You was brilliant in the play. ", u"You were brilliant in the play. "},
    {u"Zara don’t like spicy food. ", u"Zara doesn’t like spicy food. "},
    {u"I lost me gloves at the park. ", u"I lost my gloves at the park. "},
    {u"It ain’t my turn to feed the fish. ", u"It isn’t my turn to feed the fish. "},
    {u"Look at them dark clouds! ", u"Look at those dark clouds! "},
    {u"He were the fastest runner in Year 6. ", u"He was the fastest runner in Year 6. "},
    {u"We swum in the sea at Whitby. ", u"We swam in the sea at Whitby. "},
    {u"She sung a lovely song in assembly. ", u"She sang a lovely song in assembly. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .bank = {10, {240, 5400, false}, DragKey::Dustbin, {QStringLiteral("sentence"), QStringLiteral("key (the standard word in place of the colloquial one)")}, kBank, {}, QStringLiteral("Cross out the word in each sentence that is not standard English, and write the standard word in the box.")},
        .instruction = QStringLiteral("Identify the incorrect word in the sentence below and drag it into the dustbin."),
        .instructionPlace = {360, 120, 9615, 1335},
        .instructionPoints = 27.75,
        .secondInstruction = {},
    };
    return d;
}

}  // namespace

Form* makeConv(Module1& m, const ScreenEntry& e) { return new DustbinScreen(m, e, design()); }

const RowForm& convRows() {
    static const DragRows rows(design().bank);
    return rows;
}

}  // namespace qm
