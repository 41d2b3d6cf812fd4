#include "orders/BookFiles.h"

#include "base/AppError.h"
#include "storage/GridTable.h"
#include "storage/TableFileSet.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

AppError notOpened(const QString& reason)
{
    return AppError(u"Knjiga naloga nije otvorena: "_s + reason + u" Datoteke nisu mijenjane."_s);
}

// Where two loaded tables stop describing the same orders, or the empty text.
QString mismatch(const GridTable& orders, const GridTable& settlements)
{
    if (orders.rowCount() != settlements.rowCount())
        return u"nalozi imaju %1 redaka, obračuni %2"_s.arg(orders.rowCount()).arg(settlements.rowCount());
    for (int r = 0; r < orders.rowCount(); ++r) {
        if (orders.cell(0, r) != settlements.cell(0, r))
            return u"u retku %1 stoji nalog \"%2\", a obračun \"%3\""_s.arg(r + 1).arg(
                orders.cell(0, r), settlements.cell(0, r));
    }
    return {};
}

} // namespace

bool loadBookFiles(const QString& ordersPath, const QString& settlementsPath, GridTable& orders,
                   GridTable& settlements, bool readOnly)
{
    const QStringList paths{ordersPath, settlementsPath};
    if (readOnly) {
        if (TableSetPending(paths))
            throw notOpened(u"spremanje knjige je u tijeku ili je prekinuto; otvorite je u programu."_s);
    } else {
        RecoverTableSet(paths);
    }
    const bool haveOrders = QFileInfo::exists(ordersPath);
    const bool haveSettlements = QFileInfo::exists(settlementsPath);
    if (!haveOrders && !haveSettlements)
        return false;
    if (haveOrders != haveSettlements) {
        const QString present = haveOrders ? ordersPath : settlementsPath;
        const QString missing = haveOrders ? settlementsPath : ordersPath;
        throw notOpened(u"postoji datoteka "_s + shown(present) + u", a nedostaje "_s + shown(missing) +
                        u'.');
    }

    // Loaded aside, so a failure leaves the shown book as it was.
    GridTable loadedOrders = orders;
    GridTable loadedSettlements = settlements;
    loadedOrders.ResetRows(1);
    loadedSettlements.ResetRows(1);
    loadedOrders.LoadFromTableFile(ordersPath);
    loadedSettlements.LoadFromTableFile(settlementsPath);
    if (const QString problem = mismatch(loadedOrders, loadedSettlements); !problem.isEmpty()) {
        throw notOpened(u"datoteke "_s + shown(ordersPath) + u" i "_s + shown(settlementsPath) +
                        u" ne odgovaraju jedna drugoj ("_s + problem + u").");
    }
    orders = loadedOrders;
    settlements = loadedSettlements;
    return true;
}

} // namespace selvana
