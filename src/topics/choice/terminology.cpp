// Which description matches the literacy term? Four descriptions go onto the boxes in a
// random order; the right one blinks more slowly than on the other choice screens.

#include <iterator>

#include "topics/choice/choice_rows.h"
#include "topics/choice/options_screen.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

// Per question: the term, the right description, three wrong descriptions.
const char16_t* const kBank[] = {
    u"a verb", u"is an action word", u"describes things", u"is a punctuation mark", u"is a poem",
    u"a bibliography", u"is a list of books", u"is a preface", u"is a description", u"is a statement",
    u"a homonym is", u"a word with the same spelling, but a different meaning", u"a traditional story", u"a vivid image", u"a short verse",
    u"a noun", u"is a naming word for a person, place or thing", u"is a word that describes a noun, such as big or red", u"joins two clauses together", u"is a word that tells how something is done",
    u"an adjective", u"is a word that describes a noun", u"is a word used instead of a noun", u"is a naming word for a person, place or thing", u"is a word that links two clauses",
    u"an adverb", u"often tells how, when or where something happens", u"names a person, place or thing", u"is a word that stands in for a noun", u"is a word that describes a noun, like tall or green",
    u"a pronoun", u"is a word used instead of a noun", u"is a word that describes how an action is done", u"names a feeling, like joy or fear", u"is a mark that shows possession",
    u"a preposition", u"links a noun to other words, like in, under or during", u"shows an action, like jump or run", u"is a word that joins two main clauses, like and or but", u"is a group of letters added to a word",
    u"a conjunction", u"is a joining word, such as and, but or because", u"usually describes a noun", u"is a word that stands in for a noun, such as he or it", u"is a word that names a person or place",
    u"a determiner", u"comes before a noun, like the, a, this or my", u"is a word that shows an action, such as run or jump", u"can join two clauses, like and or but", u"is a word that tells how something is done",
    u"a clause", u"is a group of words that always contains a verb", u"is a group of words that never contains a verb", u"shows where letters are missing", u"is a mark that ends a sentence",
    u"a main clause", u"is a clause that makes sense on its own", u"is a clause that cannot make sense on its own", u"is a group of words with no verb", u"is a word that links two clauses",
    u"a relative clause", u"describes a noun, often using who or which", u"makes sense on its own, like a main clause", u"is a group of words with no verb, like in the park", u"is a word used instead of a noun",
    u"a noun phrase", u"is a group of words built around a noun", u"is a sentence that gives an order", u"usually starts with because or when", u"is a word that joins two phrases",
    u"a prefix", u"is always added to the start of a word", u"is a group of letters added to the end of a word", u"is a word with the opposite meaning", u"is a mark that joins two words",
    u"a suffix", u"is always added to the end of a word", u"is a group of letters added to the start of a word", u"is a word with a similar meaning", u"is a word that sounds like another",
    u"a synonym", u"is a word with the same or a similar meaning", u"is a word with the opposite meaning", u"is a word that sounds the same as another word", u"describes a verb, like quickly",
    u"an antonym", u"is a word with the opposite meaning", u"is a word with the same or a similar meaning", u"is a word that is spelt the same backwards", u"is a word that describes a noun",
    u"a homophone", u"sounds like another word but means something else", u"is a word with the opposite meaning to another word", u"is a word that imitates a sound, like buzz or pop", u"means the same as another word",
    u"a plural", u"is a word that names more than one thing", u"is a word that names only one thing", u"is a word that shows who something belongs to", u"shows that something happened in the past",
    u"an apostrophe", u"is a mark that shows missing letters or possession", u"is a mark that goes round spoken words", u"is a mark that separates the items in a long list", u"is a mark used at the end of a question",
    u"a parenthesis", u"is extra information in brackets, dashes or commas", u"is a mark that introduces a list or an explanation", u"is a sentence that asks a question", u"is a word that joins two clauses",
    u"a colon", u"can introduce a list or an explanation", u"ends a sentence that asks a question", u"is a mark that shows missing letters", u"is three dots that show a pause or missing words",
    u"a semi-colon", u"can join two closely linked clauses", u"is a mark that goes at the end of a sentence", u"shows that letters have been missed out", u"is a mark that goes round spoken words",
    u"a hyphen", u"joins words or parts of words", u"is a mark that shows a pause or missing words", u"can end a sentence that shows surprise", u"is a pair of marks around extra information",
    u"an ellipsis", u"is three dots that show a pause or missing words", u"is a mark that joins two closely linked clauses", u"is a mark that introduces a list", u"is a short mark that joins two words",
    u"bullet points", u"set out a list with each item on a new line", u"are marks that go round the words someone says", u"are the full stops at the end of sentences", u"show that someone is speaking",
    u"a modal verb", u"is a verb like can, might or must", u"is a verb that ends in -ing", u"is a word that describes a verb", u"is a verb that is always in the past tense",
    u"a fronted adverbial", u"tells when, where or how, at the start of a sentence", u"is a clause that makes sense on its own", u"is a word that describes a noun", u"comes at the very end of a sentence",
    u"the active voice", u"is when the subject does the action", u"is when the subject has the action done to it", u"is when someone’s exact words are written down", u"is when a verb is in the future tense",
    u"the passive voice", u"is when the subject has the action done to it", u"is when the subject does the action", u"is when someone’s exact words are written down", u"tells someone to do something",
    u"a subject", u"is usually who or what does the action", u"is the main verb in a sentence", u"is the word in a sentence that names the action", u"describes a noun, like happy or tall",
    u"an object", u"is usually who or what the action is done to", u"is who or what does the action", u"is a word that describes how the action is done", u"is a word that joins two clauses",
    u"inverted commas", u"are marks that go round the words someone says", u"are marks that separate the items in a list", u"are marks that show where letters are missing", u"are three dots that show a pause or missing words",
};
static_assert(std::size(kBank) == 34 * 5);

const ShuffledDesign& design() {
    static const ShuffledDesign d{
        .rowsPerQuestion = 5,
        .options = 4,
        .rightRow = 1,
        .showsCompleted = false,
        .instruction = QStringLiteral("Click on the description matching the literary term below."),
        .instructionPlace = {120, 120, 9855, 1815},
        .instructionPoints = 36,
        .promptPlace = {240, 2160, 11415, 1935},
        .promptPoints = 72,
        .boxLefts = {120, 3120, 6120, 9120},
        .boxTop = 4440,
        .boxWidth = 2715,
        .boxHeight = 1575,
        .boxPoints = 15.75,
        .feedbackPlace = {0, 6720, 10095, 1215},
        .feedbackPoints = 48,
        .blinkInterval = 450,
        .bank = kBank,
        .columns = {QStringLiteral("term"), QStringLiteral("right description"), QStringLiteral("wrong description 1"), QStringLiteral("wrong description 2"), QStringLiteral("wrong description 3")},
        .paperTask = QStringLiteral("Which description matches each term? Circle its letter."),
    };
    return d;
}

}  // namespace

Form* makeTerminology(Module1& m, const ScreenEntry& e) { return new ShuffledScreen(m, e, design()); }

const RowForm& terminologyRows() {
    static const OptionRows rows(shuffledBank(design()));
    return rows;
}

}  // namespace qm
