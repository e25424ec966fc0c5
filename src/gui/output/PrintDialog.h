#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace scorvane {

struct AppState;
class Prompter;

// The print settings dialog every report shows before it prints: title, copies, page length,
// fonts, and optionally a text or PDF file in place of the printer. Cancel leaves DialogResult
// "Y"; "&Print" stores the choices in the state once every check passes.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    PrintDialog(AppState& state, Prompter& prompter, QPrinter& printer, QWidget* parent = nullptr);

    // The sizes both font lists offer.
    static const QList<int>& FontSizes();

    // Closing the dialog any way but "&Print" (Cancel, Escape, the title bar) cancels it.
    void reject() override;

private:
    void buildUi();
    void load();
    // Shows a failed check and puts the focus in the box to fix.
    void refuse(const QString& title, const QString& text, QLineEdit* focus);
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdSetup_Click();
    void cmdFind_Click();
    void pdfChanged();

    AppState& state_;
    Prompter& prompter_;
    QPrinter& printer_;

    QLabel* lblReportTitle = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLabel* lblLines = nullptr;
    QLineEdit* txtLines = nullptr;
    QLineEdit* txtCopies = nullptr;
    QPushButton* cmdSetup = nullptr;
    QComboBox* cmbTitleFont = nullptr;
    QCheckBox* chkTitleBold = nullptr;
    QComboBox* cmbReportFont = nullptr;
    QCheckBox* chkReportBold = nullptr;
    QLineEdit* txtFileName = nullptr;
    QPushButton* cmdFind = nullptr;
    QRadioButton* optReplace = nullptr;
    QRadioButton* optAppend = nullptr;
    QCheckBox* chkSavePdf = nullptr;
    QLabel* lblTopX = nullptr;
    QLineEdit* txtTopX = nullptr;
    QLabel* lblTopX2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace scorvane
