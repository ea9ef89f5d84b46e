// Is the verb of the sentence active or passive?

#include "topics/choice/choice_rows.h"
#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"The hawk ate the mouse.", 0},
    {u"The scouts crossed the river.", 0},
    {u"The tree was hit by the car.", 1},
    {u"Her tooth was accidentally chipped by the dentist.", 1},
    {u"The children were painting a mural in the hall.", 0},
    {u"We walked by the river after lunch.", 0},
    {u"The storm flattened the fence.", 0},
    {u"Grandma was knitting a scarf by the fire.", 0},
    {u"Sofia sat by the window to read her book.", 0},
    {u"The alarm woke everyone in the house.", 0},
    {u"The boys were building a den in the woods.", 0},
    {u"Mum is baking a cake for the school fair.", 0},
    {u"Hannah was feeding the ducks by the pond.", 0},
    {u"The wind was rattling the windows.", 0},
    {u"The waves were pounding the rocks.", 0},
    {u"The crowd was cheering the runners.", 0},
    {u"We travelled to Leeds by train.", 0},
    {u"The window in the greenhouse was broken.", 1},
    {u"The sandwiches were eaten by the hungry children.", 1},
    {u"The parcel was delivered this morning.", 1},
    {u"Amir was chosen as captain.", 1},
    {u"Grandad was stung by a wasp.", 1},
    {u"Our tent was blown over in the night.", 1},
    {u"The mouse was caught by the cat next door.", 1},
    {u"The school play was written by Mr Evans.", 1},
    {u"The lost puppy was found behind the shed.", 1},
    {u"The twins were invited to the party.", 1},
    {u"The castle walls were built in 1280.", 1},
    {u"The winning goal was scored by Sam.", 1},
    {u"The classroom windows are cleaned every Friday.", 1},
};

const ClassifyDesign& design() {
    static const ClassifyDesign d{
        .boxes = {QStringLiteral("ACTIVE"), QStringLiteral("PASSIVE")},
        .instruction = QStringLiteral("Identify whether the verb in the sentence below is active or passive."),
        .instructionColour = ChoiceScreen::kYellow,
        .instructionPlace = {120, 0, 9975, 1275},
        .instructionPoints = 27.75,
        .questionPlace = {90, 1920, 9915, 1905},
        .promptPlace = {120, 4560, 9855, 735},
        .boxLefts = {1320, 5640},
        .boxTop = 5280,
        .boxWidth = 3075,
        .boxHeight = 855,
        .boxPoints = 30,
        .feedbackPlace = {2760, 6960, 4455, 1215},
        .feedbackPoints = 39.75,
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeActive(Module1& m, const ScreenEntry& e) { return new ClassifyScreen(m, e, design()); }

const RowForm& activeRows() {
    static const ClassifyRows rows(design());
    return rows;
}

}  // namespace qm
