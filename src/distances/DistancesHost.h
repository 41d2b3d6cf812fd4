#pragma once

#include "expenses/ExpenseKind.h"

#include <QString>
#include <QStringList>

namespace selvana {

// What the "Udaljenosti" window reads from and writes into the main window, and nothing more;
// the main window's model implements it.
class DistancesHost {
public:
    virtual ~DistancesHost();

    virtual QString subjectNumber() const = 0;
    virtual QString subjectName() const = 0;
    virtual int year() const = 0;
    virtual bool isBookOpen() const = 0;
    // The shown order: its number ("" when none), traveller and destination.
    virtual QString orderNumber() const = 0;
    virtual QString traveller() const = 0;
    virtual QString destination() const = 0;

    // Entry field n of an expense kind's page, as if typed: its rules run. Throws AppError
    // when the field refuses the text.
    virtual void setEntryField(ExpenseKind kind, int field, const QString& text) = 0;
    // A per-diem record from entry fields 1.. as given, added to the shown order and saved
    // as "&Dodaj" on the per-diem page does.
    virtual void addPerDiemLine(const QStringList& fields) = 0;
};

} // namespace selvana
