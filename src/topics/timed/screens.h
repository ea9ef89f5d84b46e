#pragma once
// The timed stop screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
class RowForm;
struct ScreenEntry;

Form* makeConventions(Module1& m, const ScreenEntry& e);
Form* makePhrase(Module1& m, const ScreenEntry& e);
Form* makeComma(Module1& m, const ScreenEntry& e);
Form* makePunctuation(Module1& m, const ScreenEntry& e);

// The row forms of their banks, with their own rows.
const RowForm& conventionsRows();
const RowForm& phraseRows();
const RowForm& commaRows();
const RowForm& punctuationRows();

}  // namespace qm
