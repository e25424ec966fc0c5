#pragma once

#include "core/output/OutputDevice.h"

#include <QFont>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

namespace scorvane {

// Report lines drawn on pages of a QPrinter in "Courier New": the system printer, or a PDF file
// when made for PDF. A form-feed line starts a new page (once a line follows it), as does a line
// that no longer fits.
class PageOutput : public OutputDevice
{
public:
    enum class Kind { Printer, Pdf };

    PageOutput(QPrinter& printer, Kind kind);
    ~PageOutput() override;
    PageOutput(const PageOutput&) = delete;
    PageOutput& operator=(const PageOutput&) = delete;

    void setTarget(const QString& fileName, bool append) override;
    QString open() override;
    QString writeLine(const QString& line) override;
    QString close() override;
    void setFont(int pointSize, bool bold) override;
    void centreNextLine(const QString& text) override;

    int pagesStarted() const { return pages_; }

private:
    QPrinter& printer_;
    Kind kind_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    int y_ = 0;     // top of the next line, in printer units
    int nextX_ = 0; // left edge of the next line only
    int pages_ = 0;
    bool pageBreakPending_ = false;
};

} // namespace scorvane
