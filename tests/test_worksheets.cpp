// Printable worksheets: every exercise's questions and keys read back from the PDF as a
// PDF reader finds them, the layout that keeps each question whole on its page, the same
// seed giving the same sheet, a teacher's bank on the sheet, the teacher's window, and what
// bad input gets.

#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPageSize>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "exercise/banks/bank_file.h"
#include "exercise/banks/bank_folders.h"
#include "exercise/banks/row_form.h"
#include "rig.h"
#include "topics/catalogue.h"
#include "worksheets/command.h"
#include "worksheets/window.h"
#include "worksheets/worksheet.h"

using namespace qm;
using namespace qm::test;

namespace {

const ScreenEntry& exercise(const QString& name) {
    const ScreenEntry* e = topicCatalogue().find(name);
    Q_ASSERT(e && e->rows);
    return *e;
}

// A word of a PDF as its reader finds it, in points from the page's top left corner.
struct PdfWord {
    int page;
    QRectF box;
    QString text;
};

QString unescaped(QString s) {
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    return s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// Every word of the file, by pdftotext (poppler-utils).
QList<PdfWord> pdfWords(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<PdfWord> words;
    int page = -1;
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        words.append({page, box, unescaped(m.captured(5))});
    }
    return words;
}

// The words whose middles lie inside the room on the page, line by line from the top and
// each line from the left.
QString textIn(const QList<PdfWord>& words, int page, const QRectF& room) {
    QList<PdfWord> found;
    for (const PdfWord& w : words)
        if (w.page == page && room.contains(w.box.center())) found << w;
    std::stable_sort(found.begin(), found.end(),
                     [](const PdfWord& a, const PdfWord& b) { return a.box.center().y() < b.box.center().y(); });
    QList<QList<PdfWord>> lines;
    for (const PdfWord& w : found) {
        if (lines.isEmpty() || w.box.center().y() > lines.last().first().box.center().y() + 4) lines.append(QList<PdfWord>());
        lines.last() << w;
    }
    QStringList text;
    for (QList<PdfWord>& line : lines) {
        std::stable_sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        for (const PdfWord& w : line) text << w.text;
    }
    return text.join(QLatin1Char(' ')).simplified();
}

QString pageText(const QList<PdfWord>& words, int page) {
    return textIn(words, page, QRectF(-1e4, -1e4, 2e4, 2e4));
}

bool havePdfReader() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// What a column of a bank file holds: text the worksheet prints, the key the answer sheet
// gives, or neither (a key row of marks, a part's number, codes).
enum class Shows { Question, Answer, Neither };
Shows shownOn(const QString& column, const QString& field, const QString& sentence) {
    const auto starts = [&](const char* s) { return column.startsWith(QLatin1String(s)); };
    if (starts("red part") || starts("marked part") || starts("key (") || starts("codes")) return Shows::Neither;
    if (starts("corrected sentence")) return field.simplified() == sentence.simplified() ? Shows::Neither : Shows::Answer;
    if (starts("answer") || starts("right ") || starts("correct version") || starts("missing mark") ||
        starts("completed sentence") || starts("swapped sentence") || starts("sentence with its commas") ||
        starts("whole sentence") || column.contains(QLatin1String("(part")) || column.contains(QLatin1String("missing (")))
        return Shows::Answer;
    return Shows::Question;
}

}  // namespace

class WorksheetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFonts(); }

    void everyExercise_data() {
        QTest::addColumn<QString>("name");
        for (const ScreenEntry& e : topicCatalogue().entries())
            if (e.rows) QTest::newRow(qPrintable(e.name)) << e.name;
    }

    // Every question of the exercise's bank on one sheet and its answer sheet: each whole on
    // one page inside the margins, each column of its row printed where it belongs.
    void everyExercise() {
        if (!havePdfReader()) QSKIP("pdftotext (poppler-utils) is not on this system");
        QFETCH(QString, name);
        const ScreenEntry& e = exercise(name);
        const BankImage& bank = e.rows->builtIn();
        QRandomGenerator rng(20261209);
        const Sheet sheet = drawSheet(e, bank, bank.questions, rng);
        QList<int> rows;
        for (const SheetQuestion& q : sheet.questions) rows << q.row;
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows.size(), bank.questions);
        QVERIFY2(std::adjacent_find(rows.begin(), rows.end()) == rows.end(), "a question twice");

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
        const WorksheetResult result = writeWorksheets({sheet}, true, file);
        QVERIFY2(result.ok, qPrintable(result.error));
        const PrintedPages& pages = result.pages;
        const QList<PdfWord> words = pdfWords(file);
        QVERIFY(!words.isEmpty());
        const double toPoints = pages.page.width() / QPageSize(QPageSize::A4).size(QPageSize::Point).width();

        for (int p : {0, pages.firstAnswerPage}) {
            const QString head = pageText(words, p);
            for (const QString& s : {e.title, yearAndTerm(e), QStringLiteral("Name"), QStringLiteral("Date"),
                                     QStringLiteral("Page 1 of")})
                QVERIFY2(head.contains(s), qPrintable(QStringLiteral("page %1 lacks %2: %3").arg(p).arg(s, head)));
        }
        QVERIFY(pageText(words, 0).contains(sheet.task.instruction.simplified()));
        for (const QString& choice : sheet.task.chooseFrom) QVERIFY(pageText(words, 0).contains(choice.simplified()));
        // Nothing is printed off a page.
        for (const PdfWord& w : words)
            QVERIFY2(QRectF(QPointF(0, 0), pages.page / toPoints).contains(w.box), qPrintable(w.text));

        QCOMPARE(pages.questions.size(), 2 * sheet.questions.size());
        for (const QuestionPlace& place : pages.questions) {
            const SheetQuestion& q = sheet.questions[place.number - 1];
            QVERIFY2(pages.body.contains(place.room), qPrintable(QStringLiteral("question %1 runs off page %2")
                                                                     .arg(place.number)
                                                                     .arg(place.page + 1)));
            QCOMPARE(place.page >= pages.firstAnswerPage, place.answers);
            const QRectF room(place.room.topLeft() / toPoints, place.room.size() / toPoints);
            QString text = textIn(words, place.page, room);
            // A box's label stands at the right of the first line, within the question's text.
            for (const PaperPiece& piece : q.paper.pieces)
                if (piece.kind == PaperPiece::Box && !place.answers) {
                    QVERIFY(text.contains(QLatin1Char(' ') + piece.label + QLatin1Char(' ')) || text.endsWith(QLatin1Char(' ') + piece.label));
                    text.replace(text.indexOf(QLatin1Char(' ') + piece.label), piece.label.size() + 1, QString());
                }
            QStringList lacking;
            const auto holds = [&](const QString& s) {
                if (!text.contains(s.simplified())) lacking << s.simplified();
            };
            QVERIFY2(text.startsWith(QStringLiteral("%1.").arg(place.number)), qPrintable(QStringLiteral("%1 %2 on %3: %4").arg(place.answers).arg(place.number).arg(place.page).arg(text)));
            if (place.answers) {
                QVERIFY(!q.paper.key.isEmpty());
                for (const QString& k : q.paper.key) holds(k);
            } else {
                for (const PaperPiece& piece : q.paper.pieces) {
                    for (const PaperRun& r : piece.runs) holds(r.text);
                    for (const QString& item : piece.items) holds(item);
                }
            }
            // The bank's own row: its sentence on the worksheet, its answer on the answer sheet.
            const QStringList columns = e.rows->columns();
            const QStringList fields = e.rows->fieldsOf(bank, q.row);
            for (int c = 0; c < int(columns.size()); ++c) {
                if (fields[c].trimmed().isEmpty()) continue;
                const Shows where = shownOn(columns[c], fields[c], fields[0]);
                if (where == (place.answers ? Shows::Answer : Shows::Question)) holds(fields[c]);
                if (!place.answers) continue;
                // A part named by its number: the answer gives that part.
                if (columns[c].contains(QLatin1String("(part")) && !columns[c].startsWith(QLatin1String("red")) &&
                    !columns[c].startsWith(QLatin1String("marked")))
                    holds(fields.value(fields[c].toInt() - 1));
                // A key row of changed or marked words, or a code for each word: the answer
                // names each word that is to go, be swapped, be circled or be sorted.
                const QStringList sentence = fields[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
                const QStringList key = fields[c].split(QLatin1Char(' '), Qt::SkipEmptyParts);
                const auto bare = [](QString w) {
                    while (!w.isEmpty() && !w.front().isLetterOrNumber()) w.remove(0, 1);
                    while (!w.isEmpty() && !w.back().isLetterOrNumber()) w.chop(1);
                    return w;
                };
                if (columns[c].startsWith(QLatin1String("key (")))
                    for (int i = 0; i < int(sentence.size()); ++i)
                        if (key.value(i) != sentence[i]) holds(bare(sentence[i]));
                // Codes: each word in the key's line for its column of the table.
                if (columns[c].startsWith(QLatin1String("codes"))) {
                    QStringList headings;
                    for (const PaperPiece& piece : q.paper.pieces)
                        if (piece.kind == PaperPiece::Table) headings = piece.items;
                    for (int i = 0; i < int(sentence.size()); ++i) {
                        const int code = key.value(i).toInt();
                        if (code == 0) continue;
                        holds(bare(sentence[i]));
                        bool inItsLine = false;
                        for (const QString& line : q.paper.key)
                            if (line.startsWith(headings.value(code - 1) + QLatin1Char(':')) && line.contains(bare(sentence[i])))
                                inItsLine = true;
                        if (!inItsLine) lacking << headings.value(code - 1) + QStringLiteral(": ") + bare(sentence[i]);
                    }
                }
                // A marked part: the part printed in bold and underlined.
                if (columns[c].startsWith(QLatin1String("red part")) || columns[c].startsWith(QLatin1String("marked part"))) {
                    QStringList marked;
                    for (const PaperPiece& piece : q.paper.pieces)
                        for (const PaperRun& r : piece.runs)
                            if (r.marked) marked << r.text;
                    // All of the part but the marks at its ends.
                    const QString part = fields.value(fields[c].toInt() - 1).trimmed();
                    const qsizetype at = marked.size() == 1 ? part.indexOf(marked[0]) : -1;
                    const auto onlyMarks = [](const QString& t) {
                        return std::none_of(t.begin(), t.end(), [](QChar ch) { return ch.isLetterOrNumber(); });
                    };
                    if (at < 0 || !onlyMarks(part.left(at)) || !onlyMarks(part.mid(at + marked[0].size())))
                        lacking << QStringLiteral("marked: ") + part;
                }
                // The answer itself heads the key.
                const auto starts = [&](const char* s) { return columns[c].startsWith(QLatin1String(s)); };
                if ((starts("answer") || starts("right ") || starts("correct version") || starts("missing mark") ||
                     columns[c].contains(QLatin1String("missing ("))) &&
                    !q.paper.key.value(0).contains(fields[c].trimmed()))
                    lacking << QStringLiteral("%1 first").arg(fields[c].trimmed());
            }
            // Lettered options: the key's letter is the right option's place on the sheet.
            for (const PaperPiece& piece : q.paper.pieces) {
                if (piece.kind != PaperPiece::Letters || !place.answers) continue;
                const QString first = q.paper.key.value(0);
                const int letter = first.isEmpty() ? -1 : first[0].unicode() - u'a';
                QVERIFY2(first.mid(1, 2) == QLatin1String(") ") && piece.items.value(letter) == first.mid(3),
                         qPrintable(first));
            }
            QVERIFY2(lacking.isEmpty(), qPrintable(QStringLiteral("%1 %2 lacks \"%3\": %4")
                                                       .arg(place.answers ? QStringLiteral("answer") : QStringLiteral("question"))
                                                       .arg(place.number)
                                                       .arg(lacking.join(QStringLiteral("\", \"")), text)));
        }
    }

    void crossedOut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("key");
        const auto row = [](const char* name, const char* sentence, const char* gone, const char* kept) {
            QTest::newRow(sentence) << QString::fromLatin1(name) << QString::fromUtf8(sentence)
                                    << QStringList{QStringLiteral("Cross out: ") + QString::fromUtf8(gone), QString::fromUtf8(kept)};
        };
        row("basic", "The match was cancelled because of heavy rain. ", "because of heavy rain", "The match was cancelled.");
        row("basic", "Public transport carries people in trains and buses. ", "in trains and buses",
            "Public transport carries people.");
        row("basic", "Joe, the football player, is a great striker. ", "the football player", "Joe is a great striker.");
        row("basic", "In a room, warm air rises and cool air sinks. ", "In a room", "Warm air rises and cool air sinks.");
        row("notes", "Incredibly, the tiny hummingbird can beat its wings about fifty times a second. ", "Incredibly; tiny",
            "The hummingbird can beat its wings about fifty times a second.");
    }

    // The words that can go, and the sentence left once they have: a sentence still.
    void crossedOut() {
        QFETCH(QString, name);
        QFETCH(QString, sentence);
        QFETCH(QStringList, key);
        const RowForm& form = *exercise(name).rows;
        const int n = int(form.builtIn().question.indexOf(sentence));
        QVERIFY(n >= 0);
        QCOMPARE(form.paperQuestion(form.builtIn(), n, [] { return 0.0; }).key, key);
    }

    // The command line: one seed, one sheet; another seed, another draw; a teacher's bank on
    // the sheet in place of the exercise's own questions.
    void seedsAndTeacherBanks() {
        if (!havePdfReader()) QSKIP("pdftotext (poppler-utils) is not on this system");
        QTemporaryDir dir;
        const auto make = [&](const QString& file, const QString& seed, const std::map<QString, TeacherBank>& banks = {},
                              const QString& names = QStringLiteral("tenses,basic"),
                              const std::optional<QString>& questions = QStringLiteral("5")) {
            QString out, err;
            QTextStream o(&out), e(&err);
            const int status = runWorksheetCommand(topicCatalogue(), banks, {names, questions, seed, dir.filePath(file), true}, o, e);
            QString text;
            for (const PdfWord& w : pdfWords(dir.filePath(file))) text += w.text + QLatin1Char(' ');
            return std::tuple{status, out + err, text};
        };
        const auto [s1, m1, first] = make(QStringLiteral("a.pdf"), QStringLiteral("7"));
        const auto [s2, m2, again] = make(QStringLiteral("b.pdf"), QStringLiteral("7"));
        const auto [s3, m3, other] = make(QStringLiteral("c.pdf"), QStringLiteral("8"));
        QCOMPARE(s1, 0);
        QVERIFY2(m1.contains(QStringLiteral("2 worksheets with answers")) && m1.contains(QStringLiteral("seed 7")),
                 qPrintable(m1));
        QVERIFY(first.contains(QStringLiteral("Tenses")) && first.contains(QStringLiteral("Basic Meaning")));
        QCOMPARE(again, first);
        QVERIFY(other != first);
        // A short name before a title: "punctuation" is Punctuation Terminology, "Punctuation" the menu's.
        const auto [s5, m5, byName] = make(QStringLiteral("e.pdf"), QStringLiteral("7"), {}, QStringLiteral("punctuation"));
        QVERIFY(byName.startsWith(QStringLiteral("Punctuation Terminology ")));
        const auto [s6, m6, byTitle] = make(QStringLiteral("f.pdf"), QStringLiteral("7"), {}, QStringLiteral("Punctuation"));
        QVERIFY(byTitle.contains(exercise(QStringLiteral("punc2")).rows->paperTask().instruction));

        QByteArray roman = writeBankText({exercise(QStringLiteral("tenses")).rows->columns(),
                                          {QStringLiteral("The Romans built straight roads."), QStringLiteral("PAST")},
                                          {QStringLiteral("Roman soldiers march in neat lines."), QStringLiteral("PRESENT")},
                                          {QStringLiteral("We will visit Hadrian's Wall."), QStringLiteral("FUTURE")},
                                          {QStringLiteral("The legions guard the wall."), QStringLiteral("PRESENT")},
                                          {QStringLiteral("Caesar will cross the sea."), QStringLiteral("FUTURE")}});
        QFile f(dir.filePath(QStringLiteral("banks/tenses.tsv")));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("banks"))) && f.open(QIODevice::WriteOnly));
        f.write(roman);
        f.close();
        const auto teacher = loadTeacherBanks(topicCatalogue(), {dir.filePath(QStringLiteral("banks"))});
        // Five questions of their own: without --questions, all five (not the ten usually drawn).
        const auto [s4, m4, theirs] = make(QStringLiteral("d.pdf"), QStringLiteral("7"), teacher, QStringLiteral("tenses"),
                                           std::nullopt);
        QCOMPARE(s4, 0);
        for (const char* s : {"The Romans built straight roads.", "Roman soldiers march in neat lines.",
                              "We will visit Hadrian's Wall.", "The legions guard the wall.", "Caesar will cross the sea."})
            QVERIFY2(theirs.contains(QString::fromLatin1(s)), s);
        for (int n = 0; n < exercise(QStringLiteral("tenses")).rows->builtIn().questions; ++n)
            QVERIFY(!theirs.contains(exercise(QStringLiteral("tenses")).rows->builtIn().question[n]));
    }

    void badInput_data() {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("questions");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("output");  // in the test's folder; "/..." as it stands
        QTest::addColumn<QByteArray>("tenses");  // a teacher's tenses.tsv, or none
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString ok = QStringLiteral("sheet.pdf");
        QTest::newRow("unknown exercise") << "tenses,nouns" << "" << "" << ok << QByteArray() << 2
                                          << "no exercise is called \"nouns\"";
        QTest::newRow("no exercise") << "," << "" << "" << ok << QByteArray() << 2 << "needs the name of an exercise";
        QTest::newRow("no questions") << "tenses" << "0" << "" << ok << QByteArray() << 2 << "--questions 0";
        QTest::newRow("questions not a number") << "tenses" << "ten" << "" << ok << QByteArray() << 2 << "--questions ten";
        QTest::newRow("more than the bank") << "tenses" << "34" << "" << ok << QByteArray() << 2
                                            << "Tenses (tenses) has 33 questions";
        QTest::newRow("more than one of all") << "all" << "25" << "" << ok << QByteArray() << 2
                                              << "Basic Meaning (basic) has 20 questions";
        QTest::newRow("seed not a number") << "tenses" << "" << "-1" << ok << QByteArray() << 2 << "--seed -1";
        QTest::newRow("no file") << "tenses" << "" << "" << "" << QByteArray() << 2 << "-o FILE.pdf";
        QTest::newRow("folder not there") << "tenses" << "" << "" << "nowhere/sheet.pdf" << QByteArray() << 1
                                          << "cannot write";
        QTest::newRow("a folder") << "tenses" << "" << "" << "folder" << QByteArray() << 1 << "it is not a file";
        QTest::newRow("file there, bad name") << "tenses,nouns" << "" << "" << "old.pdf" << QByteArray() << 2
                                              << "no exercise is called";
        QByteArray bad = writeBankText({exercise(QStringLiteral("tenses")).rows->columns(),
                                        {QStringLiteral("The Romans built roads."), QStringLiteral("PAST")},
                                        {QStringLiteral("Roman soldiers march."), QStringLiteral("SOON")}});
        QTest::newRow("teacher's bank fails") << "basic,tenses" << "" << "" << "old.pdf" << bad << 1
                                              << "tenses.tsv: Line 3: the answer \"SOON\" is not one of the boxes";
    }

    // A clear message, the status a script can test, and no file left behind.
    void badInput() {
        QFETCH(QString, names);
        QFETCH(QString, questions);
        QFETCH(QString, seed);
        QFETCH(QString, output);
        QFETCH(QByteArray, tenses);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        // A file that is there already, and a folder, stay as they were.
        QFile old(dir.filePath(QStringLiteral("old.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("last week's sheet") > 0);
        old.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        std::map<QString, TeacherBank> banks;
        if (!tenses.isEmpty()) {
            QFile f(dir.filePath(QStringLiteral("tenses.tsv")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(tenses);
            f.close();
            banks = loadTeacherBanks(topicCatalogue(), {dir.path()});
        }
        const QString file = output.isEmpty() ? QString() : dir.filePath(output);
        const auto listing = [&] {
            QStringList files;
            QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString f = it.next();
                QFile in(f);
                files << f + QLatin1Char(' ') + QString::fromUtf8(in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray());
            }
            files.sort();
            return files;
        };
        const QStringList before = listing();
        QString out, err;
        QTextStream o(&out), e(&err);
        const auto given = [](const QString& s) { return s.isEmpty() ? std::nullopt : std::optional<QString>(s); };
        QCOMPARE(runWorksheetCommand(topicCatalogue(), banks, {names, given(questions), given(seed), given(file), true}, o, e),
                 status);
        QVERIFY2(err.startsWith(QStringLiteral("quillmark: ")) && err.contains(message), qPrintable(err));
        QVERIFY(out.isEmpty());
        QCOMPARE(listing(), before);
    }

    // The real program: the command, and its options where they do not belong.
    void programCommands() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Tenses - Year 5 Term 2.pdf"));
        const auto run = [](const QStringList& args) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            env.remove(QStringLiteral("DISPLAY"));
            p.setProcessEnvironment(env);
            p.start(qEnvironmentVariable("QM_EXECUTABLE"), args);
            p.waitForFinished(60000);
            return std::pair{p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
        };
        QCOMPARE(run({QStringLiteral("--worksheet"), QStringLiteral("Tenses"), QStringLiteral("-o"), file}).first, 0);
        const QString other = dir.filePath(QStringLiteral("basic.pdf"));
        QCOMPARE(run({QStringLiteral("--worksheet=basic"), QStringLiteral("--output=") + other}).first, 0);
        QVERIFY(QFileInfo(other).size() > 0);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF-"));
        const std::pair<QStringList, QString> wrong[] = {
            {{QStringLiteral("--questions"), QStringLiteral("5")}, QStringLiteral("--questions is for --worksheet")},
            {{QStringLiteral("-o"), file}, QStringLiteral("-o is for --worksheet")},
            {{QStringLiteral("--worksheet"), QStringLiteral("tenses"), QStringLiteral("-o"), QStringLiteral("--answers")},
             QStringLiteral("-o needs a file")},
            {{QStringLiteral("--worksheets"), QStringLiteral("--worksheet"), QStringLiteral("all")},
             QStringLiteral("--worksheets and --worksheet cannot be used together")},
            {{QStringLiteral("--worksheet"), QStringLiteral("pudding"), QStringLiteral("-o"), file},
             QStringLiteral("no exercise is called \"pudding\"")},
        };
        for (const auto& [args, what] : wrong) {
            const auto [status, err] = run(args);
            QCOMPARE(status, 2);
            QVERIFY2(err.contains(what), qPrintable(err));
        }
    }

    // The teacher's window: the exercises as the menus group them, ticked with the keyboard,
    // saved under the name offered and opened.
    void window() {
        QTemporaryDir dir;
        WorksheetWindow w(topicCatalogue(), {});
        QStringList offered, opened;
        w.chooseFile = [&](const QString& suggested) {
            offered << suggested;
            return dir.filePath(QFileInfo(suggested).fileName());
        };
        w.openFile = [&](const QString& file) { opened << file; };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QCOMPARE(w.exercises->topLevelItemCount(), 2);
        QStringList terms;
        for (int y = 0; y < 2; ++y) {
            QTreeWidgetItem* year = w.exercises->topLevelItem(y);
            QCOMPARE(year->text(0), QStringLiteral("Year %1").arg(5 + y));
            QCOMPARE(year->childCount(), 3);
            for (int t = 0; t < 3; ++t) {
                QTreeWidgetItem* term = year->child(t);
                QCOMPARE(term->text(0), QStringLiteral("Term %1").arg(t + 1));
                QCOMPARE(term->childCount(), 5);
                for (int i = 0; i < 5; ++i) QCOMPARE(term->child(i)->text(0), topicCatalogue().topic(3 * y + t + 1, i)->title);
            }
        }
        QCOMPARE(w.questions->value(), 10);
        QVERIFY(!w.save->isEnabled());

        // Year 5, Term 2, Tenses: down to it and Space ticks it.
        QTreeWidgetItem* tenses = w.exercises->topLevelItem(0)->child(1)->child(1);
        QCOMPARE(tenses->text(0), QStringLiteral("Tenses"));
        w.exercises->setFocus();
        w.exercises->setCurrentItem(tenses);
        QTest::keyClick(w.exercises, Qt::Key_Space);
        QCOMPARE(tenses->checkState(0), Qt::Checked);
        QVERIFY(w.save->isEnabled());
        QCOMPARE(w.questions->maximum(), 33);

        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered[0]).fileName(), QStringLiteral("Tenses - Year 5 Term 2.pdf"));
        const QString saved = dir.filePath(QStringLiteral("Tenses - Year 5 Term 2.pdf"));
        QCOMPARE(opened, QStringList{saved});
        QVERIFY(QFileInfo(saved).size() > 0);
        QVERIFY2(w.status->text().contains(QStringLiteral("Saved")), qPrintable(w.status->text()));

        // A whole term ticked at once; the most questions follow the smallest bank.
        QTreeWidgetItem* term1 = w.exercises->topLevelItem(0)->child(0);
        term1->setCheckState(0, Qt::Checked);
        QCOMPARE(int(w.chosen().size()), 6);
        QCOMPARE(w.questions->maximum(), 20);
        QTest::mouseClick(w.save, Qt::LeftButton);
        QCOMPARE(QFileInfo(offered.last()).fileName(), QStringLiteral("Worksheets.pdf"));
    }
};

QTEST_MAIN(WorksheetTest)
#include "test_worksheets.moc"
