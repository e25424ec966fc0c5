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
    void okClicked();
    void cancelClicked();
    void setupClicked();
    void findClicked();
    void pdfChanged();

    AppState& state_;
    Prompter& prompter_;
    QPrinter& printer_;

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
    QCheckBox* savePdfCheck_ = nullptr;
    QLabel* topXLabel_ = nullptr;
    QLineEdit* topXEdit_ = nullptr;
    QLabel* topX2Label_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
