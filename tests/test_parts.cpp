// The sentence-part screens: how the parts are laid out, the coloured parts and squares,
// the red part, the gap marker, the answer line, feedback, blink and sounds.

#include <QtTest>

#include "rig.h"
#include "shell/menu.h"
#include "topics/choice/part_layout.h"
#include "topics/choice/parts.h"

using namespace qm;
using namespace qm::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(192, 0, 0);
const QString kCash = QStringLiteral("wav\\cash.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kClick = QStringLiteral("wav\\click.wav");

struct Play {
    Rig rig;
    PartsScreen* s = nullptr;
    int N, G;

    // The first question is question 1, or with `firstKey` the first question of the bank
    // whose answer is that part (the screen is opened once to learn its bank, then again).
    Play(const char* name, int questions, int group, bool sound = true, int firstKey = -1) : N(questions), G(group) {
        rig.m.SoundOn = sound ? 1 : 0;
        rig.m.LastPick = 0;  // the first draw below then lands on question 1
        s = rig.open<PartsScreen>(QString::fromLatin1(name));
        rig.clock.advance(1);
        if (firstKey >= 0) {
            int n = 0;
            while (n < N && num(rig.m.AnswerKey[n]) != firstKey) ++n;
            QVERIFY2(n < N, "no question of the bank has that answer");
            rig.flow->unload(QString::fromLatin1(name));
            rig.collect();
            rig.m.LastPick.reset();
            rig.random.push((n + 0.5) / N);
            s = rig.open<PartsScreen>(QString::fromLatin1(name));
            rig.clock.advance(1);
            QCOMPARE(*rig.m.LastPick, n);
        }
        rig.quiet();
    }
    // The question whose first part reads `first`.
    int questionOf(const QString& first) const {
        for (int n = 0; n < N; ++n)
            if (rig.m.QuestionBank[G * n] == first) return n;
        return -1;
    }
    // Shows question n through the next-question button.
    void show(int n) {
        QVERIFY(n >= 0 && n < N);
        rig.m.LastPick.reset();
        rig.random.push((n + 0.5) / N);
        s->cmdgo->Click();
        QCOMPARE(s->Label1(0)->Caption(), rig.m.QuestionBank[G * n]);
        rig.quiet();
    }
    void show(const char* first) { show(questionOf(QString::fromUtf8(first))); }
    QList<QColor> boxColours() const {
        QList<QColor> c;
        for (Label* box : s->Label5) c << box->BackColor();
        return c;
    }
    QList<bool> boxesShown() const {
        QList<bool> v;
        for (Label* box : s->Label5) v << box->Visible();
        return v;
    }
};

QRectF placeOf(const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); }

}  // namespace

class PartsTest : public QObject {
    Q_OBJECT
private slots:
    // Parts go left to right with a gap; one that would pass the margin starts a new line
    // at the left edge, and the parts after it go on from there.
    void partLayout_data() {
        QTest::addColumn<QList<double>>("widths");
        QTest::addColumn<double>("gap");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<QList<QPointF>>("places");  // left, lines down
        QTest::newRow("one line") << QList<double>{2000, 3000, 2000} << 120.0 << true
                                  << QList<QPointF>{{240, 0}, {2360, 0}, {5480, 0}};
        QTest::newRow("third part wraps") << QList<double>{3000, 3000, 4000} << 120.0 << true
                                          << QList<QPointF>{{240, 0}, {3360, 0}, {240, 1}};
        QTest::newRow("second part wraps, third follows it") << QList<double>{6000, 5000, 1000} << 120.0 << true
                                                             << QList<QPointF>{{240, 0}, {240, 1}, {5360, 1}};
        QTest::newRow("both wrap") << QList<double>{8000, 8000, 3000} << 120.0 << true
                                   << QList<QPointF>{{240, 0}, {240, 1}, {240, 2}};
        QTest::newRow("ending on the margin stays") << QList<double>{4820, 4820} << 120.0 << true
                                                    << QList<QPointF>{{240, 0}, {5180, 0}};
        QTest::newRow("one twip past it wraps") << QList<double>{4820, 4821} << 120.0 << true
                                                << QList<QPointF>{{240, 0}, {240, 1}};
        QTest::newRow("two parts, empty third") << QList<double>{3000, 3000, 0} << 120.0 << true
                                                << QList<QPointF>{{240, 0}, {3360, 0}, {6480, 0}};
        QTest::newRow("no gap and no wrap") << QList<double>{3000, 9000} << 0.0 << false
                                            << QList<QPointF>{{240, 0}, {3240, 0}};
    }
    void partLayout() {
        QFETCH(QList<double>, widths);
        QFETCH(double, gap);
        QFETCH(bool, wraps);
        QFETCH(QList<QPointF>, places);
        PartFlow flow;
        flow.gap = gap;
        flow.wraps = wraps;
        const auto at = flowParts(std::vector<double>(widths.begin(), widths.end()), 1080, flow);
        QCOMPARE(int(at.size()), int(places.size()));
        for (int j = 0; j < int(at.size()); ++j) {
            QCOMPARE(at[j].left, places[j].x());
            QCOMPARE(at[j].top, 1080 + 750 * places[j].y());
        }
        QVERIFY(flowParts({}, 1080, flow).empty());
    }

    void gapMarkerAndJoin() {
        const GapPlaces at = gapParts(3465);
        QCOMPARE(at.first, 600.0);
        QCOMPARE(at.marker, 4215.0);
        QCOMPARE(at.second, 4695.0);
        QCOMPARE(joinAtGap(QStringLiteral("He worked part"), QStringLiteral("time"), 1),
                 QStringLiteral("He worked part-time"));
        QCOMPARE(joinAtGap(QStringLiteral("I'll phone you on Monday"), QStringLiteral("after six."), 0),
                 QStringLiteral("I'll phone you on Monday - after six."));
    }

    // A row whose third part is empty shows two parts and two squares; the third square
    // comes back with the next question. The pupil's clicks arrive as real mouse events.
    void emptyThirdPartHidesTheThirdBox() {
        Play p("clause", 29, 3);
        p.show("Although they play at different levels,");
        QCOMPARE(p.s->Label1(1)->Caption(), QStringLiteral("all footballers follow the same rules."));
        QCOMPARE(p.s->Label1(2)->Caption(), QString());
        QCOMPARE(p.boxesShown(), (QList<bool>{true, true, false}));
        QVERIFY(p.s->Label1(0)->Visible() && p.s->Label1(1)->Visible());
        clickOn(*p.s->Label5(0));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.rig.sound.played, QStringList{kCash});
        QVERIFY(p.s->Label3->Visible());
        QCOMPARE(p.s->Label3->Caption(),
                 QStringLiteral("'Although they play at different levels,' is the subordinate clause."));
        p.rig.quiet();
        clickOn(*p.s->cmdgo);
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        p.show("The River Thames,");
        QCOMPARE(p.boxesShown(), (QList<bool>{true, true, true}));
        clickOn(*p.s->Label5(2));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        clickOn(*p.s->Label5(1));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("'which is a tidal river,' is the subordinate clause."));
    }

    // A long part goes to a new line 750 twips lower at Left 240, the part after it follows
    // on that line, and the next question starts again on one line.
    void longPartWrapsAndTheNextQuestionStartsAgain() {
        Play p("parenthesis", 37, 4);
        p.show("Florence Nightingale");
        Label *a = p.s->Label1(0), *b = p.s->Label1(1), *c = p.s->Label1(2);
        QCOMPARE(a->Left(), 240.0);
        QCOMPARE(a->Top(), 1200.0);
        QCOMPARE(b->Left(), 240.0);
        QCOMPARE(b->Top(), 1950.0);
        QCOMPARE(c->Top(), 1950.0);
        QCOMPARE(c->Left(), b->Left() + b->Width() + 120);
        p.show("Penguins");
        QCOMPARE(b->Top(), 1200.0);
        QCOMPARE(c->Top(), 1200.0);
        QCOMPARE(b->Left(), a->Left() + a->Width() + 120);
        QCOMPARE(c->Left(), b->Left() + b->Width() + 120);
        // A last part alone on the second line.
        Play q("clause", 29, 3);
        q.show("Their meal,");
        QCOMPARE(q.s->Label1(1)->Top(), 1080.0);
        QCOMPARE(q.s->Label1(2)->Left(), 240.0);
        QCOMPARE(q.s->Label1(2)->Top(), 1830.0);
        q.show("I met Tom,");
        for (Label* l : q.s->Label1) QCOMPARE(l->Top(), 1080.0);
    }

    // After a blink the right square goes back to its own colour with the next question,
    // so the colours always match the parts.
    void coloursComeBackAfterABlink() {
        Play p("clause", 29, 3);
        const QList<QColor> own{QColor(255, 128, 128), QColor(128, 255, 128), QColor(255, 128, 255)};
        p.show("Chen");
        QCOMPARE(p.boxColours(), own);
        p.s->Label5(0)->Click();  // wrong: the third part is the clause
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(250);
        QCOMPARE(p.boxColours(), (QList<QColor>{own[0], own[1], kYellow}));
        p.rig.clock.advance(250);
        QCOMPARE(p.boxColours(), (QList<QColor>{own[0], own[1], kWhite}));
        QVERIFY(p.s->imgcross->Visible());
        p.show("The soldiers,");
        QCOMPARE(p.boxColours(), own);
        QVERIFY(!p.s->Timer2->Enabled());
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->Label3->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        for (int j = 0; j < 3; ++j) QCOMPARE(p.s->Label1(j)->ForeColor(), own[j]);
        p.rig.clock.advance(1000);
        QCOMPARE(p.boxColours(), own);
        // The right square blinks, whichever was clicked, and a second click answers again.
        p.s->Label5(1)->Click();
        p.s->Label5(2)->Click();
        QCOMPARE(p.rig.sound.played, (QStringList{kCash, kBoink}));
        QVERIFY(p.s->tmrtick->Enabled() && p.s->tmrcross->Enabled());
        p.rig.clock.advance(500);
        QCOMPARE(p.boxColours(), (QList<QColor>{own[0], kWhite, own[2]}));
    }

    void mainClauseAnswerLine() {
        Play p("mainclause", 30, 2);
        p.show("Working at great speed,");
        QCOMPARE(p.s->Label1(0)->ForeColor(), QColor(255, 128, 255));
        QCOMPARE(p.s->Label1(1)->ForeColor(), QColor(0, 0, 0));
        QCOMPARE(p.boxColours(), (QList<QColor>{QColor(255, 128, 255), QColor(0, 0, 0)}));
        QCOMPARE(p.s->Label3->Caption(),
                 QStringLiteral("'the plumber repaired the burst pipe.' is the main clause in the sentence."));
        QVERIFY(!p.s->Label3->Visible());
        clickOn(*p.s->Label5(0));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->Label3->Visible());
        p.rig.clock.advance(500);
        QCOMPARE(p.boxColours(), (QList<QColor>{QColor(255, 128, 255), kWhite}));
        p.show("The potholers were all soaking wet");
        QCOMPARE(p.boxColours(), (QList<QColor>{QColor(255, 128, 255), QColor(0, 0, 0)}));
        QCOMPARE(p.s->Label3->Caption(),
                 QStringLiteral("'The potholers were all soaking wet' is the main clause in the sentence."));
        clickOn(*p.s->Label5(0));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
    }

    void parenthesisShowsThePunctuatedSentence() {
        Play p("parenthesis", 37, 4);
        p.show("Alex");
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("Alex, their youngest child, is allergic to peanuts."));
        QVERIFY(!p.s->Label3->Visible());
        clickOn(*p.s->Label5(1));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label3->Visible());
        p.show("James is having piano lessons");
        QCOMPARE(p.boxesShown(), (QList<bool>{true, true, false}));
        QCOMPARE(p.s->Label3->Caption(),
                 QStringLiteral("James is having piano lessons, although he's not pleased about it."));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(500);
        QCOMPARE(p.boxColours(), (QList<QColor>{QColor(192, 0, 0), kWhite, QColor(0, 0, 192)}));
        p.show("Alex");
        QCOMPARE(p.boxColours(), (QList<QColor>{QColor(192, 0, 0), kYellow, QColor(0, 0, 192)}));
        QCOMPARE(p.s->Label1(2)->ForeColor(), QColor(0, 0, 128));
    }

    // The red part and the answer are keyed separately. "Leo" is the subject of the
    // passive sentence, so SUBJECT is right.
    void sentenceRedPartAndAnswer() {
        Play p("sentence", 31, 2);
        p.show("Leo");
        QVERIFY(p.rig.m.AnswerKey[2 * *p.rig.m.LastPick] == 0);
        QVERIFY(p.rig.m.AnswerKey[2 * *p.rig.m.LastPick + 1] == 0);
        Label *a = p.s->Label1(0), *b = p.s->Label1(1);
        QCOMPARE(a->ForeColor(), kRed);
        QVERIFY(a->Font().bold);
        QCOMPARE(b->ForeColor(), kYellow);
        QVERIFY(!b->Font().bold);
        QCOMPARE(b->Caption(), QStringLiteral(" was chased by Simon."));
        // The parts carry their own spaces: no gap between them, and no wrapping.
        QCOMPARE(a->Left(), 240.0);
        QCOMPARE(b->Left(), 240 + a->Width());
        QCOMPARE(b->Top(), a->Top());
        clickOn(*p.s->Label5(0));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.rig.sound.played, QStringList{kCash});

        // Red second part, the subject after its verb.
        p.show("Out of the hat jumped ");
        QCOMPARE(a->ForeColor(), kYellow);
        QVERIFY(!a->Font().bold);
        QCOMPARE(b->ForeColor(), kRed);
        QVERIFY(b->Font().bold);
        QCOMPARE(b->Left(), 240 + a->Width());
        clickOn(*p.s->Label5(1));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(500);
        QCOMPARE(p.boxColours(), (QList<QColor>{kWhite, kYellow}));

        // Red first part that is the object.
        p.show("Which book ");
        QCOMPARE(p.boxColours(), (QList<QColor>{kYellow, kYellow}));
        QCOMPARE(a->ForeColor(), kRed);
        QCOMPARE(b->ForeColor(), kYellow);
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        p.rig.clock.advance(500);
        QCOMPARE(p.boxColours(), (QList<QColor>{kYellow, kWhite}));

        // Red second part that is the object.
        p.show("Joe caught ");
        QCOMPARE(b->ForeColor(), kRed);
        QCOMPARE(a->ForeColor(), kYellow);
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
    }

    void hyphenGapMarkerAndJoinedSentence() {
        Play p("hyphen", 2, 2);
        auto* gap = p.s->find<Shape>(QStringLiteral("Shape1"));
        QVERIFY(gap);
        QCOMPARE(gap->Width(), 375.0);
        QCOMPARE(gap->Height(), 375.0);
        QCOMPARE(gap->Top(), 2310.0);
        QVERIFY(gap->Filled());
        QCOMPARE(gap->FillColor(), QColor(0, 0, 255));
        QCOMPARE(gap->BorderColor(), kYellow);
        QVERIFY(gap->Visible());
        for (const char* first : {"He worked part", "I'll phone you on Monday"}) {
            p.show(first);
            Label *a = p.s->Label1(0), *b = p.s->Label1(1);
            QCOMPARE(a->Left(), 600.0);
            QCOMPARE(gap->Left(), 600 + a->Width() + 150);
            QCOMPARE(b->Left(), 600 + a->Width() + 630);
            QCOMPARE(b->Top(), 2160.0);
            QVERIFY(a->Visible() && b->Visible());
            QVERIFY(!p.s->Label3->Visible());
        }
        p.show("He worked part");
        clickOn(*p.s->Label5(1));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("He worked part-time"));
        QVERIFY(p.s->Label3->Visible());
        p.rig.clock.advance(500);
        QCOMPARE(p.boxColours(), (QList<QColor>{kYellow, kWhite}));
        p.show("I'll phone you on Monday");
        QCOMPARE(p.boxColours(), (QList<QColor>{kYellow, kYellow}));
        QVERIFY(!p.s->Label3->Visible());
        clickOn(*p.s->Label5(1));
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("I'll phone you on Monday - after six."));
        QVERIFY(p.s->Label3->Visible());
        // Its exit goes back to the menu it belongs to, though no menu opens it.
        p.rig.open<MenuScreen>(QStringLiteral("menu5"));
        p.rig.quiet();
        clickOn(*p.s->cmdexit);
        QCOMPARE(p.rig.flow->front(), QStringLiteral("menu5"));
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
    }

    // Every screen through real mouse events: the right box, then a wrong one, then next,
    // with the sounds in order; with sound off, the same in silence.
    void realClicksOnEveryScreen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("G");
        QTest::addColumn<int>("firstKey");  // -1: the first question is question 1
        QTest::newRow("clause") << "clause" << 29 << 3 << -1;
        QTest::newRow("clause, first answer the third part") << "clause" << 29 << 3 << 2;
        QTest::newRow("mainclause") << "mainclause" << 30 << 2 << -1;
        QTest::newRow("parenthesis") << "parenthesis" << 37 << 4 << -1;
        QTest::newRow("parenthesis, the first row of its bank") << "parenthesis" << 37 << 4 << 1;
        QTest::newRow("sentence") << "sentence" << 31 << 2 << -1;
        QTest::newRow("hyphen") << "hyphen" << 2 << 2 << -1;
    }
    void realClicksOnEveryScreen() {
        QFETCH(QString, name);
        QFETCH(int, N);
        QFETCH(int, G);
        QFETCH(int, firstKey);
        for (bool sound : {true, false}) {
            Play p(name.toLatin1().constData(), N, G, sound, firstKey);
            const int n = *p.rig.m.LastPick;
            if (firstKey < 0) QCOMPARE(n, 1);
            // The first question after the screen opens shows its prompt and a square for
            // each part it has, as every later question does.
            QVERIFY(p.s->Label4->Visible());
            for (Label* box : p.s->Label5)
                QCOMPARE(box->Visible(), box->Index() < 2 || !p.s->Label1(box->Index())->Caption().isEmpty());
            const bool keyedTwice = name == QLatin1String("sentence");
            const int right = num(p.rig.m.AnswerKey[keyedTwice ? 2 * n + 1 : n]);
            if (firstKey >= 0) QCOMPARE(right, firstKey);
            const int wrong = right == 0 ? 1 : 0;
            clickOn(*p.s->Label5(right));
            QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
            QVERIFY(p.s->Label6->Visible());
            p.rig.clock.advance(100);
            QVERIFY(p.s->imgtick->Visible());
            clickOn(*p.s->Label5(wrong));
            QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
            p.rig.clock.advance(100);
            QVERIFY(p.s->imgcross->Visible());
            clickOn(*p.s->cmdgo);
            QVERIFY(!p.s->Label6->Visible());
            QVERIFY(!p.s->imgcross->Visible());
            QVERIFY(p.s->Label1(0)->Visible());
            if (sound)
                QCOMPARE(p.rig.sound.played, (QStringList{kCash, kBoink, kClick}));
            else
                QVERIFY(p.rig.sound.played.isEmpty());
        }
    }

    // Keys that name no box, a red part that does not exist and clicks before the first
    // question are taken calmly.
    void keysOutsideTheBoxes() {
        Play p("clause", 29, 3);
        p.rig.m.AnswerKey[5] = 7;
        p.show(5);
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(1000);
        for (Label* box : p.s->Label5) QVERIFY(box->BackColor() != kWhite);
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("'' is the subordinate clause."));

        Play q("sentence", 31, 2);
        q.rig.m.AnswerKey[2 * 4] = 5;
        q.rig.m.AnswerKey[2 * 4 + 1] = std::nullopt;
        q.show(4);
        QCOMPARE(q.s->Label1(0)->ForeColor(), kYellow);
        QCOMPARE(q.s->Label1(1)->ForeColor(), kYellow);
        q.s->Label5(0)->Click();
        QCOMPARE(q.s->Label6->Caption(), QStringLiteral("Wrong"));

        Rig rig;
        rig.m.SoundOn = 1;
        auto* s = rig.open<PartsScreen>(QStringLiteral("parenthesis"));
        // The squares are hidden before the first question: a click where one will be
        // neither answers nor starts a blink.
        clickOn(*s->Label5(1));
        QVERIFY(rig.sound.played.isEmpty());
        QVERIFY(!s->Label6->Visible());
        QVERIFY(!s->Timer2->Enabled());
        s->cmdgo->Click();
        rig.clock.advance(2000);
        QVERIFY(s->Label1(0)->Visible());
    }

    // Every label, square and button of the five screens in its place, font and colour.
    void screenLayouts() {
        struct Layout {
            const char* name;
            double partsTop;
            QList<QColor> parts;
            QList<QColor> boxes;
            QList<QRectF> boxPlaces;
            QStringList captions;
            const char* instruction;
            QColor instructionColour;
            QColor promptColour;
            const char* prompt;
            bool answerLine;
            double feedbackTop;
            int lines;  // lines of parts at most
        };
        const QColor pink(255, 128, 128), lime(128, 255, 128), mauve(255, 128, 255);
        const QString promptAbove = QStringLiteral("Click on the box which is the same colour as the %1 in the sentence above.");
        const Layout layouts[] = {
            {"clause", 1080, {pink, lime, mauve}, {pink, lime, mauve},
             {{960, 5760, 1635, 1635}, {4200, 5760, 1635, 1635}, {7440, 5760, 1635, 1635}}, {"", "", ""},
             "Identify the subordinate clause.", kYellow, kYellow, "subordinate clause", true, 7500, 2},
            {"mainclause", 1560, {mauve, QColor(0, 0, 0)}, {mauve, QColor(0, 0, 0)},
             {{2400, 5880, 1635, 1635}, {5880, 5880, 1635, 1635}}, {"", ""},
             "Identify the main clause in the sentence below.", kYellow, kYellow, "main clause", true, 7560, 2},
            {"parenthesis", 1200, {kRed, kYellow, QColor(0, 0, 128)}, {kRed, kYellow, QColor(0, 0, 192)},
             {{960, 5760, 1635, 1635}, {4200, 5760, 1635, 1635}, {7440, 5760, 1635, 1635}}, {"", "", ""},
             "Identify which phrase should be in parenthesis.", kGreen, kGreen,
             "phrase that should be in parenthesis", true, 7500, 2},
            {"sentence", 2040, {kYellow, kYellow}, {kYellow, kYellow},
             {{1200, 5280, 3315, 735}, {5640, 5280, 3315, 735}}, {"SUBJECT", "OBJECT"},
             "Is it the object or the subject of the sentence that is shown in red below?", kGreen, kYellow, nullptr,
             false, 6960, 1},
            {"hyphen", 2160, {kYellow, kYellow}, {kYellow, kYellow},
             {{960, 4440, 3195, 735}, {5880, 4440, 3195, 735}}, {"DASH", "HYPHEN"},
             "Should a dash or a hyphen be inserted into the sentence below, in place of the blue box?", kYellow,
             kYellow, nullptr, true, 5760, 1},
        };
        const auto serif = [](const Label* l) {
            return l->Font().name == QLatin1String("Times New Roman") && !l->Font().bold &&
                   l->backStyle() == BackStyle::Transparent;
        };
        for (const Layout& d : layouts) {
            Rig rig;
            auto* s = rig.open<PartsScreen>(QString::fromLatin1(d.name));
            QVERIFY2(s, d.name);
            QCOMPARE(s->Label2->Caption(), QString::fromLatin1(d.instruction));
            QCOMPARE(s->Label2->ForeColor(), d.instructionColour);
            QVERIFY(serif(s->Label2));
            QVERIFY(s->Label2->Visible());
            QVERIFY2(s->Label2->textHeightTwips() <= s->Label2->Height(), d.name);
            QVERIFY2(s->Label2->Left() + s->Label2->Width() <= 10200, d.name);  // clear of the board

            const QString prompt = d.prompt ? promptAbove.arg(QString::fromLatin1(d.prompt))
                                            : QStringLiteral("Click on the correct box.");
            QCOMPARE(s->Label4->Caption(), prompt);
            QCOMPARE(s->Label4->ForeColor(), d.promptColour);
            QVERIFY(serif(s->Label4));
            QVERIFY(!s->Label4->Visible());
            QVERIFY2(s->Label4->textHeightTwips() <= s->Label4->Height(), d.name);

            QCOMPARE(bool(s->Label3), d.answerLine);
            if (s->Label3) {
                QCOMPARE(s->Label3->ForeColor(), d.promptColour);
                QVERIFY(serif(s->Label3));
                QVERIFY(!s->Label3->Visible());
            }

            QCOMPARE(s->Label1.count(), int(d.parts.size()));
            for (int j = 0; j < s->Label1.count(); ++j) {
                Label* part = s->Label1(j);
                QCOMPARE(part->Top(), d.partsTop);
                QCOMPARE(part->ForeColor(), d.parts[j]);
                QVERIFY(serif(part));
                QCOMPARE(part->Font().points, 27.75);
                QVERIFY(part->AutoSize());
                QVERIFY(!part->Visible());
            }
            QCOMPARE(s->Label5.count(), int(d.boxes.size()));
            for (int i = 0; i < s->Label5.count(); ++i) {
                Label* box = s->Label5(i);
                QCOMPARE(placeOf(box), d.boxPlaces[i]);
                QCOMPARE(box->BackColor(), d.boxes[i]);
                QVERIFY(box->backStyle() == BackStyle::Opaque);
                QCOMPARE(box->Caption(), d.captions[i]);
                QVERIFY2(box->textHeightTwips() <= box->Height(), qPrintable(box->Caption()));
                QVERIFY(!box->Visible());
            }
            QCOMPARE(s->Label6->Left(), 2760.0);
            QCOMPARE(s->Label6->Width(), 4455.0);
            QCOMPARE(s->Label6->Top(), d.feedbackTop);
            QCOMPARE(s->Label6->Caption(), QStringLiteral("Correct"));
            QCOMPARE(s->Label6->ForeColor(), kYellow);
            QVERIFY(!s->Label6->Visible());
            QVERIFY(s->Label6->Top() + s->Label6->Height() <= 9000);
            QCOMPARE(s->Timer2->Interval(), 250);
            QVERIFY(!s->cmdsoln->Visible());

            // The question's lines of parts, the answer line, the prompt and the boxes lie one
            // below the other.
            rig.clock.advance(1);
            const double partsBottom = d.partsTop + 750 * (d.lines - 1) + s->Label1(0)->Height();
            QVERIFY2(s->Label2->Top() + s->Label2->textHeightTwips() <= d.partsTop, d.name);
            const Label* below = s->Label3 ? s->Label3 : s->Label4;
            QVERIFY2(below->Top() >= partsBottom, d.name);
            if (s->Label3) QVERIFY2(s->Label3->Top() + s->Label3->Height() <= s->Label4->Top(), d.name);
            QVERIFY2(s->Label4->Top() + s->Label4->Height() <= d.boxPlaces[0].top(), d.name);
            QVERIFY2(d.boxPlaces[0].bottom() <= s->Label6->Top(), d.name);
        }
    }
};

QTEST_MAIN(PartsTest)
#include "test_parts.moc"
