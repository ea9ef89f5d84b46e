// Find the connective, then swap it for another that makes a sensible sentence.

#include "topics/swap/screens.h"
#include "topics/swap/swap_screen.h"

namespace qm {

namespace {

const SwapRow kBank[] = {
    {u"They cheered when they saw their results. ", u"They cheered because they saw their results. ",
     {u"because", u"nevertheless", u"however"}},
    {u"He couldn’t finish it, so he went home. ", u"He couldn’t finish it, consequently he went home. ",
     {u"consequently", u"moreover", u"also"}},
    {u"He didn’t want an umbrella although it was raining. ", u"He didn’t want an umbrella even though it was raining. ",
     {u"even though", u"mistakenly", u"finally"}},
    {u"We stayed inside because it was pouring with rain. ", u"We stayed inside as it was pouring with rain. ",
     {u"as", u"so", u"unless"}},
    {u"Zac read a comic before he went to sleep. ", u"Zac read a comic until he went to sleep. ",
     {u"until", u"if", u"however"}},
    {u"I can come if Mum says yes. ", u"I can come as long as Mum says yes. ", {u"as long as", u"although", u"afterwards"}},
    {u"Ruby loves swimming, but she hates diving. ", u"Ruby loves swimming, although she hates diving. ",
     {u"although", u"unless", u"finally"}},
    {u"The dog barked when the doorbell rang. ", u"The dog barked whenever the doorbell rang. ",
     {u"whenever", u"therefore", u"although"}},
    {u"We can play outside after we finish our work. ", u"We can play outside once we finish our work. ",
     {u"once", u"whereas", u"so"}},
    {u"Nobody can leave until the bell rings. ", u"Nobody can leave before the bell rings. ",
     {u"before", u"whereas", u"or"}},
    {u"Tariq was tired, but he kept on running. ", u"Tariq was tired, yet he kept on running. ",
     {u"yet", u"or", u"therefore"}},
    {u"Chloe tidied her room while her brother watched TV. ", u"Chloe tidied her room whilst her brother watched TV. ",
     {u"whilst", u"therefore", u"nor"}},
    {u"Mum made dinner while Dad fed the cat. ", u"Mum made dinner as Dad fed the cat. ", {u"as", u"nor", u"furthermore"}},
    {u"Although it was late, Dad read us another story. ", u"Though it was late, Dad read us another story. ",
     {u"Though", u"Therefore", u"So"}},
    {u"Grandad fell asleep as soon as the film started. ", u"Grandad fell asleep when the film started. ",
     {u"when", u"whereas", u"or"}},
    {u"Take your coat in case it rains. ", u"Take your coat if it rains. ", {u"if", u"although", u"so"}},
    {u"Mrs Khan was proud because we had worked hard. ", u"Mrs Khan was proud since we had worked hard. ",
     {u"since", u"whereas", u"or"}},
    {u"The river flooded after it had rained for days. ", u"The river flooded because it had rained for days. ",
     {u"because", u"although", u"moreover"}},
    {u"Leila wanted a puppy, but her mum said no. ", u"Leila wanted a puppy, yet her mum said no. ",
     {u"yet", u"so that", u"if"}},
    {u"I’ll wait by the gate until you come back. ", u"I’ll wait by the gate till you come back. ",
     {u"till", u"although", u"nor"}},
    {u"Since it was sunny, we ate lunch outside. ", u"As it was sunny, we ate lunch outside. ",
     {u"As", u"Unless", u"So"}},
    {u"Ivan kept running even though his legs ached. ", u"Ivan kept running although his legs ached. ",
     {u"although", u"because", u"instead"}},
    {u"Jamal couldn’t play because he had hurt his ankle. ", u"Jamal couldn’t play as he had hurt his ankle. ",
     {u"as", u"so", u"unless"}},
    {u"Don’t cross the road until the light is green. ", u"Don’t cross the road unless the light is green. ",
     {u"unless", u"whereas", u"afterwards"}},
    {u"My sister likes cats, whereas I prefer dogs. ", u"My sister likes cats, but I prefer dogs. ",
     {u"but", u"because", u"if"}},
    {u"Ben likes football and his sister likes netball. ", u"Ben likes football whereas his sister likes netball. ",
     {u"whereas", u"until", u"therefore"}},
    {u"Ellie smiled as she opened her present. ", u"Ellie smiled while she opened her present. ",
     {u"while", u"also", u"unless"}},
    {u"Freya was very nervous before she sang in the concert. ", u"Freya was very nervous when she sang in the concert. ",
     {u"when", u"whereas", u"nor"}},
    {u"If it snows tomorrow, we can build a snowman. ", u"When it snows tomorrow, we can build a snowman. ",
     {u"When", u"Although", u"But"}},
    {u"It was cold, and Nadia wore her woolly hat. ", u"It was cold, so Nadia wore her woolly hat. ",
     {u"so", u"because", u"if"}},
};

const SwapDesign& design() {
    static const SwapDesign d{
        .instruction = QStringLiteral("Click on the connective in the sentence below."),
        .secondInstruction = QStringLiteral(
            "Click STOP when the word in the box could be swapped with the connective to make another sensible sentence."),
        .box = {3120, 4200, 4035, 735},
        .swappedPlace = {120, 6420, 11655, 1095},
        .firstWordLeft = 120,
        .candidatesPerRow = 3,
        .emptiesBoxForNext = true,
        .oneWordSwap = false,
        .bank = kBank,
        .paperTask = QStringLiteral("Underline the connective in each sentence, then circle the word that could take its place."),
    };
    return d;
}

}  // namespace

Form* makeConnectives(Module1& m, const ScreenEntry& e) { return new SwapScreen(m, e, design()); }

const RowForm& connectivesRows() {
    static const SwapRows rows(design());
    return rows;
}

}  // namespace qm
