#include "worksheets/command.h"

#include <QDir>
#include <QFileInfo>

#include "exercise/banks/row_form.h"
#include "worksheets/worksheet.h"

namespace qm {

namespace {

// An exercise by its short name as the bank files have it ("punctuation"), else by its
// title in any case ("Punctuation" is the one on the menus), else by its name in any case.
const ScreenEntry* exerciseNamed(const Catalogue& catalogue, const QString& name) {
    for (const ScreenEntry& e : catalogue.entries())
        if (e.rows && e.name == name) return &e;
    for (const ScreenEntry* e : printableExercises(catalogue))
        if (e->title.compare(name, Qt::CaseInsensitive) == 0) return e;
    for (const ScreenEntry& e : catalogue.entries())
        if (e.rows && (e.title.compare(name, Qt::CaseInsensitive) == 0 || e.name.compare(name, Qt::CaseInsensitive) == 0))
            return &e;
    return nullptr;
}

std::optional<qint64> number(const QString& text) {
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

}  // namespace

int runWorksheetCommand(const Catalogue& catalogue, const std::map<QString, TeacherBank>& teacherBanks,
                        const WorksheetOptions& options, QTextStream& out, QTextStream& err) {
    const auto usage = [&err](const QString& what) {
        err << "quillmark: " << what << "\n";
        err.flush();
        return 2;
    };
    std::vector<const ScreenEntry*> exercises;
    if (options.names.trimmed().compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0) {
        exercises = printableExercises(catalogue);
    } else {
        for (const QString& name : options.names.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const ScreenEntry* e = exerciseNamed(catalogue, name.trimmed());
            if (!e) {
                QStringList known;
                for (const ScreenEntry* p : printableExercises(catalogue)) known << p->name;
                return usage(QStringLiteral("--worksheet: no exercise is called \"%1\"; the exercises are %2, or all")
                                 .arg(name.trimmed(), known.join(QStringLiteral(", "))));
            }
            if (std::find(exercises.begin(), exercises.end(), e) == exercises.end()) exercises.push_back(e);
        }
    }
    if (exercises.empty()) return usage(QStringLiteral("--worksheet needs the name of an exercise, or all"));
    if (!options.output || options.output->isEmpty())
        return usage(QStringLiteral("--worksheet needs the file to write: -o FILE.pdf"));

    int questions = kDefaultQuestions;
    if (options.questions) {
        const auto n = number(*options.questions);
        if (!n || *n < 1)
            return usage(QStringLiteral("--questions %1: give a number of questions from 1 up").arg(*options.questions));
        questions = int(std::min<qint64>(*n, 100000));
    }
    quint32 seed = QRandomGenerator::system()->generate();
    if (options.seed) {
        const auto n = number(*options.seed);
        if (!n || *n < 0 || *n > 0xffffffffLL)
            return usage(QStringLiteral("--seed %1: give a whole number from 0 to 4294967295").arg(*options.seed));
        seed = quint32(*n);
    }

    // The banks the screens would play; a teacher's file that fails its checks stops the sheet.
    std::vector<SheetBank> banks;
    for (const ScreenEntry* e : exercises) {
        SheetBank bank = bankOf(*e, teacherBanks);
        if (!bank.problem.isEmpty()) {
            err << "quillmark: " << e->name << ": bank " << bank.problem << "\n";
            err.flush();
            return 1;
        }
        if (options.questions && questions > bank.rows.questions)
            return usage(QStringLiteral("--questions %1: %2 (%3) has %4 questions")
                             .arg(questions)
                             .arg(e->title, e->name)
                             .arg(bank.rows.questions));
        banks.push_back(std::move(bank));
    }

    QRandomGenerator rng(seed);
    QList<Sheet> sheets;
    // Without --questions, a bank smaller than that gives all it has.
    for (size_t i = 0; i < exercises.size(); ++i)
        sheets << drawSheet(*exercises[i], banks[i].rows, std::min(questions, banks[i].rows.questions), rng);
    const WorksheetResult result = writeWorksheets(sheets, options.answers, *options.output);
    if (!result.ok) {
        err << "quillmark: " << result.error << "\n";
        err.flush();
        return 1;
    }
    out << QDir::toNativeSeparators(*options.output) << ": " << sheets.size()
        << (sheets.size() == 1 ? " worksheet" : " worksheets") << (options.answers ? " with answers" : "") << ", "
        << result.pages.pages.size() << (result.pages.pages.size() == 1 ? " page" : " pages") << ", seed " << seed
        << "\n";
    out.flush();
    return 0;
}

}  // namespace qm
