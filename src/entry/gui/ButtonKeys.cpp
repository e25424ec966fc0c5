#include "entry/gui/ButtonKeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>

#include <utility>

namespace scorvane {

ButtonKeys::ButtonKeys(
    QWidget* window, QList<QPushButton*> accessButtons, QPushButton* escapeButton)
    : QObject(window)
    , accessButtons_(std::move(accessButtons))
    , escapeButton_(escapeButton)
{ }

void ButtonKeys::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

QPushButton* ButtonKeys::accessButton(const QKeyEvent* key) const
{
    if (key->modifiers() != Qt::AltModifier)
        return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key->key())));
    for (QPushButton* button : accessButtons_) {
        if (button->isVisible() && button->isEnabled()
            && QKeySequence::mnemonic(button->text()) == pressed)
            return button;
    }
    return nullptr;
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (QPushButton* button = accessButton(key)) {
        // Accepting the override keeps the key from the menus; the press then clicks.
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
        }
        return true;
    }
    if (event->type() != QEvent::KeyPress || (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    if (key->key() == Qt::Key_Escape && escapeButton_->isEnabled()) {
        escapeButton_->click();
        return true;
    }
    auto* focused = qobject_cast<QPushButton*>(watched);
    if (focused != nullptr && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        focused->click();
        return true;
    }
    return false;
}

} // namespace scorvane
