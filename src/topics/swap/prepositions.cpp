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
    {u"The cat jumped over the wall. ", u"The cat jumped onto the wall. ", {u"onto", u"until", u"than", u"whether"}},
    {u"Kwame left his boots by the door. ", u"Kwame left his boots outside the door. ", {u"outside", u"because", u"during", u"although"}},
    {u"We had a picnic in the park. ", u"We had a picnic near the park. ", {u"near", u"among", u"than", u"quite"}},
    {u"Dad parked the car outside the school. ", u"Dad parked the car behind the school. ", {u"behind", u"whenever", u"since", u"very"}},
    {u"The children walked along the beach. ", u"The children walked across the beach. ", {u"across", u"unless", u"quite", u"during"}},
    {u"A spider crawled up the drainpipe. ", u"A spider crawled down the drainpipe. ", {u"down", u"since", u"than", u"yet"}},
    {u"The ship sailed towards the harbour. ", u"The ship sailed from the harbour. ", {u"from", u"whether", u"unless", u"soon"}},
    {u"Grandma keeps biscuits in the blue tin. ", u"Grandma keeps biscuits inside the blue tin. ", {u"inside", u"though", u"during", u"nearly"}},
    {u"The football rolled across the playground. ", u"The football rolled along the playground. ", {u"along", u"because", u"except", u"very"}},
    {u"Oliver waited at the bus stop. ", u"Oliver waited by the bus stop. ", {u"by", u"soon", u"than", u"where"}},
    {u"The ducks swam under the little bridge. ", u"The ducks swam past the little bridge. ", {u"past", u"although", u"whose", u"never"}},
    {u"Leo hung his coat on the chair. ", u"Leo hung his coat over the chair. ", {u"over", u"during", u"than", u"when"}},
    {u"Ayesha ran around the field. ", u"Ayesha ran through the field. ", {u"through", u"unless", u"why", u"quite"}},
    {u"The tiger paced inside its enclosure. ", u"The tiger paced around its enclosure. ", {u"around", u"since", u"whether", u"very"}},
    {u"The plane flew above the clouds. ", u"The plane flew below the clouds. ", {u"below", u"except", u"soon", u"why"}},
    {u"Harry lives near the railway station. ", u"Harry lives opposite the railway station. ", {u"opposite", u"than", u"during", u"yet"}},
    {u"A robin landed on the fence. ", u"A robin landed behind the fence. ", {u"behind", u"whether", u"often", u"since"}},
    {u"Jack fell asleep during the film. ", u"Jack fell asleep after the film. ", {u"after", u"beside", u"whose", u"unless"}},
    {u"We always go swimming after school. ", u"We always go swimming before school. ", {u"before", u"among", u"whether", u"than"}},
    {u"The shop is closed until Monday. ", u"The shop is closed on Monday. ", {u"on", u"beneath", u"because", u"very"}},
    {u"The fox crept through the hedge. ", u"The fox crept under the hedge. ", {u"under", u"whether", u"quickly", u"than"}},
    {u"The rabbit hopped past the kennel. ", u"The rabbit hopped towards the kennel. ", {u"towards", u"unless", u"whose", u"quite"}},
    {u"Tom threw the ball over the net. ", u"Tom threw the ball into the net. ", {u"into", u"although", u"during", u"soon"}},
    {u"Lily read a book about dinosaurs. ", u"Lily read a book on dinosaurs. ", {u"on", u"between", u"when", u"very"}},
    {u"The snow fell during the night. ", u"The snow fell in the night. ", {u"in", u"beside", u"whether", u"than"}},
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
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makePrepositions(Module1& m, const ScreenEntry& e) { return new SwapScreen(m, e, design()); }

}  // namespace qm
