#pragma once

#include "core/store/SettingsRecord.h"

#include <QString>

namespace scorvane {

// The settings an installation supplies on a machine that has none: the given data folder (also
// used for report formats), named game types, codes KV1-KV5, the default report columns sorted by
// goals scored descending, 60 lines per page, 12-point fonts, not bold.
SettingsRecord defaultSettingsRecord(const QString& dataFolder);

// Writes the default settings file (669 bytes) into `settingsFolder` as "QMKV.INI", creating the
// folder and the data folder when missing. An existing settings file is left alone. Returns an
// error text, empty on success.
QString supplyDefaultSettings(const QString& settingsFolder, const QString& dataFolder);

// Where a new installation keeps its data: $XDG_DATA_HOME/Scorvane/ (default
// ~/.local/share/Scorvane/), and its settings: $XDG_CONFIG_HOME/Scorvane/ (default
// ~/.config/Scorvane/). Both with a trailing "/".
QString defaultDataFolder();
QString defaultSettingsFolder();

} // namespace scorvane
