#include "gui/shell/AboutWindow.h"

#include "core/state/HelpTopics.h"
#include "core/text/Version.h"
#include "gui/app/MainWindow.h"

#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

// The logo is in the resources built into the window library, which a static library must load.
static void loadWindowResources()
{
    Q_INIT_RESOURCE(scorvane);
}

namespace scorvane {
namespace {

QLabel* linkLabel(QWidget* parent, const char* name, const QString& shown, const QString& address)
{
    auto* label = new QLabel(shown, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("address", address);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #1a4fa0; text-decoration: underline;"));
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleName(shown);
    return label;
}

} // namespace

AboutWindow::AboutWindow(WindowHost& host)
    : ChildWindow(host, WindowBegScreen)
{
    setObjectName(QStringLiteral("frmBegScreen"));
    setWindowTitle(QStringLiteral("About Scorvane for Soccer"));

    auto* layout = new QHBoxLayout(this);
    loadWindowResources();
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(QPixmap(QStringLiteral(":/logo.svg"))
                        .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    logo->setAccessibleName(QStringLiteral("Scorvane logo"));
    layout->addWidget(logo, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* title = new QLabel(QString::fromLatin1(ProductName), this);
    title->setObjectName(QStringLiteral("lblProduct"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    text->addWidget(title);

    auto* notice = new QLabel(QStringLiteral("Copyright \u00a9 %1 Quillmere Software. All rights "
                                             "reserved.\nStatistics for soccer coaches and "
                                             "team statisticians.")
                                  .arg(QDate::currentDate().year()),
        this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    text->addWidget(notice);

    auto* build = new QLabel(
        QStringLiteral("Build: %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision),
        this);
    build->setObjectName(QStringLiteral("LabelBuild"));
    text->addWidget(build);

    const QString email = makerEmailAddress();
    const QString web = makerWebAddress();
    auto* Label7 = linkLabel(this, "Label7", email.mid(email.indexOf(u':') + 1), email);
    auto* Label1 = linkLabel(this, "Label1", web, web);
    text->addSpacing(8);
    text->addWidget(Label7);
    text->addWidget(Label1);
    Label7->installEventFilter(this);
    Label1->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    auto* okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    okButton_->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    text->addStretch(1);
    text->addLayout(buttons);
    layout->addLayout(text, 1);

    connect(okButton_, &QPushButton::clicked, this, &AboutWindow::close);
    setDialogKeys(okButton_, okButton_);
    setFocusProxy(okButton_);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool clicked = event->type() == QEvent::MouseButtonRelease;
    const bool keyed = event->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space
            || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return);
    if (clicked || keyed) {
        if (auto* mdi = dynamic_cast<MainWindow*>(&host()))
            mdi->openWebPage(watched->property("address").toString());
        return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

void AboutWindow::close()
{
    if (auto* mdi = dynamic_cast<MainWindow*>(&host()))
        mdi->aboutWindowClosed();
    returnToTeamWindow();
}

} // namespace scorvane
