// A teacher's bank files: the tab-separated text they are kept in, the checks of each row
// against its screen, the folders they are found in, what a screen plays and says when it
// opens, and the command line that exports and checks them.

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "exercise/banks/bank_file.h"
#include "exercise/banks/bank_folders.h"
#include "exercise/banks/row_form.h"
#include "exercise/exercise_screen.h"
#include "rig.h"
#include "topics/catalogue.h"
#include "topics/choice/classify.h"

using namespace qm;
using namespace qm::test;

namespace {

const RowForm& formOf(const char* screen) {
    const ScreenEntry* e = topicCatalogue().find(QString::fromLatin1(screen));
    Q_ASSERT(e && e->rows);
    return *e->rows;
}

// The rows of a file: the column names first, then the fields of each question.
QList<QStringList> exportedRows(const RowForm& form) {
    QList<QStringList> rows{form.columns()};
    for (int n = 0; n < form.builtIn().questions; ++n) rows << form.fieldsOf(form.builtIn(), n);
    return rows;
}

// A screen's own file with some of its rows changed.
QByteArray edited(const char* screen, const std::function<void(QList<QStringList>&)>& change) {
    QList<QStringList> rows = exportedRows(formOf(screen));
    change(rows);
    return writeBankText(rows);
}

// The tenses screen's file of three rows about the Romans.
QByteArray romanTenses() {
    return writeBankText({formOf("tenses").columns(),
                          {QStringLiteral("The Romans built straight roads across Britain."), QStringLiteral("PAST")},
                          {QStringLiteral("Roman soldiers march in neat lines."), QStringLiteral("PRESENT")},
                          {QStringLiteral("We will visit Hadrian's Wall next summer."), QStringLiteral("FUTURE")}});
}

// Where two banks differ first, for a failure message.
QString difference(const BankImage& a, const BankImage& b) {
    if (a.questions != b.questions) return QStringLiteral("%1 questions, not %2").arg(a.questions).arg(b.questions);
    const auto table = [](const char* name, const QStringList& x, const QStringList& y) -> QString {
        for (int i = 0; i < int(std::max(x.size(), y.size())); ++i)
            if (x.value(i, QStringLiteral("<none>")) != y.value(i, QStringLiteral("<none>")))
                return QStringLiteral("%1 %2: [%3] not [%4]").arg(name).arg(i).arg(x.value(i), y.value(i));
        return QString();
    };
    for (const QString& d : {table("question", a.question, b.question), table("answer", a.answer, b.answer),
                             table("extra", a.extra, b.extra), table("code", a.code, b.code)})
        if (!d.isEmpty()) return d;
    return a.keys == b.keys ? QString() : QStringLiteral("keys");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Each file below a folder with its bytes and time of last change.
std::map<QString, std::pair<QByteArray, QDateTime>> snapshot(const QString& folder) {
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) files[path] = {f.readAll(), QFileInfo(path).lastModified()};
    }
    return files;
}

// The first problem of a bank read with a screen's form, as the check prints it.
QString firstProblem(const char* screen, const QByteArray& bytes) {
    const BankFileCheck read = readBank(formOf(screen), bytes);
    if (read.problems.isEmpty()) return QStringLiteral("ok");
    return QStringLiteral("%1: %2").arg(read.problems.first().line).arg(read.problems.first().what);
}

// The program itself, run to its end without a display.
struct Run {
    Run(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("QM_EXECUTABLE"), args);
        finished = p.waitForFinished(60000);
        status = p.exitCode();
        // Lines end in CR LF on Windows.
        out = QString::fromUtf8(p.readAllStandardOutput()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        err = QString::fromUtf8(p.readAllStandardError()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    bool finished;
    int status;
    QString out, err;
};

}  // namespace

class BankFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFonts(); }

    // The text of a file: fields between tabs, quoted where they hold a tab, a quote mark
    // or a line break, spaces kept, blank lines left out, and every row on its first line.
    void fileText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QList<int>>("lines");
        using L = QList<QStringList>;
        QTest::newRow("plain") << QByteArray("a\tb\nc\td\n") << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        QTest::newRow("windows line ends and a mark") << QByteArray("\xEF\xBB\xBF" "a\tb\r\nc\td\r\n")
                                                      << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        QTest::newRow("no last line end") << QByteArray("a\tb\nc\td") << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 2};
        QTest::newRow("spaces kept") << QByteArray("a \t b\n") << L{{"a ", " b"}} << QList<int>{1};
        QTest::newRow("quoted") << QByteArray("\"a\tb\"\t\"say \"\"hi\"\"\"\n")
                                << L{{"a\tb", "say \"hi\""}} << QList<int>{1};
        QTest::newRow("line break in quotes") << QByteArray("\"one\ntwo\"\tx\ny\tz\n")
                                              << L{{"one\ntwo", "x"}, {"y", "z"}} << QList<int>{1, 3};
        QTest::newRow("blank lines") << QByteArray("a\tb\n\n\t\nc\td\n") << L{{"a", "b"}, {"c", "d"}}
                                     << QList<int>{1, 4};
        QTest::newRow("lines of spaces and tabs") << QByteArray("a\tb\n  \n \t \r\n\"\"\t \nc\td\n")
                                                  << L{{"a", "b"}, {"c", "d"}} << QList<int>{1, 5};
        QTest::newRow("typographic marks") << QByteArray("I\xE2\x80\x99m\t\xE2\x80\x93\n")
                                           << L{{QString::fromUtf8("I’m"), QString::fromUtf8("–")}} << QList<int>{1};
        // Excel's "Unicode Text", both byte orders.
        const QString unicode = QStringLiteral("I\u2019m\t\u2013\r\nc\td\r\n");
        QByteArray little("\xFF\xFE"), big("\xFE\xFF");
        for (const QChar c : unicode) {
            little += char(c.unicode() & 0xFF), little += char(c.unicode() >> 8);
            big += char(c.unicode() >> 8), big += char(c.unicode() & 0xFF);
        }
        QTest::newRow("UTF-16 little-endian") << little << L{{QString::fromUtf8("I’m"), QString::fromUtf8("–")}, {"c", "d"}}
                                              << QList<int>{1, 2};
        QTest::newRow("UTF-16 big-endian") << big << L{{QString::fromUtf8("I’m"), QString::fromUtf8("–")}, {"c", "d"}}
                                           << QList<int>{1, 2};
    }
    void fileText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QList<int>, lines);
        const FileText text = readBankText(bytes);
        QVERIFY(text.problems.isEmpty());
        QCOMPARE(int(text.rows.size()), int(rows.size()));
        for (int i = 0; i < int(rows.size()); ++i) {
            QCOMPARE(text.rows[i].fields, rows[i]);
            QCOMPARE(text.rows[i].line, lines[i]);
        }
        // What is written reads back the same.
        QCOMPARE(readBankText(writeBankText(rows)).rows.size(), rows.size());
        for (int i = 0; i < int(rows.size()); ++i) QCOMPARE(readBankText(writeBankText(rows)).rows[i].fields, rows[i]);
    }

    // Every screen's own rows, exported and read back, are exactly the rows it plays; on
    // disk too, through the bank folder.
    void exportThenLoadGivesTheBuiltInRows() {
        QTemporaryDir dir;
        QString printed;
        QTextStream out(&printed);
        QCOMPARE(exportBankFiles(topicCatalogue(), dir.path(), out), 0);
        const std::map<QString, TeacherBank> loaded = loadTeacherBanks(topicCatalogue(), {dir.path()});
        int screens = 0;
        for (const ScreenEntry& e : topicCatalogue().entries()) {
            QVERIFY2(e.rows, qPrintable(e.name));
            ++screens;
            const BankFileCheck read = readBank(*e.rows, exportBank(*e.rows, e.rows->builtIn()));
            QVERIFY2(read.problems.isEmpty(),
                     qPrintable(e.name + QStringLiteral(": ") + read.problems.value(0).what));
            QVERIFY2(read.rows == e.rows->builtIn(),
                     qPrintable(e.name + QStringLiteral(": ") + difference(read.rows, e.rows->builtIn())));
            const auto file = loaded.find(e.name);
            QVERIFY2(file != loaded.end() && file->second.usable(), qPrintable(e.name));
            QVERIFY2(file->second.rows == e.rows->builtIn(), qPrintable(e.name));
            QCOMPARE(file->second.file, dir.filePath(e.name + QStringLiteral(".tsv")));
        }
        QCOMPARE(screens, 32);
        QCOMPARE(int(loaded.size()), 32);
    }

    // A teacher's rows are what the screen plays, answered through a real click.
    void changedRowsArePlayed() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("tenses.tsv")), romanTenses());
        Rig rig;
        rig.m.SoundOn = 1;
        rig.m.teacherBanks = loadTeacherBanks(topicCatalogue(), {dir.path()});
        rig.random.script(0.0, 0.5, 0.9);
        auto* s = rig.open<ClassifyScreen>(QStringLiteral("tenses"));
        rig.clock.advance(1);
        QCOMPARE(s->bank().questions, 3);
        QCOMPARE(rig.m.QuestionBank[0], QStringLiteral("The Romans built straight roads across Britain."));
        QCOMPARE(rig.m.QuestionBank[3], QString());  // nothing of the screen's own rows
        QCOMPARE(s->Label1->Caption(), QStringLiteral("The Romans built straight roads across Britain."));
        clickOn(*s->Label5(0));  // PAST
        QCOMPARE(s->Label6->Caption(), QStringLiteral("Correct"));
        QVERIFY(s->Label6->Visible());
        QCOMPARE(rig.sound.played.last(), QStringLiteral("wav\\cash.wav"));
        // The draw goes over the teacher's three rows only.
        clickOn(*s->cmdgo);
        QCOMPARE(s->Label1->Caption(), QStringLiteral("Roman soldiers march in neat lines."));
        clickOn(*s->Label5(2));
        QCOMPARE(s->Label6->Caption(), QStringLiteral("Wrong"));
        clickOn(*s->cmdgo);
        QCOMPARE(s->Label1->Caption(), QStringLiteral("We will visit Hadrian's Wall next summer."));
        QVERIFY(rig.fatal.warnings.isEmpty());
    }

    // Each kind of problem, on the line it lies on.
    void problemsAndTheirLines_data() {
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");  // "line: start of what is wrong"
        using R = QList<QStringList>;
        QTest::newRow("columns not named") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[0][0] = QStringLiteral("question");
        }) << QStringLiteral("1: the first line must name the columns");
        QTest::newRow("commas, not tabs") << QByteArray("tenses")
                                          << QByteArray("sentence,answer\nHe ran.,PAST\nShe runs.,PRESENT\n")
                                          << QStringLiteral("1: the columns are not separated by tabs");
        QTest::newRow("answer not a box") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[2][1] = QStringLiteral("PASTE");
        }) << QStringLiteral("3: the answer \"PASTE\" is not one of the boxes: PAST, PRESENT or FUTURE");
        QTest::newRow("empty sentence") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[5][0] = QString();
        }) << QStringLiteral("6: the sentence is empty");
        QTest::newRow("sentence too long") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[4][0] = QStringLiteral("The Romans built long straight roads, tall stone walls, warm baths, busy towns, "
                                     "grand villas and huge forts all over Britain.");
        }) << QStringLiteral("5: the sentence is too long for its place on the screen");
        QTest::newRow("repeated") << QByteArray("tenses") << edited("tenses", [](R& r) { r[7] = r[2]; })
                                  << QStringLiteral("8: the same question as line 3");
        QTest::newRow("one row") << QByteArray("tenses") << edited("tenses", [](R& r) { r = r.mid(0, 2); })
                                 << QStringLiteral("2: too few rows for the draw");
        QTest::newRow("over 100 rows") << QByteArray("tenses") << edited("tenses", [](R& r) {
            for (int i = 0; r.size() < 103; ++i)
                r << QStringList{QStringLiteral("Row %1 was here.").arg(i), QStringLiteral("PAST")};
        }) << QStringLiteral("102: more than 100 rows");
        QTest::newRow("extra field") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[3] << QStringLiteral("more");
        }) << QStringLiteral("4: 3 columns where this exercise has 2 (sentence, answer");
        QTest::newRow("missing field") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[9].removeLast();
        }) << QStringLiteral("10: 1 column where this exercise has 2 (sentence, answer");
        QTest::newRow("line break in a field") << QByteArray("tenses") << edited("tenses", [](R& r) {
            r[2][0] = QStringLiteral("He ran\naway.");
        }) << QStringLiteral("3: a tab or a line break inside a field");
        QTest::newRow("text after a closing quote") << QByteArray("tenses")
                                                    << QByteArray("sentence\tanswer (PAST, PRESENT or FUTURE)\n"
                                                                  "\"He ran.\" off\tPAST\nShe runs.\tPRESENT\n")
                                                    << QStringLiteral("2: text after the closing quote mark");
        QTest::newRow("too many words for the tiles") << QByteArray("basic") << edited("basic", [](R& r) {
            r[1] = QStringList{QStringLiteral("One two three four five six seven eight nine ten eleven twelve "
                                              "thirteen fourteen."),
                               QStringLiteral("One *** three four five six seven eight nine ten eleven twelve "
                                              "thirteen fourteen.")};
        }) << QStringLiteral("2: the sentence has 14 words, but the screen has room for 13");
        QTest::newRow("key of another length") << QByteArray("conv") << edited("conv", [](R& r) {
            r[2][1] = r[2][1].trimmed() + QStringLiteral(" too");
        }) << QStringLiteral("3: the key has");
        QTest::newRow("codes for the wrong words") << QByteArray("noun2") << edited("noun2", [](R& r) {
            r[4][1] += QStringLiteral(" 1");
        }) << QStringLiteral("5: the codes have");
        QTest::newRow("mark not on a box") << QByteArray("punc2") << edited("punc2", [](R& r) {
            r[3][2] = QStringLiteral("#");
        }) << QStringLiteral("4: the missing mark \"#\" is not one of the boxes");
        QTest::newRow("part number out of range") << QByteArray("clause") << edited("clause", [](R& r) {
            r[2][r[2].size() - 1] = QStringLiteral("4");
        }) << QStringLiteral("3: \"4\" is not part 1, 2 or 3");
        QTest::newRow("swap word not in the sentence") << QByteArray("prepositions")
                                                       << edited("prepositions", [](R& r) {
                                                              std::swap(r[6][2], r[6][3]);
                                                          })
                                                       << QStringLiteral("7: the right word must be");
        // Stopping on the word the sentence already has makes a sensible sentence.
        QTest::newRow("wrong word is the preposition") << QByteArray("prepositions") << edited("prepositions", [](R& r) {
            r[1][4] = QStringLiteral("behind");
        }) << QStringLiteral("2: the wrong word 2 \"behind\" is the word to find itself");
        QTest::newRow("wrong word is the connective") << QByteArray("connectives") << edited("connectives", [](R& r) {
            r[3][4] = QStringLiteral("Although");
        }) << QStringLiteral("4: the wrong word 2 \"Although\" is the word to find itself");
        // Any changed word counts as the one to find, so a preposition swap changes one word.
        QTest::newRow("preposition swap of two words") << QByteArray("prepositions") << edited("prepositions", [](R& r) {
            r[1][1] = QStringLiteral("The gang ran near the shed.");
        }) << QStringLiteral("2: the swapped sentence has \"ran near\" in place of \"hid behind\": this exercise swaps "
                             "one word for one word");
        QTest::newRow("preposition of two words swapped in") << QByteArray("prepositions") << edited("prepositions", [](R& r) {
            r[2] = QStringList{r[2][0], QStringLiteral("She put the books next to the shelf."), QStringLiteral("next to"),
                               r[2][3], r[2][4], r[2][5]};
        }) << QStringLiteral("3: the swapped sentence has \"next to\" in place of \"on\"");
        QTest::newRow("wheel mark") << QByteArray("comma") << edited("comma", [](R& r) {
            r[2][1] = QStringLiteral("%");
        }) << QStringLiteral("3: the missing mark \"%\" is not one of the marks on the wheel");
        QTest::newRow("count not a number") << QByteArray("puncnum") << edited("puncnum", [](R& r) {
            r[1][1] = QStringLiteral("four");
        }) << QStringLiteral("2: \"four\" is not a number from 1 to");
    }
    void problemsAndTheirLines() {
        QFETCH(QByteArray, screen);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const QString found = firstProblem(screen.constData(), bytes);
        QVERIFY2(found.startsWith(problem), qPrintable(found));
    }

    // Files that cannot be read at all: each is named with its line, and the screen plays
    // its own rows and says so the first time it opens, and only then.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray good = romanTenses();
        QTest::newRow("empty") << QByteArray() << QStringLiteral("1: the file is empty");
        QTest::newRow("only blank lines") << QByteArray("\r\n\r\n") << QStringLiteral("1: the file is empty");
        QTest::newRow("binary") << QByteArray("sentence\tanswer\nHe") + QByteArray(1, '\0') + QByteArray("ran.\tPAST\n")
                                << QStringLiteral("2: binary: the file holds a zero byte");
        QTest::newRow("over 1 MiB") << good + QByteArray(1024 * 1024, '\n')
                                    << QStringLiteral("1: the file is larger than 1 MiB");
        QByteArray latin1 = good;
        latin1.replace("Hadrian's", "Hadrien\xE9s");
        QTest::newRow("Latin-1") << latin1 << QStringLiteral("4: not UTF-8 text");
        QByteArray windows = good;
        windows.replace("Hadrian's", "Hadrian\x92s");
        QTest::newRow("Windows-1252") << windows
                                      << QStringLiteral("4: not UTF-8 text: save it again from the spreadsheet, in Excel as "
                                                        "\"Unicode Text\", in LibreOffice Calc as \"Text CSV\" with the "
                                                        "character set UTF-8 and the field delimiter tab");
        QTest::newRow("UTF-16 cut in the middle of a character")
            << QByteArray("\xFF\xFE") + QByteArray("s\0e\0n\0", 6) + QByteArray("\n", 1)
            << QStringLiteral("1: not UTF-16 text");
        QTest::newRow("UTF-16 with half a pair") << QByteArray("\xFE\xFF\0\n\xD8\x01\0s", 8)
                                                  << QStringLiteral("2: not UTF-16 text");
        QTest::newRow("UTF-16 without its mark") << QByteArray("s\0e\0n\0", 6)
                                                  << QStringLiteral("1: binary: the file holds a zero byte");
        QTest::newRow("extra column") << QByteArray(good).replace("\tPRESENT\r\n", "\tPRESENT\tnow\r\n")
                                      << QStringLiteral("3: 3 columns where this exercise has 2");
        QTest::newRow("missing column") << QByteArray(good).replace("\tPAST", "")
                                        << QStringLiteral("2: 1 column where this exercise has 2");
        QTest::newRow("unclosed quote") << good + QByteArray("\"The legions marched north.\tPAST\r\n")
                                        << QStringLiteral("5: a field in quote marks is never closed");
    }
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tenses.tsv"));
        writeFile(path, bytes);

        // The check of the folder prints the file, the line and what is wrong.
        QString printed;
        QTextStream out(&printed);
        QCOMPARE(checkBankFolder(topicCatalogue(), dir.path(), out), 1);
        QVERIFY2(printed.startsWith(path + QLatin1Char(':') + problem), qPrintable(printed));

        Rig rig;
        rig.m.teacherBanks = loadTeacherBanks(topicCatalogue(), {dir.path()});
        const BankImage& own = formOf("tenses").builtIn();
        for (int opening = 0; opening < 2; ++opening) {
            auto* s = rig.open<ClassifyScreen>(QStringLiteral("tenses"));
            rig.clock.advance(1);
            QCOMPARE(s->bank(), own);
            for (int i = 0; i < own.questions; ++i) QCOMPARE(rig.m.QuestionBank[i], own.question[i]);
            QCOMPARE(rig.m.QuestionBank[own.questions], QString());
            s->cmdexit->Click();
            rig.collect();
        }
        QCOMPARE(int(rig.fatal.warnings.size()), 1);
        const QString message = rig.fatal.warnings.first().second;
        const int colon = problem.indexOf(QLatin1Char(':'));
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Line ") + problem.left(colon) + QLatin1Char(':')), qPrintable(message));
        QVERIFY2(message.contains(problem.mid(colon + 2)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Tenses")), qPrintable(message));
    }

    // A bank file is found whatever the case of its name; a file named after an exercise
    // with another ending is not read, and is told of as a failing file is, unless the
    // folder has the exercise's .tsv file beside it.
    void fileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("beside");  // another file in the folder, with nothing good in it
        QTest::addColumn<bool>("used");
        QTest::newRow("capital first") << QStringLiteral("Tenses.tsv") << QString() << true;
        QTest::newRow("capitals") << QStringLiteral("TENSES.TSV") << QStringLiteral("readme.txt") << true;
        QTest::newRow("tsv beside a csv") << QStringLiteral("tenses.tsv") << QStringLiteral("tenses.csv") << true;
        QTest::newRow("csv") << QStringLiteral("tenses.csv") << QString() << false;
        QTest::newRow("txt") << QStringLiteral("tenses.txt") << QStringLiteral("readme.txt") << false;
        QTest::newRow("csv added by the spreadsheet") << QStringLiteral("Tenses.TSV.csv") << QString() << false;
        QTest::newRow("no ending") << QStringLiteral("tenses") << QString() << false;
    }
    void fileNames() {
        QFETCH(QString, name);
        QFETCH(QString, beside);
        QFETCH(bool, used);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        writeFile(path, romanTenses());
        if (!beside.isEmpty()) writeFile(dir.filePath(beside), QByteArray("broken\n"));

        const std::map<QString, TeacherBank> banks = loadTeacherBanks(topicCatalogue(), {dir.path()});
        QCOMPARE(int(banks.size()), 1);
        const TeacherBank& bank = banks.at(QStringLiteral("tenses"));
        QCOMPARE(bank.file, path);
        QCOMPARE(bank.usable(), used);
        QString printed;
        QTextStream out(&printed);
        QCOMPARE(checkBankFolder(topicCatalogue(), dir.path(), out), used ? 0 : 1);

        Rig rig;
        rig.m.teacherBanks = banks;
        for (int opening = 0; opening < 2; ++opening) {
            auto* s = rig.open<ClassifyScreen>(QStringLiteral("tenses"));
            rig.clock.advance(1);
            QCOMPARE(s->bank().questions, used ? 3 : formOf("tenses").builtIn().questions);
            s->cmdexit->Click();
            rig.collect();
        }
        if (used) {
            QCOMPARE(printed, path + QStringLiteral(": ok: 3 rows\n"));
            QVERIFY(rig.fatal.warnings.isEmpty());
            return;
        }
        QCOMPARE(printed, path + QStringLiteral(":1: its name does not end in .tsv, so it is not read: name it tenses.tsv "
                                                "(when saving tab-separated text, a spreadsheet may add .txt or .csv of "
                                                "its own)\n"));
        QCOMPARE(int(rig.fatal.warnings.size()), 1);
        const QString message = rig.fatal.warnings.first().second;
        QVERIFY2(message.contains(path) && message.contains(QStringLiteral("name it tenses.tsv")), qPrintable(message));
    }

    // A failing file on one screen leaves the others alone, and each screen with a failing
    // file says so once in a run.
    void onceForEachScreen() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("tenses.tsv")), QByteArray("nonsense\n"));
        writeFile(dir.filePath(QStringLiteral("active.tsv")), QByteArray("nonsense\n"));
        writeFile(dir.filePath(QStringLiteral("verbforms.tsv")), exportBank(formOf("verbforms"), formOf("verbforms").builtIn()));
        Rig rig;
        rig.m.teacherBanks = loadTeacherBanks(topicCatalogue(), {dir.path()});
        for (const char* name : {"tenses", "verbforms", "active", "tenses", "active", "verbforms"}) {
            auto* s = rig.open<ExerciseScreen>(QString::fromLatin1(name));
            rig.clock.advance(1);
            s->cmdexit->Click();
            rig.collect();
        }
        QCOMPARE(int(rig.fatal.warnings.size()), 2);
        QVERIFY(rig.fatal.warnings[0].second.contains(QStringLiteral("tenses.tsv")));
        QVERIFY(rig.fatal.warnings[1].second.contains(QStringLiteral("active.tsv")));
    }

    // Thousands of changes to a good file: every one is read to its end, either fine or
    // with problems that each name a line of the file.
    void mutations() {
        QRandomGenerator random(20261208);
        const char* screens[] = {"tenses", "basic", "clause", "punc2", "prepositions", "noun2", "comma", "speech"};
        const QByteArray pieces[] = {"\t", "\"", "\r", "\n", "\r\n", QByteArray(1, '\0'), "\xFF", "\xE2\x80",
                                     " ", "PAST", "  ", "\"\"", "x"};
        int ok = 0, refused = 0;
        for (int round = 0; round < 3000; ++round) {
            const char* screen = screens[round % std::size(screens)];
            QByteArray bytes = exportBank(formOf(screen), formOf(screen).builtIn());
            for (int change = 1 + int(random.bounded(3)); change > 0; --change) {
                const qsizetype at = random.bounded(int(bytes.size()) + 1);
                switch (random.bounded(4)) {
                case 0: bytes.insert(at, pieces[random.bounded(int(std::size(pieces)))]); break;
                case 1: bytes.remove(at, 1 + random.bounded(8)); break;
                case 2: if (at < bytes.size()) bytes[at] = char(random.bounded(256)); break;
                default: bytes = bytes.left(at); break;
                }
            }
            int lines = 1;  // a line end is CR LF, LF or CR alone
            for (qsizetype i = 0; i < bytes.size(); ++i)
                lines += bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) ? 1 : 0;
            const BankFileCheck read = readBank(formOf(screen), bytes);
            if (read.problems.isEmpty()) {
                ++ok;
                QVERIFY(read.rows.questions >= 2 && read.rows.questions <= formOf(screen).maxRows());
                continue;
            }
            ++refused;
            for (const BankProblem& p : read.problems) {
                QVERIFY2(p.line >= 1 && p.line <= lines, qPrintable(QStringLiteral("%1 of %2").arg(p.line).arg(lines)));
                QVERIFY(!p.what.isEmpty());
            }
        }
        QVERIFY(ok > 0 && refused > 0);
    }

    // For each screen the first folder with its file gives it: the folder given with
    // --banks, then the user's, then the system-wide ones.
    void foldersInOrder() {
        QTemporaryDir dir;
        const QString given = dir.filePath(QStringLiteral("given"));
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString local = dir.filePath(QStringLiteral("local"));
        const QString system = dir.filePath(QStringLiteral("system"));
        const QStringList ours{home + QStringLiteral("/quillmark/banks"), local + QStringLiteral("/quillmark/banks"),
                               system + QStringLiteral("/quillmark/banks")};
        nameTheProgram();
#ifdef Q_OS_WIN
        // Windows names the user's and the machine's data folders itself; then comes the
        // "banks" folder beside the program, once, and no other folder of the program's.
        const QStringList windows = standardBankFolders();
        QCOMPARE(windows.size(), 3);
        QVERIFY2(windows[0].endsWith(QStringLiteral("/AppData/Roaming/quillmark/banks"), Qt::CaseInsensitive), qPrintable(windows[0]));
        QVERIFY2(windows[1].endsWith(QStringLiteral("/ProgramData/quillmark/banks"), Qt::CaseInsensitive), qPrintable(windows[1]));
        QCOMPARE(windows[2].toLower(), (QCoreApplication::applicationDirPath() + QStringLiteral("/banks")).toLower());
        // The rest is played on folders of the test's own.
        const QStringList standard = ours;
#else
        qputenv("XDG_DATA_HOME", home.toUtf8());
        qputenv("XDG_DATA_DIRS", (local + QLatin1Char(':') + system).toUtf8());
        const QStringList standard = standardBankFolders();
        QCOMPARE(standard, ours);
#endif
        QCOMPARE(chosenBankFolders(std::nullopt, standard), standard);
        const QStringList folders = chosenBankFolders(given, standard);
        QCOMPARE(folders, QStringList{given} + standard);

        const QString user = standard[0], sys = standard[2];
        const QByteArray verbforms = exportBank(formOf("verbforms"), formOf("verbforms").builtIn());
        writeFile(sys + QStringLiteral("/tenses.tsv"), romanTenses());
        writeFile(sys + QStringLiteral("/active.tsv"), QByteArray("broken"));
        writeFile(sys + QStringLiteral("/verbforms.tsv"), verbforms);
        writeFile(user + QStringLiteral("/tenses.tsv"), QByteArray("broken"));
        writeFile(user + QStringLiteral("/verbforms.tsv"), verbforms);
        writeFile(given + QStringLiteral("/verbforms.tsv"), verbforms);

        std::map<QString, TeacherBank> banks = loadTeacherBanks(topicCatalogue(), standard);
        QCOMPARE(banks.size(), std::size_t(3));
        QCOMPARE(banks[QStringLiteral("tenses")].file, user + QStringLiteral("/tenses.tsv"));  // the user's wins, broken or not
        QVERIFY(!banks[QStringLiteral("tenses")].usable());
        QCOMPARE(banks[QStringLiteral("active")].file, sys + QStringLiteral("/active.tsv"));
        QCOMPARE(banks[QStringLiteral("verbforms")].file, user + QStringLiteral("/verbforms.tsv"));

        banks = loadTeacherBanks(topicCatalogue(), folders);
        QCOMPARE(banks[QStringLiteral("verbforms")].file, given + QStringLiteral("/verbforms.tsv"));
        QCOMPARE(banks[QStringLiteral("tenses")].file, user + QStringLiteral("/tenses.tsv"));

        writeFile(given + QStringLiteral("/tenses.tsv"), romanTenses());
        banks = loadTeacherBanks(topicCatalogue(), folders);
        QCOMPARE(banks[QStringLiteral("tenses")].file, given + QStringLiteral("/tenses.tsv"));
        QVERIFY(banks[QStringLiteral("tenses")].usable());
        QCOMPARE(banks[QStringLiteral("tenses")].rows.questions, 3);

        // No folder, or an empty one: nothing is loaded, and every screen plays its own rows.
        QVERIFY(loadTeacherBanks(topicCatalogue(), {dir.filePath(QStringLiteral("none"))}).empty());
        QDir().mkpath(dir.filePath(QStringLiteral("empty")));
        QVERIFY(loadTeacherBanks(topicCatalogue(), {dir.filePath(QStringLiteral("empty"))}).empty());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    // Reading, playing and checking leave the bank folder as it was, byte for byte.
    void folderUnchanged() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("tenses.tsv")), romanTenses());
        writeFile(dir.filePath(QStringLiteral("active.tsv")), QByteArray("broken\n"));
        writeFile(dir.filePath(QStringLiteral("notes.txt")), QByteArray("my notes\n"));
        const auto before = snapshot(dir.path());
        Rig rig;
        rig.m.teacherBanks = loadTeacherBanks(topicCatalogue(), {dir.path()});
        for (const char* name : {"tenses", "active"}) {
            auto* s = rig.open<ExerciseScreen>(QString::fromLatin1(name));
            rig.clock.advance(1);
            s->cmdgo->Click();
            s->cmdexit->Click();
            rig.collect();
        }
        QString printed;
        QTextStream out(&printed);
        checkBankFolder(topicCatalogue(), dir.path(), out);
        QCOMPARE(snapshot(dir.path()), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3);
    }

    // The commands, run as a teacher would run them, without a display.
    void commandLine() {
        QTemporaryDir dir;
        const QString banks = dir.filePath(QStringLiteral("banks"));

        const Run exported({QStringLiteral("--export-banks"), banks});
        QVERIFY(exported.finished);
        QCOMPARE(exported.status, 0);
        QVERIFY2(exported.out.contains(QStringLiteral("32 bank files written")), qPrintable(exported.out + exported.err));
        QCOMPARE(QDir(banks).entryList(QDir::Files).size(), 32);
        QFile tenses(banks + QStringLiteral("/tenses.tsv"));
        QVERIFY(tenses.open(QIODevice::ReadOnly));
        QCOMPARE(tenses.readAll(), exportBank(formOf("tenses"), formOf("tenses").builtIn()));

        const Run checked({QStringLiteral("--check-banks"), banks});
        QCOMPARE(checked.status, 0);
        QCOMPARE(checked.out.count(QStringLiteral(": ok: ")), 32);
        QVERIFY2(checked.out.contains(banks + QStringLiteral("/tenses.tsv: ok: 33 rows")), qPrintable(checked.out));

        // Export again: the files there are left as they are.
        const auto before = snapshot(banks);
        const Run again({QStringLiteral("--export-banks"), banks});
        QCOMPARE(again.status, 1);
        QVERIFY(again.out.contains(QStringLiteral("already there, left as it is")));
        QCOMPARE(snapshot(banks), before);

        writeFile(banks + QStringLiteral("/tenses.tsv"), edited("tenses", [](QList<QStringList>& r) {
            r[3][1] = QStringLiteral("SOON");
        }));
        writeFile(banks + QStringLiteral("/mystery.tsv"), romanTenses());
        const Run failed({QStringLiteral("--check-banks"), banks});
        QCOMPARE(failed.status, 1);
        QVERIFY2(failed.out.contains(banks + QStringLiteral("/tenses.tsv:4: the answer \"SOON\" is not one of the boxes")),
                 qPrintable(failed.out));
        QVERIFY2(failed.out.contains(banks + QStringLiteral("/mystery.tsv:1: no exercise is called \"mystery\"")),
                 qPrintable(failed.out));
        QCOMPARE(failed.out.count(QStringLiteral(": ok: ")), 31);

        const Run missing({QStringLiteral("--check-banks"), dir.filePath(QStringLiteral("nowhere"))});
        QCOMPARE(missing.status, 2);
        const Run noFolder({QStringLiteral("--check-banks")});
        QCOMPARE(noFolder.status, 2);
        QVERIFY(noFolder.err.contains(QStringLiteral("--check-banks needs a folder")));
        const Run help({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        for (const char* option : {"--classroom", "--banks FOLDER", "--export-banks FOLDER", "--check-banks FOLDER",
                                   "--help", "--version"})
            QVERIFY2(help.out.contains(QLatin1String(option)), option);
        const Run version({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^quillmark [0-9]+\\.[0-9]+(\\.[0-9]+)*\n$")).match(version.out).hasMatch(),
                 qPrintable(version.out));

        // A mistake on the command line: what is wrong and how to use it, and nothing started.
        const std::pair<QStringList, QString> mistakes[] = {
            {{QStringLiteral("--check-bank"), banks}, QStringLiteral("unknown option --check-bank")},
            {{QStringLiteral("--foo")}, QStringLiteral("unknown option --foo")},
            {{QStringLiteral("--classroom"), QStringLiteral("-x")}, QStringLiteral("unknown option -x")},
            {{QStringLiteral("-classroom")}, QStringLiteral("unknown option -classroom (did you mean --classroom?)")},
            {{QStringLiteral("--banks")}, QStringLiteral("--banks needs a folder")},
            {{QStringLiteral("--banks"), QStringLiteral("--classroom")}, QStringLiteral("--banks needs a folder")},
            {{QStringLiteral("tenses.tsv")}, QStringLiteral("\"tenses.tsv\" is not an option (they begin with --)")},
        };
        for (const auto& [args, what] : mistakes) {
            const Run wrong(args);
            QCOMPARE(wrong.status, 2);
            QVERIFY2(wrong.err.startsWith(QStringLiteral("quillmark: ") + what + QLatin1Char('\n')), qPrintable(wrong.err));
            QVERIFY2(wrong.err.endsWith(help.out), qPrintable(wrong.err));
            QVERIFY(wrong.out.isEmpty());
        }
    }

    // The program started with --banks plays the folder's good files and names its bad ones.
    void programWithBanks() {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("tenses.tsv")), romanTenses());
        writeFile(dir.filePath(QStringLiteral("active.tsv")), QByteArray("broken\n"));
        const auto before = snapshot(dir.path());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QUILLMARK_TRACE"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("QM_EXECUTABLE"), {QStringLiteral("--banks"), dir.path()});
        QByteArray err;
        QDeadlineTimer deadline(30000);
        while (!err.contains("show Titlefrm") && !deadline.hasExpired() &&
               p.state() != QProcess::NotRunning) {
            p.waitForReadyRead(100);
            err += p.readAllStandardError();
        }
        p.kill();
        p.waitForFinished(5000);
        err += p.readAllStandardError();
        const QString trace = QString::fromUtf8(err);
        QVERIFY2(trace.contains(QStringLiteral("bank tenses: 3 rows from ") + dir.filePath(QStringLiteral("tenses.tsv"))),
                 qPrintable(trace));
        QVERIFY2(trace.contains(QStringLiteral("bank ") + dir.filePath(QStringLiteral("active.tsv")) +
                                QStringLiteral(" not used: Line 1:")),
                 qPrintable(trace));
        QCOMPARE(snapshot(dir.path()), before);
    }
};

QTEST_MAIN(BankFileTest)
#include "test_bankfiles.moc"
