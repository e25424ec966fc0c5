#include "gui/app/DesktopPrompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace scorvane {
namespace {

QMessageBox::StandardButton toStandard(Message::Answer answer)
{
    switch (answer) {
    case Message::Answer::Ok:
        return QMessageBox::Ok;
    case Message::Answer::Cancel:
        return QMessageBox::Cancel;
    case Message::Answer::Yes:
        return QMessageBox::Yes;
    case Message::Answer::No:
        return QMessageBox::No;
    case Message::Answer::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::None:
        return QMessageBox::NoIcon;
    case Message::Icon::Information:
        return QMessageBox::Information;
    case Message::Icon::Question:
        return QMessageBox::Question;
    case Message::Icon::Warning:
        return QMessageBox::Warning;
    case Message::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toButtons(Message::Buttons buttons)
{
    switch (buttons) {
    case Message::Buttons::Ok:
        return QMessageBox::Ok;
    case Message::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Message::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Message::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Message::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Message::Answer DesktopPrompter::ask(QWidget* over, const Message& message)
{
    QMessageBox box(
        toIcon(message.icon), message.title, message.text, toButtons(message.buttons), over);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(toStandard(message.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Message::Answer::Ok;
    case QMessageBox::Yes:
        return Message::Answer::Yes;
    case QMessageBox::No:
        return Message::Answer::No;
    case QMessageBox::Retry:
        return Message::Answer::Retry;
    default:
        return Message::Answer::Cancel;
    }
}

QString DesktopPrompter::saveFileName(QWidget* over, const FileQuestion& question)
{
    QFileDialog dialog(over, question.title, question.startFolder, question.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(question.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !question.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DesktopPrompter::openFileName(QWidget* over, const FileQuestion& question)
{
    QFileDialog dialog(over, question.title, question.startFolder, question.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DesktopPrompter::askText(QWidget* over, const TextQuestion& question)
{
    QInputDialog dialog(over);
    dialog.setObjectName(QStringLiteral("TextQuestion"));
    dialog.setWindowTitle(question.title);
    dialog.setLabelText(question.label);
    dialog.setTextValue(question.text);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

bool DesktopPrompter::printerSetup(QWidget* over, QPrinter& printer)
{
    QPrintDialog dialog(&printer, over);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace scorvane
