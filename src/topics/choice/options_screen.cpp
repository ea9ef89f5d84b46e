#include "topics/choice/options_screen.h"

#include "topics/choice/options.h"

namespace qm {

OptionScreen::OptionScreen(Module1& m, const ScreenEntry& e, int rowsPerQuestion, int rightRow)
    : ChoiceScreen(m, e), G(rowsPerQuestion), rightRow_(rightRow) {}

QString OptionScreen::row(int n, int k) const {
    const long long i = (long long)G * n + k;
    if (n < 0 || k < 0 || i >= (long long)m.QuestionBank.size()) return QString();
    return m.QuestionBank[size_t(i)];
}

std::optional<QString> OptionScreen::rightText() const {
    if (!m.LastPick || *m.LastPick < 0 || *m.LastPick >= bankSize()) return std::nullopt;
    const QString right = row(*m.LastPick, rightRow_);
    if (right.isEmpty()) return std::nullopt;  // before the bank is filled: no box is right
    return right;
}

QString OptionScreen::boxText(int index) const {
    const Label* box = Label5(index);
    return box ? box->Caption() : QString();
}

bool OptionScreen::isRightBox(int index) const {
    const auto right = rightText();
    return right && boxText(index) == *right;
}

// ---------------------------------------------------------------- ShuffledScreen

ShuffledScreen::ShuffledScreen(Module1& m, const ScreenEntry& e, const ShuffledDesign& d)
    : OptionScreen(m, e, d.rowsPerQuestion, d.rightRow), d_(d) {
    if (!d.instruction.isEmpty())
        Label2 = addText(*this, QStringLiteral("Label2"), d.instructionPlace, d.instructionPoints, kGreen,
                         d.instruction);
    Label4 = addText(*this, QStringLiteral("Label4"), d.promptPlace, d.promptPoints, kYellow, QString(), false);
    if (d.showsCompleted)
        Label1 = addText(*this, QStringLiteral("Label1"), d.completedPlace, kCompletedPoints, kGreen, QString(), false);
    std::vector<Box> places;
    for (double left : d.boxLefts) places.push_back({left, d.boxTop, d.boxWidth, d.boxHeight});
    makeBoxes(places, {}, d.boxPoints);
    makeFeedback(d.feedbackPlace, d.feedbackPoints);
    Timer2->setInterval(d.blinkInterval);
}

void ShuffledScreen::ShowNextQuestion() {
    const auto n = drawRow();
    if (!n) return;
    Label4->setCaption(row(*n, 0));
    if (Label1) Label1->setCaption(row(*n, d_.options + 1));
    QStringList options;
    for (int k = 1; k <= d_.options; ++k) options << row(*n, k);
    m.platform.random.Randomize();
    Random& random = m.platform.random;
    options = shuffleOptions(options, [&random] { return random.Rnd(); });
    for (int i = 0; i < Label5.count(); ++i) Label5(i)->setCaption(i < options.size() ? options[i] : QString());
    Label4->Show();
    for (Label* box : Label5) box->Show();
}

void ShuffledScreen::afterAnswer() {
    if (Label1) Label1->Show();
}

void ShuffledScreen::hideForNext() {
    if (Label1) Label1->Hide();
}

}  // namespace qm
