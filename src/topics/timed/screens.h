#pragma once
// The timed stop screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
struct ScreenEntry;

Form* makeConventions(Module1& m, const ScreenEntry& e);
Form* makePhrase(Module1& m, const ScreenEntry& e);
Form* makeComma(Module1& m, const ScreenEntry& e);
Form* makePunctuation(Module1& m, const ScreenEntry& e);

}  // namespace qm
