#pragma once

#include "forms/Control.h"

namespace selvana {

class Button : public Control {
    Q_OBJECT
public:
    Button(const QString& name, const QString& caption = QString(), QObject* parent = nullptr)
        : Control(name, parent)
    {
        setCaption(caption);
    }

    void onClick(std::function<void()> handler) { m_click.add(std::move(handler)); }
    // Runs the handlers of an enabled button; a disabled one cannot be pressed.
    void click() override
    {
        if (isEnabled())
            m_click();
    }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    Handlers<> m_click;
};

} // namespace selvana
