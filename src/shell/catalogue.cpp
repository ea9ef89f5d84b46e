#include "shell/catalogue.h"

namespace qm {

const ScreenEntry* Catalogue::find(const QString& name) const {
    for (const auto& e : entries_)
        if (e.name == name) return &e;
    return nullptr;
}

const ScreenEntry* Catalogue::topic(int menu, int index) const {
    for (const auto& e : entries_)
        if (e.menu == menu && e.menuIndex == index) return &e;
    return nullptr;
}

}  // namespace qm
