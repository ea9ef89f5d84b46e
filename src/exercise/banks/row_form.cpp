#include "exercise/banks/row_form.h"

#include <QSet>
#include <algorithm>
#include <map>

#include "exercise/banks/bank_file.h"

namespace qm {

namespace {

constexpr int kTextEntries = 201;  // QuestionBank and the other texts: 0 to 200
constexpr int kKeyEntries = 101;   // AnswerKey: 0 to 100
constexpr int kMostRows = 100;

bool hasControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

QString columnList(const QStringList& columns) { return columns.join(QStringLiteral(", ")); }

// The checks of a bank, leaving out questions that could not be read at all.
BankProblems checkQuestions(const RowForm& form, const BankImage& bank, const QList<int>& lines,
                            const QSet<int>& unread) {
    BankProblems problems;
    const int most = form.maxRows();
    const auto lineOf = [&](int n) { return n < int(lines.size()) ? lines[n] : n + 2; };
    if (bank.questions > most) {
        problems.append({lineOf(most), most == kMostRows
                                           ? QStringLiteral("more than 100 rows: a bank takes at most 100")
                                           : QStringLiteral("more than %1: this exercise takes at most %2")
                                                 .arg(counted(most, QStringLiteral("row")))
                                                 .arg(most)});
    }
    if (bank.questions < form.minRows()) {
        problems.append({bank.questions > 0 ? lineOf(bank.questions - 1) : 1,
                         QStringLiteral("too few rows for the draw: this exercise needs at least %1").arg(form.minRows())});
    }
    std::map<QString, int> seen;
    for (int n = 0; n < std::min(bank.questions, most); ++n) {
        if (unread.contains(n)) continue;
        form.check(bank, n, lineOf(n), problems);
        const QString same = form.sameness(bank, n);
        if (same.trimmed().isEmpty()) continue;
        const auto [at, fresh] = seen.emplace(same, lineOf(n));
        if (!fresh) problems.append({lineOf(n), QStringLiteral("the same question as line %1").arg(at->second)});
    }
    std::stable_sort(problems.begin(), problems.end(),
                     [](const BankProblem& a, const BankProblem& b) { return a.line < b.line; });
    return problems;
}

}  // namespace

int RowForm::maxRows() const {
    const Footprint f = footprint();
    int most = kMostRows;
    for (const int per : {f.question, f.answer, f.extra, f.code})
        if (per > 0) most = std::min(most, kTextEntries / per);
    if (f.keys > 0) most = std::min(most, kKeyEntries / f.keys);
    return most;
}

BankProblems checkBank(const RowForm& form, const BankImage& bank, const QList<int>& lines) {
    return checkQuestions(form, bank, lines, {});
}

BankProblems checkBuiltIn(const RowForm& form) { return checkBank(form, form.builtIn(), {}); }

BankFileCheck readBank(const RowForm& form, const QByteArray& bytes) {
    BankFileCheck out;
    const FileText text = readBankText(bytes);
    for (const FileProblem& p : text.problems) out.problems.append({p.line, p.what});
    if (!out.problems.isEmpty()) return out;

    const QStringList columns = form.columns();
    const FileRow& header = text.rows.first();
    QStringList named = header.fields;
    while (named.size() > columns.size() && named.last().trimmed().isEmpty()) named.removeLast();
    bool same = named.size() == columns.size();
    for (int i = 0; same && i < int(columns.size()); ++i)
        same = named[i].trimmed().compare(columns[i], Qt::CaseInsensitive) == 0;
    if (!same) {
        const bool commas = header.fields.size() == 1 && header.fields.first().contains(QLatin1Char(','));
        out.problems.append({header.line, commas ? QStringLiteral("the columns are not separated by tabs: save the file as "
                                                                  "tab-separated text")
                                                 : QStringLiteral("the first line must name the columns: %1")
                                                       .arg(columnList(columns))});
        return out;
    }

    QList<int> lines;
    QSet<int> unread;
    BankProblems problems;
    for (int r = 1; r < int(text.rows.size()); ++r) {
        const FileRow& row = text.rows[r];
        QStringList fields = row.fields;
        while (fields.size() > columns.size() && fields.last().trimmed().isEmpty()) fields.removeLast();
        if (fields.size() != columns.size()) {
            problems.append({row.line, QStringLiteral("%1 where this exercise has %2 (%3)")
                                           .arg(counted(fields.size(), QStringLiteral("column")))
                                           .arg(columns.size())
                                           .arg(columnList(columns))});
            continue;
        }
        if (std::any_of(fields.begin(), fields.end(), hasControl)) {
            problems.append({row.line, QStringLiteral("a tab or a line break inside a field")});
            continue;
        }
        const int before = int(problems.size());
        form.append(out.rows, fields, row.line, problems);
        if (int(problems.size()) > before) unread.insert(out.rows.questions - 1);
        lines << row.line;
    }
    problems += checkQuestions(form, out.rows, lines, unread);
    std::stable_sort(problems.begin(), problems.end(),
                     [](const BankProblem& a, const BankProblem& b) { return a.line < b.line; });
    out.problems = problems;
    return out;
}

QByteArray exportBank(const RowForm& form, const BankImage& bank) {
    QList<QStringList> rows{form.columns()};
    for (int n = 0; n < bank.questions; ++n) rows << form.fieldsOf(bank, n);
    return writeBankText(rows);
}

// ---------------------------------------------------------------- for the forms

QString entry(const QStringList& table, int i) { return i >= 0 && i < int(table.size()) ? table[i] : QString(); }

int keyAt(const QList<int>& keys, int i) { return i >= 0 && i < int(keys.size()) ? keys[i] : -1; }

QString wordRowFromField(const QString& field) {
    QString row = field;
    while (row.startsWith(QLatin1Char(' '))) row.remove(0, 1);
    while (row.endsWith(QLatin1Char(' '))) row.chop(1);
    return row.isEmpty() ? row : row + QLatin1Char(' ');
}

std::optional<QString> wordRowFault(const QString& row) {
    if (row.trimmed().isEmpty()) return QStringLiteral("is empty");
    if (!row.endsWith(QLatin1Char(' ')) || row.endsWith(QStringLiteral("  ")))
        return QStringLiteral("must end with one space after its last word");
    if (row.startsWith(QLatin1Char(' '))) return QStringLiteral("begins with a space");
    if (row.contains(QStringLiteral("  "))) return QStringLiteral("has two spaces together, which make an empty word");
    if (hasControl(row)) return QStringLiteral("has a tab or a line break in it");
    return std::nullopt;
}

int captionIndex(const QStringList& captions, const QString& field) {
    const QString f = field.trimmed();
    for (int i = 0; i < int(captions.size()); ++i)
        if (captions[i].compare(f, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

std::optional<int> wholeNumber(const QString& field) {
    const QString f = field.trimmed();
    if (f.isEmpty() || f.size() > 6) return std::nullopt;
    for (const QChar c : f)
        if (!c.isDigit() || c.unicode() > 0x7F) return std::nullopt;
    return f.toInt();
}

QString counted(qsizetype n, const QString& noun) {
    return QStringLiteral("%1 %2%3").arg(n).arg(noun, n == 1 ? QString() : QStringLiteral("s"));
}

QString oneOf(const QStringList& captions) {
    if (captions.size() < 2) return captions.value(0);
    return captions.mid(0, captions.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + captions.last();
}

std::optional<QString> misfit(const TextPlace& place, const QString& text) {
    const WrappedText w = wrapText(place.font, place.width, text, place.bordered);
    if (w.heightTwips > place.height)
        return QStringLiteral("is too long for its place on the screen (%1)").arg(counted(w.lines, QStringLiteral("line")));
    if (w.wordTooWide) return QStringLiteral("has a word too wide for its place on the screen");
    if (place.maxLines > 0 && w.lines > place.maxLines)
        return place.maxLines == 1 ? QStringLiteral("does not fit on one line on the screen")
                                   : QStringLiteral("takes more than %1 lines on the screen").arg(place.maxLines);
    return std::nullopt;
}

void checkText(BankProblems& problems, int line, const QString& what, const QString& text,
               const std::optional<TextPlace>& place) {
    if (text.trimmed().isEmpty()) {
        problems.append({line, what + QStringLiteral(" is empty")});
        return;
    }
    if (hasControl(text)) {
        problems.append({line, what + QStringLiteral(" has a tab or a line break in it")});
        return;
    }
    if (text != text.trimmed()) {
        problems.append({line, what + QStringLiteral(" has a space at its start or end")});
        return;
    }
    if (place) {
        if (const auto wrong = misfit(*place, text)) problems.append({line, what + QLatin1Char(' ') + *wrong});
    }
}

std::vector<double> wordWidths(const QStringList& words, const FontSpec& font) {
    std::vector<double> widths;
    widths.reserve(words.size());
    for (const QString& w : words) widths.push_back(textWidthTwips(font, w));
    return widths;
}

}  // namespace qm
