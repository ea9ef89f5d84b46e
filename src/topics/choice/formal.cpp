// Is the language of the sentence formal or informal?

#include "topics/choice/choice_rows.h"
#include "topics/choice/classify.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const ClassifyRow kBank[] = {
    {u"We won't be coming on Saturday.", 1},
    {u"Thank you for your letter.", 0},
    {u"After careful consideration, we regretfully decline your offer.", 0},
    {u"Remember: be prompt if you want to get in.", 1},
    {u"Pupils must not run in the corridors.", 0},
    {u"Please ensure that all library books are returned by Friday.", 0},
    {u"I am writing to complain about the litter in the park.", 0},
    {u"Visitors are requested to report to the school office.", 0},
    {u"We would be delighted if you could attend our concert.", 0},
    {u"Parents are kindly reminded that the school closes at noon.", 0},
    {u"May I take this opportunity to thank our volunteers?", 0},
    {u"The swimming pool will be closed for essential repairs.", 0},
    {u"The headteacher’s decision on this matter is final.", 0},
    {u"Please accept my sincere apologies for the delay.", 0},
    {u"The experiment demonstrated that plants require light to grow.", 0},
    {u"Would you kindly close the gate behind you?", 0},
    {u"I look forward to hearing from you.", 0},
    {u"Parents’ evening will be held in the main hall.", 0},
    {u"We regret to inform you that the trip has been cancelled.", 0},
    {u"Could you please confirm the date of the meeting?", 0},
    {u"The results of our survey are shown in the table below.", 0},
    {u"Should you require assistance, please ask at reception.", 0},
    {u"Unauthorised entry is strictly prohibited.", 0},
    {u"Hiya, do you fancy coming round to mine after school?", 1},
    {u"That film was well good.", 1},
    {u"Can’t wait for the holidays!", 1},
    {u"Cheers for the birthday card, mate.", 1},
    {u"We had a right laugh at the funfair with our cousins.", 1},
    {u"Stop mucking about and get in the car.", 1},
    {u"My brother’s a total nightmare in the mornings.", 1},
    {u"Ta for lending me your pen.", 1},
    {u"Guess what? We’re getting a puppy!", 1},
    {u"Hang on a sec, I’ve lost my shoe.", 1},
    {u"I’m starving, so let’s grab some chips on the way home.", 1},
};

const ClassifyDesign& design() {
    static const ClassifyDesign d{
        .boxes = {QStringLiteral("FORMAL"), QStringLiteral("INFORMAL")},
        .instruction = QStringLiteral("Is the language of the sentence below formal or informal?"),
        .instructionColour = ChoiceScreen::kGreen,
        .instructionPlace = {720, 0, 8655, 1875},
        .instructionPoints = 30,
        .questionPlace = {120, 2040, 9915, 2385},
        .promptPlace = {120, 4920, 9855, 615},
        .boxLefts = {600, 5880},
        .boxTop = 5520,
        .boxWidth = 3555,
        .boxHeight = 735,
        .boxPoints = 27.75,
        .feedbackPlace = {2760, 6960, 4455, 1215},
        .feedbackPoints = 39.75,
        .bank = kBank,
    };
    return d;
}

}  // namespace

Form* makeFormal(Module1& m, const ScreenEntry& e) { return new ClassifyScreen(m, e, design()); }

const RowForm& formalRows() {
    static const ClassifyRows rows(design());
    return rows;
}

}  // namespace qm
