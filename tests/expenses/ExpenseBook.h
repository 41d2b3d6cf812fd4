#pragma once

#include "OpenBook.h"
#include "storage/GridTable.h"
#include "storage/TableFile.h"

#include <QFile>

#include <memory>

namespace selvana::test {

// A program run with one subject and its book of 2013 open, lookup lists of currencies,
// countries, routes, means of transport and cost kinds in place, and order 1 shown.
struct ExpenseBook : OpenBook {
    ExpenseBook()
    {
        writeList(u"valute.txt", {{u"EUR", u"7,534567"}, {u"HRK", u"1,000000"}, {u"USD", u"5,500000"}});
        writeList(u"zemlje.txt", {{u"Austrija", u"100,00", u"EUR"}, {u"Srbija", u"40,00", u"RSD"}});
        writeList(u"rute.txt", {{u"Zagreb-Split", u"410,00"}});
        writeList(u"prijevoz.txt", {{u"osobni auto", u"2,00"}});
        writeList(u"vrste.txt", {{u"Cestarina"}});
        start();
        w().click(u"bt_nalog_dodaj_prazan");
    }

    QByteArray bytes(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // "name=text" steps: each text typed into its field.
    void type(const QStringList& steps)
    {
        for (const QString& step : steps)
            w().setText(step.section(u'=', 0, 0), step.section(u'=', 1));
    }
    // "name=text" checks against the shown texts; the first that differs, or nothing.
    QString mismatch(const QStringList& checks)
    {
        for (const QString& check : checks) {
            const QString name = check.section(u'=', 0, 0);
            if (w().text(name) != check.section(u'=', 1))
                return name + u": \"" + w().text(name) + u"\" instead of \"" + check.section(u'=', 1) + u'"';
        }
        return QString();
    }

private:
    void writeList(const char16_t* name, const QList<QList<const char16_t*>>& rows)
    {
        GridTable t(int(rows.first().size()), int(rows.size()));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < rows[r].size(); ++c)
                t.setCell(c, r, QString::fromUtf16(rows[r][c]));
        tmp.write(QStringLiteral("KVA_PUT/") + QString::fromUtf16(name), encodeTableFile(t));
    }
};

} // namespace selvana::test
