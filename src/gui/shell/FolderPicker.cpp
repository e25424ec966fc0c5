#include "gui/shell/FolderPicker.h"

#include "core/store/FolderBrowsing.h"
#include "core/text/Paths.h"
#include "gui/app/Prompter.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileIconProvider>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace scorvane {
namespace {
constexpr int PathRole = Qt::UserRole + 1;
}

FolderPicker::FolderPicker(Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , prompter_(prompter)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    Drive1_ = new QComboBox(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    Dir1_ = new QListWidget(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setMinimumSize(320, 220);
    form->addRow(QStringLiteral("Drive:"), Drive1_);
    form->addRow(QStringLiteral("Directory:"), Dir1_);
    newFolderButton_ = new QPushButton(QStringLiteral("&New Folder..."), this);
    newFolderButton_->setObjectName(QStringLiteral("cmdNewFolder"));
    newFolderButton_->setAutoDefault(false);
    auto* newFolderRow = new QHBoxLayout;
    newFolderRow->addWidget(newFolderButton_);
    newFolderRow->addStretch(1);
    form->addRow(QString(), newFolderRow);
    connect(newFolderButton_, &QPushButton::clicked, this, &FolderPicker::newFolderClicked);

    fillDrives();
    connect(Drive1_, &QComboBox::activated, this, &FolderPicker::driveChosen);
    connect(Dir1_, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { setPath(item->data(PathRole).toString()); });
    Drive1_->installEventFilter(this);
    Dir1_->installEventFilter(this);
}

void FolderPicker::fillDrives()
{
    const QSignalBlocker block(Drive1_);
    Drive1_->clear();
    for (const QString& root : driveRoots()) {
        const QString home = folderWithSlash(QDir::homePath());
        const QString shown = root == home ? QStringLiteral("Home (%1)").arg(root) : root;
        Drive1_->addItem(shown, root);
    }
}

void FolderPicker::setPath(const QString& folder)
{
    QString wanted = folderWithSlash(QDir::cleanPath(folder));
    // A folder that is gone falls back to its nearest existing parent.
    while (!QFileInfo(wanted).isDir() && wanted != u"/")
        wanted = folderWithSlash(QFileInfo(wanted.chopped(1)).path());
    const bool changed = wanted != path_;
    path_ = wanted;
    fillFolders();
    QStringList roots;
    for (int i = 0; i < Drive1_->count(); ++i)
        roots.append(Drive1_->itemData(i).toString());
    const int drive = Drive1_->findData(driveOfFolder(path_, roots));
    const QSignalBlocker block(Drive1_);
    Drive1_->setCurrentIndex(drive);
    if (changed)
        Q_EMIT pathChanged(path_);
}

void FolderPicker::fillFolders()
{
    int open = 0;
    const QStringList lines = folderListLines(path_, &open);
    const QFileIconProvider icons;
    Dir1_->clear();
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int depth = i <= open ? i : open + 1;
        const QString name = line == u"/" ? QStringLiteral("/") : QDir(line).dirName();
        auto* item = new QListWidgetItem(QString(depth * 3, u' ') + name, Dir1_);
        item->setData(PathRole, line);
        item->setIcon(icons.icon(QFileIconProvider::Folder));
        if (i == open) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    Dir1_->setCurrentRow(open);
}

void FolderPicker::driveChosen(int index)
{
    const QString root = Drive1_->itemData(index).toString();
    if (!folderReadable(root)) {
        // An unreadable drive is absorbed: the drive list goes back to the folder's drive.
        setPath(path_);
        return;
    }
    setPath(root);
}

void FolderPicker::takeHighlighted()
{
    if (QListWidgetItem* item = Dir1_->currentItem())
        setPath(item->data(PathRole).toString());
}

void FolderPicker::newFolderClicked()
{
    // A line only highlighted counts as the folder to make the new one in, as it does for OK.
    takeHighlighted();
    const TextQuestion question{
        QStringLiteral("New Folder"), QStringLiteral("New folder in %1").arg(path_), {}};
    const QString name = prompter_.askText(this, question);
    if (name.trimmed().isEmpty())
        return;
    QString error;
    const QString made = createFolder(path_, name, &error);
    if (made.isEmpty()) {
        prompter_.tell(this, QStringLiteral("Folder Not Made"), error, Message::Icon::Warning);
        return;
    }
    setPath(made);
    Dir1_->setFocus();
}

bool FolderPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == Dir1_ || watched == Drive1_))
        takeHighlighted();
    return QWidget::eventFilter(watched, event);
}

} // namespace scorvane
