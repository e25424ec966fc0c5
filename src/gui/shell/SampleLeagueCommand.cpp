#include "gui/shell/SampleLeagueCommand.h"

#include "core/state/Settings.h"
#include "core/store/DataFolderLock.h"
#include "core/store/TeamList.h"
#include "core/teams/SampleLeague.h"
#include "core/text/Paths.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"

#include <QDir>
#include <QFileInfo>

namespace scorvane {

namespace {

bool sameFolder(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

QString returnText(const QString& sample, const QString& previous)
{
    QString text = QStringLiteral("The sample league is open: four teams with their rosters and a "
                                  "season of games, kept in a folder of its own:\n%1\n\n")
                       .arg(sample);
    if (previous.isEmpty())
        return text
            + QStringLiteral("To go back to your own teams, choose File > Data Directory and "
                             "select your data folder.");
    return text
        + QStringLiteral("Your own data folder is untouched. To go back to it, choose File > "
                         "Data Directory and select:\n%1")
              .arg(previous);
}

} // namespace

bool openSampleLeague(WindowHost& host, DataFolderLock& lock)
{
    AppState& s = host.state();
    QWidget* over = host.mainWidget();
    const QString sample = folderWithSlash(SampleLeague::defaultFolder());
    const QString previous = s.settings.dataFolder;
    const bool alreadyThere = sameFolder(previous, sample);

    QDir().mkpath(sample);
    if (lock.lock(sample) == DataFolderLock::Result::HeldByOther) {
        host.prompter().tell(over, QStringLiteral("Data Folder in Use"),
            folderInUseText(sample, lock.holder()), Message::Icon::Critical);
        lock.lock(previous);
        return false;
    }
    // A league already there is opened as the user left it.
    if (!QFileInfo::exists(resolveInFolder(sample, QStringLiteral("KVTEAMS.DAT")))) {
        QString error;
        BusyPointer busy;
        if (!SampleLeague::write(sample, &error)) {
            host.prompter().tell(over, QStringLiteral("Sample League"),
                QStringLiteral("The sample league cannot be written:\n%1").arg(error),
                Message::Icon::Warning);
            if (!alreadyThere)
                lock.lock(previous);
            return false;
        }
    }

    host.closeChildWindows();
    if (!alreadyThere) {
        // The old folder is left as the Data Directory window leaves it.
        s.files.closeDataFile(AllFiles);
        removeEmptyDataFiles(previous);
        s.settings.dataFolder = sample;
        Settings::save(s); // kept at once, so a crash does not lose the choice
    }
    checkAndLoadTeamList(s.files, s.teamChoice.names, s.teamChoice.shortNames);
    s.teamChoice.listMissing = false;
    host.switchWindow(WindowSelectTeam, nullptr);
    host.showStatus(QStringLiteral("Sample league open; File > Data Directory returns to %1")
                        .arg(alreadyThere ? QStringLiteral("your data folder") : previous));
    host.prompter().tell(over, QStringLiteral("Sample League"),
        returnText(sample, alreadyThere ? QString() : previous), Message::Icon::Information);
    return true;
}

bool offerSampleLeague(WindowHost& host, DataFolderLock& lock)
{
    const Message offer{QStringLiteral("Welcome to Scorvane for Soccer"),
        QStringLiteral("Your data folder is still empty:\n%1\n\nWould you like to explore the "
                       "sample league first? It holds four teams with rosters, contacts and a "
                       "season of about twenty games each, in a folder of its own, so your data "
                       "folder stays clean.\n\nYes opens the sample league. No starts with the "
                       "empty data folder; File > Open Sample League opens it later.")
            .arg(host.state().settings.dataFolder),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (host.prompter().ask(host.mainWidget(), offer) != Message::Answer::Yes)
        return false;
    return openSampleLeague(host, lock);
}

} // namespace scorvane
