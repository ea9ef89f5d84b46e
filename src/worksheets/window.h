#pragma once
// The teacher's window for worksheets: the exercises by year and term as on the menus, how
// many questions, whether to add the answer sheet, and a button that saves the PDF and
// opens it in the desktop's viewer.

#include <QWidget>
#include <functional>
#include <map>

#include "shell/bank_image.h"
#include "shell/catalogue.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace qm {

class WorksheetWindow final : public QWidget {
    Q_OBJECT
public:
    WorksheetWindow(const Catalogue& catalogue, std::map<QString, TeacherBank> teacherBanks, QWidget* parent = nullptr);

    QTreeWidget* exercises;
    QSpinBox* questions;
    QCheckBox* answers;
    QPushButton* save;
    QPushButton* closeButton;
    QLabel* status;

    // The file to write, offered the suggested one (empty: the teacher cancelled), and what
    // opens it once written: the desktop's own dialog and viewer unless a test sets them.
    std::function<QString(const QString& suggested)> chooseFile;
    std::function<void(const QString& file)> openFile;

    std::vector<const ScreenEntry*> chosen() const;
    // Saves the chosen exercises' worksheets; false when nothing was written.
    bool saveChosen();

private:
    void choiceChanged();
    std::map<QString, TeacherBank> teacherBanks_;
    std::map<QTreeWidgetItem*, const ScreenEntry*> items_;
};

}  // namespace qm
