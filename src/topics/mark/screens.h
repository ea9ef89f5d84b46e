#pragma once
// The missing-mark screen, as the catalogue builds it.

namespace qm {

class Form;
class Module1;
struct ScreenEntry;

Form* makePunc2(Module1& m, const ScreenEntry& e);

}  // namespace qm
