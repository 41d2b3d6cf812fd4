#pragma once

#include "forms/Dialogs.h"

class QWidget;

namespace selvana {

// Message boxes with OK, and OK/Cancel for confirmations.
class QtDialogs : public Dialogs {
public:
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    void message(const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    void preview(const QList<LaidOutPage>& pages, const QString& title) override;

private:
    QWidget* m_parent = nullptr;
};

} // namespace selvana
