#pragma once
// The screen flow: loads screens by name, shows them, and unloads them.
// Every navigation shows its target first, then unloads the screen that asked for it,
// then requests the click sound.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

#include "shell/catalogue.h"

namespace qm {

class Form;
class Module1;

class ScreenFlow {
public:
    ScreenFlow(Module1& m, const Catalogue& catalogue);
    ~ScreenFlow();
    ScreenFlow(const ScreenFlow&) = delete;
    ScreenFlow& operator=(const ScreenFlow&) = delete;

    // Program start: load and show the title screen.
    void start();
    // The end of the run ("Exit", or the window system's close control).
    void end();
    bool ended() const { return ended_; }

    // Creates the screen and runs its load step unless it is loaded already.
    Form* load(const QString& name);
    // Loads if needed, then shows the screen and brings it to the front.
    Form* show(const QString& name);
    // Hides the screen and stops its timers at once; it is deleted once the handler
    // that asked for this has returned.
    void unload(const QString& name);

    bool isLoaded(const QString& name) const { return screens_.count(name) != 0; }
    Form* screen(const QString& name) const;
    // The shown screen in front, or an empty name.
    QString front() const;
    QStringList loadedNames() const;

    const Catalogue& catalogue() const { return catalogue_; }

    // Hears of every show, unload and the end of the run (for diagnostics).
    std::function<void(const QString&)> trace;

private:
    Form* create(const QString& name);
    Module1& m_;
    const Catalogue& catalogue_;
    std::map<QString, Form*> screens_;
    QStringList order_;  // shown screens, front last
    std::vector<QPointer<Form>> unloaded_;
    bool ended_ = false;
};

}  // namespace qm
