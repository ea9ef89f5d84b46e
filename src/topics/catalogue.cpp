#include "topics/catalogue.h"

#include "exercise/exercise_screen.h"
#include "topics/choice/screens.h"
#include "topics/comma/screens.h"
#include "topics/mark/screens.h"
#include "topics/swap/screens.h"
#include "topics/drag/screens.h"
#include "topics/timed/screens.h"

namespace qm {

namespace {

const QColor kDeep(48, 133, 214);
const QColor kLight(49, 135, 215);

ScreenEntry screen(const char* name, const char* title, int family, int menu, int index, QColor back, Draw draw,
                   ScreenFactory factory, const RowForm& rows) {
    ScreenEntry e{QString::fromUtf8(name), QString::fromUtf8(title), family, menu, index, back, draw,
                  false, false, false, factory, &rows};
    const QString n = e.name;
    e.wipeKeepsOther = n == QLatin1String("comma") || n == QLatin1String("punctuation") || n == QLatin1String("punc2");
    e.nextHiddenAtFirst = n == QLatin1String("basic") || n == QLatin1String("negative") || n == QLatin1String("conv") ||
                          n == QLatin1String("notes") || n == QLatin1String("noun2") || n == QLatin1String("comma2");
    e.answerButtonShown = n == QLatin1String("puncnum") || n == QLatin1String("hyphen2");
    return e;
}

}  // namespace

const Catalogue& topicCatalogue() {
    using D = Draw;
    static const Catalogue catalogue({
        screen("basic", "Basic Meaning", 4, 1, 0, kLight, D::Plain, makeBasic, basicRows()),
        screen("noun", "Noun and Verb Agreement", 4, 1, 1, kLight, D::Plain, makeNoun, nounRows()),
        screen("negative", "Double Negatives", 4, 1, 2, kLight, D::Plain, makeNegative, negativeRows()),
        screen("punc2", "Punctuation", 8, 1, 3, kLight, D::Reseed, makePunc2, punc2Rows()),
        screen("auxiliary", "Auxiliary Verbs", 3, 1, 4, kLight, D::Reseed, makeAuxiliary, auxiliaryRows()),
        screen("verbforms", "Verb Forms", 3, 2, 0, kDeep, D::Reseed, makeVerbforms, verbformsRows()),
        screen("tenses", "Tenses", 3, 2, 1, kDeep, D::Reseed, makeTenses, tensesRows()),
        screen("noun2", "Different Kinds of Nouns", 4, 2, 2, kLight, D::InOrder, makeNoun2, noun2Rows()),
        screen("comma2", "Punctuation with Commas", 5, 2, 3, kLight, D::Reseed, makeComma2, comma2Rows()),
        screen("clause", "The Subordinate Clause", 3, 2, 4, kDeep, D::Reseed, makeClause, clauseRows()),
        screen("prepositions", "Prepositions", 7, 3, 0, kLight, D::Plain, makePrepositions, prepositionsRows()),
        screen("apostrophe", "Apostrophes", 3, 3, 1, kDeep, D::Reseed, makeApostrophe, apostropheRows()),
        screen("connectives", "Connectives", 7, 3, 2, kLight, D::Plain, makeConnectives, connectivesRows()),
        screen("puncnum", "Accurate Punctuation", 3, 3, 3, kLight, D::Reseed, makePuncnum, puncnumRows()),
        screen("mainclause", "The Main Clause", 3, 3, 4, kDeep, D::Reseed, makeMainclause, mainclauseRows()),
        screen("sentence", "Sentence Structure", 3, 4, 0, kDeep, D::Reseed, makeSentence, sentenceRows()),
        screen("parenthesis", "Parenthesis", 3, 4, 1, kDeep, D::Reseed, makeParenthesis, parenthesisRows()),
        screen("active", "Active and Passive Verbs", 3, 4, 2, kDeep, D::Reseed, makeActive, activeRows()),
        screen("punctuation", "Punctuation Terminology", 6, 4, 3, kLight, D::InOrder, makePunctuation, punctuationRows()),
        screen("connections", "Connections", 3, 4, 4, kDeep, D::Reseed, makeConnections, connectionsRows()),
        screen("conv", "Colloquial Language", 4, 5, 0, kLight, D::Plain, makeConv, convRows()),
        screen("comma", "Comma, Colon and Semi-colon", 6, 5, 1, kLight, D::Reseed, makeComma, commaRows()),
        screen("formal", "Formal Language", 3, 5, 2, kDeep, D::Reseed, makeFormal, formalRows()),
        screen("hyphen2", "Hyphens", 3, 5, 3, kLight, D::Reseed, makeHyphen2, hyphen2Rows()),
        screen("speech", "Speech Punctuation", 3, 5, 4, kDeep, D::Reseed, makeSpeech, speechRows()),
        screen("notes", "Note Making", 4, 6, 0, kLight, D::Plain, makeNotes, notesRows()),
        screen("conventions", "Language Conventions", 6, 6, 1, kLight, D::Reseed, makeConventions, conventionsRows()),
        screen("phrase", "Phrases and Clauses", 6, 6, 2, kLight, D::Reseed, makePhrase, phraseRows()),
        screen("terminology", "Literacy Terminology", 3, 6, 3, kLight, D::Reseed, makeTerminology, terminologyRows()),
        screen("revision", "Revision", 3, 6, 4, kLight, D::Reseed, makeRevision, revisionRows()),
        screen("hyphen", "Dashes and Hyphens", 3, 5, -1, kDeep, D::Reseed, makeHyphen, hyphenRows()),
        screen("punc1", "Punctuation", 5, 1, -1, kLight, D::InOrder, makePunc1, punc1Rows()),
    });
    return catalogue;
}

}  // namespace qm
