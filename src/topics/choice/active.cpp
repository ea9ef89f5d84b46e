// Is the verb of the sentence active or passive?

#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"The hawk ate the mouse.", 0},
    {u"The scouts crossed the river.", 0},
    {u"The tree was hit by the car.", 1},
    {u"Her tooth was accidentally chipped by the dentist.", 1},
    {u"Leon kicked the ball over the fence.", 0},
    {u"The cat chased a butterfly across the lawn.", 0},
    {u"Mrs Patel marked our spelling tests.", 0},
    {u"The children painted a mural in the hall.", 0},
    {u"Sofia wrote a long letter to her pen pal.", 0},
    {u"The dog buried a bone under the apple tree.", 0},
    {u"Dad washed the car on Sunday morning.", 0},
    {u"The goalkeeper saved the penalty.", 0},
    {u"Hannah fed the ducks at the pond.", 0},
    {u"The caretaker locked the school gates.", 0},
    {u"Our class planted sunflowers in the spring.", 0},
    {u"The chef stirred a huge pot of soup.", 0},
    {u"Yusuf mended the puncture on his bike.", 0},
    {u"The window was broken by a cricket ball.", 1},
    {u"The sandwiches were eaten by the hungry children.", 1},
    {u"The parcel was delivered by our neighbour.", 1},
    {u"The match was won by the visiting team.", 1},
    {u"The roads were cleared by a snowplough.", 1},
    {u"Our tent was blown over by the wind.", 1},
    {u"The mouse was caught by the cat next door.", 1},
    {u"The school play was written by Mr Evans.", 1},
    {u"The flowers were watered by Grandpa.", 1},
    {u"The lost puppy was found by Amira.", 1},
    {u"Dinner was cooked by my older brother.", 1},
    {u"The bridge was built by the Romans.", 1},
    {u"The winning goal was scored by Sam.", 1},
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

}  // namespace qm
