#include "shell/AppState.h"
#include "ui/DesktopErrorReporter.h"
#include "ui/DesktopPrompter.h"
#include "ui/FrmMDI.h"
#include "ui/WindowFactory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    using namespace scorvane;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorvane"));

    DesktopPrompter prompter;
    DesktopErrorReporter reporter(prompter);
    AppState state(reporter);
    WindowFactory factory;
    RegisterWindows(factory);

    FrmMDI window(state, prompter, factory);
    reporter.setOwner(&window);
    window.show();
    return QApplication::exec();
}
