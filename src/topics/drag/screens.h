#pragma once
// The word-drag exercise screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
class RowForm;
struct ScreenEntry;

Form* makeBasic(Module1& m, const ScreenEntry& e);
Form* makeNotes(Module1& m, const ScreenEntry& e);
Form* makeConv(Module1& m, const ScreenEntry& e);
Form* makeNegative(Module1& m, const ScreenEntry& e);
Form* makeNoun(Module1& m, const ScreenEntry& e);
Form* makeNoun2(Module1& m, const ScreenEntry& e);

// The row forms of their banks, with their own rows.
const RowForm& basicRows();
const RowForm& notesRows();
const RowForm& convRows();
const RowForm& negativeRows();
const RowForm& nounRows();
const RowForm& noun2Rows();

}  // namespace qm
