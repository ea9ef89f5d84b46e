// Which phrase belongs in parenthesis? The parts come without the brackets, dashes or
// commas; after an answer the whole sentence shows, correctly punctuated. The phrase is
// always the middle part.

#include "topics/choice/choice_rows.h"
#include "topics/choice/parts.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const PartsRow kBank[] = {
    {{u"Alex", u"their youngest child", u"is allergic to peanuts.",
      u"Alex, their youngest child, is allergic to peanuts."}, 1},
    {{u"James is having piano lessons", u"although he's not pleased about it.", u"",
      u"James is having piano lessons, although he's not pleased about it."}, 1},
    {{u"Mr Evans", u"our new headteacher", u"plays the bagpipes.",
      u"Mr Evans, our new headteacher, plays the bagpipes."}, 1},
    {{u"The Eiffel Tower", u"which is in Paris", u"was finished in 1889.",
      u"The Eiffel Tower, which is in Paris, was finished in 1889."}, 1},
    {{u"My best friend", u"who lives next door", u"is coming to tea.",
      u"My best friend (who lives next door) is coming to tea."}, 1},
    {{u"Our dog", u"a very greedy spaniel", u"ate the birthday cake.",
      u"Our dog – a very greedy spaniel – ate the birthday cake."}, 1},
    {{u"The pirates", u"tired and hungry", u"finally reached the island.",
      u"The pirates, tired and hungry, finally reached the island."}, 1},
    {{u"Mount Everest", u"the world’s highest peak", u"is in the Himalayas.",
      u"Mount Everest (the world’s highest peak) is in the Himalayas."}, 1},
    {{u"Priya", u"who had practised all week", u"won the spelling competition.",
      u"Priya, who had practised all week, won the spelling competition."}, 1},
    {{u"The Great Fire", u"which started in a bakery", u"destroyed much of London.",
      u"The Great Fire (which started in a bakery) destroyed much of London."}, 1},
    {{u"Grandma", u"much to our surprise", u"joined the skateboarding club.",
      u"Grandma – much to our surprise – joined the skateboarding club."}, 1},
    {{u"The match", u"despite the heavy rain", u"went ahead as planned.",
      u"The match, despite the heavy rain, went ahead as planned."}, 1},
    {{u"Henry VIII", u"who had six wives", u"became king in 1509.",
      u"Henry VIII (who had six wives) became king in 1509."}, 1},
    {{u"The hamster", u"which had escaped again", u"was found behind the fridge.",
      u"The hamster, which had escaped again, was found behind the fridge."}, 1},
    {{u"Maya", u"the youngest in the team", u"scored three goals.",
      u"Maya – the youngest in the team – scored three goals."}, 1},
    {{u"Jupiter", u"the largest planet", u"has dozens of moons.",
      u"Jupiter (the largest planet) has dozens of moons."}, 1},
    {{u"Mr Khan", u"our friendly lollipop man", u"waves to everyone.",
      u"Mr Khan, our friendly lollipop man, waves to everyone."}, 1},
    {{u"The sandwiches", u"which were a bit soggy", u"were eaten in seconds.",
      u"The sandwiches (which were a bit soggy) were eaten in seconds."}, 1},
    {{u"Charles Dickens", u"a famous Victorian writer", u"wrote Oliver Twist.",
      u"Charles Dickens, a famous Victorian writer, wrote Oliver Twist."}, 1},
    {{u"We reached the campsite at last", u"after walking for six hours.", u"",
      u"We reached the campsite at last – after walking for six hours."}, 1},
    {{u"Leah loves all vegetables", u"especially broccoli.", u"",
      u"Leah loves all vegetables (especially broccoli)."}, 1},
    {{u"Dad burnt the toast", u"as usual.", u"",
      u"Dad burnt the toast (as usual)."}, 1},
    {{u"Everyone cheered for Ben", u"who had never won a race before.", u"",
      u"Everyone cheered for Ben, who had never won a race before."}, 1},
    {{u"Our new puppy sleeps all day", u"unlike our old dog.", u"",
      u"Our new puppy sleeps all day – unlike our old dog."}, 1},
    {{u"The cake", u"a huge chocolate sponge", u"vanished in minutes.",
      u"The cake (a huge chocolate sponge) vanished in minutes."}, 1},
    {{u"My uncle", u"who is a firefighter", u"visited our school.",
      u"My uncle, who is a firefighter, visited our school."}, 1},
    {{u"The storm", u"the worst for fifty years", u"blew down several trees.",
      u"The storm – the worst for fifty years – blew down several trees."}, 1},
    {{u"Queen Victoria", u"who reigned for 63 years", u"had nine children.",
      u"Queen Victoria (who reigned for 63 years) had nine children."}, 1},
    {{u"The hedgehog", u"a shy creature", u"only comes out at night.",
      u"The hedgehog, a shy creature, only comes out at night."}, 1},
    {{u"Kieran", u"to everyone’s amazement", u"ate the whole pizza.",
      u"Kieran – to everyone’s amazement – ate the whole pizza."}, 1},
    {{u"Our play", u"which we rehearsed for weeks", u"was a huge success.",
      u"Our play, which we rehearsed for weeks, was a huge success."}, 1},
    {{u"Snowdon", u"the highest mountain in Wales", u"is popular with walkers.",
      u"Snowdon (the highest mountain in Wales) is popular with walkers."}, 1},
    {{u"My sister", u"who hates getting wet", u"refused to go on the log flume.",
      u"My sister – who hates getting wet – refused to go on the log flume."}, 1},
    {{u"Penguins", u"unlike most birds", u"cannot fly.",
      u"Penguins, unlike most birds, cannot fly."}, 1},
    {{u"Our teacher", u"Mrs Okoro", u"is running a marathon.",
      u"Our teacher, Mrs Okoro, is running a marathon."}, 1},
    {{u"The treasure chest", u"covered in seaweed", u"was full of gold coins.",
      u"The treasure chest (covered in seaweed) was full of gold coins."}, 1},
    {{u"Florence Nightingale", u"the Lady with the Lamp", u"was a nurse.",
      u"Florence Nightingale – the Lady with the Lamp – was a nurse."}, 1},
};

// After an answer the sentence shows with its parenthesis punctuated.
QString answerLine(const QStringList& rows, int) { return rows.value(3); }

const PartsDesign& design() {
    const QColor red(192, 0, 0), yellow(255, 255, 0), navy(0, 0, 128), blue(0, 0, 192);
    static const PartsDesign d{
        .group = 4,
        .parts = 3,
        .partsTop = 1200,
        .flow = {},
        .partColours = {red, yellow, navy},
        .boxColours = {red, yellow, blue},
        .boxPlaces = {{960, 5760, 1635, 1635}, {4200, 5760, 1635, 1635}, {7440, 5760, 1635, 1635}},
        .boxCaptions = {},
        .instruction = QStringLiteral("Identify which phrase should be in parenthesis."),
        .instructionColour = ChoiceScreen::kGreen,
        .instructionPlace = {120, 120, 9975, 735},
        .instructionPoints = 24,
        .prompt = QStringLiteral("Click on the box which is the same colour as the phrase that should be in "
                                 "parenthesis in the sentence above."),
        .promptColour = ChoiceScreen::kGreen,
        .promptPlace = {120, 3960, 9855, 1665},
        .promptPoints = 24,
        .answerPlace = {120, 2640, 9855, 1215},
        .answerPoints = 24,
        .answerLine = answerLine,
        .feedbackPlace = {2760, 7500, 4455, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .keyName = QStringLiteral("in parenthesis"),
        .paperTask = QStringLiteral("Which part of each sentence should be in parenthesis? Write its number in the box."),
    };
    return d;
}

}  // namespace

Form* makeParenthesis(Module1& m, const ScreenEntry& e) { return new PartsScreen(m, e, design()); }

const RowForm& parenthesisRows() {
    static const PartsRows rows(design());
    return rows;
}

}  // namespace qm
