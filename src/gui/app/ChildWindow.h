#pragma once

#include "core/state/AppState.h"
#include "gui/app/WindowKind.h"

#include <QPointer>
#include <QPushButton>
#include <QWidget>

class QDialog;

namespace scorvane {

class Prompter;
class WindowHost;

// Base of every child window shown in the main window: marked open in its host while it exists,
// and reaches the program state, the prompter and window switching through its host.
class ChildWindow : public QWidget
{
    Q_OBJECT

public:
    ChildWindow(WindowHost& host, WindowKind kind, QWidget* parent = nullptr);
    ~ChildWindow() override;

    WindowKind kind() const { return kind_; }

    // Called by the host once the window is in place and shown; windows that do work on opening
    // which may show a message (e.g. a start-up notice) do it here, not in the constructor.
    virtual void opened() { }

    // Asked before the program ends while this window is open: a window holding work that only
    // its own buttons write either writes it now or asks; false keeps the program running.
    virtual bool queryClose() { return true; }

    // Set when the window is shown as a modal dialog (WindowHost::showModal): leaving it then
    // closes the dialog and returns to the caller instead of showing the team window.
    void setModalHost(QDialog* dialog) { modalHost_ = dialog; }
    bool isModal() const { return modalHost_ != nullptr; }

protected:
    WindowHost& host() { return host_; }
    AppState& state();
    Prompter& prompter();

    // Unloads this window and shows the team window (or closes the modal dialog it is shown in).
    void returnToTeamWindow();
    // Unloads this window and shows a window of another kind.
    void switchTo(WindowKind kind);

    // Gives the window a dialog's keys: Enter presses the button with the focus, else `enter`;
    // Escape presses `escape`. While a list has the focus Enter is left to the list (where it
    // opens the line) unless `enterFromLists` says the list's line is what `enter` acts on.
    // Either button may be null. (Alt and a button's access letter are handled by the main
    // window for every child window.)
    void setDialogKeys(QPushButton* enter, QPushButton* escape, bool enterFromLists = false);
    void keyPressEvent(QKeyEvent* event) override;

private:
    WindowHost& host_;
    WindowKind kind_;
    QDialog* modalHost_ = nullptr;
    bool enterFromLists_ = false;
    QPointer<QPushButton> enterButton_;
    QPointer<QPushButton> escapeButton_;
};

} // namespace scorvane
