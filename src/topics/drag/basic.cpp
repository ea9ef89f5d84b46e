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
    {u"Joe, the football player, is a great striker. ", u"Joe, *** ******** ****** is a great striker. "},
    {u"Cheese is made from cows, goats or buffalo milk. ", u"Cheese is made from **** ***** ** ******* milk. "},
    {u"A tiny spider spun its web in the corner. ", u"A **** spider spun its web ** *** ******. "},
    {u"Grandma carefully wrapped the parcel. ", u"Grandma ********* wrapped the parcel. "},
    {u"Please do not touch hot pans. ", u"****** do not touch hot pans. "},
    {u"Our class visited the enormous castle last Tuesday. ", u"Our class visited the ******** castle **** *******. "},
    {u"Amara (my best friend) plays the violin. ", u"Amara ** **** ****** plays the violin. "},
    {u"Only adults may use the very sharp knives. ", u"Only adults may use the **** sharp knives. "},
    {u"The match was cancelled because of heavy rain. ", u"The match was cancelled ******* ** ***** ****. "},
    {u"Ice is simply frozen water. ", u"Ice is ****** frozen water. "},
    {u"A square always has four equal sides. ", u"A square ****** has four equal sides. "},
    {u"My little brother hid my scooter under the bed. ", u"My ****** brother hid my scooter ***** *** ***. "},
    {u"In a room, warm air rises and cool air sinks. ", u"** * **** warm air rises and cool air sinks. "},
    {u"The Romans built long, straight roads across Britain. ",
     u"The Romans built **** ******** roads ****** *******. "},
    {u"Carefully mix blue and yellow paint to make green. ", u"********* mix blue and yellow paint to make green. "},
    {u"Nocturnal animals sleep soundly during the day. ", u"Nocturnal animals sleep ******* during the day. "},
    {u"The bright green light means go. ", u"The ****** green light means go. "},
    {u"Ethan kicked the ball really hard. ", u"Ethan kicked the ball ****** ****. "},
};

const DustbinDesign& design() {
    static const DustbinDesign d{
        .bank = {13, {240, 5400, true}, DragKey::Dustbin, {QStringLiteral("sentence"), QStringLiteral("key (*** for each word to drag out)")}, kBank, {}, QStringLiteral("Cross out the words that can go and still leave a sentence that makes sense.")},
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
