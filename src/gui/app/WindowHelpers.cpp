#include "gui/app/WindowHelpers.h"

#include "gui/app/Prompter.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace scorvane {

QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    return named(new QPushButton(caption, parent), objectName);
}

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text)
{
    return named(new QLabel(text, parent), objectName);
}

QLineEdit* makeTextBox(QWidget* parent, const char* objectName, int maxLength)
{
    auto* box = named(new QLineEdit(parent), objectName);
    box->setMaxLength(maxLength);
    return box;
}

QFont fixedPitchFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void setFixedPitchList(
    QWidget* list, const QFont& font, QChar sample, int columns, int lines, QSize frame)
{
    list->setFont(font);
    const QFontMetrics metrics(font);
    list->setMinimumSize(metrics.horizontalAdvance(QString(columns, sample)) + frame.width(),
        metrics.lineSpacing() * lines + frame.height());
}

bool reallyCancel(Prompter& prompter, QWidget* over, const QString& title)
{
    const Message question{title, QStringLiteral("Do you really want to cancel?"),
        Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No};
    return prompter.ask(over, question) == Message::Answer::Yes;
}

bool saveFirst(Prompter& prompter, QWidget* over, const QString& title, const QString& question)
{
    const Message message{
        title, question, Message::Buttons::YesNo, Message::Icon::None, Message::Answer::Yes};
    return prompter.ask(over, message) == Message::Answer::Yes;
}

} // namespace scorvane
