#include "gui/output/PageOutput.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace scorvane {

PageOutput::PageOutput(QPrinter& printer, Kind kind)
    : printer_(printer)
    , kind_(kind)
    , font_(QStringLiteral("Courier New"), 12)
{
    font_.setStyleHint(QFont::TypeWriter);
}

PageOutput::~PageOutput()
{
    close();
}

void PageOutput::setTarget(const QString& fileName, bool append)
{
    (void)append; // a PDF is always written whole
    if (kind_ == Kind::Pdf) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(fileName);
    }
}

QString PageOutput::open()
{
    close();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&printer_)) {
        if (kind_ == Kind::Printer)
            return QStringLiteral("Printer not ready");
        return QStringLiteral("Cannot write the PDF file %1").arg(printer_.outputFileName());
    }
    painter_ = std::move(painter);
    painter_->setFont(font_);
    y_ = 0;
    nextX_ = 0;
    pages_ = 1;
    pageBreakPending_ = false;
    return {};
}

QString PageOutput::writeLine(const QString& line)
{
    if (!painter_)
        return QStringLiteral("The printer output is not open");
    if (line == QString(FormFeed)) {
        // The page is ended only when something follows, so that the form feed closing a
        // report does not leave an empty last sheet.
        pageBreakPending_ = true;
        return {};
    }
    const QFontMetrics metrics(painter_->font(), painter_->device());
    const int pageHeight = printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
    if (pageBreakPending_ || y_ + metrics.lineSpacing() > pageHeight) {
        if (!printer_.newPage())
            return kind_ == Kind::Printer ? QStringLiteral("Printer not ready")
                                          : QStringLiteral("Cannot add a page to the PDF file");
        ++pages_;
        y_ = 0;
        pageBreakPending_ = false;
    }
    painter_->drawText(nextX_, y_ + metrics.ascent(), line);
    y_ += metrics.lineSpacing();
    nextX_ = 0;
    return {};
}

QString PageOutput::close()
{
    if (!painter_)
        return {};
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended)
        return kind_ == Kind::Printer ? QStringLiteral("Printer not ready")
                                      : QStringLiteral("Cannot finish the PDF file");
    return {};
}

void PageOutput::setFont(int pointSize, bool bold)
{
    font_.setPointSize(pointSize);
    font_.setBold(bold);
    if (painter_)
        painter_->setFont(font_);
}

void PageOutput::centreNextLine(const QString& text)
{
    if (!painter_)
        return;
    const QFontMetrics metrics(painter_->font(), painter_->device());
    const int width = printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
    nextX_ = std::max(0, width / 2 - metrics.horizontalAdvance(text) / 2);
}

} // namespace scorvane
