#include "storage/TableFile.h"

#include "base/AppError.h"
#include "base/Windows1250.h"
#include "storage/GridTable.h"
#include "storage/SafeSave.h"
#include "storage/TableFileSet.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

constexpr char16_t kTab = 9;
constexpr char16_t kBs = 8;
constexpr char16_t kLf = 10;
constexpr char16_t kCr = 13;

enum class CellForm { Plain, Breaks, Unstorable };

// Plain texts are written as they are. Texts with line breaks travel as TAB/BS, which the
// reader turns back only when a BS is present: so a break needs an LF, and a TAB beside it
// or any BS of its own would come back as something else. A bare LF is sent as BS too:
// written raw it would end the line.
CellForm cellForm(QStringView text)
{
    bool cr = false, lf = false, tab = false, bs = false;
    for (QChar ch : text) {
        if (ch.unicode() >= 32)
            continue;
        cr = cr || ch == kCr;
        lf = lf || ch == kLf;
        tab = tab || ch == kTab;
        bs = bs || ch == kBs;
    }
    if (bs || (cr && !lf) || (lf && tab))
        return CellForm::Unstorable;
    return lf ? CellForm::Breaks : CellForm::Plain;
}

void appendNumber(QByteArray& out, int n)
{
    char digits[12];
    int at = 12;
    unsigned v = n < 0 ? 0u - unsigned(n) : unsigned(n);
    do {
        digits[--at] = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (n < 0)
        digits[--at] = '-';
    out.append(digits + at, 12 - at);
}

QString excerpt(const QString& text)
{
    constexpr int kShown = 60;
    QString shown = text.left(kShown);
    for (QChar& ch : shown) {
        if (ch.unicode() < 32)
            ch = u' ';
    }
    return text.size() > kShown ? shown + u'…' : shown;
}

AppError notInCodePage(const QString& text)
{
    return AppError(
        u"Tekst \"%1\" sadrži znakove koji se ne mogu spremiti (Windows-1250)."_s.arg(excerpt(text)));
}

AppError controlCharacters(const QString& text)
{
    return AppError(u"Tekst \"%1\" sadrži kontrolne znakove koji se ne mogu spremiti."_s.arg(excerpt(text)));
}

// 1 to 9 decimal digits: file indexes and counts never carry signs, and this bounds them.
bool parseIndex(QByteArrayView text, int& value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    int v = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        v = v * 10 + (ch - '0');
    }
    value = v;
    return true;
}

// Lines end at CR LF, or at a lone CR or LF as other writers may have left them.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) : m_at(bytes.begin()), m_end(bytes.end()) {}

    bool next(QByteArrayView& line)
    {
        if (m_at == m_end)
            return false;
        const char* start = m_at;
        while (m_at != m_end && *m_at != '\r' && *m_at != '\n')
            ++m_at;
        line = QByteArrayView(start, m_at);
        if (m_at != m_end) {
            const bool crlf = *m_at == '\r' && m_at + 1 != m_end && m_at[1] == '\n';
            m_at += crlf ? 2 : 1;
        }
        return true;
    }

private:
    const char* m_at;
    const char* m_end;
};

QString decodeCell(QByteArrayView raw, bool multiLine)
{
    QString text = Windows1250::decode(raw);
    if (!raw.contains('\b'))
        return text; // the line holds no CR, so there is nothing to cut
    for (QChar& ch : text) {
        if (ch == kTab)
            ch = QChar(kCr);
        else if (ch == kBs)
            ch = QChar(kLf);
    }
    if (!multiLine) {
        const qsizetype cr = text.indexOf(QChar(kCr));
        if (cr >= 0)
            text.truncate(cr);
    }
    return text;
}

AppError corruptFile(const QString& path)
{
    return AppError(u"File contains no data or corrupt file "_s + path);
}

AppError cannotCreate(const QString& path)
{
    return AppError(u"Cannot Create "_s + path);
}

} // namespace

bool fitsWindows1250(QStringView text)
{
    return Windows1250::canEncode(text);
}

bool fitsTableFile(QStringView text)
{
    return cellForm(text) != CellForm::Unstorable && fitsWindows1250(text);
}

QByteArray encodeTableFile(const GridTable& table)
{
    const int cols = table.colCount();
    const int rows = table.rowCount();

    qsizetype size = 24 + qsizetype(cols) * 16;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const qsizetype n = table.cell(c, r).size();
            size += n > 0 ? n + 16 : 0;
        }
    }
    QByteArray bytes;
    bytes.reserve(size);

    appendNumber(bytes, cols);
    bytes += ',';
    appendNumber(bytes, rows);
    bytes += "\r\n";
    for (int c = 0; c < cols; ++c) {
        bytes += "cw ";
        appendNumber(bytes, c);
        bytes += ',';
        appendNumber(bytes, table.colWidth(c));
        bytes += "\r\n";
    }
    QString broken;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QString cell = table.cell(c, r);
            if (cell.isEmpty())
                continue;
            appendNumber(bytes, c);
            bytes += ',';
            appendNumber(bytes, r);
            bytes += ',';
            QStringView text = cell;
            switch (cellForm(cell)) {
            case CellForm::Plain: break;
            case CellForm::Breaks:
                broken = cell;
                for (QChar& ch : broken)
                    ch = ch == kCr ? QChar(kTab) : ch == kLf ? QChar(kBs) : ch;
                text = broken;
                break;
            case CellForm::Unstorable: throw controlCharacters(cell);
            }
            if (!Windows1250::appendEncoded(bytes, text))
                throw notInCodePage(cell);
            bytes += "\r\n";
        }
    }
    return bytes;
}

void decodeTableFile(const QByteArray& bytes, GridTable& table, const QString& path)
{
    if (bytes.size() > kMaxTableFileBytes)
        throw corruptFile(path);
    LineReader lines(bytes);

    QByteArrayView line;
    if (!lines.next(line))
        throw corruptFile(path);
    int cols = table.colCount();
    int rows = table.rowCount();
    if (!line.isEmpty()) {
        const qsizetype comma = line.indexOf(',');
        if (comma < 0 || !parseIndex(line.first(comma).trimmed(), cols) ||
            !parseIndex(line.sliced(comma + 1).trimmed(), rows) || !GridTable::fitsStoredLimits(cols, rows))
            throw corruptFile(path);
    }

    GridTable::Batch batch(table);
    table.setColCount(cols);
    table.setRowCount(rows);
    const bool multiLine = table.multiLine();
    while (lines.next(line)) {
        const qsizetype comma = line.indexOf(',');
        if (line.startsWith("cw")) {
            int c = 0, width = 0;
            if (comma >= 3 && parseIndex(line.sliced(3, comma - 3), c) &&
                parseIndex(line.sliced(comma + 1), width) && c < cols)
                table.setColWidth(c, width);
            continue;
        }
        if (comma < 0)
            continue;
        const qsizetype comma2 = line.indexOf(',', comma + 1);
        int c = 0, r = 0;
        if (comma2 < 0 || !parseIndex(line.first(comma), c) ||
            !parseIndex(line.sliced(comma + 1, comma2 - comma - 1), r) || c >= cols || r >= rows)
            continue;
        table.setCell(c, r, decodeCell(line.sliced(comma2 + 1), multiLine));
    }
}

bool writeFully(QIODevice& device, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return true;
}

bool writeTableFile(const GridTable& table, QIODevice& device)
{
    return writeFully(device, encodeTableFile(table));
}

void loadTableFile(GridTable& table, const QString& path)
{
    // Only regular files: opening a FIFO or a device would wait or read without end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(u"Cannot open file "_s + path);
    if (file.size() > kMaxTableFileBytes)
        throw corruptFile(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(u"Cannot open file "_s + path);
    decodeTableFile(bytes, table, path);
}

void loadSavedTableFile(GridTable& table, const QString& path, bool setAside)
{
    try {
        loadTableFile(table, path);
    } catch (const AppError& error) {
        if (!setAside)
            throw;
        QString aside = path + u".ostecen"_s;
        for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
            aside = path + u".ostecen"_s + QString::number(n);
        if (!QFile::rename(path, aside))
            throw AppError(error.text() +
                           u"\nDatoteka se ne može premjestiti na stranu; ne mijenjajte podatke "_s
                           u"dok je ne popravite ili uklonite."_s);
        throw AppError(error.text() + u"\nOštećena datoteka sačuvana je kao "_s + aside +
                       u"; program nastavlja bez njezinih podataka."_s);
    }
}

void SaveTableFiles(const QList<std::pair<const GridTable*, QString>>& files, const SaveFilter& filter)
{
    if (files.size() != 1) {
        SaveTableSet(files, filter);
        return;
    }
    const auto& [table, path] = files.constFirst();
    const QByteArray bytes = encodeTableFile(*table); // a text we cannot store stops the save here
    SafeSave save(path);
    if (!save.open())
        throw cannotCreate(path);
    bool written = false;
    if (filter) {
        const std::unique_ptr<QIODevice> device = filter(save.device());
        written = device && writeFully(*device, bytes);
    } else {
        written = writeFully(save.device(), bytes);
    }
    if (!written || !save.commit())
        throw cannotCreate(path);
}

} // namespace selvana
