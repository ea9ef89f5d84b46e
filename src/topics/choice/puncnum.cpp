// How many punctuation marks are missing from the sentence?

#include "topics/choice/choice_rows.h"
#include "topics/choice/counting.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const CountRow kBank[] = {
    {u"It opens on Mondays Tuesdays Thursdays and Saturdays", 3, u"It opens on Mondays, Tuesdays, Thursdays and Saturdays."},
    {u"Mr Walker the new teacher teaches English Science and Music.", 3, u"Mr Walker, the new teacher, teaches English, Science and Music."},
    {u"Your dogs just chewed my Dads slipper", 3, u"Your dog’s just chewed my Dad’s slipper."},
    {u"The ingredients are according to the recipe brown flour organic eggs and unsalted butter", 4, u"The ingredients are, according to the recipe: brown flour, organic eggs and unsalted butter."},
    {uR"("Weve found someones wallet, said Tom)", 4, uR"("We’ve found someone’s wallet," said Tom.)"},
    {u"Where did you put the scissors", 1, u"Where did you put the scissors?"},
    {u"What a brilliant goal that was", 1, u"What a brilliant goal that was!"},
    {u"The hamster ran round its wheel all night", 1, u"The hamster ran round its wheel all night."},
    {u"Have you ever been to Scotland", 1, u"Have you ever been to Scotland?"},
    {u"The childrens coats are in the cloakroom", 2, u"The children’s coats are in the cloakroom."},
    {u"The sun came out the puddles soon dried up", 2, u"The sun came out; the puddles soon dried up."},
    {u"The teachers cars were covered in snow", 2, u"The teachers’ cars were covered in snow."},
    {u"Ellie come and look at this", 2, u"Ellie, come and look at this!"},
    {u"Does anyone know where Jacks book is", 2, u"Does anyone know where Jack’s book is?"},
    {u"Wow look at all those stars", 2, u"Wow, look at all those stars!"},
    {u"We packed sandwiches crisps apples and juice", 3, u"We packed sandwiches, crisps, apples and juice."},
    {u"Zainabs brother doesnt like cheese", 3, u"Zainab’s brother doesn’t like cheese."},
    {u"The Severn the longest river in Britain starts in Wales", 3, u"The Severn (the longest river in Britain) starts in Wales."},
    {u"You will need three things a pencil a ruler and a rubber", 3, u"You will need three things: a pencil, a ruler and a rubber."},
    {u"Oh no Ive left my lunch box on the bus", 3, u"Oh no, I’ve left my lunch box on the bus!"},
    {u"Cardiff the capital of Wales has a huge castle", 3, u"Cardiff, the capital of Wales, has a huge castle."},
    {u"Its cold outside isnt it", 4, u"It’s cold outside, isn’t it?"},
    {u"Are we there yet asked Kofi", 4, uR"("Are we there yet?" asked Kofi.)"},
    {u"Im sure theyll love the present youve chosen", 4, u"I’m sure they’ll love the present you’ve chosen."},
    {u"Ben Nevis which is in Scotland is Britains highest mountain", 4, u"Ben Nevis, which is in Scotland, is Britain’s highest mountain."},
    {u"Hurry up Sam or well miss the train", 4, u"Hurry up, Sam, or we’ll miss the train!"},
    {u"Lets go to the park said Mia", 5, uR"("Let’s go to the park," said Mia.)"},
    {u"Grandad said Dont forget your scarf", 5, uR"(Grandad said, "Don’t forget your scarf.")"},
    {u"Well need flour eggs butter sugar and milk", 5, u"We’ll need flour, eggs, butter, sugar and milk."},
    {u"Wheres my phone asked Dad", 5, uR"("Where’s my phone?" asked Dad.)"},
    {u"Can I help asked Sitas dad", 5, uR"("Can I help?" asked Sita’s dad.)"},
};

}  // namespace

Form* makePuncnum(Module1& m, const ScreenEntry& e) {
    return new CountingScreen(m, e,
                              QStringLiteral("How many punctuation marks are missing from the following sentence?"));
}

const RowForm& puncnumRows() {
    static const CountingRows rows(countingBank(QStringLiteral("marks missing"), QString(), kBank));
    return rows;
}

}  // namespace qm
