#include "exercise/banks/bank_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

}  // namespace

BankOptions parseBankOptions(const QStringList& arguments) {
    BankOptions o;
    const std::pair<QString, std::optional<QString> BankOptions::*> folders[] = {
        {QStringLiteral("--banks"), &BankOptions::banks},
        {QStringLiteral("--export-banks"), &BankOptions::exportTo},
        {QStringLiteral("--check-banks"), &BankOptions::check},
    };
    for (int i = 1; i < int(arguments.size()); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        for (const auto& [name, member] : folders) {
            if (a == name) {
                if (i + 1 >= int(arguments.size()) || arguments[i + 1].isEmpty()) {
                    o.error = QStringLiteral("%1 needs a folder").arg(name);
                    return o;
                }
                o.*member = arguments[++i];
            } else if (a.startsWith(name + QLatin1Char('='))) {
                const QString folder = a.mid(name.size() + 1);
                if (folder.isEmpty()) {
                    o.error = QStringLiteral("%1 needs a folder").arg(name);
                    return o;
                }
                o.*member = folder;
            }
        }
    }
    if (o.exportTo && o.check) o.error = QStringLiteral("--export-banks and --check-banks cannot be used together");
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
    return bankFoldersIn(QStandardPaths::standardLocations(QStandardPaths::AppDataLocation));
}

QStringList chosenBankFolders(const std::optional<QString>& banksOption, const QStringList& standard) {
    QStringList folders = standard;
    if (banksOption) folders.prepend(*banksOption);
    return folders;
}

std::map<QString, TeacherBank> loadTeacherBanks(const Catalogue& catalogue, const QStringList& folders) {
    std::map<QString, TeacherBank> banks;
    for (const ScreenEntry& e : catalogue.entries()) {
        if (!e.rows) continue;
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(e.name + kSuffix);
            if (!QFileInfo(path).isFile()) continue;
            const BankFileCheck read = checkFile(*e.rows, path);
            TeacherBank bank;
            bank.file = path;
            if (read.problems.isEmpty()) {
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
    const QStringList files = dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
    if (files.isEmpty()) out << QStringLiteral("%1: no bank files (they end in %2)").arg(folder, kSuffix) << Qt::endl;
    int status = 0;
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        const ScreenEntry* e = catalogue.find(name.chopped(kSuffix.size()));
        if (!e || !e->rows) {
            out << QStringLiteral("%1:1: no exercise is called \"%2\": a bank file is named after its exercise, "
                                  "as the export names it (tenses.tsv)")
                       .arg(path, name.chopped(kSuffix.size()))
                << Qt::endl;
            status = 1;
            continue;
        }
        const BankFileCheck read = checkFile(*e->rows, path);
        if (read.problems.isEmpty()) {
            out << QStringLiteral("%1: ok: %2 rows").arg(path).arg(read.rows.questions) << Qt::endl;
            continue;
        }
        status = 1;
        for (int i = 0; i < int(read.problems.size()) && i < kMostProblemsShown; ++i)
            out << QStringLiteral("%1:%2: %3").arg(path).arg(read.problems[i].line).arg(read.problems[i].what) << Qt::endl;
        if (read.problems.size() > kMostProblemsShown)
            out << QStringLiteral("%1: and %2 more problems").arg(path).arg(read.problems.size() - kMostProblemsShown)
                << Qt::endl;
    }
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
    out << QStringLiteral("%1 bank files written to %2").arg(written).arg(folder) << Qt::endl;
    return status;
}

QString bankUsage(const QStringList& standardFolders) {
    QString text = QStringLiteral(
        "Usage: quillmark [--classroom] [--banks FOLDER]\n"
        "       quillmark --export-banks FOLDER\n"
        "       quillmark --check-banks FOLDER\n"
        "\n"
        "  --classroom            draw every screen as large as the display allows\n"
        "  --banks FOLDER         play the bank files in FOLDER before those of the bank folders\n"
        "  --export-banks FOLDER  write each exercise's own questions into FOLDER, one file\n"
        "                         for each exercise (tenses.tsv, basic.tsv, ...)\n"
        "  --check-banks FOLDER   check the bank files in FOLDER and say what is wrong\n"
        "\n"
        "Bank folders (for each exercise, the first that has its file gives it):\n");
    for (const QString& f : standardFolders) text += QStringLiteral("  ") + QDir::toNativeSeparators(f) + QLatin1Char('\n');
    return text;
}

}  // namespace qm
