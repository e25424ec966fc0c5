#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace scorvane {

class Prompter;

// The drive list `Drive1` and the folder list `Dir1` of the data folder and back-up windows.
// A folder line opens with a double-click; a line only highlighted becomes the current folder
// when either list loses the focus, so it still counts when OK is pressed. "New Folder..." makes
// a folder inside the current one and opens it.
class FolderPicker : public QWidget
{
    Q_OBJECT

public:
    explicit FolderPicker(Prompter& prompter, QWidget* parent = nullptr);

    QString path() const { return path_; } // the folder list's current folder, with "/"
    void setPath(const QString& folder);
    // Takes the highlighted line as the current folder (what losing the focus does).
    void takeHighlighted();

    QComboBox* driveList() const { return Drive1_; }
    QListWidget* folderList() const { return Dir1_; }
    QPushButton* newFolderButton() const { return newFolderButton_; }

Q_SIGNALS:
    void pathChanged(const QString& folder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void driveChosen(int index);
    void fillFolders();
    void fillDrives();
    void newFolderClicked();

    Prompter& prompter_;

    QComboBox* Drive1_ = nullptr;
    QListWidget* Dir1_ = nullptr;
    QPushButton* newFolderButton_ = nullptr;
    QString path_;
};

} // namespace scorvane
