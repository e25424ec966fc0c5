#pragma once

#include "shell/AppState.h"
#include "store/ErrorReporter.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>
#include <vector>

namespace scorvane::testing {

// Thrown where the real program would end at once.
struct ProgramEnded : std::runtime_error
{
    ProgramEnded()
        : std::runtime_error("program ended")
    { }
};

// Records every file error and answers with scripted choices (EndProgram when none is left).
class RecordingReporter : public ErrorReporter
{
public:
    std::vector<FileError> errors;
    std::vector<Choice> answers;

    Choice reportFileError(const FileError& error) override
    {
        errors.push_back(error);
        if (answers.empty())
            return Choice::EndProgram;
        const Choice c = answers.front();
        answers.erase(answers.begin());
        return c;
    }
    [[noreturn]] void endProgram() override { throw ProgramEnded(); }
};

// A state on fresh temporary data and settings folders.
struct TempState
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    AppState state{reporter};

    TempState()
    {
        state.DataPath = dir.path() + QStringLiteral("/data/");
        state.ReportPath = state.DataPath;
        state.SettingsFolder = dir.path() + QStringLiteral("/settings/");
        state.TeamNo = QStringLiteral("1");
        QDir().mkpath(state.DataPath);
        QDir().mkpath(state.SettingsFolder);
    }
};

QByteArray ReadWholeFile(const QString& path);
void WriteWholeFile(const QString& path, const QByteArray& bytes);

// Little-endian 16-bit integer as two bytes, for building expected records by hand.
inline QByteArray le16(int value)
{
    const auto bits = static_cast<quint16>(static_cast<qint16>(value));
    return QByteArray(1, static_cast<char>(bits & 0xFF))
        + QByteArray(1, static_cast<char>(bits >> 8));
}
// Text padded with blanks to width.
inline QByteArray pad(const char* text, int width)
{
    QByteArray b(text);
    return b + QByteArray(width - b.size(), ' ');
}

} // namespace scorvane::testing
