#pragma once

#include "forms/Control.h"

namespace selvana {

// A single- or multi-line text entry field.
class TextField : public Control {
    Q_OBJECT
public:
    TextField(const QString& name, QObject* parent = nullptr);

    QString text() const override { return m_text; }
    // The program's own text (a stored order, a list entry): taken as it is.
    void setText(const QString& text);
    // What the user types: throws AppError from the validator and keeps the old text when
    // the text is refused.
    void type(const QString& text) override;

    bool isMultiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine) { m_multiLine = multiLine; }
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Checks a text before it is taken: throws AppError with the user's message.
    void setValidator(std::function<void(const QString&)> validator) { m_validator = std::move(validator); }

    void accept(ControlVisitor& visitor) override { visitor.visit(*this); }

private:
    QString m_text;
    bool m_multiLine = false;
    bool m_readOnly = false;
    std::function<void(const QString&)> m_validator;
};

} // namespace selvana
