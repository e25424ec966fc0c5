#pragma once

#include <QWidget>

class QTextBrowser;

namespace scorvane {

// The help viewer: a window of its own beside the main window, showing one help page at a time
// with links between the pages.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* owner);

    // Shows the page file; false when it does not exist.
    bool showPage(const QString& pageFile);
    QString currentPage() const;

private:
    QTextBrowser* helpPageEdit_ = nullptr;
};

} // namespace scorvane
