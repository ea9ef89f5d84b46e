#include "shell/flow.h"

#include <QGuiApplication>

#include "controls/form.h"
#include "shell/grey.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/module1.h"
#include "shell/titlefrm.h"

namespace qm {

ScreenFlow::ScreenFlow(Module1& m, const Catalogue& catalogue) : m_(m), catalogue_(catalogue) { m_.flow = this; }

ScreenFlow::~ScreenFlow() {
    for (auto& [name, form] : screens_) {
        form->unloadNow();
        delete form;
    }
    screens_.clear();
    for (auto& form : unloaded_) delete form.data();
    if (m_.flow == this) m_.flow = nullptr;
}

Form* ScreenFlow::create(const QString& name) {
    if (name == QLatin1String("Titlefrm")) return new Titlefrm(m_);
    if (name == QLatin1String("intro0")) return new intro0(m_);
    if (name == QLatin1String("Grey")) return new Grey(m_);
    if (name.startsWith(QLatin1String("menu"))) {
        bool ok = false;
        const int k = name.mid(4).toInt(&ok);
        if (ok && k >= 1 && k <= 6) return new MenuScreen(m_, k);
    }
    if (const ScreenEntry* e = catalogue_.find(name); e && e->factory) return e->factory(m_, *e);
    return nullptr;
}

Form* ScreenFlow::load(const QString& name) {
    if (auto it = screens_.find(name); it != screens_.end()) return it->second;
    Form* form = create(name);
    if (!form) return nullptr;
    form->onCloseRequest = [this] { end(); };
    screens_[name] = form;
    form->Form_Load();
    return form;
}

Form* ScreenFlow::show(const QString& name) {
    if (ended_) return nullptr;
    // A new screen opens on the display of the screen in front, which asked for it; one
    // shown again is moved there.
    Form* before = screen(front());
    const bool shownAgain = isLoaded(name);
    Form* form = load(name);
    if (!form || form->unloaded()) return nullptr;
    if (shownAgain && before && before != form && !before->unloaded()) m_.followToDisplay(*form, *before);
    order_.removeAll(name);
    order_.append(name);
    if (trace) trace(QStringLiteral("show ") + name);
    form->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        form->raise();
        form->activateWindow();
    }
    return form;
}

void ScreenFlow::unload(const QString& name) {
    auto it = screens_.find(name);
    if (it == screens_.end()) return;
    Form* form = it->second;
    if (trace) trace(QStringLiteral("unload ") + name);
    screens_.erase(it);
    order_.removeAll(name);
    form->unloadNow();
    std::erase_if(unloaded_, [](const QPointer<Form>& f) { return f.isNull(); });
    unloaded_.emplace_back(form);
    form->deleteLater();
}

Form* ScreenFlow::screen(const QString& name) const {
    auto it = screens_.find(name);
    return it == screens_.end() ? nullptr : it->second;
}

QString ScreenFlow::front() const { return order_.isEmpty() ? QString() : order_.last(); }

QStringList ScreenFlow::loadedNames() const {
    QStringList names;
    for (const auto& [name, form] : screens_) names.append(name);
    return names;
}

void ScreenFlow::start() { show(QStringLiteral("Titlefrm")); }

void ScreenFlow::end() {
    if (ended_) return;
    ended_ = true;
    if (trace) trace(QStringLiteral("end"));
    for (auto& [name, form] : screens_) form->unloadNow();
    m_.platform.session.end();
}

}  // namespace qm
