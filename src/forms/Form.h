#pragma once

#include "forms/Button.h"
#include "forms/CheckBox.h"
#include "forms/ChoiceList.h"
#include "forms/DateField.h"
#include "forms/Dialogs.h"
#include "forms/GridControl.h"
#include "forms/Label.h"
#include "forms/NumberField.h"
#include "forms/PageControl.h"
#include "forms/Panel.h"
#include "forms/RadioGroup.h"
#include "forms/TextField.h"
#include "forms/TimeField.h"

#include <QHash>
#include <QStringList>

#include <stdexcept>

namespace selvana {

class GridTable;

// A window model: owns its controls, reachable by their design names, and runs every
// user entry point inside the general error handler.
class Form : public QObject {
    Q_OBJECT
public:
    Form(const QString& formName, Dialogs& dialogs, QObject* parent = nullptr);

    // --- what the user does and sees, by control name ---
    QString text(QStringView name) const;
    void setText(QStringView name, const QString& text);
    double value(QStringView name) const;
    void setValue(QStringView name, double value);
    QDate date(QStringView name) const;
    void setDate(QStringView name, const QDate& date);
    GridTable& table(QStringView name);
    const GridTable& table(QStringView name) const;
    QStringList items(QStringView name) const;
    QString itemValue(QStringView name) const; // the chosen entry's value
    void choose(QStringView name, const QString& text);
    void click(QStringView name);
    void leave(QStringView name);
    void enter(QStringView name); // the focus reaches a control
    void selectCell(QStringView table, int col, int row);
    bool isEnabled(QStringView name) const;
    bool isVisible(QStringView name) const;
    bool isChecked(QStringView name) const;
    void setChecked(QStringView name, bool checked);
    QString caption() const { return m_caption; }
    QString status(int panel) const;
    QString hint(QStringView name) const;

    // --- the registry ---
    bool has(QStringView name) const { return m_controls.contains(name.toString()); }
    Control& control(QStringView name) const;
    template <class T> T& get(QStringView name) const
    {
        auto* typed = qobject_cast<T*>(&control(name));
        if (!typed)
            throw std::invalid_argument(objectName().toStdString() +
                                        ": control of another kind: " + name.toString().toStdString());
        return *typed;
    }
    QList<Control*> controls() const { return m_order; }
    Dialogs& dialogs() const { return m_dialogs; }

    // Runs an action as a user entry point: an AppError ends it with one message box.
    // Nested entry points let the error pass to the outermost one.
    void guard(const std::function<void()>& action);
    // How many errors the general handler has shown.
    int errorCount() const { return m_errorCount; }

    void setStatus(int panel, const QString& text);
    void setCaption(const QString& caption);

    // Declares a control; parts of a window each declare their own.
    template <class T, class... Args> T& add(const QString& name, Args&&... args)
    {
        auto* control = new T(name, std::forward<Args>(args)...);
        registerControl(control);
        return *control;
    }
    // A radio group whose items are also buttons named group + "_" + index.
    RadioGroup& addRadioGroup(const QString& name, const QStringList& items);
    // A second name for an existing control.
    void alias(const QString& name, Control& control);

signals:
    void captionChanged();
    void statusChanged(int panel);

private:
    void registerControl(Control* control);

private:
    Dialogs& m_dialogs;
    QHash<QString, Control*> m_controls;
    QList<Control*> m_order;
    QString m_caption;
    QStringList m_status;
    int m_guardDepth = 0;
    int m_errorCount = 0;
};

} // namespace selvana
