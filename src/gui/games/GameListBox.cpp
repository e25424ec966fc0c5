#include "gui/games/GameListBox.h"

#include "gui/app/WindowHelpers.h"

#include <QLabel>
#include <QListWidget>

namespace scorvane {

namespace {
constexpr int RecordNumberRole = Qt::UserRole;
constexpr int GameNumberRole = Qt::UserRole + 1;
} // namespace

GameListBox makeGameListBox(QWidget* parent, int visibleGames)
{
    GameListBox box;
    box.label = new QLabel(QStringLiteral("Game List:"), parent);
    box.label->setObjectName(QStringLiteral("lblGameList"));
    box.list = new QListWidget(parent);
    box.list->setObjectName(QStringLiteral("lstGameMenu"));
    box.label->setBuddy(box.list);
    QFont font = fixedPitchFont();
    font.setPointSize(9);
    // A game line is 65 characters; the rest is room for the frame and scroll bar.
    setFixedPitchList(box.list, font, u'0', 68, visibleGames, QSize(24, 8));
    return box;
}

void fillGameList(
    QListWidget* list, const std::vector<ListedGame>& games, const GameTypeNameTable& gameTypeNames)
{
    list->clear();
    for (const ListedGame& listed : games) {
        auto* item = new QListWidgetItem(gameLine(listed.game, gameTypeNames));
        item->setData(RecordNumberRole, listed.recordNumber);
        item->setData(GameNumberRole, listed.game.gameNumber);
        list->addItem(item);
    }
}

qint32 listedRecordNumber(const QListWidgetItem& item)
{
    return item.data(RecordNumberRole).toInt();
}

qint16 listedGameNumber(const QListWidgetItem& item)
{
    return static_cast<qint16>(item.data(GameNumberRole).toInt());
}

} // namespace scorvane
