#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace selvana {

// An item's text split once into literal runs and {field} references, so rows
// resolve without parsing again.
class TextTemplate {
public:
    explicit TextTemplate(const QString& source = {});

    bool isLiteral() const { return m_literal; }
    bool hasPageNumbers() const { return m_pageNumbers; }

    using FieldLookup = std::function<QString(const QString& name)>;
    QString resolve(const FieldLookup& field, const QString& page = {}, const QString& pages = {}) const;

private:
    enum class PartKind { Literal, Field, Page, Pages };
    struct Part {
        PartKind kind;
        QString text;
    };
    QList<Part> m_parts;
    QString m_source;
    bool m_literal = true;
    bool m_pageNumbers = false;
};

} // namespace selvana
