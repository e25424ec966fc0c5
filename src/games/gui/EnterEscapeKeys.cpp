#include "games/gui/EnterEscapeKeys.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace scorvane {

namespace {

bool Press(QPushButton* button)
{
    if (button == nullptr || !button->isVisible() || !button->isEnabled())
        return false;
    button->click();
    return true;
}

} // namespace

EnterEscapeKeys::EnterEscapeKeys(
    QWidget* window, QPushButton* enterButton, QPushButton* escapeButton)
    : QObject(window)
    , enterButton_(enterButton)
    , escapeButton_(escapeButton)
{ }

void EnterEscapeKeys::Install(QWidget* window, QPushButton* enterButton, QPushButton* escapeButton)
{
    window->installEventFilter(new EnterEscapeKeys(window, enterButton, escapeButton));
}

bool EnterEscapeKeys::eventFilter(QObject* /*watched*/, QEvent* event)
{
    // Key presses reach the window only when the widget with the focus has left them unused
    // (a text box passes Enter on after finishing its edit).
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget()))
            return Press(focused);
        return Press(enterButton_);
    case Qt::Key_Escape:
        return Press(escapeButton_);
    default:
        return false;
    }
}

} // namespace scorvane
