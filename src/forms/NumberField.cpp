#include "forms/NumberField.h"

#include "base/AppError.h"
#include "base/TextForms.h"

#include <algorithm>
#include <cmath>

namespace selvana {

NumberField::NumberField(const QString& name, int decimals, QObject* parent)
    : Control(name, parent), m_decimals(decimals)
{}

void NumberField::setValue(double value)
{
    if (!std::isfinite(value))
        throw AppError(TextForms::floatMessage(QString::number(value)));
    if (m_ranged)
        value = std::clamp(value, m_min, m_max);
    const double rounded = TextForms::roundTo(value, m_decimals);
    if (rounded == m_value)
        return;
    m_value = rounded;
    fireChange();
}

void NumberField::setRange(double min, double max)
{
    m_ranged = true;
    m_min = std::min(min, max);
    m_max = std::max(min, max);
    setValue(m_value);
}

QString NumberField::text() const
{
    if (m_zeroEmpty && m_value == 0.0)
        return QString();
    QString text = TextForms::formatNumber(m_value, m_decimals, m_grouping);
    if (m_dropZeros && text.contains(u',')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u','))
            text.chop(1);
    }
    return text;
}

void NumberField::setText(const QString& text)
{
    typeValue(TextForms::parseNumber(text));
}

void NumberField::typeValue(double value)
{
    if (std::abs(value) >= TextForms::kMaxAmount)
        throw AppError(TextForms::tooLargeMessage());
    setValue(value);
}

} // namespace selvana
