// Every window a user can reach, checked for what a screen reader needs: each input is named by
// its visible label (as buddy) or an accessible name, and each button has a caption.
#include "GuiTestSupport.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <QTreeView>

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Widgets that take input and therefore need a name of their own.
bool takesInput(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
        || qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)
        || qobject_cast<const QListView*>(w) || qobject_cast<const QTableView*>(w)
        || qobject_cast<const QTreeView*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// The text box inside an editable combo box or a spin box is named through its owner.
bool partOfAnotherInput(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p))
            return true;
    }
    return false;
}

QString kindOf(const QWidget* w)
{
    return QString::fromLatin1(w->metaObject()->className());
}

// The faults of one window: inputs without a label or accessible name, buttons without caption.
// `inputs` counts the inputs looked at.
QStringList faultsOf(const QWidget* window, int* inputs = nullptr)
{
    QSet<const QWidget*> labelled;
    const auto labels = window->findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->buddy() != nullptr && !label->text().trimmed().isEmpty())
            labelled.insert(label->buddy());
    }
    QStringList faults;
    const auto widgets = window->findChildren<QWidget*>();
    for (const QWidget* w : widgets) {
        if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            if (button->text().trimmed().isEmpty())
                faults << QStringLiteral("%1 %2 has no caption").arg(kindOf(w), w->objectName());
            continue;
        }
        if (!takesInput(w) || partOfAnotherInput(w, window))
            continue;
        if (inputs != nullptr)
            ++*inputs;
        if (labelled.contains(w) || !w->accessibleName().trimmed().isEmpty())
            continue;
        // A check box or option button carries its own visible caption.
        const auto* caption = qobject_cast<const QAbstractButton*>(w);
        if (caption != nullptr && !caption->text().trimmed().isEmpty())
            continue;
        faults << QStringLiteral("%1 %2 has no label or accessible name")
                      .arg(kindOf(w), w->objectName());
    }
    return faults;
}

// Team 1 "Hawks" with two players and one game; team 2 "Owls" with a game to import.
struct SampleTeams : GuiFixture
{
    SampleTeams()
    {
        writeDataFile(
            QStringLiteral("KVPN1.DAT"), nameBytes(3, "Ann Lee") + nameBytes(7, "Bo Kim"));
        writeDataFile(QStringLiteral("KVGS1.DAT"), GameBytes{.opponent = "Owls"}.bytes());
        writeDataFile(QStringLiteral("KVGS2.DAT"), GameBytes{.opponent = "Hawks"}.bytes());
        nameTeams({"Hawks", "Owls"});
        mdi->show();
        mdi->showWindow(WindowSelectTeam);
    }

    // Opens `kind` from the team window with team 1 chosen, as a menu command does.
    ChildWindow* open(WindowKind kind)
    {
        mdi->showWindow(WindowSelectTeam);
        mdi->takeTeamSelection();
        state->currentGame.number = 1;
        state->currentGame.record = 1;
        state->currentGame.edit = GameEdit::Change;
        mdi->closeChildWindows();
        // The back-up window is made by its menu command, which gives it its direction.
        if (kind == WindowBackup)
            mdi->runMenuCommand(QStringLiteral("mnuBackUp"));
        else
            mdi->showWindow(kind);
        ChildWindow* child = mdi->currentChild();
        return child != nullptr && child->kind() == kind ? child : nullptr;
    }
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every child window, then the dialogs they open (each closed again by Cancel).
    void everyWindowAndDialogNamesItsInputs()
    {
        SampleTeams f;
        QStringList faults;
        int inputs = 0;
        const auto check = [&faults, &inputs](const QWidget* window) {
            for (const QString& fault : faultsOf(window, &inputs))
                faults << window->objectName() + QStringLiteral(": ") + fault;
        };
        int opened = 0;
        for (int k = 1; k <= WindowKindCount; ++k) {
            const auto kind = static_cast<WindowKind>(k);
            if (!f.factory.has(kind) && kind != WindowBackup)
                continue;
            ChildWindow* window = f.open(kind);
            QVERIFY2(window != nullptr, qPrintable(QStringLiteral("window kind %1").arg(k)));
            ++opened;
            check(window);
        }
        QVERIFY(opened >= 12);

        const auto checkDialogOf = [&f, &check](const char* button) {
            bool seen = false;
            onNextModal([&seen, &check](QWidget* modal) {
                seen = true;
                check(modal);
                if (auto* cancel = in<QPushButton>(modal, "cmdCancel"))
                    cancel->click();
                else
                    modal->close();
            });
            f.click(button);
            QVERIFY2(seen, button);
        };
        QVERIFY(f.open(WindowRoster));
        checkDialogOf("cmdPrint");
        QVERIFY(f.open(WindowStats));
        for (const char* button : {"cmdCompute", "cmdFormat", "cmdSort", "cmdMin", "cmdPlayer"})
            checkDialogOf(button);
        QVERIFY(f.open(WindowGameMenu));
        f.click("cmdAddGame");
        Q_EMIT f.child<QComboBox>("cmbOpponents")->activated(1);
        checkDialogOf("cmdImport");

        // The spreadsheet import, with a conflict so that its choice box shows.
        const QString csv = f.dir.filePath(QStringLiteral("roster.csv"));
        writeWholeFile(csv, "Number,Name\n3,Someone\n");
        f.mdi->closeChildWindows();
        f.mdi->showWindow(WindowSelectTeam);
        f.prompter.fileNames = {csv};
        bool sawImport = false;
        onNextModal([&](QWidget* modal) {
            sawImport = modal->findChild<QComboBox*>(QStringLiteral("cboAction0")) != nullptr;
            check(modal);
            in<QPushButton>(modal, "cmdCancel")->click();
        });
        f.mdi->menuAction(QStringLiteral("mnuImportSpreadsheet"))->trigger();
        QVERIFY(sawImport);

        QVERIFY(inputs >= 60);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
