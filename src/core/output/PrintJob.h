#pragma once

#include <QString>

namespace scorvane {

// Text and PDF carry the printed lines; CSV, HTML and XLSX the report's table (see TableExport
// and workbook/WorkbookFile).
enum class OutputFormat { Text, Pdf, Csv, Html, Xlsx };

// One report on its way out, as the print dialog (or the command-line tool) set it up.
struct PrintJob
{
    QString title;
    QString outputFile;  // empty: the printer
    bool append = false; // add to the end of a text file instead of replacing it (text only)
    OutputFormat format = OutputFormat::Text;
    int copies = 1;        // copies still to print
    int top = 999;         // how many players the players report lists
    int pageLineCount = 0; // lines on the page being printed
    bool stopped = false;  // the user gave up after an output error
};

} // namespace scorvane
