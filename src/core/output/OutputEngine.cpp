#include "core/output/OutputEngine.h"
#include "core/text/Paths.h"

#include "core/state/AppState.h"
#include "core/state/Settings.h"

#include <QDir>

namespace scorvane {

QString outputFilePath(const QString& typed, const QString& reportPath)
{
    QString name = typed.trimmed();
    if (name.startsWith(QStringLiteral("~/")))
        name = QDir::homePath() + name.mid(1);
    if (name.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir::cleanPath(folderWithSlash(reportPath) + name);
}

OutputEngine::OutputEngine(PrintJob& job, const ProgramSettings& settings, RetryQuestion retry)
    : job_(job)
    , settings_(settings)
    , retry_(std::move(retry))
{ }

bool OutputEngine::stopped() const
{
    return job_.stopped;
}

OutputDevice* OutputEngine::destination()
{
    if (job_.outputFile.isEmpty())
        return printer_;
    if (job_.format == OutputFormat::Pdf)
        return pdf_;
    return &file_;
}

bool OutputEngine::attempt(const std::function<QString(OutputDevice&)>& step)
{
    for (;;) {
        OutputDevice* device = destination();
        const QString error
            = device != nullptr ? step(*device) : QStringLiteral("No printer is available");
        if (error.isEmpty())
            return true;
        if (!retry_(error)) {
            job_.stopped = true;
            return false;
        }
    }
}

void OutputEngine::open()
{
    job_.stopped = false;
    // A text file left open by a report that was stopped is closed by the next opening,
    // whichever destination that opening is for.
    file_.close();
    attempt([this](OutputDevice& device) {
        device.setTarget(job_.outputFile, job_.append);
        return device.open();
    });
}

void OutputEngine::writeLine(const QString& text)
{
    job_.stopped = false;
    attempt([&text](OutputDevice& device) { return device.writeLine(text); });
}

void OutputEngine::close()
{
    job_.stopped = false;
    attempt([](OutputDevice& device) { return device.close(); });
}

void OutputEngine::setPrintFont(PrintFont font)
{
    const bool title = font == PrintFont::Title;
    int size = title ? settings_.titleFontSize : settings_.reportFontSize;
    if (size < 2)
        size = 12;
    const bool bold = title ? settings_.titleBold : settings_.reportBold;
    if (OutputDevice* device = destination())
        device->setFont(size, bold);
}

void OutputEngine::centreNextLine(const QString& text)
{
    if (OutputDevice* device = destination())
        device->centreNextLine(text);
}

} // namespace scorvane
