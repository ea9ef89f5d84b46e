#pragma once
// A teacher's bank files on disk: where the program looks for them, reading and checking
// them when it starts, and the two commands that export the built-in banks and check a
// folder of files. Nothing here ever writes into a folder the program reads banks from;
// only the export writes, into the folder it is given, and never over a file.

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <map>
#include <optional>

#include "shell/bank_image.h"
#include "shell/catalogue.h"

namespace qm {

// The options of the command line, each beginning with "--" (and "-h"). "--classroom" is
// read by the whole-class display itself; Qt's own options ("-platform offscreen") are left
// to Qt.
struct BankOptions {
    std::optional<QString> banks;        // --banks FOLDER: its files win over those of the bank folders
    std::optional<QString> exportTo;     // --export-banks FOLDER
    std::optional<QString> check;        // --check-banks FOLDER
    bool worksheets = false;             // --worksheets: the window that makes worksheets
    std::optional<QString> worksheet;    // --worksheet NAMES: a worksheet file from the command line
    std::optional<QString> questions;    // --questions N, for --worksheet
    std::optional<QString> seed;         // --seed S, for --worksheet
    std::optional<QString> output;       // -o FILE, for --worksheet
    bool answers = false;                // --answers, for --worksheet
    bool help = false;                   // --help, -h
    bool version = false;                // --version
    QString error;                       // an unknown option, one without its folder, or two commands at once
};
BankOptions parseBankOptions(const QStringList& arguments);

// The program's name to Qt: "quillmark", as its command, its package and the folder the
// installed program keeps its pictures and sounds in are named. Qt names the program's
// data folders after it.
void nameTheProgram();
// The bank folders: "banks" in each of the program's data folders, the user's first
// (~/.local/share/quillmark/banks), then the system-wide ones in the order the system
// lists them (/usr/local/share/quillmark/banks, /usr/share/quillmark/banks).
QStringList bankFoldersIn(const QStringList& programDataFolders);
QStringList standardBankFolders();
// The folders a run reads, in the order they win: the one given with --banks, then the
// standard ones.
QStringList chosenBankFolders(const std::optional<QString>& banksOption, const QStringList& standard);

// Reads and checks each screen's file ("tenses.tsv") in the folders; for each screen the
// first folder that has its file gives it. Screens with no file are left out.
std::map<QString, TeacherBank> loadTeacherBanks(const Catalogue& catalogue, const QStringList& folders);

// --check-banks: every ".tsv" file in the folder, with "ok: N rows" or its problems, one
// "file:line: what is wrong" a line. Returns 0 when every file is fine, 1 when one is not,
// 2 when the folder cannot be read.
int checkBankFolder(const Catalogue& catalogue, const QString& folder, QTextStream& out);

// --export-banks: one file for each screen with its own rows, named after the screen. A
// file already there is left as it is. Returns 0 when every file was written, else 1.
int exportBankFiles(const Catalogue& catalogue, const QString& folder, QTextStream& out);

// The text of --help, with the bank folders of this machine.
QString bankUsage(const QStringList& standardFolders);

}  // namespace qm
