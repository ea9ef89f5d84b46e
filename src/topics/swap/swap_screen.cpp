#include "topics/swap/swap_screen.h"

#include <algorithm>
#include <iterator>

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
    label->setFont_({QStringLiteral("Tahoma"), 24, true});
    label->Hide();
    return label;
}

// A row of word labels: bold Tahoma over the screen, each as wide as its word.
ControlArray<Label> wordRow(Form& f, const QString& name, double left, const QString& design) {
    ControlArray<Label> row = f.addArray<Label>(name);
    Label& first = row.at(0);
    first.setBackStyle(BackStyle::Transparent);
    first.setForeColor(SwapScreen::kYellow);
    first.setFont_({QStringLiteral("Tahoma"), 20.25, true});
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
    const FontSpec words{QStringLiteral("Tahoma"), 20.25, true};
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

void SwapScreen::writeBank() {
    for (int n = 0; n < int(d_.bank.size()); ++n) {
        const SwapRow& row = d_.bank[n];
        m.QuestionBank[n] = QString::fromUtf16(row.sentence);
        m.AnswerBank[n] = QString::fromUtf16(row.swapped);
        for (int k = 0; k < d_.candidatesPerRow && k < int(std::size(row.candidates)); ++k) {
            const int at = d_.candidatesPerRow * n + k;
            if (at < int(m.ExtraBank.size()))
                m.ExtraBank[at] = row.candidates[k] ? QString::fromUtf16(row.candidates[k]) : QString();
        }
    }
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

}  // namespace qm
