#include "orders/OrderBook.h"

#include "app/MainWindowModel.h"

using namespace Qt::StringLiterals;

namespace selvana {

OrderBook::OrderBook(MainWindowModel& main) : m_main(main)
{
    main.add<GridControl>(u"sg_nalozi"_s, 19, 1);
    main.add<GridControl>(u"sg_obracun"_s, 21, 1);
    main.add<Button>(u"bt_otv_knj_nlg"_s, u"Rovar irorov"_s).onClick([this] { open(); });
}

void OrderBook::open() {}
GridTable& OrderBook::orders() { return m_main.table(u"sg_nalozi"); }
GridTable& OrderBook::settlements() { return m_main.table(u"sg_obracun"); }

} // namespace selvana
