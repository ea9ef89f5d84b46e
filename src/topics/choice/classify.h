#pragma once
// Sentence classification: one sentence and two or three labelled boxes; the pupil
// clicks the box that classifies it.

#include <QStringList>
#include <span>

#include "topics/choice/choice_screen.h"

namespace qm {

struct ClassifyRow {
    const char16_t* sentence;
    int key;
    const char16_t* corrected = nullptr;  // the corrected sentence, where the screen shows one
};

struct ClassifyDesign {
    QStringList boxes;
    QString instruction;
    QColor instructionColour;
    Box instructionPlace;
    double instructionPoints;
    Box questionPlace;
    Box promptPlace;
    std::vector<double> boxLefts;
    double boxTop, boxWidth, boxHeight, boxPoints;
    Box feedbackPlace;
    double feedbackPoints;
    int keyOfFirstBox = 0;     // the key that the first box answers (the person 1 for person boxes)
    bool showsCorrected = false;
    std::span<const ClassifyRow> bank;
};

class ClassifyScreen : public ChoiceScreen {
    Q_OBJECT
public:
    ClassifyScreen(Module1& m, const ScreenEntry& e, const ClassifyDesign& d);

    Label* Label1;  // the sentence
    Label* Label2;  // instruction
    Label* Label4;  // "Click on the correct box."
    Label* Label3 = nullptr;  // the corrected sentence, where there is one

    static constexpr double kQuestionPoints = 36;
    static constexpr Box kCorrectedPlace{120, 5520, 10755, 1905};
    static constexpr double kCorrectedPoints = 36;

protected:
    void ShowNextQuestion() override;
    bool isRightBox(int index) const override;
    bool blinks(int index) const override;
    void afterAnswer() override;
    void hideForNext() override;

private:
    const ClassifyDesign& d_;
};

}  // namespace qm
