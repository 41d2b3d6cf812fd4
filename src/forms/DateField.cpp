#include "forms/DateField.h"

#include "base/AppError.h"
#include "base/TextForms.h"

using namespace Qt::StringLiterals;

namespace selvana {

DateField::DateField(const QString& name, QObject* parent) : Control(Kind::Date, name, parent) {}

void DateField::setDate(const QDate& date)
{
    const QDate next = date.isValid() ? date : QDate();
    if (next == m_date && !m_alwaysNotify)
        return;
    m_date = next;
    fireChange();
}

QString DateField::text() const
{
    return TextForms::formatDate(m_date);
}

void DateField::setText(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        setDate(QDate());
        return;
    }
    const QDate date = TextForms::parseDate(text);
    if (!date.isValid())
        throw AppError(u"'%1' nije ispravan datum."_s.arg(text));
    setDate(date);
}

} // namespace selvana
