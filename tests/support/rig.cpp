#include "rig.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include "controls/accessibility.h"
#include "controls/fonts.h"
#include "topics/catalogue.h"

namespace qm::test {

QString assetsFolder() { return qEnvironmentVariable("QM_TEST_ASSETS", QStringLiteral(QM_SOURCE_ASSETS)); }

void useProgramFonts() {
    static bool done = false;
    if (!done) {
        done = true;
        installFonts();
        installAccessibility();
    }
}

Rig::Rig(const QString& folder, const Catalogue* catalogue)
    : pictures(folder), m(Platform{clock, random, sound, pictures, web, desktop, fatal, session}) {
    useProgramFonts();
    flow = std::make_unique<ScreenFlow>(m, catalogue ? *catalogue : topicCatalogue());
}

Rig::~Rig() {
    flow.reset();
    collect();
}

namespace {

QWindow* windowOf(Form& form) {
    if (!form.isVisible()) form.show();
    QWindow* w = form.windowHandle();
    if (w) (void)QTest::qWaitForWindowExposed(w);
    return w;
}

}  // namespace

void pressAt(Form& form, QPoint at, Qt::MouseButton button) {
    QTest::mousePress(windowOf(form), button, {}, at);
}

void moveTo(Form& form, QPoint at) { QTest::mouseMove(windowOf(form), at); }

void releaseAt(Form& form, QPoint at, Qt::MouseButton button) {
    QTest::mouseRelease(windowOf(form), button, {}, at);
}

void clickAt(Form& form, QPoint at) { QTest::mouseClick(windowOf(form), Qt::LeftButton, {}, at); }

QPoint centreOf(const Control& c) { return c.mapTo(&c.form(), c.rect().center()); }

void clickOn(const Control& c) { clickAt(c.form(), centreOf(c)); }

int Rig::rowOf(const QString& sentence) const {
    for (int i = 0; i < int(m.QuestionBank.size()); ++i)
        if (!sentence.isEmpty() && m.QuestionBank[i] == sentence) return i;
    return -1;
}

void Rig::collect() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace qm::test
