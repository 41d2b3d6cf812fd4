#pragma once

#include <QString>

#include <functional>

namespace selvana {

class GridTable;
class Folders;
class Form;
class SubjectsPage;
class OrderPage;

// The book of one subject and year: sg_nalozi and sg_obracun kept row for row, numbering,
// adding, deleting, saving, moving between orders, the two order lists, renumbering.
class OrderBook {
public:
    OrderBook(Form& form, OrderPage& page, SubjectsPage& subjects, const Folders& folders,
              std::function<void(bool)> setBookPagesEnabled);

    void open(); // bt_otv_knj_nlgClick
    bool isOpen() const { return !m_subject.isEmpty(); }
    // A reader beside a running program (the command-line printer): no recovery, no saves.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // The shown order could not be read in full (a damaged cell): it is shown without the
    // damaged parts and cannot be saved.
    bool shownOrderDamaged() const;
    QString ordersFile() const;
    QString settlementsFile() const;

    void add(bool copy); // "&Dodaj" (empty) and "Doda&j" (a copy of the shown order)
    void SaveOrder();    // WriteOrder, then both files
    void remove();       // "&Obriši"
    void moveTo(const QString& number);
    void goToRow(int row); // first, last, previous, next
    void renumber();       // "OK" beside "Stari broj" and "Novi broj"
    void insertNumber();   // "Ubaci"

    int largestNumber() const; // 0 in an empty book
    void info();               // the information line in status panel 0
    void rebuildLists();
    QString totalsCaption() const;

    GridTable& orders();
    GridTable& settlements();

private:
    static QString bookFile(const QString& folder, const QString& subject, const QString& year,
                            QStringView ending);
    void declare();
    void close();
    void requireOpen() const;
    void showCurrent();
    void throwIfShownOrderDamaged() const;
    void onNumberChanged();
    void clearPage();
    void saveFiles();
    // The page into the current rows, both files written, lists and lines brought up to date.
    void writeShownOrder();
    void afterRowsChanged(const QString& number);
    void emptyListTexts();
    bool hasNumber(const QString& number) const;
    void updateTotalsCaption();
    void recountLargest();

    Form& m_main;
    SubjectsPage& m_subjects;
    const Folders& m_folders;
    std::function<void(bool)> m_setBookPagesEnabled;
    OrderPage& m_page;
    QString m_subject; // remembered at opening, used for every save
    QString m_year;
    bool m_adding = false;
    bool m_showing = false;
    bool m_readOnly = false;
    int m_largest = 0;
};

} // namespace selvana
