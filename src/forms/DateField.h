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

private:
    QDate m_date;
};

} // namespace selvana
