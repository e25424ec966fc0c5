#include "Shots.h"

#include "core/store/GameRecord.h"
#include "core/store/PlayerInfoRecord.h"
#include "core/store/PlayerNameRecord.h"
#include "core/store/PlayerStatRecord.h"
#include "core/store/TeamList.h"
#include "gui/app/ChildWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <array>

namespace scorvane::shots {

Message::Answer ShotPrompter::ask(QWidget*, const Message& message)
{
    asked.append(message);
    QTextStream(stdout) << "  message \"" << message.title << "\": " << message.text << '\n';
    return message.defaultButton;
}

QString ShotPrompter::saveFileName(QWidget*, const FileQuestion&)
{
    return {};
}

QString ShotPrompter::askText(QWidget*, const TextQuestion&)
{
    return {};
}

bool ShotPrompter::printerSetup(QWidget*, QPrinter&)
{
    return false;
}

void ShotContext::settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void ShotContext::save(QWidget* w, const QString& name)
{
    if (w == nullptr) {
        QTextStream(stderr) << "  skipped " << name << ": no window\n";
        return;
    }
    settle();
    const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
    if (w->grab().save(path))
        QTextStream(stdout) << "  wrote " << path << '\n';
    else
        QTextStream(stderr) << "  could not write " << path << '\n';
}

void ShotContext::saveNextModal(const QString& name, QSize size)
{
    QTimer::singleShot(0, &mdi, [this, name, size] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            save(modal, name); // says it was skipped
            return;
        }
        if (size.isValid())
            modal->resize(size);
        save(modal, name);
        // done() ends a message box's exec() even when it has no Escape button.
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    });
}

QWidget* ShotContext::open(WindowKind kind)
{
    mdi.closeChildWindows();
    mdi.showWindow(kind);
    settle();
    ChildWindow* child = mdi.currentChild();
    return child != nullptr && child->kind() == kind ? child : nullptr;
}

ChildWindow* ShotContext::openReport(const char* menuItem, std::initializer_list<int> slots)
{
    mdi.closeChildWindows();
    for (int slot = 1; slot <= 100; ++slot)
        state.teamChoice.selected[slot] = false;
    for (int slot : slots)
        state.teamChoice.selected[slot] = true;
    mdi.selectionChanged(static_cast<int>(slots.size()));
    mdi.runMenuCommand(QString::fromLatin1(menuItem));
    settle();
    ChildWindow* child = mdi.currentChild();
    return child != nullptr && child->kind() != WindowSelectTeam ? child : nullptr;
}

namespace {

struct SampleGame
{
    const char* date;
    const char* location;
    const char* opponent;
    qint16 goalsFor;
    qint16 goalsAgainst;
    char type;
    char home;
};

void writeRoster(DataFiles& files, const QStringList& names)
{
    files.openDataFile(FileRoster);
    for (int i = 0; i < names.size(); ++i) {
        PlayerNameRecord player;
        player.playerNumber = static_cast<qint16>(i * 2 + 3);
        player.playerName = names[i];
        files.put(FileRoster, i + 1, player);
    }
    files.closeDataFile(FileRoster);
}

void writeGamesAndFigures(DataFiles& files, const std::vector<SampleGame>& games, int players)
{
    files.openDataFile(FileGames);
    files.openDataFile(FileStats);
    qint32 statRecord = 0;
    for (std::size_t g = 0; g < games.size(); ++g) {
        const SampleGame& s = games[g];
        GameRecord game;
        game.gameNumber = static_cast<qint16>(g + 1);
        game.gameDate = QString::fromLatin1(s.date);
        game.gameLocation = QString::fromLatin1(s.location);
        game.opponent = QString::fromLatin1(s.opponent);
        game.goalsFor = s.goalsFor;
        game.goalsAgainst = s.goalsAgainst;
        game.gameComment = g == 0 ? QStringLiteral("Season opener") : QString();
        game.gameType = s.type;
        game.homeGame = s.home;
        files.put(FileGames, static_cast<qint32>(g + 1), game);
        for (int p = 0; p < players; ++p) {
            // Figures vary by player and game but always pass the consistency rules.
            const int seed = static_cast<int>(g) * 7 + p * 3;
            PlayerStatRecord stat;
            stat.gameNumber = game.gameNumber;
            stat.playerNumber = static_cast<qint16>(p * 2 + 3);
            stat.statGameType = s.type;
            stat.statValues[StatMin] = static_cast<qint16>(40 + seed % 50);
            stat.statValues[StatPP] = static_cast<qint16>(2 + seed % 3);
            stat.statValues[StatGS] = static_cast<qint16>(p % 4 == 0 ? seed % 3 : 0);
            stat.statValues[StatSOG] = static_cast<qint16>(seed % 4);
            stat.statValues[StatSAG] = static_cast<qint16>(seed % 5);
            stat.statValues[StatPKA] = static_cast<qint16>(p == 2 ? 1 : 0);
            stat.statValues[StatPKG] = static_cast<qint16>(p == 2 && g % 2 == 0 ? 1 : 0);
            stat.statValues[StatCKA] = static_cast<qint16>(seed % 3);
            stat.statValues[StatCKG] = static_cast<qint16>(seed % 3 == 2 ? 1 : 0);
            stat.statValues[StatF] = static_cast<qint16>(seed % 2);
            stat.statValues[StatAst] = static_cast<qint16>(seed % 6 == 1 ? 1 : 0);
            stat.statValues[StatStl] = static_cast<qint16>(seed % 4);
            stat.statValues[StatT] = static_cast<qint16>(seed % 5);
            if (p == 0) { // the keeper
                stat.statValues[StatSF] = static_cast<qint16>(4 + static_cast<int>(g));
                stat.statValues[StatSv] = static_cast<qint16>(2 + static_cast<int>(g) % 3);
                stat.statValues[StatPKF] = 1;
                stat.statValues[StatPKB] = static_cast<qint16>(g % 2);
            }
            files.put(FileStats, ++statRecord, stat);
        }
    }
    files.closeDataFile(FileGames);
    files.closeDataFile(FileStats);
}

} // namespace

void fillSampleData(AppState& state)
{
    DataFiles& files = state.files;
    checkAndLoadTeamList(files, state.teamChoice.names, state.teamChoice.shortNames);
    const std::array<std::pair<const char*, const char*>, 3> teams
        = {{{"Riverside Rovers", "Rovers"}, {"Hillcrest United", "Hillcrest"},
            {"Northfield Falcons", "Falcons"}}};
    for (std::size_t t = 0; t < teams.size(); ++t)
        writeTeamNames(files, static_cast<int>(t) + 1, QString::fromLatin1(teams[t].first),
            QString::fromLatin1(teams[t].second));
    checkAndLoadTeamList(files, state.teamChoice.names, state.teamChoice.shortNames);

    const int savedTeam = state.teamChoice.currentSlot;
    state.teamChoice.currentSlot = 1;
    writeRoster(files,
        {QStringLiteral("Alex Morgan"), QStringLiteral("Sam Carter"), QStringLiteral("Jamie Lee"),
            QStringLiteral("Chris Novak"), QStringLiteral("Taylor Brooks"),
            QStringLiteral("Jordan Price"), QStringLiteral("Casey Flynn"),
            QStringLiteral("Riley Quinn"), QStringLiteral("Drew Patel"),
            QStringLiteral("Morgan Diaz"), QStringLiteral("Avery Stone"),
            QStringLiteral("Parker Wells"), QStringLiteral("Quinn Harper"),
            QStringLiteral("Reese Walker")});
    files.openDataFile(FilePlayerInfo);
    PlayerInfoRecord info;
    info.playerNumber = 3;
    info.phone = QStringLiteral("555-0142");
    info.address1 = QStringLiteral("12 Elm Street");
    info.city = QStringLiteral("Riverside");
    info.state = QStringLiteral("CA");
    info.zip = QStringLiteral("92501");
    info.otherInfo = QStringLiteral("Goalkeeper; parent contact Pat Morgan");
    files.put(FilePlayerInfo, 1, info);
    files.closeDataFile(FilePlayerInfo);
    writeGamesAndFigures(files,
        {{"090724", "Memorial Field", "Hillcrest United", 3, 1, '1', '1'},
            {"091424", "Oak Park", "Lakeside Strikers", 1, 1, '1', '2'},
            {"092124", "Memorial Field", "Northfield Falcons", 0, 2, '1', '1'},
            {"092824", "County Complex", "Westbrook FC", 4, 0, '2', '2'},
            {"100524", "County Complex", "Eastgate Eagles", 2, 1, '2', '2'},
            {"101224", "Memorial Field", "Hillcrest United", 2, 2, '3', '1'}},
        14);

    state.teamChoice.currentSlot = 2;
    writeRoster(files,
        {QStringLiteral("Ben Ortiz"), QStringLiteral("Eli Grant"), QStringLiteral("Max Young"),
            QStringLiteral("Noah Reid"), QStringLiteral("Owen Shaw"), QStringLiteral("Leo King")});
    writeGamesAndFigures(files,
        {{"090724", "Memorial Field", "Riverside Rovers", 1, 3, '1', '2'},
            {"091424", "Hill Park", "Northfield Falcons", 2, 0, '1', '1'},
            {"092124", "Hill Park", "Lakeside Strikers", 1, 2, '1', '1'}},
        6);
    state.teamChoice.currentSlot = savedTeam;
}

} // namespace scorvane::shots
