#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace scorvane {

class Prompter;

// Widgets as every window builds them: named once, by their control name, where they are made.
template <typename Widget> Widget* named(Widget* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}
QPushButton* makeButton(QWidget* parent, const char* objectName, const QString& caption);
QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text = {});
QLineEdit* makeTextBox(QWidget* parent, const char* objectName, int maxLength);

// The fixed-pitch font of lists whose lines are laid out in columns, as the printed reports are.
QFont fixedPitchFont();

// Gives a list the fixed-pitch font and room for `columns` characters as wide as `sample` and
// `lines` lines, plus `frame` pixels across and down.
void setFixedPitchList(
    QWidget* list, const QFont& font, QChar sample, int columns, int lines, QSize frame = {});

// The questions of a window holding changes no one has saved. Both answer true for Yes.
// "Do you really want to cancel?" (default No), asked before the changes are dropped.
bool reallyCancel(Prompter& prompter, QWidget* over, const QString& title);
// `question` ("Save game information?", default Yes), asked before leaving for another window.
bool saveFirst(Prompter& prompter, QWidget* over, const QString& title, const QString& question);

} // namespace scorvane
