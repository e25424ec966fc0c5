#pragma once

#include "GameBytes.h"

#include "core/output/OutputEngine.h"
#include "core/reports/PagedOutput.h"
#include "core/text/Blanks.h"
#include "core/text/Formatting.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace scorvane::testing {

// A data folder for the team reports with named game types and teams, and an output engine
// that writes the printout to a text file.
struct TeamReportFolder : TempState
{
    GameTypeNameTable typeNames;
    TeamNameTable teamNames;
    OutputEngine engine{state.printJob, state.settings, [](const QString&) { return false; }};

    TeamReportFolder()
    {
        const char* types[] = {"League", "Friendly", "Cup", "Indoor", "Scrimmage", "Camp", "Other"};
        for (int t = 1; t <= 7; ++t)
            typeNames[t] = fitWidth(QString::fromLatin1(types[t - 1]), 10);
        for (int slot = 1; slot <= 100; ++slot)
            teamNames[slot] = fitWidth(QStringLiteral("Team ") + QString::number(slot), 25);
        state.printJob.outputFile = state.settings.dataFolder + QStringLiteral("OUT.TXT");
    }
    void writeGames(int slot, const QByteArray& games) const
    {
        writeWholeFile(state.settings.dataFolder + QStringLiteral("KVGS%1.DAT").arg(slot), games);
    }
    QByteArray printed() const { return readWholeFile(state.printJob.outputFile); }
};

// The bytes of a text file holding `lines`: each ends with CR LF.
inline QByteArray fileOf(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

inline QByteArray fileOf(std::initializer_list<const char*> lines)
{
    return fileOf(texts(lines));
}

// Compares two printouts whole; a mismatch lists the lines that differ.
inline ::testing::AssertionResult samePrintout(const QByteArray& actual, const QByteArray& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    auto failure = ::testing::AssertionFailure() << "printouts differ:\n";
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray left = i < e.size() ? e[i] : QByteArray("<none>");
        const QByteArray right = i < a.size() ? a[i] : QByteArray("<none>");
        if (left != right) {
            failure << "line " << i + 1 << "\n  expected: [" << left.toStdString()
                    << "]\n  actual:   [" << right.toStdString() << "]\n";
        }
    }
    return failure;
}

inline PageChoices printChoices(const char* title, int linesPerPage = 60, int copies = 1)
{
    return PageChoices{QString::fromLatin1(title), copies, linesPerPage};
}

} // namespace scorvane::testing
