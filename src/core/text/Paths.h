#pragma once

#include <QString>

namespace scorvane {

// Folders are held with a trailing "/" so that a file name is appended directly.

// A folder as the settings and the user give it: trimmed of blanks, a leading "~/" standing for
// the home folder, with "/" appended when its last character is not "/".
QString folderWithSlash(const QString& text);

// The folder with "/" appended when it has none; nothing else changes.
QString withSlash(const QString& folder);

// Finds `name` in `folder` without regard to letter case when no entry has exactly that name (a
// folder copied from a case-insensitive system); the exact path when there is no entry either.
QString resolveInFolder(const QString& folder, const QString& name);

} // namespace scorvane
