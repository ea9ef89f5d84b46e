#include "worksheets/window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/system.h"
#include "worksheets/command.h"
#include "worksheets/worksheet.h"

namespace qm {

WorksheetWindow::WorksheetWindow(const Catalogue& catalogue, std::map<QString, TeacherBank> teacherBanks,
                                 QWidget* parent)
    : QWidget(parent), teacherBanks_(std::move(teacherBanks)) {
    setWindowTitle(QStringLiteral("Quillmark worksheets"));
    QFont big = font();
    big.setPointSizeF(std::max(big.pointSizeF(), 11.0) * 1.15);
    setFont(big);

    auto* intro = new QLabel(QStringLiteral("Tick the exercises to print. Each one becomes a worksheet of its "
                                            "questions, with an answer sheet if you like."));
    intro->setWordWrap(true);

    exercises = new QTreeWidget;
    exercises->setHeaderHidden(true);
    exercises->setAccessibleName(QStringLiteral("Exercises"));
    exercises->setMinimumHeight(360);
    const std::vector<const ScreenEntry*> list = printableExercises(catalogue);
    QTreeWidgetItem* year = nullptr;
    QTreeWidgetItem* term = nullptr;
    int lastMenu = 0;
    for (const ScreenEntry* e : list) {
        if (e->menu != lastMenu) {
            if ((e->menu - 1) % 3 == 0 || !year) {
                year = new QTreeWidgetItem(exercises, {QStringLiteral("Year %1").arg(e->menu <= 3 ? 5 : 6)});
                year->setFlags(year->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
                year->setCheckState(0, Qt::Unchecked);
            }
            term = new QTreeWidgetItem(year, {yearAndTerm(*e).mid(7)});
            term->setData(0, Qt::AccessibleTextRole, yearAndTerm(*e).replace(QStringLiteral(" Term"), QStringLiteral(", Term")));
            term->setFlags(term->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
            term->setCheckState(0, Qt::Unchecked);
            lastMenu = e->menu;
        }
        auto* item = new QTreeWidgetItem(term, {e->title});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        item->setToolTip(0, e->name);
        items_[item] = e;
    }
    exercises->expandAll();
    connect(exercises, &QTreeWidget::itemChanged, this, [this] { choiceChanged(); });

    questions = new QSpinBox;
    questions->setRange(1, 100);
    questions->setValue(kDefaultQuestions);
    questions->setAccessibleName(QStringLiteral("Questions on each worksheet"));
    answers = new QCheckBox(QStringLiteral("&Add the answer sheet"));
    answers->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Questions on each worksheet:"), questions);
    form->addRow(answers);

    status = new QLabel;
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    save = new QPushButton(QStringLiteral("&Save as PDF..."));
    save->setDefault(true);
    closeButton = new QPushButton(QStringLiteral("&Close"));
    connect(save, &QPushButton::clicked, this, [this] { saveChosen(); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(exercises, 1);
    layout->addLayout(form);
    layout->addWidget(status);
    layout->addLayout(buttons);
    setTabOrder(exercises, questions);
    setTabOrder(questions, answers);
    setTabOrder(answers, save);
    setTabOrder(save, closeButton);

    chooseFile = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save the worksheets"), suggested,
                                            QStringLiteral("PDF files (*.pdf)"));
    };
    openFile = [](const QString& file) { openDocument(file); };
    choiceChanged();
    resize(sizeHint().expandedTo(QSize(520, 640)));
}

std::vector<const ScreenEntry*> WorksheetWindow::chosen() const {
    std::vector<const ScreenEntry*> list;
    for (const auto& [item, e] : items_)
        if (item->checkState(0) == Qt::Checked) list.push_back(e);
    // In menu order, as the tree shows them.
    std::sort(list.begin(), list.end(), [](const ScreenEntry* a, const ScreenEntry* b) {
        return a->menu != b->menu ? a->menu < b->menu : a->menuIndex < b->menuIndex;
    });
    return list;
}

void WorksheetWindow::choiceChanged() {
    const std::vector<const ScreenEntry*> list = chosen();
    save->setEnabled(!list.empty());
    // No more questions than the smallest bank chosen holds.
    int most = 100;
    for (const ScreenEntry* e : list) {
        const SheetBank bank = bankOf(*e, teacherBanks_);
        if (bank.problem.isEmpty()) most = std::min(most, bank.rows.questions);
    }
    questions->setMaximum(std::max(1, most));
    status->setText(list.empty() ? QStringLiteral("No exercise ticked yet.")
                                 : QStringLiteral("%1 ticked.").arg(list.size() == 1 ? QStringLiteral("1 exercise")
                                                                                     : QStringLiteral("%1 exercises").arg(list.size())));
}

bool WorksheetWindow::saveChosen() {
    const std::vector<const ScreenEntry*> list = chosen();
    if (list.empty()) return false;
    QList<Sheet> sheets;
    QRandomGenerator rng(QRandomGenerator::system()->generate());
    for (const ScreenEntry* e : list) {
        const SheetBank bank = bankOf(*e, teacherBanks_);
        if (!bank.problem.isEmpty()) {
            status->setText(QStringLiteral("%1: the bank file %2").arg(e->title, bank.problem));
            return false;
        }
        sheets << drawSheet(*e, bank.rows, questions->value(), rng);
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString file = chooseFile(QDir(folder).filePath(defaultWorksheetName(list)));
    if (file.isEmpty()) return false;
    const WorksheetResult result = writeWorksheets(sheets, answers->isChecked(), file);
    if (!result.ok) {
        status->setText(QStringLiteral("Not saved: %1").arg(result.error));
        return false;
    }
    const qsizetype pages = result.pages.pages.size();
    status->setText(QStringLiteral("Saved %1 (%2 %3).")
                        .arg(QDir::toNativeSeparators(file))
                        .arg(pages)
                        .arg(pages == 1 ? QStringLiteral("page") : QStringLiteral("pages")));
    openFile(file);
    return true;
}

}  // namespace qm
