#include "platform/workdir.h"

#include <QDir>


namespace qm {

QString findWorkingFolder(const QStringList& candidates) {
    for (const QString& folder : candidates) {
        const QDir dir(folder);
        if (folder.isEmpty() || !dir.exists()) continue;
        for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (entry.compare(QLatin1String("Images"), Qt::CaseInsensitive) == 0) return dir.absolutePath();
    }
    return {};
}

QStringList workingFolderCandidates(const QString& currentFolder, const QString& executableFolder) {
    const QDir exe(executableFolder);
    // An installed program reads only what was installed with it: a folder it happens to
    // be started from must not stand in for its pictures.
    // On Windows the pictures sit beside quillmark.exe itself.
    return {exe.filePath(QStringLiteral("../share/quillmark")), exe.absolutePath(), currentFolder,
            exe.filePath(QStringLiteral("assets")),
            exe.filePath(QStringLiteral("../assets")), QStringLiteral(QM_SOURCE_ASSETS)};
}

}  // namespace qm
