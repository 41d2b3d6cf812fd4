#include "forms/TimeField.h"

#include "base/AppError.h"
#include "base/TextForms.h"

using namespace Qt::StringLiterals;

namespace selvana {

TimeField::TimeField(const QString& name, QObject* parent) : Control(Kind::Time, name, parent) {}

void TimeField::setTime(const QTime& time)
{
    // Pickers work in whole minutes.
    const QTime next = time.isValid() ? QTime(time.hour(), time.minute()) : QTime(0, 0);
    if (next == m_time && !m_alwaysNotify)
        return;
    m_time = next;
    fireChange();
}

QString TimeField::text() const
{
    return TextForms::formatTime(m_time);
}

void TimeField::setText(const QString& text)
{
    const QTime time = TextForms::parseTime(text);
    if (!time.isValid())
        throw AppError(u"'%1' nije ispravno vrijeme."_s.arg(text));
    setTime(time);
}

} // namespace selvana
