// Which auxiliary verb fills the gap? Four words go onto the boxes in a random order;
// after an answer the completed sentence shows.

#include <iterator>

#include "topics/choice/choice_rows.h"
#include "topics/choice/options_screen.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

// Per question: the sentence with its gap, the right word, three wrong words, the
// completed sentence.
const char16_t* const kBank[] = {
    u"They ____ lost their ticket.", u"have", u"was", u"shall", u"will", u"They have lost their ticket.",
    u"We ____ start at seven o’clock.", u"can", u"was", u"were", u"have", u"We can start at seven o’clock.",
    u"She ____ wait for ever they said, but she didn’t.", u"would", u"was", u"used", u"have", u"She would wait for ever they said, but she didn’t.",
    u"Amira ____ finished her homework before tea.", u"has", u"have", u"is", u"does", u"Amira has finished her homework before tea.",
    u"Swallows ____ flown south for the winter.", u"have", u"has", u"did", u"will", u"Swallows have flown south for the winter.",
    u"By the time we arrived, the film ____ started.", u"had", u"have", u"did", u"will", u"By the time we arrived, the film had started.",
    u"Gran ____ never seen snow until last year.", u"had", u"have", u"was", u"does", u"Gran had never seen snow until last year.",
    u"Look! The puppies ____ chasing their tails.", u"are", u"is", u"has", u"do", u"Look! The puppies are chasing their tails.",
    u"Ravi ____ reading when the bell rang.", u"was", u"were", u"has", u"did", u"Ravi was reading when the bell rang.",
    u"We ____ playing rounders when it rained.", u"were", u"was", u"have", u"do", u"We were playing rounders when it rained.",
    u"The castle ____ built more than 900 years ago.", u"was", u"were", u"has", u"did", u"The castle was built more than 900 years ago.",
    u"The tents ____ blown over last night.", u"were", u"was", u"has", u"did", u"The tents were blown over last night.",
    u"My little brother ____ always losing his gloves.", u"is", u"are", u"has", u"does", u"My little brother is always losing his gloves.",
    u"____ you like strawberry ice cream?", u"Do", u"Does", u"Are", u"Has", u"Do you like strawberry ice cream?",
    u"Mrs Adeyemi ____ not like loud music in class.", u"does", u"do", u"has", u"have", u"Mrs Adeyemi does not like loud music in class.",
    u"Please ____ not feed the ducks bread.", u"do", u"does", u"are", u"has", u"Please do not feed the ducks bread.",
    u"I ____ not see you at the park yesterday.", u"did", u"do", u"will", u"was", u"I did not see you at the park yesterday.",
    u"____ Oliver feed the rabbit yesterday?", u"Did", u"Does", u"Will", u"Has", u"Did Oliver feed the rabbit yesterday?",
    u"Our baby ____ walk now but couldn’t last year.", u"can", u"could", u"did", u"has", u"Our baby can walk now but couldn’t last year.",
    u"When Nana was young, she ____ climb trees.", u"could", u"can", u"was", u"has", u"When Nana was young, she could climb trees.",
    u"Last year Jo ____ not swim, but now she can.", u"could", u"can", u"will", u"was", u"Last year Jo could not swim, but now she can.",
    u"The forecast says it ____ be sunny tomorrow.", u"will", u"does", u"did", u"has", u"The forecast says it will be sunny tomorrow.",
    u"Next week we ____ visit the Roman fort.", u"will", u"did", u"does", u"has", u"Next week we will visit the Roman fort.",
    u"If I had wings, I ____ fly over the sea.", u"would", u"will", u"am", u"has", u"If I had wings, I would fly over the sea.",
    u"____ I open the window for you?", u"Shall", u"Am", u"Does", u"Have", u"Shall I open the window for you?",
    u"You ____ wear a helmet on your bike.", u"should", u"are", u"has", u"was", u"You should wear a helmet on your bike.",
    u"Everyone ____ be quiet in the library.", u"must", u"are", u"has", u"were", u"Everyone must be quiet in the library.",
    u"____ I borrow your ruler, please?", u"May", u"Will", u"Does", u"Am", u"May I borrow your ruler, please?",
    u"Take a coat because it ____ rain later.", u"might", u"did", u"is", u"has", u"Take a coat because it might rain later.",
    u"Where ____ you put my football boots?", u"did", u"has", u"was", u"were", u"Where did you put my football boots?",
};
static_assert(std::size(kBank) == 30 * 6);

const ShuffledDesign& design() {
    static const ShuffledDesign d{
        .rowsPerQuestion = 6,
        .options = 4,
        .rightRow = 1,
        .showsCompleted = true,
        .promptPlace = {120, 0, 9855, 2895},
        .promptPoints = 48,
        .completedPlace = {120, 4320, 9855, 2295},
        .boxLefts = {120, 2760, 5400, 8040},
        .boxTop = 6720,
        .boxWidth = 2475,
        .boxHeight = 975,
        .boxPoints = 36,
        .feedbackPlace = {0, 2760, 10095, 1215},
        .feedbackPoints = 48,
        .bank = kBank,
        .columns = {QStringLiteral("sentence with a gap ____"), QStringLiteral("right word"), QStringLiteral("wrong word 1"), QStringLiteral("wrong word 2"), QStringLiteral("wrong word 3"), QStringLiteral("completed sentence")},
        .paperTask = QStringLiteral("Which auxiliary verb fills the gap in each sentence? Circle its letter."),
    };
    return d;
}

}  // namespace

Form* makeAuxiliary(Module1& m, const ScreenEntry& e) { return new ShuffledScreen(m, e, design()); }

const RowForm& auxiliaryRows() {
    static const OptionRows rows(shuffledBank(design()));
    return rows;
}

}  // namespace qm
