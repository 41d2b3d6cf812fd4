#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace selvana {

class ExpenseSheets;
class Clock;
class Form;
class LookupListsPage;

// The order shown on the "Nalog" page, its report fields and settlement fields: the two
// transfers between the page and the order-book rows, and the trip timing.
class OrderPage {
public:
    OrderPage(Form& form, ExpenseSheets& sheets, LookupListsPage& lookups, Clock& clock);

    // Page to the current rows of sg_nalozi and sg_obracun.
    void WriteOrder();
    // The current rows to the page, all of it: a cell that cannot be read leaves its field
    // empty and marks the order damaged, the rest is shown.
    void ShowOrder();
    bool isDamaged() const { return !m_damage.isEmpty(); }
    // The message naming what could not be read.
    QString damageText() const;
    void forgetDamage() { m_damage.clear(); }
    void ClearOrderFields();
    void ClearSettlement();

    // SpeedButton3: days and hours of the trip from departure and return.
    void computeTrip();
    // The domestic per diems of a trip of so many hours.
    static double domesticPerDiems(double hours);

    // Set while an order is being moved to: date changes do not reset days and hours.
    void setTripResetSuppressed(bool suppressed) { m_suppressTripReset = suppressed; }

    // Multi-line texts on one line: non-empty lines joined by two backslashes.
    static QString joinLines(const QString& text);
    static QString splitLines(const QString& cell);

private:
    void declareOrderFields();
    void declareSettlementFields();
    void declareTripControls();
    void resetTrip();

    Form& m_main;
    LookupListsPage& m_lookups;
    Clock& m_clock;
    ExpenseSheets& m_sheets;
    bool m_suppressTripReset = true;
    QString m_damagedNumber;
    QStringList m_damage; // "field: reason", one per cell that could not be read
};

} // namespace selvana
