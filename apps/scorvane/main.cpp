#include "shell/AppState.h"
#include "shell/DefaultSettings.h"
#include "shell/StartUp.h"
#include "ui/DesktopErrorReporter.h"
#include "ui/DesktopPrompter.h"
#include "ui/FrmMDI.h"
#include "ui/WindowFactory.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    using namespace scorvane;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorvane"));

    // The one switch: what an installer runs to supply the settings file of a new user. The
    // program itself never creates it.
    const QStringList args = QApplication::arguments();
    if (args.size() >= 2 && args[1] == u"--supply-settings") {
        const QString data = args.size() >= 3 ? args[2] : DefaultDataFolder();
        const QString error = SupplyDefaultSettings(DefaultSettingsFolder(), data);
        if (!error.isEmpty()) {
            QTextStream(stderr) << "scorvane: " << error << '\n';
            return 1;
        }
        return 0;
    }

    DesktopPrompter prompter;
    DesktopErrorReporter reporter(prompter);
    AppState state(reporter);
    state.SettingsFolder = DefaultSettingsFolder();
    WindowFactory factory;
    RegisterWindows(factory);

    FrmMDI window(state, prompter, factory);
    reporter.setOwner(&window);
    window.show();
    if (!window.StartProgram(SystemProgramFolders()))
        return 1;
    return QApplication::exec();
}
