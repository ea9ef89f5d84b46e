// The sentence classification screens: answer boxes, feedback, the blink of the right
// box, the corrected sentence, the next question, and their sounds.

#include <QtTest>

#include "rig.h"
#include "shell/menu.h"
#include "topics/choice/classify.h"

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
    ClassifyScreen* s = nullptr;
    int N = 0;

    explicit Play(const char* name, bool sound = true) {
        rig.m.SoundOn = sound ? 1 : 0;
        rig.m.LastPick = 0;  // the first draw below then lands on row 1
        s = rig.open<ClassifyScreen>(QString::fromLatin1(name));
        rig.clock.advance(1);
        while (N < 100 && !rig.m.QuestionBank[N].isEmpty()) ++N;
        rig.quiet();
    }
    int rowOf(const QString& sentence) const { return rig.rowOf(sentence); }
    // Shows row k through the next-question button.
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
    QList<QColor> colours() const {
        QList<QColor> c;
        for (Label* box : s->Label5) c << box->BackColor();
        return c;
    }
};

}  // namespace

class ChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void firstQuestionAfterTheFill() {
        Play p("tenses");
        QCOMPARE(p.N, 33);
        QCOMPARE(p.s->Label1->Caption(), p.rig.m.QuestionBank[1]);
        QVERIFY(p.s->Label1->Visible());
        QVERIFY(p.s->Label4->Visible());
        QCOMPARE(p.s->Label4->Caption(), QStringLiteral("Click on the correct box."));
        QCOMPARE(p.s->Label5.count(), 3);
        for (Label* box : p.s->Label5) QVERIFY(box->Visible());
        QCOMPARE(p.s->Label5(0)->Caption(), QStringLiteral("PAST"));
        QCOMPARE(p.s->Label5(2)->Caption(), QStringLiteral("FUTURE"));
        QVERIFY(!p.s->Label6->Visible());
        QCOMPARE(p.rig.random.reseeds(), 1);
    }

    void rightClickOnThreeBoxes() {
        Play p("tenses");
        p.show(p.rowOf(QStringLiteral("They'll be sorry!")));
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label6->Visible());
        QVERIFY(p.rig.m.ResultFlag == 1);
        QCOMPARE(p.rig.sound.played, QStringList{kCash});
        QVERIFY(p.s->tmrtick->Enabled());
        QVERIFY(!p.s->tmrcross->Enabled());
        // The clicked box is the right one: it blinks yellow, white, yellow every 250 ms.
        p.rig.clock.advance(249);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));
        p.rig.clock.advance(1);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));  // phase 1: yellow
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kWhite}));
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));
        QVERIFY(p.s->imgtick->Visible());
    }

    void wrongClickOnTwoBoxesBlinksTheRightOne() {
        Play p("active");
        p.show(p.rowOf(QStringLiteral("The tree was hit by the car.")));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.rig.m.ResultFlag == 0);
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QVERIFY(p.s->tmrcross->Enabled());
        p.rig.clock.advance(500);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kWhite}));
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow}));
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kWhite}));
        QVERIFY(p.s->imgcross->Visible());
        QVERIFY(!p.s->imgtick->Visible());
    }

    void verbFormsAreKeyedByPerson() {
        Play p("verbforms");
        QCOMPARE(p.s->Label2->Caption(), QStringLiteral("Is the sentence below in the first, second or third person?"));
        QCOMPARE(p.s->Label5(0)->Caption(), QStringLiteral("1st Person"));
        p.show(p.rowOf(QStringLiteral("I play the castanets.")));
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        p.rig.clock.advance(500);
        QCOMPARE(p.colours(), (QList<QColor>{kWhite, kYellow, kYellow}));

        p.show(p.rowOf(QStringLiteral("He plays the steel drums.")));
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(250);
        // The blink phase carries over, so it goes on from where the last question left it.
        const QList<QColor> now = p.colours();
        QCOMPARE(now[0], kYellow);
        QCOMPARE(now[1], kYellow);
        p.rig.clock.advance(250);
        QVERIFY(p.colours()[2] != now[2]);
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
    }

    void blinkPhaseCarriesOverBetweenQuestions() {
        Play p("formal");
        p.show(p.rowOf(QStringLiteral("Thank you for your letter.")));
        p.s->Label5(0)->Click();
        p.rig.clock.advance(250);  // phase 1
        QVERIFY(p.rig.m.CounterB == 1);
        p.show(p.rowOf(QStringLiteral("Remember: be prompt if you want to get in.")));
        QVERIFY(p.rig.m.CounterB == 1);
        p.s->Label5(0)->Click();
        p.rig.clock.advance(250);  // the next tick goes to phase 0: white first
        QVERIFY(p.rig.m.CounterB == 0);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kWhite}));
        // Opening the screen again starts the phase from 0: the first blink is yellow.
        p.rig.clock.advance(250);
        QVERIFY(p.rig.m.CounterB == 1);
        p.s->cmdexit->Click();
        p.rig.collect();
        auto* again = p.rig.open<ClassifyScreen>(QStringLiteral("formal"));
        QVERIFY(p.rig.m.CounterB == 0);
        p.rig.clock.advance(1);
        again->Label5(0)->Click();
        p.rig.clock.advance(250);
        QVERIFY(p.rig.m.CounterB == 1);
        const int right = num(p.rig.m.AnswerKey[*p.rig.m.LastPick]);
        QCOMPARE(again->Label5(right)->BackColor(), kYellow);
        p.rig.clock.advance(250);
        QCOMPARE(again->Label5(right)->BackColor(), kWhite);
    }

    void secondClickGivesFeedbackAgainWithBothWipes() {
        Play p("apostrophe");
        p.show(p.rowOf(QStringLiteral("That's not fair.")));
        p.s->Label5(1)->Click();
        p.rig.clock.advance(20);
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.sound.played, (QStringList{kCash, kBoink}));
        QVERIFY(p.s->tmrtick->Enabled());
        QVERIFY(p.s->tmrcross->Enabled());
        QVERIFY(p.s->Timer2->Enabled());
        p.rig.clock.advance(2000);
        QCOMPARE(p.s->imgtick->Width(), 736.0);
        QCOMPARE(p.s->imgcross->Width(), 736.0);
        // The right box is still the one that blinks.
        p.rig.clock.advance(250);
        const QColor right = p.s->Label5(1)->BackColor();
        p.rig.clock.advance(250);
        QVERIFY(p.s->Label5(1)->BackColor() != right);
        QCOMPARE(p.s->Label5(0)->BackColor(), kYellow);
    }

    void connectionsShowsTheCorrectedSentence() {
        Play p("connections");
        QVERIFY(p.s->Label3);
        QVERIFY(!p.s->Label3->Visible());
        const int row = p.rowOf(QStringLiteral("My drink’s cold and Tom’s car won’t start."));
        QVERIFY(row >= 0);
        p.show(row);
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("My drink’s cold. Tom’s car won’t start."));
        QVERIFY(!p.s->Label3->Visible());
        p.s->Label5(1)->Click();  // wrong: it still shows
        QVERIFY(p.s->Label3->Visible());
        p.show(p.rowOf(QStringLiteral("My drink’s cold and I need to reheat it.")));
        QVERIFY(!p.s->Label3->Visible());
        QCOMPARE(p.s->Label3->Caption(), QStringLiteral("My drink’s cold, I need to reheat it."));
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label3->Visible());
    }

    void nextRestoresTheBoxesAndHidesTheAnswer() {
        Play p("tenses");
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        p.rig.clock.advance(500);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kWhite, kYellow}));  // row 1 is present tense
        p.rig.quiet();
        p.rig.random.push(32.5 / 33);
        p.s->cmdgo->Click();
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));
        QVERIFY(!p.s->Timer2->Enabled());
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->imgtick->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        QVERIFY(p.s->Label1->Visible());  // the next question is on screen
        QCOMPARE(p.s->Label1->Caption(), p.rig.m.QuestionBank[32]);
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        p.rig.clock.advance(1000);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));
    }

    void silentWhenSoundIsOff() {
        Play p("active", false);
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        p.s->cmdgo->Click();
        p.rig.clock.advance(3000);
        QVERIFY(p.rig.sound.played.isEmpty());
        QVERIFY(p.s->Label1->Visible());
        QVERIFY(!p.rig.flow->isLoaded(QStringLiteral("Grey")));
    }

    void soundsInOrderThroughAVisit() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu4"));
        menu->Label3(2)->Click();  // "Active and Passive Verbs"
        auto* s = rig.screen<ClassifyScreen>(QStringLiteral("active"));
        QVERIFY(s);
        rig.clock.advance(1);
        const int key = num(rig.m.AnswerKey[*rig.m.LastPick]);
        s->Label5(key)->Click();
        s->Label5(1 - key)->Click();
        s->cmdgo->Click();
        s->cmdexit->Click();
        QCOMPARE(rig.sound.played, (QStringList{kClick, kCash, QStringLiteral("wav\\boink.wav"), kClick, kClick}));
        QCOMPARE(rig.flow->front(), QStringLiteral("menu4"));
    }

    // Every control of the six screens in its place, font and colour.
    void screenLayouts() {
        struct Layout {
            const char* name;
            QRectF instruction;
            double instructionPoints;
            QColor instructionColour;
            const char* instructionText;
            QRectF question;
            QRectF prompt;
            QList<double> boxLefts;
            QRectF firstBox;
            double boxPoints;
            QStringList captions;
            QRectF feedback;
            double feedbackPoints;
        };
        const QColor green(0, 255, 0), yellow(255, 255, 0);
        const Layout layouts[] = {
            {"tenses", {120, 0, 9975, 1275}, 27.75, green, "Identify the tense of the sentence below.",
             {90, 1320, 9915, 1905}, {120, 4560, 9855, 735}, {120, 3480, 6840}, {120, 5280, 3075, 855}, 30,
             {"PAST", "PRESENT", "FUTURE"}, {2760, 7200, 4455, 1575}, 48},
            {"active", {120, 0, 9975, 1275}, 27.75, yellow,
             "Identify whether the verb in the sentence below is active or passive.", {90, 1920, 9915, 1905},
             {120, 4560, 9855, 735}, {1320, 5640}, {1320, 5280, 3075, 855}, 30, {"ACTIVE", "PASSIVE"},
             {2760, 6960, 4455, 1215}, 39.75},
            {"apostrophe", {720, 0, 8655, 1875}, 30, yellow, "Identify the reason for the apostrophe in the sentence below.",
             {120, 2040, 10755, 1905}, {120, 4560, 9855, 735}, {240, 5280}, {240, 5280, 4635, 735}, 27.75,
             {"POSSESSION", "CONTRACTION"}, {2760, 6960, 4455, 1215}, 48},
            {"verbforms", {1260, 0, 7575, 1275}, 27.75, green, "Is the sentence below in the first, second or third person?",
             {90, 1560, 9915, 1665}, {120, 4200, 9855, 735}, {120, 3480, 6840}, {120, 4920, 3075, 1575}, 30,
             {"1st Person", "2nd Person", "3rd Person"}, {2760, 7200, 4455, 1335}, 48},
            {"formal", {720, 0, 8655, 1875}, 30, green, "Is the language of the sentence below formal or informal?",
             {120, 2040, 9915, 2385}, {120, 4920, 9855, 615}, {600, 5880}, {600, 5520, 3555, 735}, 27.75,
             {"FORMAL", "INFORMAL"}, {2760, 6960, 4455, 1215}, 39.75},
            {"connections", {120, 120, 9975, 1515}, 27.75, green,
             "Should the word 'and' in the sentence below be replaced by a full stop or a comma?",
             {120, 1680, 10755, 1905}, {120, 3720, 9855, 735}, {480, 5520}, {480, 4440, 4155, 735}, 27.75,
             {"FULL STOP", "COMMA"}, {3120, 7380, 4455, 1215}, 48},
        };
        const auto place = [](Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); };
        const auto serif = [](Label* l, double points) {
            return l->Font().name == QLatin1String("Times New Roman") && l->Font().points == points && !l->Font().bold &&
                   l->backStyle() == BackStyle::Transparent;
        };
        for (const Layout& d : layouts) {
            Rig rig;
            auto* s = rig.open<ClassifyScreen>(QString::fromLatin1(d.name));
            QVERIFY2(s, d.name);
            QCOMPARE(place(s->Label2), d.instruction);
            QCOMPARE(s->Label2->Caption(), QString::fromLatin1(d.instructionText));
            QCOMPARE(s->Label2->ForeColor(), d.instructionColour);
            QVERIFY(serif(s->Label2, d.instructionPoints));
            QVERIFY(s->Label2->Visible());
            QVERIFY2(s->Label2->textHeightTwips() <= s->Label2->Height(), d.name);

            QCOMPARE(place(s->Label1), d.question);
            QVERIFY(serif(s->Label1, 36));
            QCOMPARE(s->Label1->ForeColor(), yellow);
            QVERIFY(!s->Label1->Visible());

            QCOMPARE(place(s->Label4), d.prompt);
            QVERIFY(serif(s->Label4, 24));
            QCOMPARE(s->Label4->ForeColor(), yellow);
            QCOMPARE(s->Label4->Caption(), QStringLiteral("Click on the correct box."));
            QVERIFY(s->Label4->textHeightTwips() <= s->Label4->Height());
            QVERIFY(!s->Label4->Visible());

            QCOMPARE(s->Label5.count(), int(d.boxLefts.size()));
            for (int i = 0; i < s->Label5.count(); ++i) {
                Label* box = s->Label5(i);
                QCOMPARE(place(box), d.firstBox.translated(d.boxLefts[i] - d.firstBox.left(), 0));
                QCOMPARE(box->Caption(), d.captions[i]);
                QCOMPARE(box->Font().name, QStringLiteral("Tahoma"));
                QCOMPARE(box->Font().points, d.boxPoints);
                QVERIFY(box->Font().bold);
                QCOMPARE(box->BackColor(), yellow);
                QCOMPARE(box->ForeColor(), QColor(0, 0, 0));
                QVERIFY(box->backStyle() == BackStyle::Opaque);
                QVERIFY2(box->textHeightTwips() <= box->Height(), qPrintable(box->Caption()));
                QVERIFY(!box->Visible());
            }

            QCOMPARE(place(s->Label6), d.feedback);
            QVERIFY(serif(s->Label6, d.feedbackPoints));
            QCOMPARE(s->Label6->ForeColor(), yellow);
            QCOMPARE(s->Label6->Caption(), QStringLiteral("Correct"));
            QVERIFY(!s->Label6->Visible());

            if (QLatin1String(d.name) == QLatin1String("connections")) {
                QVERIFY(s->Label3);
                QCOMPARE(place(s->Label3), QRectF(120, 5520, 10755, 1905));
                QVERIFY(serif(s->Label3, 36));
                QCOMPARE(s->Label3->ForeColor(), yellow);
                QVERIFY(!s->Label3->Visible());
            } else {
                QVERIFY(!s->Label3);
            }
            QVERIFY(!s->Timer2->Enabled());
            QCOMPARE(s->Timer2->Interval(), 250);
            QVERIFY(!s->cmdsoln->Visible());
            QVERIFY(s->cmdgo->Visible());
        }
    }

    // A double click on a box is one answer, as on the screen the program was designed for.
    void doubleClickIsOneAnswer() {
        Play p("active");
        // The events a double click brings: press, release, double click, release.
        QTest::mousePress(p.s->Label5(0), Qt::LeftButton);
        QTest::mouseRelease(p.s->Label5(0), Qt::LeftButton);
        QTest::mouseDClick(p.s->Label5(0), Qt::LeftButton);
        QTest::mouseRelease(p.s->Label5(0), Qt::LeftButton);
        QCOMPARE(p.rig.sound.played.size(), 1);
        QTest::mouseClick(p.s->Label5(1), Qt::LeftButton);
        QCOMPARE(p.rig.sound.played.size(), 2);
    }
};

QTEST_MAIN(ChoiceTest)
#include "test_choice.moc"
