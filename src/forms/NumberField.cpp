#include "forms/NumberField.h"

#include "forms/AppError.h"
#include "forms/TextForms.h"

#include <cmath>

namespace selvana {

NumberField::NumberField(const QString& name, int decimals, QObject* parent)
    : Control(Kind::Number, name, parent), m_decimals(decimals)
{
}

void NumberField::setValue(double value)
{
    if (!std::isfinite(value))
        throw AppError(TextForms::floatMessage(QString::number(value)));
    const double rounded = TextForms::roundTo(value, m_decimals);
    if (rounded == m_value)
        return;
    m_value = rounded;
    fireChange();
}

QString NumberField::text() const
{
    if (m_zeroEmpty && m_value == 0.0)
        return QString();
    return TextForms::formatNumber(m_value, m_decimals, m_grouping);
}

void NumberField::setText(const QString& text)
{
    setValue(TextForms::parseNumber(text));
}

} // namespace selvana
