#pragma once

#include "forms/Control.h"

namespace selvana {

class Button : public Control {
    Q_OBJECT
public:
    Button(const QString& name, const QString& caption = QString(), QObject* parent = nullptr)
        : Control(Kind::Button, name, parent)
    {
        setCaption(caption);
    }

    void onClick(std::function<void()> handler) { m_handler = std::move(handler); }
    // Runs the handler of an enabled button; a disabled one cannot be pressed.
    void click()
    {
        if (isEnabled() && m_handler)
            m_handler();
    }

private:
    std::function<void()> m_handler;
};

} // namespace selvana
