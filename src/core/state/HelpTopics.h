#pragma once

#include <QByteArray>
#include <QString>

namespace scorvane {

// The help pages are HTML files in one folder: "kvhelp.html" (contents) and "topicN.html" for
// each topic number N. HelpFilePath names the contents page.

// Finds the contents page for a program in `programFolder`: its "help" folder, or the installed
// share/scorvane/help beside the program's bin folder. A page that is not on a local drive is
// copied into the temporary folder (a failed copy is ignored) and used from there.
QString locateHelpFile(const QString& programFolder, const QString& tempFolder);

// The page of topic `topic` ("10", "240") beside the contents page.
QString helpTopicPage(const QString& helpFilePath, const QString& topic);

// A path is local unless it starts with "//" or lies on a network file system; a path whose
// nearest existing folder cannot be found is not local either.
bool isLocalPath(const QString& path);
bool isNetworkFileSystem(const QByteArray& fileSystemType);

// What became of an address handed to the system's opener.
enum class WebOpenResult {
    Opened,
    NoOpener, // no browser or opener is set up at all
    Refused,  // the opener would not take the address
};

// The texts of the help and web page messages. The web page error keeps the error numbers users
// and support know: 2 for no opener, 31 for a refused address.
QString helpNetworkErrorText();
QString emptyWebAddressText();
QString webPageErrorText(const QString& address, WebOpenResult failure);

// The maker's addresses, shown in the About window and the Help menu.
QString supportWebAddress();
QString makerEmailAddress();
QString makerWebAddress();

} // namespace scorvane
