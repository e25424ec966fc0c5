#pragma once

#include <QList>
#include <QObject>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace scorvane {

// Keys that press a window's buttons from wherever the focus is in it: Alt and a button's access
// letter, ahead of the main window's menus that share some letters (Alt+O is OK here, not
// Options); Escape for the cancel button; Enter on a button that has the focus (the buttons are
// not default buttons, which would take Enter from the text boxes).
class ButtonKeys : public QObject
{
public:
    ButtonKeys(QWidget* window, QList<QPushButton*> accessButtons, QPushButton* escapeButton);

    // Every widget that can take the focus in the window must be watched: a menu's shortcut is
    // offered to the focus widget first.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* accessButton(const QKeyEvent* key) const;

    QList<QPushButton*> accessButtons_;
    QPushButton* escapeButton_;
};

} // namespace scorvane
