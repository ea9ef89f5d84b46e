// The word-by-word comma screens: the verdict on the word in red, the word count and the
// end of a sentence, the instruction and score texts, the word taking its punctuated form
// and the words after it making room, the order of the direct-speech screen, and both
// screens driven through their handlers and through real clicks on the window.

#include <QtTest>

#include "exercise/word_tiles.h"
#include "rig.h"
#include "shell/menu.h"
#include "topics/comma/comma_rules.h"
#include "topics/comma/comma_screen.h"

using namespace qm;
using namespace qm::test;

namespace {

const QString kBeep = QStringLiteral("wav\\beep.wav");
const QString kBoink = QStringLiteral("wav\\boink.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

// A twelve-word sentence: only "Zara," takes a comma.
const QString kTwelve = QStringLiteral("Zara Ben and I walked to the park on a sunny day. ");
const QString kTwelveKey = QStringLiteral("Zara, Ben and I walked to the park on a sunny day. ");

struct Play {
    Rig rig;
    CommaScreen* s = nullptr;

    explicit Play(const char* name = "comma2") {
        rig.m.SoundOn = 1;
        rig.m.LastPick = 0;
        s = rig.open<CommaScreen>(QString::fromLatin1(name));
        rig.clock.advance(1);
        rig.quiet();
    }
    int rows() const { return int(s->bank().size()); }
    // Shows row k of comma2 through the next-question handler ("Next" is hidden mid-sentence).
    void show(int k) {
        QVERIFY(k >= 0 && k < rows());
        if (rig.m.LastPick == k) {
            rig.random.push((((k + 1) % rows()) + 0.5) / rows());
            s->cmdgo_Click();
        }
        rig.random.push((k + 0.5) / rows());
        s->cmdgo_Click();
        QCOMPARE(rig.m.CurrentPick, std::optional<int>(k));
        rig.quiet();
    }
    // Puts a row of the test's own into the bank and shows it.
    void showOwn(const QString& sentence, const QString& key) {
        const int k = num(rig.m.LastPick) == 0 ? 1 : 0;
        rig.m.QuestionBank[k] = sentence;
        rig.m.AnswerBank[k] = key;
        show(k);
    }
    Label* tile(int k) const { return s->Label7(k); }
    // Decides every word as its key says, up to but not including word `upTo`.
    void decideRightly(int upTo) {
        for (int k = s->WordPos; k < upTo; ++k) {
            const bool comma = s->Label7(k)->Caption() != s->Label2(k)->Caption();
            s->Label5_Click(comma ? kCommaBox : kNoCommaBox);
        }
    }
    bool finished() const {
        return s->cmdgo->Visible() && !s->Label5(0)->Enabled() && !s->Label5(1)->Enabled() &&
               !s->Label4(0)->Visible() && !s->Label4(1)->Visible();
    }
    bool deciding() const {
        return !s->cmdgo->Visible() && s->Label5(0)->Enabled() && s->Label5(1)->Enabled() && s->Label4(0)->Visible() &&
               s->Label4(1)->Visible() && s->Label5(0)->Visible() && s->Label5(1)->Visible();
    }
    // The slots whose tile shows red.
    QList<int> red() const {
        QList<int> r;
        for (int k = 0; k < CommaScreen::kSlots; ++k)
            if (s->Label7(k)->ForeColor() == kRed) r << k;
        return r;
    }
};

QString instruction(int n) {
    return QStringLiteral("Work out which of the %1 words in the sentence below should be followed by a comma.").arg(n);
}

}  // namespace

class CommaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFonts(); }

    // ------------------------------------------------------------ rules

    void verdict_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("right");
        QTest::newRow("comma where one goes") << 0 << "Red" << "Red," << true;
        QTest::newRow("no comma where one goes") << 1 << "Red" << "Red," << false;
        QTest::newRow("comma where none goes") << 0 << "amber" << "amber" << false;
        QTest::newRow("no comma where none goes") << 1 << "amber" << "amber" << true;
        QTest::newRow("comma inside the speech mark") << 0 << "\"Mum\"" << "\"Mum,\"" << true;
        QTest::newRow("a key that differs by more than a comma") << 0 << "here\"" << "here,\"!" << true;
        QTest::newRow("no comma against such a key") << 1 << "here\"" << "here,\"!" << false;
        QTest::newRow("case counts") << 0 << "red" << "Red" << true;
        QTest::newRow("an empty word with an empty key") << 1 << "" << "" << true;
    }
    void verdict() {
        QFETCH(int, chosen);
        QFETCH(QString, word);
        QFETCH(QString, key);
        QFETCH(bool, right);
        QCOMPARE(commaDecisionRight(chosen, word, key), right);
    }

    void countsAndEnds() {
        QStringList tiles(16);
        QCOMPARE(wordTotal(tiles), 0);
        QVERIFY(sentenceFinished(tiles, 0));
        const QStringList twelve = splitWords(kTwelve, 16);
        for (int k = 0; k < twelve.size(); ++k) tiles[k] = twelve[k];
        QCOMPARE(wordTotal(tiles), 12);
        QVERIFY(!sentenceFinished(tiles, 11));
        QVERIFY(sentenceFinished(tiles, 12));
        // An empty word ends the sentence where it lies.
        tiles[5].clear();
        QCOMPARE(wordTotal(tiles), 5);
        // Every slot full: the sentence has them all and ends past the last one.
        QStringList full(16, QStringLiteral("w"));
        QCOMPARE(wordTotal(full), 16);
        QVERIFY(!sentenceFinished(full, 15));
        QVERIFY(sentenceFinished(full, 16));
        QVERIFY(sentenceFinished(full, -1));
    }

    void texts() {
        QCOMPARE(commaInstruction(12),
                 QStringLiteral("Work out which of the 12 words in the sentence below should be followed by a comma."));
        QCOMPARE(commaInstruction(0).mid(21, 3), QStringLiteral(" 0 "));
        QCOMPARE(commaScoreLine(3, 12), QStringLiteral(" 3 out of 12"));
        QCOMPARE(commaScoreLine(1, 12), QStringLiteral(" 1 out of 12"));
        QCOMPARE(commaScoreLine(0, 9), QStringLiteral(" 0 out of 9"));
        QCOMPARE(commaScoreLine(-1, 12), QStringLiteral("-1 out of 12"));
    }

    // ------------------------------------------------------------ the screen

    void loadsAndShowsTheFirstSentence() {
        Rig rig;
        rig.m.LastPick = 4;
        rig.m.CounterA = 5;
        rig.m.CounterB = 6;
        rig.m.CurrentPick = 7;
        auto* s = rig.open<CommaScreen>(QStringLiteral("comma2"));
        QVERIFY(s);
        QCOMPARE(s->Caption(), QStringLiteral("Punctuation with Commas"));
        QCOMPARE(s->BackColor(), QColor(49, 135, 215));
        QCOMPARE(rig.m.CounterA, std::optional<int>(0));
        QCOMPARE(rig.m.CurrentPick, std::optional<int>(0));
        QCOMPARE(s->Label7.count(), 16);
        QCOMPARE(s->Label2.count(), 16);
        QCOMPARE(s->Label11.count(), 16);
        QVERIFY(!s->cmdgo->Visible());
        QVERIFY(s->Label3->Visible());
        QVERIFY(s->Label9->Visible());
        QCOMPARE(s->Label9->Caption(), QString());
        QCOMPARE(s->Label4(0)->Caption(), QStringLiteral("Should the word shown in red be followed by a comma?"));
        QCOMPARE(s->Label3->Caption(), QStringLiteral("SCORE"));
        QCOMPARE(s->Label5(0)->Caption(), QStringLiteral("COMMA"));
        QCOMPARE(s->Label5(1)->Caption(), QStringLiteral("NO COMMA"));
        QVERIFY(!s->Label5(0)->Visible());

        rig.random.script(0.15);  // row 4 is the one drawn last, so the draw moves on to row 5
        rig.clock.advance(1);
        QCOMPARE(rig.random.reseeds(), 1);
        QCOMPARE(rig.m.LastPick, std::optional<int>(5));
        QCOMPARE(rig.m.CurrentPick, std::optional<int>(5));
        QCOMPARE(rig.m.QuestionBank[0], QStringLiteral("Red amber and green are the traffic light colours. "));
        QCOMPARE(s->Label7(0)->Caption(), QStringLiteral("After"));
        QCOMPARE(s->Label7(1)->Caption(), QStringLiteral("lunch"));
        QCOMPARE(s->Label2(1)->Caption(), QStringLiteral("lunch,"));
        QVERIFY(!s->Label2(1)->Visible());
        QCOMPARE(s->Label7(0)->ForeColor(), kRed);
        QCOMPARE(s->Label7(1)->ForeColor(), kYellow);
        QCOMPARE(s->Label7(0)->Left(), 240.0);
        QCOMPARE(s->Label7(0)->Top(), 4440.0);
        QCOMPARE(s->Label7(1)->Left(), 240 + s->Label7(0)->Width() + 120);
        QCOMPARE(s->Label2(1)->Left(), s->Label7(1)->Left());
        QCOMPARE(s->Label4(1)->Caption(), instruction(11));
        QVERIFY(s->Label4(0)->Visible() && s->Label4(1)->Visible());
        QVERIFY(s->Label5(0)->Visible() && s->Label5(1)->Visible());
        QVERIFY(!s->cmdgo->Visible());
        QVERIFY(!s->Label1->Visible());
        QCOMPARE(s->Label9->Caption(), QString());
        QCOMPARE(rig.m.CounterB, std::optional<int>(11));
        QCOMPARE(s->WordTotal, 11);
        QCOMPARE(s->Label7(11)->Caption(), QString());
        QVERIFY(s->Label7(11)->Visible());
    }

    // "NO COMMA" where a comma goes is wrong, and the comma still appears.
    void noCommaWhereOneGoes() {
        Play p;
        p.show(0);  // "Red amber and green ..."
        p.s->Label5_Click(kNoCommaBox);
        QCOMPARE(p.s->ChosenAnswer, 1);
        QCOMPARE(p.rig.m.ResultFlag, std::optional<int>(0));
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QVERIFY(p.s->Label1->Visible());
        QVERIFY(p.s->tmrcross->Enabled());
        QCOMPARE(p.s->SentenceScore, -1);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1 out of 9"));
        QCOMPARE(p.tile(0)->Caption(), QStringLiteral("Red,"));
        QCOMPARE(p.s->Label11(0)->Caption(), QStringLiteral("Red,"));
        QVERIFY(p.s->Label11(0)->Visible());
        QCOMPARE(p.s->Label11(0)->ForeColor(), kGreen);
        QCOMPARE(p.s->Label11(0)->Left(), p.tile(0)->Left());
        QVERIFY(!p.tile(0)->Enabled());
        QCOMPARE(p.red(), QList<int>{1});
        QCOMPARE(p.rig.sound.played, QStringList{kBoink});
        // "COMMA" where none goes is wrong too; "NO COMMA" there is right.
        p.s->Label5_Click(kCommaBox);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        QCOMPARE(p.tile(1)->Caption(), QStringLiteral("amber"));
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-2 out of 9"));
        p.s->Label5_Click(kNoCommaBox);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QCOMPARE(p.rig.m.ResultFlag, std::optional<int>(1));
        QVERIFY(p.s->tmrtick->Enabled());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1 out of 9"));
        QCOMPARE(p.rig.sound.played, (QStringList{kBoink, kBoink, kBeep}));
        QCOMPARE(p.red(), QList<int>{3});
    }

    // The last word is decided like any other, and only then is "Next" shown.
    void lastWordThenNext() {
        Play p;
        p.show(2);  // The driver yelled "Hold tight!"
        QCOMPARE(p.s->WordTotal, 5);
        p.decideRightly(4);
        QVERIFY(p.deciding());
        QCOMPARE(p.red(), QList<int>{4});
        QCOMPARE(p.tile(4)->Caption(), QStringLiteral("tight!\""));
        p.s->Label5_Click(kNoCommaBox);
        QVERIFY(p.finished());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 5 out of 5"));
        QCOMPARE(p.tile(2)->Caption(), QStringLiteral("yelled,"));
        for (int k = 0; k < 5; ++k) {
            QVERIFY(p.s->Label11(k)->Visible());
            QCOMPARE(p.s->Label11(k)->Caption(), p.s->Label2(k)->Caption());
        }
        QVERIFY(!p.s->Label11(5)->Visible());
        // The boxes no longer take clicks.
        p.rig.quiet();
        p.s->Label5(0)->Click();
        p.s->Label5(1)->Click();
        p.s->Label5_Click(kNoCommaBox);
        QVERIFY(p.rig.sound.played.isEmpty());
        QCOMPARE(p.s->WordPos, 5);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 5 out of 5"));
    }

    // A twelve-word sentence: the instruction names 12; the score line reads " 1 out of 12"
    // after a right first decision and "-1 out of 12" after a wrong one; it starts empty and
    // starts again at each sentence.
    void twelveWordTexts() {
        Play p;
        p.showOwn(kTwelve, kTwelveKey);
        QCOMPARE(p.s->WordTotal, 12);
        QCOMPARE(p.s->Label4(1)->Caption(),
                 QStringLiteral("Work out which of the 12 words in the sentence below should be followed by a comma."));
        QVERIFY(p.s->Label4(1)->textHeightTwips() <= p.s->Label4(1)->Height());
        QCOMPARE(p.s->Label9->Caption(), QString());
        p.s->Label5_Click(kCommaBox);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 1 out of 12"));
        p.decideRightly(12);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 12 out of 12"));
        QVERIFY(p.finished());

        p.showOwn(kTwelve, kTwelveKey);
        QCOMPARE(p.s->Label9->Caption(), QString());
        QCOMPARE(p.s->SentenceScore, 0);
        p.s->Label5_Click(kNoCommaBox);
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral("-1 out of 12"));
        // The widest score line fits its box.
        Label* score = p.s->Label9;
        for (const QString& t : {QStringLiteral("-15 out of 15"), QStringLiteral(" 15 out of 15")}) {
            score->setCaption(t);
            QVERIFY2(score->linesNeeded() == 1, qPrintable(t));
        }
    }

    // A word taking its longer form pushes the words after it along, and over the edge of
    // the line onto the next one; words before it do not move.
    void longerFormShiftsAndWraps() {
        Play p;
        // Find a last word for the first line whose right edge ends within a comma's width
        // of the edge, so that a comma on the first word pushes it onto the next line.
        Label* ruler = p.s->Label11(15);
        const auto width = [&](const QString& w) {
            ruler->setCaption(w);
            return ruler->Width();
        };
        const double grows = width(QStringLiteral("Sam,")) - width(QStringLiteral("Sam"));
        QVERIFY(grows > 0);
        QStringList line{QStringLiteral("Sam")};
        double right = 240 + width(line[0]);
        while (right + 120 + width(QStringLiteral("mmmmm")) + 120 + 2000 <= 11760) {
            line << QStringLiteral("mmmmm");
            right += 120 + width(line.last());
        }
        QString last;
        for (int ms = 0; ms <= 12 && last.isEmpty(); ++ms) {
            for (int is = 0; is <= 12 && last.isEmpty(); ++is) {
                const QString w = QString(ms, QLatin1Char('m')) + QString(is, QLatin1Char('i'));
                if (w.isEmpty()) continue;
                const double edge = right + 120 + width(w);
                if (edge <= 11760 && edge + grows > 11760) last = w;
            }
        }
        QVERIFY2(!last.isEmpty(), "no word ends the line within a comma's width of the edge");
        line << last << QStringLiteral("next.");
        QStringList key = line;
        key[0] = QStringLiteral("Sam,");
        p.showOwn(line.join(QLatin1Char(' ')) + QLatin1Char(' '), key.join(QLatin1Char(' ')) + QLatin1Char(' '));
        const int lastOnLine = int(line.size()) - 2;
        QCOMPARE(p.tile(lastOnLine)->Top(), 4440.0);
        QCOMPARE(p.tile(lastOnLine + 1)->Top(), 5040.0);
        const double before1 = p.tile(1)->Left();
        const double beforeLast = p.tile(lastOnLine)->Left();

        p.s->Label5_Click(kCommaBox);
        QCOMPARE(p.tile(0)->Caption(), QStringLiteral("Sam,"));
        QCOMPARE(p.tile(0)->Left(), 240.0);
        QCOMPARE(p.tile(1)->Left(), before1 + grows);
        QCOMPARE(p.tile(lastOnLine - 1)->Top(), 4440.0);
        // The last word of the line wraps to the start of the next, and the word after it follows.
        QCOMPARE(p.tile(lastOnLine)->Left(), 240.0);
        QCOMPARE(p.tile(lastOnLine)->Top(), 5040.0);
        QVERIFY(beforeLast > 240);
        QCOMPARE(p.tile(lastOnLine + 1)->Left(), 240 + p.tile(lastOnLine)->Width() + 120);
        QCOMPARE(p.s->Label11(0)->Left(), 240.0);

        // A later word: the words before it stay, its marker and its tile share their place.
        p.decideRightly(2);
        const double left0 = p.tile(0)->Left();
        p.s->Label5_Click(kNoCommaBox);
        QCOMPARE(p.tile(0)->Left(), left0);
        QCOMPARE(p.s->Label11(2)->Left(), p.tile(2)->Left());
        QCOMPARE(p.s->Label11(2)->Top(), p.tile(2)->Top());
    }

    // A sentence that fills all sixteen slots ends after its last slot; the instruction
    // gives its own count, not the one of the sentence before.
    void sixteenWordsEndAfterTheLastSlot() {
        Play p;
        p.showOwn(kTwelve, kTwelveKey);
        QCOMPARE(p.s->Label4(1)->Caption(), instruction(12));
        QStringList words, keys;
        for (int k = 0; k < 16; ++k) {
            words << QStringLiteral("w%1").arg(k);
            keys << (k == 3 ? QStringLiteral("w3,") : words.last());
        }
        p.showOwn(words.join(QLatin1Char(' ')) + QLatin1Char(' '), keys.join(QLatin1Char(' ')) + QLatin1Char(' '));
        QCOMPARE(p.s->WordTotal, 16);
        QCOMPARE(p.s->Label4(1)->Caption(), instruction(16));
        p.decideRightly(15);
        QVERIFY(p.deciding());
        QCOMPARE(p.red(), QList<int>{15});
        p.s->Label5_Click(kNoCommaBox);
        QVERIFY(p.finished());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 16 out of 16"));
        QCOMPARE(p.s->Label7.count(), 16);
        QVERIFY(p.red().isEmpty());
        QVERIFY(p.s->Label11(15)->Visible());
        // Nothing more to decide, whatever calls the handler.
        p.rig.quiet();
        p.s->Label5_Click(kCommaBox);
        p.s->Label5_Click(7);
        p.s->Label5_Click(-1);
        QVERIFY(p.rig.sound.played.isEmpty());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 16 out of 16"));
        // A longer row shows what fits in the slots.
        p.showOwn(words.join(QLatin1Char(' ')) + QStringLiteral(" w16 w17 "), keys.join(QLatin1Char(' ')) + QLatin1Char(' '));
        QCOMPARE(p.s->WordTotal, 16);
        QCOMPARE(p.s->Label7.count(), 16);
    }

    // "Next" clears the sentence and gives the boxes back.
    void nextGivesTheBoxesBack() {
        Play p;
        p.show(9);  // Please sit down Oliver.
        p.decideRightly(4);
        QVERIFY(p.finished());
        p.rig.random.push(0.5);
        p.s->cmdgo->Click();
        QVERIFY(p.deciding());
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(15));
        QVERIFY(!p.s->Label1->Visible());
        QCOMPARE(p.s->Label9->Caption(), QString());
        QCOMPARE(p.s->WordPos, 0);
        QCOMPARE(p.red(), QList<int>{0});
        for (int k = 0; k < 16; ++k) {
            QVERIFY(!p.s->Label11(k)->Visible());
            QVERIFY(p.tile(k)->Enabled());
        }
        QCOMPARE(p.rig.sound.played, (QStringList{kBeep, kBeep, kBeep, kBeep, kClick}));
    }

    void punc1InOrderAndRoundAgain() {
        Rig rig;
        rig.m.LastPick = 0;
        auto* s = rig.open<CommaScreen>(QStringLiteral("punc1"));
        QVERIFY(s);
        QCOMPARE(s->Caption(), QStringLiteral("Punctuation"));
        rig.clock.advance(1);
        QCOMPARE(int(s->bank().size()), 30);
        for (int round = 0; round < 2; ++round) {
            for (int n = 0; n < 30; ++n) {
                QCOMPARE(rig.m.CurrentPick, std::optional<int>(n));
                QCOMPARE(rig.m.LastPick, std::optional<int>(n));
                const QStringList words = splitWords(rig.m.QuestionBank[n], 16);
                QCOMPARE(s->words().mid(0, int(words.size())), words);
                QCOMPARE(s->WordTotal, int(words.size()));
                s->cmdgo_Click();
            }
        }
        QCOMPARE(rig.random.calls(), 0);
        QCOMPARE(rig.random.reseeds(), 0);
        QCOMPARE(s->Label4(0)->Caption(), QStringLiteral("Should the word shown in red be followed by a comma?"));
        // Opened again, it starts at the beginning.
        s->cmdexit->Click();
        rig.collect();
        s = rig.open<CommaScreen>(QStringLiteral("punc1"));
        rig.clock.advance(1);
        QCOMPARE(rig.m.CurrentPick, std::optional<int>(0));
    }

    void soundsInOrderThroughAVisit() {
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.LastPick = 5;
        auto* menu = rig.open<MenuScreen>(QStringLiteral("menu2"));
        menu->Label3(3)->Click();  // "Punctuation with Commas"
        auto* s = rig.screen<CommaScreen>(QStringLiteral("comma2"));
        QVERIFY(s);
        rig.random.script(0.0);
        rig.clock.advance(1);
        QCOMPARE(s->Label7(0)->Caption(), QStringLiteral("Red"));
        s->Label5_Click(kCommaBox);    // "Red," right
        s->Label5_Click(kCommaBox);    // "amber" wrong
        s->Label5_Click(kNoCommaBox);  // "and" right
        rig.clock.advance(2000);
        for (int k = 3; k < 9; ++k) s->Label5_Click(kNoCommaBox);
        s->cmdgo->Click();
        s->cmdexit->Click();
        QStringList expected{kClick, kClick, kBeep, kBoink};
        expected << QStringList(7, kBeep) << kClick << kClick;
        QCOMPARE(rig.sound.played, expected);
        QCOMPARE(rig.flow->front(), QStringLiteral("menu2"));
    }

    // With sound off two decisions and a new sentence go on as ever, in silence.
    void silentWhenSoundIsOff() {
        Play p;
        p.rig.m.SoundOn = 0;
        p.show(0);  // "Red amber and green ...": a comma after "Red", none after "amber"
        p.s->Label5_Click(kCommaBox);
        p.s->Label5_Click(kNoCommaBox);
        QCOMPARE(p.s->WordPos, 2);
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        QVERIFY(p.s->Label1->Visible());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 2 out of 9"));
        p.rig.random.push(0.5);
        p.s->cmdgo_Click();
        QVERIFY(p.deciding());
        QCOMPARE(p.s->WordPos, 0);
        QVERIFY(p.rig.sound.played.isEmpty());
    }

    // Every label and box of the screen in its place, font and colour.
    void comma2Layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");  // -1: not an array
        QTest::addColumn<QRectF>("place");  // zero size: the label sizes itself
        QTest::addColumn<QString>("face");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("boxed");  // on black, in a single border
        QTest::addColumn<bool>("shown");  // on the first sentence
        const QString serif = QStringLiteral("Times New Roman"), tahoma = QStringLiteral("Tahoma");
        const QColor darkRed(192, 0, 0), pink(255, 192, 255);
        QTest::newRow("question") << "Label4" << 0 << QRectF(0, 1440, 10215, 975) << serif << 20.25 << true << darkRed
                                  << false << true;
        QTest::newRow("instruction") << "Label4" << 1 << QRectF(240, 120, 9735, 1455) << serif << 24.0 << false << pink
                                     << false << true;
        QTest::newRow("COMMA") << "Label5" << 0 << QRectF(1320, 6600, 3315, 735) << tahoma << 24.0 << true << kYellow
                               << true << true;
        QTest::newRow("NO COMMA") << "Label5" << 1 << QRectF(5520, 6600, 3315, 735) << tahoma << 24.0 << true
                                  << kYellow << true << true;
        QTest::newRow("SCORE") << "Label3" << -1 << QRectF(4200, 2280, 0, 0) << serif << 27.75 << false << kYellow
                               << false << true;
        QTest::newRow("score line") << "Label9" << -1 << QRectF(3360, 2880, 3435, 735) << tahoma << 24.0 << true
                                    << kYellow << true << true;
        QTest::newRow("feedback") << "Label1" << -1 << QRectF(120, 7800, 9855, 735) << serif << 27.75 << false
                                  << kYellow << false << false;
    }
    void comma2Layout() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QRectF, place);
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QFETCH(bool, boxed);
        QFETCH(bool, shown);
        Play p;
        const Label* l = name == QLatin1String("Label4")   ? p.s->Label4(index)
                         : name == QLatin1String("Label5") ? p.s->Label5(index)
                         : name == QLatin1String("Label3") ? p.s->Label3
                         : name == QLatin1String("Label9") ? p.s->Label9
                                                           : p.s->Label1;
        QVERIFY(l);
        QCOMPARE(QPointF(l->Left(), l->Top()), place.topLeft());
        if (!place.size().isEmpty()) QCOMPARE(QSizeF(l->Width(), l->Height()), place.size());
        QCOMPARE(l->Font().name, face);
        QCOMPARE(l->Font().points, points);
        QCOMPARE(l->Font().bold, bold);
        QCOMPARE(l->ForeColor(), colour);
        if (!place.size().isEmpty()) QVERIFY(l->Alignment() == Align::Center);
        QCOMPARE(l->backStyle() == BackStyle::Opaque && l->BackColor() == QColor(0, 0, 0) &&
                     l->BorderStyle() == Border::FixedSingle,
                 boxed);
        QCOMPARE(l->Visible(), shown);
        QVERIFY2(l->textHeightTwips() <= l->Height() || place.size().isEmpty(), qPrintable(l->Caption()));
    }

    // Another screen opened beside this one may leave anything in the shared tables: rows
    // without their last space, keys shorter or longer than their sentences, rows longer
    // than the slots, empty rows. Every sentence still ends and "Next" still comes.
    void sharedTablesHoldingAnything_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("comma2") << QStringLiteral("comma2");
        QTest::newRow("punc1") << QStringLiteral("punc1");
    }
    void sharedTablesHoldingAnything() {
        QFETCH(QString, name);
        Play p(qPrintable(name));
        const QString longRow = QStringLiteral("a ").repeated(40);
        const QStringList sentences{QStringLiteral("No trailing space"), QStringLiteral("Two words "), longRow,
                                    QString(), QStringLiteral("A  gap here "), QStringLiteral("Short key row ")};
        const QStringList keys{QStringLiteral("No, trailing, space, "), QString(), QStringLiteral("a, ").repeated(40),
                               QStringLiteral("x y z "), QStringLiteral("A,  gap, here "), QStringLiteral("Short, ")};
        for (int i = 0; i < 201; ++i) {
            p.rig.m.QuestionBank[i] = sentences[i % sentences.size()];
            p.rig.m.AnswerBank[i] = keys[(i / sentences.size() + i) % keys.size()];
        }
        static const QRegularExpression outOf(QStringLiteral("^(( [0-9]+|-[0-9]+) out of( [0-9]+|-[0-9]+))?$"));
        for (int sentence = 0; sentence < 40; ++sentence) {
            p.rig.random.push(double(sentence % 30) / 30);
            p.s->cmdgo_Click();
            int clicks = 0;
            while (!p.s->cmdgo->Visible() && clicks < 20) {
                clickOn(*p.s->Label5((sentence + clicks) % 2));
                ++clicks;
                QVERIFY(p.red().size() <= 1);
                QVERIFY(outOf.match(p.s->Label9->Caption()).hasMatch());
            }
            QVERIFY2(p.s->cmdgo->Visible(), qPrintable(p.s->words().join(QLatin1Char('|'))));
            QVERIFY(clicks <= 16);
            QVERIFY(p.s->WordPos >= 0 && p.s->WordPos <= 16);
            QCOMPARE(p.s->Label7.count(), 16);
        }
    }

    // ------------------------------------------------------------ real clicks

    // comma2 through the window: the boxes, "Next", and EXIT while "Correct" lies over it.
    void comma2ThroughTheWindow() {
        Play p;
        auto* menu = p.rig.open<MenuScreen>(QStringLiteral("menu2"));
        QVERIFY(menu);
        p.rig.open<CommaScreen>(QStringLiteral("comma2"));
        p.show(9);  // Please sit down Oliver.
        clickOn(*p.s->Label5(1));
        clickOn(*p.s->Label5(1));
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Correct"));
        clickOn(*p.s->Label5(0));
        QCOMPARE(p.tile(2)->Caption(), QStringLiteral("down,"));
        clickOn(*p.s->cmdgo);  // still hidden: nothing happens
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(9));
        clickOn(*p.s->Label5(1));
        QVERIFY(p.finished());
        QCOMPARE(p.s->Label9->Caption(), QStringLiteral(" 4 out of 4"));
        QCOMPARE(p.rig.sound.played, (QStringList{kBeep, kBeep, kBeep, kBeep}));
        clickOn(*p.s->Label5(0));  // disabled: nothing happens
        QCOMPARE(p.rig.sound.played.size(), 4);
        p.rig.random.push(0.0);
        clickOn(*p.s->cmdgo);
        QVERIFY(p.deciding());
        QCOMPARE(p.rig.sound.played.last(), kClick);

        // "Correct" shows over EXIT; EXIT still takes the click.
        clickOn(*p.s->Label5(0));
        QVERIFY(p.s->Label1->Visible());
        const QPoint exit = centreOf(*p.s->cmdexit);
        QVERIFY(p.s->Label1->geometry().contains(exit));
        p.rig.quiet();
        clickAt(*p.s, exit);
        QCOMPARE(p.rig.flow->front(), QStringLiteral("menu2"));
        QVERIFY(!p.rig.screen(QStringLiteral("comma2")) || p.s->unloaded());
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
    }

    void punc1ThroughTheWindow() {
        Play p("punc1");
        p.rig.open<MenuScreen>(QStringLiteral("menu1"));
        p.rig.open<CommaScreen>(QStringLiteral("punc1"));
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(0));
        // Mum said "It's time for bed now."
        QCOMPARE(p.s->WordTotal, 7);
        clickOn(*p.s->Label5(1));
        clickOn(*p.s->Label5(0));
        QCOMPARE(p.tile(1)->Caption(), QStringLiteral("said,"));
        for (int k = 2; k < 7; ++k) clickOn(*p.s->Label5(1));
        QVERIFY(p.finished());
        QCOMPARE(p.rig.sound.played, QStringList(7, kBeep));
        clickOn(*p.s->cmdgo);
        QCOMPARE(p.rig.m.CurrentPick, std::optional<int>(1));
        QVERIFY(p.deciding());
        clickOn(*p.s->Label5(0));  // no comma goes after the opening "My
        QCOMPARE(p.s->Label1->Caption(), QStringLiteral("Wrong"));
        p.rig.quiet();
        clickOn(*p.s->cmdexit);
        QCOMPARE(p.rig.flow->front(), QStringLiteral("menu1"));
        QCOMPARE(p.rig.sound.played, QStringList{kClick});
    }
};

QTEST_MAIN(CommaTest)
#include "test_comma.moc"
