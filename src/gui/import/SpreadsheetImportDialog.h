#pragma once

#include "core/import/CsvSheet.h"
#include "core/import/ImportPlan.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace scorvane {

class WindowHost;

// The import of a spreadsheet into the current team: what the file holds (roster or games),
// which field each column is read into, and a preview of every row as it will be stored beside
// its problems, with a choice for each row that duplicates a player or game of the team. OK
// writes everything at once; exec() is Accepted only when it did, and written() says what.
class SpreadsheetImportDialog : public QDialog
{
    Q_OBJECT

public:
    SpreadsheetImportDialog(WindowHost& host, const QString& fileName, CsvSheet sheet);
    ~SpreadsheetImportDialog() override;

    ImportKind kind() const;
    const ImportSummary& written() const { return written_; }

private:
    void buildUi(const QString& fileName);
    void kindChosen();
    void fillColumns();
    void fieldChosen();
    void rebuildPlan();
    void showPreview();
    void showSummary();
    void actionChosen(int row, int index);
    void okClicked();

    WindowHost& host_;
    CsvSheet sheet_;
    QList<ImportField> mapping_;
    std::unique_ptr<ImportPlan> plan_;
    ImportSummary written_;

    QLabel* fileLabel_ = nullptr;
    QRadioButton* rosterOption_ = nullptr;
    QRadioButton* gamesOption_ = nullptr;
    QTableWidget* columnsTable_ = nullptr;
    QLabel* missingLabel_ = nullptr;
    QTableWidget* previewTable_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
