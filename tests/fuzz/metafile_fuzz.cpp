// libFuzzer entry for the metafile player: every input is parsed and, when accepted,
// played onto a small canvas. Built by tools/fuzz.sh with clang.

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "metafile_input.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Text records need fonts, and fonts need the application object.
    static int args = *argc;
    static QGuiApplication app(args, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 256 * 1024) return 0;  // the player turns away anything near this anyway
    qm::fuzz::playMetafile(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    return 0;
}
