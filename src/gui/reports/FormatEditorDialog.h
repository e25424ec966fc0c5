#pragma once

#include "core/reports/ReportFormatEditor.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace scorvane {

// Edits one report format: its title, the categories on the report line in their order, and
// the sort. Writes nothing itself; the format list saves what it returns.
class FormatEditorDialog : public QDialog
{
    Q_OBJECT

public:
    FormatEditorDialog(
        const ReportFormatRecord& format, const CategoryCodeTable& codes, QWidget* parent);

    // The format as OK or "Default" leaves it; empty when cancelled.
    static std::optional<ReportFormatRecord> edit(
        QWidget* parent, const ReportFormatRecord& format, const CategoryCodeTable& codes);

    const ReportFormatRecord& result() const { return result_; }

private:
    void showLists();
    void takeWidgets();
    void putOnReportClicked();
    void takeOffReportClicked();
    void okClicked();
    void defaultClicked();

    ReportFormatEditor editor_;
    ReportFormatRecord result_;
    bool showing_ = false;

    QLineEdit* titleEdit_ = nullptr;
    QListWidget* reportLineList_ = nullptr;
    QListWidget* notOnReportList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QComboBox* sortCategoryCombo_ = nullptr;
    QRadioButton* ascendingOption_ = nullptr;
    QRadioButton* descendingOption_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
