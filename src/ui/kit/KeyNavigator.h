#pragma once

#include <QObject>

namespace selvana {

// Enter and Down move to the next control, Up to the previous one; multi-line fields
// and open lists keep their own use of these keys.
class KeyNavigator : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace selvana
