#pragma once

namespace selvana {

class MainWindowModel;

// The "Izvještaji" page: lists of the book's orders, and the printing of the shown order.
class ReportsPage {
public:
    explicit ReportsPage(MainWindowModel& main);

    // Start-up: the report kinds, the first one chosen.
    void setUp();

private:
    MainWindowModel& m_main;
};

} // namespace selvana
