#pragma once

#include "reports/Report.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace selvana {

enum class ReportBandKind {
    Title,
    PageHeader,
    PageFooter,
    Caption,
    ColumnHeads,
    Detail,
    GroupSummary,
    Summary
};

// An item as it goes on paper: rect in millimetres from the paper's top-left
// corner, text already broken into the lines that are drawn.
struct LaidOutItem {
    enum Flag {
        NoFlags = 0,
        WordWrap = 0x1,
        Overflow = 0x2,  // did not fit its box on one line and was wrapped anyway
        Continued = 0x4, // the rest of a band split at a page break
        PageNumber = 0x8,
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    ReportItemKind kind = ReportItemKind::Text;
    QRectF rect;
    QString text; // lines separated by '\n'
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    Flags flags;
    qreal lineHeight = 0;
    qreal penWidth = 0;
    ReportBandKind band = ReportBandKind::Detail;
    int group = -1; // index of the group within its section, -1 outside groups

    QStringList lines() const { return text.split(QLatin1Char('\n')); }
};

struct LaidOutPage {
    int number = 0; // 1-based over the whole document
    int section = 0;
    QPageLayout layout;
    QList<LaidOutItem> items;

    QStringList texts() const;
};

} // namespace selvana

Q_DECLARE_OPERATORS_FOR_FLAGS(selvana::LaidOutItem::Flags)
