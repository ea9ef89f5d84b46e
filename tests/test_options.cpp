// The shuffled-option screens: the shuffle and the rotation as rules, then the screens
// that use them: options on the boxes, marking by text, the completed sentence, the blink
// of every box with the right text, the slower blink of terminology, and their sounds.

#include <QtTest>
#include <random>

#include "rig.h"
#include "shell/menu.h"
#include "topics/choice/options.h"
#include "topics/choice/options_screen.h"

using namespace qm;
using namespace qm::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QString kCash = QStringLiteral("wav\\cash.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kClick = QStringLiteral("wav\\click.wav");

// Random numbers that make the shuffle leave every option where it is, except that in the
// last pass option `from` changes places with the option at `to`.
QList<double> moving(int count, int from, int to) {
    QList<double> values;
    for (int pass = 0; pass < 10; ++pass)
        for (int i = 0; i < count; ++i) {
            const int j = pass == 9 && i == from ? to : i;
            values << (j + 0.5) / count;
        }
    return values;
}

// A shuffled-option screen with its bank filled, sound on, and the draw scripted.
template <typename S>
struct Play {
    Rig rig;
    S* s = nullptr;
    int N;  // questions
    int G;  // rows to a question

    Play(const char* name, int questions, int rows) : N(questions), G(rows) {
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;  // so the first draw, with nothing scripted, lands on question 1
        s = rig.open<S>(QString::fromLatin1(name));
        rig.clock.advance(1);
        rig.quiet();
    }
    QString row(int n, int k) const { return rig.m.QuestionBank[G * n + k]; }
    // Shows question n through the next-question button; `then` are the random numbers
    // the question itself takes (the shuffle or the rotation).
    void show(int n, const QList<double>& then = {}) {
        QVERIFY(n >= 0 && n < N);
        if (rig.m.LastPick == n) {
            rig.random.push((((n + 1) % N) + 0.5) / N);
            s->cmdgo->Click();
        }
        while (rig.random.pending()) rig.random.Rnd();
        rig.random.push((n + 0.5) / N);
        for (double v : then) rig.random.push(v);
        s->cmdgo->Click();
        QCOMPARE(rig.m.LastPick, std::optional<int>(n));
        rig.quiet();
    }
    QStringList captions() const {
        QStringList c;
        for (Label* box : s->Label5) c << box->Caption();
        return c;
    }
    QList<QColor> colours() const {
        QList<QColor> c;
        for (Label* box : s->Label5) c << box->BackColor();
        return c;
    }
};

using Gap = Play<ShuffledScreen>;
using Speech = Play<SpeechScreen>;

QRectF place(const Control* c) { return QRectF(c->Left(), c->Top(), c->Width(), c->Height()); }

bool serif(const Label* l, double points, bool bold = false) {
    return l->Font().name == QLatin1String("Times New Roman") && l->Font().points == points && l->Font().bold == bold &&
           l->backStyle() == BackStyle::Transparent;
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    // ------------------------------------------------------------------ rules

    void shuffleSwapsEachPlaceWithADrawnPlace() {
        struct Case {
            QList<double> draws;
            int passes;
            QStringList expected;
        };
        const QStringList abcd{"a", "b", "c", "d"};
        const Case cases[] = {
            {{0.0, 0.25, 0.5, 0.75}, 1, abcd},                 // every place draws itself
            {{0.9, 0.25, 0.5, 0.75}, 1, {"d", "b", "c", "a"}},  // 0 <-> 3
            {{0.0, 0.0, 0.0, 0.0}, 1, {"d", "a", "b", "c"}},    // 0<->0, 1<->0, 2<->0, 3<->0
            {{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 2, {"c", "d", "a", "b"}},
            {{0.5, 0.5, 0.5, 0.5}, 1, {"c", "a", "d", "b"}},    // 0<->2, 1<->2, 2<->2, 3<->2
        };
        for (const Case& c : cases) {
            int at = 0;
            const auto rnd = [&] { return at < c.draws.size() ? c.draws[at++] : 0.0; };
            QCOMPARE(shuffleOptions(abcd, rnd, c.passes), c.expected);
            QCOMPARE(at, int(c.draws.size()));
        }
    }

    void shuffleTakesTenPassesAndKeepsEveryOption() {
        std::mt19937 engine(7);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        int draws = 0;
        const auto rnd = [&] {
            ++draws;
            return uniform(engine);
        };
        const QStringList options{"have", "was", "shall", "will"};
        QList<int> seenAt(4, 0);
        for (int round = 0; round < 400; ++round) {
            QStringList out = shuffleOptions(options, rnd);
            QCOMPARE(draws, (round + 1) * 40);  // ten passes of four swaps
            seenAt[int(out.indexOf(QStringLiteral("have")))]++;
            out.sort();
            QStringList sorted = options;
            sorted.sort();
            QCOMPARE(out, sorted);
        }
        // The right option ends up in every place, its own included.
        for (int place = 0; place < 4; ++place) QVERIFY2(seenAt[place] > 50, qPrintable(QString::number(place)));
    }

    void shuffleKeepsDrawsInRange() {
        const QStringList three{"come", "coming", "came"};
        QCOMPARE(shuffleOptions(three, [] { return 1.0; }, 1), (QStringList{"came", "come", "coming"}));
        QCOMPARE(shuffleOptions(three, [] { return -0.5; }, 1), (QStringList{"came", "come", "coming"}));
        QCOMPARE(shuffleOptions({}, [] { return 0.3; }), QStringList());
    }

    void rotationStartsAtTheDrawnRow() {
        using V = std::vector<int>;
        QCOMPARE(rotation(0.0, 3), (V{0, 1, 2}));
        QCOMPARE(rotation(0.34, 3), (V{1, 2, 0}));
        QCOMPARE(rotation(0.999, 3), (V{2, 0, 1}));
        QCOMPARE(rotation(1.0, 3), (V{2, 0, 1}));
        QCOMPARE(rotation(-0.2, 3), (V{0, 1, 2}));
        QCOMPARE(rotation(0.5, 0), V{});
    }

    void numberedLinesDropTheirNumber() {
        const QString version = QStringLiteral("\"Why me?\" she asked.");
        QCOMPARE(numberedLine(1, version), QStringLiteral("1.  \"Why me?\" she asked."));
        QCOMPARE(numberedLine(3, QStringLiteral("x")), QStringLiteral("3.  x"));
        QCOMPARE(withoutNumber(numberedLine(2, version)), version);
        QCOMPARE(withoutNumber(QStringLiteral("2. ")), QString());
        QCOMPARE(withoutNumber(QString()), QString());
    }

    // ------------------------------------------------------------------ gap and term screens

    void firstQuestionShowsTheShuffledOptions() {
        Rig rig;
        rig.m.LastPick = 5;
        auto* s = rig.open<ShuffledScreen>(QStringLiteral("auxiliary"));
        QVERIFY(!s->Label4->Visible());
        for (Label* box : s->Label5) QVERIFY(!box->Visible());
        rig.random.push(0.5 / 30);  // question 0
        for (double v : moving(4, 0, 2)) rig.random.push(v);
        rig.clock.advance(1);
        QCOMPARE(rig.random.reseeds(), 2);  // before the draw and before the shuffle
        QCOMPARE(rig.random.pending(), std::size_t(0));
        QCOMPARE(s->Label4->Caption(), QStringLiteral("They ____ lost their ticket."));
        QVERIFY(s->Label4->Visible());
        QCOMPARE(s->Label1->Caption(), QStringLiteral("They have lost their ticket."));
        QVERIFY(!s->Label1->Visible());
        QStringList captions;
        for (Label* box : s->Label5) {
            QVERIFY(box->Visible());
            captions << box->Caption();
        }
        QCOMPARE(captions, (QStringList{"shall", "was", "have", "will"}));
        QVERIFY(!s->Label6->Visible());
    }

    void theSameQuestionCanComeInAnotherOrder() {
        Gap p("revision", 32, 5);
        p.show(0, moving(3, 2, 2));  // nothing moves: the right word stays third
        QCOMPARE(p.captions(), (QStringList{"come", "coming", "came"}));
        p.show(1);
        p.show(0, moving(3, 2, 0));
        QCOMPARE(p.captions(), (QStringList{"came", "coming", "come"}));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
    }

    void rightWordWhereTheShuffleLeftIt() {
        for (int to = 0; to < 4; ++to) {
            Gap p("auxiliary", 30, 6);
            p.show(2, moving(4, 0, to));
            QCOMPARE(p.s->Label5(to)->Caption(), QStringLiteral("would"));
            for (int i = 0; i < 4; ++i) {
                p.s->Label5(i)->Click();
                QCOMPARE(p.s->Label6->Caption(), i == to ? QStringLiteral("Correct") : QStringLiteral("Wrong"));
            }
        }
    }

    void rightAnswerShowsTheSentenceAndBlinks() {
        Gap p("auxiliary", 30, 6);
        p.show(1, moving(4, 0, 3));
        QCOMPARE(p.s->Label5(3)->Caption(), QStringLiteral("can"));
        QVERIFY(!p.s->Label1->Visible());
        p.s->Label5(3)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label6->Visible());
        QCOMPARE(p.rig.sound.played, QStringList{kCash});
        QVERIFY(p.s->tmrtick->Enabled());
        QVERIFY(!p.s->tmrcross->Enabled());
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("We can start at seven o’clock."));
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow, kYellow}));
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow, kWhite}));
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow, kYellow}));
        QVERIFY(p.s->imgtick->Visible());
    }

    void wrongAnswerShowsTheSentenceAndBlinksTheRightBox() {
        Gap p("revision", 32, 5);
        p.show(1, moving(3, 2, 1));
        QCOMPARE(p.captions(), (QStringList{"meself", "I", "me"}));
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QVERIFY(p.s->tmrcross->Enabled());
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("My friend and I went bowling."));
        p.rig.clock.advance(500);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kWhite, kYellow}));
        // Another click gives feedback again and leaves the blink running.
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.rig.sound.played, (QStringList{kBoink, kCash}));
        QVERIFY(p.s->tmrtick->Enabled());
        p.rig.clock.advance(250);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));
        QVERIFY(p.s->Label1->Visible());
    }

    void equalTextsAreBothRightAndBothBlink() {
        Gap p("auxiliary", 30, 6);
        p.rig.m.QuestionBank[6 * 4 + 3] = p.row(4, 1);  // a wrong word made equal to the right one
        p.show(4, moving(4, 0, 0));
        const QString right = p.row(4, 1);
        QList<int> boxes;
        for (int i = 0; i < 4; ++i)
            if (p.s->Label5(i)->Caption() == right) boxes << i;
        QCOMPARE(boxes.size(), 2);
        for (int i = 0; i < 4; ++i) {
            p.s->Label5(i)->Click();
            QCOMPARE(p.s->Label6->Caption(), boxes.contains(i) ? QStringLiteral("Correct") : QStringLiteral("Wrong"));
        }
        p.rig.clock.advance(500);
        for (int i = 0; i < 4; ++i) QCOMPARE(p.colours()[i], boxes.contains(i) ? kWhite : kYellow);
        // Text is compared exactly: the same word in capitals is another word.
        p.rig.m.QuestionBank[6 * 5 + 2] = p.row(5, 1).toUpper();
        p.show(5, moving(4, 0, 0));
        QCOMPARE(p.captions(), (QStringList{p.row(5, 1), p.row(5, 1).toUpper(), p.row(5, 3), p.row(5, 4)}));
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
    }

    void nextHidesTheAnswerAndStopsTheBlink() {
        Gap p("auxiliary", 30, 6);
        p.show(0, moving(4, 0, 0));
        p.s->Label5(1)->Click();
        p.rig.clock.advance(500);
        QVERIFY(p.colours().contains(kWhite));
        p.show(3);
        QVERIFY(!p.s->Timer2->Enabled());
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow, kYellow}));
        QVERIFY(!p.s->Label1->Visible());
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->imgcross->Visible());
        QVERIFY(p.s->Label4->Visible());
        QCOMPARE(p.s->Label4->Caption(), p.row(3, 0));
        QCOMPARE(p.s->Label1->Caption(), p.row(3, 5));
        p.rig.clock.advance(1000);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow, kYellow}));
    }

    void terminologyBlinksEvery450ms() {
        Gap p("terminology", 34, 5);
        QCOMPARE(p.s->Timer2->Interval(), 450);
        p.show(0, moving(4, 0, 1));
        QCOMPARE(p.s->Label4->Caption(), QStringLiteral("a verb"));
        QCOMPARE(p.s->Label5(1)->Caption(), QStringLiteral("is an action word"));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(449);
        QVERIFY(p.rig.m.CounterB == 0);
        p.rig.clock.advance(1);  // phase 1: yellow
        QVERIFY(p.rig.m.CounterB == 1);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow, kYellow}));
        p.rig.clock.advance(449);
        QCOMPARE(p.colours()[1], kYellow);
        p.rig.clock.advance(1);
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kWhite, kYellow, kYellow}));
        p.rig.clock.advance(450);
        QCOMPARE(p.colours()[1], kYellow);
    }

    // A box answered before the first question, with the last row drawn on another screen:
    // nothing is right, nothing blinks, nothing is read out of range.
    void answerBeforeTheFirstQuestion() {
        // The last row beyond the bank, and inside it on rows not filled yet.
        for (const auto& [name, last] : {std::pair{"auxiliary", 100}, std::pair{"auxiliary", 25},
                                         std::pair{"speech", 100}, std::pair{"speech", 35}}) {
            Rig rig;
            rig.m.LastPick = last;
            auto* s = rig.open<OptionScreen>(QString::fromLatin1(name));
            s->Label5_Click(0);
            QCOMPARE(s->Label6->Caption(), QStringLiteral("Wrong"));
            s->FlashAnswer();
            s->FlashAnswer();
            for (Label* box : s->Label5) QCOMPARE(box->BackColor(), kYellow);
        }
    }

    // ------------------------------------------------------------------ speech

    void speechRotatesTheVersionsOntoTheLines() {
        Speech p("speech", 36, 3);
        const QString right = QStringLiteral("\"Why me?\" she asked.");
        for (int start = 0; start < 3; ++start) {
            p.show(1, {(start + 0.5) / 3});
            QStringList lines;
            for (Label* line : p.s->Label1) {
                QVERIFY(line->Visible());
                lines << line->Caption();
            }
            QCOMPARE(lines, (QStringList{numberedLine(1, p.row(1, start)), numberedLine(2, p.row(1, (start + 1) % 3)),
                                         numberedLine(3, p.row(1, (start + 2) % 3))}));
            // The right version is on line (3 - start) mod 3, and only that number is right.
            const int rightLine = (3 - start) % 3;
            QCOMPARE(p.s->Label1(rightLine)->Caption(), QString::number(rightLine + 1) + QStringLiteral(".  ") + right);
            for (int i = 0; i < 3; ++i) {
                p.s->Label5(i)->Click();
                QCOMPARE(p.s->Label6->Caption(), i == rightLine ? QStringLiteral("Correct") : QStringLiteral("Wrong"));
                QVERIFY(p.rig.m.ResultFlag == (i == rightLine ? 1 : 0));
            }
            p.rig.clock.advance(500);
            for (int i = 0; i < 3; ++i) QCOMPARE(p.colours()[i], i == rightLine ? kWhite : kYellow);
            const int reseeds = p.rig.random.reseeds();
            p.show(2);
            QCOMPARE(p.rig.random.reseeds(), reseeds + 1);  // the draw re-seeds; the rotation does not
        }
    }

    void speechComparesWithoutTheNumber() {
        Speech p("speech", 36, 3);
        // A wrong version made equal to the right one with a number of its own in front.
        const QString right = p.row(0, 0);
        p.rig.m.QuestionBank[1] = QStringLiteral("2.  ") + right;
        p.show(0, {0.0});
        QCOMPARE(p.s->Label1(1)->Caption(), QStringLiteral("2.  2.  ") + right);
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.s->Label5(0)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        // Two equal versions: both numbers are right and both blink.
        p.rig.m.QuestionBank[3 * 4 + 2] = p.row(4, 0);
        p.show(4, {0.0});
        p.s->Label5(2)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Correct"));
        p.s->Label5(1)->Click();
        QCOMPARE(p.s->Label6->Caption(), QStringLiteral("Wrong"));
        p.rig.clock.advance(500);
        QCOMPARE(p.colours(), (QList<QColor>{kWhite, kYellow, kWhite}));
    }

    void speechNextHidesTheVersions() {
        Speech p("speech", 36, 3);
        p.show(0, {0.0});
        p.s->Label5(1)->Click();
        p.rig.clock.advance(500);
        p.rig.quiet();
        p.s->cmdgo->Click();
        for (Label* line : p.s->Label1) QVERIFY(line->Visible());  // the next question's versions
        QVERIFY(!p.s->Label6->Visible());
        QVERIFY(!p.s->Timer2->Enabled());
        QCOMPARE(p.colours(), (QList<QColor>{kYellow, kYellow, kYellow}));
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
        QVERIFY(p.s->Label4->Visible());
    }

    // ------------------------------------------------------------------ real clicks and sounds

    // Each screen answered through the mouse as a pupil would: a wrong box, then the right one.
    void mouseClicksThroughTheWindow() {
        struct Screen {
            const char* name;
            int rows, options, rightRow;
        };
        for (const Screen& d : {Screen{"auxiliary", 6, 4, 1}, Screen{"revision", 5, 3, 3},
                                Screen{"terminology", 5, 4, 1}, Screen{"speech", 3, 3, 0}}) {
            Rig rig;
            rig.m.SoundOn = 1;
            auto* menu = rig.open<MenuScreen>(rig.flow->catalogue().find(QString::fromLatin1(d.name))->menuName());
            QVERIFY(menu);
            auto* s = rig.open<OptionScreen>(QString::fromLatin1(d.name));
            rig.clock.advance(1);
            rig.quiet();
            // Where the right option landed: the box with its text, or the line with its version.
            auto* speech = qobject_cast<SpeechScreen*>(s);
            const QString rightText = rig.m.QuestionBank[d.rows * *rig.m.LastPick + d.rightRow];
            int right = -1;
            for (int i = 0; i < d.options; ++i) {
                const QString text = speech ? speech->Label1(i)->Caption().mid(4) : s->Label5(i)->Caption();
                if (text == rightText) right = i;
            }
            QVERIFY2(right >= 0, d.name);
            const int wrong = (right + 1) % d.options;
            clickOn(*s->Label5(wrong));
            QCOMPARE(s->Label6->Caption(), QStringLiteral("Wrong"));
            clickOn(*s->Label5(right));
            QCOMPARE(s->Label6->Caption(), QStringLiteral("Correct"));
            clickOn(*s->cmdgo);
            QVERIFY(!s->Label6->Visible());
            clickOn(*s->cmdexit);
            QCOMPARE(rig.sound.played, (QStringList{kBoink, kCash, kClick, kClick}));
            QCOMPARE(rig.flow->front(), menu->Name());
            rig.collect();
        }
    }

    void silentWhenSoundIsOff() {
        Gap p("terminology", 34, 5);
        p.rig.m.SoundOn = 0;
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        p.s->cmdgo->Click();
        p.rig.clock.advance(2000);
        QVERIFY(p.rig.sound.played.isEmpty());
        QVERIFY(p.s->Label4->Visible());
    }

    // ------------------------------------------------------------------ layouts

    void gapAndTermLayouts() {
        struct Layout {
            const char* name;
            QList<double> lefts;
            double width, height, top, points;
            QRectF prompt;
            double promptPoints;
            QRectF feedback;
            bool completed;
            int blink;
        };
        const Layout layouts[] = {
            {"auxiliary", {120, 2760, 5400, 8040}, 2475, 975, 6720, 36, {120, 0, 9855, 2895}, 48, {0, 2760, 10095, 1215},
             true, 250},
            {"revision", {120, 3600, 7080}, 2955, 975, 6720, 36, {120, 0, 9855, 2895}, 48, {0, 2760, 10095, 1215}, true,
             250},
            {"terminology", {120, 3120, 6120, 9120}, 2715, 1575, 4440, 15.75, {240, 2160, 11415, 1935}, 72,
             {0, 6720, 10095, 1215}, false, 450},
        };
        for (const Layout& d : layouts) {
            Rig rig;
            auto* s = rig.open<ShuffledScreen>(QString::fromLatin1(d.name));
            QVERIFY2(s, d.name);
            QCOMPARE(place(s->Label4), d.prompt);
            QVERIFY(serif(s->Label4, d.promptPoints));
            QCOMPARE(s->Label4->ForeColor(), kYellow);
            QVERIFY(!s->Label4->Visible());
            QCOMPARE(s->Label5.count(), int(d.lefts.size()));
            for (int i = 0; i < s->Label5.count(); ++i) {
                Label* box = s->Label5(i);
                QCOMPARE(place(box), QRectF(d.lefts[i], d.top, d.width, d.height));
                QCOMPARE(box->Font().name, QStringLiteral("Tahoma"));
                QCOMPARE(box->Font().points, d.points);
                QVERIFY(box->Font().bold);
                QCOMPARE(box->BackColor(), kYellow);
                QCOMPARE(box->ForeColor(), QColor(0, 0, 0));
                QVERIFY(box->backStyle() == BackStyle::Opaque);
                QVERIFY(!box->Visible());
            }
            QCOMPARE(place(s->Label6), d.feedback);
            QVERIFY(serif(s->Label6, 48));
            QCOMPARE(s->Label6->ForeColor(), kYellow);
            QVERIFY(!s->Label6->Visible());
            if (d.completed) {
                QVERIFY(s->Label1);
                QCOMPARE(place(s->Label1), QRectF(120, 4320, 9855, 2295));
                QVERIFY(serif(s->Label1, 48));
                QCOMPARE(s->Label1->ForeColor(), kGreen);
                QVERIFY(!s->Label1->Visible());
                QVERIFY(!s->Label2);  // no instruction line
            } else {
                QVERIFY(!s->Label1);
                QVERIFY(s->Label2);
                QCOMPARE(s->Label2->Caption(), QStringLiteral("Click on the description matching the literary term below."));
                QCOMPARE(place(s->Label2), QRectF(120, 120, 9855, 1815));
                QVERIFY(serif(s->Label2, 36));
                QCOMPARE(s->Label2->ForeColor(), kGreen);
                QVERIFY(s->Label2->Visible());
                QVERIFY(s->Label2->textHeightTwips() <= s->Label2->Height());
            }
            QCOMPARE(s->Timer2->Interval(), d.blink);
            QVERIFY(!s->Timer2->Enabled());
            QVERIFY(!s->cmdsoln->Visible());
            QVERIFY(rig.m.CounterB == 0);
        }
    }

    void speechLayout() {
        Rig rig;
        rig.m.CounterB = 1;
        auto* s = rig.open<SpeechScreen>(QStringLiteral("speech"));
        QVERIFY(rig.m.CounterB == 0);
        QCOMPARE(s->Label2->Caption(), QStringLiteral("Which form of punctuation is correct?"));
        QCOMPARE(place(s->Label2), QRectF(120, 0, 9975, 915));
        QVERIFY(serif(s->Label2, 30));
        QCOMPARE(s->Label2->ForeColor(), kYellow);
        QVERIFY(s->Label2->Visible());
        const QColor colours[] = {{192, 0, 0}, {192, 192, 192}, {0, 0, 192}};
        const double tops[] = {1080, 2160, 3240};
        const double lefts[] = {120, 3480, 6840};
        QCOMPARE(s->Label1.count(), 3);
        QCOMPARE(s->Label5.count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(place(s->Label1(i)), QRectF(360, tops[i], 9675, 945));
            QVERIFY(serif(s->Label1(i), 27.75, true));
            QCOMPARE(s->Label1(i)->ForeColor(), colours[i]);
            QVERIFY(!s->Label1(i)->Visible());
            Label* box = s->Label5(i);
            QCOMPARE(place(box), QRectF(lefts[i], 5760, 3075, 855));
            QCOMPARE(box->Caption(), QString::number(i + 1) + QLatin1Char('.'));
            QCOMPARE(box->ForeColor(), colours[i]);
            QCOMPARE(box->BackColor(), kYellow);
            QCOMPARE(box->Font().name, QStringLiteral("Tahoma"));
            QCOMPARE(box->Font().points, 30.0);
            QVERIFY(box->Font().bold);
            QVERIFY(!box->Visible());
        }
        QCOMPARE(s->Label4->Caption(), QStringLiteral("Click on the correct box."));
        QCOMPARE(s->Label4->Left(), 120.0);
        QCOMPARE(s->Label4->Top(), 5040.0);
        QVERIFY(serif(s->Label4, 24));
        QVERIFY(!s->Label4->Visible());
        QCOMPARE(place(s->Label6), QRectF(2760, 7320, 4455, 1215));
        QVERIFY(serif(s->Label6, 39.75));
        QVERIFY(!s->Label6->Visible());
        QCOMPARE(s->Timer2->Interval(), 250);
        rig.clock.advance(1);
        QVERIFY(s->Label4->Visible());
        for (Label* box : s->Label5) QVERIFY(box->Visible());
    }
};

QTEST_MAIN(OptionsTest)
#include "test_options.moc"
