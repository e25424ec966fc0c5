#include "gui/games/GameListBox.h"

#include <QLabel>
#include <QListWidget>

namespace scorvane {

namespace {
constexpr int RecordNumberRole = Qt::UserRole;
}

GameListBox makeGameListBox(QWidget* parent, int visibleGames)
{
    GameListBox box;
    box.label = new QLabel(QStringLiteral("Game List:"), parent);
    box.label->setObjectName(QStringLiteral("lblGameList"));
    box.list = new QListWidget(parent);
    box.list->setObjectName(QStringLiteral("lstGameMenu"));
    box.label->setBuddy(box.list);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(9);
    box.list->setFont(courier);
    // A game line is 65 characters; the rest is room for the frame and scroll bar.
    const QFontMetrics metrics(courier);
    box.list->setMinimumSize(metrics.horizontalAdvance(QString(68, u'0')) + 24,
        metrics.lineSpacing() * visibleGames + 8);
    return box;
}

void fillGameList(
    QListWidget* list, const std::vector<ListedGame>& games, const GameTypeNameTable& gameTypeNames)
{
    list->clear();
    for (const ListedGame& listed : games) {
        auto* item = new QListWidgetItem(gameLine(listed.game, gameTypeNames));
        item->setData(RecordNumberRole, listed.RecordNumber);
        list->addItem(item);
    }
}

qint32 listedRecordNumber(const QListWidgetItem& item)
{
    return item.data(RecordNumberRole).toInt();
}

} // namespace scorvane
