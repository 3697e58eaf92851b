// The process entry point of a framework program (target velmora_winmain): starts the
// toolkit, registers the program's resources, describes the application from its version
// block, and runs the one application object's InitInstance. FALSE ends the process with status 0; TRUE runs the event loop.
// The program takes no command line: the toolkit sees the program's name alone, so options
// such as -platform, -style or -reverse change nothing. Its environment variables
// (QT_QPA_PLATFORM and the like) still apply, as desktops set them.
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "framework/resources.h"
#include "framework/win_app.h"

namespace {

// The version from the version block, the name from the application object (when given).
void DescribeApplication(const char* appName) {
    if (const framework::VersionInfo* version = framework::FindVersionInfo()) {
        const WORD* v = version->productVersion;
        QCoreApplication::setApplicationVersion(
            QStringLiteral("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]));
    }
    if (appName && *appName)
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(appName));
}

int RunApplication() {
    CWinApp* application = AfxGetApp();
    if (!application)
        return 1; // a program without an application object has nothing to run
    framework::RegisterProgramResources();
    DescribeApplication(application->GetAppName());
    if (!application->InitInstance())
        return 0;
    return QApplication::exec();
}

// Qt's Wayland client (6.4) can deadlock while it stops its event threads during teardown:
// one thread quits holding a prepared read, and the other then waits in its read forever.
// The window is gone by then but the process stays. On Wayland the teardown has nothing to
// keep (no files, and a clipboard's text leaves with its client anyway), so the process
// ends without it; on X the toolkit's teardown stays, as it hands the clipboard over to a
// clipboard manager.
bool TeardownMayHang() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

int main(int argc, char** argv) {
    // QApplication keeps a reference to its argument count, so both live as long as it does.
    static char programName[] = "velmora";
    static char* toolkitArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    static int toolkitArgc = 1;
    auto toolkit = std::make_unique<QApplication>(toolkitArgc, toolkitArgv);
    const int status = RunApplication();
    if (TeardownMayHang()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    toolkit.reset();
    return status;
}
