#include "gui/output/PrintDialog.h"

#include "core/output/OutputEngine.h"
#include "core/output/ReportPrinting.h"
#include "core/state/ProgramSettings.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"
#include "gui/app/Prompter.h"
#include "gui/app/TextBoxes.h"
#include "gui/app/WindowHelpers.h"

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

// Selects the entry of `size`; none when the size is not offered.
void selectSize(QComboBox* box, int size)
{
    box->setCurrentIndex(box->findData(size));
}

struct FileKind
{
    QString name;   // as a message names it
    QString filter; // the file dialog's filter
    QString suffix;
};

FileKind fileKind(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Pdf:
        return {QStringLiteral("PDF"), QStringLiteral("PDF (*.PDF)"), QStringLiteral("PDF")};
    case OutputFormat::Csv:
        return {QStringLiteral("CSV"), QStringLiteral("CSV (*.csv)"), QStringLiteral("csv")};
    case OutputFormat::Html:
        return {QStringLiteral("HTML"), QStringLiteral("HTML (*.html)"), QStringLiteral("html")};
    case OutputFormat::Xlsx:
        return {QStringLiteral("workbook"), QStringLiteral("Workbook (*.xlsx)"),
            QStringLiteral("xlsx")};
    case OutputFormat::Text:
        break;
    }
    return {QStringLiteral("text"), QStringLiteral("Text (*.TXT)"), QStringLiteral("TXT")};
}

int sizeChosen(const QComboBox* box, int stored)
{
    // A stored size the list does not offer stays as it was.
    return box->currentIndex() < 0 ? stored : box->currentData().toInt();
}

} // namespace

const QList<int>& PrintDialog::FontSizes()
{
    static const QList<int> sizes = {6, 8, 10, 12, 14, 16, 18};
    return sizes;
}

void PrintChoice::applyTo(PrintJob& job, ProgramSettings& settings) const
{
    job.title = title;
    job.outputFile = outputFile;
    job.format = format;
    job.append = append;
    job.top = top;
    job.copies = copies;
    settings.linesPerPage = linesPerPage;
    settings.titleFontSize = titleFontSize;
    settings.reportFontSize = reportFontSize;
    settings.titleBold = titleBold;
    settings.reportBold = reportBold;
}

int PrintDialog::offeredFontSize(int size)
{
    return size < 6 || size > 18 ? 12 : size;
}

PrintDialog::PrintDialog(ReportKind kind, const ProgramSettings& settings, Prompter& prompter,
    QPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , kind_(kind)
    , settings_(settings)
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
    titleEdit_ = makeTextBox(this, "txtTitle", 50);
    reportTitleLabel_ = named(new QLabel(QStringLiteral("Report Title:"), this), "lblReportTitle");
    reportTitleLabel_->setBuddy(titleEdit_);

    auto* frame1 = named(new QGroupBox(QStringLiteral("Printer"), this), "Frame1");
    linesEdit_ = makeTextBox(frame1, "txtLines", 3);
    linesLabel_ = named(new QLabel(QStringLiteral("Lines per Page:"), frame1), "lblLines");
    linesLabel_->setBuddy(linesEdit_);
    copiesEdit_ = makeTextBox(frame1, "txtCopies", 2);
    auto* label3 = named(new QLabel(QStringLiteral("Copies:"), frame1), "Label3");
    label3->setBuddy(copiesEdit_);
    setupButton_ = named(new QPushButton(QStringLiteral("&Setup"), frame1), "cmdSetup");
    auto* printerGrid = new QGridLayout(frame1);
    printerGrid->addWidget(linesLabel_, 0, 0);
    printerGrid->addWidget(linesEdit_, 0, 1);
    printerGrid->addWidget(label3, 1, 0);
    printerGrid->addWidget(copiesEdit_, 1, 1);
    printerGrid->addWidget(setupButton_, 2, 0, 1, 2);

    auto* frame2 = named(new QGroupBox(QStringLiteral("Font Size"), this), "Frame2");
    titleFontCombo_ = named(new QComboBox(frame2), "cmbTitleFont");
    reportFontCombo_ = named(new QComboBox(frame2), "cmbReportFont");
    for (int size : FontSizes()) {
        titleFontCombo_->addItem(numberText(size), size);
        reportFontCombo_->addItem(numberText(size), size);
    }
    titleBoldCheck_ = named(new QCheckBox(QStringLiteral("Bold"), frame2), "chkTitleBold");
    titleBoldCheck_->setAccessibleName(QStringLiteral("Title Bold"));
    reportBoldCheck_ = named(new QCheckBox(QStringLiteral("Bold"), frame2), "chkReportBold");
    reportBoldCheck_->setAccessibleName(QStringLiteral("Report Bold"));
    auto* label2 = named(new QLabel(QStringLiteral("Title:"), frame2), "Label2");
    label2->setBuddy(titleFontCombo_);
    auto* label4 = named(new QLabel(QStringLiteral("Report:"), frame2), "Label4");
    label4->setBuddy(reportFontCombo_);
    auto* fontGrid = new QGridLayout(frame2);
    fontGrid->addWidget(label2, 0, 0);
    fontGrid->addWidget(titleFontCombo_, 0, 1);
    fontGrid->addWidget(titleBoldCheck_, 0, 2);
    fontGrid->addWidget(label4, 1, 0);
    fontGrid->addWidget(reportFontCombo_, 1, 1);
    fontGrid->addWidget(reportBoldCheck_, 1, 2);

    auto* frameFile = named(new QGroupBox(QStringLiteral("Write to File:"), this), "FrameFile");
    fileNameEdit_ = makeTextBox(frameFile, "txtFileName", 260);
    fileNameEdit_->setAccessibleName(QStringLiteral("File Name"));
    findButton_ = named(new QPushButton(QStringLiteral("&Find..."), frameFile), "cmdFind");
    replaceOption_ = named(new QRadioButton(QStringLiteral("&Replace"), frameFile), "optReplace");
    appendOption_ = named(
        new QRadioButton(QStringLiteral("&Append to Existing File"), frameFile), "optAppend");
    replaceOption_->setChecked(true);
    fileTypeCombo_ = named(new QComboBox(frameFile), "cmbFileType");
    fileTypeCombo_->addItem(QStringLiteral("Text"), static_cast<int>(OutputFormat::Text));
    fileTypeCombo_->addItem(QStringLiteral("PDF"), static_cast<int>(OutputFormat::Pdf));
    fileTypeCombo_->addItem(
        QStringLiteral("CSV (spreadsheet)"), static_cast<int>(OutputFormat::Csv));
    fileTypeCombo_->addItem(
        QStringLiteral("HTML (web page)"), static_cast<int>(OutputFormat::Html));
    fileTypeCombo_->addItem(
        QStringLiteral("XLSX (workbook)"), static_cast<int>(OutputFormat::Xlsx));
    auto* fileTypeLabel
        = named(new QLabel(QStringLiteral("File &Type:"), frameFile), "lblFileType");
    fileTypeLabel->setBuddy(fileTypeCombo_);
    auto* replaceLabel
        = named(new QLabel(QStringLiteral("(Entering File Name will override printer)"), frameFile),
            "lblReplace");
    auto* fileGrid = new QGridLayout(frameFile);
    fileGrid->addWidget(fileNameEdit_, 0, 0, 1, 2);
    fileGrid->addWidget(findButton_, 0, 2);
    fileGrid->addWidget(replaceOption_, 1, 0);
    fileGrid->addWidget(appendOption_, 1, 1, 1, 2);
    auto* fileTypeRow = new QHBoxLayout;
    fileTypeRow->addWidget(fileTypeLabel);
    fileTypeRow->addWidget(fileTypeCombo_);
    fileTypeRow->addStretch(1);
    fileGrid->addLayout(fileTypeRow, 2, 0, 1, 3);
    fileGrid->addWidget(replaceLabel, 3, 0, 1, 3);

    topXEdit_ = makeTextBox(this, "txtTopX", 3);
    topXLabel_ = named(new QLabel(QStringLiteral("Print Top"), this), "lblTopX");
    topXLabel_->setBuddy(topXEdit_);
    topX2Label_ = named(new QLabel(QStringLiteral("Players"), this), "lblTopX2");

    okButton_ = named(new QPushButton(QStringLiteral("&Print"), this), "cmdOK");
    okButton_->setDefault(true);
    cancelButton_ = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(reportTitleLabel_);
    titleRow->addWidget(titleEdit_, 1);
    auto* frames = new QHBoxLayout;
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(topXLabel_);
    bottom->addWidget(topXEdit_);
    bottom->addWidget(topX2Label_);
    bottom->addStretch(1);
    bottom->addWidget(okButton_);
    bottom->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(frames);
    layout->addWidget(frameFile);
    layout->addLayout(bottom);

    for (QLineEdit* box : {titleEdit_, linesEdit_, copiesEdit_, fileNameEdit_, topXEdit_})
        TextBoxes::selectAllOnFocus(box);
    for (QLineEdit* box : {linesEdit_, copiesEdit_, topXEdit_})
        TextBoxes::digitsOnly(box);

    connect(okButton_, &QPushButton::clicked, this, &PrintDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &PrintDialog::cancelClicked);
    connect(setupButton_, &QPushButton::clicked, this, &PrintDialog::setupClicked);
    connect(findButton_, &QPushButton::clicked, this, &PrintDialog::findClicked);
    connect(fileTypeCombo_, &QComboBox::currentIndexChanged, this, &PrintDialog::fileTypeChanged);
}

void PrintDialog::load()
{
    titleEdit_->setText(defaultReportTitle(kind_));
    const bool topPlayers = kind_ == ReportKind::PlayerStatistics;
    topXLabel_->setVisible(topPlayers);
    topXEdit_->setVisible(topPlayers);
    topX2Label_->setVisible(topPlayers);
    const bool pages = kind_ != ReportKind::Record;
    linesLabel_->setVisible(pages);
    linesEdit_->setVisible(pages);
    linesEdit_->setText(QString::number(settings_.linesPerPage));
    copiesEdit_->setText(QStringLiteral("1"));
    topXEdit_->setText(QStringLiteral("999"));

    selectSize(titleFontCombo_, offeredFontSize(settings_.titleFontSize));
    selectSize(reportFontCombo_, offeredFontSize(settings_.reportFontSize));
    titleBoldCheck_->setChecked(settings_.titleBold);
    reportBoldCheck_->setChecked(settings_.reportBold);
}

void PrintDialog::refuse(const QString& title, const QString& text, QLineEdit* focus)
{
    prompter_.tell(this, title, text);
    focus->setFocus();
    focus->selectAll();
}

void PrintDialog::okClicked()
{
    const qint64 copies = numericValue(copiesEdit_->text());
    const qint64 lines = numericValue(linesEdit_->text());
    const qint64 top = numericValue(topXEdit_->text());
    const QString fileName = trimBlanks(fileNameEdit_->text());
    const OutputFormat format = fileType();
    const QString copiesInvalid = QStringLiteral("Copies Invalid");
    if (copies < 1) {
        refuse(copiesInvalid, QStringLiteral("Must be greater than 1"), copiesEdit_);
        return;
    }
    if (copies > 50) {
        refuse(copiesInvalid, QStringLiteral("50 copies maximum"), copiesEdit_);
        return;
    }
    if (lines < 21) {
        refuse(QStringLiteral("Lines per Page Invalid"), QStringLiteral("Must be greater than 20"),
            linesEdit_);
        return;
    }
    if (top == 0) {
        refuse(
            QStringLiteral("Top Players Invalid"), QStringLiteral("Must be 1 to 999"), topXEdit_);
        return;
    }
    if (format != OutputFormat::Text && fileName.isEmpty()) {
        refuse(QStringLiteral("File Name Invalid"),
            QStringLiteral("Enter the name of the %1 file").arg(fileKind(format).name),
            fileNameEdit_);
        return;
    }
    choice_.title = titleEdit_->text();
    // A bare name goes into the report folder, whatever the program's working folder is.
    choice_.outputFile = outputFilePath(fileName, settings_.reportFolder);
    choice_.format = format;
    choice_.linesPerPage = static_cast<int>(lines);
    choice_.top = static_cast<int>(top);
    choice_.copies = static_cast<int>(copies);
    choice_.append = appendOption_->isChecked() && choice_.format == OutputFormat::Text;
    choice_.titleFontSize = sizeChosen(titleFontCombo_, offeredFontSize(settings_.titleFontSize));
    choice_.reportFontSize
        = sizeChosen(reportFontCombo_, offeredFontSize(settings_.reportFontSize));
    choice_.titleBold = titleBoldCheck_->isChecked();
    choice_.reportBold = reportBoldCheck_->isChecked();
    accept();
}

void PrintDialog::cancelClicked()
{
    reject();
}

void PrintDialog::setupClicked()
{
    prompter_.printerSetup(this, printer_);
}

OutputFormat PrintDialog::fileType() const
{
    return static_cast<OutputFormat>(fileTypeCombo_->currentData().toInt());
}

void PrintDialog::findClicked()
{
    const FileKind kind = fileKind(fileType());
    FileQuestion question;
    question.title = QStringLiteral("Set Filename to Print To:");
    question.filter = kind.filter;
    question.defaultSuffix = kind.suffix;
    question.startFolder = settings_.dataFolder;
    question.confirmOverwrite = true;
    const QString chosen = prompter_.saveFileName(this, question);
    if (!chosen.isEmpty())
        fileNameEdit_->setText(chosen);
}

void PrintDialog::fileTypeChanged()
{
    // Only a text file takes one report after another; the others are always written whole.
    const bool text = fileType() == OutputFormat::Text;
    if (!text)
        replaceOption_->setChecked(true);
    appendOption_->setEnabled(text);
}

} // namespace scorvane
