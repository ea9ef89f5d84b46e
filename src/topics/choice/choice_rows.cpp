#include "topics/choice/choice_rows.h"

#include <QSet>

#include "topics/choice/classify.h"
#include "topics/choice/counting.h"
#include "topics/choice/options.h"
#include "topics/choice/options_screen.h"
#include "topics/choice/parts.h"

namespace qm {

namespace {

FontSpec serif(double points, bool bold = false) { return {QStringLiteral("Times New Roman"), points, bold}; }

// "part 1 or 2", "part 1, 2 or 3".
QString partNumbers(int parts) {
    QStringList numbers;
    for (int j = 1; j <= parts; ++j) numbers << QString::number(j);
    return QStringLiteral("part ") + oneOf(numbers);
}

// A part number as a file gives it ("2" or "part 2"), from 0; -1 when it is none of 1..parts.
int partIndex(const QString& field, int parts) {
    QString f = field.trimmed();
    if (f.startsWith(QStringLiteral("part"), Qt::CaseInsensitive)) f = f.mid(4);
    const auto n = wholeNumber(f);
    return n && *n >= 1 && *n <= parts ? *n - 1 : -1;
}

QString captionOf(const QStringList& captions, int index) {
    return index >= 0 && index < int(captions.size()) ? captions[index] : QString::number(index);
}

}  // namespace

TextPlace placeOf(const Box& box, const FontSpec& font, int maxLines) {
    return {box.width, box.height, font, maxLines};
}

// ---------------------------------------------------------------- classification

ClassifyRows::ClassifyRows(const ClassifyDesign& d) : d_(d) {
    for (const ClassifyRow& row : d.bank) {
        builtIn_.question << QString::fromUtf16(row.sentence);
        builtIn_.keys << row.key;
        if (d.showsCorrected) builtIn_.answer << (row.corrected ? QString::fromUtf16(row.corrected) : QString());
        ++builtIn_.questions;
    }
}

QStringList ClassifyRows::columns() const {
    QStringList c{QStringLiteral("sentence"), QStringLiteral("answer (%1)").arg(oneOf(d_.boxes))};
    if (d_.showsCorrected) c << QStringLiteral("corrected sentence");
    return c;
}

Footprint ClassifyRows::footprint() const { return {1, d_.showsCorrected ? 1 : 0, 0, 0, 1}; }

QStringList ClassifyRows::fieldsOf(const BankImage& bank, int n) const {
    QStringList f{entry(bank.question, n), captionOf(d_.boxes, keyAt(bank.keys, n) - d_.keyOfFirstBox)};
    if (d_.showsCorrected) f << entry(bank.answer, n);
    return f;
}

void ClassifyRows::append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const {
    bank.question << fields.value(0).trimmed();
    const int box = captionIndex(d_.boxes, fields.value(1));
    if (box < 0)
        problems.append({line, QStringLiteral("the answer \"%1\" is not one of the boxes: %2")
                                   .arg(fields.value(1).trimmed(), oneOf(d_.boxes))});
    bank.keys << (box < 0 ? -1 : box + d_.keyOfFirstBox);
    if (d_.showsCorrected) bank.answer << fields.value(2).trimmed();
    ++bank.questions;
}

void ClassifyRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    checkText(problems, line, QStringLiteral("the sentence"), entry(bank.question, n),
              placeOf(d_.questionPlace, serif(ClassifyScreen::kQuestionPoints)));
    const int box = keyAt(bank.keys, n) - d_.keyOfFirstBox;
    if (box < 0 || box >= int(d_.boxes.size()))
        problems.append({line, QStringLiteral("the answer is not one of the boxes: %1").arg(oneOf(d_.boxes))});
    if (d_.showsCorrected)
        checkText(problems, line, QStringLiteral("the corrected sentence"), entry(bank.answer, n),
                  placeOf(ClassifyScreen::kCorrectedPlace, serif(ClassifyScreen::kCorrectedPoints)));
}

// The screen's instruction as a sheet of sentences asks it: "the sentence below" is each
// sentence of the sheet.
static QString sheetInstruction(QString instruction) {
    instruction.replace(QStringLiteral("the sentence below"), QStringLiteral("each sentence"));
    instruction.replace(QStringLiteral("The sentence below"), QStringLiteral("Each sentence"));
    return instruction;
}

PaperTask ClassifyRows::paperTask() const {
    return {sheetInstruction(d_.instruction) + QStringLiteral(" Circle the right answer."), {}};
}

PaperQuestion ClassifyRows::paperQuestion(const BankImage& bank, int n, const PaperRandom&) const {
    PaperQuestion q{{paperText(entry(bank.question, n)), paperCircle(d_.boxes)}, {}};
    q.key << captionOf(d_.boxes, keyAt(bank.keys, n) - d_.keyOfFirstBox);
    if (d_.showsCorrected) q.key << entry(bank.answer, n);
    return q;
}

// ---------------------------------------------------------------- sentence parts

PartsRows::PartsRows(const PartsDesign& d) : d_(d) {
    for (const PartsRow& row : d.bank) {
        for (int j = 0; j < d.group; ++j) {
            const char16_t* text = j < int(row.rows.size()) ? row.rows[size_t(j)] : nullptr;
            builtIn_.question << (text ? QString::fromUtf16(text) : QString());
        }
        builtIn_.keys << row.key;
        if (d.redPart) builtIn_.keys << row.answer;
        ++builtIn_.questions;
    }
}

bool PartsRows::keyedByPart() const { return d_.boxCaptions.isEmpty(); }

QStringList PartsRows::columns() const {
    QStringList c;
    for (int j = 1; j <= d_.parts; ++j) c << QStringLiteral("part %1").arg(j);
    for (int j = d_.parts; j < d_.group; ++j) c << QStringLiteral("whole sentence, punctuated");
    if (d_.redPart) c << QStringLiteral("red part (%1)").arg(partNumbers(d_.parts));
    if (keyedByPart())
        c << QStringLiteral("%1 (%2)").arg(d_.keyName, partNumbers(d_.parts));
    else
        c << QStringLiteral("answer (%1)").arg(oneOf(d_.boxCaptions));
    return c;
}

Footprint PartsRows::footprint() const { return {d_.group, 0, 0, 0, d_.redPart ? 2 : 1}; }

QStringList PartsRows::partsOf(const BankImage& bank, int n) const {
    QStringList rows;
    for (int j = 0; j < d_.group; ++j) rows << entry(bank.question, d_.group * n + j);
    return rows;
}

QStringList PartsRows::fieldsOf(const BankImage& bank, int n) const {
    QStringList f = partsOf(bank, n);
    if (d_.redPart) {
        f << QString::number(keyAt(bank.keys, 2 * n) + 1) << captionOf(d_.boxCaptions, keyAt(bank.keys, 2 * n + 1));
    } else {
        const int key = keyAt(bank.keys, n);
        f << (keyedByPart() ? QString::number(key + 1) : captionOf(d_.boxCaptions, key));
    }
    return f;
}

void PartsRows::append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const {
    QStringList rows = fields.mid(0, d_.group);
    if (d_.redPart) {
        // The parts carry the space where they meet: kept where the file has it, put at
        // the start of the second part where it has none.
        QString& first = rows[0];
        QString& second = rows[1];
        while (first.startsWith(QLatin1Char(' '))) first.remove(0, 1);
        while (second.endsWith(QLatin1Char(' '))) second.chop(1);
        if (!first.isEmpty() && !second.isEmpty() && !first.endsWith(QLatin1Char(' ')) &&
            !second.startsWith(QLatin1Char(' ')))
            second.prepend(QLatin1Char(' '));
    } else {
        for (QString& r : rows) r = r.trimmed();
    }
    bank.question << rows;
    const auto badPart = [&](const QString& field) {
        problems.append({line, QStringLiteral("\"%1\" is not %2").arg(field.trimmed(), partNumbers(d_.parts))});
    };
    const auto badCaption = [&](const QString& field) {
        problems.append({line, QStringLiteral("the answer \"%1\" is not one of the boxes: %2")
                                   .arg(field.trimmed(), oneOf(d_.boxCaptions))});
    };
    if (d_.redPart) {
        const int red = partIndex(fields.value(d_.group), d_.parts);
        if (red < 0) badPart(fields.value(d_.group));
        const int answer = captionIndex(d_.boxCaptions, fields.value(d_.group + 1));
        if (answer < 0) badCaption(fields.value(d_.group + 1));
        bank.keys << red << answer;
    } else if (keyedByPart()) {
        const int key = partIndex(fields.value(d_.group), d_.parts);
        if (key < 0) badPart(fields.value(d_.group));
        bank.keys << key;
    } else {
        const int key = captionIndex(d_.boxCaptions, fields.value(d_.group));
        if (key < 0) badCaption(fields.value(d_.group));
        bank.keys << key;
    }
    ++bank.questions;
}

QString PartsRows::sameness(const BankImage& bank, int n) const {
    return partsOf(bank, n).mid(0, d_.parts).join(QLatin1Char('|'));
}

void PartsRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const QStringList rows = partsOf(bank, n);
    const QStringList parts = rows.mid(0, d_.parts);
    const int problemsBefore = int(problems.size());
    for (int j = 0; j < d_.parts; ++j) {
        const QString& part = parts[j];
        const QString name = QStringLiteral("part %1").arg(j + 1);
        if (part.isEmpty()) {
            if (j < 2) problems.append({line, name + QStringLiteral(" is empty")});
            continue;
        }
        if (part.trimmed().isEmpty() || part.contains(QLatin1Char('\t')) || part.contains(QLatin1Char('\n')) ||
            part.contains(QLatin1Char('\r')))
            problems.append({line, name + QStringLiteral(" has nothing in it but spaces, or a tab or line break")});
        else if (part.contains(QStringLiteral("  ")))
            problems.append({line, name + QStringLiteral(" has two spaces together")});
        else if (!d_.redPart && part != part.trimmed())
            problems.append({line, name + QStringLiteral(" has a space at its start or end")});
    }
    if (d_.redPart && !parts[0].isEmpty() && !parts[1].isEmpty()) {
        if (parts[0].endsWith(QLatin1Char(' ')) == parts[1].startsWith(QLatin1Char(' ')) ||
            parts[0].startsWith(QLatin1Char(' ')) || parts[1].endsWith(QLatin1Char(' ')))
            problems.append({line, QStringLiteral("part 1 and part 2 must meet with one space between them")});
    }
    for (int j = d_.parts; j < d_.group; ++j) checkText(problems, line, QStringLiteral("the whole sentence"), rows[j]);

    // The keys: a part that is there, or a box.
    int red = -1;
    int key = keyAt(bank.keys, n);
    if (d_.redPart) {
        red = keyAt(bank.keys, 2 * n);
        key = keyAt(bank.keys, 2 * n + 1);
        if (red < 0 || red >= d_.parts) problems.append({line, QStringLiteral("the red part is not %1").arg(partNumbers(d_.parts))});
    }
    if (keyedByPart()) {
        if (key < 0 || key >= d_.parts || parts[key].isEmpty())
            problems.append({line, QStringLiteral("the %1 is not a part of the sentence").arg(d_.keyName)});
    } else if (key < 0 || key >= int(d_.boxCaptions.size())) {
        problems.append({line, QStringLiteral("the answer is not one of the boxes: %1").arg(oneOf(d_.boxCaptions))});
    }
    if (int(problems.size()) > problemsBefore) return;

    // The parts laid out as the screen lays them out.
    std::vector<double> widths;
    for (int j = 0; j < d_.parts; ++j)
        widths.push_back(textWidthTwips(serif(PartsScreen::kPartPoints, j == red), parts[j]));
    if (d_.gapMarker) {
        const GapPlaces at = gapParts(widths[0]);
        if (at.second + widths[1] > d_.flow.margin)
            problems.append({line, QStringLiteral("the sentence does not fit on one line on the screen")});
    } else {
        const std::vector<PartPlace> places = flowParts(widths, d_.partsTop, d_.flow);
        for (int j = 0; j < d_.parts; ++j) {
            if (parts[j].isEmpty()) continue;
            if (places[j].top - d_.partsTop > d_.flow.lineStep) {
                problems.append({line, QStringLiteral("the sentence takes more than two lines on the screen")});
                break;
            }
            if (places[j].left + widths[j] > d_.flow.margin) {
                problems.append({line, d_.flow.wraps ? QStringLiteral("part %1 is too long for a line on the screen").arg(j + 1)
                                                     : QStringLiteral("the sentence does not fit on one line on the screen")});
                break;
            }
        }
    }
    if (d_.answerLine && d_.answerPlace.width > 0) {
        const QString answer = d_.answerLine(rows, key);
        if (const auto wrong = misfit(placeOf(d_.answerPlace, serif(d_.answerPoints)), answer))
            problems.append({line, QStringLiteral("the line shown after an answer (%1) %2").arg(answer, *wrong)});
    }
}

PaperTask PartsRows::paperTask() const { return {d_.paperTask, {}}; }

PaperQuestion PartsRows::paperQuestion(const BankImage& bank, int n, const PaperRandom&) const {
    const QStringList rows = partsOf(bank, n);
    const int key = keyAt(bank.keys, d_.redPart ? 2 * n + 1 : n);
    PaperQuestion q;
    QList<PaperRun> runs;
    if (d_.gapMarker) {
        // The marker's place is a gap to write in.
        runs << PaperRun{rows.value(0).trimmed() + QStringLiteral(" ____ ") + rows.value(1).trimmed()};
    } else if (d_.redPart) {
        const int red = keyAt(bank.keys, 2 * n);
        for (int j = 0; j < d_.parts; ++j) {
            // The space where the parts meet stays outside the marking.
            const QString part = rows.value(j);
            const QString bare = part.trimmed();
            const QString before = part.startsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
            const QString after = part.endsWith(QLatin1Char(' ')) ? QStringLiteral(" ") : QString();
            if (!before.isEmpty()) runs << PaperRun{before};
            if (j == red)
                runs << paperMarked(bare);
            else
                runs << PaperRun{bare};
            if (!after.isEmpty()) runs << PaperRun{after};
        }
    } else {
        for (int j = 0; j < d_.parts; ++j) {
            if (rows.value(j).isEmpty()) continue;
            if (!runs.isEmpty()) runs << PaperRun{QStringLiteral(" ")};
            runs << PaperRun{rows.value(j), false, j + 1};
        }
    }
    q.pieces << paperText(runs);
    if (keyedByPart()) {
        q.pieces << paperBox(QStringLiteral("Part"));
        q.key << QStringLiteral("%1: %2").arg(key + 1).arg(rows.value(key));
        for (int j = d_.parts; j < d_.group; ++j) q.key << rows.value(j);
    } else {
        q.pieces << paperCircle(d_.boxCaptions);
        q.key << captionOf(d_.boxCaptions, key);
        if (d_.answerLine && d_.answerPlace.width > 0) q.key << d_.answerLine(rows, key);
    }
    return q;
}

// ---------------------------------------------------------------- options

OptionBank shuffledBank(const ShuffledDesign& d) {
    OptionBank b{
        .columns = d.columns,
        .firstOption = 1,
        .options = d.options,
        .rightRow = d.rightRow,
        .completedRow = d.showsCompleted ? d.options + 1 : -1,
        .prompt = placeOf(d.promptPlace, serif(d.promptPoints)),
        .completed = std::nullopt,
        .option = {d.boxWidth, d.boxHeight, {QStringLiteral("Tahoma"), d.boxPoints, true}},
        .paperTask = d.paperTask,
        .rows = d.bank,
    };
    if (d.showsCompleted) b.completed = placeOf(d.completedPlace, serif(ShuffledScreen::kCompletedPoints));
    return b;
}

OptionRows::OptionRows(OptionBank b) : b_(std::move(b)) {
    const int G = int(b_.columns.size());
    for (const char16_t* row : b_.rows) builtIn_.question << QString::fromUtf16(row);
    builtIn_.questions = G > 0 ? int(builtIn_.question.size()) / G : 0;
}

QStringList OptionRows::fieldsOf(const BankImage& bank, int n) const {
    const int G = int(b_.columns.size());
    QStringList f;
    for (int k = 0; k < G; ++k) f << entry(bank.question, G * n + k);
    return f;
}

void OptionRows::append(BankImage& bank, const QStringList& fields, int, BankProblems&) const {
    for (int k = 0; k < int(b_.columns.size()); ++k) bank.question << fields.value(k).trimmed();
    ++bank.questions;
}

QString OptionRows::sameness(const BankImage& bank, int n) const {
    return entry(bank.question, int(b_.columns.size()) * n);
}

void OptionRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const QStringList rows = fieldsOf(bank, n);
    const int before = int(problems.size());
    for (int k = 0; k < int(rows.size()); ++k) checkText(problems, line, QStringLiteral("the ") + b_.columns[k], rows[k]);
    if (int(problems.size()) > before) return;

    const QStringList options = rows.mid(b_.firstOption, b_.options);
    if (QSet<QString>(options.begin(), options.end()).size() != options.size())
        problems.append({line, QStringLiteral("two of the options are the same")});
    const QString right = rows.value(b_.rightRow);
    if (b_.completedRow >= 0) {
        const QString gapped = rows[0];
        if (gapped.count(QStringLiteral("____")) != 1) {
            problems.append({line, QStringLiteral("the sentence must have one gap, written as four underscores ____")});
        } else if (QString(gapped).replace(QStringLiteral("____"), right) != rows[b_.completedRow]) {
            problems.append({line, QStringLiteral("the completed sentence must be the sentence with the right word in its gap")});
        }
    }
    const auto fit = [&](const TextPlace& place, int k, const QString& shown) {
        if (const auto wrong = misfit(place, shown)) problems.append({line, QStringLiteral("the ") + b_.columns[k] + QLatin1Char(' ') + *wrong});
    };
    if (b_.prompt) fit(*b_.prompt, 0, rows[0]);
    if (b_.completed && b_.completedRow >= 0) fit(*b_.completed, b_.completedRow, rows[b_.completedRow]);
    for (int k = b_.firstOption; k < b_.firstOption + b_.options; ++k)
        fit(b_.option, k, b_.numbered ? numberedLine(b_.options, rows[k]) : rows[k]);
}

PaperTask OptionRows::paperTask() const { return {b_.paperTask, {}}; }

PaperQuestion OptionRows::paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const {
    const QStringList rows = fieldsOf(bank, n);
    PaperQuestion q;
    if (b_.firstOption > 0) q.pieces << paperText(rows[0]);
    const QStringList options = rows.mid(b_.firstOption, b_.options);
    const QList<int> order = paperOrder(int(options.size()), rnd);
    QStringList lettered;
    for (int i : order) lettered << options[i];
    q.pieces << paperLetters(lettered);
    const int right = int(order.indexOf(b_.rightRow - b_.firstOption));
    q.key << QStringLiteral("%1) %2").arg(paperLetter(right), rows.value(b_.rightRow));
    if (b_.completedRow >= 0) q.key << rows.value(b_.completedRow);
    return q;
}

// ---------------------------------------------------------------- counting

CountingBank countingBank(const QString& keyColumn, const QString& run, std::span<const CountRow> rows) {
    return {QStringLiteral("%1 (1 to %2)").arg(keyColumn).arg(CountingScreen::kBoxes),
            run,
            CountingScreen::kBoxes,
            placeOf(CountingScreen::kSentencePlace, serif(CountingScreen::kTextPoints)),
            placeOf(CountingScreen::kCorrectedPlace, serif(CountingScreen::kTextPoints), 3),
            rows};
}

CountingRows::CountingRows(CountingBank b) : b_(std::move(b)) {
    for (const CountRow& row : b_.rows) {
        builtIn_.question << QString::fromUtf16(row.sentence);
        builtIn_.keys << row.count;
        builtIn_.answer << QString::fromUtf16(row.corrected);
        ++builtIn_.questions;
    }
}

QStringList CountingRows::columns() const {
    return {QStringLiteral("sentence"), b_.keyColumn, QStringLiteral("corrected sentence")};
}

QStringList CountingRows::fieldsOf(const BankImage& bank, int n) const {
    return {entry(bank.question, n), QString::number(keyAt(bank.keys, n)), entry(bank.answer, n)};
}

void CountingRows::append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const {
    bank.question << fields.value(0).trimmed() + b_.run;
    const auto count = wholeNumber(fields.value(1));
    if (!count)
        problems.append({line, QStringLiteral("\"%1\" is not a number from 1 to %2").arg(fields.value(1).trimmed()).arg(b_.boxes)});
    bank.keys << count.value_or(-1);
    bank.answer << fields.value(2).trimmed() + b_.run;
    ++bank.questions;
}

void CountingRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const auto checkSentence = [&](const QString& what, const QString& text, const TextPlace& place) {
        if (!text.endsWith(b_.run)) {
            problems.append({line, what + QStringLiteral(" must end with %1 spaces").arg(b_.run.size())});
            return;
        }
        const int before = int(problems.size());
        checkText(problems, line, what, text.chopped(b_.run.size()));
        if (int(problems.size()) > before) return;
        if (const auto wrong = misfit(place, text)) problems.append({line, what + QLatin1Char(' ') + *wrong});
    };
    checkSentence(QStringLiteral("the sentence"), entry(bank.question, n), b_.sentence);
    const int key = keyAt(bank.keys, n);
    if (key < 1 || key > b_.boxes)
        problems.append({line, QStringLiteral("%1 is not one of the boxes 1 to %2").arg(key).arg(b_.boxes)});
    checkSentence(QStringLiteral("the corrected sentence"), entry(bank.answer, n), b_.corrected);
}

PaperTask CountingRows::paperTask() const {
    QString marks = b_.keyColumn.section(QLatin1Char(' '), 0, 0);
    if (marks == QLatin1String("marks")) marks = QStringLiteral("punctuation marks");
    return {QStringLiteral("How many %1 are missing from each sentence? Write the number in the box, then write "
                           "the sentence out correctly.")
                .arg(marks),
            {}};
}

PaperQuestion CountingRows::paperQuestion(const BankImage& bank, int n, const PaperRandom&) const {
    return {{paperText(entry(bank.question, n).trimmed()), paperBox(QStringLiteral("Missing")), paperLines(2)},
            {QString::number(keyAt(bank.keys, n)), entry(bank.answer, n).trimmed()}};
}

}  // namespace qm
