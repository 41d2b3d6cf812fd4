#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace selvana {

// One named element of a window model: a field, list, button, panel, page or grid.
// The view binds a widget to it by name; the model's logic works on it directly.
class Control : public QObject {
    Q_OBJECT
public:
    enum class Kind { Text, Number, Date, Time, Choice, Check, Radio, Button, Label, Panel, Pages, Grid };

    Control(Kind kind, const QString& name, QObject* parent = nullptr);

    Kind kind() const { return m_kind; }
    QString name() const { return objectName(); }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    // Caption of a button, check box, label or page; the label beside a field.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QString hint() const { return m_hint; }
    void setHint(const QString& hint);

    // Rules run in order whenever the value really changes, by the user or by code.
    void onChange(std::function<void()> rule) { m_rules.push_back(std::move(rule)); }
    // What happens when the focus leaves the control.
    void onLeave(std::function<void()> handler) { m_leave = std::move(handler); }
    void leave();
    // What happens when the control receives the focus.
    void onEnter(std::function<void()> handler) { m_enter = std::move(handler); }
    void enter();

signals:
    void valueChanged(); // the shown value changed: the view refreshes it
    void stateChanged(); // enabled, visible, caption, hint or size changed

protected:
    void fireChange();

private:
    Kind m_kind;
    bool m_enabled = true;
    bool m_visible = true;
    QString m_caption;
    QString m_hint;
    std::vector<std::function<void()>> m_rules;
    std::function<void()> m_leave;
    std::function<void()> m_enter;
};

} // namespace selvana
