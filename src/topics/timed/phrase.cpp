// Is the marked part of the sentence a phrase or a clause? The first part is drawn in
// dark red, the second in black, and the question names the colour of the marked one.

#include "exercise/banks/row_form.h"
#include "topics/timed/screens.h"
#include "topics/timed/stop_box.h"
#include "topics/timed/timed_rules.h"

namespace qm {

namespace {

struct Row {
    const char16_t* first;
    const char16_t* second;
    int marked;  // 0 the first part, 1 the second
    int kind;    // of the marked part: 0 phrase, 1 clause
};

const Row kBank[] = {
    {u"The dogs barked noisily", u"at the horses.", 0, 1},
    {u"He snatched my wallet ", u"yesterday afternoon.", 1, 0},
    {u"The picnic sandwiches", u"were all eaten up.", 0, 0},
    {u"I stubbed my toe", u"on that brick.", 0, 1},
    {u"On hillsides in Italy,", u"grapes are grown.", 1, 1},
    {u"Early on Saturday,", u"we set off for the beach.", 0, 0},
    {u"My little brother’s red bike", u"has a flat tyre.", 0, 0},
    {u"Under the old stone bridge,", u"a family of ducks was nesting.", 0, 0},
    {u"After a long day,", u"Mum put her feet up.", 0, 0},
    {u"The tallest girl in our class", u"is captain of the netball team.", 0, 0},
    {u"With a loud splash,", u"the dog jumped into the pond.", 0, 0},
    {u"The children cheered", u"at the end of the show.", 0, 1},
    {u"When the rain stopped,", u"we went out to play.", 0, 1},
    {u"Priya did her homework", u"before tea.", 0, 1},
    {u"Because the bus was late,", u"Jamal missed assembly.", 0, 1},
    {u"The baby giggled", u"in her high chair.", 0, 1},
    {u"We visited the museum", u"on a rainy Tuesday.", 0, 1},
    {u"We had fish and chips", u"on the seafront.", 1, 0},
    {u"Ellie keeps her hamster", u"in a cage by the window.", 1, 0},
    {u"The football match was cancelled", u"because of the snow.", 1, 0},
    {u"Tom has lost", u"his favourite woolly hat.", 1, 0},
    {u"Gran lives in Cardiff,", u"the capital of Wales.", 1, 0},
    {u"The swimmers dived into the pool", u"at exactly nine o’clock.", 1, 0},
    {u"We waved to Mrs Shah,", u"our lollipop lady.", 1, 0},
    {u"At the end of the lane,", u"an old barn stood empty.", 1, 1},
    {u"During the storm,", u"the lights went out.", 1, 1},
    {u"In the middle of the night,", u"the baby woke up.", 1, 1},
    {u"I’ll feed the rabbits", u"when I get home.", 1, 1},
    {u"We stayed indoors", u"because it was raining.", 1, 1},
    {u"The whistle blew", u"and we all cheered.", 1, 1},
    {u"Kofi was smiling", u"as he crossed the line.", 1, 1},
};

const QColor kDarkRed(192, 0, 0);

// The second part follows the first on its line, or starts a line of its own 750 twips
// lower when it would end right of 10000 twips.
const LineRule kLine{120, 10000, 750};

const QStringList kKinds{QStringLiteral("Phrase"), QStringLiteral("Clause")};
const FontSpec kPartFont{QStringLiteral("Times New Roman"), 27.75};
constexpr double kPartsLeft = 240;
constexpr double kPartsTop = 1200;
// The marked part in quote marks, before "is a", on one line.
const SteppingScreen::Place kQuoted{240, 4560, 6285, 1455};

class PhraseScreen final : public StopBoxScreen {
public:
    PhraseScreen(Module1& m, const ScreenEntry& e) : StopBoxScreen(m, e, kKinds) {
        Label2 = addText(QStringLiteral("Label2"), {0, 120, 10215, 1455}, 27.75, kYellow,
                         QStringLiteral("Is the text shown in red a phrase or a clause?"));
        Label4 = addArray<Label>(QStringLiteral("Label4"));
        const auto text = [this](int i, const QColor& colour) {
            Label* l = Label4.Load(i);
            l->setAutoSize(false);  // a new element is a copy of the first part, which sizes itself
            l->setBackStyle(BackStyle::Transparent);
            l->setFont_(kPartFont);
            l->setForeColor(colour);
            l->Hide();
            return l;
        };
        for (int i : {0, 1}) {
            Label* part = text(i, i == 0 ? kDarkRed : kBlack);
            part->Move(kPartsLeft, kPartsTop);
            part->setAutoSize(true);
        }
        Label* quoted = text(2, kBlack);
        quoted->Move(kQuoted.left, kQuoted.top, kQuoted.width, kQuoted.height);
        quoted->setAlignment(Align::Right);
        Label* isA = text(3, kYellow);
        isA->Move(6540, 4560, 885, 855);
        isA->setAlignment(Align::Right);
        isA->setCaption(QStringLiteral("is a"));
        isA->Show();
        makeBoxAt({7560, 4440, 2445, 975});
        makeControls({7920, 5760, 1755, 675}, {120, 6720, 9855, 1095}, 10080, {6600, 6960, 7320});
    }

    Label* Label2;  // the question

protected:
    void ShowNextQuestion() override {
        const auto n = drawRow();
        if (!n) return;
        Label* first = Label4(0);
        Label* second = Label4(1);
        second->setTop(first->Top());
        first->setCaption(m.QuestionBank[2 * *n]);
        second->setCaption(m.QuestionBank[2 * *n + 1]);
        const int marked = m.AnswerKey[2 * *n + 1] == 1 ? 1 : 0;
        Label4(2)->setCaption(QStringLiteral("'") + m.QuestionBank[2 * *n + marked] + QStringLiteral("'"));
        Label4(2)->setForeColor(marked == 0 ? kDarkRed : kBlack);
        Label2->setCaption(marked == 0 ? QStringLiteral("Is the text shown in red a phrase or a clause?")
                                       : QStringLiteral("Is the text shown in black a phrase or a clause?"));
        first->setLeft(kPartsLeft);
        const SecondPartPlace p = placeSecondPart(kLine, first->Left(), first->Top(), first->Width(), second->Width());
        second->Move(p.left, p.top);
        for (int i : {0, 1, 2}) Label4(i)->Show();
        Timer2->setEnabled(true);
    }
    VInt rowCategory() const override {
        if (!m.LastPick || *m.LastPick < 0 || 2 * *m.LastPick >= int(m.AnswerKey.size())) return std::nullopt;
        return m.AnswerKey[2 * *m.LastPick];
    }
    void hideQuestion() override {
        for (int i : {0, 1, 2}) Label4(i)->Hide();
    }
    // The marked part is on screen already.
    void showAfterRight() override { Label4(2)->Show(); }
};

// A sentence in two parts (kept exactly as written, a space at an end included), which
// part is marked, and whether that part is a phrase or a clause.
class PhraseRows final : public RowForm {
public:
    PhraseRows() {
        for (const Row& row : kBank) {
            builtIn_.question << QString::fromUtf16(row.first) << QString::fromUtf16(row.second);
            builtIn_.keys << row.kind << row.marked;
            ++builtIn_.questions;
        }
    }
    QStringList columns() const override {
        return {QStringLiteral("part 1"), QStringLiteral("part 2"), QStringLiteral("marked part (part 1 or 2)"),
                QStringLiteral("answer (%1)").arg(oneOf(kKinds))};
    }
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {2, 0, 0, 0, 2}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override {
        const int kind = keyAt(bank.keys, 2 * n);
        return {entry(bank.question, 2 * n), entry(bank.question, 2 * n + 1),
                QString::number(keyAt(bank.keys, 2 * n + 1) + 1),
                kind >= 0 && kind < int(kKinds.size()) ? kKinds[kind] : QString::number(kind)};
    }
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override {
        bank.question << fields.value(0) << fields.value(1);
        const auto marked = wholeNumber(QString(fields.value(2)).remove(QStringLiteral("part"), Qt::CaseInsensitive));
        if (!marked || *marked < 1 || *marked > 2)
            problems.append({line, QStringLiteral("\"%1\" is not part 1 or 2").arg(fields.value(2).trimmed())});
        const int kind = captionIndex(kKinds, fields.value(3));
        if (kind < 0)
            problems.append({line, QStringLiteral("the answer \"%1\" is not %2").arg(fields.value(3).trimmed(), oneOf(kKinds))});
        bank.keys << kind << (marked ? *marked - 1 : -1);
        ++bank.questions;
    }
    QString sameness(const BankImage& bank, int n) const override {
        return entry(bank.question, 2 * n) + QLatin1Char('|') + entry(bank.question, 2 * n + 1);
    }
    PaperTask paperTask() const override {
        return {QStringLiteral("Is the part in bold and underlined a phrase or a clause? Write the answer in the box."), kKinds};
    }
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom&) const override {
        const int marked = keyAt(bank.keys, 2 * n + 1);
        const int kind = keyAt(bank.keys, 2 * n);
        QList<PaperRun> runs;
        for (int j : {0, 1}) {
            // The space between the parts stays outside the marking.
            const QString part = entry(bank.question, 2 * n + j);
            if (j == 1 && !runs.isEmpty()) runs << PaperRun{QStringLiteral(" ")};
            if (j == marked)
                runs << paperMarked(part.trimmed());
            else
                runs << PaperRun{part.trimmed()};
        }
        return {{paperText(runs), paperBox(QStringLiteral("Answer"), true)},
                {kind >= 0 && kind < int(kKinds.size()) ? kKinds[kind] : QString()}};
    }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override {
        const QString parts[2] = {entry(bank.question, 2 * n), entry(bank.question, 2 * n + 1)};
        for (int j : {0, 1}) {
            const QString name = QStringLiteral("part %1").arg(j + 1);
            if (parts[j].trimmed().isEmpty()) {
                problems.append({line, name + QStringLiteral(" is empty")});
                return;
            }
            if (parts[j].contains(QLatin1Char('\t')) || parts[j].contains(QLatin1Char('\n')) || parts[j].contains(QLatin1Char('\r'))) {
                problems.append({line, name + QStringLiteral(" has a tab or a line break in it")});
                return;
            }
        }
        const int kind = keyAt(bank.keys, 2 * n);
        const int marked = keyAt(bank.keys, 2 * n + 1);
        if (kind < 0 || kind > 1) problems.append({line, QStringLiteral("the answer is not %1").arg(oneOf(kKinds))});
        if (marked < 0 || marked > 1) {
            problems.append({line, QStringLiteral("the marked part is not part 1 or 2")});
            return;
        }
        // Both parts as the screen lays them out, the second on a line of its own if need be.
        const double first = textWidthTwips(kPartFont, parts[0]);
        const double second = textWidthTwips(kPartFont, parts[1]);
        const SecondPartPlace p = placeSecondPart(kLine, kPartsLeft, kPartsTop, first, second);
        if (kPartsLeft + first > *kLine.rightLimit || p.left + second > *kLine.rightLimit)
            problems.append({line, QStringLiteral("a part is too long for a line on the screen")});
        if (const auto wrong = misfit({kQuoted.width, kQuoted.height, kPartFont, 1},
                                      QStringLiteral("'") + parts[marked] + QStringLiteral("'")))
            problems.append({line, QStringLiteral("the marked part ") + *wrong});
    }

private:
    BankImage builtIn_;
};

}  // namespace

Form* makePhrase(Module1& m, const ScreenEntry& e) { return new PhraseScreen(m, e); }

const RowForm& phraseRows() {
    static const PhraseRows rows;
    return rows;
}

}  // namespace qm
