#pragma once

#include "core/reports/LeagueRules.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace scorvane {

// The league table's rules and deductions live in a small text file of their own beside the
// settings record, which stays as it is. Its first line names the layout's version; texts are
// Windows-1252 like every other text the program stores.
QString leagueRulesFileName();
QString leagueRulesPath(const QString& settingsFolder);

// The rules a file holds, or the one-line reason it cannot be used.
struct LeagueRulesRead
{
    std::optional<LeagueRules> rules;
    QString error;
};

QByteArray encodeLeagueRules(const LeagueRules& rules);
LeagueRulesRead decodeLeagueRules(const QByteArray& bytes);

// Reads the file; a file that does not exist gives the default rules.
LeagueRulesRead readLeagueRules(const QString& path);
// Replaces the file whole or not at all; the system's error text when it failed. A file that
// already holds these rules is not written.
QString writeLeagueRules(const QString& path, const LeagueRules& rules);

} // namespace scorvane
