#pragma once

#include "storage/LookupList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace selvana {

class Folders;
class Form;
class Windows;

// The nine lookup lists: their tables and files, the "Tablice" page with its entry fields
// and buttons, the choice lists they feed, and the automatic add from typed values.
class LookupListsPage {
public:
    // The lists, in the order of their keys.
    enum List { Putnici, Zvanje, Zanimanja, Mjesta, Prijevoz, Valute, Vrste, Rute, Zemlje, ListCount };

    LookupListsPage(Form& form, const Folders& folders, bool readOnly, Windows& windows);

    // Start-up: every list whose file exists, then the countries list beside the executable.
    void load();
    // Start-up: only the travellers' panel is shown.
    void hidePanels();
    // A typed value not yet in the list becomes a record of its own (key column only).
    void autoAdd(List list, const QString& text);

    LookupList& list(List list) { return m_lists[list]; }
    // The list whose key ("strFilePutnici", ...) is given; ListCount when there is none.
    static List listByKey(const QString& key);

    // What a view lays out for a list: its panel holds the selection list, the entry fields,
    // the buttons and the table.
    struct PanelNames {
        QString panel;
        QString selection;
        QStringList fields;
        QStringList buttons;
        QString table;
    };
    static PanelNames panelNames(List list);
    // The lists in the order of the chooser cb_tablice_odabir_1.
    static QList<List> chooserOrder();

    // The buttons of a list's panel and its selection list.
    void add(List list);
    void save(List list);
    void remove(List list);
    void select(List list, const QString& key);

private:
    void declareList(List list);
    void declareChooser();
    void declareNalogChoices();
    void loadCountriesWorkbook();
    void chooseWorkbookCountry();
    void showPanel(List list);
    // The distances window comes with its own part; until then its entries do nothing.
    void openDistancesWindow(int page);

    void refillChoiceLists(List list);
    void writeRecord(List list);
    void showRecord(List list, int row);
    void clearEntryFields(List list);
    QString key(List list) const;

    Form& m_main;
    const Folders& m_folders;
    bool m_readOnly;
    Windows& m_windows;
    std::vector<LookupList> m_lists;
};

} // namespace selvana
