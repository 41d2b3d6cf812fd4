#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace selvana {

class Button;
class CheckBox;
class ChoiceList;
class DateField;
class GridControl;
class Label;
class NumberField;
class PageControl;
class Panel;
class RadioGroup;
class TextField;
class TimeField;

// The handlers of one event, run in the order they were registered.
template <class... Args> class Handlers {
public:
    void add(std::function<void(Args...)> handler) { m_handlers.push_back(std::move(handler)); }
    void operator()(Args... args) const
    {
        // Copy: a handler may register more (rarely) while they run.
        const auto handlers = m_handlers;
        for (const auto& handler : handlers)
            handler(args...);
    }

private:
    std::vector<std::function<void(Args...)>> m_handlers;
};

// One function per control class: the views make and bind their widgets through it, and a
// new class of control does not compile until every view knows it.
class ControlVisitor {
public:
    virtual void visit(TextField& field) = 0;
    virtual void visit(NumberField& field) = 0;
    virtual void visit(DateField& field) = 0;
    virtual void visit(TimeField& field) = 0;
    virtual void visit(ChoiceList& list) = 0;
    virtual void visit(CheckBox& box) = 0;
    virtual void visit(RadioGroup& group) = 0;
    virtual void visit(Button& button) = 0;
    virtual void visit(Label& label) = 0;
    virtual void visit(Panel& panel) = 0;
    virtual void visit(PageControl& pages) = 0;
    virtual void visit(GridControl& grid) = 0;

protected:
    ~ControlVisitor() = default;
};

// One named element of a window model: a field, list, button, panel, page or grid.
// The view binds a widget to it by name; the model's logic works on it directly.
class Control : public QObject {
    Q_OBJECT
public:
    Control(const QString& name, QObject* parent = nullptr);

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

    // What the user sees and does, for the form's entry points. A control without such a
    // thing (a grid's text, a label's click) throws std::invalid_argument naming itself.

    // What the control shows: a field's text, the chosen entry or page; else its caption.
    virtual QString text() const { return caption(); }
    // What the user types, refused (AppError) as the control refuses typing.
    virtual void type(const QString& text);
    // Number fields; the index of a radio group or a page control.
    virtual double value() const;
    virtual void typeValue(double value);
    // The user presses the control.
    virtual void click();

    virtual void accept(ControlVisitor& visitor) = 0;

    // Rules run in order whenever the value really changes, by the user or by code.
    void onChange(std::function<void()> rule) { m_rules.add(std::move(rule)); }
    // What happens when the focus leaves the control.
    void onLeave(std::function<void()> handler) { m_leave.add(std::move(handler)); }
    void leave() { m_leave(); }
    // What happens when the control receives the focus.
    void onEnter(std::function<void()> handler) { m_enter.add(std::move(handler)); }
    void enter() { m_enter(); }

signals:
    void valueChanged(); // the shown value changed: the view refreshes it
    void stateChanged(); // enabled, visible, caption, hint or size changed

protected:
    void fireChange();
    [[noreturn]] void refuse(const char* what) const;

private:
    bool m_enabled = true;
    bool m_visible = true;
    QString m_caption;
    QString m_hint;
    Handlers<> m_rules;
    Handlers<> m_leave;
    Handlers<> m_enter;
};

} // namespace selvana
