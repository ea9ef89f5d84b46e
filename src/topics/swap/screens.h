#pragma once
// The find-and-swap screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
class RowForm;
struct ScreenEntry;

Form* makePrepositions(Module1& m, const ScreenEntry& e);
Form* makeConnectives(Module1& m, const ScreenEntry& e);

// The row forms of their banks, with their own rows.
const RowForm& prepositionsRows();
const RowForm& connectivesRows();

}  // namespace qm
