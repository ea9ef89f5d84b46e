#pragma once
// Finds the folder the program reads its pictures and sounds from, whatever folder it
// was started in.

#include <QString>
#include <QStringList>

namespace qm {

// The first candidate that holds an "Images" folder (matched without regard to case);
// empty when none does.
QString findWorkingFolder(const QStringList& candidates);

// Where to look: the data folder installed with the program ("../share/quillmark" from
// the executable), the executable's own folder (as a Windows program is unpacked), then
// the current folder, then "assets" beside the executable and above
// it, then the source tree's assets.
QStringList workingFolderCandidates(const QString& currentFolder, const QString& executableFolder);

}  // namespace qm
