#pragma once
// The hidden form that hosts the sound player. It is loaded by the first sound request
// that finds sound on, and stays loaded, never shown, until the program ends.

#include "controls/form.h"
#include "shell/module1.h"

namespace qm {

// The sound control: plays the wave file named by a program path.
class SndDevil {
public:
    explicit SndDevil(SoundPlayer& player) : player_(player) {}
    void Play(const QString& path) { player_.play(path); }

private:
    SoundPlayer& player_;
};

class Grey final : public Form {
    Q_OBJECT
public:
    explicit Grey(Module1& m) : Form(QStringLiteral("Grey"), m.platform.clock), SndDevil1(m.platform.sound) {}
    SndDevil SndDevil1;
};

}  // namespace qm
