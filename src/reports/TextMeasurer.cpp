#include "reports/TextMeasurer.h"

#include <QFontMetricsF>

#include <algorithm>
#include <mutex>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

// The resolution of QPdfWriter: text is measured as it will be written.
constexpr int measureDpi = 1200;
constexpr qreal mmPerPixel = 25.4 / measureDpi;
constexpr qreal tolerance = 0.001;
// Qt adds advances up in 26.6 fixed point, which wraps around past 2^25 pixels: some
// hundred thousand characters at this resolution. Longer texts are measured in pieces.
constexpr qsizetype measurePiece = 4096;

struct WrapKey {
    QString text;
    qint64 width;
    bool wordWrap;
    friend bool operator==(const WrapKey&, const WrapKey&) = default;
};

size_t qHash(const WrapKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.width, key.wordWrap);
}

QString chopTrailingSpaces(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == u' ')
        --end;
    line.truncate(end);
    return line;
}

} // namespace

struct TextMeasurer::FontEntry {
    FontEntry(const QFont& font, QPaintDevice* device)
        : metrics(font, device), lineHeight(metrics.lineSpacing() * mmPerPixel)
    {}
    qreal measure(const QString& text) const
    {
        if (text.size() <= measurePiece)
            return metrics.horizontalAdvance(text) * mmPerPixel;
        qreal pixels = 0;
        for (qsizetype from = 0; from < text.size();) {
            qsizetype length = std::min(measurePiece, text.size() - from);
            if (text.at(from + length - 1).isHighSurrogate())
                --length;
            pixels += metrics.horizontalAdvance(text.mid(from, length));
            from += length;
        }
        return pixels * mmPerPixel;
    }

    QFontMetricsF metrics;
    qreal lineHeight;
    QHash<QString, qreal> widths;
    QHash<WrapKey, Lines> wrapped;
};

TextMeasurer::TextMeasurer() : m_device(1, 1, QImage::Format_Mono)
{
    installFontSubstitutes();
    const int dotsPerMeter = qRound(measureDpi / 0.0254);
    m_device.setDotsPerMeterX(dotsPerMeter);
    m_device.setDotsPerMeterY(dotsPerMeter);
}

TextMeasurer::~TextMeasurer() = default;

void TextMeasurer::installFontSubstitutes()
{
    static std::once_flag once;
    std::call_once(once, [] { QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s); });
}

QFont TextMeasurer::qFont(const ReportFont& font)
{
    QFont result(font.family);
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    // Hinting would make widths depend on the device; the PDF has none.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

TextMeasurer::FontEntry& TextMeasurer::entry(const ReportFont& font)
{
    if (m_lastFont && *m_lastFont == font)
        return *m_lastEntry;
    auto it = m_fonts.find(font);
    if (it == m_fonts.end())
        it = m_fonts.emplace(font, std::make_unique<FontEntry>(qFont(font), &m_device)).first;
    m_lastFont = &it->first;
    m_lastEntry = it->second.get();
    return *m_lastEntry;
}

qreal TextMeasurer::lineHeight(const ReportFont& font)
{
    return entry(font).lineHeight;
}

qreal TextMeasurer::width(const ReportFont& font, const QString& text)
{
    return width(entry(font), text);
}

qreal TextMeasurer::width(FontEntry& entry, const QString& text)
{
    auto it = entry.widths.constFind(text);
    if (it != entry.widths.constEnd())
        return *it;
    const qreal result = entry.measure(text);
    entry.widths.insert(text, result);
    return result;
}

TextMeasurer::Lines TextMeasurer::breakLines(const ReportFont& font, const QString& text, qreal maxWidth,
                                             bool wordWrap)
{
    if (text.isEmpty())
        return {};
    FontEntry& fontEntry = entry(font);
    const bool oneParagraph = !text.contains(u'\n') && !text.contains(u'\r');
    if (oneParagraph && width(fontEntry, text) <= maxWidth + tolerance)
        return {{text}, false};

    const WrapKey key{text, qRound64(maxWidth * 1000), wordWrap};
    if (auto it = fontEntry.wrapped.constFind(key); it != fontEntry.wrapped.constEnd())
        return *it;

    QString normalized = text;
    normalized.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    const QStringList paragraphs = normalized.split(u'\n');
    Lines result;
    if (!wordWrap) {
        result.overflow = std::any_of(paragraphs.cbegin(), paragraphs.cend(), [&](const QString& paragraph) {
            return width(fontEntry, paragraph) > maxWidth + tolerance;
        });
        if (!result.overflow)
            result.lines = paragraphs;
    }
    if (result.lines.isEmpty()) {
        for (const QString& paragraph : paragraphs)
            wrapParagraph(fontEntry, paragraph, maxWidth, wordWrap, result.lines);
    }
    fontEntry.wrapped.insert(key, result);
    return result;
}

void TextMeasurer::wrapParagraph(FontEntry& entry, const QString& paragraph, qreal maxWidth, bool breakWords,
                                 QStringList& lines)
{
    if (width(entry, paragraph) <= maxWidth + tolerance) {
        lines.append(paragraph);
        return;
    }
    QString line;
    const QStringList words = paragraph.split(u' ');
    for (const QString& word : words) {
        if (!line.isEmpty()) {
            const QString candidate = line + u' ' + word;
            if (entry.measure(candidate) <= maxWidth + tolerance) {
                line = candidate;
                continue;
            }
            lines.append(chopTrailingSpaces(line));
            line.clear();
        }
        if (word.isEmpty())
            continue; // spaces at a break vanish
        if (!breakWords || entry.measure(word) <= maxWidth + tolerance)
            line = word;
        else
            breakWord(entry, word, maxWidth, lines, line);
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(chopTrailingSpaces(line));
}

void TextMeasurer::breakWord(FontEntry& entry, const QString& word, qreal maxWidth, QStringList& lines,
                             QString& rest)
{
    // Only pieces about a line long are measured: a word may run over pages, and measuring
    // all that is left of it for every line took time growing with the square of its length.
    const auto fits = [&](qsizetype from, qsizetype length) {
        return entry.measure(word.mid(from, length)) <= maxWidth + tolerance;
    };
    qsizetype from = 0;
    qsizetype guess = 1;
    for (;;) {
        const qsizetype left = word.size() - from;
        // The longest prefix that fits lies between a probe that fits and one that does not.
        qsizetype fitting = 0;
        qsizetype probe = std::min(guess, left);
        while (probe < left && fits(from, probe)) {
            fitting = probe;
            probe = std::min(2 * probe, left);
        }
        if (probe == left && fits(from, left))
            break;
        // At least one character, so the text advances.
        qsizetype low = std::max<qsizetype>(fitting, 1);
        qsizetype high = probe - 1;
        while (low < high) {
            const qsizetype middle = (low + high + 1) / 2;
            if (fits(from, middle))
                low = middle;
            else
                high = middle - 1;
        }
        if (word.at(from + low - 1).isHighSurrogate())
            low = low > 1 ? low - 1 : low + 1;
        lines.append(word.mid(from, low));
        from += low;
        guess = low;
    }
    rest = word.mid(from);
}

} // namespace selvana
