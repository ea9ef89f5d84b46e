#pragma once
// What differs between the desktops the program runs on, besides sound and the services
// of services.h: the font files it brings along, bank folders that belong to the program
// itself, a console for the command-line options, and how the file system spells a name.
// One implementation per platform.

#include <QString>
#include <QStringList>

namespace qm {

struct PlatformFonts {
    QStringList files;           // font files to load before the first screen
    bool preferInstalledFaces;   // use Times New Roman, Arial and Tahoma where the system has them
};
PlatformFonts platformFonts();

// Bank folders that go with the program's own files (a school's share), searched after
// the user's and the machine's.
QStringList programBankFolders();

// Lets the command-line options print to the console the program was started from.
void attachToConsole();

// The command line as it was typed, the program first. On Windows it is read as the system
// keeps it (UTF-16), so that a file or folder named outside the code page comes through.
QStringList commandLine(int argc, char** argv);

// The name of the file or folder at `path` as its folder spells it, or empty when there
// is none there. Where the file system ignores case (Windows), "IMAGES" finds "Images".
QString spelledOnDisk(const QString& path);

// Opens a file with the desktop's own program for it (a PDF in the PDF viewer).
void openDocument(const QString& file);

}  // namespace qm
