#pragma once
// "--worksheet NAME[,NAME...|all] [--questions N] [--answers] [--seed S] -o FILE.pdf": the
// worksheets made from the command line, for a technician or a script.

#include <QString>
#include <QTextStream>
#include <map>
#include <optional>

#include "shell/bank_image.h"
#include "shell/catalogue.h"

namespace qm {

struct WorksheetOptions {
    QString names;                     // as given: "tenses", "tenses,basic" or "all"
    std::optional<QString> questions;  // as given; 10 when left out
    std::optional<QString> seed;
    std::optional<QString> output;
    bool answers = false;
};

constexpr int kDefaultQuestions = 10;

// Makes the file and says so on `out`; a problem goes to `err`. Returns 0 when the file was
// written, 2 when the command line is wrong (an unknown exercise, a number of questions the
// bank cannot give, no file named), 1 when a teacher's bank file fails its checks or the
// file cannot be written.
int runWorksheetCommand(const Catalogue& catalogue, const std::map<QString, TeacherBank>& teacherBanks,
                        const WorksheetOptions& options, QTextStream& out, QTextStream& err);

}  // namespace qm
