// Note making: leave only the words the sentence needs.

#include "topics/drag/drag_rows.h"
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
    {u"Despite the pouring rain, Gran ran the London Marathon in five hours. ",
     u"* * * * Gran ran the London Marathon in five hours. "},
    {u"The enormous blue whale is easily the largest animal on Earth. ",
     u"The * blue whale is * the largest animal on Earth. "},
    {u"Our friendly school cook makes fantastic roast dinners every Thursday. ",
     u"Our * school cook makes * roast dinners every Thursday. "},
    {u"Incredibly, the tiny hummingbird can beat its wings about fifty times a second. ",
     u"* the * hummingbird can beat its wings about fifty times a second. "},
    {u"In December 1911, the determined Norwegian explorer Roald Amundsen finally reached the South Pole. ",
     u"In December 1911, the * Norwegian explorer Roald Amundsen * reached the South Pole. "},
    {u"The vast Sahara is the largest hot desert in the world. ",
     u"The * Sahara is the largest hot desert in the world. "},
    {u"Amazingly, the Egyptians built the gigantic pyramids at Giza over four thousand years ago. ",
     u"* the Egyptians built the * pyramids at Giza over four thousand years ago. "},
    {u"Luckily, the brave lifeboat crew quickly rescued four fishermen from the stormy sea. ",
     u"* the * lifeboat crew * rescued four fishermen from the * sea. "},
    {u"To be honest, I really think homework should be banned on Fridays. ",
     u"* * * I * think homework should be banned on Fridays. "},
    {u"The mighty River Thames flows gently through London to the North Sea. ",
     u"The * River Thames flows * through London to the North Sea. "},
    {u"Poisonous berries can make you very ill, so never pick them. ",
     u"Poisonous berries can make you * ill, so never pick them. "},
    {u"Penguins are flightless birds, but they swim amazingly well. ",
     u"Penguins are flightless birds, but they swim * well. "},
    {u"Sadly, the school trip to the zoo was cancelled because of a terrible storm. ",
     u"* the school trip to the zoo was cancelled because of a * storm. "},
    {u"On a lovely sunny afternoon, Grandpa and I flew my new kite on the beach. ",
     u"* * * * * Grandpa and I flew my * kite on the beach. "},
    {u"In 1666, the terrible Great Fire of London famously started in a bakery on Pudding Lane. ",
     u"In 1666, the * Great Fire of London * started in a bakery on Pudding Lane. "},
    {u"Our talented netball team played brilliantly and won the county cup for the very first time. ",
     u"Our * netball team played * and won the county cup for the * first time. "},
    {u"Pupils with long hair must tie it back neatly in science lessons. ",
     u"Pupils with long hair must tie it back * in science lessons. "},
    {u"My hungry sister secretly ate the last slice of Mum’s delicious chocolate cake. ",
     u"My * sister * ate the last slice of Mum’s * chocolate cake. "},
    {u"The thrilling legend of Robin Hood is set in beautiful Sherwood Forest in Nottinghamshire. ",
     u"The * legend of Robin Hood is set in * Sherwood Forest in Nottinghamshire. "},
    {u"Much to our delight, snow closed every school in our town on Monday. ",
     u"* * * * snow closed every school in our town on Monday. "},
    {u"At the seaside, never swim in the sea when the red flag is flying. ",
     u"* * * never swim in the sea when the red flag is flying. "},
    {u"Our lazy old cat, Tiger, sleeps on the warm radiator for most of the day. ",
     u"Our * * cat, Tiger, sleeps on the * radiator for most of the day. "},
    {u"The spectacular, thundering waterfalls at Niagara lie on the border between Canada and the USA. ",
     u"The * * waterfalls at Niagara lie on the border between Canada and the USA. "},
    {u"In 1969, the brave American astronaut Neil Armstrong became the first person to walk on the Moon. ",
     u"In 1969, the * American astronaut Neil Armstrong became the first person to walk on the Moon. "},
    {u"Each spring, frogs lay thousands of slimy eggs in still water. ",
     u"Each spring, frogs lay thousands of * eggs in still water. "},
    {u"Surprisingly, only female mosquitoes bite people and animals. ",
     u"* only female mosquitoes bite people and animals. "},
    {u"Believe it or not, giant pandas spend up to fourteen hours a day munching on tasty bamboo. ",
     u"* * * * giant pandas spend up to fourteen hours a day munching on * bamboo. "},
    {u"Kofi carefully built a fantastic model of a Roman fort for his history project. ",
     u"Kofi * built a * model of a Roman fort for his history project. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .bank = {17, {240, 5400, true}, DragKey::Dustbin, {QStringLiteral("sentence"), QStringLiteral("key (* for each word to drag out)")}, kBank, {}, QStringLiteral("Cross out the words that are not needed, leaving a shorter sentence that keeps the main facts.")},
        .instruction =
            QStringLiteral("Leave only the necessary words in the sentence below; drag the others to the dustbin."),
        .instructionPlace = {120, 120, 9855, 1335},
        .instructionPoints = 26.25,
        .secondInstruction = {},
    };
    return d;
}

}  // namespace

Form* makeNotes(Module1& m, const ScreenEntry& e) { return new DustbinScreen(m, e, design()); }

const RowForm& notesRows() {
    static const DragRows rows(design().bank);
    return rows;
}

}  // namespace qm
