#include "ui/ChildWindow.h"

#include "ui/WindowHost.h"

#include <QDialog>

namespace scorvane {

ChildWindow::ChildWindow(WindowHost& host, WindowKind kind, QWidget* parent)
    : QWidget(parent)
    , host_(host)
    , kind_(kind)
{
    host_.state().WindowOpen[kind_] = true;
}

ChildWindow::~ChildWindow()
{
    host_.state().WindowOpen[kind_] = false;
}

AppState& ChildWindow::state()
{
    return host_.state();
}

Prompter& ChildWindow::prompter()
{
    return host_.prompter();
}

void ChildWindow::ReturnToTeamWindow()
{
    if (modalHost_ != nullptr) {
        modalHost_->accept();
        return;
    }
    host_.SwitchWindow(WindowSelectTeam, this);
}

void ChildWindow::SwitchTo(WindowKind kind)
{
    host_.SwitchWindow(kind, this);
}

} // namespace scorvane
