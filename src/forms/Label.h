#pragma once

#include "forms/Control.h"

namespace selvana {

// A caption the program writes (totals captions, the version text).
class Label : public Control {
    Q_OBJECT
public:
    Label(const QString& name, const QString& caption = QString(), QObject* parent = nullptr)
        : Control(name, parent)
    {
        setCaption(caption);
    }

    void type(const QString& text) override { setCaption(text); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }
};

} // namespace selvana
