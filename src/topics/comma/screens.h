#pragma once
// The word-by-word comma screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
struct ScreenEntry;

Form* makeComma2(Module1& m, const ScreenEntry& e);
Form* makePunc1(Module1& m, const ScreenEntry& e);

}  // namespace qm
