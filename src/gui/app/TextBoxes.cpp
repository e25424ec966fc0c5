#include "gui/app/TextBoxes.h"

#include "core/text/Formatting.h"
#include "core/text/TextCodec.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace scorvane {

TextBoxes::TextBoxes(QObject* parent, bool digitsOnly)
    : QObject(parent)
    , digitsOnly_(digitsOnly)
{ }

void TextBoxes::selectAllOnFocus(QLineEdit* box)
{
    box->installEventFilter(new TextBoxes(box, false));
    keepStorableCharacters(box);
}

void TextBoxes::keepStorableCharacters(QLineEdit* box)
{
    // Only the user's own edits are filtered: text read from a file is storable already.
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString kept = TextCodec::storableOnly(text);
        if (kept.size() == text.size())
            return;
        const qsizetype cursor = box->cursorPosition();
        const qsizetype droppedBeforeCursor
            = cursor - TextCodec::storableOnly(text.left(cursor)).size();
        box->setText(kept);
        box->setCursorPosition(static_cast<int>(cursor - droppedBeforeCursor));
    });
}

void TextBoxes::digitsOnly(QLineEdit* box)
{
    box->installEventFilter(new TextBoxes(box, true));
}

bool TextBoxes::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return false;
    if (event->type() == QEvent::FocusIn && !digitsOnly_) {
        // Select after the focus-in handling, which would otherwise place the cursor.
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
        return false;
    }
    if (event->type() == QEvent::KeyPress && digitsOnly_) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            return false;
        if (text.isEmpty() || !text[0].isPrint())
            return false; // navigation, Enter, Tab and shortcuts are not characters
        return digitKeyFilter(text[0].unicode()) == 0;
    }
    return false;
}

} // namespace scorvane
