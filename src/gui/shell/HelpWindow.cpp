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
    auto* cmdContents = new QPushButton(QStringLiteral("&Contents"), this);
    cmdContents->setObjectName(QStringLiteral("cmdContents"));
    auto* cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    auto* cmdClose = new QPushButton(QStringLiteral("C&lose"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    buttons->addWidget(cmdContents);
    buttons->addWidget(cmdBack);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    txtHelpPage_ = new QTextBrowser(this);
    txtHelpPage_->setObjectName(QStringLiteral("txtHelpPage"));
    txtHelpPage_->setAccessibleName(QStringLiteral("Help page"));
    txtHelpPage_->setOpenExternalLinks(true);
    layout->addWidget(txtHelpPage_, 1);

    connect(cmdContents, &QPushButton::clicked, this, [this] {
        const QString page = currentPage();
        if (!page.isEmpty())
            showPage(QFileInfo(page).path() + QStringLiteral("/kvhelp.html"));
    });
    connect(cmdBack, &QPushButton::clicked, txtHelpPage_, &QTextBrowser::backward);
    connect(txtHelpPage_, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    cmdBack->setEnabled(false);
    resize(760, 640);
}

bool HelpWindow::showPage(const QString& pageFile)
{
    if (!QFileInfo::exists(pageFile))
        return false;
    txtHelpPage_->setSource(QUrl::fromLocalFile(pageFile));
    return true;
}

QString HelpWindow::currentPage() const
{
    return txtHelpPage_->source().toLocalFile();
}

} // namespace scorvane
