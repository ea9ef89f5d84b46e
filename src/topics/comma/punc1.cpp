// Commas in direct speech, a sentence at a time in order.

#include "topics/comma/comma_screen.h"
#include "topics/comma/screens.h"

namespace qm {

namespace {

// Direct speech, shown in order: each sentence without its commas, then with them;
// the speech marks and every other mark are the same in both.
const CommaRow kBank[] = {
    {u"Mum said \"It's time for bed now.\" ", u"Mum said, \"It's time for bed now.\" "},
    {u"\"My feet are freezing\" grumbled Ellie. ", u"\"My feet are freezing,\" grumbled Ellie. "},
    {u"\"If we leave now\" said Dad \"we'll catch the early train.\" ",
     u"\"If we leave now,\" said Dad, \"we'll catch the early train.\" "},
    {u"Mr Singh announced \"The school trip is on Friday.\" ",
     u"Mr Singh announced, \"The school trip is on Friday.\" "},
    {u"\"Pass the ball Kofi\" shouted Megan. ", u"\"Pass the ball, Kofi,\" shouted Megan. "},
    {u"\"Mum where are my football boots?\" asked Harry. ", u"\"Mum, where are my football boots?\" asked Harry. "},
    {u"The lifeguard shouted \"Stay between the red and yellow flags!\" ",
     u"The lifeguard shouted, \"Stay between the red and yellow flags!\" "},
    {u"\"We need flour eggs butter and sugar\" said Gran. ", u"\"We need flour, eggs, butter and sugar,\" said Gran. "},
    {u"\"I've finished my book\" said Noah. \"Can I choose another one?\" ",
     u"\"I've finished my book,\" said Noah. \"Can I choose another one?\" "},
    {u"Chloe asked \"Can I borrow your blue pencil?\" ", u"Chloe asked, \"Can I borrow your blue pencil?\" "},
    {u"\"This painting\" said the museum guide \"is over three hundred years old.\" ",
     u"\"This painting,\" said the museum guide, \"is over three hundred years old.\" "},
    {u"\"The library closes at four o'clock\" said Mrs Chen. ",
     u"\"The library closes at four o'clock,\" said Mrs Chen. "},
    {u"Grandpa smiled and said \"When I was your age we didn't have mobile phones.\" ",
     u"Grandpa smiled and said, \"When I was your age, we didn't have mobile phones.\" "},
    {u"\"That was a brilliant goal Isla!\" cheered Grandad. ",
     u"\"That was a brilliant goal, Isla!\" cheered Grandad. "},
    {u"\"After the concert\" said Priya \"we can get some chips.\" ",
     u"\"After the concert,\" said Priya, \"we can get some chips.\" "},
    {u"The coach called out \"Jordan Femi and Lucy warm up by the goal.\" ",
     u"The coach called out, \"Jordan, Femi and Lucy, warm up by the goal.\" "},
    {u"\"Have you fed the rabbits Ollie?\" asked Mum. ", u"\"Have you fed the rabbits, Ollie?\" asked Mum. "},
    {u"\"Don't forget your homework\" called Mr Evans as we left. ",
     u"\"Don't forget your homework,\" called Mr Evans as we left. "},
    {u"Dev asked \"Shall we play football cricket or tag?\" ",
     u"Dev asked, \"Shall we play football, cricket or tag?\" "},
    {u"\"Yes I'd love to come to your party\" said Amara. ", u"\"Yes, I'd love to come to your party,\" said Amara. "},
    {u"Zara whispered \"Dad there's a kingfisher on the branch.\" ",
     u"Zara whispered, \"Dad, there's a kingfisher on the branch.\" "},
    {u"\"Before we start\" said Miss Patel \"please put your pencils down.\" ",
     u"\"Before we start,\" said Miss Patel, \"please put your pencils down.\" "},
    {u"\"Look at the rainbow Mum!\" shouted Maisie. ", u"\"Look at the rainbow, Mum!\" shouted Maisie. "},
    {u"Our teacher explained \"The castle which was built in 1250 has four towers.\" ",
     u"Our teacher explained, \"The castle, which was built in 1250, has four towers.\" "},
    {u"\"My favourite animals are otters pandas and penguins\" said Leon. ",
     u"\"My favourite animals are otters, pandas and penguins,\" said Leon. "},
    {u"Kai yelled \"Watch out for the puddle!\" ", u"Kai yelled, \"Watch out for the puddle!\" "},
    {u"\"Come and see this Jack\" said Sienna quietly. \"There's a hedgehog in the garden.\" ",
     u"\"Come and see this, Jack,\" said Sienna quietly. \"There's a hedgehog in the garden.\" "},
    {u"\"Can we go outside at break Mr Lewis?\" asked Ruby. ",
     u"\"Can we go outside at break, Mr Lewis?\" asked Ruby. "},
    {u"Hamza's sister called \"Dinner's ready everyone!\" ", u"Hamza's sister called, \"Dinner's ready, everyone!\" "},
    {u"\"Once upon a time\" began Grandma \"there lived a fox called Rusty.\" ",
     u"\"Once upon a time,\" began Grandma, \"there lived a fox called Rusty.\" "},
};

}  // namespace

Form* makePunc1(Module1& m, const ScreenEntry& e) { return new CommaScreen(m, e); }

const RowForm& punc1Rows() {
    static const CommaRows rows(kBank);
    return rows;
}

}  // namespace qm
