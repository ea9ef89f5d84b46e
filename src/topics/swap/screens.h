#pragma once
// The find-and-swap screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
struct ScreenEntry;

Form* makePrepositions(Module1& m, const ScreenEntry& e);
Form* makeConnectives(Module1& m, const ScreenEntry& e);

}  // namespace qm
