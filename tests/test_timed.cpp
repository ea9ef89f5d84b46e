// The timed stop screens: the stop box of "Language Conventions" and "Phrases and
// Clauses", and the punctuation wheel of "Comma, Colon and Semi-colon" and "Punctuation
// Terminology": stepping at the chosen pace, STOP, feedback, blink, layout and sounds.

#include <QtTest>
#include <climits>

#include "rig.h"
#include "shell/menu.h"
#include "topics/timed/stop_box.h"
#include "topics/timed/timed_rules.h"
#include "topics/timed/wheel.h"

using namespace qm;
using namespace qm::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kDarkRed(192, 0, 0);
const QColor kScreen(49, 135, 215);
const QString kClick = QStringLiteral("wav\\click.wav");
const QString kType = QStringLiteral("wav\\typekey.wav");
const QString kWhizz = QStringLiteral("wav\\whizz.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");

QRectF placeOf(const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); }

bool looks(const Label* l, const char* face, double points, bool bold, const QColor& colour) {
    return l->Font().name == QLatin1String(face) && l->Font().points == points && l->Font().bold == bold &&
           l->ForeColor() == colour;
}

bool isBox(const Label* l) {
    return l->backStyle() == BackStyle::Opaque && l->BackColor() == kBlack && l->BorderStyle() == Border::FixedSingle;
}

// A stop-box screen opened on a chosen first row.
struct StopBox {
    Rig rig;
    StopBoxScreen* s = nullptr;
    int N = 0;

    // The first question is row `first`.
    StopBox(const char* name, int first) {
        rig.m.SoundOn = 1;
        N = QLatin1String(name) == QLatin1String("phrase") ? 31 : 30;
        rig.random.push((first + 0.5) / N);
        s = rig.open<StopBoxScreen>(QString::fromLatin1(name));
        rig.clock.advance(1);
        rig.quiet();
    }
    bool phrase() const { return N == 31; }
    int key(int row) const { return num(rig.m.AnswerKey[phrase() ? 2 * row : row]); }
    QString text(int row) const { return rig.m.QuestionBank[phrase() ? 2 * row : row]; }
    int rowOf(const QString& text) const {
        for (int i = 0; i < N; ++i)
            if (this->text(i) == text) return i;
        return -1;
    }
    // The next question through NEXT: row k, the box starting after category `start`.
    void next(int k, int start) {
        QVERIFY(k >= 0 && k < N);
        if (rig.m.LastPick == k) next((k + 1) % N, 0);
        const int count = int(s->categories().size());
        rig.random.push((start + 0.5) / count);
        rig.random.push((k + 0.5) / N);
        s->cmdgo->Click();
        QVERIFY(rig.m.LastPick == k);
        rig.quiet();
    }
    QString box() const { return s->Label7->Caption(); }
    // Lets the box step until it shows category c (a step at most every 6 s).
    void waitFor(int c) {
        for (int t = 0; t < 40000 && box() != s->categories().value(c); t += 1000) rig.clock.advance(1000);
        QCOMPARE(box(), s->categories().value(c));
    }
};

// A wheel screen with its first question on screen.
struct Wheel {
    Rig rig;
    WheelScreen* s = nullptr;
    int N = 0;

    Wheel(const char* name, int first = 0) {
        rig.m.SoundOn = 1;
        N = QLatin1String(name) == QLatin1String("comma") ? 32 : 30;
        rig.random.push((first + 0.5) / N);
        s = rig.open<WheelScreen>(QString::fromLatin1(name));
        rig.clock.advance(1);
        rig.quiet();
    }
    QString mark(int row) const { return rig.m.QuestionBank[3 * row + 1]; }
    QString sentence(int row) const {
        return rig.m.QuestionBank[3 * row] + rig.m.QuestionBank[3 * row + 1] + rig.m.QuestionBank[3 * row + 2];
    }
    // The next question of the comma screen: row k.
    void next(int k) {
        if (rig.m.LastPick == k) next((k + 1) % N);
        rig.random.push((k + 0.5) / N);
        s->cmdgo->Click();
        QVERIFY(rig.m.LastPick == k);
        rig.quiet();
    }
    QString window() const { return s->Label7(WheelScreen::kWindow)->Caption(); }
    QStringList boxes() const {
        QStringList b;
        for (Label* box : s->Label7) b << box->Caption();
        return b;
    }
    // Starts the wheel and lets it turn until the window shows `m` (a step every second).
    void turnTo(const QString& m) {
        s->Label2_Click();
        rig.clock.advance(1);
        for (int i = 0; i < 8 && window() != m; ++i) rig.clock.advance(1000);
        QCOMPARE(window(), m);
    }
};

}  // namespace

class TimedTest : public QObject {
    Q_OBJECT
private slots:
    // ------------------------------------------------------------ rules

    void categoryStepsAndStopVerdict() {
        QCOMPARE(nextCategory(0, 4), 1);
        QCOMPARE(nextCategory(3, 4), 0);
        QCOMPARE(nextCategory(1, 2), 0);
        QCOMPARE(nextCategory(std::nullopt, 4), 1);
        QCOMPARE(nextCategory(9, 4), 2);   // a counter left outside the cycle comes back into it
        QCOMPARE(nextCategory(-3, 2), 0);
        QVERIFY(stopIsRight(2, 2));
        QVERIFY(!stopIsRight(1, 2));
        QVERIFY(!stopIsRight(std::nullopt, 0));  // a blank box is never right
        QVERIFY(!stopIsRight(0, std::nullopt));
    }

    void wheelPositions_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("mark");
        QTest::newRow("still") << 0 << 0 << 0;
        QTest::newRow("window, still") << 2 << 0 << 2;
        QTest::newRow("one step: mark 1 reaches the window") << 2 << 1 << 1;
        QTest::newRow("one step: mark 2 has moved on") << 3 << 1 << 2;
        QTest::newRow("one step: mark 7 reaches the top") << 0 << 1 << 7;
        QTest::newRow("a whole turn") << 5 << 8 << 5;
        QTest::newRow("many turns") << 2 << 83 << 7;
        QTest::newRow("below zero") << 1 << -1 << 2;
    }
    void wheelPositions() {
        QFETCH(int, box);
        QFETCH(int, counter);
        QFETCH(int, mark);
        QCOMPARE(wheelMarkIn(box, counter), mark);
    }

    void wheelCounterAndRowOrder() {
        QCOMPARE(wheelStep(std::nullopt), 1);
        QCOMPARE(wheelStep(7), 8);
        QCOMPARE(wheelStep(INT_MAX), 0);
        // Past the largest counter every mark still moves one box on.
        for (int box = 0; box < 8; ++box) QCOMPARE(wheelMarkIn(box, wheelStep(INT_MAX)), (wheelMarkIn(box, INT_MAX) + 7) % 8);
        QCOMPARE(nextRowInOrder(0, 30), 1);
        QCOMPARE(nextRowInOrder(std::nullopt, 30), 1);
        QCOMPARE(nextRowInOrder(28, 30), 29);
        QCOMPARE(nextRowInOrder(29, 30), 0);
        QCOMPARE(nextRowInOrder(25 + 7, 30), 0);
        QCOMPARE(nextRowInOrder(-4, 30), 0);
        QVERIFY(windowMatches(QStringLiteral(". "), QStringLiteral(".")));
        QVERIFY(windowMatches(QStringLiteral("? "), QStringLiteral("?")));
        QVERIFY(windowMatches(QStringLiteral("\""), QStringLiteral("\"")));
        QVERIFY(!windowMatches(QStringLiteral(": "), QStringLiteral(";")));
        QVERIFY(!windowMatches(QStringLiteral(": "), QString()));
        QVERIFY(!windowMatches(QString(), QString()));
    }

    void secondPartPlace() {
        const LineRule phrase{120, 10000, 750};
        SecondPartPlace p = placeSecondPart(phrase, 240, 1200, 4000, 5640);  // ends at exactly 10000
        QCOMPARE(p.left, 4360.0);
        QCOMPARE(p.top, 1200.0);
        QVERIFY(!p.wrapped);
        p = placeSecondPart(phrase, 240, 1200, 4000, 5641);
        QCOMPARE(p.left, 240.0);
        QCOMPARE(p.top, 1950.0);
        QVERIFY(p.wrapped);
        const LineRule comma{570, 11760, 600};
        p = placeSecondPart(comma, 120, 1560, 6000, 5071);
        QCOMPARE(p.left, 120.0);
        QCOMPARE(p.top, 2160.0);
        const LineRule oneLine{570, std::nullopt, 0};
        p = placeSecondPart(oneLine, 120, 1560, 9000, 9000);
        QCOMPARE(p.left, 9690.0);
        QCOMPARE(p.top, 1560.0);
    }

    // ------------------------------------------------------------ stop box

    // The first question is not prepared by NEXT: the box starts from 0 and shows
    // category 1 one second after the text, then steps every 4 s (Medium).
    void firstQuestionShowsCategoryOneAfterASecond() {
        for (const char* name : {"conventions", "phrase"}) {
            StopBox b(name, 3);
            QVERIFY(b.rig.m.LastPick == 3);
            QVERIFY(b.s->Label4(0)->Visible());
            QCOMPARE(b.s->Label4(0)->Caption(), b.text(3));
            QCOMPARE(b.box(), QString());
            b.rig.clock.advance(999);
            QCOMPARE(b.box(), QString());
            QVERIFY(b.rig.sound.played.isEmpty());
            b.rig.clock.advance(1);
            QCOMPARE(b.box(), b.s->categories()[1]);
            QCOMPARE(b.rig.sound.played, QStringList{kType});
            b.rig.clock.advance(3999);
            QCOMPARE(b.box(), b.s->categories()[1]);
            b.rig.clock.advance(1);
            QCOMPARE(b.box(), b.s->categories()[2 % b.s->categories().size()]);
            QCOMPARE(b.rig.sound.played, (QStringList{kType, kType}));
        }
        StopBox c("conventions", 0);
        c.rig.clock.advance(1000);
        QCOMPARE(c.box(), QStringLiteral("Instructions"));
        // A whole cycle of four at Medium takes 16 s.
        QStringList seen;
        for (int i = 0; i < 4; ++i) {
            c.rig.clock.advance(4000);
            seen << c.box();
        }
        QCOMPARE(seen, (QStringList{QStringLiteral("Report"), QStringLiteral("Persuasion"), QStringLiteral("Narrative"),
                                    QStringLiteral("Instructions")}));
    }

    // NEXT draws a random start; the first category shown is the one after it, a second
    // after the question, and the steps then go at the chosen pace.
    void laterQuestionsStartFromTheRandomStart() {
        StopBox b("conventions", 0);
        b.rig.clock.advance(2500);  // half-way through a step
        b.next(12, 3);
        QCOMPARE(b.box(), QString());
        QCOMPARE(b.s->Label4(0)->Caption(), b.text(12));
        b.rig.clock.advance(999);
        QCOMPARE(b.box(), QString());
        b.rig.clock.advance(1);
        QCOMPARE(b.box(), QStringLiteral("Narrative"));  // after 3 comes 0
        b.rig.clock.advance(4000);
        QCOMPARE(b.box(), QStringLiteral("Instructions"));

        StopBox p("phrase", 0);
        p.next(7, 0);
        p.rig.clock.advance(1000);
        QCOMPARE(p.box(), QStringLiteral("Clause"));
        p.next(8, 1);
        p.rig.clock.advance(1000);
        QCOMPARE(p.box(), QStringLiteral("Phrase"));
        QCOMPARE(p.rig.random.reseeds(), 3);
    }

    // The pace is read at every step: a new choice sets the length of the next step, not
    // the one under way. The choice is made with the pointer.
    void speedChangeTakesEffectFromTheNextStep() {
        StopBox b("conventions", 0);
        clickOn(*b.s->options.Option1);  // Fast
        QVERIFY(b.s->options.Option1->Value());
        QVERIFY(!b.s->options.Option2->Value());
        b.rig.clock.advance(1000);  // first step; the next one is 2 s away
        QCOMPARE(b.box(), QStringLiteral("Instructions"));
        b.rig.clock.advance(1000);
        clickOn(*b.s->options.Option3);  // Slow, half-way through a Fast step
        b.rig.clock.advance(999);
        QCOMPARE(b.box(), QStringLiteral("Instructions"));
        b.rig.clock.advance(1);
        QCOMPARE(b.box(), QStringLiteral("Report"));
        b.rig.clock.advance(5999);
        QCOMPARE(b.box(), QStringLiteral("Report"));
        b.rig.clock.advance(1);
        QCOMPARE(b.box(), QStringLiteral("Persuasion"));
    }

    // A right STOP freezes the box on the right category, silences the steps and shows
    // the explanation of that category; STOP again is judged against the frozen box and is
    // right again.
    void rightStopFreezesTheBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("explanation");
        QTest::newRow("Narrative") << "Once upon a time." << 0 << "Narrative means story telling.";
        QTest::newRow("Instructions") << "Plug the red lead into the red socket." << 1
                                      << "Instructions give directions and information.";
        QTest::newRow("Report") << "The bridge has become unsafe for vehicles." << 2
                                << "Reports are statements of facts.";
        QTest::newRow("Persuasion") << QString::fromUtf8("You’ll get better results than ever using our product.") << 3
                                    << "Persuasive texts try to influence or win over the reader.";
    }
    void rightStopFreezesTheBox() {
        QFETCH(QString, text);
        QFETCH(int, category);
        QFETCH(QString, explanation);
        StopBox b("conventions", 0);
        const int row = b.rowOf(text);
        QVERIFY2(row >= 0, qPrintable(text));
        b.next(row, 0);
        QVERIFY(!b.s->Label4(2)->Visible());
        b.waitFor(category);
        b.rig.quiet();
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(b.s->Label1->Visible());
        QVERIFY(b.s->tmrtick->Enabled());
        QVERIFY(!b.s->Timer2->Enabled());
        QVERIFY(b.s->Label4(2)->Visible());
        QCOMPARE(b.s->Label4(2)->Caption(), explanation);
        b.rig.clock.advance(30000);
        QCOMPARE(b.box(), b.s->categories()[category]);
        QCOMPARE(b.rig.sound.played, QStringList{kWhizz});
        QCOMPARE(b.s->imgtick->Width(), 736.0);
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(b.rig.sound.played, (QStringList{kWhizz, kWhizz}));
        // The next question hides the explanation and the caption, not the text.
        b.next((row + 1) % b.N, 0);
        QVERIFY(!b.s->Label4(2)->Visible());
        QVERIFY(!b.s->Label1->Visible());
        QVERIFY(b.s->Label4(0)->Visible());
        QVERIFY(b.s->Timer2->Enabled());
        QCOMPARE(b.s->Label4(2)->Caption(),
                 QString::fromLatin1(b.key(row + 1) == 0   ? "Narrative means story telling."
                                     : b.key(row + 1) == 1 ? "Instructions give directions and information."
                                     : b.key(row + 1) == 2 ? "Reports are statements of facts."
                                                           : "Persuasive texts try to influence or win over the reader."));
    }

    // A wrong STOP gives the cross and lets the box go on, so the pupil can try again.
    void wrongStopLetsTheBoxGoOn() {
        StopBox b("phrase", 0);
        const int row = b.rowOf(QStringLiteral("The picnic sandwiches"));
        b.next(row, 0);
        b.rig.clock.advance(1000);
        QCOMPARE(b.box(), QStringLiteral("Clause"));
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(b.s->tmrcross->Enabled());
        QVERIFY(b.s->Timer2->Enabled());
        b.rig.clock.advance(4000);
        QCOMPARE(b.box(), QStringLiteral("Phrase"));
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(b.rig.sound.played, (QStringList{kType, kBoink, kType, kWhizz}));
        b.rig.clock.advance(2000);
        // Without the shared setting, the cross gives way to the tick on this screen.
        QVERIFY(b.s->imgtick->Visible());
        QVERIFY(!b.s->imgcross->Visible());
    }

    // Before its first step the box is blank: a STOP then is wrong, whatever category the
    // box would start from, and the box goes on stepping.
    void stopOnTheBlankBoxIsWrong() {
        StopBox b("conventions", 0);
        const int narrative = b.rowOf(QStringLiteral("Once upon a time."));
        b.next(narrative, 0);  // the counter now holds the row's own category
        QVERIFY(b.rig.m.CounterA == 0);
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(b.s->Label1->Visible());
        QVERIFY(b.s->tmrcross->Enabled());
        QVERIFY(!b.s->tmrtick->Enabled());
        QVERIFY(!b.s->Label4(2)->Visible());
        QCOMPARE(b.rig.sound.played, QStringList{kBoink});
        b.rig.clock.advance(1000);
        QCOMPARE(b.box(), QStringLiteral("Instructions"));

        // The same on the first question, whose counter starts at 0 from the load.
        StopBox first("phrase", 0);
        const int phrase = first.rowOf(QStringLiteral("The picnic sandwiches"));
        StopBox p("phrase", phrase);
        QCOMPARE(p.key(phrase), 0);
        QVERIFY(p.rig.m.CounterA == 0);
        p.s->Label8_Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(1000);
        QCOMPARE(p.box(), QStringLiteral("Clause"));
        QVERIFY(p.s->Timer2->Enabled());
    }

    // The sentence of "Phrases and Clauses": the first part in dark red, the second in
    // black after it, or on a line of its own when it would end right of 10000 twips.
    void phraseLaysOutTheTwoParts() {
        StopBox b("phrase", 0);
        Label* question = b.s->find<Label>(QStringLiteral("Label2"));
        QVERIFY(question);
        const int wallet = b.rowOf(QStringLiteral("He snatched my wallet "));
        b.next(wallet, 0);
        Label* first = b.s->Label4(0);
        Label* second = b.s->Label4(1);
        QCOMPARE(first->Caption(), QStringLiteral("He snatched my wallet "));
        QCOMPARE(second->Caption(), QStringLiteral("yesterday afternoon."));
        QCOMPARE(first->Left(), 240.0);
        QVERIFY(first->Left() + first->Width() + 120 + second->Width() > 10000);
        QCOMPARE(second->Left(), 240.0);
        QCOMPARE(second->Top(), 1950.0);
        QCOMPARE(b.s->Label4(2)->Caption(), QStringLiteral("'yesterday afternoon.'"));
        QCOMPARE(b.s->Label4(2)->ForeColor(), kBlack);
        QCOMPARE(question->Caption(), QStringLiteral("Is the text shown in black a phrase or a clause?"));
        for (int i : {0, 1, 2}) QVERIFY(b.s->Label4(i)->Visible());

        const int dogs = b.rowOf(QStringLiteral("The dogs barked noisily"));
        b.next(dogs, 0);
        QCOMPARE(second->Top(), 1200.0);
        QCOMPARE(second->Left(), 240 + first->Width() + 120);
        QVERIFY(second->Left() + second->Width() <= 10000);
        QCOMPARE(first->ForeColor(), kDarkRed);
        QCOMPARE(second->ForeColor(), kBlack);
        QCOMPARE(b.s->Label4(2)->Caption(), QStringLiteral("'The dogs barked noisily'"));
        QCOMPARE(b.s->Label4(2)->ForeColor(), kDarkRed);
        QCOMPARE(question->Caption(), QStringLiteral("Is the text shown in red a phrase or a clause?"));
        QCOMPARE(b.key(dogs), 1);
        // STOP is judged by the class of the marked part, not by which part is marked: the
        // first part of this sentence is a clause.
        b.rig.clock.advance(1000);
        QCOMPARE(b.box(), QStringLiteral("Clause"));
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Correct"));
        // The second part of the other sentence is a phrase.
        b.next(wallet, 1);
        b.rig.clock.advance(1000);
        QCOMPARE(b.box(), QStringLiteral("Phrase"));
        b.s->Label8_Click();
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Correct"));
    }

    // Both stop-box screens take the pupil's clicks through the window: STOP on the right
    // category, and EXIT under the explanation that overlaps it.
    void stopAndExitThroughThePointer() {
        StopBox b("conventions", 0);
        const int row = b.rowOf(QStringLiteral("Plug the red lead into the red socket."));
        b.next(row, 0);
        b.rig.clock.advance(1000);
        QCOMPARE(b.box(), QStringLiteral("Instructions"));
        clickOn(*b.s->Label8);
        QVERIFY(b.s->Label1->Visible());
        QCOMPARE(b.s->Label1->Caption(), QStringLiteral("Correct"));
        Label* explanation = b.s->Label4(2);
        QVERIFY(explanation->Visible());
        const QPoint exitAt = centreOf(*b.s->cmdexit);
        QVERIFY(explanation->geometry().contains(exitAt));
        b.rig.quiet();
        clickAt(*b.s, exitAt);
        QCOMPARE(b.rig.flow->front(), QStringLiteral("menu6"));
        QCOMPARE(b.rig.sound.played, QStringList{kClick});

        StopBox p("phrase", 0);
        const int row2 = p.rowOf(QStringLiteral("On hillsides in Italy,"));
        p.next(row2, 0);
        p.rig.clock.advance(1000);
        clickOn(*p.s->Label8);  // "Clause"
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(!p.s->Timer2->Enabled());
        clickOn(*p.s->cmdgo);
        QVERIFY(!p.s->Label1->Visible());
        QVERIFY(p.s->Timer2->Enabled());
    }

    void stopBoxSoundsInOrder() {
        Rig rig;
        rig.m.SoundOn = 1;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu6"));
        menu->Label3(1)->Click();  // "Language Conventions"
        auto* s = rig.screen<StopBoxScreen>(QStringLiteral("conventions"));
        QVERIFY(s);
        rig.clock.advance(1);
        const int key = num(rig.m.AnswerKey[*rig.m.LastPick]);
        rig.clock.advance(1000);                 // category 1
        if (key != 1) {
            s->Label8_Click();                   // wrong
            rig.clock.advance(4000 * ((key + 3) % 4));
        }
        s->Label8_Click();                       // right
        s->cmdgo->Click();
        s->cmdexit->Click();
        QStringList expected{kClick, kType};
        if (key != 1) {
            expected << kBoink;
            for (int i = 0; i < (key + 3) % 4; ++i) expected << kType;
        }
        expected << kWhizz << kClick << kClick;
        QCOMPARE(rig.sound.played, expected);
        QCOMPARE(rig.flow->front(), QStringLiteral("menu6"));
    }

    void stopBoxLayouts() {
        {
            Rig rig;
            auto* s = rig.open<StopBoxScreen>(QStringLiteral("conventions"));
            QCOMPARE(s->Caption(), QStringLiteral("Language Conventions"));
            Label* instruction = s->Label4(1);
            QCOMPARE(placeOf(instruction), QRectF(120, 120, 9855, 1455));
            QCOMPARE(instruction->Caption(),
                     QStringLiteral("When the correct category for the text below is shown in the box, click STOP."));
            QVERIFY(looks(instruction, "Times New Roman", 27.75, false, kGreen));
            QVERIFY(instruction->Visible());
            QVERIFY(instruction->textHeightTwips() <= instruction->Height());
            QCOMPARE(placeOf(s->Label4(0)), QRectF(120, 1680, 9855, 1815));
            QVERIFY(looks(s->Label4(0), "Times New Roman", 36, false, kYellow));
            QVERIFY(!s->Label4(0)->Visible());
            QCOMPARE(placeOf(s->Label7), QRectF(2880, 3600, 4365, 975));
            QVERIFY(looks(s->Label7, "Times New Roman", 36, true, kYellow));
            QVERIFY(isBox(s->Label7));
            QCOMPARE(s->Label7->Caption(), QString());
            QCOMPARE(placeOf(s->Label8), QRectF(4200, 5040, 1755, 675));
            QCOMPARE(placeOf(s->Label1), QRectF(120, 6120, 9855, 1095));
            QCOMPARE(placeOf(s->Label4(2)), QRectF(120, 7200, 9855, 1455));
            QVERIFY(looks(s->Label4(2), "Times New Roman", 27.75, false, kGreen));
            QVERIFY(!s->Label4(2)->Visible());
            for (const char* text : {"Narrative means story telling.", "Instructions give directions and information.",
                                     "Reports are statements of facts.",
                                     "Persuasive texts try to influence or win over the reader."}) {
                s->Label4(2)->setCaption(QString::fromLatin1(text));
                QVERIFY2(s->Label4(2)->textHeightTwips() <= s->Label4(2)->Height(), text);
            }
            for (const QString& c : s->categories()) {
                s->Label7->setCaption(c);
                QVERIFY2(s->Label7->linesNeeded() == 1, qPrintable(c));
            }
            QCOMPARE(s->options.Option1->Left(), 8280.0);
            QCOMPARE(s->options.Option1->Top(), 3600.0);
            QCOMPARE(s->options.Option3->Top(), 4320.0);
        }
        {
            Rig rig;
            auto* s = rig.open<StopBoxScreen>(QStringLiteral("phrase"));
            QCOMPARE(s->Caption(), QStringLiteral("Phrases and Clauses"));
            Label* question = s->find<Label>(QStringLiteral("Label2"));
            QCOMPARE(placeOf(question), QRectF(0, 120, 10215, 1455));
            QVERIFY(looks(question, "Times New Roman", 27.75, false, kYellow));
            QVERIFY(question->Visible());
            QCOMPARE(s->Label4(0)->Top(), 1200.0);
            QVERIFY(s->Label4(0)->AutoSize());
            QVERIFY(s->Label4(1)->AutoSize());
            QVERIFY(looks(s->Label4(0), "Times New Roman", 27.75, false, kDarkRed));
            QVERIFY(looks(s->Label4(1), "Times New Roman", 27.75, false, kBlack));
            QCOMPARE(placeOf(s->Label4(2)), QRectF(240, 4560, 6285, 1455));
            QVERIFY(s->Label4(2)->Alignment() == Align::Right);
            QVERIFY(!s->Label4(2)->AutoSize());
            QCOMPARE(placeOf(s->Label4(3)), QRectF(6540, 4560, 885, 855));
            QVERIFY(looks(s->Label4(3), "Times New Roman", 27.75, false, kYellow));
            QCOMPARE(s->Label4(3)->Caption(), QStringLiteral("is a"));
            QVERIFY(s->Label4(3)->Visible());
            QCOMPARE(placeOf(s->Label7), QRectF(7560, 4440, 2445, 975));
            QVERIFY(isBox(s->Label7));
            QCOMPARE(placeOf(s->Label8), QRectF(7920, 5760, 1755, 675));
            QCOMPARE(placeOf(s->Label1), QRectF(120, 6720, 9855, 1095));
            QCOMPARE(s->options.Option1->Left(), 10080.0);
            QCOMPARE(s->options.Option2->Top(), 6960.0);
            for (int i : {0, 1, 2}) QVERIFY(!s->Label4(i)->Visible());
        }
        for (const char* name : {"conventions", "phrase"}) {
            Rig rig;
            auto* s = rig.open<StopBoxScreen>(QString::fromLatin1(name));
            QCOMPARE(s->Label8->Caption(), QStringLiteral("STOP"));
            QVERIFY(looks(s->Label8, "Tahoma", 24, true, kRed));
            QVERIFY(isBox(s->Label8));
            QVERIFY(looks(s->Label1, "Times New Roman", 36, false, kYellow));
            QVERIFY(s->Label1->backStyle() == BackStyle::Transparent);
            QVERIFY(!s->Label1->Visible());
            QVERIFY(s->options.Option2->Value());
            QCOMPARE(s->options.Option1->BackColor(), kScreen);
            QVERIFY(!s->Timer2->Enabled());
            QCOMPARE(s->Timer2->Interval(), 1000);
            QVERIFY(!s->cmdsoln->Visible());
            QVERIFY(rig.m.CounterA == 0);
        }
    }

    // ------------------------------------------------------------ wheel

    // STOP before START: the window is blank, so the answer is wrong; the whole sentence
    // shows and START goes. STOP again judges the same window the same way.
    void stopBeforeStart() {
        for (const char* name : {"comma", "punctuation"}) {
            Wheel w(name);
            const int row = *w.rig.m.LastPick;
            QVERIFY(w.s->Label2->Visible());
            QVERIFY(!w.s->Label6->Visible());
            w.s->Label8_Click();
            QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Wrong"));
            QVERIFY(w.s->Label1->Visible());
            QVERIFY(!w.s->Label2->Visible());
            QVERIFY(w.s->Label6->Visible());
            QCOMPARE(w.s->Label6->Caption(), w.sentence(row));
            QVERIFY(w.s->tmrcross->Enabled());
            QVERIFY(!w.s->Timer3->Enabled());
            w.s->Label8_Click();
            QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Wrong"));
            QCOMPARE(w.rig.sound.played, (QStringList{kBoink, kBoink}));
            w.rig.clock.advance(5000);
            QCOMPARE(w.boxes(), QStringList(8, QString()));
        }
    }

    // Each step moves every mark one box clockwise; the middle names the window's mark.
    void wheelMarksMoveOneBoxAStep() {
        Wheel w("comma");
        QCOMPARE(w.boxes(), QStringList(8, QString()));
        w.s->Label2_Click();
        QCOMPARE(w.rig.sound.played, QStringList());
        w.rig.clock.advance(1);  // the first step follows at once
        QCOMPARE(w.boxes(), (QStringList{":", ".", ",", ";", ":", ".", ",", ";"}));
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Comma"));
        QCOMPARE(w.rig.sound.played, QStringList{kType});
        QStringList before = w.boxes();
        w.rig.clock.advance(999);
        QCOMPARE(w.boxes(), before);
        w.rig.clock.advance(1);  // Medium: a step a second
        for (int i = 0; i < 8; ++i) QCOMPARE(w.boxes()[(i + 1) % 8], before[i]);
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Full Stop"));
        clickOn(*w.s->options.Option1);  // Fast, from the next step on
        w.rig.clock.advance(1000);
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Colon"));
        w.rig.clock.advance(500);
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Semi-colon"));
        w.s->options.Option3->setValue(true);  // Slow
        w.rig.clock.advance(500);
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Comma"));
        w.rig.clock.advance(1999);
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Comma"));
        w.rig.clock.advance(1);
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Full Stop"));
        QVERIFY(w.rig.m.CounterA == 6);
        QCOMPARE(w.rig.sound.played, QStringList(6, kType));

        Wheel p("punctuation");
        p.turnTo(QStringLiteral("?"));
        QStringList names;
        QStringList marks;
        for (int i = 0; i < 8; ++i) {
            names << p.s->Label5->Caption();
            marks << p.window();
            p.rig.clock.advance(1000);
        }
        QCOMPARE(marks, (QStringList{"?", "\"", ";", "'", ".", ":", "!", ","}));
        QCOMPARE(names, (QStringList{"Question Mark", "Quotation Marks", "Semi-Colon", "Apostrophe", "Full Stop",
                                     "Colon", "Exclamation Mark", "Comma"}));
    }

    // Every comma row is answered by its own mark, and never by a full stop.
    void commaRowsTakeTheirOwnMark() {
        Wheel w("comma");
        for (int row = 0; row < w.N; ++row) {
            w.next(row);
            const QString expected = row <= 10 ? QStringLiteral(": ") : row <= 21 ? QStringLiteral("; ") : QStringLiteral(", ");
            QCOMPARE(w.mark(row).left(1), expected.left(1));  // the nurse's comma has no space before her quote
            w.turnTo(QStringLiteral("."));
            w.s->Label8_Click();
            QVERIFY2(w.s->Label1->Caption() == QLatin1String("Wrong"), qPrintable(w.sentence(row)));
            w.next(row == 0 ? 1 : 0);
            w.next(row);
            w.turnTo(expected.left(1));
            w.s->Label8_Click();
            QVERIFY2(w.s->Label1->Caption() == QLatin1String("Correct"), qPrintable(w.sentence(row)));
        }
    }

    // Questions come in order from the counter that the wheel's steps also move on.
    void punctuationQuestionOrder() {
        Wheel w("punctuation");
        QVERIFY(w.rig.m.LastPick == 1);  // the first question after opening
        QCOMPARE(w.s->Label3(0)->Caption(), QStringLiteral("\"Is it still raining"));
        QCOMPARE(w.rig.random.calls(), 0);
        for (int row = 2; row <= 25; ++row) {
            w.s->cmdgo->Click();
            QVERIFY(w.rig.m.LastPick == row);
        }
        QCOMPARE(w.s->Label3(0)->Caption(), w.rig.m.QuestionBank[75]);
        w.s->Label2_Click();
        w.rig.clock.advance(1 + 6 * 1000);  // seven steps
        w.s->Label8_Click();
        QVERIFY(w.rig.m.CounterA == 32);
        w.s->cmdgo->Click();
        QVERIFY(w.rig.m.LastPick == 0);  // 33 is past the last row
        QCOMPARE(w.s->Label3(0)->Caption(), QStringLiteral("\"Look"));
        // Back to 0 twice in a row: the same question comes back at once.
        w.s->Label2_Click();
        w.rig.clock.advance(1 + 28 * 1000);  // 29 steps
        w.s->Label8_Click();
        w.s->cmdgo->Click();
        QVERIFY(w.rig.m.LastPick == 0);
        w.s->cmdgo->Click();
        QVERIFY(w.rig.m.LastPick == 1);
    }

    // A mark stored with a space after it is judged on the mark alone.
    void markWithSpaceJudgedOnItsFirstCharacter() {
        Wheel w("punctuation");
        for (int row : {4, 5}) {
            while (w.rig.m.LastPick != row) w.s->cmdgo->Click();
            QCOMPARE(w.mark(row), row == 4 ? QStringLiteral(". ") : QStringLiteral("? "));
            w.turnTo(w.mark(row).left(1));
            w.rig.quiet();
            w.s->Label8_Click();
            QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Correct"));
            QCOMPARE(w.rig.sound.played, QStringList{kWhizz});
            QCOMPARE(w.s->Label6->Caption(), w.rig.m.QuestionBank[3 * row] + w.mark(row));
        }
    }

    // After a right STOP the window's mark blinks: the screen's colour for 250 ms, yellow
    // for 250 ms, until the next question.
    void rightAnswerBlinksTheWindow() {
        Wheel w("comma");
        w.next(0);
        w.turnTo(QStringLiteral(":"));
        w.s->Label8_Click();
        Label* window = w.s->Label7(WheelScreen::kWindow);
        QVERIFY(w.s->Timer3->Enabled());
        QVERIFY(!w.s->Timer2->Enabled());
        QCOMPARE(window->ForeColor(), kYellow);
        w.rig.clock.advance(250);
        QCOMPARE(window->ForeColor(), kScreen);
        w.rig.clock.advance(250);
        QCOMPARE(window->ForeColor(), kYellow);
        w.rig.clock.advance(250);
        QCOMPARE(window->ForeColor(), kScreen);
        for (Label* box : w.s->Label7)
            if (box != window) QCOMPARE(box->ForeColor(), kYellow);
        QCOMPARE(window->Caption(), QStringLiteral(":"));  // the wheel stands still
        // STOP again: the same window, the same verdict; the blink keeps its pace.
        w.s->Label8_Click();
        QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Correct"));
        w.rig.clock.advance(250);
        QCOMPARE(window->ForeColor(), kYellow);
        w.next(1);
        QVERIFY(!w.s->Timer3->Enabled());
        QCOMPARE(window->ForeColor(), kYellow);
        QVERIFY(w.rig.m.CounterC == 0);
        QVERIFY(w.s->Label2->Visible());
        QVERIFY(!w.s->Label6->Visible());
        QVERIFY(!w.s->Label1->Visible());
    }

    // On the wheel screens the tick and the cross never hide each other: a right answer
    // followed at once by NEXT and a STOP on the blank window shows both, the tick above.
    void tickAndCrossBothShow() {
        for (const char* name : {"comma", "punctuation"}) {
            Wheel w(name);
            const int row = *w.rig.m.LastPick;
            w.turnTo(w.mark(row).left(1));
            w.s->Label8_Click();
            w.rig.clock.advance(10);
            QVERIFY(w.s->imgtick->Visible());
            w.s->cmdgo->Click();
            QVERIFY(!w.s->imgtick->Visible());
            QCOMPARE(w.s->imgtick->Width(), 0.0);
            w.s->Label8_Click();  // the boxes are blank after NEXT
            QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Wrong"));
            for (int i = 0; i < 200; ++i) {
                w.rig.clock.advance(1);
                QVERIFY(w.s->imgtick->Visible() && w.s->imgcross->Visible());
            }
            QCOMPARE(w.s->imgtick->Width(), 736.0);
            QCOMPARE(w.s->imgcross->Width(), 736.0);
            const QPoint at = centreOf(*w.s->imgtick);
            QCOMPARE(w.s->childAt(at), static_cast<QWidget*>(w.s->imgtick));
        }
    }

    // NEXT while the wheel turns: the boxes and the name are emptied, the wheel goes on
    // and fills them again at its next step, and STOP judges the new question.
    void nextWhileTheWheelTurns() {
        Wheel w("comma");
        w.next(22);  // a comma
        w.s->Label2_Click();
        w.rig.clock.advance(1);
        w.rig.clock.advance(500);
        w.rig.quiet();
        w.next(0);  // a colon
        QCOMPARE(w.boxes(), QStringList(8, QString()));
        QCOMPARE(w.s->Label5->Caption(), QString());
        QVERIFY(w.s->Timer2->Enabled());
        QVERIFY(w.s->Label2->Visible());
        w.rig.clock.advance(500);
        QCOMPARE(w.window(), QStringLiteral("."));
        QCOMPARE(w.s->Label5->Caption(), QStringLiteral("Full Stop"));
        QCOMPARE(w.rig.sound.played, QStringList{kType});
        w.rig.clock.advance(1000);
        QCOMPARE(w.window(), QStringLiteral(":"));
        w.s->Label8_Click();
        QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(w.s->Label6->Caption(), w.sentence(0));
    }

    // The text after the gap of a long comma row continues on the next line; the next
    // question puts it back. The square sits in the gap.
    void wheelSentenceLayout() {
        Wheel w("comma");
        Label* before = w.s->Label3(0);
        Label* after = w.s->Label3(2);
        w.next(0);  // "Jen’s a serious pupil" and a long explanation
        QCOMPARE(before->Left(), 120.0);
        QVERIFY(before->Left() + before->Width() + 570 + after->Width() > 11760);
        QCOMPARE(after->Left(), 120.0);
        QCOMPARE(after->Top(), 2160.0);
        QCOMPARE(w.s->Shape1->Left(), 120 + before->Width() + 90);
        QVERIFY(before->Visible() && after->Visible() && w.s->Label4->Visible());
        QVERIFY(!w.s->Label3(1)->Visible());
        w.next(23);  // "'Come along now" fits on one line
        QCOMPARE(after->Top(), 1560.0);
        QCOMPARE(after->Left(), 120 + before->Width() + 570);

        Wheel p("punctuation");
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(p.s->Label3(2)->Top(), 1560.0);
            QCOMPARE(p.s->Label3(2)->Left(), 120 + p.s->Label3(0)->Width() + 570);
            QCOMPARE(p.s->Shape1->Left(), 120 + p.s->Label3(0)->Width() + 120);
            p.s->cmdgo->Click();
        }
    }

    // START and STOP by the pointer on one wheel; on the other, EXIT clicked where the
    // whole sentence overlaps it.
    void wheelThroughThePointer() {
        Wheel w("comma");
        w.next(11);  // a semi-colon
        clickOn(*w.s->Label2);
        w.rig.clock.advance(1);
        for (int i = 0; i < 8 && w.window() != QLatin1String(";"); ++i) w.rig.clock.advance(1000);
        clickOn(*w.s->Label8);
        QVERIFY(w.s->Label1->Visible());
        QCOMPARE(w.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(!w.s->Label2->Visible());
        clickOn(*w.s->cmdgo);
        QVERIFY(w.s->Label2->Visible());

        Wheel p("punctuation");
        clickOn(*p.s->Label8);
        QVERIFY(p.s->Label6->Visible());
        const QPoint exitAt = centreOf(*p.s->cmdexit);
        QVERIFY(p.s->Label6->geometry().contains(exitAt));
        p.rig.quiet();
        clickAt(*p.s, exitAt);
        QCOMPARE(p.rig.flow->front(), QStringLiteral("menu4"));
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
    }

    void wheelSoundsInOrder() {
        Rig rig;
        rig.m.SoundOn = 1;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu5"));
        menu->Label3(1)->Click();  // "Comma, Colon and Semi-colon"
        auto* s = rig.screen<WheelScreen>(QStringLiteral("comma"));
        QVERIFY(s);
        rig.clock.advance(1);
        const QString mark = rig.m.QuestionBank[3 * *rig.m.LastPick + 1].left(1);
        s->Label2_Click();
        rig.clock.advance(1);
        int steps = 1;
        while (s->Label7(2)->Caption() != mark && steps < 8) {
            rig.clock.advance(1000);
            ++steps;
        }
        s->Label8_Click();
        rig.clock.advance(1000);  // the blink is silent
        s->cmdgo->Click();
        s->Label8_Click();
        s->cmdexit->Click();
        QStringList expected{kClick};
        for (int i = 0; i < steps; ++i) expected << kType;
        expected << kWhizz << kClick << kBoink << kClick;
        QCOMPARE(rig.sound.played, expected);
    }

    void wheelLayouts() {
        struct Layout {
            const char* name;
            const char* title;
            QRectF instruction;
            double instructionPoints;
            const char* instructionText;
            QList<QPointF> ring;
            QRectF name_;
            double namePoints;
            QRectF start, stop, feedback, sentence;
            QStringList names;
        };
        const Layout layouts[] = {
            {"comma", "Comma, Colon and Semi-colon", {120, 120, 9855, 1215}, 24,
             "Click the STOP button when the correct punctuation is shown.",
             {{4560, 2880}, {6000, 3360}, {7080, 4320}, {6000, 5280}, {4560, 5760}, {3120, 5280}, {2040, 4320}, {3120, 3360}},
             {3600, 4320, 2895, 735}, 27.75, {240, 4470, 1515, 435}, {8400, 4350, 1635, 675}, {7320, 5400, 2655, 1095},
             {120, 6600, 9855, 1575}, {"Full Stop", "Comma", "Semi-colon", "Colon"}},
            {"punctuation", "Punctuation Terminology", {120, 0, 9855, 1575}, 27.75,
             "Click the STOP button when the correct punctuation is shown to the right.",
             {{4560, 2640}, {6000, 3120}, {7200, 4080}, {6000, 5040}, {4560, 5520}, {3120, 5040}, {1920, 4080}, {3120, 3120}},
             {3240, 4155, 3615, 615}, 20.25, {120, 4200, 1515, 435}, {8520, 4080, 1635, 675}, {9000, 2160, 2655, 1095},
             {120, 6720, 9855, 1575},
             {"Full Stop", "Comma", "Semi-Colon", "Colon", "Question Mark", "Exclamation Mark", "Apostrophe", "Quotation Marks"}},
        };
        for (const Layout& d : layouts) {
            Rig rig;
            auto* s = rig.open<WheelScreen>(QString::fromLatin1(d.name));
            QVERIFY(s);
            QCOMPARE(s->Caption(), QString::fromLatin1(d.title));
            QCOMPARE(placeOf(s->Label4), d.instruction);
            QCOMPARE(s->Label4->Caption(), QString::fromLatin1(d.instructionText));
            QVERIFY(looks(s->Label4, "Times New Roman", d.instructionPoints, false, kGreen));
            QVERIFY(s->Label4->textHeightTwips() <= s->Label4->Height());
            QVERIFY(!s->Label4->Visible());
            for (int i = 0; i < 3; ++i) {
                Label* part = s->Label3(i);
                QCOMPARE(part->Top(), 1560.0);
                QVERIFY(part->AutoSize());
                QVERIFY(looks(part, "Times New Roman", 27.75, false, kYellow));
                QVERIFY(part->backStyle() == BackStyle::Transparent);
                QVERIFY(!part->Visible());
            }
            QCOMPARE(placeOf(s->Shape1), QRectF(4200, 1680, 375, 375));
            QCOMPARE(s->Shape1->BorderColor(), kYellow);
            QVERIFY(!s->Shape1->Filled());
            QVERIFY(s->Shape1->Visible());
            QCOMPARE(s->Label7.count(), 8);
            for (int i = 0; i < 8; ++i) {
                Label* box = s->Label7(i);
                QCOMPARE(placeOf(box), QRectF(d.ring[i].x(), d.ring[i].y(), 1005, 735));
                QVERIFY(looks(box, "Times New Roman", 27.75, true, kYellow));
                QVERIFY(box->BorderStyle() == Border::FixedSingle);
                const bool filled = QLatin1String(d.name) == QLatin1String("comma") && i == 2;
                QCOMPARE(box->backStyle() == BackStyle::Opaque, filled);
                QVERIFY(box->Visible());
                QCOMPARE(box->Caption(), QString());
            }
            QCOMPARE(placeOf(s->Label5), d.name_);
            QVERIFY(looks(s->Label5, "Times New Roman", d.namePoints, true, kYellow));
            QVERIFY(isBox(s->Label5));
            for (const QString& n : d.names) {
                s->Label5->setCaption(n);
                QVERIFY2(s->Label5->linesNeeded() == 1 && s->Label5->textHeightTwips() <= s->Label5->Height(), qPrintable(n));
            }
            QCOMPARE(placeOf(s->Label2), d.start);
            QCOMPARE(s->Label2->Caption(), QStringLiteral("START"));
            QVERIFY(looks(s->Label2, "Tahoma", 15.75, true, kGreen));
            QVERIFY(isBox(s->Label2));
            QCOMPARE(placeOf(s->Label8), d.stop);
            QCOMPARE(s->Label8->Caption(), QStringLiteral("STOP"));
            QVERIFY(looks(s->Label8, "Tahoma", 24, true, kRed));
            QVERIFY(isBox(s->Label8));
            QCOMPARE(placeOf(s->Label1), d.feedback);
            QVERIFY(looks(s->Label1, "Times New Roman", 36, false, kYellow));
            QVERIFY(!s->Label1->Visible());
            for (const char* c : {"Correct", "Wrong"}) {
                s->Label1->setCaption(QString::fromLatin1(c));
                QVERIFY(s->Label1->linesNeeded() == 1);
            }
            QCOMPARE(placeOf(s->Label6), d.sentence);
            QVERIFY(looks(s->Label6, "Times New Roman", 27.75, false, kGreen));
            QVERIFY(!s->Label6->Visible());
            QCOMPARE(s->options.Option1->Left(), 10080.0);
            QCOMPARE(s->options.Option3->Top(), 7320.0);
            QVERIFY(s->options.Option2->Value());
            QCOMPARE(s->options.Option3->BackColor(), kScreen);
            QVERIFY(!s->Timer2->Enabled());
            QVERIFY(!s->Timer3->Enabled());
            QCOMPARE(s->Timer3->Interval(), 250);
            QVERIFY(!s->cmdsoln->Visible());
            QVERIFY(rig.m.CounterA == 0);
        }
    }

    // Clicks while nothing is on screen yet, or far more steps than a lesson takes, never
    // reach outside the tables.
    void stopBeforeTheBankIsFilled() {
        for (const char* name : {"conventions", "phrase", "comma", "punctuation"}) {
            Rig rig;
            rig.m.LastPick = 150;
            auto* s = rig.open<SteppingScreen>(QString::fromLatin1(name));
            s->Label8_Click();
            QCOMPARE(s->Label1->Caption(), QStringLiteral("Wrong"));
            rig.clock.advance(1);
            QVERIFY(rig.m.LastPick != 150);
        }
        Wheel w("punctuation");
        w.rig.m.CounterA = INT_MAX;
        w.s->Label2_Click();
        w.rig.clock.advance(1);
        QVERIFY(w.rig.m.CounterA == 0);
        w.s->cmdgo->Click();
        QVERIFY(w.rig.m.LastPick == 1);
    }
};

QTEST_MAIN(TimedTest)
#include "test_timed.moc"
