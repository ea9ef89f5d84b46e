#include "worksheets/worksheet.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>
#include <algorithm>

#include "controls/fonts.h"
#include "exercise/banks/row_form.h"

namespace qm {

QString yearAndTerm(const ScreenEntry& e) {
    return QStringLiteral("Year %1 Term %2").arg(e.menu <= 3 ? 5 : 6).arg((e.menu - 1) % 3 + 1);
}

std::vector<const ScreenEntry*> printableExercises(const Catalogue& catalogue) {
    std::vector<const ScreenEntry*> list;
    for (int menu = 1; menu <= 6; ++menu)
        for (int i = 0; i < 5; ++i)
            if (const ScreenEntry* e = catalogue.topic(menu, i); e && e->rows) list.push_back(e);
    return list;
}

SheetBank bankOf(const ScreenEntry& e, const std::map<QString, TeacherBank>& teacherBanks) {
    const auto it = teacherBanks.find(e.name);
    if (it == teacherBanks.end()) return {e.rows->builtIn(), {}};
    if (!it->second.usable()) return {{}, QStringLiteral("%1: %2").arg(it->second.file, it->second.problem)};
    return {it->second.rows, {}};
}

Sheet drawSheet(const ScreenEntry& e, const BankImage& bank, int count, QRandomGenerator& rng) {
    Sheet sheet{&e, e.rows->paperTask(), {}};
    QList<int> rows;
    count = std::clamp(count, 0, bank.questions);
    if (e.draw == Draw::InOrder) {
        // A screen that goes through its rows in order (a story) gives a run of them, from a
        // place drawn at random.
        const int first = int(rng.bounded(quint32(bank.questions - count + 1)));
        for (int i = 0; i < count; ++i) rows << first + i;
    } else {
        for (int i = 0; i < bank.questions; ++i) rows << i;
        // The first `count` places of a shuffle: each question at most once.
        for (int i = 0; i < count; ++i) std::swap(rows[i], rows[i + int(rng.bounded(quint32(rows.size() - i)))]);
        rows.resize(count);
    }
    const PaperRandom rnd = [&rng] { return rng.generateDouble(); };
    for (int row : rows) sheet.questions.append({row, e.rows->paperQuestion(bank, row, rnd)});
    return sheet;
}

QString defaultWorksheetName(const std::vector<const ScreenEntry*>& exercises) {
    if (exercises.size() == 1)
        return QStringLiteral("%1 - %2.pdf").arg(exercises[0]->title, yearAndTerm(*exercises[0]));
    if (!exercises.empty() && std::all_of(exercises.begin(), exercises.end(),
                                          [&](const ScreenEntry* e) { return e->menu == exercises[0]->menu; }))
        return QStringLiteral("Worksheets - %1.pdf").arg(yearAndTerm(*exercises[0]));
    return QStringLiteral("Worksheets.pdf");
}

// ---------------------------------------------------------------- laying out

namespace {

// Sizes in points.
constexpr double kMargin = 48;
constexpr double kBottomMargin = 64;
constexpr double kIndent = 30;         // the questions' text, right of their numbers
constexpr double kPieceGap = 7;
constexpr double kQuestionGap = 12;
constexpr double kWritingLine = 30;    // from one writing line to the next
constexpr double kTableHead = 22;
constexpr double kTableRow = 34;

QFont face(const char* name, double points, bool bold = false, bool italic = false) {
    QFont f = makeFont({QString::fromLatin1(name), points, bold, false, italic});
    f.setPointSizeF(points);
    return f;
}

class Pager {
public:
    // A compact pager sets the questions closer together.
    Pager(QPagedPaintDevice& device, PrintedPages& out, bool compact = false)
        : device_(device), out_(out), tight_(compact ? 0.55 : 1.0) {
        u_ = device.logicalDpiY() / 72.0;
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        out_.page = QSizeF(a4.width() * u_, a4.height() * u_);
        out_.body = QRectF(kMargin * u_, kMargin * u_, (a4.width() - 2 * kMargin) * u_,
                           (a4.height() - kMargin - kBottomMargin) * u_);
    }

    double u(double points) const { return points * u_; }

    // A paragraph of runs wrapped at `width`, its top left at (0, 0).
    struct Block {
        QList<PageItem> items;
        double height = 0;
        void add(const Block& b, double dx, double dy) {
            for (PageItem i : b.items) {
                i.at += QPointF(dx, dy);
                i.rect.translate(dx, dy);
                items << i;
            }
            height = std::max(height, dy + b.height);
        }
    };

    Block paragraph(const QList<PaperRun>& runs, const QFont& font, double width) const {
        QString text;
        QList<QTextLayout::FormatRange> formats;
        const auto put = [&](const QString& s, bool bold, bool underline) {
            if (bold || underline) {
                QTextCharFormat f;
                if (bold) f.setFontWeight(QFont::Bold);
                f.setFontUnderline(underline);
                formats.append({int(text.size()), int(s.size()), f});
            }
            text += s;
        };
        bool numbered = false;
        for (const PaperRun& r : runs) {
            if (r.number > 0) {
                // Numbered parts stand between bars, their numbers in bold: brackets would
                // read as punctuation.
                if (numbered) put(QStringLiteral("| "), false, false);
                put(QString::number(r.number), true, false);
                put(QStringLiteral("\u00a0") + r.text, false, false);
                numbered = true;
            } else {
                put(r.text, r.marked, r.marked);
            }
        }
        auto layout = std::make_shared<QTextLayout>(text, font, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout->setTextOption(option);
        layout->setFormats(formats);
        layout->beginLayout();
        double y = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height() * (1 + 0.12 * tight_);
        }
        layout->endLayout();
        Block b;
        b.items << PageItem{PageItem::Text, layout, {0, 0}, {}};
        b.height = y;
        return b;
    }
    Block paragraph(const QString& text, const QFont& font, double width) const {
        return paragraph(QList<PaperRun>{{text}}, font, width);
    }
    double widthOf(const QString& text, const QFont& font) const {
        QTextLayout l(text, font, &device_);
        l.beginLayout();
        QTextLine line = l.createLine();
        line.setLineWidth(1e9);
        l.endLayout();
        return line.naturalTextWidth();
    }

    static Block rule(double x, double y, double width) {
        Block b;
        b.items << PageItem{PageItem::Rule, nullptr, {}, QRectF(x, y, width, 0)};
        b.height = y;
        return b;
    }
    static Block frame(const QRectF& r) {
        Block b;
        b.items << PageItem{PageItem::Frame, nullptr, {}, r};
        b.height = r.bottom();
        return b;
    }

    Block piece(const PaperPiece& p, double width) const {
        Block b;
        switch (p.kind) {
        case PaperPiece::Text:
            return paragraph(p.runs, serif_, width);
        case PaperPiece::Circle: {
            // Side by side, as many to a line as fit.
            // Marks on their own are set large, to be seen and circled.
            const bool marks = std::all_of(p.items.begin(), p.items.end(), [](const QString& i) { return i.size() <= 2; });
            const QFont& font = marks ? mark_ : option_;
            double x = 0, y = 0, lineHeight = 0;
            const double gap = u(marks ? 30 : 34);
            for (const QString& item : p.items) {
                const Block c = paragraph(item, font, width);
                const double w = std::max(widthOf(item, font), marks ? u(8) : 0.0);
                if (x > 0 && x + w > width) {
                    x = 0;
                    y += lineHeight + u(4);
                }
                b.add(c, x + u(6), y);
                lineHeight = std::max(lineHeight, c.height);
                x += w + gap;
            }
            return b;
        }
        case PaperPiece::Letters: {
            // Short options side by side on one line; longer ones each on a line of its own.
            double across = 0;
            for (int i = 0; i < int(p.items.size()); ++i) across += u(26) + widthOf(p.items[i], serif_) + u(40);
            double x = 0, y = 0;
            for (int i = 0; i < int(p.items.size()); ++i) {
                b.add(paragraph(paperLetter(i) + QLatin1Char(')'), serif_, u(24)), x, y);
                const Block text = paragraph(p.items[i], serif_, width - x - u(26));
                b.add(text, x + u(26), y);
                if (across <= width)
                    x += u(26) + widthOf(p.items[i], serif_) + u(40);
                else
                    y = b.height + u(3) * tight_;
            }
            return b;
        }
        case PaperPiece::Box: {
            // A small box for a number or a tick, a wider one for a word.
            const Block label = paragraph(p.label, small_, width);
            const double w = widthOf(p.label, small_);
            const double side = u(26);
            b.add(label, 0, (side - label.height) / 2);
            b.add(frame(QRectF(w + u(8), 0, p.count > 1 ? u(120) : side, side)), 0, 0);
            return b;
        }
        case PaperPiece::Lines:
            for (int i = 1; i <= p.count; ++i) b.add(rule(0, i * u(kWritingLine) * (0.8 + 0.2 * tight_), width), 0, 0);
            b.height += u(4);
            return b;
        case PaperPiece::Table: {
            const int columns = std::max<int>(1, int(p.items.size()));
            const double w = width / columns;
            for (int c = 0; c < columns; ++c) {
                b.add(frame(QRectF(c * w, 0, w, u(kTableHead))), 0, 0);
                b.add(paragraph(p.items.value(c), smallBold_, w - u(8)), c * w + u(4), u(4));
                for (int r = 0; r < p.count; ++r)
                    b.add(frame(QRectF(c * w, u(kTableHead) + r * u(kTableRow), w, u(kTableRow))), 0, 0);
            }
            return b;
        }
        }
        return b;
    }

    // A question: its number, then its pieces one under another; a box to write the answer
    // in stands at the right of the first line, so that the others make room for it.
    Block question(int number, const PaperQuestion& paper, double width) const {
        Block b;
        b.add(paragraph(QStringLiteral("%1.").arg(number), serifBold_, u(kIndent)), 0, 0);
        double room = width;
        for (const PaperPiece& p : paper.pieces) {
            if (p.kind != PaperPiece::Box) continue;
            const Block box = piece(p, width);
            double right = 0;
            for (const PageItem& i : box.items) right = std::max(right, i.kind == PageItem::Frame ? i.rect.right() : 0.0);
            b.add(box, u(kIndent) + width - right, 0);
            room = width - right - u(16);
        }
        double y = 0;
        for (const PaperPiece& p : paper.pieces) {
            if (p.kind == PaperPiece::Box) continue;
            b.add(piece(p, y == 0 ? room : width), u(kIndent), y);
            y = b.height + u(kPieceGap) * tight_;
        }
        return b;
    }
    Block answer(int number, const PaperQuestion& paper, double width) const {
        Block b;
        b.add(paragraph(QStringLiteral("%1.").arg(number), serifBold_, u(kIndent)), 0, 0);
        double y = 0;
        for (int k = 0; k < int(paper.key.size()); ++k) {
            b.add(paragraph(paper.key[k], k == 0 ? serifBold_ : serif_, width), u(kIndent), y);
            y = b.height + u(2);
        }
        return b;
    }

    // The head of a sheet's first page.
    Block head(const Sheet& sheet, bool answers) const {
        const double width = out_.body.width();
        Block b;
        const QString title = sheet.exercise->title + (answers ? QStringLiteral(": answers") : QString());
        const QString when = yearAndTerm(*sheet.exercise);
        // A long title is set smaller rather than broken over two lines.
        const double room = width - widthOf(when, heading_) - u(16);
        QFont titleFont = title_;
        while (titleFont.pointSizeF() > 14 && widthOf(title, titleFont) > room)
            titleFont.setPointSizeF(titleFont.pointSizeF() - 1);
        b.add(paragraph(title, titleFont, room), 0, 0);
        b.add(paragraph(when, heading_, width), width - widthOf(when, heading_), u(6));
        double y = b.height + u(14);
        const Block name = paragraph(QStringLiteral("Name"), heading_, width);
        const double nameWidth = widthOf(QStringLiteral("Name"), heading_);
        const double dateLeft = width * 0.66;
        const double dateWidth = widthOf(QStringLiteral("Date"), heading_);
        b.add(name, 0, y);
        b.add(rule(nameWidth + u(6), y + name.height, dateLeft - nameWidth - u(24)), 0, 0);
        b.add(paragraph(QStringLiteral("Date"), heading_, width), dateLeft, y);
        b.add(rule(dateLeft + dateWidth + u(6), y + name.height, width - dateLeft - dateWidth - u(6)), 0, 0);
        y = b.height + u(16);
        if (!answers) {
            b.add(paragraph(sheet.task.instruction, serifBold_, width), 0, y);
            y = b.height + u(6);
            if (!sheet.task.chooseFrom.isEmpty()) {
                // A line never breaks inside an entry ("quotation marks ( " )").
                QStringList entries;
                for (const QString& e : sheet.task.chooseFrom) entries << QString(e).replace(QLatin1Char(' '), QChar(0xa0));
                b.add(paragraph(QStringLiteral("Choose from: ") + entries.join(QStringLiteral(", ")), serifItalic_, width),
                      0, y);
            }
        }
        b.height += u(18);
        return b;
    }

    // Starts a page.
    void newPage() {
        out_.pages.append(QList<PageItem>());
        y_ = out_.body.top();
    }
    // Puts a block on the page, on a new one when it would not fit (unless the page is
    // empty: a block taller than a page has nowhere better to go).
    // Returns the page and the room the block takes there.
    std::pair<int, QRectF> place(const Block& b) {
        if (out_.pages.isEmpty() || (y_ + b.height > out_.body.bottom() && y_ > out_.body.top())) newPage();
        for (PageItem i : b.items) {
            i.at += QPointF(out_.body.left(), y_);
            i.rect.translate(out_.body.left(), y_);
            out_.pages.last() << i;
        }
        const QRectF room(out_.body.left(), y_, out_.body.width(), b.height);
        y_ += b.height;
        return {int(out_.pages.size()) - 1, room};
    }
    void skip(double points) { y_ += u(points) * tight_; }

    // The foot of each page of a sheet: its title, year and term, and "Page 2 of 3".
    void foot(const Sheet& sheet, bool answers) {
        const int count = int(out_.pages.size());
        for (int k = 0; k < count; ++k) {
            const QString text = QStringLiteral("%1%2 - %3 - Page %4 of %5")
                                     .arg(sheet.exercise->title, answers ? QStringLiteral(": answers") : QString(),
                                          yearAndTerm(*sheet.exercise))
                                     .arg(k + 1)
                                     .arg(count);
            Block f = paragraph(text, foot_, out_.body.width());
            const double w = widthOf(text, foot_);
            for (PageItem i : f.items) {
                i.at += QPointF(out_.body.left() + (out_.body.width() - w) / 2,
                                out_.page.height() - u(kBottomMargin) + u(26));
                out_.pages[k] << i;
            }
        }
    }

    const QFont serif_ = face("Times New Roman", 13.5);
    const QFont serifBold_ = face("Times New Roman", 13.5, true);
    const QFont serifItalic_ = face("Times New Roman", 13, false, true);
    const QFont option_ = face("Arial", 13, true);
    const QFont mark_ = face("Arial", 22, true);
    const QFont small_ = face("Arial", 11);
    const QFont smallBold_ = face("Arial", 11, true);
    const QFont heading_ = face("Arial", 13);
    const QFont title_ = face("Arial", 22, true);
    const QFont foot_ = face("Arial", 9);

private:
    QPagedPaintDevice& device_;
    PrintedPages& out_;
    double u_ = 1;
    double y_ = 0;
    double tight_ = 1;
};

}  // namespace

namespace {

// One sheet, or its answer sheet, on pages of its own.
PrintedPages layOutSheet(const Sheet& sheet, int index, bool answerSheet, QPagedPaintDevice& device, bool compact) {
    PrintedPages out;
    Pager pager(device, out, compact);
    const double width = out.body.width() - pager.u(kIndent);
    pager.newPage();
    pager.place(pager.head(sheet, answerSheet));
    for (int q = 0; q < int(sheet.questions.size()); ++q) {
        const PaperQuestion& paper = sheet.questions[q].paper;
        const Pager::Block block = answerSheet ? pager.answer(q + 1, paper, width) : pager.question(q + 1, paper, width);
        const auto [page, room] = pager.place(block);
        out.questions.append({index, answerSheet, q + 1, page, room});
        pager.skip(answerSheet ? kQuestionGap * 0.6 : kQuestionGap);
    }
    pager.foot(sheet, answerSheet);
    return out;
}

}  // namespace

PrintedPages layOutSheets(const QList<Sheet>& sheets, bool answers, QPagedPaintDevice& device) {
    PrintedPages out;
    { Pager measures(device, out); }  // the page and its body, even with no sheet
    for (bool answerSheet : {false, true}) {
        if (answerSheet && !answers) break;
        if (answerSheet) out.firstAnswerPage = int(out.pages.size());
        for (int s = 0; s < int(sheets.size()); ++s) {
            PrintedPages part = layOutSheet(sheets[s], s, answerSheet, device, false);
            // A last page holding a question or two: the sheet set closer, if that saves the page.
            const auto onLastPage = std::count_if(part.questions.begin(), part.questions.end(),
                                                  [&](const QuestionPlace& q) { return q.page == part.pages.size() - 1; });
            if (part.pages.size() > 1 && onLastPage <= 2) {
                PrintedPages closer = layOutSheet(sheets[s], s, answerSheet, device, true);
                if (closer.pages.size() < part.pages.size()) part = std::move(closer);
            }
            const int first = int(out.pages.size());
            out.pages << part.pages;
            for (QuestionPlace q : part.questions) {
                q.page += first;
                out.questions << q;
            }
        }
    }
    return out;
}

void printPages(const PrintedPages& pages, QPagedPaintDevice& device, QPainter& painter) {
    const double line = device.logicalDpiY() / 72.0 * 0.75;
    for (int p = 0; p < int(pages.pages.size()); ++p) {
        if (p > 0) device.newPage();
        painter.setPen(QPen(Qt::black, line));
        painter.setBrush(Qt::NoBrush);
        for (const PageItem& i : pages.pages[p]) {
            switch (i.kind) {
            case PageItem::Text: i.text->draw(&painter, i.at); break;
            case PageItem::Rule: painter.drawLine(i.rect.topLeft(), i.rect.topRight()); break;
            case PageItem::Frame: painter.drawRect(i.rect); break;
            }
        }
    }
}

WorksheetResult writeWorksheets(const QList<Sheet>& sheets, bool answers, const QString& file) {
    WorksheetResult result;
    // The file is written beside its place and then takes it, so only an ordinary file (or
    // none yet) can be replaced: never a device, a pipe or a folder.
    const QFileInfo target(file);
    if (target.exists() && !target.isFile()) {
        result.error = QStringLiteral("cannot write %1: it is not a file").arg(file);
        return result;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("cannot write %1: %2").arg(file, out.errorString());
        return result;
    }
    QPdfWriter pdf(&out);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(1200);
    pdf.setCreator(QStringLiteral("Quillmark " QM_VERSION));
    QStringList titles;
    for (const Sheet& s : sheets) titles << s.exercise->title;
    pdf.setTitle(titles.join(QStringLiteral(", ")));
    result.pages = layOutSheets(sheets, answers, pdf);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        out.cancelWriting();
        result.error = QStringLiteral("cannot write %1").arg(file);
        return result;
    }
    printPages(result.pages, pdf, painter);
    painter.end();
    if (!out.commit()) {
        result.error = QStringLiteral("cannot write %1: %2").arg(file, out.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace qm
