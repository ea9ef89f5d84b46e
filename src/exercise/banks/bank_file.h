#pragma once
// The text files a teacher's banks are kept in: UTF-8, one row a line, fields separated
// by tabs, as a spreadsheet saves "tab-separated text". A field that holds a tab, a
// quote mark or a line break is written in quote marks with its own quote marks doubled,
// and read back the same way; every other field is
// kept exactly as written, spaces at its ends included. A byte-order mark and Windows
// line ends are accepted. A file over 1 MiB, one with a zero byte (binary, or UTF-16 as
// some spreadsheets save "Unicode text") or one that is not well-formed UTF-8 is refused
// with the line where the trouble lies.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

// The largest bank file read; anything longer is refused unread.
constexpr qint64 kBankFileLimit = 1024 * 1024;

struct FileProblem {
    int line;
    QString what;
    bool operator==(const FileProblem&) const = default;
};

// A row of a file: its fields and the line it starts on (a quoted field may run on over
// several lines).
struct FileRow {
    int line;
    QStringList fields;
    bool operator==(const FileRow&) const = default;
};

// What a file holds: its rows, the first one naming the columns, or the problem that
// stopped the reading. Rows with nothing in them but spaces and tabs (blank lines) are left out.
struct FileText {
    QList<FileRow> rows;
    QList<FileProblem> problems;
};

FileText readBankText(const QByteArray& bytes);

// The file of the given rows, the column names first: a byte-order mark, then each row
// with its fields quoted where they need it, each line ended by CR LF.
QByteArray writeBankText(const QList<QStringList>& rows);

// Where the first byte that is not part of well-formed UTF-8 lies, or -1 for none.
qsizetype firstInvalidUtf8(const QByteArray& bytes);

}  // namespace qm
