#pragma once

#include <QString>

namespace selvana {

class MainWindowModel;

// The nine lookup lists: their tables and files, the "Tablice" page with its entry fields
// and buttons, the choice lists they feed, and the automatic add from typed values.
class LookupListsPage {
public:
    // The lists, in the order of their keys.
    enum List { Putnici, Zvanje, Zanimanja, Mjesta, Prijevoz, Valute, Vrste, Rute, Zemlje, ListCount };

    explicit LookupListsPage(MainWindowModel& main);

    // Start-up: every list whose file exists, then the countries list beside the executable.
    void load();
    // Start-up: only the travellers' panel is shown.
    void hidePanels();
    // A typed value not yet in the list becomes a record of its own (key column only).
    void autoAdd(List list, const QString& text);

private:
    MainWindowModel& m_main;
};

} // namespace selvana
