#include "core/output/TextFileOutput.h"

#include "core/text/Blanks.h"
#include "core/text/TextCodec.h"

namespace scorvane {

QByteArray textFileLine(const QString& line)
{
    if (line == QString(FormFeed))
        return QByteArrayLiteral("\f\r\n");
    return TextCodec::encode(rightTrimBlanks(line)) + QByteArrayLiteral("\r\n");
}

void TextFileOutput::setTarget(const QString& fileName, bool append)
{
    fileName_ = fileName;
    append_ = append;
}

QString TextFileOutput::open()
{
    if (file_.isOpen())
        file_.close();
    file_.setFileName(fileName_);
    const QIODevice::OpenMode mode
        = QIODevice::WriteOnly | (append_ ? QIODevice::Append : QIODevice::Truncate);
    if (!file_.open(mode))
        return file_.errorString();
    return {};
}

QString TextFileOutput::writeLine(const QString& line)
{
    if (!file_.isOpen())
        return QStringLiteral("The output file is not open");
    const QByteArray bytes = textFileLine(line);
    if (file_.write(bytes) != bytes.size())
        return file_.errorString();
    return {};
}

QString TextFileOutput::close()
{
    if (!file_.isOpen())
        return {};
    if (!file_.flush()) {
        const QString error = file_.errorString();
        file_.close();
        return error;
    }
    file_.close();
    return {};
}

QString StreamOutput::writeLine(const QString& line)
{
    const QByteArray bytes = textFileLine(line);
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream_)
        != static_cast<std::size_t>(bytes.size()))
        return QStringLiteral("Cannot write to the output stream");
    return {};
}

QString StreamOutput::close()
{
    if (std::fflush(stream_) != 0)
        return QStringLiteral("Cannot write to the output stream");
    return {};
}

} // namespace scorvane
