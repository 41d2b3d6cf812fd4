#pragma once

#include "forms/Control.h"

namespace selvana {

// A caption the program writes (totals captions, the version text).
class Label : public Control {
    Q_OBJECT
public:
    Label(const QString& name, const QString& caption = QString(), QObject* parent = nullptr)
        : Control(Kind::Label, name, parent)
    {
        setCaption(caption);
    }
};

} // namespace selvana
