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
    bool QueryClose() override;
    explicit RosterWindow(WindowHost& host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    void load();
    void lstPlayerList_Click(int line);
    void showPlayer();
    void txtPlayerName_LostFocus();
    void freeCurrentSlot();
    void selectLineQuietly(int line);
    void refreshLine(int number);
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    PlayerContactTable contacts_;
    int currentNumber_ = 1;
    int pendingLine_ = NoLine;
    bool busy_ = false;
    static constexpr int NoLine = 999;

    QListWidget* lstPlayerList = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    QLineEdit* txtPhone = nullptr;
    QLineEdit* txtAddress1 = nullptr;
    QLineEdit* txtAddress2 = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtState = nullptr;
    QLineEdit* txtZip = nullptr;
    QLineEdit* txtOther = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    QList<QWidget*> enterOrder_;
};

} // namespace scorvane
