#pragma once

#include <QString>
#include <QStringList>

class QFormLayout;
class QLayout;
class QVBoxLayout;
class QWidget;

namespace selvana {

class Control;
class Form;

// Builds a page from control names: each widget is named after its control, and a field's
// label is its control's caption, so the binder shows the model and captions are written once.
class PageBuilder {
public:
    PageBuilder(Form& form, QWidget* page);

    // A widget of the right kind for the control, named after it.
    static QWidget* createWidget(Form& form, const QString& name, QWidget* parent = nullptr);

    QWidget* page() const { return m_page; }
    // A field with its caption as the label beside it.
    QWidget* field(const QString& name);
    // A field followed on its line by companion controls (a list to choose from, a button);
    // names the model does not declare are left out.
    QWidget* fieldWith(const QString& name, const QStringList& companions);
    // A widget across the full width (grids, check boxes, radio groups, labels).
    QWidget* wide(const QString& name);
    // A row of buttons (or other widgets), left to right; labelled fields get their caption.
    QList<QWidget*> row(const QStringList& names);
    void heading(const QString& text);
    // Subsequent widgets go into the named panel until endPanel().
    QWidget* beginPanel(const QString& name);
    void endPanel();
    void stretch();

private:
    QFormLayout* formLayout();

    Form& m_form;
    QWidget* m_page;
    QList<QVBoxLayout*> m_stack;
    QFormLayout* m_fields = nullptr;
};

} // namespace selvana
