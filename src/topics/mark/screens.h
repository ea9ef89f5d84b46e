#pragma once
// The missing-mark screen, as the catalogue builds it.

namespace qm {

class Form;
class Module1;
class RowForm;
struct ScreenEntry;

Form* makePunc2(Module1& m, const ScreenEntry& e);
// The row form of its bank, with its own rows.
const RowForm& punc2Rows();

}  // namespace qm
