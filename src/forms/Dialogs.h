#pragma once

#include <QList>
#include <QString>

namespace selvana {

struct LaidOutPage;

// Everything the models ask of the user goes through here; tests script it.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text) = 0;                       // a message box, OK
    virtual bool confirm(const QString& title, const QString& text) = 0; // OK = true, Cancel = false
    // A printout on screen, from where the user prints it or saves it as PDF; returns when closed.
    virtual void preview(const QList<LaidOutPage>& /*pages*/, const QString& /*title*/) {}
};

} // namespace selvana
