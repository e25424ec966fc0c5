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

OutputEngine::OutputEngine(AppState& state, RetryQuestion retry)
    : state_(state)
    , retry_(std::move(retry))
{ }

bool OutputEngine::stopped() const
{
    return state_.OutputStopped == u"Y";
}

OutputDevice* OutputEngine::destination()
{
    if (state_.OutputFileName.isEmpty())
        return printer_;
    if (state_.OutputAsPdf == u"Y")
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
            state_.OutputStopped = QStringLiteral("Y");
            return false;
        }
    }
}

void OutputEngine::outputLine(const QString& text, int width, const QString& operation)
{
    (void)width;
    state_.OutputStopped = QStringLiteral("N");
    if (operation == u"O") {
        // A text file left open by a report that was stopped is closed by the next opening,
        // whichever destination that opening is for.
        file_.close();
        attempt([this](OutputDevice& device) {
            device.setTarget(state_.OutputFileName, state_.AppendToFile == u"A");
            return device.open();
        });
    } else if (operation == u"C") {
        attempt([](OutputDevice& device) { return device.close(); });
    } else {
        attempt([&text](OutputDevice& device) { return device.writeLine(text); });
    }
}

void OutputEngine::setPrintFont(int style)
{
    const bool title = style == 1;
    int size = title ? state_.TitleFontSize : state_.ReportFontSize;
    if (size < 2)
        size = 12;
    const bool bold = (title ? state_.TitleBold : state_.ReportBold) != 0;
    if (OutputDevice* device = destination())
        device->setFont(size, bold);
}

void OutputEngine::centreNextLine(const QString& text)
{
    if (OutputDevice* device = destination())
        device->centreNextLine(text);
}

} // namespace scorvane
