#pragma once
// The word-by-word comma screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
class RowForm;
struct ScreenEntry;

Form* makeComma2(Module1& m, const ScreenEntry& e);
Form* makePunc1(Module1& m, const ScreenEntry& e);

// The row forms of their banks, with their own rows.
const RowForm& comma2Rows();
const RowForm& punc1Rows();

}  // namespace qm
