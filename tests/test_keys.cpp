// The keyboard's way through the program, for pupils who do not use a mouse: every
// exercise played by keys alone judges exactly as the same moves with the mouse; the
// walk from the title screen to an exercise and back by keys; the ring; and keys held
// down, mixed with the mouse, or pressed before there is anything to use.

#include <QAccessible>
#include <QtTest>

#include "controls/keys.h"
#include "exercise/exercise_screen.h"
#include "rig.h"
#include "topics/catalogue.h"
#include "topics/choice/choice_screen.h"
#include "topics/drag/word_drag.h"

using namespace qm;
using namespace qm::test;

namespace {

// What a pupil sees of a screen, but for where things lie (a tile dropped by the mouse
// lands on a whole pixel, one put down by keys on a whole twip).
QStringList seen(const Form& f) {
    QStringList s;
    for (const Control* c : f.findChildren<Control*>()) {
        QString line = QStringLiteral("%1(%2) %3%4").arg(c->Name()).arg(c->Index())
                           .arg(c->isVisibleTo(&f) ? QStringLiteral("shown") : QStringLiteral("hidden"))
                           .arg(c->Enabled() ? QString() : QStringLiteral(" disabled"));
        if (const auto* l = qobject_cast<const Label*>(c))
            line += QStringLiteral(" '%1' %2 %3").arg(l->Caption(), l->ForeColor().name(), l->BackColor().name());
        if (const auto* o = qobject_cast<const OptionButton*>(c)) line += o->Value() ? QStringLiteral(" on") : QString();
        s << line;
    }
    return s;
}

// A key as the window system gives it: to the control with the focus, else the window.
void key(Form& f, int k, Qt::KeyboardModifiers mods = {}) {
    QWidget* to = f.focusWidget() ? f.focusWidget() : &f;
    QTest::keyClick(to, Qt::Key(k), mods);
}

void heldKey(Form& f, int k) {
    QWidget* to = f.focusWidget() ? f.focusWidget() : &f;
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(to, &press);
}

// Tabs until the control has the focus; false when it never comes round.
bool tabTo(Form& f, const Control* c) {
    for (int i = 0; i < 80; ++i) {
        if (f.keys().current() == c) return true;
        key(f, Qt::Key_Tab);
    }
    return f.keys().current() == c;
}

Form* front(Rig& r) { return r.flow->screen(r.flow->front()); }

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useProgramFonts(); }

    // Two pupils on the same screen with the same questions: one with the mouse, one with
    // the keys. At every step both use the same control (or drag the same tile into the
    // same target) at the same moment, and both screens must then show and sound the same.
    void keysPlayAsTheMouse_data() {
        QTest::addColumn<QString>("screen");
        for (const ScreenEntry& e : topicCatalogue().entries())
            QTest::newRow(qPrintable(QStringLiteral("family %1 %2").arg(e.family).arg(e.name))) << e.name;
    }
    void keysPlayAsTheMouse() {
        QFETCH(QString, screen);
        Rig mouse, keys;
        for (Rig* r : {&mouse, &keys}) {
            r->m.SoundOn = 1;
            for (int i = 0; i < 400; ++i) r->random.push(std::fmod(0.37 + i * 0.618, 1.0));
            r->open(screen)->show();
            r->clock.advance(1);
        }
        Form& a = *mouse.screen(screen);
        Form& b = *keys.screen(screen);
        QRandomGenerator pick(qHash(screen));
        int judged = 0, dropped = 0;
        for (int step = 0; step < 40 && !b.unloaded(); ++step) {
            const std::vector<Control*> canA = a.keys().usable(), canB = b.keys().usable();
            QCOMPARE(canB.size(), canA.size());
            // Whatever a screen reader offers as something to press has a name to be heard by.
            for (Control* c : b.findChildren<Control*>()) {
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(c);
                const bool pressable = i->role() == QAccessible::Button || i->role() == QAccessible::RadioButton;
                if (pressable && c->isVisibleTo(&b) && !i->state().invisible)
                    QVERIFY2(!i->text(QAccessible::Name).trimmed().isEmpty(),
                             qPrintable(QStringLiteral("%1(%2) has no name").arg(c->Name()).arg(c->Index())));
            }
            std::vector<int> choices;
            for (int k = 0; k < int(canB.size()); ++k)
                if (canB[k]->Name() != QLatin1String("cmdexit")) choices.push_back(k);
            if (choices.empty()) break;
            const int k = choices[pick.bounded(int(choices.size()))];
            Control* ca = canA[k];
            Control* cb = canB[k];
            QCOMPARE(cb->Name(), ca->Name());
            QCOMPARE(cb->Index(), ca->Index());
            const QString what = QStringLiteral("step %1: %2(%3)").arg(step).arg(cb->Name()).arg(cb->Index());
            QVERIFY2(tabTo(b, cb), qPrintable(what + QStringLiteral(" never reached by Tab")));
            const std::vector<Control*> targets = b.keyDropTargets(*cb);
            if (targets.empty()) {
                clickOn(*ca);
                key(b, pick.bounded(2) ? Qt::Key_Return : Qt::Key_Space);
            } else {
                const int t = pick.bounded(int(targets.size()));
                const Control& ta = *a.keyDropTargets(*ca)[t];
                const QPointF place = a.keyDropPlace(*ca, ta);
                const QPoint to(int(std::lround((place.x() + ca->Width() / 2) / 15)),
                                int(std::lround((place.y() + ca->Height() / 2) / 15)));
                const QPoint from = centreOf(*ca);
                pressAt(a, from);
                moveTo(a, (from + to) / 2);
                moveTo(a, to);
                releaseAt(a, to);
                key(b, Qt::Key_Return);
                QCOMPARE(b.keys().held(), cb);
                for (int i = 0; i < t; ++i) key(b, pick.bounded(2) ? Qt::Key_Tab : Qt::Key_Right);
                QCOMPARE(b.keys().heldTarget(), targets[t]);
                key(b, Qt::Key_Return);
                QVERIFY(!b.keys().held());
                ++dropped;
            }
            QCOMPARE(keys.sound.played, mouse.sound.played);
            QVERIFY2(seen(b) == seen(a), qPrintable(what));
            if (auto* e = qobject_cast<ExerciseScreen*>(&b); e && e->feedbackCaption() && e->feedbackCaption()->Visible())
                ++judged;
            const int ms = int(pick.bounded(1500));
            mouse.clock.advance(ms);
            keys.clock.advance(ms);
        }
        QCOMPARE(seen(b), seen(a));
        QVERIFY2(judged > 0, "nothing was ever judged");
        const bool dragScreen = QStringList{"basic", "noun", "negative", "noun2", "conv", "notes"}.contains(screen);
        if (dragScreen) QVERIFY2(dropped > 0, "no tile was ever put down");
    }

    // Title, start screen, a menu and an exercise, and back, by keys alone.
    void walkByKeys() {
        Rig r;
        r.m.SoundOn = 1;
        r.flow->show(QStringLiteral("Titlefrm"))->show();
        Form* title = front(r);
        key(*title, Qt::Key_Escape);  // never ends the lesson
        QVERIFY(!r.flow->ended());
        QCOMPARE(r.flow->front(), QStringLiteral("Titlefrm"));
        key(*title, Qt::Key_Tab);
        QCOMPARE(title->keys().current()->Name(), QStringLiteral("Command2"));
        key(*title, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(title->keys().current()->Name(), QStringLiteral("Command1"));
        key(*title, Qt::Key_Return);
        QCOMPARE(r.flow->front(), QStringLiteral("intro0"));

        Form* start = front(r);
        start->show();
        QStringList order;
        for (Control* c : start->keys().usable()) order << QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index());
        QCOMPARE(order, (QStringList{"Label2(0)", "Label2(1)", "Label2(2)", "Label2(3)", "Label2(4)", "Label2(5)",
                                     "Option1(-1)", "Option2(-1)", "Label8(-1)", "Command1(-1)"}));
        for (int i = 0; i < 8; ++i) key(*start, Qt::Key_Tab);
        key(*start, Qt::Key_Space);  // "Sound Off"
        QCOMPARE(r.m.SoundOn, 0);
        key(*start, Qt::Key_Up);
        key(*start, Qt::Key_Space);
        QCOMPARE(r.m.SoundOn, 1);
        for (int i = 0; i < 5; ++i) key(*start, Qt::Key_Up);  // Year 5, Term 2
        key(*start, Qt::Key_Return);
        QCOMPARE(r.flow->front(), QStringLiteral("menu2"));

        Form* menu = front(r);
        menu->show();
        order.clear();
        for (Control* c : menu->keys().usable()) order << QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index());
        QCOMPARE(order, (QStringList{"Label3(0)", "Label3(1)", "Label3(2)", "Label3(3)", "Label3(4)", "Label2(0)",
                                     "Label2(1)", "Label2(2)", "Command1(-1)"}));
        key(*menu, Qt::Key_Tab);
        key(*menu, Qt::Key_Tab);
        key(*menu, Qt::Key_Return);  // Tenses
        QCOMPARE(r.flow->front(), QStringLiteral("tenses"));

        auto* tenses = static_cast<ExerciseScreen*>(front(r));
        tenses->show();
        key(*tenses, Qt::Key_Tab);  // before the first question: only NEXT and EXIT can be used
        QVERIFY(tenses->keys().current() == tenses->cmdgo);
        for (Control* c : tenses->keys().usable()) QVERIFY(c == tenses->cmdgo || c == tenses->cmdexit);
        r.clock.advance(1);
        key(*tenses, Qt::Key_Tab);  // EXIT, after NEXT
        key(*tenses, Qt::Key_Tab);  // round to the first answer box
        QCOMPARE(tenses->keys().current()->Name(), QStringLiteral("Label5"));
        r.quiet();
        key(*tenses, Qt::Key_Return);
        QVERIFY(tenses->feedbackCaption()->Visible());
        QCOMPARE(r.sound.played.size(), 1);
        key(*tenses, Qt::Key_Escape);
        QCOMPARE(r.flow->front(), QStringLiteral("menu2"));
        menu = front(r);
        key(*menu, Qt::Key_Escape);
        QCOMPARE(r.flow->front(), QStringLiteral("intro0"));
        key(*front(r), Qt::Key_Escape);
        QCOMPARE(r.flow->front(), QStringLiteral("Titlefrm"));
        QVERIFY(!r.flow->ended());
    }

    // The ring: nothing of it until a key is pressed on the screen, then a band of black
    // round the control with the focus.
    void ringAfterAKey() {
        Rig r;
        auto* s = r.open<ExerciseScreen>(QStringLiteral("tenses"));
        s->show();
        r.clock.advance(1);
        const QImage before = s->grab().toImage();
        moveTo(*s, QPoint(400, 300));
        QCOMPARE(s->grab().toImage(), before);
        key(*s, Qt::Key_Tab);
        Control* c = s->keys().current();
        QVERIFY(c);
        const QImage after = s->grab().toImage();
        const QRect at(c->mapTo(s, QPoint(0, 0)), c->size());
        const int band = 3;
        for (const QPoint p : {QPoint(at.center().x(), at.top() - 2 * band - 1), QPoint(at.left() - 2 * band - 1, at.center().y()),
                               QPoint(at.center().x(), at.bottom() + 2 * band + 1)})
            QCOMPARE(after.pixelColor(p), QColor(0, 0, 0));
        QCOMPARE(after.pixelColor(QPoint(at.center().x(), at.top() - band + 1)), QColor(255, 255, 255));
        // Inside it and away from it the screen is as it was.
        QCOMPARE(after.pixelColor(at.center()), before.pixelColor(at.center()));
        QCOMPARE(after.pixelColor(QPoint(at.center().x(), at.top() - 4 * band)),
                 before.pixelColor(QPoint(at.center().x(), at.top() - 4 * band)));
    }

    // What a screen reader finds: each screen named, every control named so that it makes
    // sense heard alone and with the role it behaves as, the question as text, the
    // feedback as a notification (with the answer after a wrong one), and a marked tile's
    // result. (That a screen reader hears these as they come is checked from outside, over
    // AT-SPI, by tests/accessibility.py.)
    void spokenScreens() {
        const auto a11y = [](QObject* o) { return QAccessible::queryAccessibleInterface(o); };
        const auto namesOf = [&](Form& f, QAccessible::Role role) {
            QStringList names;
            for (Control* c : f.findChildren<Control*>())
                if (c->isVisibleTo(&f) && a11y(c)->role() == role) names << a11y(c)->text(QAccessible::Name);
            return names;
        };
        Rig r;
        r.flow->show(QStringLiteral("Titlefrm"));
        QCOMPARE(a11y(r.screen(QStringLiteral("Titlefrm")))->text(QAccessible::Name), QStringLiteral("Quillmark"));
        Form* start = r.open(QStringLiteral("intro0"));
        QCOMPARE(a11y(start)->text(QAccessible::Name), QStringLiteral("Quillmark: choose a year and term"));
        QCOMPARE(namesOf(*start, QAccessible::Button),
                 (QStringList{"Year 5, Term 1", "Year 5, Term 2", "Year 5, Term 3", "Year 6, Term 1", "Year 6, Term 2",
                              "Year 6, Term 3", "www.quillmark.co.uk", "Exit"}));
        QCOMPARE(namesOf(*start, QAccessible::RadioButton), (QStringList{"Sound On", "Sound Off"}));
        QVERIFY(a11y(start->find<OptionButton>(QStringLiteral("Option1")))->state().checked);
        Form* menu = r.open(QStringLiteral("menu6"));
        QCOMPARE(a11y(menu)->text(QAccessible::Name), QStringLiteral("Year 6, Term 3: choose an exercise"));
        QVERIFY(namesOf(*menu, QAccessible::Button).contains(QStringLiteral("Year 6, Term 1")));

        auto* tenses = r.open<ChoiceScreen>(QStringLiteral("tenses"));
        tenses->show();
        r.clock.advance(1);
        QCOMPARE(a11y(tenses)->text(QAccessible::Name), QStringLiteral("Tenses, Year 5, Term 2"));
        const QString sentence = r.m.QuestionBank[num(r.m.LastPick)];
        QVERIFY2(namesOf(*tenses, QAccessible::StaticText).contains(sentence), qPrintable(namesOf(*tenses, QAccessible::StaticText).join(u'|')));
        const QStringList boxes = namesOf(*tenses, QAccessible::Button);
        QVERIFY2(boxes.contains(QStringLiteral("PAST")) && boxes.contains(QStringLiteral("Next")) &&
                     boxes.contains(QStringLiteral("Exit")),
                 qPrintable(boxes.join(u'|')));
        const int tense = r.m.AnswerBank[num(r.m.LastPick)].toInt();  // 0 past, 1 present, 2 future
        const QString right = tenses->Label5(tense)->Caption();
        Label* wrong = tenses->Label5((tense + 1) % 3);
        QVERIFY(tabTo(*tenses, wrong));
        key(*tenses, Qt::Key_Return);
        QCOMPARE(a11y(tenses->feedbackCaption())->role(), QAccessible::Notification);
        QCOMPARE(a11y(tenses->feedbackCaption())->text(QAccessible::Name),
                 QStringLiteral("Wrong. The answer is: %1").arg(right));
        QCOMPARE(a11y(wrong)->text(QAccessible::Description), QStringLiteral("wrong"));

        // A speed option is a radio button; a word tile a button named by its word, which
        // says once marked whether it was right.
        Form* conventions = r.open(QStringLiteral("conventions"));
        r.clock.advance(1);
        QCOMPARE(namesOf(*conventions, QAccessible::RadioButton), (QStringList{"Fast", "Medium", "Slow"}));
        auto* basic = r.open<DragScreen>(QStringLiteral("basic"));
        basic->show();
        r.clock.advance(1);
        Label* tile = basic->Label7(0);
        QCOMPARE(a11y(tile)->role(), QAccessible::Button);
        QCOMPARE(a11y(tile)->text(QAccessible::Name), tile->Caption());
        const bool shouldGo = tile->Caption() != basic->Label2(0)->Caption();
        QVERIFY(tabTo(*basic, tile));
        key(*basic, Qt::Key_Return);
        key(*basic, Qt::Key_Return);
        QCOMPARE(a11y(tile)->text(QAccessible::Description), shouldGo ? QStringLiteral("right") : QStringLiteral("wrong"));
        QCOMPARE(a11y(basic->feedbackCaption())->text(QAccessible::Name),
                 shouldGo ? QStringLiteral("Correct") : QStringLiteral("Wrong"));

        // Where a square or a numbered box blinks, the answer is heard as what it stands for.
        for (const char* name : {"clause", "speech"}) {
            auto* s = r.open<ChoiceScreen>(QString::fromLatin1(name));
            s->show();
            r.clock.advance(1);
            QString said;
            for (int i = 0; i < 3 && !said.startsWith(QLatin1String("Wrong")); ++i) {
                Label* box = s->Label5(i);
                if (!box->isVisibleTo(s)) continue;
                QVERIFY(tabTo(*s, box));
                key(*s, Qt::Key_Return);
                said = a11y(s->feedbackCaption())->text(QAccessible::Name);
            }
            const QString answer = said.section(QStringLiteral("The answer is: "), 1);
            QVERIFY2(said.startsWith(QLatin1String("Wrong. The answer is: ")) && answer.split(u' ').size() >= 2,
                     qPrintable(QStringLiteral("%1: %2").arg(name, said)));
        }
    }

    // Keys held down, keys and mouse on one question, a tile picked up by key and then
    // dragged by the mouse, a tile put back by Escape: one judgement each, never two.
    void badInput() {
        Rig r;
        r.m.SoundOn = 1;
        auto* s = r.open<DragScreen>(QStringLiteral("basic"));
        s->show();
        r.clock.advance(1);
        Label* tile = s->Label7(0);
        QVERIFY(tabTo(*s, tile));
        const QPointF home(tile->Left(), tile->Top());
        key(*s, Qt::Key_Return);
        QCOMPARE(s->keys().held(), tile);
        QVERIFY(tile->Top() < home.y());  // lifted
        for (int i = 0; i < 5; ++i) heldKey(*s, Qt::Key_Return);  // auto-repeat puts nothing down
        QCOMPARE(s->keys().held(), tile);
        key(*s, Qt::Key_Escape);
        QVERIFY(!s->keys().held());
        QCOMPARE(QPointF(tile->Left(), tile->Top()), home);
        QCOMPARE(r.flow->front(), QStringLiteral("basic"));  // Escape put the tile back, nothing more
        QVERIFY(!s->feedbackCaption()->Visible());

        // Picked up by key, then taken by the mouse into the dustbin: judged once.
        r.quiet();
        key(*s, Qt::Key_Return);
        QCOMPARE(s->keys().held(), tile);
        Label* bin = s->find<Label>(QStringLiteral("Label5"));
        const QPoint from = centreOf(*tile);
        pressAt(*s, from);
        QVERIFY(!s->keys().held());
        QCOMPARE(QPointF(tile->Left(), tile->Top()), home);  // down where it lay, and in the mouse's hand
        moveTo(*s, centreOf(*bin));
        releaseAt(*s, centreOf(*bin));
        QCOMPARE(r.sound.played.size(), 1);
        QVERIFY(!tile->Enabled());
        // The keys go on from the next tile; the one marked cannot be picked up again.
        QVERIFY(s->keys().current() != tile);
        QVERIFY(!s->keys().usableNow(tile));

        // Enter held down on an answer box clicks it once.
        auto* tenses = r.open<ExerciseScreen>(QStringLiteral("tenses"));
        tenses->show();
        r.clock.advance(1);
        r.quiet();
        key(*tenses, Qt::Key_Tab);
        key(*tenses, Qt::Key_Return);
        for (int i = 0; i < 5; ++i) heldKey(*tenses, Qt::Key_Return);
        QCOMPARE(r.sound.played.size(), 1);
    }
};

QTEST_MAIN(KeysTest)
#include "test_keys.moc"
