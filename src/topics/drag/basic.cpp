// Which words can be deleted and still leave a meaningful sentence?

#include "topics/drag/drag_rows.h"
#include "topics/drag/dustbin.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// A word that can be left out has one asterisk per letter in its key.
const DragRow kBank[] = {
    {u"The new red bike was hidden. ", u"The *** *** bike was hidden. "},
    {u"Public transport carries people in trains and buses. ",
     u"Public transport carries people ** ****** *** *****. "},
    {u"Joe, the football player, is a great striker. ", u"Joe *** ******** ****** is a great striker. "},
    {u"Cheese is made from cows, goats or buffalo milk. ", u"Cheese is made from **** ***** ** ******* milk. "},
    {u"A tiny spider spun its web in the corner. ", u"A **** spider spun its web ** *** ******. "},
    {u"Grandma carefully wrapped the parcel. ", u"Grandma ********* wrapped the parcel. "},
    {u"Our class visited the enormous castle last Tuesday. ", u"Our class visited the ******** castle **** *******. "},
    {u"Amara (my best friend) plays the violin. ", u"Amara ** **** ****** plays the violin. "},
    {u"The hungry fox raided our smelly bin. ", u"The ****** fox raided our ****** bin. "},
    {u"Dad made a delicious cake. ", u"Dad made a ********* cake. "},
    {u"The match was cancelled because of heavy rain. ", u"The match was cancelled ******* ** ***** ****. "},
    {u"Leo carefully carried the heavy tray. ", u"Leo ********* carried the ***** tray. "},
    {u"The noisy seagull stole my sandwich on the beach. ", u"The ***** seagull stole my sandwich ** *** *****. "},
    {u"The old lighthouse has a bright red door. ", u"The *** lighthouse has a ****** *** door. "},
    {u"My little brother hid my scooter under the bed. ", u"My ****** brother hid my scooter ***** *** ***. "},
    {u"The prickly hedgehog found a juicy slug. ", u"The ******* hedgehog found a ***** slug. "},
    {u"The Romans built long, straight roads across Britain. ",
     u"The Romans built **** ******** roads ****** *******. "},
    {u"The strong wind suddenly blew my hat off. ", u"The ****** wind ******** blew my hat off. "},
    {u"Zainab read a funny story in bed. ", u"Zainab read a ***** story ** ***. "},
    {u"Ethan kicked the ball really hard. ", u"Ethan kicked the ball ****** ****. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .bank = {13, {240, 5400, true}, DragKey::Dustbin, {QStringLiteral("sentence"), QStringLiteral("key (*** for each word to drag out)")}, kBank},
        .instruction = QStringLiteral("Identify the words that can be deleted and still leave a meaningful sentence."),
        .instructionPlace = {480, 120, 9495, 1335},
        .instructionPoints = 27.75,
        .secondInstruction = QStringLiteral("Drag the words that are not needed into the dustbin."),
    };
    return d;
}

}  // namespace

Form* makeBasic(Module1& m, const ScreenEntry& e) { return new DustbinScreen(m, e, design()); }

const RowForm& basicRows() {
    static const DragRows rows(design().bank);
    return rows;
}

}  // namespace qm
