// A team's game and result files made of arbitrary bytes: the game list, the player screen's
// index and Save all, deleting a game, and the integrity check must cope with whatever the files
// hold. The files live in a private temporary folder.
#include "core/entry/PlayerEntry.h"
#include "core/games/GameFile.h"
#include "core/store/DataFiles.h"
#include "core/store/IntegrityCheck.h"

#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace scorvane;
using namespace scorvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    if (size < 2)
        return 0;
    // The first byte splits the rest between the game file and the result file.
    const QByteArray rest(
        reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const qsizetype split = rest.size() * data[0] / 255;
    DataFolders folders;
    folders.dataFolder = dir.path() + u'/';
    folders.reportFolder = folders.dataFolder;
    const int teamSlot = 1;
    writeFile(folders.dataFolder + QStringLiteral("KVGS1.DAT"), rest.left(split));
    writeFile(folders.dataFolder + QStringLiteral("KVPS1.DAT"), rest.mid(split));

    checkDataFolder(folders.dataFolder);

    StopReporter reporter;
    DataFiles files(folders, teamSlot, reporter);
    files.openDataFile(FileGames);
    files.openDataFile(FileStats);
    const auto games = readActiveGames(files, FileGames);
    lineToSelect(static_cast<int>(games.size()), static_cast<qint16>(data[0]));
    if (games.empty())
        return 0;
    const ListedGame& chosen = games[data[0] % games.size()];
    {
        PlayerEntry entry(files, chosen.game);
        entry.setPlayed(1 + data[0] % 99, true);
        entry.saveAll();
    }
    deleteGame(files, chosen.recordNumber);
    return 0;
}
