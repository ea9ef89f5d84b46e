#include "monkey.h"

#include "event_timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>

#include "exercise/exercise_screen.h"
#include "topics/catalogue.h"

namespace qm::test {

namespace {

// The slots of the word and box arrays: no element past them may ever exist.
int slotLimit(const QString& screen, const QString& array) {
    static const std::map<QString, std::map<QString, int>> limits = {
        {QStringLiteral("basic"), {{"Label7", 13}, {"Label2", 13}, {"Label11", 13}}},
        {QStringLiteral("notes"), {{"Label7", 17}, {"Label2", 17}, {"Label11", 17}}},
        {QStringLiteral("conv"), {{"Label7", 10}, {"Label2", 10}, {"Label11", 10}}},
        {QStringLiteral("negative"), {{"Label7", 8}, {"Label2", 8}, {"Label11", 8}}},
        {QStringLiteral("noun"), {{"Label7", 8}, {"Label2", 8}, {"Label11", 8}, {"Label6", 2}}},
        {QStringLiteral("noun2"), {{"Label7", 10}, {"Label2", 10}, {"Label11", 10}, {"Label5", 3}, {"Label10", 3}}},
        {QStringLiteral("comma2"), {{"Label7", 16}, {"Label2", 16}, {"Label11", 16}, {"Label5", 2}, {"Label4", 2}}},
        {QStringLiteral("punc1"), {{"Label7", 16}, {"Label2", 16}, {"Label11", 16}, {"Label5", 2}, {"Label4", 2}}},
        {QStringLiteral("prepositions"), {{"Label7", 10}, {"Label2", 10}}},
        {QStringLiteral("connectives"), {{"Label7", 10}, {"Label2", 10}}},
        {QStringLiteral("punc2"), {{"Label7", 8}, {"Label9", 8}}},
        {QStringLiteral("comma"), {{"Label7", 8}, {"Label3", 3}}},
        {QStringLiteral("punctuation"), {{"Label7", 8}, {"Label3", 3}}},
        {QStringLiteral("puncnum"), {{"Label5", 6}}},
        {QStringLiteral("hyphen2"), {{"Label5", 6}}},
    };
    const auto s = limits.find(screen);
    if (s == limits.end()) return -1;
    const auto a = s->second.find(array);
    return a == s->second.end() ? -1 : a->second;
}

bool isExerciseName(const Catalogue& c, const QString& name) { return c.find(name) != nullptr; }

}  // namespace

// What a menu showed when its exercise opened: it must look the same while the exercise
// is in front.
struct Monkey::MenuSnapshot {
    QPointer<Form> form;
    QStringList state;

    static QStringList take(const Form& f) {
        QStringList s;
        for (const Control* c : f.findChildren<Control*>()) {
            QString line = QStringLiteral("%1(%2) %3,%4 %5x%6 %7%8")
                               .arg(c->Name())
                               .arg(c->Index())
                               .arg(c->Left())
                               .arg(c->Top())
                               .arg(c->Width())
                               .arg(c->Height())
                               .arg(c->Visible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
                               .arg(c->Enabled() ? QString() : QStringLiteral(" disabled"));
            if (const auto* l = qobject_cast<const Label*>(c))
                line += QStringLiteral(" '%1' %2 %3").arg(l->Caption(), l->ForeColor().name(), l->BackColor().name());
            s << line;
        }
        s << QStringLiteral("window %1,%2 %3").arg(f.Left()).arg(f.Top()).arg(f.BackColor().name());
        return s;
    }
};

namespace {

// Events released outside the window are part of the walk; the test library's remark on
// each of them is not news.
QtMessageHandler previousHandler = nullptr;

void quietAboutOutsideEvents(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("occurs outside target window"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

Monkey::Monkey(quint64 seed) : seed_(seed), random_(quint32(seed ^ (seed >> 32) ^ 0x51ed270bu)) {
    static bool installed = false;
    if (!installed) {
        installed = true;
        previousHandler = qInstallMessageHandler(quietAboutOutsideEvents);
    }
    restart();
}

Monkey::~Monkey() = default;

void Monkey::restart() {
    menus_.clear();
    rig_.reset();
    rig_ = std::make_unique<Rig>();
    // As the program does once its title screen is up (a fresh run starts with nothing read).
    for (const QString& path : picturesReadEarly()) (void)rig_->pictures.load(path);
    windowManagerUsed_ = false;
    rig_->flow->start();
    check(QStringLiteral("start"));
}

void Monkey::fail(const QString& what) {
    ++findings_.brokenCount;
    if (findings_.broken.size() < 25)
        findings_.broken << QStringLiteral("seed %1, event %2: %3").arg(seed_).arg(findings_.events).arg(what);
}

void Monkey::run(long long n) {
    for (long long i = 0; i < n; ++i) step();
}

QPoint Monkey::anywhere(const Form& f) {
    const int w = std::max(1, f.width()), h = std::max(1, f.height());
    if (random_.bounded(4) != 0) return QPoint(random_.bounded(w), random_.bounded(h));
    return QPoint(random_.bounded(-150, w + 150), random_.bounded(-150, h + 150));
}

QPoint Monkey::pointIn(const Control& c) {
    const int w = std::max(1, c.width()), h = std::max(1, c.height());
    return c.mapTo(&c.form(), QPoint(random_.bounded(w), random_.bounded(h)));
}

Control* Monkey::pickControl(Form& front, bool preferTiles) {
    std::vector<std::pair<Control*, int>> choices;
    int total = 0;
    for (Control* c : front.findChildren<Control*>()) {
        if (!c->isVisible() || !c->isEnabled() || c->width() <= 0 || c->height() <= 0) continue;
        int weight = 1;
        if (c->windowed()) weight = 3;
        if (c->Name() == QLatin1String("Label7")) weight = preferTiles ? 6 : 2;
        if (c->Name() == QLatin1String("Label8") || c->Name() == QLatin1String("Label5")) weight += 1;
        choices.emplace_back(c, weight);
        total += weight;
    }
    if (total == 0) return nullptr;
    int pick = int(random_.bounded(total));
    for (auto& [c, w] : choices) {
        if (pick < w) return c;
        pick -= w;
    }
    return choices.back().first;
}

void Monkey::clickSomething(Form& front) {
    Control* c = pickControl(front, false);
    const QPoint at = c ? pointIn(*c) : anywhere(front);
    QWindow* w = front.windowHandle();
    if (!w) return;
    if (random_.bounded(12) == 0) {
        ++findings_.kinds[QStringLiteral("double click")];
        QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    } else {
        ++findings_.kinds[QStringLiteral("click")];
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
}

void Monkey::dragSomething(Form& front) {
    Control* c = pickControl(front, true);
    QWindow* w = front.windowHandle();
    if (!w) return;
    QPoint at = c ? pointIn(*c) : anywhere(front);
    const int how = int(random_.bounded(10));
    const bool left = how < 9, right = how >= 8;  // 8: both buttons, 9: the right alone
    ++findings_.kinds[right ? (left ? QStringLiteral("two-button drag") : QStringLiteral("right drag"))
                            : QStringLiteral("drag")];
    QPointer<Form> form(&front);
    if (left) QTest::mousePress(w, Qt::LeftButton, {}, at);
    if (right) QTest::mousePress(w, Qt::RightButton, {}, at);
    const int moves = 1 + int(random_.bounded(8));
    for (int i = 0; i < moves && form && !form->unloaded(); ++i) {
        if (random_.bounded(3) == 0)
            at += QPoint(random_.bounded(-40, 41), random_.bounded(-40, 41));
        else
            at = anywhere(front);
        QTest::mouseMove(w, at);
        if (random_.bounded(5) == 0) rig_->clock.advance(random_.bounded(1, 400));
    }
    if (!form || form->unloaded()) return;
    if (left) QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    if (right && form && !form->unloaded()) QTest::mouseRelease(w, Qt::RightButton, {}, at);
}

void Monkey::pressKeys() {
    static const int keys[] = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Right, Qt::Key_Left, Qt::Key_Up,
                               Qt::Key_Down, Qt::Key_Return, Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape};
    // Keys go to the window in front, which a key may change (a topic opens its exercise).
    const auto target = [this]() -> QWidget* {
        Form* f = rig_->flow->ended() ? nullptr : rig_->flow->screen(rig_->flow->front());
        if (!f || f->unloaded()) return nullptr;
        return f->focusWidget() ? f->focusWidget() : f;
    };
    const auto send = [&](QEvent::Type type, int k, bool repeat) {
        QWidget* to = target();
        if (!to) return false;
        QKeyEvent e(type, k, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(to, &e);
        return true;
    };
    const int presses = 1 + int(random_.bounded(6));
    for (int i = 0; i < presses; ++i) {
        const int k = keys[random_.bounded(int(std::size(keys)))];
        // Now and then a key is held down long enough to repeat.
        const bool held = random_.bounded(8) == 0;
        ++findings_.kinds[held ? QStringLiteral("key held") : QStringLiteral("key")];
        if (!send(QEvent::KeyPress, k, false)) return;
        for (int r = 0; held && r < 4; ++r)
            if (!send(QEvent::KeyPress, k, true)) return;
        if (!send(QEvent::KeyRelease, k, false)) return;
        if (random_.bounded(4) == 0) rig_->clock.advance(random_.bounded(1, 400));
    }
}

void Monkey::bringMenuForward() {
    const Catalogue& catalogue = rig_->flow->catalogue();
    QStringList menus;
    bool exerciseOpen = false;
    for (const QString& n : rig_->flow->loadedNames()) {
        if (n.startsWith(QLatin1String("menu"))) menus << n;
        if (isExerciseName(catalogue, n)) exerciseOpen = true;
    }
    if (menus.isEmpty() || !exerciseOpen) return;
    Form* menu = rig_->flow->screen(menus[int(random_.bounded(menus.size()))]);
    if (!menu || !menu->windowHandle()) return;
    ++findings_.kinds[QStringLiteral("menu brought forward")];
    windowManagerUsed_ = true;
    Control* c = pickControl(*menu, false);
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, c ? pointIn(*c) : anywhere(*menu));
}

// The two screens no menu lists are opened over the menu their exit button returns to,
// as a teacher would open them from the catalogue.
void Monkey::openUnlistedScreen(Form& front) {
    const QString screen = front.Name() == QLatin1String("menu5")   ? QStringLiteral("hyphen")
                           : front.Name() == QLatin1String("menu1") ? QStringLiteral("punc1")
                                                                     : QString();
    if (screen.isEmpty()) return;
    ++findings_.kinds[QStringLiteral("unlisted screen opened")];
    rig_->flow->show(screen);
}

void Monkey::passTime() {
    const int band = int(random_.bounded(10));
    const int ms = band < 4 ? random_.bounded(1, 20) : band < 7 ? random_.bounded(20, 300)
                 : band < 9 ? random_.bounded(300, 2500) : random_.bounded(2500, 9000);
    ++findings_.kinds[QStringLiteral("time")];
    rig_->clock.advance(ms);
}

void Monkey::step() {
    while (rig_->random.pending() < 16) rig_->random.push(random_.generateDouble());
    if (rig_->flow->ended()) {
        ++findings_.runsEnded;
        restart();
    }
    ++findings_.events;
    Form* front = rig_->flow->screen(rig_->flow->front());
    if (!front) {
        fail(QStringLiteral("no screen in front"));
        restart();
        return;
    }
    if (!front->isVisible()) front->show();
    const int what = int(random_.bounded(100));
    const QString frontName = front->Name();
    const auto kindsBefore = findings_.kinds;
    TimedApplication* timed = TimedApplication::instance();
    if (timed) timed->resetSlowest();
    QElapsedTimer timer;
    timer.start();
    try {
        if (what < 32) {
            clickSomething(*front);
        } else if (what < 42) {
            pressKeys();
        } else if (what < 60) {
            dragSomething(*front);
        } else if (what < 97) {
            passTime();
        } else if (what < 98) {
            bringMenuForward();
        } else if (what < 99) {
            openUnlistedScreen(*front);
        } else if (random_.bounded(4) == 0) {
            ++findings_.kinds[QStringLiteral("window closed")];
            front->close();
        } else {
            passTime();
        }
    } catch (const FatalErrorRaised& e) {
        fail(QStringLiteral("fatal error: %1").arg(QString::fromStdString(e.what())));
        restart();
        return;
    }
    const double actionMs = double(timer.nsecsElapsed()) / 1e6;
    // What the event loop does between two events: paints, deletes what was unloaded.
    QCoreApplication::processEvents();
    const double loopMs = timed ? timed->slowestMs() : 0.0;
    const QString loopWhat = timed ? timed->slowest() : QString();
    QElapsedTimer deleting;
    deleting.start();
    rig_->collect();
    const double collectMs = double(deleting.nsecsElapsed()) / 1e6;
    // Under an application that times each delivery, each click, paint and deletion is its
    // own event and the slowest counts (time passing on the test clock runs handlers
    // directly, so there the whole step counts); otherwise the whole step is one.
    const bool passing = findings_.kinds.value(QStringLiteral("time")) != kindsBefore.value(QStringLiteral("time"));
    const double ms = timed ? std::max({passing ? actionMs : 0.0, loopMs, collectMs})
                            : double(timer.nsecsElapsed()) / 1e6;
    if (ms > findings_.slowestEventMs || ms > 16.0) {
        QString kind;
        for (auto it = findings_.kinds.begin(); it != findings_.kinds.end(); ++it)
            if (it.value() != kindsBefore.value(it.key())) kind = it.key();
        QString what = QStringLiteral("%1 on %2").arg(kind, frontName);
        if (timed && ms == collectMs && ms > loopMs)
            what = QStringLiteral("deleting unloaded screens, after %1").arg(what);
        else if (timed && ms == loopMs)
            what = QStringLiteral("%1, in %2").arg(loopWhat, what);
        if (ms > findings_.slowestEventMs) {
            findings_.slowestEventMs = ms;
            findings_.slowestEvent = what;
        }
        if (ms > 16.0 && findings_.slowEvents.size() < 200)
            findings_.slowEvents << QStringLiteral("%1 ms: %2 (event %3)").arg(ms, 0, 'f', 1).arg(what).arg(findings_.events);
    }
    check(QStringLiteral("event"));
}

void Monkey::check(const QString& after) {
    ++findings_.checks;
    ScreenFlow& flow = *rig_->flow;
    if (flow.ended()) return;
    const Catalogue& catalogue = flow.catalogue();
    QStringList loaded = flow.loadedNames();
    loaded.removeAll(QStringLiteral("Grey"));
    const QString front = flow.front();
    Form* frontForm = flow.screen(front);
    if (!frontForm || frontForm->unloaded() || !frontForm->isVisible())
        fail(QStringLiteral("after %1: the screen in front (%2) is not shown").arg(after, front));

    // Which screens may be loaded together.
    QStringList exercises, menus, others;
    for (const QString& n : loaded) {
        if (isExerciseName(catalogue, n)) {
            exercises << n;
            QPointer<Form>& seen = opened_[n];
            if (seen != flow.screen(n)) {
                seen = flow.screen(n);
                ++findings_.screens[n];
            }
        } else if (n.startsWith(QLatin1String("menu"))) {
            menus << n;
        } else {
            others << n;
        }
    }
    if (!windowManagerUsed_) {
        bool allowed = false;
        if (loaded.size() == 1) allowed = true;
        if (loaded.size() == 2 && menus.size() == 1 && exercises.size() == 1)
            allowed = catalogue.find(exercises[0])->menuName() == menus[0] && front == exercises[0];
        if (!allowed) fail(QStringLiteral("after %1: screens loaded together: %2").arg(after, loaded.join(u' ')));
    }
    for (const QString& n : loaded) {
        Form* f = flow.screen(n);
        if (!f || f->unloaded() || !f->isVisible())
            fail(QStringLiteral("after %1: loaded screen %2 is not shown").arg(after, n));
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* f = qobject_cast<Form*>(w);
        if (f && f->isVisible() && f->unloaded()) fail(QStringLiteral("unloaded screen %1 still shown").arg(f->Name()));
    }

    static const QRegularExpression score(QStringLiteral("^(0| [0-9]+|-[0-9]+)$"));
    static const QRegularExpression outOf(QStringLiteral("^(( [0-9]+|-[0-9]+) out of( [0-9]+|-[0-9]+))?$"));
    for (const QString& n : exercises) {
        auto* s = qobject_cast<ExerciseScreen*>(flow.screen(n));
        if (!s) continue;
        if (Label* fb = s->feedbackCaption(); fb && fb->Visible()) {
            if (fb->Caption() != QLatin1String("Correct") && fb->Caption() != QLatin1String("Wrong"))
                fail(QStringLiteral("%1: feedback caption '%2'").arg(n, fb->Caption()));
        }
        const int family = s->entry().family;
        if (family == 4 || family == 5) {
            if (Label* l9 = s->find<Label>(QStringLiteral("Label9"))) {
                const QRegularExpression& form = family == 4 ? score : outOf;
                if (!form.match(l9->Caption()).hasMatch())
                    fail(QStringLiteral("%1: score reads '%2'").arg(n, l9->Caption()));
            }
        }
        for (const Control* c : s->findChildren<Control*>()) {
            const int limit = slotLimit(n, c->Name());
            if (limit >= 0 && (c->Index() < 0 || c->Index() >= limit))
                fail(QStringLiteral("%1: %2(%3) beyond its %4 slots").arg(n, c->Name()).arg(c->Index()).arg(limit));
        }
        // The menu behind an exercise keeps what it showed.
        const QString menuName = s->entry().menuName();
        Form* menu = flow.screen(menuName);
        auto& snap = menus_[n];
        if (!menu) {
            snap.reset();
        } else if (!snap || snap->form != menu) {
            snap = std::make_unique<MenuSnapshot>();
            snap->form = menu;
            snap->state = MenuSnapshot::take(*menu);
        } else if (MenuSnapshot::take(*menu) != snap->state) {
            fail(QStringLiteral("%1 changed behind %2").arg(menuName, n));
            snap->state = MenuSnapshot::take(*menu);
        }
    }
    for (auto it = menus_.begin(); it != menus_.end();) {
        if (!exercises.contains(it->first))
            it = menus_.erase(it);
        else
            ++it;
    }
}

}  // namespace qm::test
