#include "core/state/AppState.h"
#include "core/state/DefaultSettings.h"
#include "core/state/MemoryReuse.h"
#include "core/state/StartUp.h"
#include "gui/app/DesktopErrorReporter.h"
#include "gui/app/DesktopPrompter.h"
#include "gui/app/MainWindow.h"
#include "gui/app/WindowFactory.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstring>

namespace {

// The switches an installer uses; they need no display. The program itself never creates the
// settings file.
//   --supply-settings [DATAFOLDER]  writes the user's settings file when there is none
//   --write-default-settings FILE   writes the default settings file for ~/.local/share/Scorvane/
int runInstallerSwitch(int argc, char* argv[])
{
    using namespace scorvane;
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QString error;
    if (args[1] == u"--supply-settings") {
        error = supplyDefaultSettings(
            defaultSettingsFolder(), args.size() >= 3 ? args[2] : defaultDataFolder());
    } else if (args.size() == 3) {
        QSaveFile file(args[2]);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(defaultSettingsRecord(QStringLiteral("~/.local/share/Scorvane/")).encode());
            if (file.commit())
                return 0;
        }
        error = QStringLiteral("cannot write %1: %2").arg(args[2], file.errorString());
    } else {
        error = QStringLiteral("usage: scorvane --write-default-settings FILE");
    }
    if (error.isEmpty())
        return 0;
    QTextStream(stderr) << "scorvane: " << error << '\n';
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace scorvane;
    if (argc >= 2
        && (std::strcmp(argv[1], "--supply-settings") == 0
            || std::strcmp(argv[1], "--write-default-settings") == 0))
        return runInstallerSwitch(argc, argv);

    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorvane"));

    DesktopPrompter prompter;
    DesktopErrorReporter reporter(prompter);
    AppState state(reporter);
    state.settings.settingsFolder = defaultSettingsFolder();
    WindowFactory factory;
    registerWindows(factory);

    MainWindow window(state, prompter, factory);
    reporter.setOwner(&window);
    window.show();
    if (!window.startProgram(systemProgramFolders()))
        return 1;
    return QApplication::exec();
}
