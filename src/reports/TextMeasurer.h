#pragma once

#include "reports/Report.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QStringList>

#include <memory>
#include <unordered_map>

class QFontMetricsF;

namespace selvana {

// Measures text in millimetres with the metrics of the real font at print
// resolution, and breaks it into lines. Widths and line breaks are cached per
// font, as a long table repeats the same dates, amounts and names.
class TextMeasurer {
public:
    TextMeasurer();
    ~TextMeasurer();
    TextMeasurer(const TextMeasurer&) = delete;
    TextMeasurer& operator=(const TextMeasurer&) = delete;

    static QFont qFont(const ReportFont& font);
    // Arial is what printouts ask for; Liberation Sans has the same metrics.
    static void installFontSubstitutes();

    qreal lineHeight(const ReportFont& font);
    qreal width(const ReportFont& font, const QString& text);

    struct Lines {
        QStringList lines;
        bool overflow = false; // some line did not fit although wrapping was not asked for
    };
    // Explicit line breaks always count; wordWrap breaks at spaces, or inside a
    // word longer than the width. Text that does not fit unwrapped is wrapped at
    // spaces all the same, never clipped, and reported as overflow; a word is
    // then kept whole, as a number or a date cut in two would read wrong.
    Lines breakLines(const ReportFont& font, const QString& text, qreal maxWidth, bool wordWrap);

private:
    struct FontEntry;
    struct FontHash {
        size_t operator()(const ReportFont& font) const { return qHash(font); }
    };
    FontEntry& entry(const ReportFont& font);
    qreal width(FontEntry& entry, const QString& text);
    void wrapParagraph(FontEntry& entry, const QString& paragraph, qreal maxWidth, bool breakWords,
                       QStringList& lines);
    void breakWord(FontEntry& entry, const QString& word, qreal maxWidth, QStringList& lines, QString& rest);

    QImage m_device;
    std::unordered_map<ReportFont, std::unique_ptr<FontEntry>, FontHash> m_fonts;
    const ReportFont* m_lastFont = nullptr;
    FontEntry* m_lastEntry = nullptr;
};

} // namespace selvana
