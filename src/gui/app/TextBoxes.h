#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace scorvane {

// Behaviour shared by the program's text boxes: the whole text is selected when the box gets the
// focus, a typed or pasted character that the data
// files cannot hold is dropped, and numeric boxes drop every key but digits, Backspace and Delete.
class TextBoxes : public QObject
{
    Q_OBJECT

public:
    // The box also keeps only characters with a Windows-1252 byte: anything else would be saved
    // as "?".
    static void selectAllOnFocus(QLineEdit* box);
    static void digitsOnly(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void keepStorableCharacters(QLineEdit* box);

    TextBoxes(QObject* parent, bool digitsOnly);

    bool digitsOnly_ = false;
};

} // namespace scorvane
