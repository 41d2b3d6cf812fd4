#pragma once

#include <QString>

namespace selvana {

class GridTable;
class MainWindowModel;

// The book of one subject and year: sg_nalozi and sg_obracun kept row for row, numbering,
// adding, deleting, saving, moving between orders, the two order lists, renumbering.
class OrderBook {
public:
    explicit OrderBook(MainWindowModel& main);

    void open(); // bt_otv_knj_nlgClick
    GridTable& orders();
    GridTable& settlements();

private:
    MainWindowModel& m_main;
};

} // namespace selvana
