// Should the word shown in red be followed by a comma?

#include "topics/comma/comma_screen.h"
#include "topics/comma/screens.h"

namespace qm {

namespace {

// Each sentence without its commas, then with them: commas in lists, after fronted
// adverbials, around parenthesis, with direct speech, with a name addressed and where
// they make the meaning clear.
const CommaRow kBank[] = {
    {u"Red amber and green are the traffic light colours. ", u"Red, amber and green are the traffic light colours. "},
    {u"France Germany Holland Italy are just some of the E.C. countries. ",
     u"France, Germany, Holland, Italy are just some of the E.C. countries. "},
    {u"The driver yelled \"Hold tight!\" ", u"The driver yelled, \"Hold tight!\" "},
    {u"\"Joe Alex Sam and Daniel come over here\" called Jen. ",
     u"\"Joe, Alex, Sam and Daniel, come over here,\" called Jen. "},
    {u"\"Mum\" I said \"this is my friend Ben.\" ", u"\"Mum,\" I said, \"this is my friend Ben.\" "},
    {u"After lunch the class planted sunflower seeds in the school garden. ",
     u"After lunch, the class planted sunflower seeds in the school garden. "},
    {u"We packed sandwiches crisps apples yoghurts and juice for the school trip. ",
     u"We packed sandwiches, crisps, apples, yoghurts and juice for the school trip. "},
    {u"Mr Hughes our head teacher plays the trumpet in assembly. ",
     u"Mr Hughes, our head teacher, plays the trumpet in assembly. "},
    {u"\"Put your coats on\" said Miss Adeyemi. ", u"\"Put your coats on,\" said Miss Adeyemi. "},
    {u"Please sit down Oliver. ", u"Please sit down, Oliver. "},
    {u"Lions tigers cheetahs and leopards all belong to the cat family. ",
     u"Lions, tigers, cheetahs and leopards all belong to the cat family. "},
    {u"As the sun began to set the owls came out to hunt. ", u"As the sun began to set, the owls came out to hunt. "},
    {u"Jamal who is only nine can already swim ten lengths. ",
     u"Jamal, who is only nine, can already swim ten lengths. "},
    {u"Let's eat Grandma! ", u"Let's eat, Grandma! "},
    {u"Uncle Tariq whispered \"The birds are nesting in the hedge.\" ",
     u"Uncle Tariq whispered, \"The birds are nesting in the hedge.\" "},
    {u"At the seaside we swam built sandcastles and ate ice creams. ",
     u"At the seaside, we swam, built sandcastles and ate ice creams. "},
    {u"Mount Everest the highest mountain in the world is in the Himalayas. ",
     u"Mount Everest, the highest mountain in the world, is in the Himalayas. "},
    {u"Freya can you help me carry these books? ", u"Freya, can you help me carry these books? "},
    {u"Before the match started both teams shook hands with the referee. ",
     u"Before the match started, both teams shook hands with the referee. "},
    {u"Aisha Tomasz Grace and Kwame are in the netball team. ",
     u"Aisha, Tomasz, Grace and Kwame are in the netball team. "},
    {u"\"If it stops raining\" said Mum \"we can go to the park.\" ",
     u"\"If it stops raining,\" said Mum, \"we can go to the park.\" "},
    {u"While Grandad was painting the dog sat quietly beside him. ",
     u"While Grandad was painting, the dog sat quietly beside him. "},
    {u"Boudicca who was queen of the Iceni fought against the Romans. ",
     u"Boudicca, who was queen of the Iceni, fought against the Romans. "},
    {u"Every Saturday morning Zainab goes swimming with her cousins. ",
     u"Every Saturday morning, Zainab goes swimming with her cousins. "},
    {u"Mrs Okafor needs scissors glue card string and tape for the art lesson. ",
     u"Mrs Okafor needs scissors, glue, card, string and tape for the art lesson. "},
    {u"\"Hannah your packed lunch is on the table\" called Dad. ",
     u"\"Hannah, your packed lunch is on the table,\" called Dad. "},
    {u"Our cat which is fourteen years old sleeps on the sofa all day. ",
     u"Our cat, which is fourteen years old, sleeps on the sofa all day. "},
    {u"Most of the time travellers worry about their luggage. ",
     u"Most of the time, travellers worry about their luggage. "},
    {u"Without making a sound the cat crept past the sleeping dog. ",
     u"Without making a sound, the cat crept past the sleeping dog. "},
    {u"Thank you for the lovely card Auntie Nadia. ", u"Thank you for the lovely card, Auntie Nadia. "},
};

}  // namespace

Form* makeComma2(Module1& m, const ScreenEntry& e) { return new CommaScreen(m, e); }

const RowForm& comma2Rows() {
    static const CommaRows rows(kBank);
    return rows;
}

}  // namespace qm
