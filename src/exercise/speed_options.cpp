#include "exercise/speed_options.h"

namespace qm {

std::optional<int> speedInterval(bool fast, bool medium, bool slow, const std::array<int, 3>& ms) {
    if (fast) return ms[0];
    if (medium) return ms[1];
    if (slow) return ms[2];
    return std::nullopt;
}

SpeedOptions SpeedOptions::make(Form& form, double left, const std::array<double, 3>& tops, bool visible) {
    SpeedOptions s;
    const char* names[3] = {"Option1", "Option2", "Option3"};
    const char* captions[3] = {"Fast", "Medium", "Slow"};
    OptionButton** places[3] = {&s.Option1, &s.Option2, &s.Option3};
    for (int i = 0; i < 3; ++i) {
        auto* o = form.add<OptionButton>(QString::fromLatin1(names[i]));
        o->Move(left, tops[i], 1455, 255);
        o->setCaption(QString::fromLatin1(captions[i]));
        o->setForeColor(QColor(255, 255, 0));
        o->setFont_({QStringLiteral("Times New Roman"), 15.75, true});
        o->setVisible_(visible);
        *places[i] = o;
    }
    // Selected by design: setting the value here fires no handler, none is attached yet.
    s.Option2->setValue(true);
    return s;
}

void SpeedOptions::setBackColor(const QColor& c) const {
    for (OptionButton* o : {Option1, Option2, Option3}) o->setBackColor(c);
}

void SpeedOptions::setVisible(bool v) const {
    for (OptionButton* o : {Option1, Option2, Option3}) o->setVisible_(v);
}

std::optional<int> SpeedOptions::interval(const std::array<int, 3>& ms) const {
    return speedInterval(Option1->Value(), Option2->Value(), Option3->Value(), ms);
}

}  // namespace qm
