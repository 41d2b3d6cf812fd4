#pragma once

#include "forms/Control.h"

namespace selvana {

// A panel or a page: something that is shown or hidden and may have a set height.
class Panel : public Control {
    Q_OBJECT
public:
    Panel(const QString& name, const QString& caption = QString(), QObject* parent = nullptr)
        : Control(name, parent)
    {
        setCaption(caption);
    }

    // 0 = the view's natural height.
    int height() const { return m_height; }
    void setHeight(int height)
    {
        if (height == m_height)
            return;
        m_height = height;
        emit stateChanged();
    }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    int m_height = 0;
};

} // namespace selvana
