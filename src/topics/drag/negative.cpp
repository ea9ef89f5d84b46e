// Double negatives: drag the two words of the double negative into the dustbin; once
// both are found the corrected sentence shows under the sentence.

#include "exercise/rules.h"
#include "topics/drag/negative.h"
#include "topics/drag/drag_rows.h"
#include "topics/drag/screens.h"

namespace qm {

namespace {

// Sentence, key (each word of the double negative changed, as a rule by a leading "@"),
// and the corrected sentence.
const DragRow kBank[] = {
    {u"She is not unsure of the way there. ",
     u"She is @not @unsure of the way there. ", u"She is sure of the way there."},
    {u"The car was not a non-starter. ", u"The car was @not a @non-starter. ", u"The car was a starter."},
    {u"The water is not impure. ", u"The water is @not @impure. ", u"The water is pure."},
    {u"At first they were not disbelieved. ",
     u"At first they were (not dis)believed. ", u"At first they were believed."},
    {u"The team was not dissatisfied with the result. ",
     u"The team was (not dis)satisfied with the result. ", u"The team was satisfied with the result."},
    {u"Our teacher was not unhappy with our work. ",
     u"Our teacher was @not @unhappy with our work. ", u"Our teacher was happy with our work."},
    {u"Mia is never careless with paint. ",
     u"Mia is @never @careless with paint. ", u"Mia is always careful with paint."},
    {u"Priya’s handwriting is not illegible. ",
     u"Priya’s handwriting is @not @illegible. ", u"Priya’s handwriting is legible."},
    {u"I do not disagree with you. ", u"I do @not @disagree with you. ", u"I agree with you."},
    {u"The sea wasn’t unsafe for swimming. ",
     u"The sea @wasn’t @unsafe for swimming. ", u"The sea was safe for swimming."},
    {u"Femi was never irresponsible. ", u"Femi was @never @irresponsible. ", u"Femi was always responsible."},
    {u"The instructions weren’t unclear. ", u"The instructions @weren’t @unclear. ", u"The instructions were clear."},
    {u"Grandad has never disliked the internet. ",
     u"Grandad has @never @disliked the internet. ", u"Grandad has always liked the internet."},
    {u"My uncle was not an impatient man. ", u"My uncle was @not an @impatient man. ", u"My uncle was a patient man."},
    {u"Nobody in our class was unkind to Ali. ",
     u"@Nobody in our class was @unkind to Ali. ", u"Everybody in our class was kind to Ali."},
    {u"Nothing in the display was unfinished. ",
     u"@Nothing in the display was @unfinished. ", u"Everything in the display was finished."},
    {u"None of the insect cages were unlocked. ",
     u"@None of the insect cages were @unlocked. ", u"All of the insect cages were locked."},
    {u"That was not an unwise thing to say. ",
     u"That was @not an @unwise thing to say. ", u"That was a wise thing to say."},
    {u"Until today, I had never been unlucky. ",
     u"Until today, I had @never been @unlucky. ", u"Until today, I had always been lucky."},
    {u"Gran did not find the information uninteresting. ",
     u"Gran did @not find the information @uninteresting. ", u"Gran found the information interesting."},
    {u"The new boy did not seem unfriendly. ",
     u"The new boy did @not seem @unfriendly. ", u"The new boy seemed friendly."},
    {u"Mum is never without her umbrella. ", u"Mum is @never @without her umbrella. ", u"Mum always has her umbrella."},
    {u"Nobody left the party without a balloon. ",
     u"@Nobody left the party @without a balloon. ", u"Everybody left the party with a balloon."},
    {u"The old torch was not useless. ", u"The old torch was @not @useless. ", u"The old torch was useful."},
    {u"The twins did not misbehave at the zoo. ",
     u"The twins did @not @misbehave at the zoo. ", u"The twins behaved well at the zoo."},
    {u"Dad’s invention was not unpopular. ", u"Dad’s invention was @not @unpopular. ", u"Dad’s invention was popular."},
    {u"The uniform shop was never unhelpful. ",
     u"The uniform shop was @never @unhelpful. ", u"The uniform shop was always helpful."},
    {u"The distant stars were not invisible. ",
     u"The distant stars were @not @invisible. ", u"The distant stars were visible."},
    {u"Nobody indoors was unaware of the storm. ",
     u"@Nobody indoors was @unaware of the storm. ", u"Everybody indoors was aware of the storm."},
    {u"Nobody thought the important test was unfair. ",
     u"@Nobody thought the important test was @unfair. ", u"Everybody thought the important test was fair."},
};

// The corrected sentence shows in bold Tahoma across the screen, under the tiles.
const TargetBox kCorrected{240, 6360, 11175, 495};
const FontSpec kCorrectedFont{QStringLiteral("Tahoma"), 20.25, true};

const DragBank& dragBank() {
    static const DragBank b{8, {240, 5400, false}, DragKey::TwoMarked,
                            {QStringLiteral("sentence"), QStringLiteral("key (@ before each word of the double negative)"),
                             QStringLiteral("corrected sentence")},
                            kBank, {kCorrected.width, kCorrected.height, kCorrectedFont},
                            QStringLiteral("Circle the two negatives in each sentence (a word such as not, or a part of a word "
                                           "such as un- or dis-). Then write the sentence again without them, so that it "
                                           "means the same.")};
    return b;
}

}  // namespace

NegativeScreen::NegativeScreen(Module1& m, const ScreenEntry& e) : DragScreen(m, e, dragBank(), false) {
    Label8 = addInstruction(QStringLiteral("Label8"), {120, 0, 9855, 1815}, 36, kPink,
                            QStringLiteral("Drag the double negative in the sentence below into the dustbin."));
    Label10 = addCaption(QStringLiteral("Label10"), 2565, 2040, boldTahoma(18), kYellow, QStringLiteral("DUSTBIN"),
                         false);
    Label5 = addTarget(QStringLiteral("Label5"), {2520, 2520, 1875, 1935});
    Label3 = addCaption(QStringLiteral("Label3"), 5565, 2040, serif(27.75), kYellow, QStringLiteral("COUNTER"), false);
    addScoreBox(6240, 2640);
    Label4 = add<Label>(QStringLiteral("Label4"));
    Label4->Move(kCorrected.left, kCorrected.top, kCorrected.width, kCorrected.height);
    Label4->setBackStyle(BackStyle::Transparent);
    Label4->setFont_(kCorrectedFont);
    Label4->setForeColor(kPink);
    Label4->setAlignment(Align::Center);
    Label4->Hide();
    addFeedback({2640, 7200, 6495, 1215});
    makeTiles();
}

void NegativeScreen::afterLoad() {
    Label3->Show();
    Label5->Show();
    Label9->Show();
    Label10->Show();
    cmdgo->Show();
}

void NegativeScreen::resetForNext() {
    DragScreen::resetForNext();
    for (Label* tile : Label7) {
        FontSpec plain = tile->Font();
        plain.underline = false;
        tile->setFont_(plain);
    }
    Label9->setCaption(QStringLiteral("0"));
    Label4->Hide();
}

void NegativeScreen::ShowNextQuestion() {
    const auto p = drawRow();
    if (p) {
        Label4->setCaption(m.ExtraBank[*p]);
        showRow(*p);
    }
    Label5->Show();
}

void NegativeScreen::dropInto(int Index, int target, double releaseTop) {
    // Only a right drop counts; a wrong one leaves the counter as it is.
    if (rightDrop(Index, target)) {
        giveRight(QStringLiteral("wav\\beep.wav"));
        Label9->setCaption(scoreAfter(Label9->Caption(), true));
    } else {
        giveWrong();
    }
    // The word stays in the sentence, underlined; its copy goes to the dustbin.
    Label* tile = Label7(Index);
    FontSpec underlined = tile->Font();
    underlined.underline = true;
    tile->setFont_(underlined);
    Label2(Index)->setCaption(tile->Caption());
    showInTarget(Index, target, releaseTop);
    putBack(Index);
    tiles.markDone(Index);
    if (scoreValue(Label9->Caption()) == 2) Label4->Show();
}

Form* makeNegative(Module1& m, const ScreenEntry& e) { return new NegativeScreen(m, e); }

const RowForm& negativeRows() {
    static const DragRows rows(dragBank());
    return rows;
}

}  // namespace qm
