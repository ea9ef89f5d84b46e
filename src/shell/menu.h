#pragma once
// The six term menus, menu1 to menu6: five topics, the sibling terms of the same year,
// and the way back to the start screen.

#include "controls/form.h"
#include "shell/module1.h"

namespace qm {

struct MenuDesign {
    int year;  // 5 or 6
    int term;  // 1..3
    double topicWidth;
    QString title() const;
};

// The design of menu k (1..6).
const MenuDesign& menuDesign(int k);

class MenuScreen final : public Form {
    Q_OBJECT
public:
    MenuScreen(Module1& m, int k);
    void Form_Load() override;
    void Label3_Click(int Index);  // a topic
    void Label2_Click(int Index);  // a term
    void Command1_Click();

    int menuNumber() const { return k_; }

    Label* Label1;               // title
    ControlArray<Label> Label3;  // topics
    ControlArray<Label> Label2;  // terms
    PictureButton* Command1;

private:
    Module1& m;
    int k_;
};

}  // namespace qm
