// Which punctuation mark is missing from the sentence?

#include "topics/mark/punc2.h"

#include <iterator>

#include "exercise/banks/row_form.h"

#include "topics/mark/screens.h"

namespace qm {

const QColor Punc2Screen::kYellow(255, 255, 0);
const QColor Punc2Screen::kGreen(0, 255, 0);

namespace {

struct MarkRow {
    const char16_t* sentence;   // with the mark left out
    const char16_t* corrected;  // with it put back
    const char16_t* mark;
};

const MarkRow kBank[] = {
    {u"\"Saturday's when were having our fireworks,\" said Ahmed. ",
     u"\"Saturday's when we're having our fireworks,\" said Ahmed. ", u"'"},
    {u"Abraham Lincoln, an American president was shot in 1865. ",
     u"Abraham Lincoln, an American president, was shot in 1865. ", u","},
    {u"\"Has anyone seen my trainers\" asked Jenny. ", u"\"Has anyone seen my trainers?\" asked Jenny. ", u"?"},
    {u"Teacher was embarrassed when Sam said \"We know you're 40 today.\" ",
     u"Teacher was embarrassed when Sam said, \"We know you're 40 today.\" ", u","},
    {u"\"Will it snow this year? asked Alex. ", u"\"Will it snow this year?\" asked Alex. ", u"\""},
    {u"You will need three things a pencil, a ruler and a rubber. ",
     u"You will need three things: a pencil, a ruler and a rubber. ", u":"},
    {u"Some pupils walk to school others come by bus. ", u"Some pupils walk to school; others come by bus. ", u";"},
    {u"Mum asked me where I had left my shoes ", u"Mum asked me where I had left my shoes. ", u"."},
    {u"We couldnt find the ball anywhere. ", u"We couldn't find the ball anywhere. ", u"'"},
    {u"What a mess you have made ", u"What a mess you have made! ", u"!"},
    {u"Time for bed,\" said Dad. ", u"\"Time for bed,\" said Dad. ", u"\""},
    {u"We bought apples pears, grapes and plums at the market. ",
     u"We bought apples, pears, grapes and plums at the market. ", u","},
    {u"Has the film started yet ", u"Has the film started yet? ", u"?"},
    {u"Our class has four pets a rabbit, two gerbils and a goldfish. ",
     u"Our class has four pets: a rabbit, two gerbils and a goldfish. ", u":"},
    {u"Amir loves maths his twin sister prefers art. ", u"Amir loves maths; his twin sister prefers art. ", u";"},
    {u"I wonder whether it will rain tomorrow ", u"I wonder whether it will rain tomorrow. ", u"."},
    {u"Mias dog loves chasing sticks in the park. ", u"Mia's dog loves chasing sticks in the park. ", u"'"},
    {u"\"Can I have a biscuit? asked Leo. ", u"\"Can I have a biscuit?\" asked Leo. ", u"\""},
    {u"How kind of you to bring me flowers ", u"How kind of you to bring me flowers! ", u"!"},
    {u"Are you ready to go Ravi? ", u"Are you ready to go, Ravi? ", u","},
    {u"Grandad grows four vegetables potatoes, carrots, peas and beans. ",
     u"Grandad grows four vegetables: potatoes, carrots, peas and beans. ", u":"},
    {u"It was cold and wet outside it was warm and cosy indoors. ",
     u"It was cold and wet outside; it was warm and cosy indoors. ", u";"},
    {u"Dad explained that the car needed new tyres ", u"Dad explained that the car needed new tyres. ", u"."},
    {u"\"Why is the sky blue, Grandma\" asked Tom. ", u"\"Why is the sky blue, Grandma?\" asked Tom. ", u"?"},
    {u"Its going to be sunny at the seaside today. ", u"It's going to be sunny at the seaside today. ", u"'"},
    {u"Kofi shouted, Look at that rainbow!\" ", u"Kofi shouted, \"Look at that rainbow!\" ", u"\""},
    {u"Pack these things for camp a torch, a sleeping bag and a map. ",
     u"Pack these things for camp: a torch, a sleeping bag and a map. ", u":"},
    {u"The first half was dull the second half was thrilling. ",
     u"The first half was dull; the second half was thrilling. ", u";"},
    {u"Sita asked the librarian if she could borrow two books ",
     u"Sita asked the librarian if she could borrow two books. ", u"."},
    {u"What an amazing goal that was ", u"What an amazing goal that was! ", u"!"},
};

struct MarkBox {
    const char* mark;
    double left;
    const char* name;
    double nameWidth;
};

// The boxes left to right, each with the name under it; a name label is wide enough
// for the longest word of its name and wraps a longer name onto a second line.
const MarkBox kBoxes[] = {
    {",", 480, "comma", 975},
    {".", 1680, "full stop", 975},
    {":", 2880, "colon", 975},
    {";", 4080, "semi- colon  ", 975},
    {"'", 5280, "apostrophe", 1215},
    {"\"", 6480, "quotation marks", 1095},
    {"?", 7680, "question mark", 1095},
    {"!", 8880, "exclamation mark", 1245},
};

// A mark's name as a screen reader says it.
QString spokenMark(int i) {
    return QString::fromLatin1(kBoxes[i].name).simplified().replace(QLatin1String("semi- colon"),
                                                                    QLatin1String("semi-colon"));
}

// The sentence, and the corrected sentence under the boxes, in Times New Roman.
struct TextBox {
    double left, top, width, height;
};
const TextBox kSentence{105, 1560, 9990, 2055};
const TextBox kCorrected{120, 5880, 9855, 1575};
const FontSpec kSentenceFont{QStringLiteral("Times New Roman"), 27.75};

Label* text(Form& f, const QString& name, double left, double top, double width, double height, double points,
            const QColor& colour, bool visible) {
    auto* label = f.add<Label>(name);
    label->Move(left, top, width, height);
    label->setBackStyle(BackStyle::Transparent);
    label->setAlignment(Align::Center);
    label->setWordWrap(true);
    label->setFont_({QStringLiteral("Times New Roman"), points});
    label->setForeColor(colour);
    label->setVisible_(visible);
    return label;
}

}  // namespace

Punc2Screen::Punc2Screen(Module1& m, const ScreenEntry& e) : ExerciseScreen(m, e) {
    Label4 = text(*this, QStringLiteral("Label4"), 120, 0, 9855, 1575, 27.75, kGreen, false);
    Label4->setCaption(QStringLiteral("Which punctuation mark is missing from the sentence below?"));

    Label3 = addArray<Label>(QStringLiteral("Label3"));
    Label& sentence = Label3.at(0);
    sentence.Move(kSentence.left, kSentence.top, kSentence.width, kSentence.height);
    sentence.setBackStyle(BackStyle::Transparent);
    sentence.setAlignment(Align::Center);
    sentence.setWordWrap(true);
    sentence.setFont_(kSentenceFont);
    sentence.setForeColor(kYellow);
    sentence.Hide();
    Label* prompt = Label3.Load(1);
    prompt->setFont_({QStringLiteral("Times New Roman"), 20.25});
    prompt->setWordWrap(false);
    prompt->setAutoSize(true);
    prompt->Move(3240, 3840);
    prompt->setCaption(QStringLiteral("Click on the correct box"));
    prompt->Show();

    Label7 = addArray<Label>(QStringLiteral("Label7"));
    Label& firstBox = Label7.at(0);
    firstBox.setBackStyle(BackStyle::Opaque);
    firstBox.setBackColor(Qt::black);
    firstBox.setForeColor(kYellow);
    firstBox.setBorderStyle(Border::FixedSingle);
    firstBox.setAlignment(Align::Center);
    firstBox.setFont_({QStringLiteral("Times New Roman"), 27.75, true});
    Label9 = addArray<Label>(QStringLiteral("Label9"));
    Label& firstName = Label9.at(0);
    firstName.setBackStyle(BackStyle::Transparent);
    firstName.setForeColor(kYellow);
    firstName.setAlignment(Align::Center);
    firstName.setWordWrap(true);
    firstName.setFont_({QStringLiteral("Times New Roman"), 12, true});
    for (int i = 0; i < int(std::size(kBoxes)); ++i) {
        const MarkBox& b = kBoxes[i];
        Label* box = Label7.Load(i);
        box->Move(b.left, 4440, 1005, 735);
        box->setCaption(QString::fromLatin1(b.mark));
        box->setSpokenName(spokenMark(i));
        box->Show();
        // The name is centred under its box.
        Label* name = Label9.Load(i);
        name->Move(b.left + (1005 - b.nameWidth) / 2, 5160, b.nameWidth, 615);
        name->setCaption(QString::fromLatin1(b.name));
        name->Show();
    }

    Label6 = text(*this, QStringLiteral("Label6"), kCorrected.left, kCorrected.top, kCorrected.width, kCorrected.height,
                  kSentenceFont.points, kGreen, false);
    Label6->setAnnounced(true);
    Label1 = text(*this, QStringLiteral("Label1"), 3960, 7440, 2655, 1095, 36, kYellow, false);
    Label1->setCaption(QStringLiteral("Correct"));
    setFeedbackCaption(Label1);
    Timer3 = addTimer(QStringLiteral("Timer3"), 250, false);

    Label7.on().click = [this](int i) { Label7_Click(i); };
    Timer3->onTimer = [this] { Timer3_Timer(); };
}

QString Punc2Screen::currentMark() const {
    if (!m.LastPick || *m.LastPick < 0 || *m.LastPick >= int(m.CodeBank.size())) return QString();
    return m.CodeBank[*m.LastPick];
}

void Punc2Screen::resetForNext() {
    tmrtick->setEnabled(false);
    tmrcross->setEnabled(false);
    Label3.at(0).Hide();
    Label1->Hide();
    Label6->Hide();
    for (Label* box : Label7) {
        box->setForeColor(kYellow);
        box->setBackColor(Qt::black);
    }
}

void Punc2Screen::ShowNextQuestion() {
    Timer3->setEnabled(false);
    const auto n = drawRow();
    m.CounterC = 0;
    Label7.at(2).setForeColor(kYellow);
    if (!n) return;
    Label& sentence = Label3.at(0);
    sentence.setCaption(m.QuestionBank[*n]);
    sentence.setLeft(120);
    Label6->setCaption(m.AnswerBank[*n]);
    sentence.Show();
    Label4->Show();
}

void Punc2Screen::Label7_Click(int Index) {
    const Label* box = Label7(Index);
    const QString mark = currentMark();
    if (box && !mark.isEmpty() && box->Caption() == mark) {
        giveRight(QStringLiteral("wav\\whizz.wav"));
    } else {
        giveWrong();
    }
    Timer3->setEnabled(true);
    Label6->Show();
}

QString Punc2Screen::shownAnswer() const {
    const QString mark = currentMark();
    for (int i = 0; i < int(std::size(kBoxes)); ++i)
        if (!mark.isEmpty() && mark == QLatin1String(kBoxes[i].mark)) return spokenMark(i);
    return {};
}

void Punc2Screen::Timer3_Timer() {
    m.CounterC = num(m.CounterC) + 1;
    if (num(m.CounterC) > 1) m.CounterC = 0;
    const QString mark = currentMark();
    for (Label* box : Label7) {
        if (mark.isEmpty() || box->Caption() != mark) continue;
        const bool inverted = m.CounterC == 1;
        box->setForeColor(inverted ? QColor(0, 0, 0) : kYellow);
        box->setBackColor(inverted ? QColor(255, 255, 255) : QColor(0, 0, 0));
    }
}

Form* makePunc2(Module1& m, const ScreenEntry& e) { return new Punc2Screen(m, e); }

namespace {

// The sentence with a mark left out, the sentence with it, and the mark, one of the boxes.
// Both sentences end with a space, which a field typed without it gets.
class Punc2Rows final : public RowForm {
public:
    Punc2Rows() {
        for (const MarkRow& row : kBank) {
            builtIn_.question << QString::fromUtf16(row.sentence);
            builtIn_.answer << QString::fromUtf16(row.corrected);
            builtIn_.code << QString::fromUtf16(row.mark);
            ++builtIn_.questions;
        }
        for (const MarkBox& b : kBoxes) {
            marks_ << QString::fromLatin1(b.mark);
            named_ << QStringLiteral("%1 ( %2 )").arg(QString::fromLatin1(b.name).simplified().replace(QStringLiteral("- "), QStringLiteral("-")),
                                                   QString::fromLatin1(b.mark));
        }
    }
    QStringList columns() const override {
        return {QStringLiteral("sentence"), QStringLiteral("corrected sentence"), QStringLiteral("missing mark")};
    }
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override { return {1, 1, 0, 1, 0}; }
    QStringList fieldsOf(const BankImage& bank, int n) const override {
        return {entry(bank.question, n), entry(bank.answer, n), entry(bank.code, n)};
    }
    void append(BankImage& bank, const QStringList& fields, int, BankProblems&) const override {
        bank.question << wordRowFromField(fields.value(0));
        bank.answer << wordRowFromField(fields.value(1));
        bank.code << fields.value(2).trimmed();
        ++bank.questions;
    }
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    PaperTask paperTask() const override {
        return {QStringLiteral("Which punctuation mark is missing from each sentence? Circle it, then put it in the "
                               "sentence."),
                named_};
    }
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom&) const override {
        const int mark = int(marks_.indexOf(entry(bank.code, n)));
        return {{paperText(paperWords(entry(bank.question, n))), paperCircle(marks_)},
                {mark >= 0 ? named_[mark] : entry(bank.code, n), paperWords(entry(bank.answer, n))}};
    }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override {
        const QString sentence = entry(bank.question, n);
        const QString corrected = entry(bank.answer, n);
        const QString mark = entry(bank.code, n);
        const int before = int(problems.size());
        for (const auto& [what, text, place] : {std::tuple{QStringLiteral("the sentence"), sentence, kSentence},
                                                std::tuple{QStringLiteral("the corrected sentence"), corrected, kCorrected}}) {
            if (!text.endsWith(QLatin1Char(' ')) || text.endsWith(QStringLiteral("  "))) {
                problems.append({line, what + QStringLiteral(" must end with one space")});
                continue;
            }
            checkText(problems, line, what, text.chopped(1), TextPlace{place.width, place.height, kSentenceFont});
        }
        if (!marks_.contains(mark)) {
            problems.append({line, QStringLiteral("the missing mark \"%1\" is not one of the boxes: %2")
                                       .arg(mark, marks_.join(QLatin1Char(' ')))});
            return;
        }
        if (int(problems.size()) > before) return;
        qsizetype at = 0;
        while (at < sentence.size() && at < corrected.size() && sentence[at] == corrected[at]) ++at;
        if (corrected.size() != sentence.size() + 1 || corrected.mid(at, 1) != mark ||
            corrected.left(at) + corrected.mid(at + 1) != sentence)
            problems.append({line, QStringLiteral("the corrected sentence must be the sentence with the missing mark put in")});
    }

private:
    BankImage builtIn_;
    QStringList marks_;
    QStringList named_;  // "comma ( , )": each box's mark with its name, as a sheet prints it
};

}  // namespace

const RowForm& punc2Rows() {
    static const Punc2Rows rows;
    return rows;
}

}  // namespace qm
