#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace scorvane {

// Behaviour shared by the program's text boxes: the whole text is selected when the box gets the
// focus (and remembered as the text-at-focus value), and numeric boxes drop every key but digits,
// Backspace and Delete.
class TextBoxes : public QObject
{
    Q_OBJECT

public:
    // `textAtFocus` (may be null) receives the box's text each time it gets the focus.
    static void SelectAllOnFocus(QLineEdit* box, QString* textAtFocus = nullptr);
    static void DigitsOnly(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextBoxes(QObject* parent, bool digitsOnly, QString* textAtFocus);

    bool digitsOnly_ = false;
    QString* textAtFocus_ = nullptr;
};

} // namespace scorvane
