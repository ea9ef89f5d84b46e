// What tense is the sentence in: past, present or future?

#include "topics/choice/choice_rows.h"
#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"He played cricket with me.", 0},
    {u"I'm hungry, are you?", 1},
    {u"They'll be sorry!", 2},
    {u"Is he going to play for our side?", 2},
    {u"Shush!  I can hear them.", 1},
    {u"I’ve walked so far my legs are aching.", 0},
    {u"They had been having a good time at the club.", 0},
    {u"Priya baked a chocolate cake for her mum’s birthday.", 0},
    {u"We visited the castle on our school trip last week.", 0},
    {u"Kwame scored two goals in the match on Saturday.", 0},
    {u"The wind blew my umbrella inside out.", 0},
    {u"Grandad fell asleep in front of the fire.", 0},
    {u"Mia found a hedgehog in the garden yesterday.", 0},
    {u"The puppy chewed my new slippers.", 0},
    {u"Tomasz was reading when the lights went out.", 0},
    {u"Our class went to the science museum in June.", 0},
    {u"Ahmed is feeding the goldfish.", 1},
    {u"My sister practises the violin every evening.", 1},
    {u"Look, it’s snowing outside!", 1},
    {u"The children are lining up for lunch.", 1},
    {u"Zara loves strawberries and cream.", 1},
    {u"Mrs Okafor always wears a bright red scarf.", 1},
    {u"Listen, the birds are singing in the hedge.", 1},
    {u"We will visit Grandma on Sunday.", 2},
    {u"Chloe is going to enter the poetry competition.", 2},
    {u"The match will start at two o’clock.", 2},
    {u"I’ll help you carry those heavy bags.", 2},
    {u"Tomorrow it will be sunny and warm.", 2},
    {u"Next year, Oliver will be in Year 6.", 2},
    {u"Are you going to wear your new coat?", 2},
    {u"The school will close early on Friday.", 2},
    {u"The bus will arrive in ten minutes.", 2},
    {u"We’ll watch the fireworks on Bonfire Night.", 2},
};

const ClassifyDesign& design() {
    static const ClassifyDesign d{
        .boxes = {QStringLiteral("PAST"), QStringLiteral("PRESENT"), QStringLiteral("FUTURE")},
        .instruction = QStringLiteral("Identify the tense of the sentence below."),
        .instructionColour = ChoiceScreen::kGreen,
        .instructionPlace = {120, 0, 9975, 1275},
        .instructionPoints = 27.75,
        .questionPlace = {90, 1320, 9915, 1905},
        .promptPlace = {120, 4560, 9855, 735},
        .boxLefts = {120, 3480, 6840},
        .boxTop = 5280,
        .boxWidth = 3075,
        .boxHeight = 855,
        .boxPoints = 30,
        .feedbackPlace = {2760, 7200, 4455, 1575},
        .feedbackPoints = 48,
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeTenses(Module1& m, const ScreenEntry& e) { return new ClassifyScreen(m, e, design()); }

const RowForm& tensesRows() {
    static const ClassifyRows rows(design());
    return rows;
}

}  // namespace qm
