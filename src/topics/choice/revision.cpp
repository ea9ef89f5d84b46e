// Which word fills the gap? Three words go onto the boxes in a random order; after an
// answer the completed sentence shows.

#include <iterator>

#include "topics/choice/choice_rows.h"
#include "topics/choice/options_screen.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

// Per question: the sentence with its gap, two wrong words, the right word, the
// completed sentence.
const char16_t* const kBank[] = {
    u"I ____ first in the race.", u"come", u"coming", u"came", u"I came first in the race.",
    u"My friend and ____ went bowling.", u"meself", u"me", u"I", u"My friend and I went bowling.",
    u"Queen Victoria’s ____ lasted 63 years.", u"rein", u"rain", u"reign", u"Queen Victoria’s reign lasted 63 years.",
    u"Mum said ____ going to the zoo on Saturday.", u"their", u"there", u"they’re", u"Mum said they’re going to the zoo on Saturday.",
    u"The children hung ____ coats on the pegs.", u"there", u"they’re", u"their", u"The children hung their coats on the pegs.",
    u"____ are you going on holiday?", u"Wear", u"Were", u"Where", u"Where are you going on holiday?",
    u"What will you ____ to the party?", u"were", u"where", u"wear", u"What will you wear to the party?",
    u"This tea is ____ hot to drink.", u"to", u"two", u"too", u"This tea is too hot to drink.",
    u"Ellie has ____ pet rabbits.", u"to", u"too", u"two", u"Ellie has two pet rabbits.",
    u"The bus went ____ the school gates.", u"passed", u"pass", u"past", u"The bus went past the school gates.",
    u"The cold weather can ____ how plants grow.", u"effect", u"affects", u"affect", u"The cold weather can affect how plants grow.",
    u"The storm had a big ____ on the village.", u"affect", u"affects", u"effect", u"The storm had a big effect on the village.",
    u"Mrs Khan gave us some good ____.", u"advise", u"advises", u"advice", u"Mrs Khan gave us some good advice.",
    u"This jar has ____ sweets than that one.", u"less", u"lesser", u"fewer", u"This jar has fewer sweets than that one.",
    u"I have ____ homework than my brother.", u"fewer", u"lesser", u"less", u"I have less homework than my brother.",
    u"The girl ____ won the prize is my cousin.", u"which", u"whose", u"who", u"The girl who won the prize is my cousin.",
    u"The bike ____ I got for my birthday is red.", u"who", u"whose", u"which", u"The bike which I got for my birthday is red.",
    u"Ben is ____ than his older brother.", u"tallest", u"tall", u"taller", u"Ben is taller than his older brother.",
    u"This is the ____ day of the year so far.", u"hot", u"hotter", u"hottest", u"This is the hottest day of the year so far.",
    u"My painting is ____ than yours.", u"gooder", u"best", u"better", u"My painting is better than yours.",
    u"That was the ____ film I have ever seen.", u"worse", u"baddest", u"worst", u"That was the worst film I have ever seen.",
    u"Gran gave the biscuits to Sam and ____.", u"I", u"mine", u"me", u"Gran gave the biscuits to Sam and me.",
    u"I taught ____ to juggle during the holidays.", u"me", u"I", u"myself", u"I taught myself to juggle during the holidays.",
    u"Sofia and ____ are in the same team.", u"me", u"my", u"I", u"Sofia and I are in the same team.",
    u"Yesterday we ____ to the seaside.", u"go", u"gone", u"went", u"Yesterday we went to the seaside.",
    u"Have you ____ your lunch yet?", u"ate", u"eat", u"eaten", u"Have you eaten your lunch yet?",
    u"The boys have ____ all the way home.", u"ran", u"running", u"run", u"The boys have run all the way home.",
    u"Hassan ____ his homework on the bus.", u"done", u"doing", u"did", u"Hassan did his homework on the bus.",
    u"The bell has ____ for lunch.", u"rang", u"ring", u"rung", u"The bell has rung for lunch.",
    u"We could ____ missed the bus!", u"of", u"off", u"have", u"We could have missed the bus!",
    u"Are you ____ to stay up late?", u"aloud", u"allow", u"allowed", u"Are you allowed to stay up late?",
    u"____ coat is this?", u"Who’s", u"Who", u"Whose", u"Whose coat is this?",
};
static_assert(std::size(kBank) == 32 * 5);

const ShuffledDesign& design() {
    static const ShuffledDesign d{
        .rowsPerQuestion = 5,
        .options = 3,
        .rightRow = 3,
        .showsCompleted = true,
        .promptPlace = {120, 0, 9855, 2895},
        .promptPoints = 48,
        .completedPlace = {120, 4320, 9855, 2295},
        .boxLefts = {120, 3600, 7080},
        .boxTop = 6720,
        .boxWidth = 2955,
        .boxHeight = 975,
        .boxPoints = 36,
        .feedbackPlace = {0, 2760, 10095, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .columns = {QStringLiteral("sentence with a gap ____"), QStringLiteral("wrong word 1"), QStringLiteral("wrong word 2"), QStringLiteral("right word"), QStringLiteral("completed sentence")},
        .paperTask = QStringLiteral("Which word fills the gap in each sentence? Circle its letter."),
    };
    return d;
}

}  // namespace

Form* makeRevision(Module1& m, const ScreenEntry& e) { return new ShuffledScreen(m, e, design()); }

const RowForm& revisionRows() {
    static const OptionRows rows(shuffledBank(design()));
    return rows;
}

}  // namespace qm
