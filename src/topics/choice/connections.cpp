// Should the sentence's "and" become a full stop or a comma? After an answer the
// corrected sentence shows. The rows come in pairs that share their first clause.

#include "topics/choice/choice_rows.h"
#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"My drink’s cold and Tom’s car won’t start.", 0, u"My drink’s cold. Tom’s car won’t start."},
    {u"My drink’s cold and I need to reheat it.", 1, u"My drink’s cold, I need to reheat it."},
    {u"We’ve missed the bus and now we’ll have to wait.", 1, u"We’ve missed the bus, now we’ll have to wait."},
    {u"We’ve missed the bus and penguins can’t fly.", 0, u"We’ve missed the bus. Penguins can’t fly."},
    {u"It’s pouring with rain and I like learning about the Vikings.", 0, u"It’s pouring with rain. I like learning about the Vikings."},
    {u"It’s pouring with rain and we’ll have to play indoors.", 1, u"It’s pouring with rain, we’ll have to play indoors."},
    {u"I’ve lost my key and our teacher speaks three languages.", 0, u"I’ve lost my key. Our teacher speaks three languages."},
    {u"I’ve lost my key and I can’t open the door.", 1, u"I’ve lost my key, I can’t open the door."},
    {u"The dog is barking and seven is my lucky number.", 0, u"The dog is barking. Seven is my lucky number."},
    {u"The dog is barking and it wants to go for a walk.", 1, u"The dog is barking, it wants to go for a walk."},
    {u"Our team won the cup and the library closes at five.", 0, u"Our team won the cup. The library closes at five."},
    {u"Our team won the cup and everyone cheered loudly.", 1, u"Our team won the cup, everyone cheered loudly."},
    {u"My shoes are muddy and we’re having fish for tea tomorrow.", 0, u"My shoes are muddy. We’re having fish for tea tomorrow."},
    {u"My shoes are muddy and I must clean them before school.", 1, u"My shoes are muddy, I must clean them before school."},
    {u"The sun is shining and I’m learning to play the recorder.", 0, u"The sun is shining. I’m learning to play the recorder."},
    {u"The sun is shining and we can eat our lunch outside.", 1, u"The sun is shining, we can eat our lunch outside."},
    {u"Jack has a sore throat and the bus is late again.", 0, u"Jack has a sore throat. The bus is late again."},
    {u"Jack has a sore throat and he can’t sing in the concert.", 1, u"Jack has a sore throat, he can’t sing in the concert."},
    {u"The kitten is hungry and my grandad grows enormous pumpkins.", 0, u"The kitten is hungry. My grandad grows enormous pumpkins."},
    {u"The kitten is hungry and it keeps mewing at me.", 1, u"The kitten is hungry, it keeps mewing at me."},
    {u"I’ve finished my homework and some volcanoes are under the sea.", 0, u"I’ve finished my homework. Some volcanoes are under the sea."},
    {u"I’ve finished my homework and I can go out to play.", 1, u"I’ve finished my homework, I can go out to play."},
    {u"The paint is still wet and you should try Gran’s apple pie.", 0, u"The paint is still wet. You should try Gran’s apple pie."},
    {u"The paint is still wet and you mustn’t touch it.", 1, u"The paint is still wet, you mustn’t touch it."},
    {u"The snow is very deep and my pen has run out of ink.", 0, u"The snow is very deep. My pen has run out of ink."},
    {u"The snow is very deep and the school is closed today.", 1, u"The snow is very deep, the school is closed today."},
    {u"The bath is overflowing and spiders have eight legs.", 0, u"The bath is overflowing. Spiders have eight legs."},
    {u"The bath is overflowing and water is dripping through the ceiling.", 1, u"The bath is overflowing, water is dripping through the ceiling."},
    {u"I’m really tired and the moon goes round the Earth.", 0, u"I’m really tired. The moon goes round the Earth."},
    {u"I’m really tired and I want to go to bed.", 1, u"I’m really tired, I want to go to bed."},
};

const ClassifyDesign& design() {
    static const ClassifyDesign d{
        .boxes = {QStringLiteral("FULL STOP"), QStringLiteral("COMMA")},
        .instruction = QStringLiteral("Should the word 'and' in the sentence below be replaced by a full stop or a comma?"),
        .instructionColour = ChoiceScreen::kGreen,
        .instructionPlace = {120, 120, 9975, 1515},
        .instructionPoints = 27.75,
        .questionPlace = {120, 1680, 10755, 1905},
        .promptPlace = {120, 3720, 9855, 735},
        .boxLefts = {480, 5520},
        .boxTop = 4440,
        .boxWidth = 4155,
        .boxHeight = 735,
        .boxPoints = 27.75,
        .feedbackPlace = {3120, 7380, 4455, 1215},
        .feedbackPoints = 48,
        .showsCorrected = true,
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeConnections(Module1& m, const ScreenEntry& e) { return new ClassifyScreen(m, e, design()); }

const RowForm& connectionsRows() {
    static const ClassifyRows rows(design());
    return rows;
}

}  // namespace qm
