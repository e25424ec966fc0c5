#include "core/import/CsvSheet.h"

#include "core/text/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace scorvane {

namespace {

constexpr std::array<char16_t, 3> Separators{u',', u';', u'\t'};

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark)
{
    if (bytes.size() < static_cast<qsizetype>(mark.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char b : mark) {
        if (static_cast<unsigned char>(bytes[i++]) != b)
            return false;
    }
    return true;
}

// Windows-1252 through the program's own table, except that the control bytes stay the
// control characters they are, so that line ends and tabs still end lines and cells.
QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte < 0x80 ? QChar(char16_t{byte}) : TextCodec::decodeByte(byte);
    }
    return text;
}

// A text file holds no NUL, and only the odd control character besides tab and line ends.
bool looksBinary(QStringView text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        if (c == u'\0')
            return true;
        if (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            ++controls;
    }
    return controls > 0 && controls * 100 > text.size();
}

QString decode(const QByteArray& bytes, CsvEncoding& encoding)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        encoding = CsvEncoding::Utf8WithBom;
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    if (startsWith(bytes, {0xFF, 0xFE}) || startsWith(bytes, {0xFE, 0xFF})) {
        encoding = CsvEncoding::Utf16;
        QStringDecoder decoder(
            startsWith(bytes, {0xFF, 0xFE}) ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decoder(bytes.mid(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        encoding = CsvEncoding::Utf8;
        return text;
    }
    encoding = CsvEncoding::Windows1252;
    return decodeWindows1252(bytes);
}

CsvSheet::CellSlice slice(qsizetype start, qsizetype length, bool unquoted = false)
{
    CsvSheet::CellSlice cell;
    cell.start = static_cast<quint32>(start);
    cell.length = static_cast<quint32>(length);
    cell.unquoted = unquoted ? 1U : 0U;
    return cell;
}

// Splits the text into records of cells. A quote opens a quoted cell only at the start of a
// cell; inside it a doubled quote is one quote and separators and line breaks are text.
class CsvSplitter
{
public:
    explicit CsvSplitter(CsvSheet& sheet)
        : text_(sheet.text)
        , separator_(sheet.separator)
        , sheet_(sheet)
    { }

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next row, its cells added to the sheet's cells.
    CsvSheet::Row next()
    {
        CsvSheet::Row row;
        row.line = line_;
        row.firstCell = sheet_.cellSlices.size();
        while (true) {
            bool endOfRow = false;
            sheet_.cellSlices.push_back(nextCell(row, endOfRow));
            ++row.cellCount;
            if (endOfRow || pos_ >= text_.size())
                return row;
        }
    }

private:
    bool nextIs(QChar c) const { return pos_ < text_.size() && text_[pos_] == c; }

    // Ends a row at a line end (CR LF, LF or CR), stepping over it.
    bool atLineEnd()
    {
        const QChar c = text_[pos_];
        if (c != u'\r' && c != u'\n')
            return false;
        ++pos_;
        if (c == u'\r' && nextIs(u'\n'))
            ++pos_;
        ++line_;
        return true;
    }

    // One cell; `endOfRow` when a line end follows it. A plain cell is one slice of the text.
    CsvSheet::CellSlice nextCell(CsvSheet::Row& row, bool& endOfRow)
    {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] == u' ')
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'"')
            return quotedCell(row, endOfRow);
        pos_ = start;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c == separator_) {
                ++pos_;
                return slice(start, pos_ - 1 - start);
            }
            if (c == u'\r' || c == u'\n') {
                const qsizetype end = pos_;
                endOfRow = atLineEnd();
                return slice(start, end - start);
            }
            ++pos_;
        }
        return slice(start, pos_ - start);
    }

    // A cell that opens with a quote: doubled quotes are quotes, separators and line breaks are
    // text; whatever follows the closing quote up to the separator is kept as well. The text
    // between the quotes is a slice of the file unless a doubled quote or text after the
    // closing quote makes it one of its own.
    CsvSheet::CellSlice quotedCell(CsvSheet::Row& row, bool& endOfRow)
    {
        ++pos_; // the opening quote
        const qsizetype contentStart = pos_;
        qsizetype contentEnd = -1; // the closing quote, while the text is one slice
        QString own;
        bool owned = false;
        const auto takeOwn = [&](qsizetype end) {
            own = text_.mid(contentStart, end - contentStart).toString();
            owned = true;
        };
        bool quoted = true;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (quoted) {
                ++pos_;
                if (c == u'"') {
                    if (nextIs(u'"')) {
                        if (!owned)
                            takeOwn(pos_ - 1);
                        own += u'"';
                        ++pos_;
                    } else {
                        quoted = false;
                        contentEnd = pos_ - 1;
                    }
                    continue;
                }
                if (c == u'\n' || (c == u'\r' && !nextIs(u'\n')))
                    ++line_;
                if (owned)
                    own += c;
                continue;
            }
            if (c == separator_) {
                ++pos_;
                break;
            }
            if (atLineEnd()) {
                endOfRow = true;
                break;
            }
            if (!owned)
                takeOwn(contentEnd);
            own += c;
            ++pos_;
        }
        if (quoted)
            row.fault = QStringLiteral("a quote opened on line %1 is never closed").arg(row.line);
        if (owned) {
            const qsizetype start = sheet_.unquotedText.size();
            sheet_.unquotedText += own;
            return slice(start, own.size(), true);
        }
        return slice(contentStart, (quoted ? pos_ : contentEnd) - contentStart);
    }

    QStringView text_;
    QChar separator_;
    CsvSheet& sheet_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The separator the heading row (outside quotes) holds most of; a comma when it holds none.
QChar detectSeparator(QStringView text)
{
    std::array<int, Separators.size()> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        for (std::size_t s = 0; s < Separators.size(); ++s) {
            if (!quoted && c == Separators[s])
                ++counts[s];
        }
    }
    std::size_t best = 0;
    for (std::size_t s = 1; s < Separators.size(); ++s) {
        if (counts[s] > counts[best])
            best = s;
    }
    return QChar(Separators[best]);
}

bool blankRow(const CsvSheet& sheet, const CsvSheet::Row& row)
{
    for (int c = 0; c < row.cellCount; ++c) {
        if (!sheet.cell(row, c).trimmed().isEmpty())
            return false;
    }
    return row.fault.isEmpty();
}

} // namespace

QStringList CsvSheet::cells(const Row& row) const
{
    QStringList all;
    all.reserve(row.cellCount);
    for (int c = 0; c < row.cellCount; ++c)
        all << cell(row, c).toString();
    return all;
}

CsvSheet readCsvSheet(const QByteArray& bytes)
{
    CsvSheet sheet;
    sheet.text = decode(bytes, sheet.encoding);
    const QString& text = sheet.text;
    if (text.size() > CsvSheet::MaxCharacters / 2) { // the quoted cells' texts come on top
        sheet.refusal = QStringLiteral("The file is too large to import.");
        return sheet;
    }
    if (QStringView(text).trimmed().isEmpty()) {
        sheet.refusal = QStringLiteral("The file is empty.");
        return sheet;
    }
    if (looksBinary(text)) {
        sheet.refusal = QStringLiteral(
            "The file is not a spreadsheet saved as text (CSV): it holds binary data.");
        return sheet;
    }
    sheet.separator = detectSeparator(text);
    CsvSplitter splitter(sheet);
    bool haveHeadings = false;
    while (!splitter.atEnd()) {
        CsvSheet::Row row = splitter.next();
        const bool blank = blankRow(sheet, row);
        if (!blank && !haveHeadings) {
            for (int c = 0; c < row.cellCount; ++c)
                sheet.headings << sheet.cell(row, c).trimmed().toString();
            haveHeadings = true;
            // Room for as many cells on every line as the headings have, grown once at most.
            const auto lines
                = static_cast<std::size_t>(std::count(text.cbegin(), text.cend(), u'\n') + 2);
            sheet.cellSlices.reserve(lines * static_cast<std::size_t>(row.cellCount) + 16);
            sheet.rows.reserve(static_cast<qsizetype>(lines));
        } else if (!blank) {
            sheet.rows << std::move(row);
            continue;
        }
        sheet.cellSlices.resize(row.firstCell); // the cells of a row not kept
    }
    return sheet;
}

QString encodingName(CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8WithBom:
        return QStringLiteral("UTF-8 with byte-order mark");
    case CsvEncoding::Utf16:
        return QStringLiteral("UTF-16");
    case CsvEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case CsvEncoding::Utf8:
        break;
    }
    return QStringLiteral("UTF-8");
}

QString separatorName(QChar separator)
{
    if (separator == u';')
        return QStringLiteral("semicolons");
    if (separator == u'\t')
        return QStringLiteral("tabs");
    return QStringLiteral("commas");
}

} // namespace scorvane
