// The process entry point of a framework program (target velmora_winmain): starts the
// toolkit, describes the application from its version block, and runs the one application
// object's InitInstance. FALSE ends the process with status 0; TRUE runs the event loop.
#include <QApplication>

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

} // namespace

int main(int argc, char** argv) {
    QApplication toolkit(argc, argv);
    CWinApp* application = AfxGetApp();
    if (!application)
        return 1; // a program without an application object has nothing to run
    DescribeApplication(application->GetAppName());
    if (!application->InitInstance())
        return 0;
    return QApplication::exec();
}
