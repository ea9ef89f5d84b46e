// Every bank against the limits of its screen: how many rows, how many of each answer,
// keys that name a box, no empty or repeated sentence, and every text fitting its label
// at the real font and size. A new family adds its screens to the table below.

#include <QtTest>
#include <map>

#include "exercise/exercise_screen.h"
#include "rig.h"
#include "topics/timed/stop_box.h"
#include "topics/timed/wheel.h"

using namespace qm;
using namespace qm::test;

namespace {

enum class Table { Question, Answer };

struct Fit {
    const char* label;  // the label that shows the text
    Table table;        // where the text is kept
};

struct BankCheck {
    const char* screen;
    int rows;
    std::map<int, int> perKey;  // answer key -> number of rows
    std::vector<Fit> fits;
    bool answerPerRow = false;  // every row has a second text
};

const std::vector<BankCheck>& checks() {
    static const std::vector<BankCheck> c = {
        {"tenses", 33, {{0, 12}, {1, 9}, {2, 12}}, {{"Label1", Table::Question}}},
        {"active", 30, {{0, 15}, {1, 15}}, {{"Label1", Table::Question}}},
        {"apostrophe", 32, {{0, 16}, {1, 16}}, {{"Label1", Table::Question}}},
        {"verbforms", 30, {{1, 10}, {2, 10}, {3, 10}}, {{"Label1", Table::Question}}},
        {"formal", 34, {{0, 21}, {1, 13}}, {{"Label1", Table::Question}}},
        {"connections", 30, {{0, 15}, {1, 15}}, {{"Label1", Table::Question}, {"Label3", Table::Answer}}, true},
    };
    return c;
}

}  // namespace

class BankTest : public QObject {
    Q_OBJECT
private slots:
    void banks_data() {
        QTest::addColumn<int>("which");
        for (int i = 0; i < int(checks().size()); ++i) QTest::newRow(checks()[i].screen) << i;
    }
    void banks() {
        QFETCH(int, which);
        const BankCheck& check = checks()[which];
        Rig rig;
        // Leave marks past the end of the bank to see that the fill stops where it should.
        for (int i = 0; i < 100; ++i) rig.m.AnswerKey[i] = -7;
        auto* s = rig.open<ExerciseScreen>(QString::fromLatin1(check.screen));
        QVERIFY(s);
        rig.clock.advance(1);

        int rows = 0;
        while (rows < 100 && !rig.m.QuestionBank[rows].isEmpty()) ++rows;
        QCOMPARE(rows, check.rows);
        QVERIFY(rig.m.AnswerKey[rows] == -7);

        std::map<int, int> perKey;
        QSet<QString> seen;
        for (int i = 0; i < rows; ++i) {
            const QString& q = rig.m.QuestionBank[i];
            QVERIFY2(!q.trimmed().isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(!seen.contains(q), qPrintable(QStringLiteral("repeated: ") + q));
            seen.insert(q);
            QVERIFY2(!q.contains(QLatin1Char('\n')) && q == q.trimmed(), qPrintable(q));
            QVERIFY2(rig.m.AnswerKey[i].has_value(), qPrintable(q));
            const int key = *rig.m.AnswerKey[i];
            QVERIFY2(check.perKey.count(key), qPrintable(QStringLiteral("key %1 of: %2").arg(key).arg(q)));
            ++perKey[key];
            if (check.answerPerRow) QVERIFY2(!rig.m.AnswerBank[i].trimmed().isEmpty(), qPrintable(q));
        }
        QCOMPARE(perKey, check.perKey);

        for (const Fit& fit : check.fits) {
            auto* label = s->find<Label>(QString::fromLatin1(fit.label));
            QVERIFY2(label, fit.label);
            for (int i = 0; i < rows; ++i) {
                const QString& text = fit.table == Table::Question ? rig.m.QuestionBank[i] : rig.m.AnswerBank[i];
                label->setCaption(text);
                QVERIFY2(label->textHeightTwips() <= label->Height(),
                         qPrintable(QStringLiteral("%1 lines in %2: %3").arg(label->linesNeeded()).arg(fit.label).arg(text)));
            }
        }
    }

    // Each pair of connections rows shares its first clause, and the corrected sentence is
    // the sentence with its one "and" made a full stop or a comma.
    void connectionsPairsAndCorrections() {
        Rig rig;
        rig.open<ExerciseScreen>(QStringLiteral("connections"));
        rig.clock.advance(1);
        std::map<QString, QList<int>> byClause;
        for (int i = 0; i < 30; ++i) {
            const QString q = rig.m.QuestionBank[i];
            const QStringList words = q.split(QLatin1Char(' '));
            QCOMPARE(words.count(QStringLiteral("and")), 1);
            const int at = q.indexOf(QStringLiteral(" and "));
            QVERIFY2(at > 0, qPrintable(q));
            const QString first = q.left(at);
            QString rest = q.mid(at + 5);
            const int key = *rig.m.AnswerKey[i];
            QString expected;
            if (key == 0) {
                rest[0] = rest[0].toUpper();
                expected = first + QStringLiteral(". ") + rest;
            } else {
                expected = first + QStringLiteral(", ") + rest;
            }
            QCOMPARE(rig.m.AnswerBank[i], expected);
            byClause[first] << key;
        }
        QCOMPARE(int(byClause.size()), 15);
        for (const auto& [clause, keys] : byClause) {
            QVERIFY2(keys.size() == 2 && keys.contains(0) && keys.contains(1), qPrintable(clause));
        }
    }

    // The timed screens keep a row in two or three entries; each text is checked in the
    // labels that show it, where the screen itself places them.
    void conventionsBank() {
        Rig rig;
        for (int i = 0; i < 100; ++i) rig.m.AnswerKey[i] = -7;
        auto* s = rig.open<StopBoxScreen>(QStringLiteral("conventions"));
        rig.clock.advance(1);
        QVERIFY(rig.m.QuestionBank[30].isEmpty());
        QVERIFY(rig.m.AnswerKey[30] == -7);
        std::map<int, int> perKey;
        QSet<QString> seen;
        Label* text = s->Label4(0);
        for (int i = 0; i < 30; ++i) {
            const QString& q = rig.m.QuestionBank[i];
            QVERIFY2(!q.isEmpty() && q == q.trimmed() && !seen.contains(q), qPrintable(q));
            seen.insert(q);
            ++perKey[num(rig.m.AnswerKey[i])];
            text->setCaption(q);
            QVERIFY2(text->textHeightTwips() <= text->Height(), qPrintable(q));
        }
        QCOMPARE(perKey, (std::map<int, int>{{0, 8}, {1, 7}, {2, 8}, {3, 7}}));
        for (const char* sample : {"Silently moving towards the open window...", "You'll be even more popular if...",
                                   "Once upon a time.", "The accident occurred at 09.00 precisely."})
            QVERIFY2(seen.contains(QString::fromUtf8(sample)), sample);
        QVERIFY(seen.contains(QStringLiteral("You’ll get better results than ever using our product.")));
    }

    void phraseBank() {
        Rig rig;
        for (int i = 0; i < 100; ++i) rig.m.AnswerKey[i] = -7;
        auto* s = rig.open<StopBoxScreen>(QStringLiteral("phrase"));
        rig.clock.advance(1);
        QVERIFY(rig.m.QuestionBank[62].isEmpty());
        QVERIFY(rig.m.AnswerKey[62] == -7);
        std::map<std::pair<int, int>, int> perKind;  // (marked part, class) -> rows
        QSet<QString> seen;
        int wrapped = 0;
        for (int n = 0; n < 31; ++n) {
            const QString first = rig.m.QuestionBank[2 * n];
            const QString second = rig.m.QuestionBank[2 * n + 1];
            QVERIFY2(!first.trimmed().isEmpty() && !second.trimmed().isEmpty(), qPrintable(first));
            QVERIFY2(!seen.contains(first + QLatin1Char('|') + second), qPrintable(first));
            seen.insert(first + QLatin1Char('|') + second);
            const int kind = num(rig.m.AnswerKey[2 * n]);
            const int marked = num(rig.m.AnswerKey[2 * n + 1]);
            QVERIFY(kind == 0 || kind == 1);
            QVERIFY(marked == 0 || marked == 1);
            ++perKind[{marked, kind}];
            QVERIFY2(second.endsWith(QLatin1Char('.')), qPrintable(second));
            // Shown as the screen shows it: both parts end left of 10000 twips.
            if (rig.m.LastPick == n) s->cmdgo->Click();
            rig.random.push(0.5);
            rig.random.push((n + 0.5) / 31);
            s->cmdgo->Click();
            QVERIFY(rig.m.LastPick == n);
            for (int i : {0, 1}) {
                Label* part = s->Label4(i);
                QVERIFY2(part->Left() + part->Width() <= 10000, qPrintable(part->Caption()));
            }
            if (s->Label4(1)->Top() > s->Label4(0)->Top()) ++wrapped;
            // The marked part reads on one line before "is a".
            QVERIFY2(s->Label4(2)->linesNeeded() == 1, qPrintable(s->Label4(2)->Caption()));
        }
        QVERIFY(wrapped > 0);
        for (const auto& [kind, rows] : perKind) QVERIFY2(rows >= 7, qPrintable(QString::number(rows)));
        QCOMPARE(int(perKind.size()), 4);
        for (const char* sample : {"The dogs barked noisily|at the horses.", "He snatched my wallet |yesterday afternoon.",
                                   "The picnic sandwiches|were all eaten up.", "I stubbed my toe|on that brick.",
                                   "On hillsides in Italy,|grapes are grown."})
            QVERIFY2(seen.contains(QString::fromUtf8(sample)), sample);
    }

    void wheelBanks() {
        const QStringList commaMarks{QStringLiteral(": "), QStringLiteral("; "), QStringLiteral(", ")};
        const QSet<QString> punctuationMarks{QStringLiteral("!"),  QStringLiteral("?"),  QStringLiteral(","),
                                             QStringLiteral("'"),  QStringLiteral("."),  QStringLiteral("\""),
                                             QStringLiteral(". "), QStringLiteral("? "), QStringLiteral(", ")};
        for (const char* name : {"comma", "punctuation"}) {
            const bool comma = QLatin1String(name) == QLatin1String("comma");
            const int rows = comma ? 32 : 30;
            Rig rig;
            auto* s = rig.open<WheelScreen>(QString::fromLatin1(name));
            rig.clock.advance(1);
            QVERIFY(rig.m.QuestionBank[3 * rows].isEmpty());
            QSet<QString> seen, marksUsed;
            for (int n = 0; n < rows; ++n) {
                const QString before = rig.m.QuestionBank[3 * n];
                const QString mark = rig.m.QuestionBank[3 * n + 1];
                const QString after = rig.m.QuestionBank[3 * n + 2];
                const QString sentence = before + mark + after;
                const QString row = before + QLatin1Char('|') + mark + QLatin1Char('|') + after;
                QVERIFY2(!seen.contains(row), qPrintable(sentence));
                seen.insert(row);
                marksUsed.insert(mark);
                if (comma) {
                    QCOMPARE(mark, commaMarks[n <= 10 ? 0 : n <= 21 ? 1 : 2]);
                    QVERIFY2(!before.isEmpty() && !after.isEmpty(), qPrintable(sentence));
                    // After a semi-colon the sentence goes on in lower case, so a full stop
                    // in the gap would leave the next sentence without its capital letter.
                    if (n >= 11 && n <= 21) QVERIFY2(after[0].isLower(), qPrintable(sentence));
                } else {
                    QVERIFY2(punctuationMarks.contains(mark), qPrintable(sentence));
                    QVERIFY2(sentence.count(QLatin1Char('"')) % 2 == 0, qPrintable(sentence));
                    QVERIFY2(!sentence.contains(QChar(0x201C)) && !sentence.contains(QChar(0x201D)), qPrintable(sentence));
                }
                // Shown as the screen shows it.
                if (comma) {
                    if (rig.m.LastPick == n) s->cmdgo->Click();
                    rig.random.push((n + 0.5) / rows);
                }
                while (rig.m.LastPick != n) s->cmdgo->Click();
                Label* after2 = s->Label3(2);
                QVERIFY2(after2->Left() + after2->Width() <= 11760, qPrintable(sentence));
                if (!comma) QCOMPARE(after2->Top(), s->Label3(0)->Top());
                QVERIFY2(s->Shape1->Left() + s->Shape1->Width() <= 11760, qPrintable(sentence));
                QVERIFY2(s->Label6->textHeightTwips() <= s->Label6->Height(), qPrintable(sentence));
            }
            if (!comma) QCOMPARE(marksUsed, punctuationMarks);
            const QStringList samples =
                comma ? QStringList{QStringLiteral("Jen’s a serious pupil|: |she’s hardworking, intelligent and thoughtful."),
                                    QStringLiteral("Punctuation has many parts|: |colons, apostrophes, commas and more."),
                                    QStringLiteral("Ashwin likes football|; |my friend Corey prefers cricket."),
                                    QStringLiteral("Jill makes quilts and cushions|; |the embroidery is by hand."),
                                    QStringLiteral("Workdays this week will be Monday|, |Tuesday and Friday."),
                                    QStringLiteral("'Come along now|, |' smiled the nurse."),
                                    QStringLiteral("She said with a sly grin|, |'This won’t hurt.'")}
                      : QStringList{QStringLiteral("\"Look|!|\" yelled her brother."),
                                    QStringLiteral("\"Is it still raining|?|\" asked the nurse."),
                                    QStringLiteral("\"Here’s your coat|,|\" I said."),
                                    QStringLiteral("\"I’m not sure they|'|ll win,\" I said."),
                                    QStringLiteral("There’s oil beneath the North Sea|. |"),
                                    QStringLiteral("Where’s the Isle of Man|? |")};
            for (const QString& sample : samples) QVERIFY2(seen.contains(sample), qPrintable(sample));
        }
    }

    // Rows mended from the samples keep their corrected form.
    void mendedSamples() {
        Rig rig;
        rig.open<ExerciseScreen>(QStringLiteral("tenses"));
        rig.clock.advance(1);
        QStringList tenses(rig.m.QuestionBank.begin(), rig.m.QuestionBank.begin() + 33);
        QVERIFY(tenses.contains(QStringLiteral("Is he going to play for our side?")));
        QVERIFY(!tenses.contains(QStringLiteral("Is he going to play for our side.")));
        QVERIFY(tenses.contains(QStringLiteral("Shush!  I can hear them.")));
        rig.flow->unload(QStringLiteral("tenses"));
        rig.open<ExerciseScreen>(QStringLiteral("connections"));
        rig.clock.advance(1);
        QStringList conn(rig.m.QuestionBank.begin(), rig.m.QuestionBank.begin() + 30);
        QVERIFY(conn.contains(QStringLiteral("My drink’s cold and Tom’s car won’t start.")));
        QVERIFY(conn.contains(QStringLiteral("My drink’s cold and I need to reheat it.")));
        QVERIFY(conn.contains(QStringLiteral("We’ve missed the bus and now we’ll have to wait.")));
        for (const QString& q : conn) QVERIFY2(!q.startsWith(QStringLiteral("My drinks")), qPrintable(q));
    }
};

QTEST_MAIN(BankTest)
#include "test_banks.moc"
