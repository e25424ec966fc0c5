#pragma once

#include <QString>

namespace scorvane {

// One place report lines can go: the text file, the printer, a PDF, a stream. Every operation
// returns an empty text when it worked, otherwise the text the "Printer/File Error" box shows.
class OutputDevice
{
public:
    virtual ~OutputDevice() = default;

    // The file the next "open" writes to, for destinations that write files.
    virtual void setTarget(const QString& fileName, bool append)
    {
        (void)fileName;
        (void)append;
    }
    virtual QString open() = 0;
    // A line that is exactly the form-feed character ends the page.
    virtual QString writeLine(const QString& line) = 0;
    virtual QString close() = 0;

    // Fonts and centring matter only where lines are drawn; text destinations ignore them.
    virtual void setFont(int pointSize, bool bold)
    {
        (void)pointSize;
        (void)bold;
    }
    virtual void centreNextLine(const QString& text) { (void)text; }
};

inline constexpr QChar FormFeed = QChar(u'\f');

} // namespace scorvane
