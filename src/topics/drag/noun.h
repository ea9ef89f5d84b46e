#pragma once
// Noun and verb agreement: the pupil first judges the sentence "CORRECT" or "INCORRECT";
// only a faulty sentence rightly called incorrect opens the drag stage, in which the verb
// that does not agree is dragged into the dustbin and its agreeing form takes its place.

#include "topics/drag/word_drag.h"

namespace qm {

class NounScreen : public DragScreen {
    Q_OBJECT
public:
    NounScreen(Module1& m, const ScreenEntry& e);

    // Index 0 "CORRECT", 1 "INCORRECT".
    void Label6_Click(int Index);

    Label* Label3;   // "SCORE", never shown here
    Label* Label4;   // the question, then the drag instruction
    Label* Label5;   // the dustbin
    ControlArray<Label> Label6;  // the judgement boxes
    Label* Label8;   // "Drag the incorrect verb into the dustbin."
    Label* Label10;  // "DUSTBIN"

    static const QString kQuestion;

protected:
    std::vector<Label*> dropTargets() const override { return {Label5}; }
    bool tilesMove() const override { return m.CounterA != 0; }
    void resetForNext() override;
    void ShowNextQuestion() override;
};

}  // namespace qm
