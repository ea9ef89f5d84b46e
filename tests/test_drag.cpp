// The word-drag screens: splitting and flowing the words, dragging a tile, the drop
// window, marking, the score, re-flow and done-markers, and each screen's own rules,
// driven through the handlers and through real mouse events on the window.

#include <QtTest>

#include "exercise/word_tiles.h"
#include "rig.h"
#include "shell/menu.h"
#include "topics/drag/dustbin.h"
#include "topics/drag/negative.h"
#include "topics/drag/noun.h"
#include "topics/drag/noun2.h"

using namespace qm;
using namespace qm::test;

namespace {

const QString kBeep = QStringLiteral("wav\\beep.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kCash = QStringLiteral("wav\\cash.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);

QPoint px(double x, double y) { return {int(std::lround(x / 15)), int(std::lround(y / 15))}; }

template <typename S>
struct Play {
    Rig rig;
    S* s = nullptr;

    explicit Play(const char* name) {
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;  // so the first draw below lands on row 1
        s = rig.open<S>(QString::fromLatin1(name));
        rig.clock.advance(1);
        rig.quiet();
    }
    int rows() const { return int(s->bank().size()); }
    int rowOf(const QString& sentence) const { return rig.rowOf(sentence); }
    // Shows row k through the next-question button.
    void show(int k) {
        QVERIFY(k >= 0 && k < rows());
        if (rig.m.LastPick == k) {
            rig.random.push((((k + 1) % rows()) + 0.5) / rows());
            s->cmdgo->Click();
        }
        rig.random.push((k + 0.5) / rows());
        s->cmdgo->Click();
        QCOMPARE(rig.m.CurrentPick, std::optional<int>(k));
        rig.quiet();
    }
    void show(const char16_t* sentence) {
        const int k = rowOf(QString::fromUtf16(sentence));
        QVERIFY2(k >= 0, qPrintable(QString::fromUtf16(sentence)));
        show(k);
    }
    // Puts a row of the test's own into the bank and shows it.
    void showOwn(const QString& sentence, const QString& key, const QString& extra = QString()) {
        const int k = num(rig.m.LastPick) == 0 ? 1 : 0;
        rig.m.QuestionBank[k] = sentence;
        rig.m.AnswerBank[k] = key;
        rig.m.ExtraBank[k] = extra;
        show(k);
    }
    Label* tile(int k) const { return s->Label7(k); }
    // Drags tile k with the left button so its top-left corner lands at (left, top).
    void dragTo(int k, double left, double top) {
        Label* t = tile(k);
        s->Label7_MouseMove(k, 1, 0, left - t->Left() + t->Width() / 2, top - t->Top() + t->Height() / 2);
        QCOMPARE(t->Left(), left);
        QCOMPARE(t->Top(), top);
    }
    void release(int k, int button = 1) { s->Label7_MouseUp(k, button, 0, 0, 0); }
    void dropAt(int k, double left, double top) {
        dragTo(k, left, top);
        release(k);
    }
    QStringList words() const {
        QStringList w;
        for (Label* t : s->Label7) w << t->Caption();
        return w;
    }
};

// Drags a tile through the window with the left button: press on it, move in two steps,
// let go at `to` (pixels of the window).
void dragThroughWindow(Label& tile, QPoint to) {
    Form& form = tile.form();
    const QPoint from = centreOf(tile);
    pressAt(form, from);
    moveTo(form, (from + to) / 2);
    moveTo(form, to);
    releaseAt(form, to);
}

}  // namespace

class DragTest : public QObject {
    Q_OBJECT
private slots:
    // ------------------------------------------------------------ rules

    void splitting_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("count");
        QTest::newRow("words end at spaces") << "The new red bike. " << 13 << QStringList{"The", "new", "red", "bike."} << 4;
        QTest::newRow("no trailing space loses the last word") << "The new bike." << 13 << QStringList{"The", "new"} << 2;
        QTest::newRow("double space gives an empty word") << "Big  dogs " << 13 << QStringList{"Big", "", "dogs"} << 3;
        QTest::newRow("leading space gives an empty first word") << " Big " << 13 << QStringList{"", "Big"} << 2;
        QTest::newRow("more words than slotCount") << "a b c d e " << 3 << QStringList{"a", "b", "c"} << 5;
        QTest::newRow("empty row") << "" << 8 << QStringList{} << 0;
        QTest::newRow("typographic apostrophe kept")
            << QString::fromUtf8("on Jack’s car. ") << 17 << QStringList{"on", QString::fromUtf8("Jack’s"), "car."} << 3;
    }
    void splitting() {
        QFETCH(QString, row);
        QFETCH(int, slotCount);
        QFETCH(QStringList, words);
        QFETCH(int, count);
        QCOMPARE(splitWords(row, slotCount), words);
        QCOMPARE(wordCount(row), count);
    }

    void wordFlow() {
        const WordFlow oneLine{240, 5400, false};
        QCOMPARE(flowPlaces({1000, 0, 500}, oneLine),
                 (std::vector<TilePlace>{{240, 5400}, {1360, 5400}, {1480, 5400}}));  // an empty tile keeps its gap
        // On one line the words run on past the right edge.
        QCOMPARE(flowPlaces({6000, 6000}, oneLine), (std::vector<TilePlace>{{240, 5400}, {6360, 5400}}));
        const WordFlow wrapping{240, 5400, true};
        // A tile whose right edge would pass 11760 starts a new line at the first tile's left.
        QCOMPARE(flowPlaces({6000, 5400, 5401, 100}, wrapping),
                 (std::vector<TilePlace>{{240, 5400}, {6360, 5400}, {240, 6000}, {5761, 6000}}));
        // Exactly on the edge stays on the line.
        QCOMPARE(flowPlaces({5000, 6400}, wrapping)[1], (TilePlace{5360, 5400}));
        QCOMPARE(flowPlaces({5000, 6401}, wrapping)[1], (TilePlace{240, 6000}));
        // A start of another screen: 16 slotCount from Left 240, Top 4440.
        const std::vector<TilePlace> sixteen = flowPlaces(std::vector<double>(16, 1500), {240, 4440, true});
        QCOMPARE(int(sixteen.size()), 16);
        QCOMPARE(sixteen[6], (TilePlace{9960, 4440}));
        QCOMPARE(sixteen[7], (TilePlace{240, 5040}));
        QCOMPARE(lineCount(sixteen), 3);
        QCOMPARE(lineCount(flowPlaces({}, wrapping)), 0);
    }

    // The window is the target stretched left by half its width and up by half its height;
    // one twip inside counts, exactly on a bound does not.
    void dropWindowEdges() {
        const TargetBox bin{2520, 3000, 1875, 1935};
        const double left = 2520 - 1875 / 2.0, right = 2520 + 1875, top = 3000 - 1935 / 2.0, bottom = 3000 + 1935;
        QVERIFY(dropCounts(left + 1, 3000 + 1, bin));
        QVERIFY(!dropCounts(left, 3500, bin));
        QVERIFY(!dropCounts(right, 3500, bin));
        QVERIFY(dropCounts(right - 1, 3500, bin));
        QVERIFY(!dropCounts(3000, top, bin));
        QVERIFY(dropCounts(3000, top + 1, bin));
        QVERIFY(!dropCounts(3000, bottom, bin));
        QVERIFY(dropCounts(3000, bottom - 1, bin));
        QVERIFY(!dropCounts(left - 1, 3500, bin));
        QVERIFY(!dropCounts(3000, bottom + 1, bin));
        // Bounds and corner are compared at single precision: a corner a hair past a bound
        // is on it.
        QVERIFY(!dropCounts(left + 1e-6, 3500, bin));
        QVERIFY(!dropCounts(right - 1e-6, 3500, bin));
        QVERIFY(dropCounts(left + 0.001, 3500, bin));
    }

    void dragStepPutsTheCentreUnderThePointer() {
        QCOMPARE(dragStep({1000, 2000}, 600, 400, 300, 200), (TilePlace{1000, 2000}));
        QCOMPARE(dragStep({1000, 2000}, 600, 400, 1000, -100), (TilePlace{1700, 1700}));
        QVERIFY(dragsTile(1));
        QVERIFY(!dragsTile(2));
        QVERIFY(!dragsTile(3));
        QVERIFY(!dragsTile(0));
    }

    void scoreAndCodes() {
        QString score = QStringLiteral("0");
        QStringList seen;
        for (bool right : {true, false, false}) seen << (score = scoreAfter(score, right));
        QCOMPARE(seen, (QStringList{" 1", " 0", "-1"}));
        QCOMPARE(scoreAfter(QStringLiteral("-1"), false), QStringLiteral("-2"));
        QCOMPARE(codeOf(QStringLiteral("11023"), 0), 1);
        QCOMPARE(codeOf(QStringLiteral("11023"), 4), 3);
        QCOMPARE(codeOf(QStringLiteral("11023"), 5), 0);
        QCOMPARE(codeOf(QStringLiteral("1x3"), 1), 0);
        QCOMPARE(codeOf(QString(), 0), 0);
        QCOMPARE(codeOf(QStringLiteral("12"), -1), 0);
    }

    void judgingTable_data() {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("opens");
        QTest::newRow("correct, CORRECT") << "X" << 0 << 0 << true << false;
        QTest::newRow("correct, INCORRECT") << "X" << 1 << 0 << false << false;
        QTest::newRow("faulty, CORRECT") << "V" << 0 << 1 << false << false;
        QTest::newRow("faulty, INCORRECT") << "V" << 1 << 1 << true << true;
        QTest::newRow("lower-case x is faulty") << "x" << 1 << 1 << true << true;
        QTest::newRow("X with a space is faulty") << "X " << 0 << 1 << false << false;
        QTest::newRow("empty is faulty") << "" << 1 << 1 << true << true;
    }
    void judgingTable() {
        QFETCH(QString, mark);
        QFETCH(int, box);
        QFETCH(int, flag);
        QFETCH(bool, right);
        QFETCH(bool, opens);
        const Judgement j = judge(mark, box);
        QCOMPARE(j.resultFlag, flag);
        QCOMPARE(j.right, right);
        QCOMPARE(j.opensDrag, opens);
    }

    // ------------------------------------------------------------ the dustbin screens

    void firstSentenceAfterTheFill() {
        Play<DustbinScreen> p("basic");
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(1));
        QCOMPARE(p.rig.m.LastPick, std::optional<int>(1));
        QCOMPARE(p.rig.random.reseeds(), 0);
        const QStringList words = splitWords(p.rig.m.QuestionBank[1], 13);
        for (int k = 0; k < 13; ++k) {
            QVERIFY(p.tile(k)->Visible());
            QVERIFY(p.tile(k)->Enabled());
            QCOMPARE(p.tile(k)->Caption(), k < words.size() ? words[k] : QString());
            QVERIFY(!p.s->Label2(k)->Visible());
            QVERIFY(!p.s->Label11(k)->Visible());
        }
        QCOMPARE(p.tile(0)->Left(), 240.0);
        QCOMPARE(p.tile(0)->Top(), 5400.0);
        QCOMPARE(p.tile(1)->Left(), 240 + p.tile(0)->Width() + 120);
        QVERIFY(p.s->Label5->Visible());
        QVERIFY(p.s->cmdgo->Visible());
        QVERIFY(!p.s->Label1->Visible());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("0"));
    }

    void rightDropSwapsInTheKey() {
        Play<DustbinScreen> p("basic");
        p.show(u"The new red bike was hidden. ");
        QCOMPARE(p.words().mid(0, 6), (QStringList{"The", "new", "red", "bike", "was", "hidden."}));
        p.dropAt(2, 3000, 3700);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label1->Visible());
        QVERIFY(p.s->tmrtick->Enabled());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        // The tile shows its key in its place, fixed and covered by a green marker.
        Label* tile = p.tile(2);
        QCOMPARE(tile->Caption(), QStringLiteral("***"));
        QCOMPARE(tile->Top(), 5400.0);
        QCOMPARE(tile->Left(), p.tile(1)->Left() + p.tile(1)->Width() + 120);
        QVERIFY(!tile->Enabled());
        Label* marker = p.s->Label11(2);
        QVERIFY(marker->Visible());
        QCOMPARE(marker->Caption(), QStringLiteral("***"));
        QCOMPARE(marker->ForeColor(), kGreen);
        QCOMPARE(QPointF(marker->Left(), marker->Top()), QPointF(tile->Left(), tile->Top()));
        // The dropped word lies in the dustbin, centred across it, at its release height.
        Label* copy = p.s->Label2(2);
        QVERIFY(copy->Visible());
        QCOMPARE(copy->Caption(), QStringLiteral("red"));
        QCOMPARE(copy->Top(), 3700.0);
        QCOMPARE(copy->Left(), 2520 + (1875 - copy->Width()) / 2);
        // The later tiles follow the key's width.
        QCOMPARE(p.tile(3)->Left(), tile->Left() + tile->Width() + 120);
        // A fixed tile takes no more drops: pressed, moved into the dustbin and let go there
        // (the events go to the tile itself, not to the marker over it), it stays in place.
        p.rig.quiet();
        const QPointF at(tile->Left(), tile->Top());
        const QPoint grip = tile->rect().center();
        const QPoint bin = grip + px(3000 - tile->Left(), 3700 - tile->Top());
        QTest::mousePress(tile, Qt::LeftButton, {}, grip);
        QTest::mouseMove(tile, bin);
        QTest::mouseRelease(tile, Qt::LeftButton, {}, bin);
        QCOMPARE(QPointF(tile->Left(), tile->Top()), at);
        QVERIFY(p.rig.sound.played.isEmpty());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QCOMPARE(copy->Caption(), QStringLiteral("red"));
    }

    void wordThatMustStay() {
        Play<DustbinScreen> p("basic");
        p.show(u"The new red bike was hidden. ");
        const QStringList before = p.words();
        p.dropAt(3, 2000, 4000);  // "bike"
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->tmrcross->Enabled());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1"));
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QCOMPARE(p.words(), before);
        QVERIFY(!p.tile(3)->Enabled());
        QCOMPARE(p.tile(3)->Left(), p.tile(2)->Left() + p.tile(2)->Width() + 120);
        QCOMPARE(p.tile(3)->Top(), 5400.0);
        QVERIFY(p.s->Label11(3)->Visible());
        QCOMPARE(p.s->Label11(3)->Caption(), QStringLiteral("bike"));
        QCOMPARE(p.s->Label11(3)->ForeColor(), kGreen);
        QVERIFY(p.s->Label2(3)->Visible());
        QCOMPARE(p.s->Label2(3)->Caption(), QStringLiteral("bike"));
        QCOMPARE(p.s->Label2(3)->Top(), 4000.0);
        // The wipe finishes on the cross.
        p.rig.clock.advance(200);
        QVERIFY(p.s->imgcross->Visible());
        QVERIFY(!p.s->imgtick->Visible());
    }

    void scoreOverSeveralDropsAndSentences() {
        Play<DustbinScreen> p("basic");
        p.show(u"The new red bike was hidden. ");
        QStringList scores;
        p.dropAt(2, 3000, 3500);  // "red": right
        scores << p.s->Label9->Caption();
        p.dropAt(0, 3000, 3500);  // "The": wrong
        scores << p.s->Label9->Caption();
        p.dropAt(4, 3000, 3500);  // "was": wrong
        scores << p.s->Label9->Caption();
        QCOMPARE(scores, (QStringList{" 1", " 0", "-1"}));
        QCOMPARE(p.rig.sound.played, (QStringList{kBeep, kBoink, kBoink}));
        // The score runs on over the next sentence; the sentence starts afresh.
        p.show(u"Cheese is made from cows, goats or buffalo milk. ");
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1"));
        for (int k = 0; k < 13; ++k) {
            QVERIFY(p.tile(k)->Enabled());
            QVERIFY(!p.s->Label11(k)->Visible());
            QVERIFY(!p.s->Label2(k)->Visible());
        }
        QVERIFY(!p.s->Label1->Visible());
        p.dropAt(4, 3000, 3500);  // "cows,": right
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 0"));
        QCOMPARE(p.tile(4)->Caption(), QStringLiteral("****"));
    }

    void dropWindowThroughTheScreen() {
        Play<DustbinScreen> p("conv");
        p.show(u"My friend and me are having a sleepover. ");
        // One twip inside the left and bottom bounds: counts, though most of it lies outside.
        p.dropAt(3, 2520 - 937.5 + 1, 3000 + 1935 - 1);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.tile(3)->Caption(), QStringLiteral("I"));
        // Exactly on a bound: nothing happens and the tile stays where it was let go.
        p.rig.quiet();
        p.s->Label1->Hide();
        p.dropAt(2, 2520 - 937.5, 3500);
        p.dropAt(2, 2520 + 1875, 3500);
        p.dropAt(2, 3000, 3000 - 967.5);
        p.dropAt(2, 3000, 3000 + 1935);
        QVERIFY(p.rig.sound.played.isEmpty());
        QVERIFY(!p.s->Label1->Visible());
        QCOMPARE(p.tile(2)->Left(), 3000.0);
        QCOMPARE(p.tile(2)->Top(), 4935.0);
        QVERIFY(p.tile(2)->Enabled());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        // The same tile, later dropped into the dustbin, is marked as any other.
        p.dropAt(2, 3000, 3600);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 0"));
        QCOMPARE(p.tile(2)->Top(), 5400.0);
        QCOMPARE(p.tile(2)->Left(), p.tile(1)->Left() + p.tile(1)->Width() + 120);
    }

    // The re-flow after a drop places the dropped tile and those after it where the
    // sentence's own flow puts them, counted from the first tile over the widths of all
    // tiles; it does not chain them on from wherever the tile before the drop lies. So a
    // stray tile just before the dropped one, let go outside the dustbin, does not pull the
    // dropped tile or the rest of the sentence after it.
    void strayTileBeforeTheDrop() {
        Play<DustbinScreen> p("conv");
        p.show(u"It was the teacher what said it. ");
        const double saidLeft = p.tile(5)->Left();
        const double teacherLeft = p.tile(3)->Left();
        p.dropAt(3, 6000, 1500);  // "teacher", let go above the dustbin's window
        QCOMPARE(p.tile(3)->Top(), 1500.0);
        p.dropAt(4, 3000, 3500);  // "what": right, its key "who" is narrower
        QCOMPARE(p.tile(4)->Caption(), QStringLiteral("who"));
        QCOMPARE(p.tile(4)->Top(), 5400.0);
        QCOMPARE(p.tile(4)->Left(), teacherLeft + p.tile(3)->Width() + 120);
        QCOMPARE(p.tile(5)->Left(), p.tile(4)->Left() + p.tile(4)->Width() + 120);
        QVERIFY(p.tile(5)->Left() < saidLeft);
        QCOMPARE(p.tile(5)->Top(), 5400.0);
        QCOMPARE(QPointF(p.tile(3)->Left(), p.tile(3)->Top()), QPointF(6000, 1500));
    }

    // After a wider or narrower key the later tiles flow again, between lines too, and the
    // markers already shown follow their tiles.
    void reflowBetweenLines() {
        Play<DustbinScreen> p("basic");
        QString sentence = QStringLiteral("extraordinarily ");
        for (int k = 1; k < 13; ++k) sentence += QStringLiteral("elephant ");
        QString key = sentence;
        key.replace(0, 15, QStringLiteral("*"));
        p.showOwn(sentence, key);
        int firstOnTwo = -1;
        for (int k = 1; k < 13 && firstOnTwo < 0; ++k)
            if (p.tile(k)->Top() == 6000) firstOnTwo = k;
        QVERIFY2(firstOnTwo > 2, "the sentence should take more than one line");
        QCOMPARE(p.tile(firstOnTwo)->Left(), 240.0);
        // A narrower key: the first tile of the second line moves up.
        p.dropAt(0, 3000, 3500);
        QCOMPARE(p.tile(0)->Caption(), QStringLiteral("*"));
        QCOMPARE(QPointF(p.tile(0)->Left(), p.tile(0)->Top()), QPointF(240, 5400));
        const int late = firstOnTwo;
        QCOMPARE(p.tile(late)->Top(), 5400.0);
        QCOMPARE(p.tile(late)->Left(), p.tile(late - 1)->Left() + p.tile(late - 1)->Width() + 120);
        // A wrong drop of that tile leaves a marker over it...
        p.dropAt(late, 3000, 3500);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(QPointF(p.s->Label11(late)->Left(), p.s->Label11(late)->Top()),
                 QPointF(p.tile(late)->Left(), 5400));
        // ...then a wider key earlier in the line pushes it down to the next line, and its
        // marker follows it.
        p.s->Label2(2)->setCaption(QStringLiteral("extraordinarily-extraordinarily"));
        const double secondLeft = p.tile(1)->Left();
        p.dropAt(2, 3000, 3500);
        QCOMPARE(p.tile(2)->Caption(), QStringLiteral("extraordinarily-extraordinarily"));
        QCOMPARE(p.tile(late)->Top(), 6000.0);
        QCOMPARE(QPointF(p.s->Label11(late)->Left(), p.s->Label11(late)->Top()),
                 QPointF(p.tile(late)->Left(), 6000));
        QCOMPARE(QPointF(p.s->Label11(2)->Left(), p.s->Label11(2)->Top()), QPointF(p.tile(2)->Left(), 5400));
        // Tiles before the dropped one did not move.
        QCOMPARE(QPointF(p.tile(1)->Left(), p.tile(1)->Top()), QPointF(secondLeft, 5400));
        QCOMPARE(QPointF(p.s->Label11(0)->Left(), p.s->Label11(0)->Top()), QPointF(240, 5400));
    }

    void conventionalStaysOnOneLine() {
        Play<DustbinScreen> p("conv");
        QString sentence;
        for (int k = 0; k < 10; ++k) sentence += QStringLiteral("wonderfully ");
        p.showOwn(sentence, sentence);
        for (int k = 0; k < 10; ++k) QCOMPARE(p.tile(k)->Top(), 5400.0);
        QVERIFY(p.tile(9)->Left() > 12000);
        // The hidden key words are chained on their own widths.
        p.showOwn(QStringLiteral("a b c "), QStringLiteral("abcdefgh b c "));
        QCOMPARE(p.s->Label2(1)->Left(), 240 + p.s->Label2(0)->Width() + 120);
        QVERIFY(p.s->Label2(1)->Left() != p.tile(1)->Left());
    }

    void emptyTileFromADoubleSpace() {
        Play<DustbinScreen> p("conv");
        p.showOwn(QStringLiteral("Big  dogs bark. "), QStringLiteral("Big  dogs bark. "));
        QCOMPARE(p.words().mid(0, 5), (QStringList{"Big", "", "dogs", "bark.", ""}));
        QVERIFY(p.tile(1)->Visible());
        QCOMPARE(p.tile(1)->Width(), 0.0);
        QCOMPARE(p.tile(1)->Left(), 240 + p.tile(0)->Width() + 120);
        QCOMPARE(p.tile(2)->Left(), p.tile(1)->Left() + 120);
    }

    // Rows that break the limits: extra words are not shown, a missing key word is empty.
    void rowsBeyondTheLimits() {
        Play<DustbinScreen> p("conv");
        p.showOwn(QStringLiteral("one two three four five six seven eight nine ten eleven twelve "),
                  QStringLiteral("one two "));
        QCOMPARE(p.tile(9)->Caption(), QStringLiteral("ten"));
        QCOMPARE(p.s->Label7.count(), 10);
        QCOMPARE(p.s->Label2(5)->Caption(), QString());
        // A word with no key word: its key is empty, so it counts as one to drop.
        p.dropAt(5, 3000, 3500);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.tile(5)->Caption(), QString());
        QCOMPARE(p.s->Label2(5)->Caption(), QStringLiteral("six"));
        QCOMPARE(p.tile(6)->Left(), p.tile(5)->Left() + 120);
        // A key word the same as its word: it must stay.
        p.dropAt(1, 3000, 3500);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        // Handlers called for slotCount the screen does not have do nothing.
        p.s->Label7_MouseMove(10, 1, 0, 100, 100);
        p.s->Label7_MouseUp(-1, 1, 0, 0, 0);
        p.s->Label7_MouseUp(99, 1, 0, 0, 0);
    }

    // ------------------------------------------------------------ real mouse events

    void realDragIntoTheDustbin() {
        Play<DustbinScreen> p("basic");
        p.show(u"The new red bike was hidden. ");
        Label* red = p.tile(2);
        Form& form = *p.s;
        const QPoint from = centreOf(*red);
        pressAt(form, from);
        const QPoint mid = px(5000, 4600);
        moveTo(form, mid);
        // The tile's centre lies under the pointer and stays there while the pointer rests.
        QCOMPARE(red->Left() + red->Width() / 2, mid.x() * 15.0);
        QCOMPARE(red->Top() + red->Height() / 2, mid.y() * 15.0);
        moveTo(form, mid);
        QCOMPARE(red->Left() + red->Width() / 2, mid.x() * 15.0);
        const QPoint in = px(3457, 3967);
        moveTo(form, in);
        QCOMPARE(red->Left() + red->Width() / 2, in.x() * 15.0);
        QVERIFY(p.rig.sound.played.isEmpty());
        releaseAt(form, in);
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        QCOMPARE(red->Caption(), QStringLiteral("***"));
        QCOMPARE(red->Top(), 5400.0);
        QCOMPARE(p.s->Label2(2)->Top(), in.y() * 15.0 - red->Height() / 2);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QVERIFY(!red->Enabled());
        // The fixed tile no longer follows the mouse.
        const QPoint at = centreOf(*red);
        pressAt(form, at);
        moveTo(form, px(3457, 3967));
        releaseAt(form, px(3457, 3967));
        QCOMPARE(red->Top(), 5400.0);
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
    }

    void pressAndReleaseWithoutMoving() {
        Play<DustbinScreen> p("notes");
        const double left = p.tile(1)->Left(), top = p.tile(1)->Top();
        clickOn(*p.tile(1));
        pressAt(*p.s, centreOf(*p.tile(1)));
        releaseAt(*p.s, centreOf(*p.tile(1)));
        QCOMPARE(p.tile(1)->Left(), left);
        QCOMPARE(p.tile(1)->Top(), top);
        QVERIFY(p.tile(1)->Enabled());
        QVERIFY(p.rig.sound.played.isEmpty());
        QVERIFY(!p.s->Label1->Visible());
        // A real drag on this screen too.
        p.show(u"On a chilly day in September my young cousin nervously joined the Nursery school. ");
        dragThroughWindow(*p.tile(2), px(3500, 3900));
        QCOMPARE(p.tile(2)->Caption(), QStringLiteral("*"));
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
    }

    void otherButtonsDoNotMoveTheTile() {
        Play<DustbinScreen> p("conv");
        p.show(u"It was the teacher what said it. ");
        Form& form = *p.s;
        Label* what = p.tile(4);
        const double left = what->Left(), top = what->Top();
        // The right button: the tile stays in the sentence. It is let go with the pointer over
        // the dustbin, but the drop test looks at where the tile lies, so nothing counts.
        pressAt(form, centreOf(*what), Qt::RightButton);
        moveTo(form, px(3400, 3900));
        QCOMPARE(what->Left(), left);
        releaseAt(form, px(3400, 3900), Qt::RightButton);
        QCOMPARE(what->Top(), top);
        QVERIFY(p.rig.sound.played.isEmpty());
        // Left and right held together: no move either, and again no drop.
        pressAt(form, centreOf(*what));
        QTest::mousePress(form.windowHandle(), Qt::RightButton, {}, centreOf(*what));
        moveTo(form, px(3400, 3900));
        QCOMPARE(what->Left(), left);
        QCOMPARE(what->Top(), top);
        releaseAt(form, px(3400, 3900), Qt::RightButton);
        releaseAt(form, px(3400, 3900));
        QVERIFY(p.rig.sound.played.isEmpty());
        // A tile that lies in the window is dropped by a right-button release without moving.
        p.dragTo(4, 3000, 3500);
        pressAt(form, centreOf(*what), Qt::RightButton);
        moveTo(form, px(9000, 1000));
        QCOMPARE(what->Left(), 3000.0);
        releaseAt(form, px(9000, 1000), Qt::RightButton);
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        QCOMPARE(what->Caption(), QStringLiteral("who"));
        QCOMPARE(p.s->Label2(4)->Top(), 3500.0);
    }

    // A tile left over EXIT lies under it: the button still takes the click.
    void tileOverExitDoesNotBlockIt() {
        Play<DustbinScreen> p("conv");
        p.rig.open<MenuScreen>(QStringLiteral("menu5"));
        p.rig.open<DustbinScreen>(QStringLiteral("conv"));
        Label* t = p.tile(0);
        dragThroughWindow(*t, px(700, 8100));
        QVERIFY(t->Visible());
        QVERIFY(t->Top() > 7800);
        p.rig.quiet();
        clickOn(*p.s->cmdexit);
        QCOMPARE(p.rig.flow->front(), QStringLiteral("menu5"));
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
    }

    void soundsInOrderThroughAVisit() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu1"));
        menu->Label3(0)->Click();  // "Basic Meaning"
        auto* s = rig.screen<DustbinScreen>(QStringLiteral("basic"));
        QVERIFY(s);
        QVERIFY(s->cmdgo->Visible());
        rig.clock.advance(1);
        int right = -1, wrong = -1;
        for (int k = 0; k < 13; ++k) {
            if (s->Label7(k)->Caption().isEmpty()) continue;
            const bool goes = s->Label7(k)->Caption() != s->Label2(k)->Caption();
            (goes ? right : wrong) = k;
        }
        QVERIFY(right >= 0 && wrong >= 0);
        s->Label7_MouseMove(wrong, 1, 0, 3000 - s->Label7(wrong)->Left(), 3500 - s->Label7(wrong)->Top());
        s->Label7_MouseUp(wrong, 1, 0, 0, 0);
        s->Label7_MouseMove(right, 1, 0, 3000 - s->Label7(right)->Left(), 3500 - s->Label7(right)->Top());
        s->Label7_MouseUp(right, 1, 0, 0, 0);
        s->cmdgo->Click();
        s->cmdexit->Click();
        QCOMPARE(rig.sound.played, (QStringList{kClick, kClick, kBoink, kBeep, kClick, kClick}));
        QCOMPARE(rig.flow->front(), QStringLiteral("menu1"));
    }

    void silentWhenSoundIsOff() {
        Play<DustbinScreen> p("basic");
        p.rig.m.SoundOn = 0;
        p.show(u"The new red bike was hidden. ");
        p.dropAt(2, 3000, 3500);
        p.dropAt(3, 3000, 3500);
        QVERIFY(p.rig.sound.played.isEmpty());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 0"));
    }

    // ------------------------------------------------------------ double negatives

    void negativeCountsAndReveals() {
        Play<NegativeScreen> p("negative");
        p.show(u"The water is not impure. ");
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("0"));
        QCOMPARE(p.s->Label4->Caption(), QStringLiteral("The water is pure."));
        QVERIFY(!p.s->Label4->Visible());
        // A word that is not part of the double negative: wrong, counter unchanged.
        p.dropAt(2, 3000, 3000);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("0"));
        QVERIFY(p.tile(2)->Font().underline);
        QVERIFY(!p.tile(2)->Enabled());
        QVERIFY(p.s->Label11(2)->Visible());
        QCOMPARE(p.s->Label2(2)->Caption(), QStringLiteral("is"));
        QVERIFY(p.s->Label2(2)->Visible());
        // The negatives: each keeps its own word, underlined; the second reveals the line.
        p.dropAt(3, 3000, 3000);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QCOMPARE(p.tile(3)->Caption(), QStringLiteral("not"));
        QVERIFY(p.tile(3)->Font().underline);
        QCOMPARE(p.s->Label2(3)->Caption(), QStringLiteral("not"));
        QVERIFY(!p.s->Label4->Visible());
        const double impureLeft = p.tile(4)->Left();
        p.dropAt(4, 3000, 3600);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 2"));
        QVERIFY(p.s->Label4->Visible());
        QCOMPARE(p.tile(4)->Caption(), QStringLiteral("impure."));
        QCOMPARE(p.tile(4)->Left(), impureLeft);
        QCOMPARE(p.tile(4)->Top(), 5400.0);
        QCOMPARE(p.s->Label11(4)->Caption(), QStringLiteral("impure."));
        // A later wrong drop leaves it shown.
        p.dropAt(0, 3000, 3000);
        QVERIFY(p.s->Label4->Visible());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 2"));
        QCOMPARE(p.rig.sound.played, (QStringList{kBoink, kBeep, kBeep, kBoink}));
        // The next sentence starts the counter at "0" again, without underlines.
        p.show(u"The car was not a non-starter. ");
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("0"));
        QVERIFY(!p.s->Label4->Visible());
        for (Label* t : p.s->Label7) QVERIFY(!t->Font().underline);
        p.dropAt(3, 3000, 3000);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QVERIFY(!p.s->Label4->Visible());
    }

    void negativeRevealsAtTwoOnly() {
        Play<NegativeScreen> p("negative");
        p.showOwn(QStringLiteral("no no no "), QStringLiteral("@no @no @no "), QStringLiteral("Yes."));
        p.dropAt(0, 3000, 3000);
        QVERIFY(!p.s->Label4->Visible());
        p.dropAt(1, 3000, 3000);
        QVERIFY(p.s->Label4->Visible());
        p.s->Label4->Hide();
        p.dropAt(2, 3000, 3000);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 3"));
        QVERIFY(!p.s->Label4->Visible());
    }

    void negativeThroughTheWindow() {
        Play<NegativeScreen> p("negative");
        p.show(u"She is not unsure of the way there. ");
        dragThroughWindow(*p.tile(2), px(3400, 3500));
        dragThroughWindow(*p.tile(3), px(3400, 3700));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 2"));
        QVERIFY(p.s->Label4->Visible());
        QCOMPARE(p.s->Label4->Caption(), QStringLiteral("She is sure of the way there."));
        QCOMPARE(p.rig.sound.played, (QStringList{kBeep, kBeep}));
    }

    // ------------------------------------------------------------ agreement

    void nounJudgesFirst() {
        Play<NounScreen> p("noun");
        p.show(u"They lit the barbecue early. ");
        QCOMPARE(p.tile(0)->Left(), 720.0);
        QVERIFY(!p.s->Label5->Visible());
        QVERIFY(p.s->Label6(0)->Visible());
        // A correct sentence called correct: cash, no other change.
        p.s->Label6_Click(0);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->tmrtick->Enabled());
        QCOMPARE(p.rig.m.ResultFlag, std::optional<int>(0));
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(0));
        QVERIFY(p.s->Label6(1)->Visible());
        QCOMPARE(p.s->Label4->Caption(), NounScreen::kQuestion);
        p.s->Label6_Click(1);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.sound.played, (QStringList{kCash, kBoink}));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("0"));
        QVERIFY(!p.s->Label9->Visible());

        // A faulty sentence: "CORRECT" is wrong, then "INCORRECT" opens the drag stage.
        p.show(u"Did you heard them cheering? ");
        p.s->Label6_Click(0);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.rig.m.ResultFlag, std::optional<int>(1));
        QVERIFY(p.s->Label6(0)->Visible());
        // Before the judgement the tiles cannot be moved.
        const double left = p.tile(2)->Left();
        p.s->Label7_MouseMove(2, 1, 0, 3000, -2000);
        QCOMPARE(p.tile(2)->Left(), left);
        p.s->Label6_Click(1);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.rig.sound.played, (QStringList{kBoink, kCash}));
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(1));
        QCOMPARE(p.s->Label4->Caption(), QStringLiteral("Identify the incorrect words in the sentence below."));
        QVERIFY(!p.s->Label6(0)->Visible());
        QVERIFY(!p.s->Label6(1)->Visible());
        QVERIFY(p.s->Label5->Visible());
        QVERIFY(p.s->Label8->Visible());
        QVERIFY(p.s->Label10->Visible());
        QVERIFY(!p.s->Label9->Visible());
        QVERIFY(!p.s->Label3->Visible());
        // The verb that does not agree goes; its agreeing form takes its place.
        p.dropAt(2, 4500, 3500);
        QCOMPARE(p.tile(2)->Caption(), QStringLiteral("hear"));
        QCOMPARE(p.s->Label2(2)->Caption(), QStringLiteral("heard"));
        QCOMPARE(p.s->Label2(2)->Left(), 4080 + (1875 - p.s->Label2(2)->Width()) / 2);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QVERIFY(!p.s->Label9->Visible());
        QCOMPARE(p.tile(3)->Left(), p.tile(2)->Left() + p.tile(2)->Width() + 120);
        QCOMPARE(p.rig.sound.played.last(), kBeep);
        // The next sentence goes back to judging.
        p.show(u"We is washing the car for pocket money. ");
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(0));
        QCOMPARE(p.s->Label4->Caption(), NounScreen::kQuestion);
        QVERIFY(!p.s->Label5->Visible());
        QVERIFY(!p.s->Label8->Visible());
        QVERIFY(p.s->Label6(0)->Visible());
        // An empty mark counts as a faulty sentence.
        p.showOwn(QStringLiteral("Ben runs fast. "), QStringLiteral("Ben runs fast. "), QString());
        p.s->Label6_Click(0);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
    }

    void nounThroughTheWindow() {
        Play<NounScreen> p("noun");
        p.show(u"Did you heard them cheering? ");
        Form& form = *p.s;
        // Before the judgement the tile stays where it is.
        const double left = p.tile(2)->Left();
        dragThroughWindow(*p.tile(2), px(4800, 3700));
        QCOMPARE(p.tile(2)->Left(), left);
        QVERIFY(p.rig.sound.played.isEmpty());
        clickOn(*p.s->Label6(1));
        QCOMPARE(p.rig.sound.played, QStringList{kCash});
        QVERIFY(p.s->Label5->Visible());
        dragThroughWindow(*p.tile(2), px(4800, 3700));
        QCOMPARE(p.rig.sound.played, (QStringList{kCash, kBeep}));
        QCOMPARE(p.tile(2)->Caption(), QStringLiteral("hear"));
        clickOn(*p.s->cmdgo);
        QCOMPARE(p.rig.sound.played.last(), kClick);
        QVERIFY(form.isVisible());
    }

    // ------------------------------------------------------------ nouns

    void nounContainers() {
        Play<Noun2Screen> p("noun2");
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(0));
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(0));
        QCOMPARE(p.rig.m.LastPick, std::optional<int>(0));
        QCOMPARE(p.words().mid(0, 6), (QStringList{"Florence", "Nightingale", "turned", "her", "back", ""}));
        QCOMPARE(p.tile(0)->Left(), 240.0);
        QCOMPARE(p.tile(0)->Top(), 3660.0);
        // A proper noun into "Proper Nouns".
        p.dropAt(0, 1500, 5000);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        QCOMPARE(p.tile(0)->Caption(), QStringLiteral("Florence"));
        QCOMPARE(p.tile(0)->Left(), 240.0);
        QCOMPARE(p.tile(0)->Top(), 3660.0);
        QCOMPARE(p.s->Label2(0)->Left(), 1080 + (1875 - p.s->Label2(0)->Width()) / 2);
        QCOMPARE(p.s->Label2(0)->Top(), 5000.0);
        QVERIFY(p.s->Label11(0)->Visible());
        // A word of code 0, into any container, is wrong and fixed.
        p.dropAt(2, 7500, 4500);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 0"));
        QVERIFY(!p.tile(2)->Enabled());
        QCOMPARE(p.s->Label2(2)->Left(), 7080 + (1875 - p.s->Label2(2)->Width()) / 2);
        // A pronoun into "Nouns": wrong, and it cannot be tried again.
        p.dropAt(3, 7500, 4500);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1"));
        QVERIFY(!p.tile(3)->Enabled());
        // Let go between two windows: counts for none and stays.
        p.rig.quiet();
        p.dropAt(4, 3000, 4500);
        QVERIFY(p.rig.sound.played.isEmpty());
        QCOMPARE(p.tile(4)->Left(), 3000.0);
        // A noun into "Nouns".
        p.dropAt(4, 6500, 4500);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 0"));
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        // A word past the end of its code counts as code 0.
        p.rig.m.CodeBank[0] = QStringLiteral("1");
        p.dropAt(1, 1500, 5000);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1"));
    }

    // A word that is no noun is wrong in every container, fixed, and its copy lies there.
    void codeZeroInEveryContainer() {
        Play<Noun2Screen> p("noun2");
        p.s->cmdgo->Click();
        QCOMPARE(p.rig.m.CodeBank[1], QStringLiteral("003200"));
        p.rig.quiet();
        const int words[3] = {0, 1, 4};  // "on", "the", "had"
        for (int k = 0; k < 3; ++k) {
            const int i = words[k];
            Label* box = p.s->Label5(k);
            p.dropAt(i, box->Left() + 300, 5200);
            QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
            QVERIFY(!p.tile(i)->Enabled());
            QVERIFY(p.s->Label11(i)->Visible());
            QCOMPARE(p.s->Label2(i)->Left(), box->Left() + (box->Width() - p.s->Label2(i)->Width()) / 2);
            QCOMPARE(p.s->Label2(i)->Top(), 5200.0);
        }
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-3"));
        QCOMPARE(p.rig.sound.played, (QStringList{kBoink, kBoink, kBoink}));
        // "comforts" is a noun: only "Nouns" takes it.
        p.dropAt(2, 7300, 5200);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-2"));
    }

    // Each container takes only its own kind of word: a word of another kind dropped in it
    // is wrong (a pronoun in "Nouns" and a noun in "Pronouns" are tried elsewhere). The
    // first line reads "Florence Nightingale turned her back".
    void containerRefusesTheOtherKinds_data() {
        QTest::addColumn<int>("container");
        QTest::addColumn<int>("word");
        QTest::newRow("Proper Nouns refuses a pronoun") << 0 << 3;
        QTest::newRow("Proper Nouns refuses a noun") << 0 << 4;
        QTest::newRow("Pronouns refuses a proper noun") << 1 << 0;
        QTest::newRow("Nouns refuses a proper noun") << 2 << 1;
    }
    void containerRefusesTheOtherKinds() {
        QFETCH(int, container);
        QFETCH(int, word);
        Play<Noun2Screen> p("noun2");
        QCOMPARE(p.rig.m.CodeBank[0], QStringLiteral("11023"));
        Label* box = p.s->Label5(container);
        p.dropAt(word, box->Left() + 300, 5200);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1"));
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        QCOMPARE(p.s->Label2(word)->Left(), box->Left() + (box->Width() - p.s->Label2(word)->Width()) / 2);
    }

    // The stretched windows of the three containers never overlap.
    void containerWindowsDoNotOverlap() {
        Play<Noun2Screen> p("noun2");
        std::vector<TargetBox> boxes;
        for (Label* c : p.s->Label5) boxes.push_back({c->Left(), c->Top(), c->Width(), c->Height()});
        QCOMPARE(int(boxes.size()), 3);
        for (double x = 0; x <= 12000; x += 7.5) {
            int hits = 0;
            for (const TargetBox& b : boxes) hits += dropCounts(x, 5000, b) ? 1 : 0;
            QVERIFY2(hits <= 1, qPrintable(QString::number(x)));
        }
        // Through the screen: one drop, one sound, one point.
        p.dropAt(0, 2900, 5000);
        QCOMPARE(p.rig.sound.played, QStringList{kBeep});
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
    }

    void storyInOrderToItsEnd() {
        Play<Noun2Screen> p("noun2");
        QCOMPARE(p.rows(), 36);
        p.dropAt(0, 1500, 5000);
        for (int line = 1; line <= 34; ++line) {
            QVERIFY(p.s->cmdgo->Visible());
            p.s->cmdgo->Click();
            QCOMPARE(p.rig.m.CounterA, std::optional<int>(line));
            QCOMPARE(p.words().join(QLatin1Char(' ')).trimmed() + QLatin1Char(' '),
                     p.rig.m.QuestionBank[line]);
        }
        QCOMPARE(p.rig.random.reseeds(), 0);
        QVERIFY(p.s->cmdgo->Visible());
        p.s->cmdgo->Click();
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(35));
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(35));
        QVERIFY(!p.s->cmdgo->Visible());
        QVERIFY(p.tile(0)->Visible());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));  // the score runs over the story
        // Opening the screen again starts at line 0 with the score at "0".
        p.s->cmdexit->Click();
        p.rig.collect();
        auto* again = p.rig.open<Noun2Screen>(QStringLiteral("noun2"));
        QCOMPARE(again->Label9->Caption(), QStringLiteral("0"));
        p.rig.clock.advance(1);
        QCOMPARE(p.rig.m.CounterA, std::optional<int>(0));
        QCOMPARE(again->Label7(0)->Caption(), QStringLiteral("Florence"));
        QVERIFY(again->cmdgo->Visible());
    }

    void noun2ThroughTheWindow() {
        Play<Noun2Screen> p("noun2");
        dragThroughWindow(*p.tile(1), px(2000, 5500));  // "Nightingale" into "Proper Nouns"
        dragThroughWindow(*p.tile(3), px(5000, 5500));  // "her" into "Pronouns"
        dragThroughWindow(*p.tile(4), px(5000, 5500));  // "back" into "Pronouns"
        QCOMPARE(p.rig.sound.played, (QStringList{kBeep, kBeep, kBoink}));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1"));
        clickOn(*p.s->cmdgo);
        QCOMPARE(p.words().mid(0, 6), (QStringList{"on", "the", "comforts", "she", "had", "known."}));
    }

    // ------------------------------------------------------------ layouts

    void dustbinScreenLayouts() {
        struct Layout {
            const char* name;
            QRectF instruction;
            double points;
            const char* text;
            const char* second;
            int slotCount;
        };
        const Layout layouts[] = {
            {"basic", {480, 120, 9495, 1335}, 27.75,
             "Identify the words that can be deleted and still leave a meaningful sentence.",
             "Drag the words that are not needed into the dustbin.", 13},
            {"notes", {120, 120, 9855, 1335}, 26.25,
             "Leave only the necessary words in the sentence below; drag the others to the dustbin.", nullptr, 17},
            {"conv", {360, 120, 9615, 1335}, 27.75,
             "Identify the incorrect word in the sentence below and drag it into the dustbin.", nullptr, 10},
        };
        for (const Layout& d : layouts) {
            Rig rig;
            auto* s = rig.open<DustbinScreen>(QString::fromLatin1(d.name));
            QVERIFY(s);
            QCOMPARE(s->BackColor(), QColor(49, 135, 215));
            QCOMPARE(place(s->Label4), d.instruction);
            QCOMPARE(s->Label4->Caption(), QString::fromLatin1(d.text));
            QVERIFY(serif(s->Label4, d.points, kYellow));
            QVERIFY(s->Label4->Visible());
            QVERIFY2(s->Label4->textHeightTwips() <= s->Label4->Height(), d.name);
            if (d.second) {
                QVERIFY(s->Label8);
                QCOMPARE(s->Label8->Caption(), QString::fromLatin1(d.second));
                // Centred across the line designed from Left 120, 9855 wide, at Top 1560,
                // 855 high (the label is a little wider, evenly, so the text keeps to one line).
                QCOMPARE(s->Label8->Left() + s->Label8->Width() / 2, 120 + 9855 / 2.0);
                QVERIFY(s->Label8->Width() >= 9855);
                QCOMPARE(s->Label8->Top(), 1560.0);
                QCOMPARE(s->Label8->Height(), 855.0);
                QVERIFY(s->Label8->Alignment() == Align::Center);
                QVERIFY(serif(s->Label8, 24, QColor(255, 128, 0)));
                QCOMPARE(s->Label8->linesNeeded(), 1);
                QVERIFY(s->Label8->Visible());
            } else {
                QVERIFY(!s->Label8);
            }
            QCOMPARE(place(s->Label5), QRectF(2520, 3000, 1875, 1935));
            QVERIFY(s->Label5->BorderStyle() == Border::FixedSingle);
            QVERIFY(s->Label5->backStyle() == BackStyle::Transparent);
            QCOMPARE(s->Label10->Caption(), QStringLiteral("DUSTBIN"));
            QCOMPARE(QPointF(s->Label10->Left(), s->Label10->Top()), QPointF(2565, 2520));
            QVERIFY(tahoma(s->Label10, 18, kYellow));
            QCOMPARE(s->Label3->Caption(), QStringLiteral("SCORE"));
            QCOMPARE(QPointF(s->Label3->Left(), s->Label3->Top()), QPointF(6000, 2520));
            QVERIFY(serif(s->Label3, 27.75, kYellow));
            scoreBox(s->Label9, 6240, 3120);
            QCOMPARE(place(s->Label1), QRectF(3240, 7200, 5535, 1335));
            QVERIFY(serif(s->Label1, 48, kYellow));
            QVERIFY(!s->Label1->Visible());
            for (Label* l : {s->Label3, s->Label5, s->Label9, s->Label10}) QVERIFY(l->Visible());
            QVERIFY(s->cmdgo->Visible());
            QVERIFY(!s->cmdsoln->Visible());
            tileArrays(*s, d.slotCount);
        }
    }

    void negativeLayout() {
        Rig rig;
        auto* s = rig.open<NegativeScreen>(QStringLiteral("negative"));
        const QColor pink(255, 128, 255);
        QCOMPARE(place(s->Label8), QRectF(120, 0, 9855, 1815));
        QCOMPARE(s->Label8->Caption(), QStringLiteral("Drag the double negative in the sentence below into the dustbin."));
        QVERIFY(serif(s->Label8, 36, pink));
        QVERIFY(s->Label8->textHeightTwips() <= s->Label8->Height());
        QVERIFY(s->Label8->Visible());
        QCOMPARE(place(s->Label5), QRectF(2520, 2520, 1875, 1935));
        QCOMPARE(s->Label10->Caption(), QStringLiteral("DUSTBIN"));
        QCOMPARE(QPointF(s->Label10->Left(), s->Label10->Top()), QPointF(2565, 2040));
        QVERIFY(tahoma(s->Label10, 18, kYellow));
        QCOMPARE(s->Label3->Caption(), QStringLiteral("COUNTER"));
        QCOMPARE(QPointF(s->Label3->Left(), s->Label3->Top()), QPointF(5565, 2040));
        QVERIFY(serif(s->Label3, 27.75, kYellow));
        scoreBox(s->Label9, 6240, 2640);
        QCOMPARE(place(s->Label4), QRectF(240, 6360, 11175, 495));
        QVERIFY(tahoma(s->Label4, 20.25, pink));
        QVERIFY(s->Label4->Alignment() == Align::Center);
        QVERIFY(!s->Label4->Visible());
        QCOMPARE(place(s->Label1), QRectF(2640, 7200, 6495, 1215));
        QVERIFY(serif(s->Label1, 48, kYellow));
        for (Label* l : {s->Label3, s->Label5, s->Label9, s->Label10}) QVERIFY(l->Visible());
        QVERIFY(s->cmdgo->Visible());
        tileArrays(*s, 8);
        rig.clock.advance(1);
        QCOMPARE(QPointF(s->Label7(0)->Left(), s->Label7(0)->Top()), QPointF(240, 5400));
    }

    void nounLayout() {
        Rig rig;
        auto* s = rig.open<NounScreen>(QStringLiteral("noun"));
        QCOMPARE(place(s->Label4), QRectF(480, 120, 9015, 1455));
        QCOMPARE(s->Label4->Caption(), QStringLiteral("Is the sentence below correct or incorrect?"));
        QVERIFY(serif(s->Label4, 27.75, kGreen));
        s->Label4->setCaption(QStringLiteral("Identify the incorrect words in the sentence below."));
        QVERIFY(s->Label4->textHeightTwips() <= s->Label4->Height());
        QCOMPARE(place(s->Label8), QRectF(120, 1680, 9855, 615));
        QCOMPARE(s->Label8->Caption(), QStringLiteral("Drag the incorrect verb into the dustbin."));
        QVERIFY(serif(s->Label8, 24, kYellow));
        QVERIFY(!s->Label8->Visible());
        QCOMPARE(place(s->Label5), QRectF(4080, 3000, 1875, 1935));
        QVERIFY(!s->Label5->Visible());
        QCOMPARE(s->Label10->Caption(), QStringLiteral("DUSTBIN"));
        QCOMPARE(QPointF(s->Label10->Left(), s->Label10->Top()), QPointF(4125, 2520));
        QVERIFY(!s->Label10->Visible());
        QVERIFY(!s->Label9->Visible());
        QVERIFY(!s->Label3->Visible());
        const QStringList captions{"CORRECT", "INCORRECT"};
        for (int i = 0; i < 2; ++i) {
            Label* box = s->Label6(i);
            QCOMPARE(place(box), QRectF(i == 0 ? 1200 : 5520, 6360, 3315, 735));
            QCOMPARE(box->Caption(), captions[i]);
            QVERIFY(box->Font().name == QLatin1String("Tahoma") && box->Font().points == 24 && box->Font().bold);
            QCOMPARE(box->ForeColor(), QColor(0, 0, 0));
            QCOMPARE(box->BackColor(), kYellow);
            QVERIFY(box->backStyle() == BackStyle::Opaque);
            QVERIFY(box->BorderStyle() == Border::FixedSingle);
            QVERIFY(box->Visible());
        }
        QCOMPARE(place(s->Label1), QRectF(2520, 7320, 6015, 1095));
        QVERIFY(serif(s->Label1, 48, kYellow));
        QVERIFY(s->cmdgo->Visible());
        tileArrays(*s, 8);
        rig.clock.advance(1);
        QCOMPARE(QPointF(s->Label7(0)->Left(), s->Label7(0)->Top()), QPointF(720, 5400));
    }

    void noun2Layout() {
        Rig rig;
        auto* s = rig.open<Noun2Screen>(QStringLiteral("noun2"));
        QCOMPARE(s->Label4->Caption(), QStringLiteral("Identify the nouns in the sentence below."));
        QCOMPARE(QPointF(s->Label4->Left(), s->Label4->Top()), QPointF(480, 120));
        QVERIFY(serif(s->Label4, 27.75, kYellow));
        QCOMPARE(s->Label4->linesNeeded(), 1);
        QCOMPARE(s->Label8->Caption(), QStringLiteral("Drag the nouns into the correct container."));
        QCOMPARE(QPointF(s->Label8->Left(), s->Label8->Top()), QPointF(120, 960));
        QVERIFY(serif(s->Label8, 24, QColor(255, 128, 0)));
        QCOMPARE(s->Label8->linesNeeded(), 1);
        QCOMPARE(QPointF(s->Label3->Left(), s->Label3->Top()), QPointF(4080, 1800));
        QCOMPARE(s->Label3->Caption(), QStringLiteral("SCORE"));
        scoreBox(s->Label9, 4320, 2400);
        const double lefts[3] = {1080, 4080, 7080}, captionLefts[3] = {780, 4125, 7500};
        const QStringList captions{"Proper Nouns", "Pronouns", "Nouns"};
        QCOMPARE(s->Label5.count(), 3);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(place(s->Label5(k)), QRectF(lefts[k], 4800, 1875, 1935));
            QVERIFY(s->Label5(k)->BorderStyle() == Border::FixedSingle);
            QVERIFY(s->Label5(k)->Visible());
            QCOMPARE(s->Label10(k)->Caption(), captions[k]);
            QCOMPARE(QPointF(s->Label10(k)->Left(), s->Label10(k)->Top()), QPointF(captionLefts[k], 6780));
            QVERIFY(tahoma(s->Label10(k), 18, QColor(255, 128, 0)));
            QVERIFY(s->Label10(k)->Visible());
        }
        QCOMPARE(QPointF(s->Label1->Left(), s->Label1->Top()), QPointF(3240, 7320));
        QVERIFY(s->cmdgo->Visible());
        QVERIFY(s->Label9->Visible());
        tileArrays(*s, 10);
        QCOMPARE(rig.m.CounterA, std::optional<int>(-1));
    }

private:
    static QRectF place(const Control* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }
    static bool serif(const Label* l, double points, const QColor& colour) {
        return l->Font().name == QLatin1String("Times New Roman") && l->Font().points == points && !l->Font().bold &&
               l->ForeColor() == colour && l->backStyle() == BackStyle::Transparent;
    }
    static bool tahoma(const Label* l, double points, const QColor& colour) {
        return l->Font().name == QLatin1String("Tahoma") && l->Font().points == points && l->Font().bold &&
               l->ForeColor() == colour && l->backStyle() == BackStyle::Transparent;
    }
    static void scoreBox(const Label* l, double left, double top) {
        QCOMPARE(place(l), QRectF(left, top, 1275, 735));
        QCOMPARE(l->Caption(), QStringLiteral("0"));
        QVERIFY(l->Font().name == QLatin1String("Tahoma") && l->Font().points == 24 && l->Font().bold);
        QCOMPARE(l->ForeColor(), kYellow);
        QCOMPARE(l->BackColor(), QColor(0, 0, 0));
        QVERIFY(l->backStyle() == BackStyle::Opaque);
        QVERIFY(l->BorderStyle() == Border::FixedSingle);
        QVERIFY(l->Alignment() == Align::Center);
    }
    static void tileArrays(const DragScreen& s, int slotCount) {
        const ControlArray<Label>* arrays[3] = {&s.Label7, &s.Label2, &s.Label11};
        for (const ControlArray<Label>* a : arrays) {
            QCOMPARE(a->count(), slotCount);
            for (Label* l : *a) {
                QVERIFY(tahoma(l, 20.25, a == &s.Label11 ? kGreen : kYellow));
                QVERIFY(l->AutoSize());
                QVERIFY(l->Alignment() == Align::Center);
                QVERIFY(!l->Visible());
                if (a == &s.Label7) QVERIFY(l->Caption().isEmpty());
            }
        }
    }
};

QTEST_MAIN(DragTest)
#include "test_drag.moc"
