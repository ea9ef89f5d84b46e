#include "topics/drag/word_drag.h"

#include "exercise/rules.h"

namespace qm {

// ---------------------------------------------------------------- rules

bool dropCounts(double left, double top, const TargetBox& target) {
    const float leftBound = float(target.left - target.width / 2);
    const float rightBound = float(target.left + target.width);
    const float topBound = float(target.top - target.height / 2);
    const float bottomBound = float(target.top + target.height);
    const float l = float(left);
    const float t = float(top);
    return leftBound < l && l < rightBound && topBound < t && t < bottomBound;
}

TilePlace dragStep(const TilePlace& at, double width, double height, double X, double Y) {
    return {at.left + X - width / 2, at.top + Y - height / 2};
}

QString scoreAfter(const QString& score, bool right) { return scoreText(scoreValue(score) + (right ? 1 : -1)); }

int codeOf(const QString& code, int index) {
    if (index < 0 || index >= code.size()) return 0;
    const QChar c = code[index];
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : 0;
}

Judgement judge(const QString& mark, int box) {
    const int faulty = mark == QLatin1String("X") ? 0 : 1;
    const bool saysIncorrect = box == 1;
    const bool right = saysIncorrect == (faulty == 1);
    return {faulty, right, right && faulty == 1};
}

// ---------------------------------------------------------------- screens

const QColor DragScreen::kYellow(255, 255, 0);
const QColor DragScreen::kOrange(255, 128, 0);
const QColor DragScreen::kPink(255, 128, 255);

DragScreen::DragScreen(Module1& m, const ScreenEntry& e, const DragBank& bank, bool keysTakeTilePlaces)
    : ExerciseScreen(m, e), slots_(bank.slotCount), flow_(bank.flow), keysTakeTilePlaces_(keysTakeTilePlaces) {}

void DragScreen::makeTiles() {
    tiles.make(*this, slots_);
    Label7.on().mouseMove = [this](int i, const MouseArgs& a) { Label7_MouseMove(i, a.Button, a.Shift, a.X, a.Y); };
    Label7.on().mouseUp = [this](int i, const MouseArgs& a) { Label7_MouseUp(i, a.Button, a.Shift, a.X, a.Y); };
}

Label* DragScreen::addCaption(const QString& name, double left, double top, const FontSpec& look,
                              const QColor& colour, const QString& text, bool visible) {
    auto* label = add<Label>(name);
    label->Move(left, top);
    label->setBackStyle(BackStyle::Transparent);
    label->setFont_(look);
    label->setForeColor(colour);
    label->setAutoSize(true);
    label->setCaption(text);
    label->setVisible_(visible);
    return label;
}

Label* DragScreen::addInstruction(const QString& name, const TargetBox& place, double points, const QColor& colour,
                                  const QString& text, bool visible) {
    auto* label = add<Label>(name);
    label->Move(place.left, place.top, place.width, place.height);
    label->setBackStyle(BackStyle::Transparent);
    label->setAlignment(Align::Center);
    label->setWordWrap(true);
    label->setFont_(serif(points));
    label->setForeColor(colour);
    label->setCaption(text);
    label->setVisible_(visible);
    return label;
}

Label* DragScreen::addTarget(const QString& name, const TargetBox& box) {
    auto* label = add<Label>(name);
    label->Move(box.left, box.top, box.width, box.height);
    label->setBackStyle(BackStyle::Transparent);
    label->setBorderStyle(Border::FixedSingle);
    label->Hide();
    return label;
}

Label* DragScreen::addScoreBox(double left, double top) {
    auto* label = add<Label>(QStringLiteral("Label9"));
    label->Move(left, top, 1275, 735);
    label->setBackStyle(BackStyle::Opaque);
    label->setBackColor(QColor(0, 0, 0));
    label->setBorderStyle(Border::FixedSingle);
    label->setFont_(boldTahoma(24));
    label->setForeColor(kYellow);
    label->setAlignment(Align::Center);
    label->setCaption(QStringLiteral("0"));
    label->Hide();
    Label9 = label;
    return label;
}

Label* DragScreen::addFeedback(const TargetBox& place) {
    auto* label = add<Label>(QStringLiteral("Label1"));
    label->Move(place.left, place.top, place.width, place.height);
    label->setBackStyle(BackStyle::Transparent);
    label->setFont_(serif(48));
    label->setForeColor(kYellow);
    label->setAlignment(Align::Center);
    label->setCaption(QStringLiteral("Correct"));
    label->Hide();
    Label1 = label;
    setFeedbackCaption(label);
    return label;
}

void DragScreen::familyReset() {
    m.CounterA = 0;
    m.CounterB = 0;
    m.CurrentPick = 0;
    tiles.emptyTiles();
}

void DragScreen::resetForNext() {
    m.CounterB = 0;
    if (Label1) Label1->Hide();
    tiles.clear();
}

void DragScreen::showRow(int p) {
    m.CurrentPick = p;
    const bool inTable = p >= 0 && p < int(m.QuestionBank.size());
    m.CounterB = tiles.fill(inTable ? m.QuestionBank[p] : QString(), inTable ? m.AnswerBank[p] : QString());
    tiles.layOut(flow_, keysTakeTilePlaces_);
    tiles.showTiles();
}

void DragScreen::Label7_MouseMove(int Index, int Button, int /*Shift*/, double X, double Y) {
    Label* tile = Label7(Index);
    if (!tile || !tilesMove() || !dragsTile(Button)) return;
    const TilePlace to = dragStep({tile->Left(), tile->Top()}, tile->Width(), tile->Height(), X, Y);
    tile->Move(to.left, to.top);
}

void DragScreen::Label7_MouseUp(int Index, int /*Button*/, int /*Shift*/, double /*X*/, double /*Y*/) {
    Label* tile = Label7(Index);
    if (!tile) return;
    const std::vector<Label*> targets = dropTargets();
    for (int k = 0; k < int(targets.size()); ++k) {
        const Label* t = targets[k];
        // Once a drop has counted the tile is back in the sentence, so no later target can.
        if (!dropCounts(tile->Left(), tile->Top(), {t->Left(), t->Top(), t->Width(), t->Height()})) continue;
        dropInto(Index, k, tile->Top());
    }
}

std::vector<Control*> DragScreen::keyDropTargets(const Control& c) const {
    const bool tile = c.Name() == QLatin1String("Label7") && Label7(c.Index()) == &c;
    if (!tile || !tilesMove()) return {};
    std::vector<Control*> shown;
    for (Label* t : dropTargets())
        if (t && t->Visible()) shown.push_back(t);
    return shown;
}

QPointF DragScreen::keyDropPlace(const Control& tile, const Control& target) const {
    const QPointF centred = ExerciseScreen::keyDropPlace(tile, target);
    const double step = tile.Height();
    for (double top = target.Top() + kTwipsPerPixel; top + tile.Height() <= target.Top() + target.Height();
         top += step) {
        bool free = true;
        for (const Label* word : Label2) {
            const bool inside = word->Visible() && word->Left() < target.Left() + target.Width() &&
                                word->Left() + word->Width() > target.Left();
            if (inside && word->Top() < top + tile.Height() && word->Top() + word->Height() > top) free = false;
        }
        if (free) return {centred.x(), top};
    }
    return centred;
}

bool DragScreen::rightDrop(int Index, int /*target*/) const {
    return wordShouldGo(Label7(Index)->Caption(), Label2(Index)->Caption());
}

void DragScreen::dropInto(int Index, int target, double releaseTop) {
    feedback(rightDrop(Index, target));
    swapWithKey(Index);
    showInTarget(Index, target, releaseTop);
    putBack(Index);
    tiles.markDone(Index);
}

void DragScreen::feedback(bool right) {
    if (right)
        giveRight(QStringLiteral("wav\\beep.wav"));
    else
        giveWrong();
    if (Label9) Label9->setCaption(scoreAfter(Label9->Caption(), right));
}

void DragScreen::swapWithKey(int Index) {
    const QString word = Label7(Index)->Caption();
    Label7(Index)->setCaption(Label2(Index)->Caption());
    Label2(Index)->setCaption(word);
}

void DragScreen::showInTarget(int Index, int target, double releaseTop) {
    const std::vector<Label*> targets = dropTargets();
    if (target < 0 || target >= int(targets.size())) return;
    const Label* t = targets[target];
    Label* copy = Label2(Index);
    copy->Move(t->Left() + (t->Width() - copy->Width()) / 2, releaseTop);
    copy->Show();
}

void DragScreen::putBack(int Index) { tiles.reflowFrom(Index, flow_); }

}  // namespace qm
