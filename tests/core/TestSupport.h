#pragma once

#include "core/state/AppState.h"
#include "core/store/ErrorReporter.h"
#include "core/teams/TeamSelection.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
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

QByteArray readWholeFile(const QString& path);
void writeWholeFile(const QString& path, const QByteArray& bytes);

// A state on fresh temporary data and settings folders.
struct TempState
{
    QTemporaryDir dir;
    RecordingReporter reporter;
    AppState state{reporter};

    TempState()
    {
        state.settings.dataFolder = dir.path() + QStringLiteral("/data/");
        state.settings.reportFolder = state.settings.dataFolder;
        state.settings.settingsFolder = dir.path() + QStringLiteral("/settings/");
        state.teamChoice.currentSlot = 1;
        QDir().mkpath(state.settings.dataFolder);
        QDir().mkpath(state.settings.settingsFolder);
    }
    // A file of the data folder, written or read whole.
    void writeData(const char* name, const QByteArray& bytes) const
    {
        writeWholeFile(state.settings.dataFolder + QString::fromLatin1(name), bytes);
    }
    QByteArray readData(const char* name) const
    {
        return readWholeFile(state.settings.dataFolder + QString::fromLatin1(name));
    }
};

// Every whole record of a file's bytes, decoded; a partial record at the end is left out.
template <typename Record> std::vector<Record> decodeRecords(const QByteArray& bytes)
{
    std::vector<Record> all;
    for (qsizetype at = 0; at + Record::Length <= bytes.size(); at += Record::Length)
        all.push_back(Record::decode(bytes.mid(at, Record::Length)));
    return all;
}

// Texts written as plain literals.
inline QStringList texts(std::initializer_list<const char*> literals)
{
    QStringList all;
    for (const char* literal : literals)
        all << QString::fromLatin1(literal);
    return all;
}

// Chooses the one team in `slot` as the team window does.
inline void chooseTeam(AppState& state, int slot = 1)
{
    TeamLines lines{};
    lines[static_cast<std::size_t>(slot - 1)] = true;
    takeTeamSelection(state, lines);
}

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

// A 201-byte roster record.
inline QByteArray nameBytes(int number, const char* name)
{
    return le16(number) + pad(name, 17) + QByteArray(182, ' ');
}

// A 500-byte contact record written out field by field.
struct InfoBytes
{
    int number = 1;
    const char* phone = "";
    const char* address1 = "";
    const char* address2 = "";
    const char* city = "";
    const char* state = "";
    const char* zip = "";
    const char* other = "";

    QByteArray bytes() const
    {
        const QByteArray spare(20, ' ');
        return le16(number) + pad(phone, 20) + pad(address1, 40) + pad(address2, 40) + pad(city, 20)
            + spare + pad(state, 5) + spare + pad(zip, 10) + spare + pad(other, 70)
            + QByteArray(233, ' ');
    }
};

} // namespace scorvane::testing
