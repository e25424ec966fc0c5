#include "gui/shell/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace scorvane {

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Scorvane for Soccer Help"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* contentsButton = new QPushButton(QStringLiteral("&Contents"), this);
    contentsButton->setObjectName(QStringLiteral("cmdContents"));
    auto* backButton = new QPushButton(QStringLiteral("&Back"), this);
    backButton->setObjectName(QStringLiteral("cmdBack"));
    auto* closeButton_ = new QPushButton(QStringLiteral("C&lose"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    helpPageEdit_ = new QTextBrowser(this);
    helpPageEdit_->setObjectName(QStringLiteral("txtHelpPage"));
    helpPageEdit_->setAccessibleName(QStringLiteral("Help page"));
    helpPageEdit_->setOpenExternalLinks(true);
    layout->addWidget(helpPageEdit_, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] {
        const QString page = currentPage();
        if (!page.isEmpty())
            showPage(QFileInfo(page).path() + QStringLiteral("/kvhelp.html"));
    });
    connect(backButton, &QPushButton::clicked, helpPageEdit_, &QTextBrowser::backward);
    connect(helpPageEdit_, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    backButton->setEnabled(false);
    resize(760, 640);
}

bool HelpWindow::showPage(const QString& pageFile)
{
    if (!QFileInfo::exists(pageFile))
        return false;
    helpPageEdit_->setSource(QUrl::fromLocalFile(pageFile));
    return true;
}

QString HelpWindow::currentPage() const
{
    return helpPageEdit_->source().toLocalFile();
}

} // namespace scorvane
