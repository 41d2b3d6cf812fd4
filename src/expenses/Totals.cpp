#include "expenses/Totals.h"

#include "expenses/AmountInWords.h"
#include "forms/Form.h"

using namespace Qt::StringLiterals;

namespace selvana {

Totals::Totals(Form& main, std::function<void()> saveOrder)
    : m_main(main), m_saveOrder(std::move(saveOrder)), m_advance(main.get<NumberField>(u"nl_12")),
      m_words(main.get<TextField>(u"nl_13")), m_perDiems(main.get<NumberField>(u"nl_20")),
      m_transport(main.get<NumberField>(u"nl_21")), m_other(main.get<NumberField>(u"nl_22")),
      m_costs(main.get<NumberField>(u"nl_23")), m_payout(main.get<NumberField>(u"rc_16")),
      m_refund(main.get<NumberField>(u"rc_17")), m_advanceCurrency(main.get<TextField>(u"ed_tr_akontacija_2"))
{
    for (const QString& name :
         {u"nl_12"_s, u"nl_20"_s, u"rc_8"_s, u"nl_21"_s, u"nl_22"_s, u"nl_23"_s, u"rc_16"_s, u"rc_17"_s})
        main.get<NumberField>(name).setZeroShownEmpty(true);

    for (const QString& name : {u"nl_20"_s, u"rc_8"_s, u"nl_21"_s, u"nl_22"_s})
        main.get<NumberField>(name).onChange([this] { sumOfCosts(); });
    m_costs.onChange([this] { settlement(); });
    m_advance.onChange([this] {
        advanceInWords();
        settlement();
    });

    auto& save = main.add<Button>(u"fcShapeBtn21"_s, u"S&premi"_s);
    save.onClick([this] { m_saveOrder(); });
}

void Totals::sumOfCosts()
{
    m_costs.setValue(m_perDiems.value() + m_transport.value() + m_other.value());
}

void Totals::settlement()
{
    const double costs = m_costs.value();
    const double advance = m_advance.value();
    m_payout.setValue(costs >= advance ? costs - advance : 0.0);
    m_refund.setValue(costs >= advance ? 0.0 : advance - costs);
}

void Totals::advanceInWords()
{
    const QString code = m_advanceCurrency.text();
    const QString word = code == u"EUR" ? u"eur"_s : code == u"HRK" ? u"kn"_s : QString();
    if (!word.isEmpty() && m_advance.value() != 0.0)
        m_words.setText(AmountInWords(m_advance.value(), word));
}

} // namespace selvana
