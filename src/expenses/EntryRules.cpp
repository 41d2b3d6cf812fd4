#include "expenses/EntryRules.h"

#include "base/TextForms.h"
#include "expenses/ExpenseSheets.h"
#include "forms/Form.h"
#include "lists/LookupListsPage.h"

#include <array>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

using E = ExpenseKind;
using L = LookupListsPage;

enum class Op { Product, Difference, PerDiem };

// A field computed from others of its panel whenever one of its inputs changes; a result
// that changes runs the rules that read it, so the rules chain.
struct ComputedField {
    E kind;
    int result;
    Op op;
    int a;
    int b; // Product: a x b; Difference: a - b
};

constexpr ComputedField kComputed[] = {
    {E::Akontacija, 4, Op::Product, 1, 3},  {E::Dnevnice, 5, Op::PerDiem, 0, 0},
    {E::Prijevoz, 5, Op::Difference, 4, 3}, {E::Prijevoz, 6, Op::Product, 5, 11},
    {E::Prijevoz, 9, Op::Product, 6, 8},    {E::Ostali, 5, Op::Product, 2, 4},
};

// Its own result among them: a typed per-diem "Iznos" is replaced at once.
constexpr int kPerDiemInputs[] = {2, 3, 4, 5, 7};

struct Fill {
    int field;  // entry field number; 0 ends the list
    int column; // of the lookup list
};

// Choosing an entry copies columns of its lookup-list record into entry fields; a rate may
// then follow from the currency the fields hold.
struct EntryChoice {
    const char16_t* choice;
    E kind;
    L::List list;
    std::array<Fill, 3> fills;
    int currencyField = 0;
    int rateField = 0;
};

constexpr EntryChoice kChoices[] = {
    {u"cb_valute_1", E::Akontacija, L::Valute, {{{2, 0}, {3, 1}}}},
    {u"cb_valute_2", E::Dnevnice, L::Valute, {{{6, 0}, {7, 1}}}},
    {u"cb_valute_3", E::Prijevoz, L::Valute, {{{7, 0}, {8, 1}}}},
    {u"cb_valute_4", E::Ostali, L::Valute, {{{3, 0}, {4, 1}}}},
    {u"cb_zemlje_1", E::Dnevnice, L::Zemlje, {{{1, 0}, {2, 1}, {6, 2}}}, 6, 7},
    {u"cb_rute_1", E::Prijevoz, L::Rute, {{{1, 0}, {5, 1}}}},
    // The name alone, and its cost per kilometre where the transport cost is computed.
    {u"cb_prijevoz_3", E::Prijevoz, L::Prijevoz, {{{2, 0}, {11, 1}}}},
    {u"cb_vrste_1", E::Ostali, L::Vrste, {{{1, 0}}}},
};

// Text fields whose typed value their lookup list learns when the focus leaves them.
struct LearningField {
    E kind;
    int field;
    L::List list;
};

constexpr LearningField kLearning[] = {
    {E::Akontacija, 2, L::Valute}, {E::Dnevnice, 6, L::Valute}, {E::Prijevoz, 7, L::Valute},
    {E::Ostali, 3, L::Valute},     {E::Dnevnice, 1, L::Zemlje}, {E::Prijevoz, 1, L::Rute},
    {E::Ostali, 1, L::Vrste},
};

void assign(Control& field, const QString& text)
{
    if (auto* number = qobject_cast<NumberField*>(&field))
        number->setText(text);
    else
        static_cast<TextField&>(field).setText(text);
}

} // namespace

EntryRules::EntryRules(Form& main, LookupListsPage& lookups) : m_main(main), m_lookups(lookups)
{
    declareComputedFields();
    declareChoiceLists();
    declareLearningFields();
}

NumberField& EntryRules::number(ExpenseKind kind, int n) const
{
    return m_main.get<NumberField>(expenseKindSpec(kind).fieldName(n));
}

void EntryRules::declareComputedFields()
{
    for (const ComputedField& rule : kComputed) {
        if (rule.op == Op::PerDiem) {
            for (int input : kPerDiemInputs)
                number(rule.kind, input).onChange([this] { DnevniceUkupno(); });
            continue;
        }
        NumberField& result = number(rule.kind, rule.result);
        NumberField& a = number(rule.kind, rule.a);
        NumberField& b = number(rule.kind, rule.b);
        const bool product = rule.op == Op::Product;
        const auto compute = [&result, &a, &b, product] {
            result.setValue(product ? a.value() * b.value() : a.value() - b.value());
        };
        a.onChange(compute);
        b.onChange(compute);
    }

    auto& reduction = number(E::Dnevnice, 4);
    reduction.setHint(
        u"Primjer br. 1.\r\n- dnevnica 100,00 EUR\r\n- osigurani troškovi prehrane\r\n"
        u"- umanjenje iznosi 80%\r\n:::::::::::::::::\r\nPrimjer br. 2.\r\n- dnevnica 100,00 EUR\r\n"
        u"- nisu osigurani troškovi prehrane\r\n- umanjenje iznosi 0%"_s);
    m_main.control(expenseKindSpec(E::Ostali).fieldName(1)).setCaption(u"Naziv troška:"_s);
    number(E::Ostali, 2).setHint(u"Upisuje se iznos s računa zajedno s PDV-om."_s);
}

void EntryRules::DnevniceUkupno()
{
    double amount = number(E::Dnevnice, 2).value() * number(E::Dnevnice, 3).value();
    const double reduction = number(E::Dnevnice, 4).value();
    if (reduction > 0)
        amount -= amount * reduction / 100.0;
    NumberField& perDiem = number(E::Dnevnice, 5);
    perDiem.setValue(amount);
    number(E::Dnevnice, 8).setValue(perDiem.value() * number(E::Dnevnice, 7).value());
}

void EntryRules::declareChoiceLists()
{
    for (const EntryChoice& def : kChoices) {
        auto& choice = m_main.get<ChoiceList>(QString::fromUtf16(def.choice));
        choice.onChoose([this, &def, &choice] {
            const ExpenseKindSpec& kind = expenseKindSpec(def.kind);
            // Looked up without moving the list's current record, which its own page edits.
            LookupList& list = m_lookups.list(def.list);
            const int row = list.find(choice.text());
            QList<std::pair<int, QString>> plan; // entry field, text
            if (row >= 0) {
                for (const Fill& fill : def.fills)
                    if (fill.field > 0)
                        plan.push_back({fill.field, list.cell(fill.column, row)});
            }
            if (def.currencyField > 0) {
                QString code = m_main.text(kind.fieldName(def.currencyField));
                for (const auto& [field, text] : plan)
                    if (field == def.currencyField)
                        code = text;
                LookupList& currencies = m_lookups.list(L::Valute);
                const int currency = currencies.find(code);
                if (currency >= 0)
                    plan.push_back({def.rateField, currencies.cell(1, currency)});
            }
            // A record the fields cannot take changes none of them.
            for (const auto& [field, text] : plan) {
                if (qobject_cast<NumberField*>(&m_main.control(kind.fieldName(field))))
                    TextForms::parseNumber(text);
                else
                    ExpenseSheets::checkSheetText(text);
            }
            for (const auto& [field, text] : plan)
                assign(m_main.control(kind.fieldName(field)), text);
        });
    }
}

QStringList EntryRules::choicesBeside(ExpenseKind kind, int n)
{
    QStringList names;
    for (const EntryChoice& def : kChoices)
        if (def.kind == kind && def.fills[0].field == n)
            names << QString::fromUtf16(def.choice);
    return names;
}

void EntryRules::declareLearningFields()
{
    for (const LearningField& def : kLearning) {
        auto& field = m_main.get<TextField>(expenseKindSpec(def.kind).fieldName(def.field));
        field.onLeave([this, &field, list = def.list] { m_lookups.autoAdd(list, field.text()); });
    }
}

} // namespace selvana
