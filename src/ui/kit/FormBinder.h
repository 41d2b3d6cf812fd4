#pragma once

#include <QObject>

class QWidget;

namespace selvana {

class Form;

// Binds every widget under root whose objectName is a control of the form, both ways:
// the widget shows the control, and what the user does reaches the form's entry points.
class FormBinder : public QObject {
    Q_OBJECT
public:
    FormBinder(Form& form, QObject* parent = nullptr);

    // Binds root and its descendants; call once the widgets exist.
    void bind(QWidget* root);
    // The property a QLabel carries to show a control's caption.
    static const char* captionProperty();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindWidget(QWidget* widget);
    void bindCaptionLabel(QWidget* label, const QString& controlName);

    Form& m_form;
};

} // namespace selvana
