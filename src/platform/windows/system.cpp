// What Windows gives the program: the shell opens the web page, a message box reports a
// fatal error, the system's own Times New Roman, Arial and Tahoma draw the screens, and a
// school can put bank files in a "banks" folder beside quillmark.exe.

#include <windows.h>
#include <shellapi.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "platform/services.h"
#include "platform/system.h"

namespace qm {

void RealWebLauncher::open(const QString& address) {
    ::ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
}

void openDocument(const QString& file) {
    const QString native = QDir::toNativeSeparators(file);
    ::ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
}

void RealFatalReporter::fail(const QString& title, const QString& message) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message));
    std::fflush(stderr);
    ::MessageBoxW(nullptr, reinterpret_cast<LPCWSTR>(message.utf16()), reinterpret_cast<LPCWSTR>(title.utf16()),
                  MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    std::_Exit(1);
}

PlatformFonts platformFonts() {
    // The fonts folder beside the program holds the metric-compatible faces; a file is
    // loaded only where the system lacks the face it stands in for.
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    const QStringList installed = QFontDatabase::families();
    const struct {
        const char* face;
        const char* prefix;
    } faces[] = {{"Times New Roman", "LiberationSerif"}, {"Arial", "LiberationSans"}, {"Tahoma", "tahoma"}};
    QStringList files;
    for (const auto& f : faces) {
        if (installed.contains(QLatin1String(f.face), Qt::CaseInsensitive)) continue;
        for (const QString& file : fonts.entryList({QLatin1String(f.prefix) + QStringLiteral("*.ttf")}, QDir::Files))
            files << fonts.filePath(file);
    }
    return {files, true};
}

QStringList programBankFolders() {
    // Asked of Windows itself: the command-line options read it before Qt starts.
    wchar_t path[MAX_PATH * 4];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (n == 0 || n >= std::size(path)) return {};
    const QString exe = QDir::fromNativeSeparators(QString::fromWCharArray(path, int(n)));
    return {QFileInfo(exe).absoluteDir().filePath(QStringLiteral("banks"))};
}

QString spelledOnDisk(const QString& path) {
    WIN32_FIND_DATAW found;
    const QString native = QDir::toNativeSeparators(path);
    // The find takes wildcards; a name holding one is no name of a file.
    for (const char c : {'*', '?', '<', '>', '"'})
        if (native.contains(QLatin1Char(c))) return {};
    const HANDLE h = ::FindFirstFileW(reinterpret_cast<LPCWSTR>(native.utf16()), &found);
    if (h == INVALID_HANDLE_VALUE) return {};
    ::FindClose(h);
    return QString::fromWCharArray(found.cFileName);
}

QStringList commandLine(int argc, char** argv) {
    int count = 0;
    QStringList arguments;
    if (LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
        ::LocalFree(wide);
    }
    if (arguments.size() != argc)  // not this program's own command line: take what it was given
        for (arguments.clear(); arguments.size() < argc;) arguments << QString::fromLocal8Bit(argv[arguments.size()]);
    return arguments;
}

void attachToConsole() {
    // A program built for the desktop has no console of its own; started from a command
    // prompt, its options print there.
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}

}  // namespace qm
