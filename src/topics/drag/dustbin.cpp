#include "topics/drag/dustbin.h"

namespace qm {

DustbinScreen::DustbinScreen(Module1& m, const ScreenEntry& e, const DustbinDesign& d)
    : DragScreen(m, e, d.bank, d.bank.flow.wrap) {
    Label4 = addInstruction(QStringLiteral("Label4"), d.instructionPlace, d.instructionPoints, kYellow,
                            d.instruction);
    if (!d.secondInstruction.isEmpty())
        // The second line is designed as 9855 wide from Left 120, a little narrower than
        // its text; it is widened evenly on both sides so that the text stays on one line
        // and centred where that design puts it.
        Label8 = addInstruction(QStringLiteral("Label8"), {30, 1560, 10035, 855}, 24, kOrange,
                                d.secondInstruction);
    Label10 = addCaption(QStringLiteral("Label10"), 2565, 2520, boldTahoma(18), kYellow, QStringLiteral("DUSTBIN"),
                         false);
    Label5 = addTarget(QStringLiteral("Label5"), {2520, 3000, 1875, 1935});
    Label3 = addCaption(QStringLiteral("Label3"), 6000, 2520, serif(27.75), kYellow, QStringLiteral("SCORE"), false);
    addScoreBox(6240, 3120);
    addFeedback({3240, 7200, 5535, 1335});
    makeTiles();
}

void DustbinScreen::afterLoad() {
    Label3->Show();
    Label5->Show();
    Label9->Show();
    Label10->Show();
    cmdgo->Show();
}

void DustbinScreen::ShowNextQuestion() {
    if (const auto p = drawRow()) showRow(*p);
    Label5->Show();
    Label4->Show();
}

}  // namespace qm
