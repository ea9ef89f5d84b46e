// The screen flow: every row of the navigation table, the order of show, unload and
// sound, and the sound switch.

#include <QtTest>

#include "exercise/exercise_screen.h"
#include "rig.h"
#include "shell/grey.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/titlefrm.h"

using namespace qm;
using namespace qm::test;

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");

// What the program looked like at the moment a sound was requested.
struct Moment {
    QString sound;
    QString front;
    QStringList loaded;
};

struct Watch {
    explicit Watch(Rig& rig) {
        rig.sound.onPlay = [this, &rig](const QString& path) {
            moments.push_back({path, rig.flow->front(), rig.flow->loadedNames()});
        };
    }
    std::vector<Moment> moments;
};

}  // namespace

class FlowTest : public QObject {
    Q_OBJECT
private slots:
    void startShowsTitleWithOkAndSoundOn() {
        Rig rig;
        rig.flow->start();
        auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QVERIFY(title);
        QCOMPARE(rig.flow->front(), QStringLiteral("Titlefrm"));
        QCOMPARE(title->Command1->Caption(), QStringLiteral("OK"));
        QCOMPARE(title->Command2->Caption(), QStringLiteral("Exit"));
        QVERIFY(rig.m.SoundOn == 1);
        QCOMPARE(rig.flow->loadedNames(), QStringList{QStringLiteral("Titlefrm")});
        QVERIFY(rig.sound.played.isEmpty());
    }

    void okShowsStartScreenSilently() {
        Rig rig;
        rig.flow->start();
        rig.screen<Titlefrm>(QStringLiteral("Titlefrm"))->Command1->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("intro0"));
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("Titlefrm")));
        QVERIFY(rig.sound.played.isEmpty());
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("Grey")));
    }

    void exitEndsTheRunWithoutSound() {
        Rig rig;
        rig.flow->start();
        auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        title->Command2->Click();
        QCOMPARE(rig.session.ended, 1);
        QVERIFY(rig.flow->ended());
        QVERIFY(rig.sound.played.isEmpty());
        // Nothing handles events after the end.
        title->Command1->Click();
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("intro0")));
    }

    void exitFromTheConfirmationEndsTheRunSilently() {
        Rig rig;
        rig.flow->show(QStringLiteral("intro0"));
        rig.screen<intro0>(QStringLiteral("intro0"))->Command1->Click();
        rig.quiet();
        auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QCOMPARE(title->Command1->Caption(), QStringLiteral("Cancel"));
        title->Command2->Click();
        QCOMPARE(rig.session.ended, 1);
        QVERIFY(rig.sound.played.isEmpty());
    }

    void closeControlEndsTheRunLikeExit() {
        Rig rig;
        rig.flow->start();
        rig.screen<Titlefrm>(QStringLiteral("Titlefrm"))->Command1->Click();
        rig.flow->screen(QStringLiteral("intro0"))->close();
        QCOMPARE(rig.session.ended, 1);
    }

    void termLabelsOpenTheirMenus_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 6; ++i) QTest::addRow("Label2(%d)", i) << i;
    }
    void termLabelsOpenTheirMenus() {
        QFETCH(int, index);
        Rig rig;
        Watch watch(rig);
        rig.m.SoundOn = 1;
        rig.flow->show(QStringLiteral("intro0"));
        rig.screen<intro0>(QStringLiteral("intro0"))->Label2(index)->Click();
        const QString menu = QStringLiteral("menu%1").arg(index + 1);
        QCOMPARE(rig.flow->front(), menu);
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("intro0")));
        // The click sounds only after the menu is in front and the start screen is gone.
        QCOMPARE(watch.moments.size(), std::size_t(1));
        QCOMPARE(watch.moments[0].sound, kClick);
        QCOMPARE(watch.moments[0].front, menu);
        QVERIFY(!watch.moments[0].loaded.contains(QStringLiteral("intro0")));
    }

    void startScreenExitAsksWithCancelAndClicks() {
        Rig rig;
        Watch watch(rig);
        rig.m.SoundOn = 1;
        rig.flow->show(QStringLiteral("intro0"));
        rig.m.SoundOn = 0;
        rig.screen<intro0>(QStringLiteral("intro0"))->Command1->Click();
        auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        QVERIFY(title);
        QCOMPARE(title->Command1->Caption(), QStringLiteral("Cancel"));
        QCOMPARE(rig.flow->front(), QStringLiteral("Titlefrm"));
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("intro0")));
        // Loading the title switched sound on, so this click is heard.
        QCOMPARE(watch.moments.size(), std::size_t(1));
        QCOMPARE(watch.moments[0].front, QStringLiteral("Titlefrm"));
        QVERIFY(!watch.moments[0].loaded.contains(QStringLiteral("intro0")));
    }

    void cancelBringsBackStartScreenWithSoundOn() {
        Rig rig;
        rig.flow->start();
        rig.screen<Titlefrm>(QStringLiteral("Titlefrm"))->Command1->Click();
        auto* start = rig.screen<intro0>(QStringLiteral("intro0"));
        start->Option2->setValue(true);  // "Sound Off"
        QVERIFY(rig.m.SoundOn == 0);
        start->Command1->Click();
        rig.collect();
        auto* title = rig.screen<Titlefrm>(QStringLiteral("Titlefrm"));
        title->Command1->Click();  // "Cancel"
        auto* again = rig.screen<intro0>(QStringLiteral("intro0"));
        QVERIFY(again->Option1->Value());
        QVERIFY(!again->Option2->Value());
        QVERIFY(rig.m.SoundOn == 1);
        QCOMPARE(rig.sound.played, QStringList{kClick});
    }

    void topicOpensOnTopOfItsMenu() {
        Rig rig;
        Watch watch(rig);
        rig.m.SoundOn = 1;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu2"));
        menu->Label3(1)->Click();  // "Tenses"
        QCOMPARE(rig.flow->front(), QStringLiteral("tenses"));
        QVERIFY(rig.flow->isLoaded(QStringLiteral("menu2")));
        QVERIFY(menu->isVisible());
        QCOMPARE(watch.moments.size(), std::size_t(1));
        QCOMPARE(watch.moments[0].front, QStringLiteral("tenses"));
        QVERIFY(watch.moments[0].loaded.contains(QStringLiteral("menu2")));
    }

    // Each menu's five topics, top to bottom: the caption shown and the screen it opens.
    void everyTopicOpensItsScreenAndComesBack() {
        struct Topic {
            const char* caption;
            const char* screen;
        };
        const Topic topics[6][5] = {
            {{"Basic Meaning", "basic"}, {"Noun and Verb Agreement", "noun"}, {"Double Negatives", "negative"},
             {"Punctuation", "punc2"}, {"Auxiliary Verbs", "auxiliary"}},
            {{"Verb Forms", "verbforms"}, {"Tenses", "tenses"}, {"Different Kinds of Nouns", "noun2"},
             {"Punctuation with Commas", "comma2"}, {"The Subordinate Clause", "clause"}},
            {{"Prepositions", "prepositions"}, {"Apostrophes", "apostrophe"}, {"Connectives", "connectives"},
             {"Accurate Punctuation", "puncnum"}, {"The Main Clause", "mainclause"}},
            {{"Sentence Structure", "sentence"}, {"Parenthesis", "parenthesis"}, {"Active and Passive Verbs", "active"},
             {"Punctuation Terminology", "punctuation"}, {"Connections", "connections"}},
            {{"Colloquial Language", "conv"}, {"Comma, Colon and Semi-colon", "comma"}, {"Formal Language", "formal"},
             {"Hyphens", "hyphen2"}, {"Speech Punctuation", "speech"}},
            {{"Note Making", "notes"}, {"Language Conventions", "conventions"}, {"Phrases and Clauses", "phrase"},
             {"Literacy Terminology", "terminology"}, {"Revision", "revision"}},
        };
        Rig rig;
        for (int k = 1; k <= 6; ++k) {
            auto* menu = rig.open<MenuScreen>(QStringLiteral("menu%1").arg(k));
            for (int i = 0; i < 5; ++i) {
                const QString caption = QString::fromLatin1(topics[k - 1][i].caption);
                const QString name = QString::fromLatin1(topics[k - 1][i].screen);
                QCOMPARE(menu->Label3(i)->Caption(), caption);
                menu->Label3(i)->Click();
                QCOMPARE(rig.flow->front(), name);
                auto* ex = rig.screen<ExerciseScreen>(name);
                QVERIFY2(ex, qPrintable(name));
                QCOMPARE(ex->Caption(), caption);
                rig.clock.advance(1);  // the bank fill
                QVERIFY(!ex->Timer1->Enabled());
                ex->cmdexit->Click();
                QCOMPARE(rig.flow->front(), menu->Name());
                QCOMPARE(rig.screen<MenuScreen>(menu->Name()), menu);  // not rebuilt
                QVERIFY(!rig.flow->isLoaded(name));
                rig.collect();
            }
            rig.flow->unload(menu->Name());
            rig.collect();
        }
    }

    void menuStaysUnchangedBehindItsExercise() {
        Rig rig;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu5"));
        const auto snapshot = [menu] {
            QStringList s;
            for (int i = 0; i < 5; ++i)
                s << QStringLiteral("%1|%2|%3|%4").arg(menu->Label3(i)->Caption()).arg(menu->Label3(i)->Left())
                         .arg(menu->Label3(i)->Top()).arg(menu->Label3(i)->Visible());
            s << QString::number(menu->Left()) << QString::number(menu->Top());
            return s;
        };
        const QStringList before = snapshot();
        const int prepared = rig.desktop.busyCalls;  // each load step prepares its screen once
        menu->Label3(2)->Click();
        auto* ex = rig.screen<ExerciseScreen>(QStringLiteral("formal"));
        rig.clock.advance(10);
        ex->cmdexit->Click();
        QCOMPARE(snapshot(), before);
        QCOMPARE(rig.desktop.busyCalls, prepared + 1);  // the exercise's, not the menu's again
        QCOMPARE(rig.flow->front(), QStringLiteral("menu5"));
    }

    void termLabelsMoveBetweenSiblingMenus() {
        Rig rig;
        Watch watch(rig);
        rig.m.SoundOn = 1;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu4"));
        menu->Label2(2)->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("menu6"));
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("menu4")));
        QCOMPARE(watch.moments.size(), std::size_t(1));
        QCOMPARE(watch.moments[0].front, QStringLiteral("menu6"));
        QVERIFY(!watch.moments[0].loaded.contains(QStringLiteral("menu4")));
        rig.collect();
        rig.screen<MenuScreen>(QStringLiteral("menu6"))->Label2(0)->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("menu4"));
        rig.collect();
        auto* year5 = rig.open<MenuScreen>(QStringLiteral("menu1"));
        year5->Label2(2)->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("menu3"));
    }

    void ownTermLabelOnlyClicks_data() {
        QTest::addColumn<int>("menu");
        for (int k = 1; k <= 6; ++k) QTest::addRow("menu%d", k) << k;
    }
    void ownTermLabelOnlyClicks() {
        QFETCH(int, menu);
        Rig rig;
        rig.m.SoundOn = 1;
        auto* screen = rig.open<MenuScreen>(QStringLiteral("menu%1").arg(menu));
        screen->Label2((menu - 1) % 3)->Click();
        QCOMPARE(rig.flow->front(), screen->Name());
        QCOMPARE(rig.flow->loadedNames(), (QStringList{QStringLiteral("Grey"), screen->Name()}));
        QCOMPARE(rig.sound.played, QStringList{kClick});
    }

    void menuExitReturnsToStartScreen() {
        Rig rig;
        Watch watch(rig);
        rig.m.SoundOn = 1;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu3"));
        menu->Command1->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("intro0"));
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("menu3")));
        QCOMPARE(watch.moments.size(), std::size_t(1));
        QCOMPARE(watch.moments[0].front, QStringLiteral("intro0"));
        QVERIFY(!watch.moments[0].loaded.contains(QStringLiteral("menu3")));
    }

    void exerciseExitShowsMenuBeforeUnloadingAndClicking() {
        Rig rig;
        Watch watch(rig);
        rig.m.SoundOn = 1;
        rig.open<MenuScreen>(QStringLiteral("menu4"));
        auto* ex = rig.open<ExerciseScreen>(QStringLiteral("connections"));
        ex->cmdexit->Click();
        QCOMPARE(watch.moments.size(), std::size_t(1));
        QCOMPARE(watch.moments[0].front, QStringLiteral("menu4"));
        QVERIFY(!watch.moments[0].loaded.contains(QStringLiteral("connections")));
        // An exercise no menu opens still goes back to the menu it belongs to.
        auto* hyphen = rig.open<ExerciseScreen>(QStringLiteral("hyphen"));
        hyphen->cmdexit->Click();
        QCOMPARE(rig.flow->front(), QStringLiteral("menu5"));
    }

    void silentWhenSoundIsOff() {
        Rig rig;
        rig.flow->start();
        rig.screen<Titlefrm>(QStringLiteral("Titlefrm"))->Command1->Click();
        auto* start = rig.screen<intro0>(QStringLiteral("intro0"));
        start->Option2->Click();
        start->Option2->setValue(true);
        QVERIFY(rig.m.SoundOn == 0);
        start->Label2(1)->Click();
        auto* menu = rig.screen<MenuScreen>(QStringLiteral("menu2"));
        menu->Label2(1)->Click();
        menu->Label3(0)->Click();
        auto* ex = rig.screen<ExerciseScreen>(QStringLiteral("verbforms"));
        rig.clock.advance(1);
        ex->cmdexit->Click();
        menu->Label2(2)->Click();  // a sibling term, silently
        QCOMPARE(rig.flow->front(), QStringLiteral("menu3"));
        rig.collect();
        rig.screen<MenuScreen>(QStringLiteral("menu3"))->Label2(1)->Click();
        menu = rig.screen<MenuScreen>(QStringLiteral("menu2"));
        menu->Label3(0)->Click();
        ex = rig.screen<ExerciseScreen>(QStringLiteral("verbforms"));
        rig.clock.advance(1);
        ex->cmdgo->Click();
        ex->cmdexit->Click();
        menu->Command1->Click();
        QVERIFY(rig.sound.played.isEmpty());
        // "Sound Off" before any sound: the sound host was never loaded.
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("Grey")));
        // Sound on again: the next request loads it once and is heard.
        rig.collect();
        auto* back = rig.screen<intro0>(QStringLiteral("intro0"));
        QVERIFY(back->Option2->Value());  // the start screen remembers "Sound Off"
        back->Option1->setValue(true);
        QVERIFY(!rig.flow->isLoaded(QStringLiteral("Grey")));
        back->Label2(3)->Click();
        QVERIFY(rig.flow->isLoaded(QStringLiteral("Grey")));
        QCOMPARE(rig.sound.played, QStringList{kClick});
        QVERIFY(!rig.screen(QStringLiteral("Grey"))->isVisible());
    }

    void soundHostIsLoadedOnceAndNeverShown() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.PlayCue(QStringLiteral("wav\\cash.wav"));
        Form* grey = rig.screen(QStringLiteral("Grey"));
        QVERIFY(grey);
        rig.m.PlayCue(QStringLiteral("wav\\boink.wav"));
        QCOMPARE(rig.screen(QStringLiteral("Grey")), grey);
        QVERIFY(!grey->isVisible());
        QCOMPARE(rig.sound.played, (QStringList{QStringLiteral("wav\\cash.wav"), QStringLiteral("wav\\boink.wav")}));
        // An empty setting is silent too.
        Rig empty;
        empty.m.PlayCue(QStringLiteral("wav\\cash.wav"));
        QVERIFY(empty.sound.played.isEmpty());
        QVERIFY(!empty.flow->isLoaded(QStringLiteral("Grey")));
    }

    void unloadedScreenRunsNoMoreHandlers() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.open<MenuScreen>(QStringLiteral("menu1"));
        auto* ex = rig.open<ExerciseScreen>(QStringLiteral("basic"));
        ex->cmdexit->Click();
        rig.quiet();
        // A second click that arrives before the screen is deleted does nothing.
        ex->cmdexit->Click();
        ex->cmdgo->Click();
        QVERIFY(rig.sound.played.isEmpty());
        QCOMPARE(rig.clock.running(), 0);
    }
};

QTEST_MAIN(FlowTest)
#include "test_flow.moc"
