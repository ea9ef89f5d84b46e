#pragma once
// The dustbin screens: every word dropped into the dustbin is marked against the key row;
// a word that should go shows its key in its place (asterisks for a word that can be left
// out, the standard word for a colloquial one), and the score goes up or down by one.

#include "topics/drag/word_drag.h"

namespace qm {

struct DustbinDesign {
    DragBank bank;             // the sentence may take more than one line where its flow wraps
    QString instruction;       // Label4
    TargetBox instructionPlace;
    double instructionPoints;
    QString secondInstruction;  // Label8, where the screen has one
};

class DustbinScreen : public DragScreen {
    Q_OBJECT
public:
    DustbinScreen(Module1& m, const ScreenEntry& e, const DustbinDesign& d);

    Label* Label3;  // "SCORE"
    Label* Label4;  // instruction
    Label* Label5;  // the dustbin
    Label* Label8 = nullptr;  // second instruction
    Label* Label10;  // "DUSTBIN"

protected:
    std::vector<Label*> dropTargets() const override { return {Label5}; }
    void afterLoad() override;
    void ShowNextQuestion() override;
};

}  // namespace qm
