// The exercise frame: load sequence, bank fill, the draw, the tick and cross wipes,
// the frame's buttons and sounds, on every exercise screen.

#include <QtTest>

#include "exercise/exercise_screen.h"
#include "exercise/rules.h"
#include "exercise/speed_options.h"
#include "rig.h"
#include "shell/menu.h"
#include "topics/catalogue.h"

using namespace qm;
using namespace qm::test;

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

// A screen with a bank of N rows and nothing else, to watch the frame at work.
class BankScreen final : public ExerciseScreen {
public:
    BankScreen(Module1& m, const ScreenEntry& e) : ExerciseScreen(m, e) {
        Label1 = add<Label>(QStringLiteral("Label1"));
        Label1->Hide();
        setFeedbackCaption(Label1);
    }
    static int rows(const QString& name) { return name == QLatin1String("ten") ? 10 : name == QLatin1String("five") ? 5 : 3; }
    int bankSize() const override { return rows(Name()); }
    void writeBank() override {
        for (int i = 0; i < bankSize(); ++i) m.QuestionBank[i] = QStringLiteral("row %1").arg(i);
    }
    void ShowNextQuestion() override {
        shown.push_back(drawRow().value_or(-1));
    }
    void showAnswer() override { ++answersShown; }
    void right() { giveRight(QStringLiteral("wav\\cash.wav")); }
    void wrong() { giveWrong(); }
    Label* Label1;
    std::vector<int> shown;
    int answersShown = 0;
};

Form* makeBankScreen(Module1& m, const ScreenEntry& e) { return new BankScreen(m, e); }

const Catalogue& testCatalogue() {
    const QColor back(48, 133, 214);
    static const Catalogue c({
        {QStringLiteral("ten"), QStringLiteral("Ten"), 3, 2, 0, back, Draw::Reseed, false, false, false, makeBankScreen},
        {QStringLiteral("five"), QStringLiteral("Five"), 4, 2, 1, back, Draw::Plain, false, false, false, makeBankScreen},
        {QStringLiteral("three"), QStringLiteral("Three"), 6, 2, 2, back, Draw::Reseed, true, false, false, makeBankScreen},
        {QStringLiteral("order"), QStringLiteral("Order"), 4, 2, 3, back, Draw::InOrder, false, false, false, makeBankScreen},
        {QStringLiteral("answer"), QStringLiteral("Answer"), 3, 2, 4, back, Draw::Reseed, true, false, true, makeBankScreen},
    });
    return c;
}

}  // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void drawRule_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("last");  // -1: empty
        QTest::addColumn<int>("expected");
        QTest::newRow("first row") << 0.0 << 33 << -1 << 0;
        QTest::newRow("last row") << 0.9999 << 33 << -1 << 32;
        QTest::newRow("integer part") << 0.5 << 30 << 3 << 15;
        QTest::newRow("repeat moves on") << 0.5 << 30 << 15 << 16;
        QTest::newRow("repeat of last row wraps") << 0.99 << 10 << 9 << 0;
        QTest::newRow("last pick beyond bank") << 0.99 << 10 << 40 << 9;
        QTest::newRow("one row bank repeats") << 0.3 << 1 << 0 << 0;
    }
    void drawRule() {
        QFETCH(double, r);
        QFETCH(int, N);
        QFETCH(int, last);
        QFETCH(int, expected);
        const auto n = drawAvoiding(r, N, last < 0 ? std::nullopt : std::optional<int>(last));
        QVERIFY(n.has_value());
        QCOMPARE(*n, expected);
        QVERIFY(!drawAvoiding(0.5, 0, std::nullopt));
    }

    // Scores and counters live in their label's text: " 3", " 0", "-1", read back from
    // the number at its start.
    void scoreTextAndValue() {
        QCOMPARE(scoreText(3), QStringLiteral(" 3"));
        QCOMPARE(scoreText(0), QStringLiteral(" 0"));
        QCOMPARE(scoreText(-1), QStringLiteral("-1"));
        QCOMPARE(scoreText(-12), QStringLiteral("-12"));
        QCOMPARE(scoreValue(QStringLiteral("0")), 0);
        QCOMPARE(scoreValue(QStringLiteral(" 1")), 1);
        QCOMPARE(scoreValue(QStringLiteral("-1")), -1);
        QCOMPARE(scoreValue(QStringLiteral("  17")), 17);
        QCOMPARE(scoreValue(QString()), 0);
        QCOMPARE(scoreValue(QStringLiteral(" 3 out of 12")), 3);
        QCOMPARE(scoreValue(QStringLiteral("SCORE")), 0);
        int score = 0;
        QStringList seen;
        for (int step : {1, -1, -1}) {
            score = scoreValue(scoreText(score)) + step;
            seen << scoreText(score);
        }
        QCOMPARE(seen, (QStringList{QStringLiteral(" 1"), QStringLiteral(" 0"), QStringLiteral("-1")}));
    }

    // The stepping timers take their next interval from the option selected.
    void speedOptions() {
        const std::array<int, 3> ms{2000, 4000, 6000};
        QCOMPARE(speedInterval(true, false, false, ms), std::optional<int>(2000));
        QCOMPARE(speedInterval(false, true, false, ms), std::optional<int>(4000));
        QCOMPARE(speedInterval(false, false, true, ms), std::optional<int>(6000));
        QCOMPARE(speedInterval(false, false, false, ms), std::optional<int>());
        Rig rig;
        Form form(QStringLiteral("f"), rig.clock);
        const SpeedOptions s = SpeedOptions::make(form, 8280, {3600, 3960, 4320}, true);
        QCOMPARE(s.Option1->Caption(), QStringLiteral("Fast"));
        QCOMPARE(s.Option2->Caption(), QStringLiteral("Medium"));
        QCOMPARE(s.Option3->Caption(), QStringLiteral("Slow"));
        QCOMPARE(s.Option3->Top(), 4320.0);
        QCOMPARE(s.Option1->Width(), 1455.0);
        QVERIFY(s.Option2->Value());
        QCOMPARE(s.interval(ms), std::optional<int>(4000));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clickOn(*s.Option3);  // the pupil's click selects Slow and clears Medium
        QVERIFY(s.Option3->Value());
        QVERIFY(!s.Option2->Value());
        QCOMPARE(s.interval(ms), std::optional<int>(6000));
    }

    void loadSequenceAndOneShotFill() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.QuestionBank[5] = QStringLiteral("old");
        rig.m.QuestionBank[150] = QStringLiteral("kept");
        rig.random.script(0.35);
        auto* s = rig.open<BankScreen>(QStringLiteral("ten"));
        QCOMPARE(rig.m.QuestionBank[5], QString());
        QCOMPARE(rig.m.QuestionBank[150], QStringLiteral("kept"));
        QVERIFY(s->Timer1->Enabled());
        QVERIFY(s->shown.empty());
        QCOMPARE(s->BackColor(), QColor(48, 133, 214));
        rig.clock.advance(1);
        QVERIFY(!s->Timer1->Enabled());
        QCOMPARE(s->shown, std::vector<int>{3});
        QCOMPARE(rig.m.QuestionBank[9], QStringLiteral("row 9"));
        rig.clock.advance(1000);
        QCOMPARE(s->shown.size(), std::size_t(1));  // the fill runs once
        QVERIFY(rig.m.LastPick == 3);
    }

    void drawNeverRepeatsAndCarriesOverBetweenScreens() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.SoundOn = 1;
        rig.random.script(0.35, 0.35, 0.0, 0.35);
        auto* ten = rig.open<BankScreen>(QStringLiteral("ten"));
        rig.clock.advance(1);
        ten->cmdgo->Click();
        ten->cmdgo->Click();
        ten->cmdgo->Click();
        // 3, then 3 again becomes 4, then 0, then 3: a row may come back after one other.
        QCOMPARE(ten->shown, (std::vector<int>{3, 4, 0, 3}));
        QCOMPARE(rig.random.reseeds(), 4);
        ten->cmdexit->Click();
        rig.collect();
        // The next screen's first draw avoids the row the last screen drew.
        rig.random.script(0.7);
        rig.m.LastPick = 3;
        auto* five = rig.open<BankScreen>(QStringLiteral("five"));
        rig.clock.advance(1);
        QCOMPARE(five->shown, std::vector<int>{4});
        QCOMPARE(rig.random.reseeds(), 4);  // this screen draws without re-seeding
        five->cmdexit->Click();
        rig.collect();
        // A last row beyond the new bank changes nothing.
        rig.m.LastPick = 4;
        rig.random.script(0.99);
        auto* three = rig.open<BankScreen>(QStringLiteral("three"));
        rig.clock.advance(1);
        QCOMPARE(three->shown, std::vector<int>{2});
    }

    void screensInOrderDrawNothing() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.LastPick = 7;
        auto* s = rig.open<BankScreen>(QStringLiteral("order"));
        rig.clock.advance(1);
        QCOMPARE(rig.random.calls(), 0);
        QCOMPARE(rig.random.reseeds(), 0);
        QVERIFY(rig.m.LastPick == 7);
        QCOMPARE(s->shown, std::vector<int>{-1});
    }

    void tickWipesInNinetyTwoTicks() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.SoundOn = 1;
        auto* s = rig.open<BankScreen>(QStringLiteral("ten"));
        rig.clock.advance(1);
        rig.quiet();
        s->right();
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(s->Label1->Visible());
        QCOMPARE(rig.sound.played, QStringList{QStringLiteral("wav\\cash.wav")});
        QVERIFY(!s->imgtick->Visible());
        rig.clock.advance(1);
        QVERIFY(s->imgtick->Visible());
        QCOMPARE(s->imgtick->Width(), 8.0);
        rig.clock.advance(90);
        QCOMPARE(s->imgtick->Width(), 728.0);
        QVERIFY(s->tmrtick->Enabled());
        rig.clock.advance(1);
        QCOMPARE(s->imgtick->Width(), 736.0);
        QVERIFY(!s->tmrtick->Enabled());
        rig.clock.advance(100);
        QCOMPARE(s->imgtick->Width(), 736.0);
        // Right again after the wipe finished: one more tick, then it stops at once.
        s->right();
        rig.clock.advance(5);
        QCOMPARE(s->imgtick->Width(), 744.0);
        QVERIFY(!s->tmrtick->Enabled());
    }

    void crossAndTickRunTogether() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.SoundOn = 1;
        auto* s = rig.open<BankScreen>(QStringLiteral("ten"));
        rig.clock.advance(1);
        rig.quiet();
        s->right();
        rig.clock.advance(10);
        s->wrong();
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(rig.sound.played.last(), QStringLiteral("wav\\boink.wav"));
        QVERIFY(s->tmrtick->Enabled());
        QVERIFY(s->tmrcross->Enabled());
        // Each tick of one wipe hides the other picture; the later timer ticks last.
        rig.clock.advance(1);
        QVERIFY(s->imgcross->Visible());
        QVERIFY(!s->imgtick->Visible());
        QCOMPARE(s->imgtick->Width(), 88.0);
        QCOMPARE(s->imgcross->Width(), 8.0);
        rig.clock.advance(82);  // the tick reaches 736 after 92 ticks in all
        QVERIFY(!s->tmrtick->Enabled());
        QCOMPARE(s->imgtick->Width(), 736.0);
        QVERIFY(s->tmrcross->Enabled());
        rig.clock.advance(9);
        QVERIFY(!s->tmrcross->Enabled());
        QCOMPARE(s->imgcross->Width(), 736.0);
        QVERIFY(s->imgcross->Visible());
    }

    void wipesThatKeepEachOther() {
        Rig rig(assetsFolder(), &testCatalogue());
        auto* s = rig.open<BankScreen>(QStringLiteral("three"));
        rig.clock.advance(1);
        s->wrong();
        rig.clock.advance(3);
        s->right();
        rig.clock.advance(3);
        QVERIFY(s->imgtick->Visible());
        QVERIFY(s->imgcross->Visible());
        // The tick lies above the cross.
        QVERIFY(s->children().indexOf(s->imgtick) > s->children().indexOf(s->imgcross));
    }

    void nextQuestionDuringWipe() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.SoundOn = 1;
        rig.random.script(0.1, 0.5);
        auto* s = rig.open<BankScreen>(QStringLiteral("ten"));
        rig.clock.advance(1);
        s->right();
        rig.clock.advance(20);
        rig.quiet();
        s->cmdgo->Click();
        QCOMPARE(rig.sound.played, QStringList{kClick});
        QVERIFY(!s->imgtick->Visible());
        QCOMPARE(s->imgtick->Width(), 0.0);
        QVERIFY(s->tmrtick->Enabled());
        rig.clock.advance(1);
        QVERIFY(s->imgtick->Visible());
        QCOMPARE(s->imgtick->Width(), 8.0);
        rig.clock.advance(200);
        QVERIFY(!s->tmrtick->Enabled());
        QCOMPARE(s->imgtick->Width(), 736.0);
    }

    // The answer button, where a screen shows it: a real click hides the tick and the
    // cross, shows the answer and clicks.
    void answerButtonHidesTheWipesAndShowsTheAnswer() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.SoundOn = 1;
        auto* s = rig.open<BankScreen>(QStringLiteral("answer"));
        rig.clock.advance(1);
        QVERIFY(s->cmdsoln->Visible());
        s->wrong();
        s->right();
        rig.clock.advance(2000);  // both wipes have finished and both pictures show
        QVERIFY(s->imgtick->Visible());
        QVERIFY(s->imgcross->Visible());
        rig.quiet();
        clickOn(*s->cmdsoln);
        QCOMPARE(s->answersShown, 1);
        QVERIFY(!s->imgtick->Visible());
        QVERIFY(!s->imgcross->Visible());
        QCOMPARE(rig.sound.played, QStringList{kClick});
        rig.clock.advance(1000);
        QVERIFY(!s->imgtick->Visible());
        // With sound off it still shows the answer, silently.
        rig.m.SoundOn = 0;
        rig.quiet();
        clickOn(*s->cmdsoln);
        QCOMPARE(s->answersShown, 2);
        QVERIFY(rig.sound.played.isEmpty());
    }

    void exitDuringWipeStopsEverything() {
        Rig rig(assetsFolder(), &testCatalogue());
        rig.m.SoundOn = 1;
        rig.open<MenuScreen>(QStringLiteral("menu2"));
        auto* s = rig.open<BankScreen>(QStringLiteral("ten"));
        rig.clock.advance(1);
        s->right();
        s->wrong();
        rig.clock.advance(5);
        const double width = s->imgtick->Width();
        s->cmdexit->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("menu2"));
        QCOMPARE(rig.clock.running(), 0);
        rig.clock.advance(500);
        QCOMPARE(s->imgtick->Width(), width);
    }

    // The screens, their titles, families, menus, backgrounds and how each shares the frame,
    // written out here so that the catalogue is checked against the design.
    void catalogueOfExerciseScreens() {
        struct Row {
            const char* name;
            const char* title;
            int family, menu, index;
            int r, g, b;
            Draw draw;
            bool nextHidden, answerShown, wipesKeep;
        };
        const Draw R = Draw::Reseed, P = Draw::Plain, O = Draw::InOrder;
        const Row rows[] = {
            {"auxiliary", "Auxiliary Verbs", 3, 1, 4, 49, 135, 215, R, false, false, false},
            {"basic", "Basic Meaning", 4, 1, 0, 49, 135, 215, P, true, false, false},
            {"negative", "Double Negatives", 4, 1, 2, 49, 135, 215, P, true, false, false},
            {"noun", "Noun and Verb Agreement", 4, 1, 1, 49, 135, 215, P, false, false, false},
            {"punc2", "Punctuation", 8, 1, 3, 49, 135, 215, R, false, false, true},
            {"clause", "The Subordinate Clause", 3, 2, 4, 48, 133, 214, R, false, false, false},
            {"comma2", "Punctuation with Commas", 5, 2, 3, 49, 135, 215, R, true, false, false},
            {"noun2", "Different Kinds of Nouns", 4, 2, 2, 49, 135, 215, O, true, false, false},
            {"tenses", "Tenses", 3, 2, 1, 48, 133, 214, R, false, false, false},
            {"verbforms", "Verb Forms", 3, 2, 0, 48, 133, 214, R, false, false, false},
            {"apostrophe", "Apostrophes", 3, 3, 1, 48, 133, 214, R, false, false, false},
            {"connectives", "Connectives", 7, 3, 2, 49, 135, 215, P, false, false, false},
            {"mainclause", "The Main Clause", 3, 3, 4, 48, 133, 214, R, false, false, false},
            {"prepositions", "Prepositions", 7, 3, 0, 49, 135, 215, P, false, false, false},
            {"puncnum", "Accurate Punctuation", 3, 3, 3, 49, 135, 215, R, false, true, false},
            {"active", "Active and Passive Verbs", 3, 4, 2, 48, 133, 214, R, false, false, false},
            {"connections", "Connections", 3, 4, 4, 48, 133, 214, R, false, false, false},
            {"parenthesis", "Parenthesis", 3, 4, 1, 48, 133, 214, R, false, false, false},
            {"punctuation", "Punctuation Terminology", 6, 4, 3, 49, 135, 215, O, false, false, true},
            {"sentence", "Sentence Structure", 3, 4, 0, 48, 133, 214, R, false, false, false},
            {"comma", "Comma, Colon and Semi-colon", 6, 5, 1, 49, 135, 215, R, false, false, true},
            {"conv", "Colloquial Language", 4, 5, 0, 49, 135, 215, P, true, false, false},
            {"formal", "Formal Language", 3, 5, 2, 48, 133, 214, R, false, false, false},
            {"hyphen2", "Hyphens", 3, 5, 3, 49, 135, 215, R, false, true, false},
            {"speech", "Speech Punctuation", 3, 5, 4, 48, 133, 214, R, false, false, false},
            {"conventions", "Language Conventions", 6, 6, 1, 49, 135, 215, R, false, false, false},
            {"notes", "Note Making", 4, 6, 0, 49, 135, 215, P, true, false, false},
            {"phrase", "Phrases and Clauses", 6, 6, 2, 49, 135, 215, R, false, false, false},
            {"revision", "Revision", 3, 6, 4, 49, 135, 215, R, false, false, false},
            {"terminology", "Literacy Terminology", 3, 6, 3, 49, 135, 215, R, false, false, false},
            {"hyphen", "Dashes and Hyphens", 3, 5, -1, 48, 133, 214, R, false, false, false},
            {"punc1", "Punctuation", 5, 1, -1, 49, 135, 215, O, false, false, false},
        };
        QCOMPARE(topicCatalogue().entries().size(), std::size(rows));
        for (const Row& row : rows) {
            const ScreenEntry* e = topicCatalogue().find(QString::fromLatin1(row.name));
            QVERIFY2(e, row.name);
            QCOMPARE(e->title, QString::fromLatin1(row.title));
            QCOMPARE(e->family, row.family);
            QCOMPARE(e->menu, row.menu);
            QCOMPARE(e->menuIndex, row.index);
            QCOMPARE(e->background, QColor(row.r, row.g, row.b));
            QVERIFY2(e->draw == row.draw, row.name);
            QCOMPARE(e->nextHiddenAtFirst, row.nextHidden);
            QCOMPARE(e->answerButtonShown, row.answerShown);
            QCOMPARE(e->wipeKeepsOther, row.wipesKeep);
            // Every screen plays: none is the bare frame.
            QVERIFY2(e->factory && e->factory != makeFrameScreen, row.name);
        }
    }

    void standardControlsOnEveryScreen() {
        Rig rig;
        for (const ScreenEntry& e : topicCatalogue().entries()) {
            auto* s = rig.open<ExerciseScreen>(e.name);
            QVERIFY2(s, qPrintable(e.name));
            QCOMPARE(s->Caption(), e.title);
            QCOMPARE(s->BackColor(), e.background);
            QCOMPARE(s->Width(), 12000.0);
            QCOMPARE(s->Height(), 9000.0);
            const auto place = [](Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); };
            QCOMPARE(place(s->cmdexit), QRectF(90, 7920, 1785, 500));
            QCOMPARE(place(s->cmdgo), QRectF(10020, 7920, 1785, 500));
            QCOMPARE(place(s->cmdsoln), QRectF(10020, 7320, 1785, 500));
            QCOMPARE(place(s->cmdcheckit), QRectF(10020, 7320, 1785, 500));
            QCOMPARE(place(s->Image1), QRectF(10200, 90, 1605, 1455));
            QCOMPARE(place(s->imgtick), QRectF(10740, 180, 735, 705));
            QCOMPARE(place(s->imgcross), QRectF(10740, 180, 735, 735));
            QVERIFY(!s->cmdexit->picture().isNull());
            QVERIFY(!s->cmdgo->picture().isNull());
            QVERIFY(!s->cmdsoln->picture().isNull());
            QVERIFY(!s->cmdcheckit->picture().isNull());
            QVERIFY(s->Image1->picture().isMetafile());
            QVERIFY(!s->imgtick->picture().isNull());
            QVERIFY(!s->imgcross->picture().isNull());
            QCOMPARE(s->imgtick->BackColor(), QColor(64, 64, 64));
            QVERIFY(!s->cmdexit->TabStop());
            QVERIFY(!s->cmdgo->TabStop());
            // The drag screens' load shows the next button the frame starts hidden.
            QCOMPARE(s->cmdgo->Visible(), !e.nextHiddenAtFirst || e.family == 4);
            QCOMPARE(s->cmdsoln->Visible(), e.answerButtonShown);
            QVERIFY(!s->cmdcheckit->Visible());
            QVERIFY(!s->imgtick->Visible());
            QVERIFY(!s->imgcross->Visible());
            QVERIFY(s->Timer1->Enabled());
            QCOMPARE(s->feedbackCaption()->Name(), e.family == 3 ? QStringLiteral("Label6") : QStringLiteral("Label1"));
            QVERIFY(!s->feedbackCaption()->Visible());
            rig.flow->unload(e.name);
            rig.collect();
        }
    }

    void everyButtonIsSafeOnEveryScreen() {
        Rig rig;
        rig.m.SoundOn = 1;
        for (const ScreenEntry& e : topicCatalogue().entries()) {
            rig.open<MenuScreen>(e.menuName());
            auto* s = rig.open<ExerciseScreen>(e.name);
            // Clicks before the bank is filled, then after, in quick succession.
            s->cmdgo->Click();
            s->cmdsoln->Click();
            s->cmdcheckit->Click();
            rig.clock.advance(1);
            for (int i = 0; i < 5; ++i) s->cmdgo->Click();
            s->cmdsoln->Click();
            rig.clock.advance(2000);
            rig.quiet();
            s->cmdexit->Click();
            s->cmdexit->Click();
            QCOMPARE(rig.sound.played, QStringList{kClick});
            QCOMPARE(rig.flow->front(), e.menuName());
            rig.collect();
        }
    }
};

QTEST_MAIN(FrameTest)
#include "test_frame.moc"
