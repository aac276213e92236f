#include "modMain.h"

#include <QApplication>
#include <QScopeGuard>

#include <cstdio>

namespace {

// Without a display Qt would abort with a long message; say it in one line instead.
bool displayAvailable() {
#ifdef Q_OS_LINUX
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "No display found: start Quillomar PAD Submitter on a desktop, or without one as "
                     "'xvfb-run -a %s'.\n",
                     argv[0]);
        return 2;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuillomarPadSubmitter"));
    QApplication::setOrganizationName(QStringLiteral("Quillomar"));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILL_APP_ID));
    const auto end = qScopeGuard(EndProgram);
    if (!StartProgram(RunningProgramLayout()))
        return 1;
    return QApplication::exec();
}
