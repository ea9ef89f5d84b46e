// Renders the real screens, offscreen, into the pictures of the README's gallery: the title
// screen, the start screen, a term menu and a screen of every exercise family in the middle
// of an answer, and the teacher's worksheet window. Run by tools/gallery.sh after any change
// to the screens.
//   qm_gallery FOLDER

#include <QApplication>
#include <QDir>
#include <QImage>
#include <cstdio>
#include <functional>

#include "exercise/exercise_screen.h"
#include "rig.h"
#include "shell/intro0.h"
#include "shell/menu.h"
#include "shell/titlefrm.h"
#include "topics/choice/choice_screen.h"
#include "topics/choice/counting.h"
#include "topics/comma/comma_screen.h"
#include "topics/drag/word_drag.h"
#include "topics/mark/punc2.h"
#include "topics/swap/swap_screen.h"
#include "topics/timed/stop_box.h"
#include "topics/timed/wheel.h"
#include "topics/catalogue.h"
#include "worksheets/window.h"

#include <QTreeWidget>

using namespace qm;
using namespace qm::test;

namespace {

QDir out;
int written = 0;

void save(QWidget& w, const char* name) {
    QCoreApplication::processEvents();
    const QImage shot = w.grab().toImage();
    const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (shot.save(path)) {
        ++written;
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "qm_gallery: cannot write %s\n", qPrintable(path));
    }
}

// An exercise opened from its menu as a pupil would, its first question on screen.
template <typename T>
T* openExercise(Rig& rig, const char* name, std::initializer_list<double> draws = {}) {
    rig.m.SoundOn = 1;
    for (double r : draws) rig.random.push(r);
    const ScreenEntry* e = rig.flow->catalogue().find(QString::fromLatin1(name));
    rig.flow->show(e->menuName());
    auto* s = dynamic_cast<T*>(rig.flow->show(QString::fromLatin1(name)));
    rig.clock.advance(1);
    return s;
}

// Drags a word tile by its middle into a target, through the window; `row` puts later
// words lower in the target, as a pupil would let them go.
void dragTile(Form& form, const Label& tile, const Label& target, int row = 0) {
    const QPoint from = centreOf(tile);
    const QPoint to = centreOf(target) - QPoint(0, target.height() / 4 - 26 * row);
    pressAt(form, from);
    for (int i = 1; i <= 6; ++i) moveTo(form, from + (to - from) * i / 6);
    releaseAt(form, to);
}

void title() {
    Rig rig;
    rig.flow->start();
    save(*rig.screen<Titlefrm>(QStringLiteral("Titlefrm")), "title");
}

void start() {
    Rig rig;
    rig.m.SoundOn = 1;  // as the title screen leaves it
    auto* s = rig.open<intro0>(QStringLiteral("intro0"));
    moveTo(*s, centreOf(*s->Label6));  // the pointer over "Teachers' Guide" shows the note
    save(*s, "start");
}

void menu() {
    Rig rig;
    save(*rig.open<Form>(QStringLiteral("menu4")), "menu");
}

// A classification screen answered rightly: the tick and the right box blinking.
void classification() {
    Rig rig;
    auto* s = openExercise<ChoiceScreen>(rig, "tenses", {0.3});
    const int key = rig.m.AnswerKey[*rig.m.LastPick].value_or(0);
    clickOn(*s->Label5(key));
    rig.clock.advance(1800);
    save(*s, "tenses");
}

// Sentence parts, answered wrongly: the cross, and the line naming the right part.
void parts() {
    Rig rig;
    auto* s = openExercise<ChoiceScreen>(rig, "clause", {0.55});
    const int key = rig.m.AnswerKey[*rig.m.LastPick].value_or(0);
    clickOn(*s->Label5(key == 0 ? 1 : 0));
    rig.clock.advance(1850);
    save(*s, "clause");
}

// Counting, with the answer shown by the answer button.
void counting() {
    Rig rig;
    auto* s = openExercise<CountingScreen>(rig, "puncnum", {0.4});
    clickOn(*s->cmdsoln);
    rig.clock.advance(250);
    save(*s, "puncnum");
}

// A shuffled-option screen answered: the completed sentence.
void options() {
    Rig rig;
    auto* s = openExercise<ChoiceScreen>(rig, "auxiliary", {0.2, 0.7, 0.1, 0.9, 0.4, 0.3, 0.8, 0.6, 0.5, 0.2});
    clickOn(*s->Label5(1));
    rig.clock.advance(1800);
    save(*s, "auxiliary");
}

// A word dragged into the dustbin, and another on its way there.
void dustbin() {
    Rig rig;
    auto* s = openExercise<DragScreen>(rig, "basic", {0.05});
    Label* bin = s->find<Label>(QStringLiteral("Label5"));
    int dragged = 0;
    for (Label* tile : s->Label7) {
        const int k = tile->Index();
        if (tile->Caption().isEmpty() || tile->Caption() == s->Label2(k)->Caption()) continue;
        if (dragged == 0 && bin) {
            dragTile(*s, *tile, *bin);
            rig.clock.advance(1500);
        } else if (bin) {
            // Half-way to the dustbin, held.
            const QPoint from = centreOf(*tile), to = centreOf(*bin);
            pressAt(*s, from);
            for (int i = 1; i <= 4; ++i) moveTo(*s, from + (to - from) * i / 7);
            save(*s, "basic");
            releaseAt(*s, from + (to - from) * 4 / 7);
            return;
        }
        ++dragged;
    }
    save(*s, "basic");
}

// Nouns sorted into their containers.
void containers() {
    Rig rig;
    auto* s = openExercise<DragScreen>(rig, "noun2");
    const std::vector<Label*> targets = [&] {
        std::vector<Label*> t;
        for (int i = 0; i < 3; ++i)
            for (Label* l : s->findChildren<Label*>())
                if (l->Name() == QLatin1String("Label5") && l->Index() == i) t.push_back(l);
        return t;
    }();
    const QString code = rig.m.CodeBank[0];
    int dropped[3] = {0, 0, 0};
    for (int k = 0; k < code.size() && k < s->Label7.count(); ++k) {
        const int c = code[k].digitValue();
        if (c >= 1 && c <= 3 && int(targets.size()) == 3) {
            dragTile(*s, *s->Label7(k), *targets[size_t(c - 1)], dropped[c - 1]++);
            rig.clock.advance(1500);
        }
    }
    save(*s, "noun2");
}

// Word by word: the first decisions made.
void comma() {
    Rig rig;
    auto* s = openExercise<CommaScreen>(rig, "comma2", {0.05});
    for (int k = 0; k < 4; ++k) {
        const bool needs = s->Label7(k)->Caption() != s->Label2(k)->Caption();
        clickOn(*s->Label5(needs ? 0 : 1));
        rig.clock.advance(400);
    }
    rig.clock.advance(1200);
    save(*s, "comma2");
}

// The stop box stopped on the right kind of writing.
void stopBox() {
    Rig rig;
    auto* s = openExercise<StopBoxScreen>(rig, "conventions", {0.3});
    const int key = rig.m.AnswerKey[*rig.m.LastPick].value_or(0);
    static const char* const kinds[] = {"Narrative", "Instructions", "Report", "Persuasion"};
    for (int i = 0; i < 8 && s->Label7->Caption() != QLatin1String(kinds[key & 3]); ++i) rig.clock.advance(4000);
    clickOn(*s->Label8);
    rig.clock.advance(1500);
    save(*s, "conventions");
}

// The punctuation wheel stopped with the right mark in its window.
void wheel() {
    Rig rig;
    auto* s = openExercise<WheelScreen>(rig, "comma", {0.1});
    clickOn(*s->Label2);
    const QString mark = rig.m.QuestionBank[3 * *rig.m.LastPick + 1].left(1);
    for (int i = 0; i < 16 && s->Label7(2)->Caption() != mark; ++i) rig.clock.advance(1000);
    clickOn(*s->Label8);
    rig.clock.advance(1500);
    save(*s, "comma");
}

// Find and swap: the word found, the box stepping through candidates.
void swap() {
    Rig rig;
    auto* s = openExercise<SwapScreen>(rig, "prepositions", {0.3, 0.3});
    for (Label* word : s->Label7) {
        if (word->Caption().isEmpty()) continue;
        clickOn(*word);
        if (s->Label8->Visible()) break;
    }
    rig.clock.advance(4500);
    save(*s, "prepositions");
}

// The missing mark: answered, the corrected sentence and the right box blinking.
void mark() {
    Rig rig;
    auto* s = openExercise<Punc2Screen>(rig, "punc2", {0.45});
    const QString missing = rig.m.CodeBank[*rig.m.LastPick];
    for (Label* box : s->Label7)
        if (box->Caption() == missing) clickOn(*box);
    rig.clock.advance(1750);
    save(*s, "punc2");
}

// A noun picked up with the keys, its ring and shadow, and the container it would go to.
void keys() {
    Rig rig;
    auto* s = openExercise<DragScreen>(rig, "noun2");
    s->show();
    const auto press = [&](Qt::Key k) { QTest::keyClick(s->focusWidget() ? s->focusWidget() : s, k); };
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    press(Qt::Key_Tab);
    save(*s, "keys");
}

// The teacher's worksheet window with a term and one more exercise ticked.
void worksheets() {
    useProgramFonts();
    WorksheetWindow w(topicCatalogue(), {});
    w.exercises->topLevelItem(0)->child(1)->child(1)->setCheckState(0, Qt::Checked);
    w.exercises->topLevelItem(0)->child(2)->setCheckState(0, Qt::Checked);
    w.exercises->collapseItem(w.exercises->topLevelItem(1));
    w.resize(560, 660);
    w.show();
    save(w, "worksheets");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qm_gallery FOLDER\n");
        return 2;
    }
    out = QDir(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    title();
    start();
    menu();
    classification();
    parts();
    options();
    counting();
    dustbin();
    keys();
    containers();
    comma();
    stopBox();
    wheel();
    swap();
    mark();
    worksheets();
    return written == 15 ? 0 : 1;
}
