#include "GuiTestSupport.h"

#include "ReportCommand.h"

#include "core/entry/Categories.h"
#include "core/state/DefaultSettings.h"
#include "core/store/TeamList.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace scorvane::testing {

namespace {

// The next scripted answer, or `otherwise` when none is left.
template <typename T> T next(std::deque<T>& script, T otherwise)
{
    if (script.empty())
        return otherwise;
    T answer = script.front();
    script.pop_front();
    return answer;
}

} // namespace

Message::Answer ScriptedPrompter::ask(QWidget*, const Message& message)
{
    asked.append(message);
    return next(answers, message.defaultButton);
}

QString ScriptedPrompter::saveFileName(QWidget*, const FileQuestion& question)
{
    fileQuestions.append(question);
    return next(fileNames, QString());
}

QString ScriptedPrompter::openFileName(QWidget* over, const FileQuestion& question)
{
    return saveFileName(over, question);
}

QString ScriptedPrompter::askText(QWidget*, const TextQuestion&)
{
    return next(texts, QString());
}

bool ScriptedPrompter::printerSetup(QWidget*, QPrinter&)
{
    ++printerSetups;
    return true;
}

bool ScriptedPrompter::wasAsked(const QString& title, const QString& text) const
{
    return std::any_of(asked.begin(), asked.end(),
        [&](const Message& m) { return m.title == title && m.text == text; });
}

GuiFixture::GuiFixture()
{
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toLocal8Bit());
    state = std::make_unique<AppState>(reporter);
    state->settings.dataFolder = dir.path() + QStringLiteral("/data/");
    state->settings.reportFolder = state->settings.dataFolder;
    state->settings.settingsFolder = dir.path() + QStringLiteral("/config/Scorvane/");
    QDir().mkpath(state->settings.dataFolder);
    QDir().mkpath(state->settings.settingsFolder);
    for (int t = 1; t <= 7; ++t)
        state->settings.gameTypeNames[t] = QStringLiteral("GameType%1").arg(t);
    for (int u = 1; u <= 5; ++u)
        state->settings.userStatCodes[u] = QStringLiteral("KV%1").arg(u);
    fillCategoryCodes(state->settings.categoryCodes, state->settings.userStatCodes);
    registerWindows(factory);
    mdi = std::make_unique<MainWindow>(*state, prompter, factory);
}

GuiFixture::~GuiFixture()
{
    mdi->closeChildWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mdi.reset();
}

void GuiFixture::chooseTeam(int slot, const QString& name)
{
    loadTeamList();
    if (!name.isEmpty()) {
        writeTeamNames(state->files, slot, name, name);
        state->teamChoice.names[slot] = name;
    }
    scorvane::testing::chooseTeam(*state, slot);
}

void GuiFixture::nameTeams(std::initializer_list<const char*> names)
{
    loadTeamList();
    int slot = 0;
    for (const char* name : names)
        writeTeamNames(state->files, ++slot, QString::fromLatin1(name), QString::fromLatin1(name));
    loadTeamList();
}

void GuiFixture::showMain()
{
    mdi->show();
    QApplication::setActiveWindow(mdi.get());
}

void GuiFixture::click(const char* button) const
{
    auto* b = child<QPushButton>(button);
    if (b == nullptr)
        throw std::runtime_error(std::string("no button ") + button);
    b->click();
}

QStringList GuiFixture::textsOf(std::initializer_list<const char*> names) const
{
    QStringList shown;
    for (const char* name : names) {
        const auto* w = child<QWidget>(name);
        shown << (w ? w->property(w->inherits("QComboBox") ? "currentText" : "text").toString()
                    : QStringLiteral("?"));
    }
    return shown;
}

void GuiFixture::loadTeamList()
{
    checkAndLoadTeamList(state->files, state->teamChoice.names, state->teamChoice.shortNames);
}

void GuiFixture::writeDataFile(const QString& name, const QByteArray& bytes) const
{
    writeWholeFile(state->settings.dataFolder + name, bytes);
}

QByteArray GuiFixture::readDataFile(const QString& name) const
{
    return readWholeFile(state->settings.dataFolder + name);
}

ChildWindow* GuiFixture::runReport(const char* menuItem, std::initializer_list<int> slots)
{
    mdi->closeChildWindows();
    for (int slot = 1; slot <= 100; ++slot)
        state->teamChoice.selected[slot] = false;
    for (int slot : slots)
        state->teamChoice.selected[slot] = true;
    mdi->selectionChanged(static_cast<int>(slots.size()));
    mdi->runMenuCommand(QString::fromLatin1(menuItem));
    return current();
}

ProgramFolders GuiFixture::tempFolders() const
{
    ProgramFolders folders;
    folders.programFolder = dir.path() + QStringLiteral("/program/");
    folders.programFilesFolder = dir.path() + QStringLiteral("/opt/");
    folders.commonDataFolder = dir.path() + QStringLiteral("/var/");
    folders.tempFolder = dir.path() + QStringLiteral("/tmp/");
    folders.executableName = QStringLiteral("scorvane");
    QDir().mkpath(folders.programFolder);
    return folders;
}

QString GuiFixture::settingsPath() const
{
    return state->settings.settingsFolder + QStringLiteral("QMKV.INI");
}

bool GuiFixture::start()
{
    writeWholeFile(settingsPath(), defaultSettingsRecord(state->settings.dataFolder).encode());
    return mdi->startProgram(tempFolders());
}

QByteArray GuiFixture::printTo(
    const QString& file, int fileType, const QString& copies, const QString& lines)
{
    onNextModal([&](QWidget* modal) {
        in<QComboBox>(modal, "cmbFileType")->setCurrentIndex(fileType);
        in<QLineEdit>(modal, "txtFileName")->setText(file);
        if (!copies.isEmpty())
            in<QLineEdit>(modal, "txtCopies")->setText(copies);
        if (!lines.isEmpty())
            in<QLineEdit>(modal, "txtLines")->setText(lines);
        press(modal, "cmdOK");
    });
    click("cmdPrint");
    return readWholeFile(file);
}

QByteArray GuiFixture::toolOutput(QStringList arguments) const
{
    const QString file = dir.filePath(QStringLiteral("tool-output"));
    QFile::remove(file);
    arguments << QStringLiteral("--data") << dataPath() << QStringLiteral("-o") << file;
    std::FILE* sink = std::tmpfile();
    const int code = runReportCommand(arguments, sink, sink);
    std::fclose(sink);
    return code == 0 ? readWholeFile(file) : QByteArray("tool failed");
}

ShownChart GuiFixture::pressChart()
{
    ShownChart shown;
    onNextModal([&shown](QWidget* window) {
        shown.title = window->windowTitle();
        auto* view = in<QChartView>(window, "chartView");
        QVERIFY(view != nullptr);
        const auto axes = view->chart()->axes(Qt::Horizontal);
        QCOMPARE(axes.size(), 1);
        shown.labels = qobject_cast<QBarCategoryAxis*>(axes[0])->categories();
        if (auto* line = qobject_cast<QLineSeries*>(view->chart()->series().value(0))) {
            for (const QPointF& point : line->points())
                shown.values << point.y();
        }
        window->close();
    });
    click("cmdChart");
    return shown;
}

void press(const QWidget* dialog, const char* button)
{
    QTest::mouseClick(in<QPushButton>(dialog, button), Qt::LeftButton);
}

void fill(const QWidget* dialog, std::initializer_list<std::pair<const char*, const char*>> boxes)
{
    for (const auto& [name, text] : boxes)
        in<QLineEdit>(dialog, name)->setText(QString::fromUtf8(text));
}

GameBytes game(int number, const char* opponent, int goalsFor, int goalsAgainst)
{
    return {
        .number = number, .opponent = opponent, .goalsFor = goalsFor, .goalsAgainst = goalsAgainst};
}

QByteArray games(std::initializer_list<GameBytes> games)
{
    QByteArray all;
    for (const GameBytes& g : games)
        all += g.bytes();
    return all;
}

QStringList gridHeadings(const QTableWidget* grid)
{
    QStringList headings;
    for (int c = 0; c < grid->columnCount(); ++c)
        headings << grid->horizontalHeaderItem(c)->text();
    return headings;
}

QStringList gridRow(const QTableWidget* grid, int row)
{
    QStringList shown;
    for (int c = 0; c < grid->columnCount(); ++c)
        shown << (grid->item(row, c) != nullptr ? grid->item(row, c)->text() : QString());
    return shown;
}

void onNextModal(std::function<void(QWidget*)> step)
{
    QTimer::singleShot(0, qApp, [step = std::move(step)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        step(modal);
    });
}

} // namespace scorvane::testing
