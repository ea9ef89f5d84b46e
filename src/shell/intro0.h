#pragma once
// The start screen: the six term choices, the sound switch, the teachers' guide note,
// the maker's web page and the way out to the exit confirmation.

#include "controls/form.h"
#include "shell/module1.h"

namespace qm {

class intro0 final : public Form {
    Q_OBJECT
public:
    static const QString kWebAddress;

    explicit intro0(Module1& m);
    void Form_Load() override;
    void Label2_Click(int Index);
    void Option1_Click();
    void Option2_Click();
    void Label6_MouseMove(const MouseArgs& a);
    void Form_MouseMove(const MouseArgs& a);
    void Label8_Click();
    void Command1_Click();

    Label *Label1, *Label6, *Label7, *Label4, *Label5, *Label8, *Label3;
    ControlArray<Label> Label2;  // the six term labels
    OptionButton *Option1, *Option2;
    Image *Image2, *Image1;
    PictureButton* Command1;

private:
    Module1& m;
};

}  // namespace qm
