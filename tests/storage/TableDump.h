#pragma once

#include "storage/GridTable.h"

#include <QString>
#include <QStringList>

namespace selvana {

// "CxR", the widths when any differs from the default, then every non-empty cell as
// ";c,r=text" in file order: one string that tests can compare whole.
inline QString dumpTable(const GridTable& table)
{
    QString out = QString::number(table.colCount()) + u'x' + QString::number(table.rowCount());
    QStringList widths;
    bool custom = false;
    for (int c = 0; c < table.colCount(); ++c) {
        widths.append(QString::number(table.colWidth(c)));
        custom = custom || table.colWidth(c) != GridTable::kDefaultColWidth;
    }
    if (custom)
        out += u" w" + widths.join(u',');
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            const QString text = table.cell(c, r);
            if (!text.isEmpty())
                out += u';' + QString::number(c) + u',' + QString::number(r) + u'=' + text;
        }
    }
    return out;
}

// Fills every cell with its own address "c.r", so moved or emptied cells show in a dump.
inline void fillAddresses(GridTable& table)
{
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c)
            table.setCell(c, r, QString::number(c) + u'.' + QString::number(r));
    }
}

} // namespace selvana
