#include "gui/shell/SampleLeagueCommand.h"

#include "core/teams/SampleLeague.h"
#include "core/text/Paths.h"
#include "gui/app/Prompter.h"
#include "gui/app/WindowHost.h"

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

bool openSampleLeague(WindowHost& host)
{
    AppState& s = host.state();
    QWidget* over = host.mainWidget();
    const QString sample = folderWithSlash(SampleLeague::defaultFolder());
    const QString previous = s.settings.dataFolder;
    const bool alreadyThere = sameFolder(previous, sample);

    // A league already there is opened as the user left it.
    if (!QFileInfo::exists(resolveInFolder(sample, QStringLiteral("KVTEAMS.DAT")))) {
        QString error;
        BusyPointer busy;
        if (!SampleLeague::write(sample, &error)) {
            host.prompter().tell(over, QStringLiteral("Sample League"),
                QStringLiteral("The sample league cannot be written:\n%1").arg(error),
                Message::Icon::Warning);
            return false;
        }
    }
    if (!host.changeDataFolder(sample))
        return false; // another copy of the program works there, as the host has said
    host.closeChildWindows();
    host.switchWindow(WindowSelectTeam, nullptr);
    host.showStatus(QStringLiteral("Sample league open; File > Data Directory returns to %1")
                        .arg(alreadyThere ? QStringLiteral("your data folder") : previous));
    host.prompter().tell(over, QStringLiteral("Sample League"),
        returnText(sample, alreadyThere ? QString() : previous), Message::Icon::Information);
    return true;
}

bool offerSampleLeague(WindowHost& host)
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
    return openSampleLeague(host);
}

} // namespace scorvane
