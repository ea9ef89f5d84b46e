// Which kind of writing is the text: narrative, instructions, report or persuasion?

#include "exercise/banks/row_form.h"
#include "topics/timed/screens.h"
#include "topics/timed/stop_box.h"

namespace qm {

namespace {

struct Row {
    const char16_t* text;
    int kind;  // 0 narrative, 1 instructions, 2 report, 3 persuasion
};

const Row kBank[] = {
    {u"Silently moving towards the open window...", 0},
    {u"Write your name in capital letters.", 1},
    {u"The accident occurred at 09.00 precisely.", 2},
    {u"You'll be even more popular if...", 3},
    {u"Once upon a time.", 0},
    {u"You’ll get better results than ever using our product.", 3},
    {u"Plug the red lead into the red socket.", 1},
    {u"The bridge has become unsafe for vehicles.", 2},
    {u"Grabbing her scarf, Lily ran out into the falling snow.", 0},
    {u"Long ago, a clever fox lived at the edge of a great forest.", 0},
    {u"Suddenly, the lights went out and somebody screamed!", 0},
    {u"Could Ravi reach the cave before the tide came in?", 0},
    {u"\"Look, a seal!\" shouted Sam as the boat bobbed past.", 0},
    {u"When Mia opened the box, a kitten blinked up at her.", 0},
    {u"First, cut the orange into four equal pieces.", 1},
    {u"Never put metal dishes in the microwave!", 1},
    {u"To make the dough, mix the flour with warm water.", 1},
    {u"You will need scissors, glue and a sheet of card.", 1},
    {u"Finally, check your answer: does it make sense?", 1},
    {u"Hedgehogs hibernate during the winter months.", 2},
    {u"The River Severn is the longest river in Britain.", 2},
    {u"Heavy rain caused flooding in the town centre yesterday.", 2},
    {u"Most owls hunt at night, using their sharp hearing.", 2},
    {u"More than 300 people visited the school fair on Saturday.", 2},
    {u"Roman roads were built to be as straight as possible.", 2},
    {u"Hurry down to Seaview Zoo for the best day out ever!", 3},
    {u"Don’t miss the most exciting film of the summer!", 3},
    {u"Surely every child deserves a longer playtime?", 3},
    {u"Crunchy Flakes are simply the tastiest cereal in the world.", 3},
    {u"Vote for Amira for a cleaner, greener school.", 3},
};

const char* const kExplanations[] = {
    "Narrative means story telling.",
    "Instructions give directions and information.",
    "Reports are statements of facts.",
    "Persuasive texts try to influence or win over the reader.",
};

const QStringList kCategories{QStringLiteral("Narrative"), QStringLiteral("Instructions"), QStringLiteral("Report"),
                               QStringLiteral("Persuasion")};

// The text in question, in Times New Roman 36 over the screen.
const SteppingScreen::Place kText{120, 1680, 9855, 1815};
constexpr double kTextPoints = 36;

class ConventionsScreen final : public StopBoxScreen {
public:
    ConventionsScreen(Module1& m, const ScreenEntry& e) : StopBoxScreen(m, e, kCategories) {
        Label4 = addArray<Label>(QStringLiteral("Label4"));
        const auto text = [this](int i, const Place& p, double points, const QColor& colour) {
            Label* l = Label4.Load(i);
            l->Move(p.left, p.top, p.width, p.height);
            l->setBackStyle(BackStyle::Transparent);
            l->setAlignment(Align::Center);
            l->setFont_({QStringLiteral("Times New Roman"), points});
            l->setForeColor(colour);
            l->Hide();
            return l;
        };
        text(0, kText, kTextPoints, kYellow);
        text(1, {120, 120, 9855, 1455}, 27.75, kGreen)
            ->setCaption(QStringLiteral("When the correct category for the text below is shown in the box, click STOP."));
        Label4(1)->Show();
        text(2, {120, 7200, 9855, 1455}, 27.75, kGreen);
        makeBoxAt({2880, 3600, 4365, 975});
        makeControls({4200, 5040, 1755, 675}, {120, 6120, 9855, 1095}, 8280, {3600, 3960, 4320});
    }

protected:
    void ShowNextQuestion() override {
        const auto n = drawRow();
        if (!n) return;
        Label4(0)->setCaption(m.QuestionBank[*n]);
        const int kind = num(m.AnswerKey[*n]);
        Label4(2)->setCaption(kind >= 0 && kind < 4 ? QString::fromLatin1(kExplanations[kind]) : QString());
        Label4(0)->Show();
        Timer2->setEnabled(true);
    }
    VInt rowCategory() const override {
        if (!m.LastPick || *m.LastPick < 0 || *m.LastPick >= int(m.AnswerKey.size())) return std::nullopt;
        return m.AnswerKey[*m.LastPick];
    }
    // The text stays on screen; the next one replaces it.
    void hideQuestion() override { Label4(2)->Hide(); }
    void showAfterRight() override { Label4(2)->Show(); }
};

// A text and the kind of writing it comes from, named as the box names it.
class ConventionsRows final : public RowForm {
public:
    ConventionsRows() {
        for (const Row& row : kBank) {
            builtIn_.question << QString::fromUtf16(row.text);
            builtIn_.keys << row.kind;
            ++builtIn_.questions;
        }
    }
    QStringList columns() const override {
        return {QStringLiteral("text"), QStringLiteral("answer (%1)").arg(oneOf(kCategories))};
    }
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {1, 0, 0, 0, 1}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override {
        const int kind = keyAt(bank.keys, n);
        return {entry(bank.question, n), kind >= 0 && kind < int(kCategories.size()) ? kCategories[kind] : QString::number(kind)};
    }
    PaperTask paperTask() const override {
        return {QStringLiteral("What kind of writing does each text come from? Write the category in the box."),
                kCategories};
    }
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom&) const override {
        return {{paperText(entry(bank.question, n)), paperBox(QStringLiteral("Category"), true)}, {fieldsOf(bank, n)[1]}};
    }
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override {
        bank.question << fields.value(0).trimmed();
        const int kind = captionIndex(kCategories, fields.value(1));
        if (kind < 0)
            problems.append({line, QStringLiteral("the answer \"%1\" is not one of the categories: %2")
                                       .arg(fields.value(1).trimmed(), oneOf(kCategories))});
        bank.keys << kind;
        ++bank.questions;
    }
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override {
        checkText(problems, line, QStringLiteral("the text"), entry(bank.question, n),
                  TextPlace{kText.width, kText.height, {QStringLiteral("Times New Roman"), kTextPoints}});
        const int kind = keyAt(bank.keys, n);
        if (kind < 0 || kind >= int(kCategories.size()))
            problems.append({line, QStringLiteral("the answer is not one of the categories: %1").arg(oneOf(kCategories))});
    }

private:
    BankImage builtIn_;
};

}  // namespace

Form* makeConventions(Module1& m, const ScreenEntry& e) { return new ConventionsScreen(m, e); }

const RowForm& conventionsRows() {
    static const ConventionsRows rows;
    return rows;
}

}  // namespace qm
