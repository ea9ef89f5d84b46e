// The missing-mark screen: eight mark boxes, feedback on any click with the corrected
// sentence, the right box blinking until the next question, the tick over the cross,
// and its sounds.

#include <QtTest>

#include "rig.h"
#include "shell/menu.h"
#include "topics/mark/punc2.h"

using namespace qm;
using namespace qm::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QString kWhizz = QStringLiteral("wav\\whizz.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
const QString Q = QStringLiteral("\"");

enum { Comma, FullStop, Colon, Semicolon, Apostrophe, Quotes, Question, Exclamation };

struct Play {
    Rig rig;
    Punc2Screen* s = nullptr;

    Play() {
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        s = rig.open<Punc2Screen>(QStringLiteral("punc2"));
        rig.random.push(0.0);  // row 0 is the last pick, so the first question is row 1
        rig.clock.advance(1);
        rig.quiet();
    }
    int rowOf(const QString& sentence) const { return rig.rowOf(sentence); }
    void show(const QString& sentence) {
        const int k = rowOf(sentence);
        QVERIFY2(k >= 0, qPrintable(sentence));
        if (rig.m.LastPick == k) {
            rig.random.push((((k + 1) % 30) + 0.5) / 30);
            s->cmdgo->Click();
        }
        rig.random.push((k + 0.5) / 30);
        s->cmdgo->Click();
        QCOMPARE(s->Label3(0)->Caption(), sentence);
        rig.quiet();
    }
    bool normal(int box) const {
        return s->Label7(box)->ForeColor() == kYellow && s->Label7(box)->BackColor() == kBlack;
    }
    bool inverted(int box) const {
        return s->Label7(box)->ForeColor() == kBlack && s->Label7(box)->BackColor() == kWhite;
    }
    bool othersNormal(int except) const {
        for (int i = 0; i < 8; ++i)
            if (i != except && !normal(i)) return false;
        return true;
    }
    // The control a pupil's click at this point of the board would reach.
    QWidget* onTopAt(double leftTwips, double topTwips) const {
        return s->childAt(int(leftTwips / 15), int(topTwips / 15));
    }
};

QRectF place(const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); }

}  // namespace

class MarkTest : public QObject {
    Q_OBJECT
private slots:
    // The first question is shown straight after the fill, without the click.
    void firstQuestion() {
        Play p;
        QVERIFY(p.rig.sound.played.isEmpty());
        QCOMPARE(p.rig.m.LastPick, std::optional<int>(1));
        QCOMPARE(p.rig.random.reseeds(), 1);
        QCOMPARE(p.s->Label3(0)->Caption(), p.rig.m.QuestionBank[1]);
        QVERIFY(p.s->Label3(0)->Visible());
        QCOMPARE(p.s->Label3(0)->Left(), 120.0);
        QVERIFY(p.s->Label4->Visible());
        QCOMPARE(p.s->Label6->Caption(), p.rig.m.AnswerBank[1]);
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->Label1->Visible());
        QVERIFY(!p.s->Timer3->Enabled());
        for (int i = 0; i < 8; ++i) QVERIFY(p.normal(i));
    }

    void wrongClickShowsTheAnswerAndBlinksTheRightBox() {
        Play p;
        p.show(QStringLiteral("Some pupils walk to school others come by bus. "));
        p.s->Label7(Colon)->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QVERIFY(p.s->tmrcross->Enabled());
        QVERIFY(!p.s->tmrtick->Enabled());
        QVERIFY(p.s->Label6->Visible());
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Some pupils walk to school; others come by bus. "));
        QVERIFY(p.s->Timer3->Enabled());
        QVERIFY(p.normal(Semicolon));
        p.rig.clock.advance(249);
        QVERIFY(p.normal(Semicolon));
        p.rig.clock.advance(1);
        QVERIFY(p.inverted(Semicolon));
        QVERIFY(p.othersNormal(Semicolon));
        p.rig.clock.advance(250);
        QVERIFY(p.normal(Semicolon));
        p.rig.clock.advance(250);
        QVERIFY(p.inverted(Semicolon));
        QVERIFY(p.othersNormal(Semicolon));
        QVERIFY(p.s->imgcross->Visible());
        QVERIFY(!p.s->imgtick->Visible());
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});  // the blink is silent
    }

    // The right box after a wrong one: "Correct" replaces "Wrong" and the tick grows over
    // the cross, which stays; a wrong box after that leaves the tick on top.
    void tickLiesOverTheCross() {
        Play p;
        p.show(QStringLiteral("Mum asked me where I had left my shoes "));
        p.s->Label7(Question)->Click();
        p.rig.clock.advance(50);
        QVERIFY(p.s->imgcross->Visible());
        p.s->Label7(FullStop)->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.rig.sound.played, (QStringList{kBoink, kWhizz}));
        QVERIFY(p.s->tmrtick->Enabled());
        QVERIFY(p.s->tmrcross->Enabled());
        p.rig.clock.advance(2000);
        QVERIFY(p.s->imgtick->Visible());
        QVERIFY(p.s->imgcross->Visible());
        QCOMPARE(p.s->imgtick->Width(), 736.0);
        QCOMPARE(p.s->imgcross->Width(), 736.0);
        QCOMPARE(p.onTopAt(11000, 400), static_cast<QWidget*>(p.s->imgtick));
        QVERIFY(p.s->Timer3->Enabled());

        p.s->Label7(Exclamation)->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.sound.played.last(), kBoink);
        p.rig.clock.advance(2000);
        QCOMPARE(p.onTopAt(11000, 400), static_cast<QWidget*>(p.s->imgtick));
        // The blink carries on at the right box, whatever box was clicked last.
        p.rig.clock.advance(250);
        const bool was = p.inverted(FullStop);
        p.rig.clock.advance(250);
        QCOMPARE(p.inverted(FullStop), !was);
        QVERIFY(p.othersNormal(FullStop));
    }

    void closingQuotationMark() {
        Play p;
        p.show(Q + QStringLiteral("Will it snow this year? asked Alex. "));
        QCOMPARE(p.s->Label9(Quotes)->Caption(), QStringLiteral("quotation marks"));
        QCOMPARE(p.s->Label7(Quotes)->Caption(), Q);
        // A right first click: the tick, the corrected sentence and the right box blinking.
        p.s->Label7(Quotes)->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.rig.sound.played, QStringList{kWhizz});
        QVERIFY(p.s->Label6->Visible());
        QCOMPARE(p.s->Label6->Caption(), Q + QStringLiteral("Will it snow this year?") + Q + QStringLiteral(" asked Alex. "));
        p.rig.clock.advance(250);
        QVERIFY(p.inverted(Quotes));
        QVERIFY(p.othersNormal(Quotes));
        p.rig.clock.advance(250);
        QVERIFY(p.normal(Quotes));
        p.s->Label7(Apostrophe)->Click();
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(250);
        QVERIFY(p.inverted(Quotes));
        QVERIFY(p.othersNormal(Quotes));
    }

    // Next stops a running tick and the blink; the new question starts with neither.
    void nextStopsTheTickAndTheBlink() {
        Play p;
        const QString mark = p.rig.m.CodeBank[1];
        int right = -1;
        for (int i = 0; i < 8; ++i)
            if (p.s->Label7(i)->Caption() == mark) right = i;
        QVERIFY(right >= 0);
        p.s->Label7(right == 0 ? 1 : 0)->Click();
        p.rig.clock.advance(250);
        QVERIFY(p.inverted(right));
        p.s->Label7(right)->Click();
        p.rig.clock.advance(20);  // the tick is growing over the finished cross
        QVERIFY(p.s->tmrtick->Enabled());
        QVERIFY(p.s->imgtick->Visible());
        p.rig.quiet();
        p.rig.random.push(20.5 / 30);
        p.s->cmdgo->Click();
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        QVERIFY(!p.s->tmrtick->Enabled());
        QVERIFY(!p.s->tmrcross->Enabled());
        QVERIFY(!p.s->Timer3->Enabled());
        QCOMPARE(p.rig.m.CounterC, std::optional<int>(0));
        QVERIFY(p.othersNormal(-1));
        QVERIFY(!p.s->Label1->Visible());
        QVERIFY(!p.s->Label6->Visible());
        QCOMPARE(p.s->Label3(0)->Caption(), p.rig.m.QuestionBank[20]);
        QCOMPARE(p.s->Label6->Caption(), p.rig.m.AnswerBank[20]);
        QVERIFY(p.s->Label3(0)->Visible());
        p.rig.clock.advance(3000);
        QVERIFY(!p.s->imgtick->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        QCOMPARE(p.s->imgtick->Width(), 0.0);
        QVERIFY(p.othersNormal(-1));
        QCOMPARE(p.rig.random.reseeds(), 2);
    }

    void soundsInOrderThroughAVisit() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu1"));
        menu->Label3(3)->Click();  // "Punctuation"
        auto* s = rig.screen<Punc2Screen>(QStringLiteral("punc2"));
        QVERIFY(s);
        rig.clock.advance(1);
        const QString mark = s->currentMark();
        QVERIFY(!mark.isEmpty());
        for (Label* box : s->Label7)
            if (box->Caption() != mark) {
                box->Click();
                break;
            }
        for (Label* box : s->Label7)
            if (box->Caption() == mark) box->Click();
        rig.clock.advance(5000);
        s->cmdgo->Click();
        s->cmdexit->Click();
        QCOMPARE(rig.sound.played, (QStringList{kClick, kBoink, kWhizz, kClick, kClick}));
        QCOMPARE(rig.flow->front(), QStringLiteral("menu1"));
    }

    // A pupil's clicks arrive through the window: a box, then NEXT and EXIT while
    // "Correct" shows.
    void pupilPlaysWithTheMouse() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        rig.open<MenuScreen>(QStringLiteral("menu1"));
        auto* s = rig.open<Punc2Screen>(QStringLiteral("punc2"));
        const int row = [&] {
            rig.clock.advance(1);
            return *rig.m.LastPick;
        }();
        int right = -1;
        for (int i = 0; i < 8; ++i)
            if (s->Label7(i)->Caption() == rig.m.CodeBank[row]) right = i;
        clickOn(*s->Label7(right == 0 ? 1 : 0));
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Wrong"));
        clickOn(*s->Label7(right));
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(s->Label1->Visible());
        QVERIFY(s->Label6->Visible());
        // Nothing of the question lies over the buttons.
        for (const Control* c : {static_cast<const Control*>(s->Label1), static_cast<const Control*>(s->Label6)}) {
            QVERIFY(!place(c).intersects(place(s->cmdexit)));
            QVERIFY(!place(c).intersects(place(s->cmdgo)));
        }
        rig.random.push((row == 5 ? 6.5 : 5.5) / 30);
        clickOn(*s->cmdgo);
        QVERIFY(!s->Label1->Visible());
        QVERIFY(*rig.m.LastPick != row);
        clickOn(*s->Label7(0));
        QVERIFY(s->Label1->Visible());
        clickOn(*s->cmdexit);
        QCOMPARE(rig.flow->front(), QStringLiteral("menu1"));
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("punc2")));
        QCOMPARE(rig.sound.played.first(), kBoink);
        QCOMPARE(rig.sound.played.mid(1, 2), (QStringList{kWhizz, kClick}));
        QCOMPARE(rig.sound.played.last(), kClick);
    }

    // Every control in its place, font and colour.
    void screenLayout() {
        Rig rig;
        auto* s = rig.open<Punc2Screen>(QStringLiteral("punc2"));
        const auto serif = [](const Label* l, double points, bool bold) {
            return l->Font().name == QLatin1String("Times New Roman") && l->Font().points == points &&
                   l->Font().bold == bold;
        };
        QCOMPARE(s->Label4->Caption(), QStringLiteral("Which punctuation mark is missing from the sentence below?"));
        QCOMPARE(place(s->Label4), QRectF(120, 0, 9855, 1575));
        QCOMPARE(s->Label4->ForeColor(), QColor(0, 255, 0));
        QVERIFY(serif(s->Label4, 27.75, false));
        QVERIFY(!s->Label4->Visible());
        QVERIFY(s->Label4->textHeightTwips() <= s->Label4->Height());

        QCOMPARE(s->Label3.count(), 2);
        QCOMPARE(place(s->Label3(0)), QRectF(105, 1560, 9990, 2055));
        QCOMPARE(s->Label3(0)->ForeColor(), kYellow);
        QVERIFY(serif(s->Label3(0), 27.75, false));
        QVERIFY(s->Label3(0)->WordWrap());
        QVERIFY(!s->Label3(0)->Visible());
        QCOMPARE(s->Label3(1)->Caption(), QStringLiteral("Click on the correct box"));
        QCOMPARE(s->Label3(1)->Left(), 3240.0);
        QCOMPARE(s->Label3(1)->Top(), 3840.0);
        QVERIFY(s->Label3(1)->AutoSize());
        QVERIFY(serif(s->Label3(1), 20.25, false));
        QCOMPARE(s->Label3(1)->ForeColor(), kYellow);
        QVERIFY(s->Label3(1)->Visible());
        QVERIFY(s->Label3(1)->Top() + s->Label3(1)->Height() <= 4440);

        const char* marks[] = {",", ".", ":", ";", "'", "\"", "?", "!"};
        const char* names[] = {"comma",           "full stop",     "colon",           "semi- colon  ",
                               "apostrophe",      "quotation marks", "question mark", "exclamation mark"};
        QCOMPARE(s->Label7.count(), 8);
        QCOMPARE(s->Label9.count(), 8);
        for (int i = 0; i < 8; ++i) {
            const Label* box = s->Label7(i);
            QCOMPARE(place(box), QRectF(480 + 1200 * i, 4440, 1005, 735));
            QCOMPARE(box->Caption(), QString::fromLatin1(marks[i]));
            QVERIFY(serif(box, 27.75, true));
            QVERIFY(box->BorderStyle() == Border::FixedSingle);
            QVERIFY(box->backStyle() == BackStyle::Opaque);
            QVERIFY(box->Alignment() == Align::Center);
            QVERIFY(box->Visible());
            const Label* name = s->Label9(i);
            QCOMPARE(name->Caption(), QString::fromLatin1(names[i]));
            QCOMPARE(name->Top(), 5160.0);
            QVERIFY(name->Width() >= 975 && name->Width() <= 1245);
            QCOMPARE(name->Left() + name->Width() / 2, box->Left() + box->Width() / 2);
            QVERIFY(serif(name, 12, true));
            QCOMPARE(name->ForeColor(), kYellow);
            QVERIFY(name->backStyle() == BackStyle::Transparent);
            QVERIFY(name->Alignment() == Align::Center);
            QVERIFY(name->Visible());
            // A long name wraps onto a second line; no word is wider than its label.
            QVERIFY2(name->textHeightTwips() <= name->Height(), names[i]);
            const QFontMetricsF fm(makeFont(name->Font()));
            for (const QString& word : name->Caption().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                QVERIFY2(fm.horizontalAdvance(word) <= twipsToPixels(name->Width()), qPrintable(word));
            QVERIFY(name->Top() + name->Height() <= 5880);
        }
        QCOMPARE(s->Label9(7)->linesNeeded(), 2);
        QCOMPARE(s->Label9(0)->linesNeeded(), 1);

        QCOMPARE(place(s->Label6), QRectF(120, 5880, 9855, 1575));
        QCOMPARE(s->Label6->ForeColor(), QColor(0, 255, 0));
        QVERIFY(serif(s->Label6, 27.75, false));
        QVERIFY(!s->Label6->Visible());
        QCOMPARE(place(s->Label1), QRectF(3960, 7440, 2655, 1095));
        QCOMPARE(s->Label1->ForeColor(), kYellow);
        QVERIFY(serif(s->Label1, 36, false));
        QVERIFY(!s->Label1->Visible());
        for (const Label* l : {s->Label4, s->Label3(0), s->Label6, s->Label1}) {
            QVERIFY(l->backStyle() == BackStyle::Transparent);
            QVERIFY(l->Alignment() == Align::Center);
        }
        QCOMPARE(s->Timer3->Interval(), 250);
        QVERIFY(!s->Timer3->Enabled());
        QVERIFY(!s->cmdsoln->Visible());
        QVERIFY(s->cmdgo->Visible());
    }

    // Clicks before the bank is filled, and on boxes that do not exist, are wrong answers at most.
    void clicksOutsideTheQuestion() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 150;
        auto* s = rig.open<Punc2Screen>(QStringLiteral("punc2"));
        s->Label7_Click(0);
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Wrong"));
        s->Label7_Click(8);
        s->Label7_Click(-1);
        rig.clock.advance(1000);
        QCOMPARE(rig.sound.played, QStringList(3, kBoink));
        rig.m.LastPick = -4;
        s->Timer3_Timer();
        for (Label* box : s->Label7) QCOMPARE(box->BackColor(), kBlack);
    }
};

QTEST_MAIN(MarkTest)
#include "test_mark.moc"
