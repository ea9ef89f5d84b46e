// The find-and-swap screens: the sentence as a row of clickable words, the stepping
// candidate box with its speed options, STOP, the swapped sentence, and their sounds.

#include <QtTest>

#include "rig.h"
#include "shell/menu.h"
#include "topics/swap/swap_rules.h"
#include "topics/swap/swap_screen.h"

using namespace qm;
using namespace qm::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kMagenta(255, 0, 255);
const QString kBeep = QStringLiteral("wav\\beep.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
const QString kType = QStringLiteral("wav\\typekey.wav");

struct Play {
    Rig rig;
    SwapScreen* s = nullptr;
    int per = 0;

    // Opens the screen; the first question is row 1 and the box starts at place `start`.
    explicit Play(const char* name, double start = 0.0) {
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        s = rig.open<SwapScreen>(QString::fromLatin1(name));
        per = QLatin1String(name) == QLatin1String("prepositions") ? 4 : 3;
        rig.random.script(start, 0.5 / 30);  // the box's start, then the row: 0 moves on to 1
        rig.clock.advance(1);
        rig.quiet();
    }
    int rowOf(const QString& sentence) const { return rig.rowOf(sentence); }
    // Shows row k through the next-question button, the box starting at place `start`.
    void show(int k, double start = 0.0) {
        QVERIFY(k >= 0 && k < 30);
        if (rig.m.LastPick == k) {
            rig.random.script(0.0, (((k + 1) % 30) + 0.5) / 30);
            s->cmdgo->Click();
        }
        rig.random.script(start, (k + 0.5) / 30);
        s->cmdgo->Click();
        QCOMPARE(rig.m.LastPick, std::optional<int>(k));
        rig.quiet();
    }
    QString extra(int k) const { return rig.m.ExtraBank[per * *rig.m.LastPick + k]; }
    // The place of the word the pupil has to find.
    int theWord() const {
        for (int i = 0; i < SwapScreen::kWords; ++i)
            if (s->isTheWord(i)) return i;
        return -1;
    }
    QStringList words() const {
        QStringList w;
        for (Label* l : s->Label7) w << l->Caption();
        return w;
    }
    bool stageTwoShown() const {
        return s->Label6->Visible() && s->Label8->Visible() && s->Label9->Visible() && s->options.Option1->Visible() &&
               s->options.Option2->Visible() && s->options.Option3->Visible();
    }
    bool stageTwoHidden() const {
        return !s->Label6->Visible() && !s->Label8->Visible() && !s->Label9->Visible() && !s->options.Option1->Visible() &&
               !s->options.Option2->Visible() && !s->options.Option3->Visible();
    }
};

QRectF place(const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); }

}  // namespace

class SwapTest : public QObject {
    Q_OBJECT
private slots:
    void splitWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("sentence") << QStringLiteral("The gang hid behind the shed. ")
                                  << QStringList{"The", "gang", "hid", "behind", "the", "shed."};
        QTest::newRow("after the last space is dropped") << QStringLiteral("one two three") << QStringList{"one", "two"};
        QTest::newRow("two spaces give an empty word") << QStringLiteral("a  b ") << QStringList{"a", "", "b"};
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("a space alone") << QStringLiteral(" ") << QStringList{""};
        QTest::newRow("typographic apostrophe kept") << QStringLiteral("He couldn’t go. ")
                                                     << QStringList{"He", "couldn’t", "go."};
    }
    void splitWords() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(SplitWords(text), words);
    }

    void changedSpan_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("swapped");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("swappedEnd");
        QTest::newRow("one word for one") << "The gang hid behind the shed. "
                                          << "The gang hid near the shed. " << 3 << 4 << 4;
        QTest::newRow("one word for two") << "He didn’t want an umbrella although it was raining. "
                                          << "He didn’t want an umbrella even though it was raining. " << 5 << 6 << 7;
        QTest::newRow("two words for one") << "Ivan kept running even though his legs ached. "
                                           << "Ivan kept running although his legs ached. " << 3 << 5 << 4;
        QTest::newRow("first word") << "Since it was sunny, we ate lunch outside. "
                                    << "As it was sunny, we ate lunch outside. " << 0 << 1 << 1;
        QTest::newRow("last word") << "We sat by the tree. " << "We sat by the pond. " << 4 << 5 << 5;
        QTest::newRow("the same sentence") << "We sat. " << "We sat. " << 2 << 2 << 2;
        QTest::newRow("a word put in") << "so he went " << "and so he went " << 0 << 0 << 1;
        QTest::newRow("repeated word at the swap") << "the cat sat on the mat " << "the cat sat the the mat " << 3
                                                   << 4 << 4;
    }
    void changedSpan() {
        QFETCH(QString, shown);
        QFETCH(QString, swapped);
        QFETCH(int, first);
        QFETCH(int, end);
        QFETCH(int, swappedEnd);
        const WordSpan span = qm::changedSpan(SplitWords(shown), SplitWords(swapped));
        QCOMPARE(span.first, first);
        QCOMPARE(span.end, end);
        const WordSpan in = swappedInSpan(SplitWords(shown), SplitWords(swapped));
        QCOMPARE(in.first, first);
        QCOMPARE(in.end, swappedEnd);
        QVERIFY(!span.contains(first - 1));
        QVERIFY(!span.contains(end));
    }

    void candidateSteps() {
        QCOMPARE(nextCandidate(0, 4), 1);
        QCOMPARE(nextCandidate(2, 4), 3);
        QCOMPARE(nextCandidate(3, 4), 0);
        QCOMPARE(nextCandidate(1, 3), 2);
        QCOMPARE(nextCandidate(2, 3), 0);
        QCOMPARE(nextCandidate(3, 3), 0);  // a start past the last candidate wraps at once
        QCOMPARE(nextCandidate(-5, 3), 0);
    }

    // Opening the screen prepares the first question through the next button, click and all.
    void firstQuestionComesThroughNext() {
        for (const char* name : {"prepositions", "connectives"}) {
            Rig rig;
            rig.m.SoundOn = 1;
            rig.m.LastPick = 0;
            auto* s = rig.open<SwapScreen>(QString::fromLatin1(name));
            QVERIFY(rig.sound.played.isEmpty());
            rig.random.script(0.6, 0.5 / 30);
            rig.clock.advance(1);
            QCOMPARE(rig.sound.played, QStringList{kClick});
            QCOMPARE(rig.random.reseeds(), 0);
            QCOMPARE(rig.m.LastPick, std::optional<int>(1));
            QCOMPARE(rig.m.CurrentPick, std::optional<int>(1));
            QCOMPARE(rig.m.CounterA, std::optional<int>(2));
            QCOMPARE(rig.m.CounterB, std::optional<int>(int(SplitWords(rig.m.AnswerBank[1]).size())));
            QVERIFY(!s->Timer1->Enabled());
            QVERIFY(!s->Timer2->Enabled());
            QCOMPARE(s->Timer2->Interval(), 1000);
            QVERIFY(s->Label4->Visible());
            QCOMPARE(s->Label3->Caption(), rig.m.AnswerBank[1]);
            QVERIFY(!s->Label3->Visible());
            QVERIFY(!s->Label1->Visible());
            const QStringList words = SplitWords(rig.m.QuestionBank[1]);
            for (int i = 0; i < SwapScreen::kWords; ++i) {
                QVERIFY(s->Label7(i)->Visible());
                QCOMPARE(s->Label7(i)->Caption(), i < words.size() ? words[i] : QString());
                QCOMPARE(s->Label7(i)->ForeColor(), kYellow);
            }
        }
    }

    void wrongWordGivesCrossWithoutCaption() {
        Play p("prepositions");
        const int word = p.theWord();
        QVERIFY(word >= 0);
        const int wrong = word == 0 ? 1 : 0;
        p.s->Label7(wrong)->Click();
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QVERIFY(p.s->tmrcross->Enabled());
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(!p.s->Label1->Visible());
        QVERIFY(p.stageTwoHidden());
        QVERIFY(!p.s->Timer2->Enabled());
        QCOMPARE(p.s->Label7(wrong)->ForeColor(), kYellow);
        p.rig.clock.advance(100);
        QVERIFY(p.s->imgcross->Visible());
        QVERIFY(!p.s->imgtick->Visible());
        // An empty label past the sentence is no word at all.
        p.s->Label7_Click(9);
        p.s->Label7_Click(-1);
        p.s->Label7_Click(10);
        QVERIFY(p.stageTwoHidden());
    }

    void rightWordOpensStageTwo() {
        Play p("prepositions");
        const int word = p.theWord();
        p.s->Label7(word)->Click();
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        QVERIFY(p.s->tmrtick->Enabled());
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(!p.s->Label1->Visible());
        QCOMPARE(p.s->Label7(word)->ForeColor(), kMagenta);
        for (int i = 0; i < SwapScreen::kWords; ++i)
            if (i != word) QCOMPARE(p.s->Label7(i)->ForeColor(), kYellow);
        QVERIFY(p.stageTwoShown());
        QVERIFY(p.s->options.Option2->Value());
        QVERIFY(p.s->Timer2->Enabled());
        QVERIFY(!p.s->Label3->Visible());

        // First step one second later, then at the pace of the option selected.
        p.rig.quiet();
        p.rig.clock.advance(999);
        QVERIFY(p.rig.sound.played.isEmpty());
        p.rig.clock.advance(1);
        QCOMPARE(p.rig.sound.played, QStringList{kType});
        QCOMPARE(p.s->Label9->Caption(), p.extra(1));  // the box started at place 0
        QCOMPARE(p.s->Timer2->Interval(), 2000);
        p.rig.clock.advance(1999);
        QCOMPARE(p.s->Label9->Caption(), p.extra(1));
        p.rig.clock.advance(1);
        QCOMPARE(p.s->Label9->Caption(), p.extra(2));
        p.s->options.Option1->setValue(true);  // "Fast"
        p.rig.clock.advance(2000);
        QCOMPARE(p.s->Label9->Caption(), p.extra(3));
        p.rig.clock.advance(1000);
        QCOMPARE(p.s->Label9->Caption(), p.extra(0));  // round to the first again
        p.s->options.Option3->setValue(true);  // "Slow"
        p.rig.clock.advance(1000);
        QCOMPARE(p.s->Label9->Caption(), p.extra(1));
        QCOMPARE(p.s->Timer2->Interval(), 4000);
        p.rig.clock.advance(3999);
        QCOMPARE(p.s->Label9->Caption(), p.extra(1));
        p.rig.clock.advance(1);
        QCOMPARE(p.s->Label9->Caption(), p.extra(2));
        QCOMPARE(p.rig.sound.played, QStringList(6, kType));
    }

    // Until its first step the box of prepositions still shows the last candidate of the
    // question before; the box of connectives is empty.
    void boxBeforeItsFirstStep() {
        Play p("prepositions");
        p.s->Label7(p.theWord())->Click();
        p.rig.clock.advance(1000 + 2000 + 2000);  // three steps from place 0: on place 3
        const QString last = p.extra(3);
        QCOMPARE(p.s->Label9->Caption(), last);
        p.show(7);
        QVERIFY(!p.s->Label9->Visible());
        p.s->Label7(p.theWord())->Click();
        QVERIFY(p.s->Label9->Visible());
        p.rig.clock.advance(999);
        QCOMPARE(p.s->Label9->Caption(), last);
        // STOP then is judged by the word the box shows, not by the place the box starts
        // from (place 0, the right word's).
        QVERIFY(last != p.extra(0));
        p.s->Label8->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(!p.s->Label3->Visible());
        p.rig.clock.advance(1);
        QCOMPARE(p.s->Label9->Caption(), p.extra(1));

        Play c("connectives");
        c.s->Label7(c.theWord())->Click();
        c.rig.clock.advance(1000);
        QVERIFY(!c.s->Label9->Caption().isEmpty());
        c.show(7);
        QCOMPARE(c.s->Label9->Caption(), QString());
        c.s->Label7(c.theWord())->Click();
        c.rig.clock.advance(999);
        QCOMPARE(c.s->Label9->Caption(), QString());
        c.s->Label8->Click();  // the empty box is no word, whatever place it starts from
        QCOMPARE(c.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(!c.s->Label3->Visible());
        c.rig.clock.advance(1);
        QCOMPARE(c.s->Label9->Caption(), c.extra(1));
    }

    // The box starts at place 0 to 3 on both screens; on connectives places 3 and 4 wrap
    // to the first candidate.
    void startPositionSpread() {
        const double starts[] = {0.0, 0.3, 0.6, 0.9};
        const int connectives[] = {1, 2, 0, 0};
        const int prepositions[] = {1, 2, 3, 0};
        for (int i = 0; i < 4; ++i) {
            Play c("connectives", starts[i]);
            QCOMPARE(c.rig.m.CounterA, std::optional<int>(i));
            c.s->Label7(c.theWord())->Click();
            c.rig.clock.advance(1000);
            QCOMPARE(c.s->Label9->Caption(), c.extra(connectives[i]));
            QCOMPARE(c.rig.m.CounterA, std::optional<int>(connectives[i]));
            Play p("prepositions", starts[i]);
            p.s->Label7(p.theWord())->Click();
            p.rig.clock.advance(1000);
            QCOMPARE(p.s->Label9->Caption(), p.extra(prepositions[i]));
        }
    }

    void wrongStopShowsWrongAndStepsOn() {
        Play p("connectives");
        p.s->Label7(p.theWord())->Click();
        p.rig.clock.advance(1000);
        QCOMPARE(p.s->Label9->Caption(), p.extra(1));
        p.rig.quiet();
        p.s->Label8->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QVERIFY(p.s->tmrcross->Enabled());
        QVERIFY(!p.s->Label3->Visible());
        QVERIFY(p.s->Timer2->Enabled());
        p.rig.clock.advance(2000);
        QCOMPARE(p.s->Label9->Caption(), p.extra(2));
        QVERIFY(p.s->imgcross->Visible());
    }

    void rightStopShowsTheSwappedSentence() {
        Play p("prepositions");
        const int row = p.rowOf(QStringLiteral("The gang hid behind the shed. "));
        p.show(row, 0.9);  // the box starts at place 3: its first step is the right candidate
        QCOMPARE(p.words().mid(0, 6), (QStringList{"The", "gang", "hid", "behind", "the", "shed."}));
        p.s->Label7(3)->Click();
        p.rig.clock.advance(1000);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("near"));
        p.rig.quiet();
        p.s->Label8->Click();
        QVERIFY(p.s->Label3->Visible());
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("The gang hid near the shed. "));
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        QVERIFY(p.s->tmrtick->Enabled());
        QVERIFY(!p.s->Timer2->Enabled());
        p.rig.clock.advance(10000);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("near"));  // the box stays still
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        QVERIFY(p.s->imgtick->Visible());

        // Clicking the right word again starts the box again, at the pace of the options.
        p.s->Label7(3)->Click();
        QVERIFY(p.s->Timer2->Enabled());
        QCOMPARE(p.rig.sound.played, (QStringList{kBeep, kBeep}));
        p.rig.clock.advance(1999);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("near"));
        p.rig.clock.advance(1);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("from"));
        QCOMPARE(p.rig.sound.played.last(), kType);
        // A wrong word now shows "Wrong" in the caption that the STOP showed.
        p.s->Label7(0)->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->Label1->Visible());
    }

    void nextStartsAFreshQuestion() {
        Play p("connectives");
        const int word = p.theWord();
        p.s->Label7(word)->Click();
        p.rig.clock.advance(1000);
        p.s->Label8->Click();
        p.rig.quiet();
        p.rig.random.script(0.3, 20.5 / 30);
        p.s->cmdgo->Click();
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        QVERIFY(p.stageTwoHidden());
        QVERIFY(!p.s->Label1->Visible());
        QVERIFY(!p.s->Label3->Visible());
        QVERIFY(!p.s->Timer2->Enabled());
        QCOMPARE(p.s->Timer2->Interval(), 1000);
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(1));
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(20));
        for (Label* l : p.s->Label7) QCOMPARE(l->ForeColor(), kYellow);
        QCOMPARE(p.words().first(), SplitWords(p.rig.m.QuestionBank[20]).first());
        QVERIFY(!p.s->imgtick->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        p.rig.clock.advance(5000);
        QCOMPARE(p.rig.sound.played, QStringList{kClick});  // the box no longer steps
    }

    void tenWordSentenceFillsEveryLabel() {
        Play p("connectives");
        const int row = p.rowOf(QStringLiteral("Freya was very nervous before she sang in the concert. "));
        QVERIFY(row >= 0);
        p.show(row);
        QCOMPARE(p.words(), SplitWords(p.rig.m.QuestionBank[row]));
        // The words stand in one row, 120 twips apart, each as wide as its word.
        QCOMPARE(p.s->Label7(0)->Left(), 120.0);
        for (int i = 0; i < SwapScreen::kWords; ++i) {
            const Label* l = p.s->Label7(i);
            QVERIFY(!l->Caption().isEmpty());
            QVERIFY(l->Visible());
            QCOMPARE(l->Top(), 2160.0);
            if (i > 0) QCOMPARE(l->Left(), p.s->Label7(i - 1)->Left() + p.s->Label7(i - 1)->Width() + 120);
        }
        const Label& last = p.s->Label7.at(9);
        QCOMPARE(last.Caption(), QStringLiteral("concert."));
        QVERIFY(last.Left() + last.Width() <= 11775);
        // A longer text gives the labels what they can take and goes no further.
        p.rig.m.CounterB = 0;
        p.s->SplitWords(QStringLiteral("a b c d e f g h i j k l "), p.s->Label7);
        QCOMPARE(p.s->Label7(9)->Caption(), QStringLiteral("j"));
        QCOMPARE(p.rig.m.CounterB, std::optional<int>(12));
    }

    // The word to find is what the swap changes: with "even though" for "although" only
    // "although" is right, not the words after it.
    void twoWordSwapJudgedByTheChangedWords() {
        Play p("connectives");
        const int row = p.rowOf(QStringLiteral("He didn’t want an umbrella although it was raining. "));
        p.show(row);
        for (int i : {0, 4, 6, 7, 8, 9}) {
            p.s->Label7(i)->Click();
            QVERIFY2(p.stageTwoHidden(), qPrintable(p.s->Label7(i)->Caption()));
        }
        QCOMPARE(p.rig.sound.played, QStringList(6, kBoink));
        p.s->Label7(5)->Click();
        QVERIFY(p.stageTwoShown());

        // The other way round, either word of "even though" is the connective.
        for (int i : {3, 4}) {
            p.show(p.rowOf(QStringLiteral("Ivan kept running even though his legs ached. ")));
            p.s->Label7(i)->Click();
            QVERIFY(p.stageTwoShown());
            QCOMPARE(p.s->Label7(i)->ForeColor(), kMagenta);
        }
        p.show(p.rowOf(QStringLiteral("Grandad fell asleep as soon as the film started. ")));
        for (int i : {2, 6}) p.s->Label7(i)->Click();
        QVERIFY(p.stageTwoHidden());
        // The hidden words of an earlier, longer swapped sentence play no part.
        QVERIFY(!p.s->Label2(0)->Visible());
        p.s->Label7(4)->Click();
        QVERIFY(p.stageTwoShown());
    }

    void hiddenSwappedWords() {
        Rig rig;
        auto* s = rig.open<SwapScreen>(QStringLiteral("prepositions"));
        QCOMPARE(s->Label2.count(), SwapScreen::kWords);
        for (Label* l : s->Label2) {
            QCOMPARE(l->Caption(), QStringLiteral("Nearly"));
            QVERIFY(!l->Visible());
        }
        rig.clock.advance(1);
        const QStringList swapped = SplitWords(rig.m.AnswerBank[*rig.m.LastPick]);
        for (int i = 0; i < SwapScreen::kWords; ++i) {
            QCOMPARE(s->Label2(i)->Caption(), i < swapped.size() ? swapped[i] : QStringLiteral("Nearly"));
            QVERIFY(!s->Label2(i)->Visible());
        }
    }

    // Every control in its place, font and colour.
    void screenLayouts() {
        struct Layout {
            const char* name;
            const char* word;
            QRectF box;
            QRectF swapped;
            double firstWord;
        };
        const Layout layouts[] = {
            {"prepositions", "preposition", {3840, 4200, 2595, 735}, {120, 6480, 11655, 855}, 240},
            {"connectives", "connective", {3120, 4200, 4035, 735}, {120, 6420, 11655, 1095}, 120},
        };
        for (const Layout& d : layouts) {
            Rig rig;
            auto* s = rig.open<SwapScreen>(QString::fromLatin1(d.name));
            const QString word = QString::fromLatin1(d.word);
            QCOMPARE(s->Label4->Caption(), QStringLiteral("Click on the %1 in the sentence below.").arg(word));
            QCOMPARE(place(s->Label4), QRectF(120, 120, 9855, 855));
            QCOMPARE(s->Label4->Font().name, QStringLiteral("Times New Roman"));
            QCOMPARE(s->Label4->Font().points, 24.0);
            QCOMPARE(s->Label4->ForeColor(), kYellow);
            QVERIFY(s->Label4->backStyle() == BackStyle::Transparent);
            QVERIFY(s->Label4->Visible());
            QCOMPARE(s->Label4->linesNeeded(), 1);

            QCOMPARE(s->Label7.count(), 10);
            QCOMPARE(s->Label7(0)->Left(), d.firstWord);
            for (Label* l : s->Label7) {
                QCOMPARE(l->Font().name, QStringLiteral("Tahoma"));
                QCOMPARE(l->Font().points, 20.25);
                QVERIFY(l->Font().bold);
                QVERIFY(l->AutoSize());
                QCOMPARE(l->ForeColor(), kYellow);
                QVERIFY(l->backStyle() == BackStyle::Transparent);
                QVERIFY(!l->Visible());
                QCOMPARE(l->Caption(), QString());
                QCOMPARE(l->Top(), 2160.0);
            }

            QCOMPARE(s->Label6->Caption(),
                     QStringLiteral("Click STOP when the word in the box could be swapped with the %1 to make another "
                                    "sensible sentence.")
                         .arg(word));
            QCOMPARE(place(s->Label6), QRectF(120, 3120, 9855, 975));
            QCOMPARE(s->Label6->Font().points, 20.25);
            QCOMPARE(s->Label6->Font().name, QStringLiteral("Times New Roman"));
            QCOMPARE(s->Label6->ForeColor(), kYellow);
            QVERIFY(s->Label6->textHeightTwips() <= s->Label6->Height());

            for (Label* box : {s->Label9, s->Label8}) {
                QVERIFY(box->backStyle() == BackStyle::Opaque);
                QCOMPARE(box->BackColor(), QColor(0, 0, 0));
                QVERIFY(box->BorderStyle() == Border::FixedSingle);
                QCOMPARE(box->Font().name, QStringLiteral("Tahoma"));
                QCOMPARE(box->Font().points, 24.0);
                QVERIFY(box->Font().bold);
                QVERIFY(box->Alignment() == Align::Center);
                QVERIFY(!box->Visible());
            }
            QCOMPARE(place(s->Label9), d.box);
            QCOMPARE(s->Label9->ForeColor(), kYellow);
            QCOMPARE(place(s->Label8), QRectF(4320, 5280, 1635, 675));
            QCOMPARE(s->Label8->ForeColor(), QColor(255, 0, 0));
            QCOMPARE(s->Label8->Caption(), QStringLiteral("STOP"));

            const double tops[] = {4560, 4920, 5280};
            const char* captions[] = {"Fast", "Medium", "Slow"};
            OptionButton* options[] = {s->options.Option1, s->options.Option2, s->options.Option3};
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(place(options[i]), QRectF(10080, tops[i], 1455, 255));
                QCOMPARE(options[i]->Caption(), QString::fromLatin1(captions[i]));
                QCOMPARE(options[i]->BackColor(), QColor(49, 135, 215));
                QCOMPARE(options[i]->Value(), i == 1);
                QVERIFY(!options[i]->Visible());
            }

            QCOMPARE(place(s->Label3), d.swapped);
            QCOMPARE(s->Label3->Font().name, QStringLiteral("Tahoma"));
            QCOMPARE(s->Label3->Font().points, 20.25);
            QVERIFY(s->Label3->Font().bold);
            QCOMPARE(s->Label3->ForeColor(), kYellow);
            QVERIFY(s->Label3->backStyle() == BackStyle::Transparent);
            QVERIFY(!s->Label3->Visible());

            QCOMPARE(place(s->Label1), QRectF(1320, 7380, 8655, 1455));
            QCOMPARE(s->Label1->Font().name, QStringLiteral("Times New Roman"));
            QCOMPARE(s->Label1->Font().points, 48.0);
            QCOMPARE(s->Label1->ForeColor(), kYellow);
            QVERIFY(s->Label1->backStyle() == BackStyle::Transparent);
            QVERIFY(!s->Label1->Visible());

            QVERIFY(!s->Timer2->Enabled());
            QVERIFY(!s->cmdsoln->Visible());
            QVERIFY(s->cmdgo->Visible());
        }
    }

    // A pupil's clicks arrive through the window: a word, a speed option, STOP, and EXIT
    // under the edge of the feedback caption.
    void pupilPlaysWithTheMouse() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu3"));
        rig.random.script(0.0, 2.5 / 30);
        menu->Label3(2)->Click();  // "Connectives"
        auto* s = rig.screen<SwapScreen>(QStringLiteral("connectives"));
        QVERIFY(s);
        rig.clock.advance(1);
        QCOMPARE(s->Label7(2)->Caption(), QStringLiteral("want"));  // "He didn’t want an umbrella although ..."
        clickOn(*s->Label7(7));  // "was": not the connective
        QVERIFY(!s->Label9->Visible());
        clickOn(*s->Label7(5));  // "although"
        QVERIFY(s->Label9->Visible());
        QCOMPARE(s->Label7(5)->ForeColor(), kMagenta);
        clickOn(*s->options.Option1);  // "Fast"
        QVERIFY(s->options.Option1->Value());
        rig.clock.advance(1000);
        QCOMPARE(s->Label9->Caption(), QStringLiteral("mistakenly"));
        clickOn(*s->Label8);  // wrong
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Wrong"));
        rig.clock.advance(1000);
        QCOMPARE(s->Label9->Caption(), QStringLiteral("finally"));
        rig.clock.advance(1000);
        QCOMPARE(s->Label9->Caption(), QStringLiteral("even though"));
        clickOn(*s->Label8);
        QVERIFY(s->Label3->Visible());
        QCOMPARE(s->Label3->Caption(), QStringLiteral("He didn’t want an umbrella even though it was raining. "));

        // The feedback caption reaches over EXIT; a click there still leaves the screen.
        const QRectF exit = place(s->cmdexit);
        QVERIFY(s->Label1->Visible());
        QVERIFY(exit.intersects(place(s->Label1)));
        const QPointF twips(1600, 8100);
        QVERIFY(exit.contains(twips) && place(s->Label1).contains(twips));
        clickAt(*s, QPoint(int(twips.x() / 15), int(twips.y() / 15)));
        QCOMPARE(rig.flow->front(), QStringLiteral("menu3"));
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("connectives")));
        QCOMPARE(rig.sound.played,
                 (QStringList{kClick, kClick, kBoink, kBeep, kType, kBoink, kType, kType, kBeep, kClick}));
    }
};

QTEST_MAIN(SwapTest)
#include "test_swap.moc"
