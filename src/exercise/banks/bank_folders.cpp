#include "exercise/banks/bank_folders.h"
#include "platform/system.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "exercise/banks/bank_file.h"
#include "exercise/banks/row_form.h"

namespace qm {

namespace {

const QString kSuffix = QStringLiteral(".tsv");
constexpr int kMostProblemsShown = 100;

// A file read whole, or the problem that stops it being read.
struct FileBytes {
    QByteArray bytes;
    std::optional<BankProblem> problem;
};

FileBytes readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, BankProblem{1, QStringLiteral("the file cannot be read")}};
    if (file.size() > kBankFileLimit)
        return {{}, BankProblem{1, QStringLiteral("the file is larger than 1 MiB, too large for a bank")}};
    FileBytes read{file.read(kBankFileLimit + 1), std::nullopt};
    if (read.bytes.size() > kBankFileLimit)
        read.problem = BankProblem{1, QStringLiteral("the file is larger than 1 MiB, too large for a bank")};
    return read;
}

BankFileCheck checkFile(const RowForm& form, const QString& path) {
    const FileBytes file = readFile(path);
    if (file.problem) return {{}, {*file.problem}};
    return readBank(form, file.bytes);
}

// The name a file gives before its first dot, and whether what follows is ".tsv"; both
// without regard to case.
QString stem(const QString& fileName) { return fileName.section(QLatin1Char('.'), 0, 0); }
bool endsAsBank(const QString& fileName) {
    return fileName.section(QLatin1Char('.'), 1).compare(kSuffix.mid(1), Qt::CaseInsensitive) == 0;
}

// The exercise with a bank that a file is named after ("Tenses.tsv", "tenses.csv"), or none.
const ScreenEntry* exerciseOf(const Catalogue& catalogue, const QString& fileName) {
    const QString name = stem(fileName);
    for (const ScreenEntry& e : catalogue.entries())
        if (e.rows && !name.isEmpty() && e.name.compare(name, Qt::CaseInsensitive) == 0) return &e;
    return nullptr;
}

// The file a folder holds for an exercise: its name with the ending .tsv, in any case, the
// exact spelling first; failing that, a file named after it with another ending
// ("tenses.csv", "tenses.txt"), which is not read but told of.
struct FolderFile {
    QString name;
    bool wrongEnding = false;
};
std::optional<FolderFile> fileFor(const QStringList& names, const QString& exercise) {
    if (names.contains(exercise + kSuffix)) return FolderFile{exercise + kSuffix, false};
    std::optional<FolderFile> other;
    for (const QString& n : names) {
        if (stem(n).compare(exercise, Qt::CaseInsensitive) != 0) continue;
        if (endsAsBank(n)) return FolderFile{n, false};
        if (!other) other = FolderFile{n, true};
    }
    return other;
}

// The files of a folder, by name.
QStringList filesIn(const QDir& dir) { return dir.entryList(QDir::Files, QDir::Name); }

QString wrongEnding(const QString& exercise) {
    return QStringLiteral("its name does not end in %1, so it is not read: name it %2%1 (when saving tab-separated "
                          "text, a spreadsheet may add .txt or .csv of its own)")
        .arg(kSuffix, exercise);
}

}  // namespace

BankOptions parseBankOptions(const QStringList& arguments) {
    BankOptions o;
    QCommandLineParser parser;
    // "-classroom" reads as "--classroom", and Qt's own "-platform NAME" as one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption classroom(QStringLiteral("classroom"));
    const QCommandLineOption banks(QStringLiteral("banks"), QString(), QStringLiteral("FOLDER"));
    const QCommandLineOption exportTo(QStringLiteral("export-banks"), QString(), QStringLiteral("FOLDER"));
    const QCommandLineOption check(QStringLiteral("check-banks"), QString(), QStringLiteral("FOLDER"));
    const QCommandLineOption worksheets(QStringLiteral("worksheets"));
    const QCommandLineOption worksheet(QStringLiteral("worksheet"), QString(), QStringLiteral("NAMES"));
    const QCommandLineOption questions(QStringLiteral("questions"), QString(), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("S"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("FILE"));
    const QCommandLineOption answers(QStringLiteral("answers"));
    parser.addOptions({help, version, classroom, banks, exportTo, check, worksheets, worksheet, questions, seed, output,
                       answers});
    // The options Qt's application object takes for itself; they are left to it.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "display", "geometry", "style", "stylesheet", "session"}) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("VALUE"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    // The option as it was typed, for a message about it.
    const auto typed = [&](const QString& name) {
        for (const QString& a : arguments.mid(1)) {
            const QString bare = a.section(QLatin1Char('='), 0, 0);
            if (bare == QLatin1Char('-') + name || bare == QStringLiteral("--") + name) return bare;
        }
        return QStringLiteral("--") + name;
    };
    const std::pair<const QCommandLineOption*, std::optional<QString> BankOptions::*> folders[] = {
        {&banks, &BankOptions::banks}, {&exportTo, &BankOptions::exportTo}, {&check, &BankOptions::check}};
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            o.error = QStringLiteral("unknown option %1").arg(typed(parser.unknownOptionNames().first()));
            return o;
        }
        for (const auto& [option, member] : folders) {
            const QString name = option->names().first();
            if (arguments.mid(1).last() == typed(name) && !arguments.mid(1).last().contains(QLatin1Char('='))) {
                o.error = QStringLiteral("--%1 needs a folder").arg(name);
                return o;
            }
        }
        for (const QCommandLineOption* flag : {&help, &version, &classroom, &worksheets, &answers}) {
            for (const QString& name : flag->names()) {
                const QString given = typed(name);
                if (arguments.contains(QRegularExpression(QRegularExpression::escape(given) + QStringLiteral("=.*")))) {
                    o.error = QStringLiteral("%1 takes no value").arg(given);
                    return o;
                }
            }
        }
        o.error = parser.errorText();
        if (o.error.endsWith(QLatin1Char('.'))) o.error.chop(1);
        return o;
    }
    // The program's own options begin with "--" (but for "-h"), as the whole-class display
    // looks for "--classroom" only.
    for (const QString& a : arguments.mid(1)) {
        const QString bare = a.section(QLatin1Char('='), 0, 0);
        if (a.startsWith(QStringLiteral("--")) || !a.startsWith(QLatin1Char('-')) || bare == QStringLiteral("-h") ||
            bare == QStringLiteral("-o"))
            continue;
        for (const QCommandLineOption* own : {&help, &version, &classroom, &banks, &exportTo, &check, &worksheets,
                                              &worksheet, &questions, &seed, &output, &answers}) {
            if (own->names().contains(bare.mid(1))) {
                o.error = QStringLiteral("unknown option %1 (did you mean -%1?)").arg(bare);
                return o;
            }
        }
    }
    for (const auto& [option, member] : folders) {
        if (!parser.isSet(*option)) continue;
        const QString folder = parser.value(*option);
        // "--banks --classroom": the folder was left out.
        if (folder.isEmpty() || folder.startsWith(QLatin1Char('-'))) {
            o.error = QStringLiteral("--%1 needs a folder").arg(option->names().first());
            return o;
        }
        o.*member = folder;
    }
    if (!parser.positionalArguments().isEmpty()) {
        o.error = QStringLiteral("\"%1\" is not an option (they begin with --)").arg(parser.positionalArguments().first());
        return o;
    }
    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    o.worksheets = parser.isSet(worksheets);
    o.answers = parser.isSet(answers);
    const std::pair<const QCommandLineOption*, std::optional<QString> BankOptions::*> values[] = {
        {&worksheet, &BankOptions::worksheet}, {&questions, &BankOptions::questions}, {&seed, &BankOptions::seed},
        {&output, &BankOptions::output}};
    for (const auto& [option, member] : values) {
        if (!parser.isSet(*option)) continue;
        const QString value = parser.value(*option);
        // "-o --answers": the file was left out.
        if (value.startsWith(QLatin1Char('-')) && option != &seed) {
            o.error = option == &output ? QStringLiteral("-o needs a file")
                                        : QStringLiteral("--%1 needs a value").arg(option->names().first());
            return o;
        }
        o.*member = value;
    }
    QStringList commands;
    if (o.exportTo) commands << QStringLiteral("--export-banks");
    if (o.check) commands << QStringLiteral("--check-banks");
    if (o.worksheets) commands << QStringLiteral("--worksheets");
    if (o.worksheet) commands << QStringLiteral("--worksheet");
    if (commands.size() > 1) {
        o.error = QStringLiteral("%1 cannot be used together").arg(commands.join(QStringLiteral(" and ")));
        return o;
    }
    if (!o.worksheet) {
        for (const auto& [given, name] : {std::pair{o.questions.has_value(), "--questions"}, {o.seed.has_value(), "--seed"},
                                          {o.output.has_value(), "-o"}, {o.answers, "--answers"}}) {
            if (given) {
                o.error = QStringLiteral("%1 is for --worksheet").arg(QString::fromLatin1(name));
                return o;
            }
        }
    }
    return o;
}

void nameTheProgram() { QCoreApplication::setApplicationName(QStringLiteral("quillmark")); }

QStringList bankFoldersIn(const QStringList& programDataFolders) {
    QStringList folders;
    for (const QString& d : programDataFolders) {
        const QString f = QDir::cleanPath(QDir(d).filePath(QStringLiteral("banks")));
        if (!folders.contains(f)) folders << f;
    }
    return folders;
}

QStringList standardBankFolders() {
    // The user's, then the machine's, then the one beside the program, where the platform
    // has one. Qt on Windows also names the program's own folder and folders inside it as
    // data folders; of those only the "banks" folder beside the program is read.
    const QStringList beside = programBankFolders();
    const auto insideProgram = [&beside](const QString& folder) {
        for (const QString& b : beside) {
            QString program = QFileInfo(b).absolutePath();
            if (!program.endsWith(QLatin1Char('/'))) program += QLatin1Char('/');  // "D:/" at a drive's root
            if ((folder + QLatin1Char('/')).startsWith(program, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    QStringList data;
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (!insideProgram(QDir::cleanPath(d))) data << d;
    QStringList folders = bankFoldersIn(data);
    for (const QString& b : beside)
        if (!folders.contains(b, Qt::CaseInsensitive)) folders << b;
    return folders;
}

QStringList chosenBankFolders(const std::optional<QString>& banksOption, const QStringList& standard) {
    QStringList folders = standard;
    if (banksOption) folders.prepend(*banksOption);
    return folders;
}

std::map<QString, TeacherBank> loadTeacherBanks(const Catalogue& catalogue, const QStringList& folders) {
    std::map<QString, TeacherBank> banks;
    QList<QStringList> listed;
    for (const QString& folder : folders) listed << filesIn(QDir(folder));
    for (const ScreenEntry& e : catalogue.entries()) {
        if (!e.rows) continue;
        for (int f = 0; f < int(folders.size()); ++f) {
            const std::optional<FolderFile> found = fileFor(listed[f], e.name);
            if (!found) continue;
            TeacherBank bank;
            bank.file = QDir(folders[f]).filePath(found->name);
            if (found->wrongEnding) {
                QString what = wrongEnding(e.name);
                what[0] = what[0].toUpper();
                bank.problem = what + QLatin1Char('.');
            } else if (const BankFileCheck read = checkFile(*e.rows, bank.file); read.problems.isEmpty()) {
                bank.rows = read.rows;
            } else {
                const BankProblem& first = read.problems.first();
                bank.problem = QStringLiteral("Line %1: %2.").arg(first.line).arg(first.what);
            }
            banks.emplace(e.name, bank);
            break;
        }
    }
    return banks;
}

int checkBankFolder(const Catalogue& catalogue, const QString& folder, QTextStream& out) {
    const QDir dir(folder);
    if (!dir.exists()) {
        out << QStringLiteral("%1: no such folder").arg(folder) << Qt::endl;
        return 2;
    }
    const QStringList files = filesIn(dir);
    int status = 0, told = 0;
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        const ScreenEntry* e = exerciseOf(catalogue, name);
        const std::optional<FolderFile> read = e ? fileFor(files, e->name) : std::nullopt;
        if (!endsAsBank(name)) {
            // Another file named after an exercise is told of only where it stands in for the bank file.
            if (!read || !read->wrongEnding) continue;
            out << QStringLiteral("%1:1: %2").arg(path, wrongEnding(e->name)) << Qt::endl;
            status = 1, ++told;
            continue;
        }
        ++told;
        if (!e) {
            out << QStringLiteral("%1:1: no exercise is called \"%2\": a bank file is named after its exercise, "
                                  "as the export names it (tenses.tsv)")
                       .arg(path, stem(name))
                << Qt::endl;
            status = 1;
            continue;
        }
        if (read->name != name) {
            out << QStringLiteral("%1:1: not read: %2 in the same folder is read instead").arg(path, read->name) << Qt::endl;
            status = 1;
            continue;
        }
        const BankFileCheck check = checkFile(*e->rows, path);
        if (check.problems.isEmpty()) {
            out << QStringLiteral("%1: ok: %2").arg(path, counted(check.rows.questions, QStringLiteral("row"))) << Qt::endl;
            continue;
        }
        status = 1;
        for (int i = 0; i < int(check.problems.size()) && i < kMostProblemsShown; ++i)
            out << QStringLiteral("%1:%2: %3").arg(path).arg(check.problems[i].line).arg(check.problems[i].what) << Qt::endl;
        if (check.problems.size() > kMostProblemsShown)
            out << QStringLiteral("%1: and %2 more")
                       .arg(path, counted(check.problems.size() - kMostProblemsShown, QStringLiteral("problem")))
                << Qt::endl;
    }
    if (told == 0) out << QStringLiteral("%1: no bank files (they end in %2)").arg(folder, kSuffix) << Qt::endl;
    return status;
}

int exportBankFiles(const Catalogue& catalogue, const QString& folder, QTextStream& out) {
    if (!QDir().mkpath(folder)) {
        out << QStringLiteral("%1: the folder cannot be made").arg(folder) << Qt::endl;
        return 1;
    }
    const QDir dir(folder);
    int status = 0, written = 0;
    for (const ScreenEntry& e : catalogue.entries()) {
        if (!e.rows) continue;
        const QString path = dir.filePath(e.name + kSuffix);
        if (QFileInfo::exists(path)) {
            out << QStringLiteral("%1: already there, left as it is").arg(path) << Qt::endl;
            status = 1;
            continue;
        }
        QFile file(path);
        const QByteArray bytes = exportBank(*e.rows, e.rows->builtIn());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
            out << QStringLiteral("%1: cannot be written").arg(path) << Qt::endl;
            status = 1;
            continue;
        }
        ++written;
    }
    out << QStringLiteral("%1 written to %2").arg(counted(written, QStringLiteral("bank file")), folder) << Qt::endl;
    return status;
}

QString bankUsage(const QStringList& standardFolders) {
    QString text = QStringLiteral(
        "Usage: quillmark [--classroom] [--banks FOLDER]\n"
        "       quillmark --export-banks FOLDER\n"
        "       quillmark --check-banks FOLDER\n"
        "       quillmark --worksheets\n"
        "       quillmark --worksheet NAME[,NAME...|all] [--questions N] [--answers]\n"
        "                 [--seed S] -o FILE.pdf\n"
        "       quillmark --help | --version\n"
        "\n"
        "Grammar and punctuation exercises at sentence level for pupils aged 9 to 11\n"
        "(Years 5 and 6). With no option, the program opens its title screen.\n"
        "\n"
        "Options:\n"
        "  --classroom            draw every screen as large as the display allows, for a\n"
        "                         projector or an interactive whiteboard\n"
        "  --banks FOLDER         play the bank files in FOLDER before those of the bank\n"
        "                         folders\n"
        "  --export-banks FOLDER  write each exercise's own questions into FOLDER, one file\n"
        "                         for each exercise (tenses.tsv, basic.tsv, ...), and end;\n"
        "                         a file already there is left as it is\n"
        "  --check-banks FOLDER   check the bank files in FOLDER, say what is wrong with\n"
        "                         each, line by line, and end\n"
        "  --worksheets           open the window that makes printable worksheets\n"
        "  --worksheet NAMES      make worksheets for the exercises named (tenses,basic)\n"
        "                         or for all thirty, as an A4 PDF, and end\n"
        "  --questions N          questions on each worksheet (10 unless given)\n"
        "  --answers              add an answer sheet for each worksheet\n"
        "  --seed S               draw the questions with the number S: the same number\n"
        "                         gives the same worksheet; without it, each is new\n"
        "  -o, --output FILE      the PDF file to write\n"
        "  -h, --help             print this text and end\n"
        "  --version              print the version and end\n"
        "\n"
        "Bank files:\n"
        "  A bank file holds a teacher's own questions for one exercise: tab-separated\n"
        "  text in UTF-8 (or Excel's \"Unicode Text\"), named after the exercise with\n"
        "  the ending .tsv (tenses.tsv), its first line naming the columns as the\n"
        "  exported files do. A file that passes every check replaces the exercise's\n"
        "  own questions; one that does not is named, with what is wrong, the first\n"
        "  time its exercise opens, and the exercise plays its own questions.\n"
        "\n"
        "Bank folders (for each exercise, the first that has its file gives it):\n");
    for (const QString& f : standardFolders) text += QStringLiteral("  ") + QDir::toNativeSeparators(f) + QLatin1Char('\n');
    text += QStringLiteral(
        "\n"
        "Exit status:\n"
        "  0 when all went well; 1 when --check-banks finds a problem, when\n"
        "  --export-banks finds a file already there or cannot write one, or when\n"
        "  --worksheet meets a bank file that fails its checks or cannot write its file;\n"
        "  2 when the command line is wrong (an unknown exercise, more questions than\n"
        "  its bank holds) or the folder given to --check-banks does not exist.\n");
    return text;
}

}  // namespace qm
