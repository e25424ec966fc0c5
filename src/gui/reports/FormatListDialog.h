#pragma once

#include "core/entry/Categories.h"
#include "core/reports/ReportFormatFile.h"
#include "core/reports/ReportFormatList.h"

#include <QDialog>

#include <optional>

class QListWidget;
class QPushButton;

namespace scorvane {

class ErrorReporter;
class Prompter;

// What the format list works with: the report folder's format file, the report kind whose
// formats it lists, and the category codes the editor shows.
struct FormatListContext
{
    QString reportFolder; // ends with a separator
    ReportKind kind = ReportKind::PlayerStatistics;
    CategoryCodeTable categoryCodes;
};

// Lists the saved report formats of one report kind, adds, changes and deletes them (each saved
// at once), and chooses one for the report.
class FormatListDialog : public QDialog
{
    Q_OBJECT

public:
    FormatListDialog(const FormatListContext& context, Prompter& prompter, ErrorReporter& reporter,
        QWidget* parent);

    // The chosen format's columns and sort; empty when cancelled, or when OK found no format to
    // choose (the report keeps its columns then). Formats added, changed or deleted stay saved.
    static std::optional<ChosenFormat> choose(QWidget* parent, const FormatListContext& context,
        Prompter& prompter, ErrorReporter& reporter);

    const std::optional<ChosenFormat>& chosen() const { return chosen_; }

private:
    void showEntries(int select);
    void saved(QString error);
    void okClicked();
    void addClicked();
    void changeClicked();
    void deleteClicked();

    FormatListContext context_;
    Prompter& prompter_;
    ErrorReporter& reporter_;
    ReportFormatFile file_;
    std::optional<ReportFormatList> formats_;
    std::optional<ChosenFormat> chosen_;

    QListWidget* reportList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* changeButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace scorvane
