// How many hyphens are missing from the sentence? Every sentence of this screen ends in a
// run of four spaces.

#include "topics/choice/choice_rows.h"
#include "topics/choice/counting.h"
#include "topics/choice/screens.h"

namespace qm {

namespace {

const CountRow kBank[] = {
    {u"She parked her four by four in the lay by.    ", 3, u"She parked her four-by-four in the lay-by.    "},
    {u"The baby sitter was a long standing friend.    ", 2, u"The baby-sitter was a long-standing friend.    "},
    {u"The do it yourself self service shop started in a tool shed.    ", 4, u"The do-it-yourself self-service shop started in a tool-shed.    "},
    {u"Plastic is a by product of oil.    ", 1, u"Plastic is a by-product of oil.    "},
    {u"A man eating plant grew in the wizard’s garden.    ", 1, u"A man-eating plant grew in the wizard’s garden.    "},
    {u"A well known author visited our school today.    ", 1, u"A well-known author visited our school today.    "},
    {u"Please re enter your password.    ", 1, u"Please re-enter your password.    "},
    {u"The co pilot landed the plane safely.    ", 1, u"The co-pilot landed the plane safely.    "},
    {u"Our ex captain now plays for the county.    ", 1, u"Our ex-captain now plays for the county.    "},
    {u"A passer by helped Mr Kowalski carry his shopping.    ", 1, u"A passer-by helped Mr Kowalski carry his shopping.    "},
    {u"The doctor looked at the X ray of my arm.    ", 1, u"The doctor looked at the X-ray of my arm.    "},
    {u"The high speed train reached London in two hours.    ", 1, u"The high-speed train reached London in two hours.    "},
    {u"Dad bought a second hand bike from a neighbour.    ", 1, u"Dad bought a second-hand bike from a neighbour.    "},
    {u"Jamie re covered the old armchair with new fabric.    ", 1, u"Jamie re-covered the old armchair with new fabric.    "},
    {u"The record breaking swimmer won forty one medals.    ", 2, u"The record-breaking swimmer won forty-one medals.    "},
    {u"We planted forget me nots beside the pond.    ", 2, u"We planted forget-me-nots beside the pond.    "},
    {u"My cousin’s hand me downs fit me perfectly.    ", 2, u"My cousin’s hand-me-downs fit me perfectly.    "},
    {u"We bought free range eggs and sugar free jam.    ", 2, u"We bought free-range eggs and sugar-free jam.    "},
    {u"After a lie in, Sunita helped with the washing up.    ", 2, u"After a lie-in, Sunita helped with the washing-up.    "},
    {u"We did a warm up before the kick off.    ", 2, u"We did a warm-up before the kick-off.    "},
    {u"A daddy long legs flew in through the window.    ", 2, u"A daddy-long-legs flew in through the window.    "},
    {u"Our hard working school cook made forty eight pancakes.    ", 2, u"Our hard-working school cook made forty-eight pancakes.    "},
    {u"My great aunt has a cottage in the south west.    ", 2, u"My great-aunt has a cottage in the south-west.    "},
    {u"The lorry driver did a U turn in the cul de sac.    ", 3, u"The lorry driver did a U-turn in the cul-de-sac.    "},
    {u"The grown ups played hide and seek with us.    ", 3, u"The grown-ups played hide-and-seek with us.    "},
    {u"The world famous magician’s blue eyed cat sat in an old fashioned hat.    ", 3, u"The world-famous magician’s blue-eyed cat sat in an old-fashioned hat.    "},
    {u"The runner up won a T shirt and a yo yo.    ", 3, u"The runner-up won a T-shirt and a yo-yo.    "},
    {u"Sixty six plus thirty three makes ninety nine.    ", 3, u"Sixty-six plus thirty-three makes ninety-nine.    "},
    {u"The left handed goalkeeper made a last minute save in the semi final.    ", 3, u"The left-handed goalkeeper made a last-minute save in the semi-final.    "},
    {u"Mum’s sister in law works part time at the hospital.    ", 3, u"Mum’s sister-in-law works part-time at the hospital.    "},
    {u"My nine year old brother did a fifty piece jigsaw in twenty minutes.    ", 3, u"My nine-year-old brother did a fifty-piece jigsaw in twenty minutes.    "},
    {u"The well behaved seven year old twins won the three legged race.    ", 4, u"The well-behaved seven-year-old twins won the three-legged race.    "},
    {u"Seventy six balloons floated over the merry go round and the helter skelter.    ", 4, u"Seventy-six balloons floated over the merry-go-round and the helter-skelter.    "},
    {u"My great great grandmother knitted twenty one heart shaped tea cosies.    ", 4, u"My great-great-grandmother knitted twenty-one heart-shaped tea cosies.    "},
    {u"My ten year old cousin found a jack in the box in the loft.    ", 5, u"My ten-year-old cousin found a jack-in-the-box in the loft.    "},
    {u"Our seventy year old coach did forty five press ups at half time.    ", 5, u"Our seventy-year-old coach did forty-five press-ups at half-time.    "},
};

}  // namespace

Form* makeHyphen2(Module1& m, const ScreenEntry& e) {
    return new CountingScreen(m, e, QStringLiteral("How many hyphens are missing from the following sentence?"));
}

const RowForm& hyphen2Rows() {
    static const CountingRows rows(countingBank(QStringLiteral("hyphens missing"), QStringLiteral("    "), kBank));
    return rows;
}

}  // namespace qm
