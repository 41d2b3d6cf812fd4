#pragma once

#include <QString>
#include <QStringList>

namespace selvana {

// What the "Loko-vožnja" window reads from the main window, and nothing more; the main
// window's model implements it.
class LokoHost {
public:
    virtual ~LokoHost();

    virtual QString subjectNumber() const = 0;
    virtual QString subjectName() const = 0;
    // The chosen subject's record as stored: number, name, then the other fields in order.
    virtual QStringList subjectRecord() const = 0;
    virtual int year() const = 0;
};

} // namespace selvana
