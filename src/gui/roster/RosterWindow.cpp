#include "gui/roster/RosterWindow.h"

#include "core/roster/RosterPrintout.h"
#include "core/roster/RosterTable.h"
#include "core/text/Blanks.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHost.h"
#include "gui/output/DesktopOutput.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace scorvane {

namespace {

struct InfoBox
{
    const char* name;
    const char* caption;
    int width;
    QString PlayerContact::*field;
};

const InfoBox InfoBoxes[] = {
    {"txtPhone", "Phone Number:", PlayerContact::PhoneWidth, &PlayerContact::Phone},
    {"txtAddress1", "Address Line 1:", PlayerContact::AddressWidth, &PlayerContact::Address1},
    {"txtAddress2", "Address Line 2:", PlayerContact::AddressWidth, &PlayerContact::Address2},
    {"txtCity", "City:", PlayerContact::CityWidth, &PlayerContact::City},
    {"txtState", "State:", PlayerContact::StateWidth, &PlayerContact::State},
    {"txtZip", "Zip:", PlayerContact::ZipWidth, &PlayerContact::Zip},
    {"txtOther", "Other Information (70 characters):", PlayerContact::OtherInfoWidth,
        &PlayerContact::OtherInfo},
};

} // namespace

RosterWindow::RosterWindow(WindowHost& host)
    : ChildWindow(host, WindowRoster)
{
    setObjectName(QStringLiteral("frmRoster"));
    setWindowTitle(QStringLiteral("Roster - ") + state().CurrentTeamName);
    buildUi();
    load();
}

void RosterWindow::buildUi()
{
    lstPlayerList = new QListWidget(this);
    lstPlayerList->setObjectName(QStringLiteral("lstPlayerList"));
    lstPlayerList->setAccessibleName(QStringLiteral("Players"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    lstPlayerList->setFont(fixed);
    const QFontMetrics metrics(fixed);
    lstPlayerList->setMinimumWidth(metrics.horizontalAdvance(QString(30, u'M')));
    lstPlayerList->setMinimumHeight(metrics.lineSpacing() * 22);

    auto* form = new QFormLayout;
    txtPlayerName = new QLineEdit(this);
    txtPlayerName->setObjectName(QStringLiteral("txtPlayerName"));
    txtPlayerName->setMaxLength(17);
    txtPlayerName->setMaximumWidth(txtPlayerName->fontMetrics().averageCharWidth() * (17 + 4));
    form->addRow(QStringLiteral("Player Name:"), txtPlayerName);
    QList<QLineEdit*> infoBoxes;
    for (const InfoBox& info : InfoBoxes) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(info.name));
        box->setMaxLength(info.width);
        // Short fields are drawn at about their own width, the long ones take the row.
        if (info.width <= PlayerContact::CityWidth)
            box->setMaximumWidth(box->fontMetrics().averageCharWidth() * (info.width + 4));
        form->addRow(QString::fromLatin1(info.caption), box);
        infoBoxes << box;
        connect(box, &QLineEdit::textEdited, this, [this, field = info.field](const QString& text) {
            contacts_[currentNumber_].*field = text;
        });
    }
    txtPhone = infoBoxes[0];
    txtAddress1 = infoBoxes[1];
    txtAddress2 = infoBoxes[2];
    txtCity = infoBoxes[3];
    txtState = infoBoxes[4];
    txtZip = infoBoxes[5];
    txtOther = infoBoxes[6];
    txtOther->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QString(50, u'n')));

    cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);

    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstPlayerList);
    layout->addLayout(right, 1);

    enterOrder_ = {txtPlayerName, txtPhone, txtAddress1, txtAddress2, txtCity, txtState, txtZip,
        txtOther, cmdClose};
    TextBoxes::SelectAllOnFocus(txtPlayerName, &state().TextAtFocus);
    txtPlayerName->installEventFilter(this);
    for (QLineEdit* box : infoBoxes) {
        TextBoxes::SelectAllOnFocus(box, &state().TextAtFocus);
        box->installEventFilter(this);
    }
    for (QPushButton* button : {cmdDelete, cmdPrint, cmdClose}) {
        // Shown as a dialog above the player screen, no button may become the dialog's default
        // and catch an Enter meant for the list; Enter presses only the focused button.
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    setTabOrder(lstPlayerList, txtPlayerName);
    for (int i = 0; i + 1 < enterOrder_.size(); ++i)
        setTabOrder(enterOrder_[i], enterOrder_[i + 1]);

    connect(
        lstPlayerList, &QListWidget::currentRowChanged, this, &RosterWindow::lstPlayerList_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &RosterWindow::cmdDelete_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &RosterWindow::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &RosterWindow::cmdClose_Click);
}

void RosterWindow::load()
{
    busy_ = true;
    lstPlayerList->clear();
    for (int n = 1; n <= 99; ++n)
        lstPlayerList->addItem(PlayerListLine(state(), n));
    busy_ = false;
    contacts_ = ReadPlayerContacts(state().Files);
    pendingLine_ = NoLine;
    lstPlayerList->setCurrentRow(0);
}

bool RosterWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const auto at = enterOrder_.indexOf(qobject_cast<QWidget*>(watched));
        if (enter && at >= 0 && at + 1 < enterOrder_.size()) {
            enterOrder_[at + 1]->setFocus(Qt::TabFocusReason);
            return true;
        }
        // The Enter order ends on Close: Enter there (or on any button) presses the button.
        if (auto* button = qobject_cast<QPushButton*>(watched); enter && button != nullptr) {
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && watched == txtPlayerName)
        txtPlayerName_LostFocus();
    return ChildWindow::eventFilter(watched, event);
}

void RosterWindow::lstPlayerList_Click(int line)
{
    if (busy_ || line < 0)
        return;
    if (pendingLine_ != NoLine) {
        const int pending = pendingLine_;
        pendingLine_ = NoLine;
        if (pending != line) {
            lstPlayerList->setCurrentRow(pending);
            return;
        }
    }
    currentNumber_ = line + 1;
    showPlayer();
}

void RosterWindow::showPlayer()
{
    const int n = currentNumber_;
    txtPlayerName->setText(
        state().RosterFree[n] == u"N" ? RightTrimBlanks(state().RosterNames[n]) : QString());
    const PlayerContact& contact = contacts_[n];
    const QList<QLineEdit*> boxes
        = {txtPhone, txtAddress1, txtAddress2, txtCity, txtState, txtZip, txtOther};
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(TrimBlanks(contact.*(InfoBoxes[i].field)));
}

void RosterWindow::txtPlayerName_LostFocus()
{
    const int currentLine = currentNumber_ - 1;
    const int selected = lstPlayerList->currentRow();
    pendingLine_ = selected != currentLine ? selected : NoLine;
    switch (ApplyNameEdit(state(), currentNumber_, txtPlayerName->text())) {
    case NameEdit::Unchanged:
        pendingLine_ = NoLine;
        break;
    case NameEdit::Freed:
        refreshLine(currentNumber_);
        selectLineQuietly(currentLine);
        pendingLine_ = NoLine;
        break;
    case NameEdit::Named:
        refreshLine(currentNumber_);
        selectLineQuietly(currentLine);
        if (pendingLine_ != NoLine)
            lstPlayerList_Click(currentLine);
        break;
    }
}

void RosterWindow::refreshLine(int number)
{
    busy_ = true;
    lstPlayerList->item(number - 1)->setText(PlayerListLine(state(), number));
    busy_ = false;
}

void RosterWindow::selectLineQuietly(int line)
{
    busy_ = true;
    lstPlayerList->setCurrentRow(line);
    busy_ = false;
}

void RosterWindow::freeCurrentSlot()
{
    FreeRosterSlot(state(), currentNumber_);
    refreshLine(currentNumber_);
}

void RosterWindow::cmdDelete_Click()
{
    txtPlayerName_LostFocus();
    const Message question{QStringLiteral("Delete Player From Roster"),
        QStringLiteral("Are you sure you want to delete the player name and information?"),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    if (prompter().ask(this, question) != Message::Answer::Yes)
        return;
    freeCurrentSlot();
    for (QLineEdit* box :
        {txtPlayerName, txtPhone, txtAddress1, txtAddress2, txtCity, txtState, txtZip, txtOther})
        box->clear();
    contacts_[currentNumber_] = PlayerContact{};
    selectLineQuietly(currentNumber_ - 1);
}

void RosterWindow::cmdPrint_Click()
{
    txtPlayerName_LostFocus();
    state().ReportKind = QStringLiteral("X");
    if (!ShowPrintDialog(this, state(), prompter()))
        return;
    BusyPointer busy;
    DesktopOutput output(this, state(), prompter());
    const bool toPrinter = output.toPrinter();
    PrintRoster(state(), contacts_, output.engine(), [toPrinter] {
        // The printer is given a moment after it is opened; files need none.
        if (toPrinter)
            QThread::msleep(500);
    });
}

void RosterWindow::cmdClose_Click()
{
    QueryClose();
    ReturnToTeamWindow();
}

bool RosterWindow::QueryClose()
{
    // The roster reaches the disk only here; ending the program keeps the edits too.
    txtPlayerName_LostFocus();
    RewriteRosterFile(state());
    RewritePlayerContacts(state().Files, contacts_);
    return true;
}

} // namespace scorvane
