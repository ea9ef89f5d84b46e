// Find the preposition, then swap it for another that makes a sensible sentence.

#include "topics/swap/screens.h"
#include "topics/swap/swap_screen.h"

namespace qm {

namespace {

const SwapRow kBank[] = {
    {u"The gang hid behind the shed. ", u"The gang hid near the shed. ", {u"near", u"from", u"where", u"across"}},
    {u"She put the books on the shelf. ", u"She put the books beside the shelf. ", {u"beside", u"about", u"back", u"from"}},
    {u"The junk was moved from the loft. ", u"The junk was moved into the loft. ", {u"into", u"before", u"between", u"after"}},
    {u"Mia sat under the apple tree. ", u"Mia sat beside the apple tree. ", {u"beside", u"during", u"whose", u"since"}},
    {u"After lunch, Year 6 played rounders. ", u"Before lunch, Year 6 played rounders. ", {u"Before", u"Beside", u"Unless", u"Very"}},
    {u"Kwame left his boots by the door. ", u"Kwame left his boots outside the door. ", {u"outside", u"because", u"during", u"although"}},
    {u"We had a picnic in the park. ", u"We had a picnic near the park. ", {u"near", u"among", u"than", u"quite"}},
    {u"The box under my bed holds all my old toys. ", u"The box beside my bed holds all my old toys. ", {u"beside", u"during", u"whether", u"often"}},
    {u"The children walked along the beach. ", u"The children walked across the beach. ", {u"across", u"unless", u"quite", u"during"}},
    {u"A spider crawled up the drainpipe. ", u"A spider crawled down the drainpipe. ", {u"down", u"since", u"than", u"yet"}},
    {u"The ship sailed towards the harbour. ", u"The ship sailed from the harbour. ", {u"from", u"whether", u"unless", u"soon"}},
    {u"Grandma keeps biscuits in the blue tin. ", u"Grandma keeps biscuits inside the blue tin. ", {u"inside", u"though", u"during", u"nearly"}},
    {u"In winter, most hedgehogs hibernate. ", u"During winter, most hedgehogs hibernate. ", {u"During", u"Beneath", u"Because", u"Soon"}},
    {u"Oliver waited at the bus stop. ", u"Oliver waited by the bus stop. ", {u"by", u"soon", u"than", u"where"}},
    {u"The ducks swam under the little bridge. ", u"The ducks swam past the little bridge. ", {u"past", u"although", u"whose", u"never"}},
    {u"Our kitten hides beneath the sofa when it thunders. ", u"Our kitten hides behind the sofa when it thunders. ", {u"behind", u"except", u"whether", u"also"}},
    {u"At the weekend, Ayesha and Ellie went ice skating. ", u"Over the weekend, Ayesha and Ellie went ice skating. ", {u"Over", u"Between", u"Whether", u"Unless"}},
    {u"Across the road, a brass band was playing. ", u"Along the road, a brass band was playing. ", {u"Along", u"Until", u"Although", u"Rather"}},
    {u"The plane flew above the clouds. ", u"The plane flew below the clouds. ", {u"below", u"except", u"soon", u"why"}},
    {u"Harry lives near the railway station. ", u"Harry lives opposite the railway station. ", {u"opposite", u"than", u"during", u"yet"}},
    {u"The bread in the oven smells delicious. ", u"The bread from the oven smells delicious. ", {u"from", u"during", u"until", u"whose"}},
    {u"Jack fell asleep during the film. ", u"Jack fell asleep after the film. ", {u"after", u"beside", u"whose", u"unless"}},
    {u"We always go swimming after school. ", u"We always go swimming before school. ", {u"before", u"among", u"whether", u"than"}},
    {u"The shop is closed until Monday. ", u"The shop is closed on Monday. ", {u"on", u"beneath", u"because", u"very"}},
    {u"The fox crept through the hedge. ", u"The fox crept under the hedge. ", {u"under", u"whether", u"quickly", u"than"}},
    {u"Sparrows nested in the roof last spring. ", u"Sparrows nested under the roof last spring. ", {u"under", u"until", u"whose", u"rather"}},
    {u"The path through the woods was muddy. ", u"The path into the woods was muddy. ", {u"into", u"during", u"although", u"since"}},
    {u"Lily read a book about dinosaurs. ", u"Lily read a book on dinosaurs. ", {u"on", u"between", u"when", u"very"}},
    {u"Inside the museum, we saw a huge dinosaur skeleton. ", u"At the museum, we saw a huge dinosaur skeleton. ", {u"At", u"Whether", u"Often", u"Among"}},
    {u"Ben hid his diary under his pillow. ", u"Ben hid his diary beneath his pillow. ", {u"beneath", u"since", u"until", u"when"}},
};

const SwapDesign& design() {
    static const SwapDesign d{
        .instruction = QStringLiteral("Click on the preposition in the sentence below."),
        .secondInstruction = QStringLiteral(
            "Click STOP when the word in the box could be swapped with the preposition to make another sensible sentence."),
        .box = {3840, 4200, 2595, 735},
        .swappedPlace = {120, 6480, 11655, 855},
        .firstWordLeft = 240,
        .candidatesPerRow = 4,
        .emptiesBoxForNext = false,
        .oneWordSwap = true,
        .bank = kBank,
        .paperTask = QStringLiteral("Underline the preposition in each sentence, then circle the word that could take its place."),
    };
    return d;
}

}  // namespace

Form* makePrepositions(Module1& m, const ScreenEntry& e) { return new SwapScreen(m, e, design()); }

const RowForm& prepositionsRows() {
    static const SwapRows rows(design());
    return rows;
}

}  // namespace qm
