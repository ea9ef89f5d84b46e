#pragma once
// How many marks are missing from a sentence? Six numbered boxes, and an answer button
// that shows the corrected sentence and blinks the right number without any marking.

#include <span>

#include "topics/choice/choice_screen.h"

namespace qm {

struct CountRow {
    const char16_t* sentence;   // the sentence with the marks taken out
    int count;                  // how many are missing
    const char16_t* corrected;  // the sentence with them put back
};

class CountingScreen : public ChoiceScreen {
    Q_OBJECT
public:
    CountingScreen(Module1& m, const ScreenEntry& e, const QString& instruction);

    Label* Label4;  // the instruction
    Label* Label1;  // the sentence to count in
    Label* Label2;  // the corrected sentence

    static constexpr Box kSentencePlace{180, 1800, 9915, 2055};
    static constexpr Box kCorrectedPlace{120, 5160, 10095, 2775};
    static constexpr double kTextPoints = 27.75;
    static constexpr int kBoxes = 6;

protected:
    void ShowNextQuestion() override;
    bool isRightBox(int index) const override;
    bool blinks(int index) const override;
    void afterAnswer() override;
    void hideForNext() override;
    void showAnswer() override;
};

}  // namespace qm
