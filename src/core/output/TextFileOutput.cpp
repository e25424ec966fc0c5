#include "core/output/TextFileOutput.h"

#include "core/text/Blanks.h"
#include "core/text/TextCodec.h"

namespace scorvane {

namespace {

// A name may hold control bytes (typed elsewhere, or from a damaged file). Written as they are,
// they would ring, erase or move the cursor of whoever reads the report in a terminal; the
// windows show them as control pictures, a report file as "?", the codec's mark for a
// character it cannot write.
bool hiddenCharacter(char16_t code)
{
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F)
        || (code >= 0x2400 && code <= 0x2421);
}

} // namespace

QByteArray textFileLine(const QString& line)
{
    const qsizetype end = rightTrimmedView(line).size();
    if (end == 1 && line[0] == FormFeed)
        return QByteArrayLiteral("\f\r\n");
    QByteArray bytes(end + 2, '\r');
    char* out = bytes.data();
    for (qsizetype i = 0; i < end; ++i) {
        const char16_t code = line[i].unicode();
        if (code >= 0x20 && code < 0x7F)
            out[i] = static_cast<char>(code); // nearly every character of a report
        else
            out[i] = hiddenCharacter(code) ? '?' : TextCodec::encodeChar(line[i]);
    }
    out[end + 1] = '\n';
    return bytes;
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
