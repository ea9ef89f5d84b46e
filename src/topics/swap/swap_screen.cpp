#include "topics/swap/swap_screen.h"

#include <QSet>
#include <algorithm>
#include <iterator>

#include "exercise/word_tiles.h"
#include "topics/swap/swap_rules.h"

namespace qm {

const QColor SwapScreen::kYellow(255, 255, 0);
const QColor SwapScreen::kMagenta(255, 0, 255);

namespace {

const QString kBeep = QStringLiteral("wav\\beep.wav");

Label* text(Form& f, const QString& name, const SwapPlace& p, const FontSpec& font, bool visible) {
    auto* label = f.add<Label>(name);
    label->Move(p.left, p.top, p.width, p.height);
    label->setBackStyle(BackStyle::Transparent);
    label->setForeColor(SwapScreen::kYellow);
    label->setAlignment(Align::Center);
    label->setWordWrap(true);
    label->setFont_(font);
    label->setVisible_(visible);
    return label;
}

Label* box(Form& f, const QString& name, const SwapPlace& p, const QColor& fore) {
    auto* label = f.add<Label>(name);
    label->Move(p.left, p.top, p.width, p.height);
    label->setBackStyle(BackStyle::Opaque);
    label->setBackColor(Qt::black);
    label->setBorderStyle(Border::FixedSingle);
    label->setForeColor(fore);
    label->setAlignment(Align::Center);
    label->setFont_(SwapScreen::boxFont());
    label->Hide();
    return label;
}

// A row of word labels: bold Tahoma over the screen, each as wide as its word.
ControlArray<Label> wordRow(Form& f, const QString& name, double left, const QString& design) {
    ControlArray<Label> row = f.addArray<Label>(name);
    Label& first = row.at(0);
    first.setBackStyle(BackStyle::Transparent);
    first.setForeColor(SwapScreen::kYellow);
    first.setFont_(SwapScreen::wordFont());
    first.setAutoSize(true);
    first.Move(left, 2160);
    first.setCaption(design);
    first.Hide();
    row.Load(SwapScreen::kWords - 1);
    return row;
}

}  // namespace

SwapScreen::SwapScreen(Module1& m, const ScreenEntry& e, const SwapDesign& d) : ExerciseScreen(m, e), d_(d) {
    const FontSpec serif24{QStringLiteral("Times New Roman"), 24};
    const FontSpec serif20{QStringLiteral("Times New Roman"), 20.25};
    const FontSpec words = wordFont();
    Label4 = text(*this, QStringLiteral("Label4"), {120, 120, 9855, 855}, serif24, true);
    Label4->setCaption(d.instruction);
    Label7 = wordRow(*this, QStringLiteral("Label7"), d.firstWordLeft, QString());
    Label2 = wordRow(*this, QStringLiteral("Label2"), d.firstWordLeft, QStringLiteral("Nearly"));
    Label6 = text(*this, QStringLiteral("Label6"), {120, 3120, 9855, 975}, serif20, false);
    Label6->setCaption(d.secondInstruction);
    Label9 = box(*this, QStringLiteral("Label9"), d.box, kYellow);
    Label8 = box(*this, QStringLiteral("Label8"), {4320, 5280, 1635, 675}, QColor(255, 0, 0));
    Label8->setCaption(QStringLiteral("STOP"));
    options = SpeedOptions::make(*this, 10080, {4560, 4920, 5280}, false);
    Label3 = text(*this, QStringLiteral("Label3"), d.swappedPlace, words, false);
    Label3->setAnnounced(true);
    Label1 = text(*this, QStringLiteral("Label1"), {1320, 7380, 8655, 1455}, {QStringLiteral("Times New Roman"), 48},
                  false);
    Label1->setCaption(QStringLiteral("Correct"));
    setFeedbackCaption(Label1);
    Timer2 = addTimer(QStringLiteral("Timer2"), 1000, false);

    Label7.on().click = [this](int i) { Label7_Click(i); };
    Label8->onClick = [this] { Label8_Click(); };
    Timer2->onTimer = [this] { Timer2_Timer(); };
}

void SwapScreen::familyReset() {
    options.setBackColor(entry().background);
    m.CounterA = 0;
    m.CounterB = 0;
    m.CurrentPick = 0;
    for (Label* word : Label7) word->setCaption(QString());
}

QString SwapScreen::candidate(int row, int k) const {
    if (row < 0 || row >= bankSize() || k < 0 || k >= d_.candidatesPerRow) return QString();
    const int at = d_.candidatesPerRow * row + k;
    return at < int(m.ExtraBank.size()) ? m.ExtraBank[at] : QString();
}

void SwapScreen::showStageTwo(bool visible) {
    Label6->setVisible_(visible);
    Label8->setVisible_(visible);
    Label9->setVisible_(visible);
    options.setVisible(visible);
}

void SwapScreen::resetForNext() {
    Label3->Hide();
    showStageTwo(false);
    Timer2->setEnabled(false);
    Timer2->setInterval(1000);
    m.CounterB = 0;
    m.CounterA = std::clamp(int(m.platform.random.Rnd() * 4), 0, 3);
    Label1->Hide();
    for (Label* word : Label7) {
        word->setForeColor(kYellow);
        word->Hide();
        word->setCaption(QString());
    }
    if (d_.emptiesBoxForNext) Label9->setCaption(QString());
}

void SwapScreen::SplitWords(const QString& text, const ControlArray<Label>& labels) {
    for (const QString& word : qm::SplitWords(text)) {
        // Words past the last label have no place to go.
        if (Label* slot = labels(num(m.CounterB))) slot->setCaption(word);
        m.CounterB = num(m.CounterB) + 1;
    }
}

void SwapScreen::ShowNextQuestion() {
    const auto n = drawRow();
    if (!n) return;
    m.CurrentPick = *n;
    Label3->setCaption(m.AnswerBank[*n]);
    SplitWords(m.QuestionBank[*n], Label7);
    m.CounterB = 0;
    SplitWords(m.AnswerBank[*n], Label2);
    Label7.at(0).setLeft(d_.firstWordLeft);
    for (int i = 1; i < Label7.count(); ++i) {
        const Label& before = Label7.at(i - 1);
        Label7.at(i).Move(before.Left() + before.Width() + 120, Label7.at(0).Top());
    }
    for (Label* word : Label7) word->Show();
    Label4->Show();
}

bool SwapScreen::isTheWord(int index) const {
    const int row = num(m.CurrentPick);
    if (row < 0 || row >= bankSize()) return false;
    const QStringList shown = qm::SplitWords(m.QuestionBank[row]);
    const QStringList swapped = qm::SplitWords(m.AnswerBank[row]);
    return changedSpan(shown, swapped).contains(index);
}

void SwapScreen::Label7_Click(int Index) {
    if (isTheWord(Index)) {
        tmrtick->setEnabled(true);
        Label1->setCaption(QStringLiteral("Correct"));
        m.PlayCue(kBeep);
        if (Label* word = Label7(Index)) word->setForeColor(kMagenta);
        showStageTwo(true);
        Timer2->setEnabled(true);
    } else {
        tmrcross->setEnabled(true);
        Label1->setCaption(QStringLiteral("Wrong"));
        m.PlayCue(QStringLiteral("wav\\boink.wav"));
    }
}

void SwapScreen::Timer2_Timer() {
    if (const auto ms = options.interval({1000, 2000, 4000})) Timer2->setInterval(*ms);
    m.CounterA = nextCandidate(num(m.CounterA), d_.candidatesPerRow);
    Label9->setCaption(candidate(num(m.LastPick), num(m.CounterA)));
    m.PlayCue(QStringLiteral("wav\\typekey.wav"));
}

void SwapScreen::Label8_Click() {
    const QString right = candidate(num(m.LastPick), 0);
    if (!right.isEmpty() && Label9->Caption() == right) {
        Label3->Show();
        tmrtick->setEnabled(true);
        Label1->setCaption(QStringLiteral("Correct"));
        m.PlayCue(kBeep);
        Timer2->setEnabled(false);
    } else {
        tmrcross->setEnabled(true);
        Label1->setCaption(QStringLiteral("Wrong"));
        m.PlayCue(QStringLiteral("wav\\boink.wav"));
    }
    Label1->Show();
}

// ---------------------------------------------------------------- bank rows

SwapRows::SwapRows(const SwapDesign& d) : d_(d) {
    for (const SwapRow& row : d.bank) {
        builtIn_.question << QString::fromUtf16(row.sentence);
        builtIn_.answer << QString::fromUtf16(row.swapped);
        for (int k = 0; k < d.candidatesPerRow; ++k) {
            const char16_t* c = k < int(std::size(row.candidates)) ? row.candidates[k] : nullptr;
            builtIn_.extra << (c ? QString::fromUtf16(c) : QString());
        }
        ++builtIn_.questions;
    }
}

QStringList SwapRows::columns() const {
    QStringList c{QStringLiteral("sentence"), QStringLiteral("swapped sentence"), QStringLiteral("right word")};
    for (int k = 1; k < d_.candidatesPerRow; ++k) c << QStringLiteral("wrong word %1").arg(k);
    return c;
}

QStringList SwapRows::fieldsOf(const BankImage& bank, int n) const {
    QStringList f{entry(bank.question, n), entry(bank.answer, n)};
    for (int k = 0; k < d_.candidatesPerRow; ++k) f << entry(bank.extra, d_.candidatesPerRow * n + k);
    return f;
}

PaperQuestion SwapRows::paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const {
    const QStringList f = fieldsOf(bank, n);
    const QStringList shown = qm::SplitWords(f[0]);
    const QStringList swapped = qm::SplitWords(f[1]);
    QStringList candidates;
    for (int k = 0; k < d_.candidatesPerRow; ++k)
        if (!f[2 + k].isEmpty()) candidates << f[2 + k];
    QStringList order;
    for (int i : paperOrder(int(candidates.size()), rnd)) order << candidates[i];
    const WordSpan out = changedSpan(shown, swapped);
    PaperQuestion q{{paperText(paperWords(f[0])), paperCircle(order)}, {}};
    q.key << QStringLiteral("%1 → %2").arg(shown.mid(out.first, out.end - out.first).join(QLatin1Char(' ')), f[2]);
    q.key << paperWords(f[1]);
    return q;
}

void SwapRows::append(BankImage& bank, const QStringList& fields, int, BankProblems&) const {
    bank.question << wordRowFromField(fields.value(0));
    bank.answer << wordRowFromField(fields.value(1));
    for (int k = 0; k < d_.candidatesPerRow; ++k) bank.extra << fields.value(2 + k).trimmed();
    ++bank.questions;
}

void SwapRows::check(const BankImage& bank, int n, int line, BankProblems& problems) const {
    const QString sentence = entry(bank.question, n);
    const QString swapped = entry(bank.answer, n);
    for (const auto& [what, text] : {std::pair{QStringLiteral("the sentence"), sentence},
                                     std::pair{QStringLiteral("the swapped sentence"), swapped}}) {
        if (const auto fault = wordRowFault(text)) {
            problems.append({line, what + QLatin1Char(' ') + *fault});
            return;
        }
        if (wordCount(text) > SwapScreen::kWords) {
            problems.append({line, QStringLiteral("%1 has %2 words, but the screen has room for %3")
                                       .arg(what)
                                       .arg(wordCount(text))
                                       .arg(SwapScreen::kWords)});
            return;
        }
    }
    const QStringList shown = SplitWords(sentence);
    const QStringList other = SplitWords(swapped);
    const WordSpan in = swappedInSpan(shown, other);
    const WordSpan out = changedSpan(shown, other);
    if (out.empty() || in.empty()) {
        problems.append({line, QStringLiteral("the swapped sentence must have another word in place of the word to find")});
        return;
    }
    const QString found = shown.mid(out.first, out.end - out.first).join(QLatin1Char(' '));
    const QString swappedIn = other.mid(in.first, in.end - in.first).join(QLatin1Char(' '));
    // Any word of the changed stretch counts as found, so it must be the one word to find.
    if (d_.oneWordSwap && (out.end - out.first != 1 || in.end - in.first != 1)) {
        problems.append({line, QStringLiteral("the swapped sentence has \"%1\" in place of \"%2\": this exercise swaps "
                                              "one word for one word, and the rest of the sentence stays as it is")
                                   .arg(swappedIn, found)});
        return;
    }
    QStringList candidates;
    for (int k = 0; k < d_.candidatesPerRow; ++k) candidates << entry(bank.extra, d_.candidatesPerRow * n + k);
    const QStringList names = columns().mid(2);
    const int before = int(problems.size());
    for (int k = 0; k < int(candidates.size()); ++k)
        checkText(problems, line, QStringLiteral("the ") + names[k], candidates[k],
                  TextPlace{d_.box.width, d_.box.height, SwapScreen::boxFont(), 1, true});
    if (int(problems.size()) > before) return;
    if (QSet<QString>(candidates.begin(), candidates.end()).size() != candidates.size())
        problems.append({line, QStringLiteral("two of the words for the box are the same")});
    if (swappedIn != candidates[0])
        problems.append({line, QStringLiteral("the right word must be the word the swapped sentence has in place of the "
                                              "word to find")});
    // STOP on the word to find itself would give back the sentence shown, which makes sense.
    for (int k = 1; k < int(candidates.size()); ++k)
        if (candidates[k].compare(found, Qt::CaseInsensitive) == 0)
            problems.append({line, QStringLiteral("the %1 \"%2\" is the word to find itself: the sentence with it "
                                                  "makes sense, so it cannot be a wrong answer")
                                       .arg(names[k], candidates[k])});

    // The words in a row as the screen lays them out, every slot after the gap before it.
    std::vector<double> widths = wordWidths(shown, SwapScreen::wordFont());
    widths.resize(SwapScreen::kWords, 0);
    double right = d_.firstWordLeft;
    for (std::size_t i = 0; i < widths.size(); ++i) right = (i == 0 ? d_.firstWordLeft : right + 120) + widths[i];
    if (right > SwapScreen::kRightEdge)
        problems.append({line, QStringLiteral("the sentence does not fit on one line on the screen")});
    if (const auto wrong = misfit({d_.swappedPlace.width, d_.swappedPlace.height, SwapScreen::wordFont(), 1}, swapped))
        problems.append({line, QStringLiteral("the swapped sentence ") + *wrong});
}

}  // namespace qm
