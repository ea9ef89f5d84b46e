// The counting screens: six number boxes, the corrected sentence after a click, and the
// answer button that shows the corrected sentence and blinks the right number without
// marking anything.

#include <QtTest>

#include "rig.h"
#include "shell/menu.h"
#include "topics/choice/counting.h"

using namespace qm;
using namespace qm::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QString kCash = QStringLiteral("wav\\cash.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kClick = QStringLiteral("wav\\click.wav");

struct Play {
    Rig rig;
    CountingScreen* s = nullptr;
    int N;

    Play(const char* name, int rows) : N(rows) {
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        rig.open<MenuScreen>(rig.flow->catalogue().find(QString::fromLatin1(name))->menuName());
        s = rig.open<CountingScreen>(QString::fromLatin1(name));
        rig.clock.advance(1);
        rig.quiet();
    }
    int rowOf(const QString& sentence) const { return rig.rowOf(sentence); }
    void show(int k) {
        QVERIFY(k >= 0 && k < N);
        if (rig.m.LastPick == k) {
            rig.random.push((((k + 1) % N) + 0.5) / N);
            s->cmdgo->Click();
        }
        rig.random.push((k + 0.5) / N);
        s->cmdgo->Click();
        QCOMPARE(s->Label1->Caption(), rig.m.QuestionBank[k]);
        rig.quiet();
    }
    // The numbers whose box is white at this moment.
    QList<int> white() const {
        QList<int> w;
        for (Label* box : s->Label5)
            if (box->BackColor() == kWhite) w << box->Index() + 1;
        return w;
    }
};

QRectF place(const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); }

}  // namespace

class CountingTest : public QObject {
    Q_OBJECT
private slots:
    void layout() {
        for (const char* name : {"puncnum", "hyphen2"}) {
            Rig rig;
            auto* s = rig.open<CountingScreen>(QString::fromLatin1(name));
            QVERIFY2(s, name);
            QCOMPARE(s->Label4->Caption(), QLatin1String(name) == QLatin1String("puncnum")
                                               ? QStringLiteral("How many punctuation marks are missing from the following sentence?")
                                               : QStringLiteral("How many hyphens are missing from the following sentence?"));
            QCOMPARE(place(s->Label4), QRectF(600, 0, 8655, 1455));
            QCOMPARE(s->Label4->ForeColor(), QColor(0, 255, 0));
            QCOMPARE(s->Label4->Font().points, 26.25);
            QVERIFY(s->Label4->Visible());
            QVERIFY(s->Label4->textHeightTwips() <= s->Label4->Height());
            QCOMPARE(place(s->Label1), QRectF(180, 1800, 9915, 2055));
            QCOMPARE(s->Label1->ForeColor(), kYellow);
            QCOMPARE(s->Label1->Font().points, 27.75);
            QVERIFY(!s->Label1->Visible());
            QCOMPARE(place(s->Label2), QRectF(120, 5160, 10095, 2775));
            QCOMPARE(s->Label2->ForeColor(), QColor(192, 255, 255));
            QCOMPARE(s->Label2->Font().points, 27.75);
            QVERIFY(!s->Label2->Visible());
            QCOMPARE(place(s->Label6), QRectF(120, 7080, 10095, 1215));
            QCOMPARE(s->Label6->Font().points, 39.75);
            QCOMPARE(s->Label6->ForeColor(), kYellow);
            QVERIFY(!s->Label6->Visible());
            for (Label* l : {s->Label4, s->Label1, s->Label2, s->Label6}) {
                QCOMPARE(l->Font().name, QStringLiteral("Times New Roman"));
                QVERIFY(!l->Font().bold);
                QVERIFY(l->backStyle() == BackStyle::Transparent);
            }
            const double lefts[] = {1200, 2520, 3840, 5160, 6480, 7800};
            QCOMPARE(s->Label5.count(), 6);
            for (int i = 0; i < 6; ++i) {
                Label* box = s->Label5(i);
                QCOMPARE(place(box), QRectF(lefts[i], 4080, 1035, 495));
                QCOMPARE(box->Caption(), QString::number(i + 1));
                QCOMPARE(box->Font().name, QStringLiteral("Tahoma"));
                QCOMPARE(box->Font().points, 18.0);
                QVERIFY(box->Font().bold);
                QCOMPARE(box->BackColor(), kYellow);
                QCOMPARE(box->ForeColor(), QColor(0, 0, 0));
                QVERIFY(box->Visible());  // the numbers are there before the first question
            }
            QVERIFY(s->cmdsoln->Visible());
            QCOMPARE(place(s->cmdsoln), QRectF(10020, 7320, 1785, 500));
            QVERIFY(s->cmdgo->Visible());
            QCOMPARE(s->Timer2->Interval(), 250);
            QVERIFY(!s->Timer2->Enabled());
            rig.clock.advance(1);
            QVERIFY(s->Label1->Visible());
            QVERIFY(!s->Label2->Visible());
        }
    }

    void rightNumberGivesTickAndShowsTheCorrection() {
        Play p("puncnum", 31);
        const int row = p.rowOf(QStringLiteral("Your dogs just chewed my Dads slipper"));
        QVERIFY(row >= 0);
        p.show(row);
        QCOMPARE(p.s->Label2->Caption(), QStringLiteral("Your dog’s just chewed my Dad’s slipper."));
        QVERIFY(!p.s->Label2->Visible());
        p.s->Label5(2)->Click();  // "3"
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label6->Visible());
        QVERIFY(p.s->Label2->Visible());
        QVERIFY(p.s->tmrtick->Enabled());
        QCOMPARE(p.rig.sound.played, QStringList{kCash});
        p.rig.clock.advance(250);
        QCOMPARE(p.white(), QList<int>{});
        p.rig.clock.advance(250);
        QCOMPARE(p.white(), QList<int>{3});
        p.rig.clock.advance(250);
        QCOMPARE(p.white(), QList<int>{});
        QVERIFY(p.s->imgtick->Visible());
    }

    void wrongNumberGivesCrossAndBlinksTheRightOne() {
        Play p("hyphen2", 36);
        const int row = p.rowOf(QStringLiteral("She parked her four by four in the lay by.    "));
        QVERIFY(row >= 0);
        p.show(row);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("She parked her four by four in the lay by.    "));
        p.s->Label5(5)->Click();  // "6" is never right
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QVERIFY(p.s->tmrcross->Enabled());
        QVERIFY(p.s->Label2->Visible());
        QCOMPARE(p.s->Label2->Caption(), QStringLiteral("She parked her four-by-four in the lay-by.    "));
        p.rig.clock.advance(500);
        QCOMPARE(p.white(), QList<int>{3});
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
    }

    // The answer button shows the corrected sentence and blinks the right number, with no
    // caption, tick or cross; a number clicked afterwards is still marked.
    void answerButtonBeforeAnyAnswer() {
        Play p("puncnum", 31);
        const int row = p.rowOf(QStringLiteral("It opens on Mondays Tuesdays Thursdays and Saturdays"));
        QVERIFY(row >= 0);
        p.show(row);
        p.s->cmdsoln->Click();
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        QVERIFY(p.s->Label2->Visible());
        QCOMPARE(p.s->Label2->Caption(), QStringLiteral("It opens on Mondays, Tuesdays, Thursdays and Saturdays."));
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->tmrtick->Enabled());
        QVERIFY(!p.s->tmrcross->Enabled());
        p.rig.clock.advance(500);
        QVERIFY(!p.s->imgtick->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        QCOMPARE(p.white(), QList<int>{3});
        p.s->Label5(3)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->tmrcross->Enabled());
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.rig.sound.played, (QStringList{kClick, kBoink, kCash}));
        p.rig.clock.advance(250);
        QCOMPARE(p.white(), QList<int>{});
        p.rig.clock.advance(250);
        QCOMPARE(p.white(), QList<int>{3});
    }

    // After an answer whose wipe has finished, the button takes the tick or cross away.
    void answerButtonHidesTheTickAndCross() {
        Play p("hyphen2", 36);
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        p.rig.clock.advance(200);
        QVERIFY(p.s->imgtick->Visible() || p.s->imgcross->Visible());
        p.rig.quiet();
        p.s->cmdsoln->Click();
        QVERIFY(!p.s->imgtick->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        QVERIFY(p.s->Label6->Visible());  // the caption of the last answer stays
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
    }

    void nextHidesEverythingOfTheLastQuestion() {
        Play p("hyphen2", 36);
        p.s->cmdsoln->Click();
        p.s->Label5(4)->Click();
        p.rig.clock.advance(500);
        p.rig.quiet();
        p.rig.random.push(0.99);
        p.s->cmdgo->Click();
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        QVERIFY(!p.s->Timer2->Enabled());
        QCOMPARE(p.white(), QList<int>{});
        QVERIFY(!p.s->Label2->Visible());
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->imgtick->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.s->Label1->Caption(), p.rig.m.QuestionBank[35]);
        QCOMPARE(p.s->Label2->Caption(), p.rig.m.AnswerBank[35]);
        for (Label* box : p.s->Label5) QVERIFY(box->Visible());
        p.rig.clock.advance(1000);
        QCOMPARE(p.white(), QList<int>{});
    }

    // The feedback caption lies over EXIT; the pupil's click still reaches the button.
    void exitThroughTheCaption() {
        for (const char* name : {"puncnum", "hyphen2"}) {
            Play p(name, name == QLatin1String("puncnum") ? 31 : 36);
            const QString menu = p.rig.flow->catalogue().find(QString::fromLatin1(name))->menuName();
            const int key = num(p.rig.m.AnswerKey[*p.rig.m.LastPick]);
            clickOn(*p.s->Label5(key - 1));
            QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
            clickOn(*p.s->Label5(key % 5));
            QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
            clickOn(*p.s->cmdsoln);
            QVERIFY(p.s->Label6->Visible());
            const QPoint exit = centreOf(*p.s->cmdexit);
            QVERIFY(p.s->Label6->geometry().contains(exit));
            clickAt(*p.s, exit);
            QCOMPARE(p.rig.flow->front(), menu);
            QVERIFY(!p.rig.flow->isLoaded(QString::fromLatin1(name)));
            QCOMPARE(p.rig.sound.played, (QStringList{kCash, kBoink, kClick, kClick}));
            p.rig.collect();
        }
    }

    // The answer button and a box before the first question, with the last row drawn on
    // another screen beyond the key table: no number is right and none blinks.
    void beforeTheFirstQuestion() {
        Rig rig;
        rig.m.LastPick = 150;
        auto* s = rig.open<CountingScreen>(QStringLiteral("puncnum"));
        s->cmdsoln_Click();
        s->Label5_Click(0);
        QCOMPARE(s->Label6->Caption(), QStringLiteral("Wrong"));
        s->FlashAnswer();
        s->FlashAnswer();
        for (Label* box : s->Label5) QCOMPARE(box->BackColor(), kYellow);
        rig.clock.advance(1);  // the bank fills and the first question shows
        QVERIFY(s->Label1->Visible());
        QVERIFY(*rig.m.LastPick < 31);
    }

    void silentWhenSoundIsOff() {
        Play p("puncnum", 31);
        p.rig.m.SoundOn = 0;
        p.s->cmdsoln->Click();
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        p.s->cmdgo->Click();
        p.s->cmdexit->Click();
        QVERIFY(p.rig.sound.played.isEmpty());
    }
};

QTEST_MAIN(CountingTest)
#include "test_counting.moc"
