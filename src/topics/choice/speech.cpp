// Which of three versions of a sentence has its speech punctuated correctly? The versions
// show on numbered lines in a rotated order, and the pupil clicks the matching number.

#include <iterator>

#include "topics/choice/choice_rows.h"
#include "topics/choice/options.h"
#include "topics/choice/options_screen.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

// Per question: the correctly punctuated version first, then two wrongly punctuated ones.
const char16_t* const kBank[] = {
    uR"(Alex yelled, "Get him out!")", uR"(Alex yelled, get him out!")", uR"(Alex yelled "Get him out ")",
    uR"("Why me?" she asked.)", uR"("Why me? she asked.)", uR"("Why me," she asked.)",
    uR"("Can I come too?" asked Leila.)", uR"("Can I come too," asked Leila.)", uR"("Can I come too?", asked Leila.)",
    uR"(Mr Patel said, "Line up quietly.")", uR"(Mr Patel said, "line up quietly.")", uR"(Mr Patel said "Line up quietly.)",
    uR"("Watch out!" cried Dev.)", uR"("Watch out!," cried Dev.)", uR"("Watch out!," Cried Dev.)",
    uR"("It’s raining," said Mum.)", uR"("It’s raining." said Mum.)", uR"("It’s raining," said Mum.")",
    uR"("Where is my hat?" wondered Ava.)", uR"("Where is my hat?," wondered Ava.)", uR"(Where is my hat?," wondered Ava.)",
    uR"(Chen whispered, "The cat is asleep.")", uR"(Chen whispered, "the cat is asleep.")", uR"(Chen whispered, "the cat is asleep.".)",
    uR"("I love this song," sang Maisie.)", uR"("I love this song" sang Maisie.)", uR"("I love this song," Sang Maisie.)",
    uR"(The coach shouted, "Run faster!")", uR"(The coach shouted, "Run faster"!)", uR"(The coach shouted, "Run faster!".)",
    uR"("Have you seen Rex?" asked Yusuf.)", uR"("Have you seen Rex?," asked Yusuf.)", uR"("have you seen Rex?," asked Yusuf.)",
    uR"("We won the match!" cheered Nia.)", uR"("We won the match"! cheered Nia.)", uR"("We won the match! cheered Nia.)",
    uR"(Grandma asked, "Who wants cake?")", uR"(Grandma asked, "Who wants cake"?)", uR"(Grandma asked "who wants cake?")",
    uR"("Please sit down," said Miss Evans.)", uR"("Please sit down, said Miss Evans.)", uR"(Please sit down," said Miss Evans.)",
    uR"("Help me!" called Oscar.)", uR"("Help me!", called Oscar.)", u"Help me! called Oscar.",
    uR"("Look at the rainbow," said Anya.)", uR"("look at the rainbow," said Anya.)", uR"("Look at the rainbow." said Anya.)",
    uR"(Kai asked, "Is it lunchtime yet?")", uR"(Kai asked, "Is it lunchtime yet.")", uR"(Kai asked, Is it lunchtime yet.")",
    uR"("What a huge wave!" gasped Priya.)", uR"("What a huge wave"! gasped Priya.)", uR"("What a huge wave!" Gasped Priya.)",
    uR"("My tooth is wobbly," said Tom.)", uR"("My tooth is wobbly", said Tom.)", uR"("My tooth is wobbly" said Tom.)",
    uR"(Dad called, "Dinner is ready!")", uR"(Dad called "Dinner is ready!")", uR"(Dad called "dinner is ready!")",
    uR"("Wait," said Ali, "for the lights.")", uR"("Wait," said Ali, "For the lights.")", uR"("Wait", said Ali, "for the lights.")",
    uR"("Are we nearly there?" moaned Zac.)", uR"("Are we nearly there?", moaned Zac.)", u"Are we nearly there? moaned Zac.",
    uR"(Miss Kaur said, "Open your books.")", uR"(Miss Kaur said, "Open your books".)", uR"(Miss Kaur said, "open your books.")",
    uR"("I found a fossil!" shouted Jake.)", uR"("I found a fossil"! shouted Jake.)", uR"("I found a fossil!", shouted Jake.)",
    uR"("Whose coat is this?" asked Mrs Lee.)", uR"("Whose coat is this"? asked Mrs Lee.)", uR"("Whose coat is this? asked Mrs Lee.)",
    uR"(Ruby said, "My cat is called Socks.")", uR"(Ruby said, "my cat is called Socks.")", uR"(Ruby said, "My cat is called Socks.)",
    uR"("Let’s go to the beach," said Finn.)", uR"("Let’s go to the beach." said Finn.)", uR"("Let’s go to the beach" said Finn.)",
    uR"("If it snows," said Jo, "we’ll sledge.")", uR"("If it snows," said Jo, "We’ll sledge.")", uR"("If it snows," said Jo "we’ll sledge.")",
    uR"(Tariq asked, "Can we play outside?")", uR"(Tariq asked, "Can we play outside.")", uR"(Tariq asked, "can we play outside?")",
    uR"("Thank you," said the old man.)", uR"("thank you," said the old man.)", uR"("Thank you," said the old man.")",
    uR"("Quick, hide!" giggled Freya.)", uR"("Quick, hide"! giggled Freya.)", uR"("Quick, hide! giggled Freya.)",
    uR"(The guard said, "Mind the gap.")", uR"(The guard said "Mind the gap.")", uR"(The guard said, "Mind the gap.)",
    uR"("How old are you?" asked Bilal.)", uR"("How old are you," asked Bilal.)", uR"("How old are you"? asked Bilal.)",
    uR"(Mr Okoro said, "Well done, Sam.")", uR"(Mr Okoro said, "well done, Sam.")", uR"(Mr Okoro said "Well done, Sam".)",
    uR"("Is that your bike?" Hana asked.)", uR"("Is that your bike?", Hana asked.)", uR"("Is that your bike? Hana asked.)",
    uR"("Don’t touch that!" warned Ella.)", uR"("Don’t touch that"! warned Ella.)", uR"("don’t touch that!" warned Ella.)",
};
static_assert(std::size(kBank) == 36 * 3);

const QColor kVersionColours[] = {{192, 0, 0}, {192, 192, 192}, {0, 0, 192}};
const double kBoxLefts[] = {120, 3480, 6840};
const double kVersionTops[] = {1080, 2160, 3240};

}  // namespace

SpeechScreen::SpeechScreen(Module1& m, const ScreenEntry& e) : OptionScreen(m, e, 3, 0) {
    Label2 = addText(*this, QStringLiteral("Label2"), {120, 0, 9975, 915}, 30, kYellow,
                     QStringLiteral("Which form of punctuation is correct?"));
    Label1 = addArray<Label>(QStringLiteral("Label1"));
    Label& first = Label1.at(0);
    first.setBackStyle(BackStyle::Transparent);
    first.setAlignment(Align::Left);
    first.setFont_(versionFont());
    for (int i = 0; i < 3; ++i) {
        Label* line = Label1.Load(i);
        line->Move(360, kVersionTops[i], kVersionWidth, kVersionHeight);
        line->setForeColor(kVersionColours[i]);
        line->Hide();
    }
    Label4 = addText(*this, QStringLiteral("Label4"), {120, 5040, 9855, 735}, 24, kYellow,
                     QStringLiteral("Click on the correct box."), false);
    std::vector<Box> places;
    for (double left : kBoxLefts) places.push_back({left, 5760, 3075, 855});
    makeBoxes(places, {QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("3.")}, 30);
    for (int i = 0; i < 3; ++i) Label5(i)->setForeColor(kVersionColours[i]);
    makeFeedback({2760, 7320, 4455, 1215}, 39.75);
}

void SpeechScreen::ShowNextQuestion() {
    const auto n = drawRow();
    if (!n) return;
    const std::vector<int> order = rotation(m.platform.random.Rnd(), 3);
    for (int i = 0; i < Label1.count() && i < int(order.size()); ++i)
        Label1(i)->setCaption(numberedLine(i + 1, row(*n, order[i])));
    // A numbered box is heard as the version it stands for.
    for (int i = 0; i < Label1.count(); ++i)
        if (Label* box = Label5(i)) box->setSpokenName(Label1(i)->Caption());
    Label4->Show();
    for (Label* box : Label5) box->Show();
    for (Label* line : Label1) line->Show();
}

QString SpeechScreen::boxText(int index) const {
    const Label* line = Label1(index);
    return line ? withoutNumber(line->Caption()) : QString();
}

void SpeechScreen::hideForNext() {
    for (Label* line : Label1) line->Hide();
}

Form* makeSpeech(Module1& m, const ScreenEntry& e) { return new SpeechScreen(m, e); }

const RowForm& speechRows() {
    static const OptionRows rows({
        .columns = {QStringLiteral("correct version"), QStringLiteral("wrong version 1"), QStringLiteral("wrong version 2")},
        .firstOption = 0,
        .options = 3,
        .rightRow = 0,
        .completedRow = -1,
        .prompt = std::nullopt,
        .completed = std::nullopt,
        .option = {SpeechScreen::kVersionWidth, SpeechScreen::kVersionHeight, SpeechScreen::versionFont(), 1},
        .numbered = true,
        .paperTask = QStringLiteral("Which version is punctuated correctly? Circle its letter."),
        .rows = kBank,
    });
    return rows;
}

}  // namespace qm
