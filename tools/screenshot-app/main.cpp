// Runs the program's windows on a temporary data folder filled with sample teams and writes a
// picture of each window into the folder given as the only argument.
#include "Shots.h"

#include "core/state/DefaultSettings.h"
#include "core/state/StartUp.h"
#include "gui/app/DesktopErrorReporter.h"
#include "gui/app/WindowFactory.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    using namespace scorvane;
    using namespace scorvane::shots;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scorvane"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: scorvane-screenshots OUTDIR\n";
        return 2;
    }
    const QString outDir = QDir(args[1]).absolutePath();
    QDir().mkpath(outDir);

    QTemporaryDir temp;
    const QString settingsFolder = temp.path() + QStringLiteral("/config/Scorvane/");
    const QString dataFolder = temp.path() + QStringLiteral("/data/");
    qputenv("XDG_CONFIG_HOME", (temp.path() + QStringLiteral("/config")).toLocal8Bit());
    if (const QString error = supplyDefaultSettings(settingsFolder, dataFolder); !error.isEmpty()) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }

    ShotPrompter prompter;
    DesktopErrorReporter reporter(prompter);
    AppState state(reporter);
    state.settings.settingsFolder = settingsFolder;
    WindowFactory factory;
    registerWindows(factory);
    MainWindow mdi(state, prompter, factory);
    reporter.setOwner(&mdi);

    // The sample data goes in first; then the program starts as it would for a user.
    state.settings.dataFolder = dataFolder;
    fillSampleData(state);
    state.files.closeDataFile(AllFiles);

    mdi.resize(1100, 800);
    mdi.show();
    ProgramFolders folders = systemProgramFolders();
    folders.programFolder = QApplication::applicationDirPath() + u'/';
    if (!mdi.startProgram(folders)) {
        QTextStream(stderr) << "the program did not start on the sample data\n";
        return 1;
    }
    ShotContext::settle();

    ShotContext context{mdi, state, prompter, outDir};
    shotsShell(context);
    shotsRoster(context);
    shotsGames(context);
    shotsEntry(context);
    shotsPlayerStatistics(context);
    shotsTeamReports(context);
    shotsImport(context);
    shotsSeasons(context);

    mdi.closeChildWindows();
    state.files.closeDataFile(AllFiles);
    return 0;
}
