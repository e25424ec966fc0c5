#include "gui/output/PrintDialog.h"

#include "core/output/ReportRequest.h"
#include "core/state/AppState.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace scorvane {

namespace {

QLineEdit* TextBox(QWidget* parent, const char* name, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    return box;
}

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Selects the entry of `size`; none when the size is not offered.
void SelectSize(QComboBox* box, int size)
{
    box->setCurrentIndex(box->findData(size));
}

qint16 SizeChosen(const QComboBox* box, qint16 stored)
{
    // A stored size the list does not offer stays as it was.
    return box->currentIndex() < 0 ? stored : static_cast<qint16>(box->currentData().toInt());
}

} // namespace

const QList<int>& PrintDialog::FontSizes()
{
    static const QList<int> sizes = {6, 8, 10, 12, 14, 16, 18};
    return sizes;
}

PrintDialog::PrintDialog(AppState& state, Prompter& prompter, QPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , prompter_(prompter)
    , printer_(printer)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print"));
    setModal(true);
    buildUi();
    load();
}

void PrintDialog::buildUi()
{
    txtTitle = TextBox(this, "txtTitle", 50);
    lblReportTitle = Named(new QLabel(QStringLiteral("Report Title:"), this), "lblReportTitle");
    lblReportTitle->setBuddy(txtTitle);

    auto* frame1 = Named(new QGroupBox(QStringLiteral("Printer"), this), "Frame1");
    txtLines = TextBox(frame1, "txtLines", 3);
    lblLines = Named(new QLabel(QStringLiteral("Lines per Page:"), frame1), "lblLines");
    lblLines->setBuddy(txtLines);
    txtCopies = TextBox(frame1, "txtCopies", 2);
    auto* label3 = Named(new QLabel(QStringLiteral("Copies:"), frame1), "Label3");
    label3->setBuddy(txtCopies);
    cmdSetup = Named(new QPushButton(QStringLiteral("&Setup"), frame1), "cmdSetup");
    auto* printerGrid = new QGridLayout(frame1);
    printerGrid->addWidget(lblLines, 0, 0);
    printerGrid->addWidget(txtLines, 0, 1);
    printerGrid->addWidget(label3, 1, 0);
    printerGrid->addWidget(txtCopies, 1, 1);
    printerGrid->addWidget(cmdSetup, 2, 0, 1, 2);

    auto* frame2 = Named(new QGroupBox(QStringLiteral("Font Size"), this), "Frame2");
    cmbTitleFont = Named(new QComboBox(frame2), "cmbTitleFont");
    cmbReportFont = Named(new QComboBox(frame2), "cmbReportFont");
    for (int size : FontSizes()) {
        cmbTitleFont->addItem(NumberText(size), size);
        cmbReportFont->addItem(NumberText(size), size);
    }
    chkTitleBold = Named(new QCheckBox(QStringLiteral("Bold"), frame2), "chkTitleBold");
    chkTitleBold->setAccessibleName(QStringLiteral("Title Bold"));
    chkReportBold = Named(new QCheckBox(QStringLiteral("Bold"), frame2), "chkReportBold");
    chkReportBold->setAccessibleName(QStringLiteral("Report Bold"));
    auto* label2 = Named(new QLabel(QStringLiteral("Title:"), frame2), "Label2");
    label2->setBuddy(cmbTitleFont);
    auto* label4 = Named(new QLabel(QStringLiteral("Report:"), frame2), "Label4");
    label4->setBuddy(cmbReportFont);
    auto* fontGrid = new QGridLayout(frame2);
    fontGrid->addWidget(label2, 0, 0);
    fontGrid->addWidget(cmbTitleFont, 0, 1);
    fontGrid->addWidget(chkTitleBold, 0, 2);
    fontGrid->addWidget(label4, 1, 0);
    fontGrid->addWidget(cmbReportFont, 1, 1);
    fontGrid->addWidget(chkReportBold, 1, 2);

    auto* frameFile = Named(new QGroupBox(QStringLiteral("Write to File:"), this), "FrameFile");
    txtFileName = TextBox(frameFile, "txtFileName", 260);
    txtFileName->setAccessibleName(QStringLiteral("File Name"));
    cmdFind = Named(new QPushButton(QStringLiteral("&Find..."), frameFile), "cmdFind");
    optReplace = Named(new QRadioButton(QStringLiteral("&Replace"), frameFile), "optReplace");
    optAppend = Named(
        new QRadioButton(QStringLiteral("&Append to Existing File"), frameFile), "optAppend");
    optReplace->setChecked(true);
    chkSavePdf = Named(new QCheckBox(QStringLiteral("Save as P&DF"), frameFile), "chkSavePdf");
    auto* lblReplace
        = Named(new QLabel(QStringLiteral("(Entering File Name will override printer)"), frameFile),
            "lblReplace");
    auto* fileGrid = new QGridLayout(frameFile);
    fileGrid->addWidget(txtFileName, 0, 0, 1, 2);
    fileGrid->addWidget(cmdFind, 0, 2);
    fileGrid->addWidget(optReplace, 1, 0);
    fileGrid->addWidget(optAppend, 1, 1, 1, 2);
    fileGrid->addWidget(chkSavePdf, 2, 0, 1, 3);
    fileGrid->addWidget(lblReplace, 3, 0, 1, 3);

    txtTopX = TextBox(this, "txtTopX", 3);
    lblTopX = Named(new QLabel(QStringLiteral("Print Top"), this), "lblTopX");
    lblTopX->setBuddy(txtTopX);
    lblTopX2 = Named(new QLabel(QStringLiteral("Players"), this), "lblTopX2");

    cmdOK = Named(new QPushButton(QStringLiteral("&Print"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(lblReportTitle);
    titleRow->addWidget(txtTitle, 1);
    auto* frames = new QHBoxLayout;
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblTopX);
    bottom->addWidget(txtTopX);
    bottom->addWidget(lblTopX2);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    bottom->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(frames);
    layout->addWidget(frameFile);
    layout->addLayout(bottom);

    for (QLineEdit* box : {txtTitle, txtLines, txtCopies, txtFileName, txtTopX})
        TextBoxes::SelectAllOnFocus(box, &state_.TextAtFocus);
    for (QLineEdit* box : {txtLines, txtCopies, txtTopX})
        TextBoxes::DigitsOnly(box);

    connect(cmdOK, &QPushButton::clicked, this, &PrintDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &PrintDialog::cmdCancel_Click);
    connect(cmdSetup, &QPushButton::clicked, this, &PrintDialog::cmdSetup_Click);
    connect(cmdFind, &QPushButton::clicked, this, &PrintDialog::cmdFind_Click);
    connect(chkSavePdf, &QCheckBox::toggled, this, &PrintDialog::pdfChanged);
}

void PrintDialog::load()
{
    const QString kind = state_.ReportKind;
    txtTitle->setText(DefaultReportTitle(kind));
    const bool topPlayers = kind == u"P";
    lblTopX->setVisible(topPlayers);
    txtTopX->setVisible(topPlayers);
    lblTopX2->setVisible(topPlayers);
    lblLines->setVisible(kind != u"R");
    txtLines->setVisible(kind != u"R");
    txtLines->setText(QString::number(state_.LinesPerPage));
    txtCopies->setText(QStringLiteral("1"));
    txtTopX->setText(QStringLiteral("999"));

    for (qint16* size : {&state_.TitleFontSize, &state_.ReportFontSize}) {
        if (*size < 6 || *size > 18)
            *size = 12;
    }
    SelectSize(cmbTitleFont, state_.TitleFontSize);
    SelectSize(cmbReportFont, state_.ReportFontSize);
    chkTitleBold->setChecked(state_.TitleBold != 0);
    chkReportBold->setChecked(state_.ReportBold != 0);
}

void PrintDialog::refuse(const QString& title, const QString& text, QLineEdit* focus)
{
    prompter_.tell(this, title, text);
    focus->setFocus();
    focus->selectAll();
}

void PrintDialog::cmdOK_Click()
{
    const qint64 copies = NumericValue(txtCopies->text());
    const qint64 lines = NumericValue(txtLines->text());
    const qint64 top = NumericValue(txtTopX->text());
    const QString fileName = TrimBlanks(txtFileName->text());
    const bool pdf = chkSavePdf->isChecked();
    const QString copiesInvalid = QStringLiteral("Copies Invalid");
    if (copies < 1) {
        refuse(copiesInvalid, QStringLiteral("Must be greater than 1"), txtCopies);
        return;
    }
    if (copies > 50) {
        refuse(copiesInvalid, QStringLiteral("50 copies maximum"), txtCopies);
        return;
    }
    if (lines < 21) {
        refuse(QStringLiteral("Lines per Page Invalid"), QStringLiteral("Must be greater than 20"),
            txtLines);
        return;
    }
    if (top == 0) {
        refuse(QStringLiteral("Top Players Invalid"), QStringLiteral("Must be 1 to 999"), txtTopX);
        return;
    }
    if (pdf && fileName.isEmpty()) {
        refuse(QStringLiteral("File Name Invalid"),
            QStringLiteral("Enter the name of the PDF file"), txtFileName);
        return;
    }
    state_.ReportTitle = txtTitle->text();
    state_.OutputFileName = fileName;
    state_.OutputAsPdf = pdf ? QStringLiteral("Y") : QStringLiteral("N");
    state_.LinesPerPage = static_cast<qint16>(lines);
    state_.PrintTop = static_cast<qint16>(top);
    state_.CopiesLeft = static_cast<qint16>(copies);
    state_.AppendToFile
        = optAppend->isChecked() && !pdf ? QStringLiteral("A") : QStringLiteral("R");
    state_.TitleFontSize = SizeChosen(cmbTitleFont, state_.TitleFontSize);
    state_.ReportFontSize = SizeChosen(cmbReportFont, state_.ReportFontSize);
    state_.TitleBold = chkTitleBold->isChecked() ? -1 : 0;
    state_.ReportBold = chkReportBold->isChecked() ? -1 : 0;
    accept();
}

void PrintDialog::cmdCancel_Click()
{
    reject();
}

void PrintDialog::reject()
{
    state_.DialogResult = QStringLiteral("Y");
    QDialog::reject();
}

void PrintDialog::cmdSetup_Click()
{
    prompter_.printerSetup(this, printer_);
}

void PrintDialog::cmdFind_Click()
{
    const bool pdf = chkSavePdf->isChecked();
    FileQuestion question;
    question.title = QStringLiteral("Set Filename to Print To:");
    question.filter = pdf ? QStringLiteral("PDF (*.PDF)") : QStringLiteral("Text (*.TXT)");
    question.defaultSuffix = pdf ? QStringLiteral("PDF") : QStringLiteral("TXT");
    question.startFolder = state_.DataPath;
    question.confirmOverwrite = true;
    const QString chosen = prompter_.saveFileName(this, question);
    if (!chosen.isEmpty())
        txtFileName->setText(chosen);
}

void PrintDialog::pdfChanged()
{
    // A PDF is always written whole: appending does not apply.
    const bool pdf = chkSavePdf->isChecked();
    if (pdf)
        optReplace->setChecked(true);
    optAppend->setEnabled(!pdf);
}

} // namespace scorvane
