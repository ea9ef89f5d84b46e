#pragma once
// The double negatives screen: a counter of the words found instead of a score, the
// words stay in the sentence underlined, and two found words reveal the corrected sentence.

#include "topics/drag/word_drag.h"

namespace qm {

class NegativeScreen : public DragScreen {
    Q_OBJECT
public:
    NegativeScreen(Module1& m, const ScreenEntry& e);

    Label* Label3;   // "COUNTER"
    Label* Label4;   // the corrected sentence
    Label* Label5;   // the dustbin
    Label* Label8;   // instruction
    Label* Label10;  // "DUSTBIN"

protected:
    std::vector<Label*> dropTargets() const override { return {Label5}; }
    void afterLoad() override;
    void resetForNext() override;
    void ShowNextQuestion() override;
    void dropInto(int Index, int target, double releaseTop) override;
};

}  // namespace qm
