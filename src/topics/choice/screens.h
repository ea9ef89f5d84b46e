#pragma once
// The choice exercise screens, as the catalogue builds them.

namespace qm {

class Form;
class Module1;
class RowForm;
struct ScreenEntry;

Form* makeTenses(Module1& m, const ScreenEntry& e);
Form* makeActive(Module1& m, const ScreenEntry& e);
Form* makeApostrophe(Module1& m, const ScreenEntry& e);
Form* makeVerbforms(Module1& m, const ScreenEntry& e);
Form* makeFormal(Module1& m, const ScreenEntry& e);
Form* makeConnections(Module1& m, const ScreenEntry& e);
Form* makeClause(Module1& m, const ScreenEntry& e);
Form* makeMainclause(Module1& m, const ScreenEntry& e);
Form* makeParenthesis(Module1& m, const ScreenEntry& e);
Form* makeSentence(Module1& m, const ScreenEntry& e);
Form* makeHyphen(Module1& m, const ScreenEntry& e);
Form* makeAuxiliary(Module1& m, const ScreenEntry& e);
Form* makeRevision(Module1& m, const ScreenEntry& e);
Form* makeTerminology(Module1& m, const ScreenEntry& e);
Form* makeSpeech(Module1& m, const ScreenEntry& e);
Form* makePuncnum(Module1& m, const ScreenEntry& e);
Form* makeHyphen2(Module1& m, const ScreenEntry& e);

// The row forms of their banks, with their own rows.
const RowForm& tensesRows();
const RowForm& activeRows();
const RowForm& apostropheRows();
const RowForm& verbformsRows();
const RowForm& formalRows();
const RowForm& connectionsRows();
const RowForm& clauseRows();
const RowForm& mainclauseRows();
const RowForm& parenthesisRows();
const RowForm& sentenceRows();
const RowForm& hyphenRows();
const RowForm& auxiliaryRows();
const RowForm& revisionRows();
const RowForm& terminologyRows();
const RowForm& speechRows();
const RowForm& puncnumRows();
const RowForm& hyphen2Rows();

}  // namespace qm
