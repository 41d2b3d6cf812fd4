#pragma once

#include <QString>

namespace selvana {

// Everything the models ask of the user goes through here; tests script it.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text) = 0;                      // a message box, OK
    virtual bool confirm(const QString& title, const QString& text) = 0; // OK = true, Cancel = false
};

} // namespace selvana
