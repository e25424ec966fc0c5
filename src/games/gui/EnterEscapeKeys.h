#pragma once

#include <QObject>

class QPushButton;
class QWidget;

namespace scorvane {

// Enter and Escape for a window shown inside the main window. Qt gives default and cancel buttons
// to dialogs only, so a child window would otherwise ignore both keys. Enter presses the button
// that has the focus, or else `enterButton`; Escape presses `escapeButton`. A hidden or disabled
// button is not pressed. Either button may be null.
class EnterEscapeKeys : public QObject
{
    Q_OBJECT

public:
    static void Install(QWidget* window, QPushButton* enterButton, QPushButton* escapeButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterEscapeKeys(QWidget* window, QPushButton* enterButton, QPushButton* escapeButton);

    QPushButton* enterButton_;
    QPushButton* escapeButton_;
};

} // namespace scorvane
