#pragma once
// Different kinds of nouns: a story shown a line at a time, in order; the pupil drags each
// proper noun, pronoun and noun into its container. Each line has one code digit per word:
// 0 stays, 1 proper noun, 2 pronoun, 3 noun; container k takes the words of code k + 1.

#include "topics/drag/word_drag.h"

namespace qm {

class Noun2Screen : public DragScreen {
    Q_OBJECT
public:
    Noun2Screen(Module1& m, const ScreenEntry& e);

    Label* Label3;                // "SCORE"
    Label* Label4;                // instruction
    ControlArray<Label> Label5;   // the three containers
    Label* Label8;                // second instruction
    ControlArray<Label> Label10;  // their captions

protected:
    std::vector<Label*> dropTargets() const override;
    bool rightDrop(int Index, int target) const override;
    void familyReset() override;
    void afterLoad() override;
    void resetForNext() override;
    void ShowNextQuestion() override;
};

}  // namespace qm
