#pragma once
// Everything the program takes from its surroundings, in one bundle handed to Module1.

#include "platform/clock.h"
#include "platform/pictures.h"
#include "platform/random.h"
#include "platform/services.h"

namespace qm {

struct Platform {
    Clock& clock;
    Random& random;
    SoundPlayer& sound;
    const PictureStore& pictures;
    WebLauncher& web;
    Desktop& desktop;
    FatalReporter& fatal;
    Session& session;
};

}  // namespace qm
