#pragma once
// What the stop box and the punctuation wheel share: a display that steps on by itself
// at the pace of the Fast/Medium/Slow options, with a typing sound at every step, a
// STOP box the pupil clicks, and the "Correct"/"Wrong" caption.

#include <array>

#include "exercise/exercise_screen.h"
#include "exercise/speed_options.h"

namespace qm {

class SteppingScreen : public ExerciseScreen {
    Q_OBJECT
public:
    struct Place {
        double left, top, width, height;
    };

    // `speeds`: the step of Fast, Medium and Slow in milliseconds.
    SteppingScreen(Module1& m, const ScreenEntry& e, std::array<int, 3> speeds);

    void Timer2_Timer();
    virtual void Label8_Click() = 0;  // STOP

    Timer* Timer2;       // the step of the display
    Label* Label8 = nullptr;  // STOP
    Label* Label1 = nullptr;  // "Correct" / "Wrong"
    SpeedOptions options;

    static const QColor kYellow, kGreen, kRed, kBlack, kScreen;

protected:
    // Makes the STOP box, the feedback caption and the three options at their places.
    void makeControls(const Place& stop, const Place& feedback, double optionsLeft,
                      const std::array<double, 3>& optionTops);
    // One step of the display (the counter on, the new caption).
    virtual void step() = 0;
    void familyReset() override;

    // A transparent text label in Times New Roman, centred.
    Label* addText(const QString& name, const Place& place, double points, const QColor& colour,
                   const QString& text = QString(), bool visible = true);
    // Styles a label as a box: opaque black with a single border.
    static void makeBox(Label& label, const Place& place, const QColor& text, const FontSpec& font);

private:
    std::array<int, 3> speeds_;
};

}  // namespace qm
