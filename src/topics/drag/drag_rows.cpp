#include "topics/drag/drag_rows.h"

#include <algorithm>
#include <functional>

namespace qm {

namespace {

const QStringList kJudgements{QStringLiteral("CORRECT"), QStringLiteral("INCORRECT")};
const QString kCorrect = QStringLiteral("X");
const QString kFaulty = QStringLiteral("V");

}  // namespace

DragRows::DragRows(const DragBank& b) : b_(b) {
    for (const DragRow& row : b.rows) {
        const QString sentence = QString::fromUtf16(row.sentence);
        builtIn_.question << sentence;
        if (b.key == DragKey::Code) {
            builtIn_.answer << sentence;
            builtIn_.code << QString::fromUtf16(row.key);
        } else {
            builtIn_.answer << QString::fromUtf16(row.key);
            if (b.key != DragKey::Dustbin) builtIn_.extra << (row.extra ? QString::fromUtf16(row.extra) : QString());
        }
        ++builtIn_.questions;
    }
}

Footprint DragRows::footprint() const {
    switch (b_.key) {
    case DragKey::Dustbin: return {1, 1, 0, 0, 0};
    case DragKey::Code: return {1, 1, 0, 1, 0};
    default: return {1, 1, 1, 0, 0};
    }
}

QString DragRows::spacedCode(const QString& code) {
    QStringList digits;
    for (const QChar c : code) digits << QString(c);
    return digits.join(QLatin1Char(' '));
}

QString DragRows::codeFromField(const QString& field) {
    QString code = field;
    code.removeIf([](QChar c) { return c.isSpace(); });
    return code;
}

QStringList DragRows::fieldsOf(const BankImage& bank, int n) const {
    const QString sentence = entry(bank.question, n);
    switch (b_.key) {
    case DragKey::Dustbin: return {sentence, entry(bank.answer, n)};
    case DragKey::TwoMarked:
        return {sentence, entry(bank.answer, n), entry(bank.extra, n)};
    case DragKey::Agreement:
        return {sentence, entry(bank.answer, n),
                kJudgements[entry(bank.extra, n) == kCorrect ? 0 : 1]};
    case DragKey::Code: return {sentence, spacedCode(entry(bank.code, n))};
    }
    return {};
}

void DragRows::append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const {
    const QString sentence = wordRowFromField(fields.value(0));
    bank.question << sentence;
    switch (b_.key) {
    case DragKey::Dustbin:
        bank.answer << wordRowFromField(fields.value(1));
        break;
    case DragKey::TwoMarked:
        bank.answer << wordRowFromField(fields.value(1));
        bank.extra << fields.value(2).trimmed();
        break;
    case DragKey::Agreement: {
        const int judged = captionIndex(kJudgements, fields.value(2));
        if (judged < 0)
            problems.append({line, QStringLiteral("the answer \"%1\" is not CORRECT or INCORRECT").arg(fields.value(2).trimmed())});
        // A correct sentence needs no corrected sentence of its own.
        const QString corrected = wordRowFromField(fields.value(1));
        bank.answer << (judged == 0 && corrected.isEmpty() ? sentence : corrected);
        bank.extra << (judged == 0 ? kCorrect : kFaulty);
        break;
    }
    case DragKey::Code:
        bank.answer << sentence;
        bank.code << codeFromField(fields.value(1));
        break;
    }
    ++bank.questions;
}

void DragRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const QString sentence = entry(bank.question, n);
    const QString what = b_.key == DragKey::Code ? QStringLiteral("the line") : QStringLiteral("the sentence");
    if (const auto fault = wordRowFault(sentence)) {
        problems.append({line, what + QLatin1Char(' ') + *fault});
        return;
    }
    const int words = wordCount(sentence);
    if (words > b_.slotCount) {
        problems.append({line, QStringLiteral("%1 has %2 words, but the screen has room for %3")
                                   .arg(what)
                                   .arg(words)
                                   .arg(b_.slotCount)});
        return;
    }
    const QStringList shown = splitWords(sentence, b_.slotCount);
    QStringList keys = shown;

    if (b_.key == DragKey::Code) {
        const QString code = entry(bank.code, n);
        if (code.size() != words) {
            problems.append({line, QStringLiteral("the codes have %1 digits, but the line has %2 words: one code for "
                                                  "each word")
                                       .arg(code.size())
                                       .arg(words)});
            return;
        }
        for (const QChar c : code) {
            if (c < QLatin1Char('0') || c > QLatin1Char('3')) {
                problems.append({line, QStringLiteral("\"%1\" is not a code: each code is 0, 1, 2 or 3").arg(c)});
                return;
            }
        }
    } else {
        const QString key = entry(bank.answer, n);
        const QString keyName =
            b_.key == DragKey::Agreement ? QStringLiteral("the corrected sentence") : QStringLiteral("the key");
        if (const auto fault = wordRowFault(key)) {
            problems.append({line, keyName + QLatin1Char(' ') + *fault});
            return;
        }
        if (wordCount(key) != words) {
            problems.append({line, QStringLiteral("%1 has %2, but the sentence has %3: one for each word")
                                       .arg(keyName)
                                       .arg(counted(wordCount(key), QStringLiteral("word")))
                                       .arg(words)});
            return;
        }
        keys = splitWords(key, b_.slotCount);
        int marked = 0;
        for (int k = 0; k < words; ++k) marked += shown[k] != keys[k] ? 1 : 0;
        const QString extra = entry(bank.extra, n);
        switch (b_.key) {
        case DragKey::Dustbin:
            if (marked == 0) problems.append({line, QStringLiteral("the key leaves every word as it is, so no word is to be dragged out")});
            break;
        case DragKey::TwoMarked:
            if (marked != 2)
                problems.append({line, QStringLiteral("the key must change the two words of the double negative, and "
                                                      "only those (it changes %1)")
                                           .arg(marked)});
            checkText(problems, line, QStringLiteral("the corrected sentence"), extra, b_.corrected);
            if (extra == sentence.trimmed())
                problems.append({line, QStringLiteral("the corrected sentence is the sentence itself")});
            break;
        case DragKey::Agreement:
            if (extra != kCorrect && extra != kFaulty)
                problems.append({line, QStringLiteral("the answer must be CORRECT or INCORRECT")});
            else if (extra == kCorrect && marked != 0)
                problems.append({line, QStringLiteral("a CORRECT sentence must have a corrected sentence the same as itself")});
            else if (extra == kFaulty && marked == 0)
                problems.append({line, QStringLiteral("an INCORRECT sentence must have a word changed in its corrected sentence")});
            break;
        case DragKey::Code:
            break;
        }
    }

    // The words as the tiles show them, whichever of a word and its key a tile shows.
    const std::vector<double> shownWidths = wordWidths(shown, WordTiles::look());
    const std::vector<double> keyWidths = wordWidths(keys, WordTiles::look());
    if (!b_.flow.wrap) {
        const auto rightEdge = [&](const std::vector<double>& w) {
            const std::vector<TilePlace> places = flowPlaces(w, b_.flow);
            return places.empty() ? 0.0 : places.back().left + w.back();
        };
        if (rightEdge(shownWidths) > b_.flow.rightEdge || rightEdge(keyWidths) > b_.flow.rightEdge)
            problems.append({line, what + QStringLiteral(" does not fit on one line on the screen")});
    } else {
        std::vector<double> widest = shownWidths;
        for (std::size_t k = 0; k < widest.size(); ++k) widest[k] = std::max(widest[k], keyWidths[k]);
        if (lineCount(flowPlaces(widest, b_.flow)) > 3)
            problems.append({line, what + QStringLiteral(" takes more than three lines on the screen")});
    }
}

}  // namespace qm

namespace qm {

namespace {

QStringList wordsOf(const QString& row) { return row.split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// A word as a pupil writes it in a list: without the marks that end or open it.
QString bareWord(const QString& word) {
    qsizetype a = 0, b = word.size();
    while (a < b && !word[a].isLetterOrNumber()) ++a;
    while (b > a && !word[b - 1].isLetterOrNumber()) --b;
    return word.mid(a, b - a);
}

// The runs of words that go, each as one phrase without the marks at its ends.
QStringList goneRuns(const QStringList& words, const std::function<bool(int)>& goes) {
    QStringList runs;
    for (int i = 0; i < int(words.size()); ++i) {
        if (!goes(i)) continue;
        QStringList run;
        for (; i < int(words.size()) && goes(i); ++i) run << words[i];
        runs << bareWord(run.join(QLatin1Char(' ')));
    }
    return runs;
}

// The sentence once the words that go have gone: a comma left before a run that ended in
// one goes too ("Joe, our captain, is" gives "Joe is"), the sentence's last mark stays when
// its last words go, and the first word keeps the capital of the sentence's first.
QString keptSentence(const QStringList& words, const std::function<bool(int)>& goes) {
    QStringList kept;
    for (int i = 0; i < int(words.size()); ++i) {
        if (!goes(i)) {
            kept << words[i];
            continue;
        }
        int last = i;
        while (last + 1 < int(words.size()) && goes(last + 1)) ++last;
        const QString& end = words[last];
        if (!kept.isEmpty() && kept.last().endsWith(QLatin1Char(',')) && end.endsWith(QLatin1Char(',')))
            kept.last().chop(1);
        if (last == int(words.size()) - 1 && !kept.isEmpty()) {
            qsizetype mark = end.size();
            while (mark > 0 && !end[mark - 1].isLetterOrNumber()) --mark;
            while (!kept.last().isEmpty() && QStringLiteral(",;:-–—").contains(kept.last().back())) kept.last().chop(1);
            kept.last() += end.mid(mark);
        }
        i = last;
    }
    QString text = kept.join(QLatin1Char(' '));
    if (!text.isEmpty() && !words.isEmpty() && goes(0) && words[0].front().isUpper()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace

PaperQuestion DragRows::paperQuestion(const BankImage& bank, int n, const PaperRandom&) const {
    const QString sentence = entry(bank.question, n);
    const QStringList words = wordsOf(sentence);
    PaperQuestion q{{paperText(paperWords(sentence))}, {}};
    switch (b_.key) {
    case DragKey::Dustbin: {
        // A key word of stars (and the marks it keeps) goes; any other changed word is the
        // word that goes in its place.
        const QStringList key = wordsOf(entry(bank.answer, n));
        const auto goes = [&](int i) {
            const QString k = key.value(i);
            return k != words[i] && std::none_of(k.begin(), k.end(), [](QChar c) { return c.isLetterOrNumber(); });
        };
        QStringList swaps;
        for (int i = 0; i < int(words.size()); ++i)
            if (key.value(i) != words[i] && !goes(i))
                swaps << QStringLiteral("%1 → %2").arg(bareWord(words[i]), bareWord(key.value(i)));
        if (!swaps.isEmpty()) {
            q.pieces << paperBox(QStringLiteral("Standard word"), true);
            q.key << swaps.join(QStringLiteral(", ")) << paperWords(entry(bank.answer, n));
            break;
        }
        q.key << QStringLiteral("Cross out: ") + QStringList(goneRuns(words, goes)).join(QStringLiteral("; "));
        q.key << keptSentence(words, goes);
        break;
    }
    case DragKey::TwoMarked: {
        // The key row changes the two words of the double negative, whatever it puts in their place.
        const QStringList key = wordsOf(entry(bank.answer, n));
        QStringList marked;
        for (int i = 0; i < int(words.size()); ++i)
            if (key.value(i) != words[i]) marked << bareWord(words[i]);
        q.pieces << paperLines(1);
        q.key << QStringLiteral("Negatives: ") + marked.join(QStringLiteral(", ")) << entry(bank.extra, n);
        break;
    }
    case DragKey::Agreement:
        q.pieces << paperBox(QStringLiteral("Tick")) << paperLines(1);
        if (entry(bank.extra, n) == kCorrect)
            q.key << kJudgements[0];
        else
            q.key << kJudgements[1] + QStringLiteral(": ") + paperWords(entry(bank.answer, n));
        break;
    case DragKey::Code: {
        static const QStringList headings{QStringLiteral("Proper nouns"), QStringLiteral("Pronouns"),
                                          QStringLiteral("Nouns")};
        q.pieces << paperTable(headings);
        const QString code = entry(bank.code, n);
        for (int c = 1; c <= 3; ++c) {
            QStringList found;
            for (int i = 0; i < int(words.size()) && i < int(code.size()); ++i)
                if (code[i].digitValue() == c) found << bareWord(words[i]);
            q.key << headings[c - 1] + QStringLiteral(": ") +
                         (found.isEmpty() ? QStringLiteral("none") : found.join(QStringLiteral(", ")));
        }
        break;
    }
    }
    return q;
}

}  // namespace qm
