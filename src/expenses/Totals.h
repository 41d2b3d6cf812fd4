#pragma once

#include <functional>

namespace selvana {

class Form;
class NumberField;
class TextField;

// The order's totals and the settlement with the traveller. Each rule runs whenever its
// field changes, typed, computed or loaded with an order, so the chain is always current.
class Totals {
public:
    Totals(Form& form, std::function<void()> saveOrder);

    // nl_23 = nl_20 + nl_21 + nl_22.
    void sumOfCosts();
    // rc_16 "Isplata" or rc_17 "Povrat" from nl_23 and nl_12; both written every time.
    void settlement();
    // nl_13 = nl_12 in words, in the currency of the advance entry panel (EUR or HRK only).
    void advanceInWords();

private:
    Form& m_main;
    std::function<void()> m_saveOrder;
    NumberField& m_advance;       // nl_12
    TextField& m_words;           // nl_13
    NumberField& m_perDiems;      // nl_20
    NumberField& m_transport;     // nl_21
    NumberField& m_other;         // nl_22
    NumberField& m_costs;         // nl_23
    NumberField& m_payout;        // rc_16
    NumberField& m_refund;        // rc_17
    TextField& m_advanceCurrency; // ed_tr_akontacija_2
};

} // namespace selvana
