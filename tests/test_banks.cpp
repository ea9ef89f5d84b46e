// Every bank against the limits of its screen: how many rows, how many of each answer,
// keys that name a box, no empty or repeated sentence, and every text fitting its label
// at the real font and size. A new family adds its screens to the table below.

#include <QtTest>
#include <map>

#include "exercise/exercise_screen.h"
#include "rig.h"

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
