#include "expenses/ExpenseKind.h"

#include "base/TextForms.h"

namespace selvana {

namespace {

using F = CellFormat;

constexpr SheetColumn kAdvanceColumns[] = {
    {u"Red. broj", F::Number, false}, {u"Iznos", F::Amount, true},      {u"Valuta", F::Text, true},
    {u"Tečaj", F::Rate, true},        {u"Iznos (kn)", F::Amount, true}, {u"Napomena", F::Text, false},
};

constexpr SheetColumn kPerDiemColumns[] = {
    {u"Red. br.", F::Number, false},     {u"Zemlja", F::Text, false},
    {u"Dnevnica", F::Amount, true},      {u"Broj dnevnica", F::Amount, true},
    {u"Umanjenje (%)", F::Amount, true}, {u"Iznos", F::Amount, true},
    {u"Valuta", F::Text, true},          {u"Tečaj", F::Rate, true},
    {u"Iznos (kn)", F::Amount, true},    {u"Napomena", F::Text, false},
};

constexpr SheetColumn kTransportColumns[] = {
    {u"Red. broj", F::Number, false},
    {u"Ruta", F::Text, false},
    {u"Prijevozno sredstvo", F::Text, false},
    {u"Brojač - početak", F::Integer, true},
    {u"Brojač - kraj", F::Integer, true},
    {u"Broj km", F::Km, true},
    {u"Iznos", F::Amount, true},
    {u"Valuta", F::Text, true},
    {u"Tečaj", F::Rate, true},
    {u"Iznos (kn)", F::Amount, true},
    {u"Napomena", F::Text, false},
};

constexpr SheetColumn kOtherColumns[] = {
    {u"Red. broj", F::Number, false}, {u"Vrsta", F::Text, false}, {u"Iznos", F::Amount, true},
    {u"Valuta", F::Text, true},       {u"Tečaj", F::Rate, true},  {u"Iznos (kn)", F::Amount, true},
    {u"Napomena", F::Text, false},
};

constexpr SheetColumn kCostPerKm[] = {{u"Trošak po 1 km", F::Km, true}};

constexpr ExpenseKindSpec kKinds[] = {
    {u"akontacija",
     u"Akontacije",
     u"Akontacije",
     kAdvanceColumns,
     {},
     1,
     4,
     u"nl_12",
     7,
     {u"fcShapeBtn3", u"fcShapeBtn4", u"fcShapeBtn11"},
     true},
    {u"dnevnice",
     u"Dnevnice",
     u"Dnevnice",
     kPerDiemColumns,
     {},
     2,
     8,
     u"nl_20",
     9,
     {u"fcShapeBtn12", u"fcShapeBtn13", u"fcShapeBtn14"},
     true},
    {u"prijevoz",
     u"Prijevoz",
     u"Prijevoz",
     kTransportColumns,
     kCostPerKm,
     6,
     9,
     u"nl_21",
     11,
     {u"fcShapeBtn15", u"fcShapeBtn16", u"fcShapeBtn17"},
     false},
    {u"ostali",
     u"Ostali",
     u"Ostali troškovi",
     kOtherColumns,
     {},
     2,
     5,
     u"nl_22",
     13,
     {u"fcShapeBtn18", u"fcShapeBtn19", u"fcShapeBtn20"},
     true},
};

} // namespace

std::span<const ExpenseKindSpec> expenseKindSpecs()
{
    return kKinds;
}

const ExpenseKindSpec& expenseKindSpec(ExpenseKind kind)
{
    return kKinds[static_cast<int>(kind)];
}

ExpenseKind kindOf(const ExpenseKindSpec& kind)
{
    return static_cast<ExpenseKind>(&kind - kKinds);
}

static_assert(std::size(kKinds) == kExpenseKindCount);

int formatDecimals(CellFormat format)
{
    switch (format) {
    case F::Amount:
    case F::Km: return 2;
    case F::Rate: return 6;
    case F::Integer: return 0;
    case F::Text:
    case F::Number: break;
    }
    return -1;
}

QString formatCell(double value, CellFormat format)
{
    return TextForms::formatNumber(value, formatDecimals(format), format != F::Km);
}

} // namespace selvana
