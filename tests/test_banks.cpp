// Every bank against the limits of its screen: how many rows, how many of each answer,
// keys that name a box, no empty or repeated sentence, and every text fitting its label
// at the real font and size. A new family adds its screens to the table below.

#include <QtTest>
#include <map>

#include "exercise/exercise_screen.h"
#include "exercise/word_tiles.h"
#include "rig.h"
#include "topics/drag/word_drag.h"

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

// The word-drag banks: what each key row means on its screen.
enum class DragKey {
    Asterisks,  // a word to leave out has one asterisk per letter
    Star,       // a word to leave out has a single asterisk
    Standard,   // one colloquial word, keyed by its standard word
    TwoMarked,  // the two words of a double negative, and the corrected sentence
    Agreement,  // "X" correct as it stands, or "V" with one verb to mend
    Code,       // one code digit per word
};

struct DragBankCheck {
    const char* screen;
    int rows;
    int slotCount;
    bool oneLine;
    DragKey key;
    QStringList samples;  // the first rows, as given
};

const std::vector<DragBankCheck>& dragChecks() {
    static const std::vector<DragBankCheck> c = {
        {"basic", 20, 13, false, DragKey::Asterisks,
         {"The new red bike was hidden. ", "Public transport carries people in trains and buses. ",
          "Joe, the football player, is a great striker. ", "Cheese is made from cows, goats or buffalo milk. "}},
        {"notes", 30, 17, false, DragKey::Star,
         {QString::fromUtf8("The bad tempered traffic warden angrily stuck a yellow parking ticket on Jack’s car. "),
          "On a chilly day in September my young cousin nervously joined the Nursery school. "}},
        {"conv", 32, 10, true, DragKey::Standard,
         {"My friend and me are having a sleepover. ", "It was the teacher what said it. "}},
        {"negative", 30, 8, true, DragKey::TwoMarked,
         {"She is not unsure of the way there. ", "The car was not a nonstarter. ", "The water is not impure. ",
          "At first they were not disbelieved. ", "The team was not dissatisfied with the result. "}},
        {"noun", 30, 8, true, DragKey::Agreement,
         {"We is washing the car for pocket money. ", "Did you heard them cheering? ",
          "Oliver eating his food and asked for more. ", "The ink leaked all over the books. ",
          "Yesterday the relay was win by yellow team. ", "They lit the barbecue early. "}},
        {"noun2", 36, 10, true, DragKey::Code,
         {"Florence Nightingale turned her back ", "on the comforts she had known. ",
          "Against the wishes of her parents, ", "she went to the Crimea to nurse injured soldiers. "}},
    };
    return c;
}

// The number of letters in a word, which its asterisks must match.
int letters(const QString& word) {
    int n = 0;
    for (const QChar c : word) n += c.isLetter() ? 1 : 0;
    return n;
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

    void dragBanks_data() {
        QTest::addColumn<int>("which");
        for (int i = 0; i < int(dragChecks().size()); ++i) QTest::newRow(dragChecks()[i].screen) << i;
    }
    void dragBanks() {
        QFETCH(int, which);
        const DragBankCheck& check = dragChecks()[which];
        Rig rig;
        auto* s = rig.open<DragScreen>(QString::fromLatin1(check.screen));
        QVERIFY(s);
        rig.clock.advance(1);
        QCOMPARE(s->Label7.count(), check.slotCount);
        int rows = 0;
        while (rows < 100 && !rig.m.QuestionBank[rows].isEmpty()) ++rows;
        QCOMPARE(rows, check.rows);
        for (int i = 0; i < int(check.samples.size()); ++i) QCOMPARE(rig.m.QuestionBank[i], check.samples[i]);

        // Widths of words as the tiles show them, at the real font.
        Label* ruler = s->Label7(0);
        const auto widths = [&](const QStringList& words) {
            std::vector<double> w;
            for (const QString& word : words) {
                ruler->setCaption(word);
                w.push_back(ruler->Width());
            }
            return w;
        };
        const auto rightEdge = [&](const std::vector<double>& w) {
            const std::vector<TilePlace> places = flowPlaces(w, s->flow());
            return places.empty() ? 0.0 : places.back().left + w.back();
        };

        QSet<QString> seen;
        std::map<QString, int> marks;
        for (int i = 0; i < rows; ++i) {
            const QString& q = rig.m.QuestionBank[i];
            const QString& a = rig.m.AnswerBank[i];
            const char* row = qPrintable(q);
            QVERIFY2(!seen.contains(q), row);
            seen.insert(q);
            QVERIFY2(q.endsWith(QLatin1Char(' ')) && !q.contains(QStringLiteral("  ")) && !q.startsWith(QLatin1Char(' ')),
                     row);
            const int n = wordCount(q);
            QVERIFY2(n <= check.slotCount, row);
            const QStringList words = splitWords(q, check.slotCount);
            for (const QString& w : words) QVERIFY2(!w.isEmpty(), row);

            QStringList keys = words;
            if (check.key == DragKey::Code) {
                const QString& code = rig.m.CodeBank[i];
                QVERIFY2(code.size() == n, row);
                for (const QChar c : code) QVERIFY2(c >= QLatin1Char('0') && c <= QLatin1Char('3'), row);
                QCOMPARE(a, q);
            } else {
                QVERIFY2(a.endsWith(QLatin1Char(' ')) && !a.contains(QStringLiteral("  ")), qPrintable(a));
                QVERIFY2(wordCount(a) == n, qPrintable(a));
                keys = splitWords(a, check.slotCount);
            }

            int marked = 0;
            for (int k = 0; k < n; ++k) {
                const QString& w = words[k];
                const QString& key = keys[k];
                if (w == key) continue;
                ++marked;
                const QString why = QStringLiteral("%1 / %2 in: %3").arg(w, key, q);
                switch (check.key) {
                case DragKey::Asterisks: {
                    // The name before a parenthesis loses only its comma.
                    if (w == QLatin1String("Joe,") && key == QLatin1String("Joe")) break;
                    QVERIFY2(key.count(QLatin1Char('*')) == letters(w), qPrintable(why));
                    QString rest = key;
                    rest.remove(QLatin1Char('*'));
                    QVERIFY2(rest.isEmpty() || w.endsWith(rest), qPrintable(why));
                    break;
                }
                case DragKey::Star:
                    QVERIFY2(key == QLatin1String("*"), qPrintable(why));
                    break;
                case DragKey::Standard:
                case DragKey::Agreement:
                    QVERIFY2(!key.contains(QLatin1Char('*')) && letters(key) > 0, qPrintable(why));
                    break;
                default:
                    break;
                }
            }
            switch (check.key) {
            case DragKey::Asterisks:
            case DragKey::Star:
                QVERIFY2(marked >= 1 && marked < n, row);
                break;
            case DragKey::Standard:
                QVERIFY2(marked == 1, row);
                break;
            case DragKey::TwoMarked: {
                QVERIFY2(marked == 2, row);
                auto* corrected = s->find<Label>(QStringLiteral("Label4"));
                QVERIFY(corrected);
                const QString& e = rig.m.ExtraBank[i];
                QVERIFY2(!e.isEmpty() && e == e.trimmed() && e != q.trimmed(), row);
                corrected->setCaption(e);
                QVERIFY2(corrected->textHeightTwips() <= corrected->Height(), qPrintable(e));
                break;
            }
            case DragKey::Agreement: {
                const QString& mark = rig.m.ExtraBank[i];
                QVERIFY2(mark == QLatin1String("X") || mark == QLatin1String("V"), row);
                ++marks[mark];
                QVERIFY2(marked == (mark == QLatin1String("X") ? 0 : 1), row);
                break;
            }
            case DragKey::Code:
                QVERIFY2(rig.m.CodeBank[i].count(QLatin1Char('0')) < n, row);
                break;
            }

            // Every row stays in its place on the screen: on one line where the sentence
            // does not wrap, within three lines where it does, whichever words are swapped.
            const std::vector<double> sentenceWidths = widths(words);
            const std::vector<double> keyWidths = widths(keys);
            if (check.oneLine) {
                QVERIFY2(rightEdge(sentenceWidths) <= 11760, row);
                QVERIFY2(rightEdge(keyWidths) <= 11760, qPrintable(a));
            } else {
                std::vector<double> widest = sentenceWidths;
                for (std::size_t k = 0; k < widest.size(); ++k) widest[k] = std::max(widest[k], keyWidths[k]);
                QVERIFY2(lineCount(flowPlaces(widest, s->flow())) <= 3, row);
            }
        }
        if (check.key == DragKey::Agreement) {
            QVERIFY(marks[QStringLiteral("X")] >= 12);
            QVERIFY(marks[QStringLiteral("V")] >= 12);
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
