#pragma once
// The title screen: the first screen of a run, and the screen that confirms leaving.

#include "controls/form.h"
#include "shell/module1.h"

namespace qm {

class Titlefrm final : public Form {
    Q_OBJECT
public:
    explicit Titlefrm(Module1& m);
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    Frame* Frame1;
    Label *Label4, *Label1, *Label3, *Label5, *Label6, *Label2;
    PictureBox* Picture1;
    PictureButton *Command1, *Command2;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Module1& m;
};

}  // namespace qm
