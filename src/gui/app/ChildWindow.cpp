#include "gui/app/ChildWindow.h"

#include "gui/app/WindowHost.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

namespace scorvane {

ChildWindow::ChildWindow(WindowHost& host, WindowKind kind, QWidget* parent)
    : QWidget(parent)
    , host_(host)
    , kind_(kind)
{
    host_.markOpen(kind_, true);
}

ChildWindow::~ChildWindow()
{
    host_.markOpen(kind_, false);
}

AppState& ChildWindow::state()
{
    return host_.state();
}

Prompter& ChildWindow::prompter()
{
    return host_.prompter();
}

void ChildWindow::returnToTeamWindow()
{
    if (modalHost_ != nullptr) {
        modalHost_->accept();
        return;
    }
    host_.switchWindow(WindowSelectTeam, this);
}

void ChildWindow::switchTo(WindowKind kind)
{
    host_.switchWindow(kind, this);
}

void ChildWindow::setDialogKeys(QPushButton* enter, QPushButton* escape, bool enterFromLists)
{
    enterButton_ = enter;
    escapeButton_ = escape;
    enterFromLists_ = enterFromLists;
}

namespace {

bool press(QPushButton* button)
{
    if (button == nullptr || button->isHidden() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

} // namespace

void ChildWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys reach the window only when the widget with the focus left them unused.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    QWidget* focused = QApplication::focusWidget();
    bool handled = false;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto* button = qobject_cast<QPushButton*>(focused))
            handled = press(button);
        else if (enterFromLists_ || qobject_cast<QAbstractItemView*>(focused) == nullptr)
            handled = press(enterButton_);
    } else if (plain && event->key() == Qt::Key_Escape) {
        handled = press(escapeButton_);
    }
    if (handled)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

} // namespace scorvane
