#pragma once

#include "core/roster/PlayerContacts.h"
#include "gui/app/ChildWindow.h"

#include <QList>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace scorvane {

// The roster: one line per shirt number 1-99, the name and seven contact fields of the chosen
// number. Names change the shared roster tables at once; nothing reaches the disk before Close,
// which rewrites the roster and player-information files.
class RosterWindow : public ChildWindow
{
    Q_OBJECT

public:
    bool queryClose() override;
    explicit RosterWindow(WindowHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void load();
    void playerListClicked(int line);
    void showPlayer();
    void playerNameFocusLost();
    void freeCurrentSlot();
    void selectLineQuietly(int line);
    void refreshLine(int number);
    void deleteClicked();
    void printClicked();
    void closeClicked();

    PlayerContactTable contacts_;
    int currentNumber_ = 1;
    int pendingLine_ = NoLine;
    bool busy_ = false;
    static constexpr int NoLine = 999;

    QListWidget* playerListList_ = nullptr;
    QLineEdit* playerNameEdit_ = nullptr;
    QLineEdit* phoneEdit_ = nullptr;
    QLineEdit* address1Edit_ = nullptr;
    QLineEdit* address2Edit_ = nullptr;
    QLineEdit* cityEdit_ = nullptr;
    QLineEdit* stateEdit_ = nullptr;
    QLineEdit* zipEdit_ = nullptr;
    QLineEdit* otherEdit_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QList<QWidget*> enterOrder_;
};

} // namespace scorvane
