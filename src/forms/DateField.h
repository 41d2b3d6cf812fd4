#pragma once

#include "forms/Control.h"

#include <QDate>

namespace selvana {

// A date picker; text form "dd.mm.yyyy", empty while no date is set.
class DateField : public Control {
    Q_OBJECT
public:
    DateField(const QString& name, QObject* parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate& date);
    QString text() const;
    // Throws AppError for a text that is no date.
    void setText(const QString& text);

    // A picker: every pick is an event, even of the value it already shows.
    void setAlwaysNotify(bool always) { m_alwaysNotify = always; }
    bool alwaysNotifies() const { return m_alwaysNotify; }

private:
    bool m_alwaysNotify = false;
    QDate m_date;
};

} // namespace selvana
