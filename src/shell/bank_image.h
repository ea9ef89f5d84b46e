#pragma once
// A screen's bank as the program-wide tables take it: for each table, the entries from 0
// on that the screen's fill writes, and the number of questions its draw chooses from.
// The built-in banks and a teacher's bank files both come to the screens in this form.

#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

struct BankImage {
    int questions = 0;
    QStringList question;  // QuestionBank 0, 1, ...
    QStringList answer;    // AnswerBank
    QStringList extra;     // ExtraBank
    QStringList code;      // CodeBank
    QList<int> keys;       // AnswerKey

    int size() const { return questions; }
    bool operator==(const BankImage&) const = default;
};

// A teacher's bank file for one screen, read when the program starts: the rows it gives,
// or, when a check failed, the first problem found (the screen then plays its own rows
// and says so once, the first time it opens).
struct TeacherBank {
    QString file;     // where it was read from
    BankImage rows;   // what the screen plays when the file passed every check
    QString problem;  // "line 4: ..." for a file that did not; empty when it did
    bool told = false;

    bool usable() const { return problem.isEmpty(); }
};

}  // namespace qm
