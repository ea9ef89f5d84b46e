#pragma once
// Printable worksheets: an exercise's questions drawn from the bank its screen plays, set
// as the paper task a teacher would set for it, laid out on A4 pages and written as a PDF,
// with an answer sheet of the keys the screen accepts.

#include <QList>
#include <QPointF>
#include <QRandomGenerator>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

#include "exercise/banks/paper.h"
#include "shell/bank_image.h"
#include "shell/catalogue.h"

class QPagedPaintDevice;
class QPainter;
class QTextLayout;

namespace qm {

// "Year 5 Term 2": the year and term of an exercise, from its term menu.
QString yearAndTerm(const ScreenEntry& e);

// The exercises a teacher can print: the thirty on the term menus, in menu order.
std::vector<const ScreenEntry*> printableExercises(const Catalogue& catalogue);

// The bank a screen plays: a teacher's file that passed its checks, or its own rows.
// A teacher's file that failed gives its problem ("tenses.tsv: line 4: ...") instead.
struct SheetBank {
    BankImage rows;
    QString problem;
};
SheetBank bankOf(const ScreenEntry& e, const std::map<QString, TeacherBank>& teacherBanks);

struct SheetQuestion {
    int row;  // the question's place in the bank
    PaperQuestion paper;
};

struct Sheet {
    const ScreenEntry* exercise = nullptr;
    PaperTask task;
    QList<SheetQuestion> questions;
};

// `count` different questions of the bank, drawn with `rng`; a screen that takes its rows in
// order gives a run of them in that order, from a place drawn (a story stays a story).
// Options go in an order drawn from the same generator, so one seed gives one sheet.
Sheet drawSheet(const ScreenEntry& e, const BankImage& bank, int count, QRandomGenerator& rng);

// ---------------------------------------------------------------- the pages

// One thing drawn on a page, in the device's units from the page's top left corner.
struct PageItem {
    enum Kind { Text, Rule, Frame };
    Kind kind = Text;
    std::shared_ptr<QTextLayout> text;  // Text: laid out, drawn at `at`
    QPointF at;
    QRectF rect;                        // Rule: a line along its top edge; Frame: a box
};

// Where a question went: its page and the room it takes there.
struct QuestionPlace {
    int sheet;     // index of its sheet
    bool answers;  // on the answer sheet
    int number;    // 1, 2, ... as printed
    int page;      // from 0
    QRectF room;
};

struct PrintedPages {
    QSizeF page;  // A4, in the device's units
    QRectF body;  // the part of a page that questions may take
    QList<QList<PageItem>> pages;
    QList<QuestionPlace> questions;
    int firstAnswerPage = -1;  // -1 without an answer sheet
};

// Lays out the sheets, each starting on a new page, then their answer sheets if asked for.
// The device gives the fonts' measures; it is drawn on only by printPages.
PrintedPages layOutSheets(const QList<Sheet>& sheets, bool answers, QPagedPaintDevice& device);
void printPages(const PrintedPages& pages, QPagedPaintDevice& device, QPainter& painter);

// ---------------------------------------------------------------- the file

struct WorksheetResult {
    bool ok = false;
    QString error;  // what went wrong, naming the file
    PrintedPages pages;
};

// Writes the sheets to a PDF file; a file that cannot be written all through is left as it
// was (or not there), never half written.
WorksheetResult writeWorksheets(const QList<Sheet>& sheets, bool answers, const QString& file);

// The name a teacher would give the file: "Tenses - Year 5 Term 2.pdf" for one exercise.
QString defaultWorksheetName(const std::vector<const ScreenEntry*>& exercises);

}  // namespace qm
