#include "rig.h"

#include <QCoreApplication>
#include <QEvent>

#include "controls/fonts.h"
#include "topics/catalogue.h"

namespace qm::test {

QString assetsFolder() { return qEnvironmentVariable("QM_TEST_ASSETS", QStringLiteral(QM_SOURCE_ASSETS)); }

void useProgramFonts() {
    static bool done = false;
    if (!done) {
        done = true;
        installFonts();
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

void Rig::collect() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace qm::test
