#pragma once

#include "expenses/ExpenseKind.h"

#include <QStringList>

namespace selvana {

class Form;
class LookupListsPage;
class NumberField;

// What happens inside the entry panels before a record is added: the computed fields and
// their chains, the choice lists that fill fields from the lookup lists, and the typed
// currencies, countries, routes and cost kinds the lookup lists learn.
class EntryRules {
public:
    EntryRules(Form& form, LookupListsPage& lookups);

    // The per-diem line: Iznos = per diem x number less the reduction, then Iznos (kn).
    void DnevniceUkupno();

    // The choice lists laid out beside entry field n of a kind.
    static QStringList choicesBeside(ExpenseKind kind, int n);

private:
    NumberField& number(ExpenseKind kind, int n) const;
    void declareComputedFields();
    void declareChoiceLists();
    void declareLearningFields();

    Form& m_main;
    LookupListsPage& m_lookups;
};

} // namespace selvana
