#pragma once

#include "core/games/GameFile.h"
#include "core/games/GameLine.h"

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace scorvane {

// The fixed-pitch game list shown by the game menu and by the import window, with its label.
struct GameListBox
{
    QLabel* label = nullptr;
    QListWidget* list = nullptr;
};

// Builds "Game List:" and the list (objectName lstGameMenu) wide enough for a whole game line
// and tall enough for `visibleGames` lines.
GameListBox makeGameListBox(QWidget* parent, int visibleGames);

// One game line per listed game; each line remembers the record it was read from.
void fillGameList(QListWidget* list, const std::vector<ListedGame>& games,
    const GameTypeNameTable& gameTypeNames);
qint32 listedRecordNumber(const QListWidgetItem& item);
// The number the game on the line has in its record.
qint16 listedGameNumber(const QListWidgetItem& item);

} // namespace scorvane
