#pragma once

#include "core/output/PrintJob.h"
#include "core/state/ReportSelection.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace scorvane {

struct ProgramSettings;
class Prompter;

// What the user chose in the print dialog.
struct PrintChoice
{
    QString title;
    QString outputFile; // empty: the printer
    OutputFormat format = OutputFormat::Text;
    bool append = false;
    int linesPerPage = 60;
    int top = 999;
    int copies = 1;
    int titleFontSize = 12;
    int reportFontSize = 12;
    bool titleBold = false;
    bool reportBold = false;

    // Puts the choice into the print job (where the report goes) and the settings (how pages
    // look), the one place a choice is taken over.
    void applyTo(PrintJob& job, ProgramSettings& settings) const;
};

// The print settings dialog every report shows before it prints: title, copies, page length,
// fonts, and optionally a file in place of the printer: the printed lines as text or PDF, or the
// report's table as CSV (for a spreadsheet) or HTML (a web page). exec() returns Accepted once
// "&Print" passed every check; choice() then holds what was chosen. Closing it any other way
// (Cancel, Escape, the title bar) returns Rejected. Nothing else is changed.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    PrintDialog(ReportKind kind, const ProgramSettings& settings, Prompter& prompter,
        QPrinter& printer, QWidget* parent = nullptr);

    const PrintChoice& choice() const { return choice_; }

    // The sizes both font lists offer.
    static const QList<int>& FontSizes();
    // A stored size the lists do not offer (below 6 or above 18) is taken as 12.
    static int offeredFontSize(int size);

private:
    void buildUi();
    void load();
    // Shows a failed check and puts the focus in the box to fix.
    void refuse(const QString& title, const QString& text, QLineEdit* focus);
    void okClicked();
    void cancelClicked();
    void setupClicked();
    void findClicked();
    void fileTypeChanged();
    OutputFormat fileType() const;

    ReportKind kind_;
    const ProgramSettings& settings_;
    Prompter& prompter_;
    QPrinter& printer_;
    PrintChoice choice_;

    QLabel* reportTitleLabel_ = nullptr;
    QLineEdit* titleEdit_ = nullptr;
    QLabel* linesLabel_ = nullptr;
    QLineEdit* linesEdit_ = nullptr;
    QLineEdit* copiesEdit_ = nullptr;
    QPushButton* setupButton_ = nullptr;
    QComboBox* titleFontCombo_ = nullptr;
    QCheckBox* titleBoldCheck_ = nullptr;
    QComboBox* reportFontCombo_ = nullptr;
    QCheckBox* reportBoldCheck_ = nullptr;
    QLineEdit* fileNameEdit_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QRadioButton* replaceOption_ = nullptr;
    QRadioButton* appendOption_ = nullptr;
    QComboBox* fileTypeCombo_ = nullptr;
    QLabel* topXLabel_ = nullptr;
    QLineEdit* topXEdit_ = nullptr;
    QLabel* topX2Label_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
