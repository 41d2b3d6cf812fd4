#include "reports/TextTemplate.h"

namespace selvana {

TextTemplate::TextTemplate(const QString& source) : m_source(source)
{
    QString literal;
    auto flushLiteral = [&] {
        if (!literal.isEmpty())
            m_parts.append({PartKind::Literal, literal});
        literal.clear();
    };
    const qsizetype size = source.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = source.at(i);
        const bool doubled = i + 1 < size && source.at(i + 1) == c;
        if ((c == u'{' || c == u'}') && doubled) {
            literal.append(c);
            ++i;
            continue;
        }
        const qsizetype close = c == u'{' ? source.indexOf(u'}', i + 1) : -1;
        if (close < 0) {
            // A lone brace is printed as it stands.
            literal.append(c);
            continue;
        }
        flushLiteral();
        const QString name = source.mid(i + 1, close - i - 1).trimmed();
        if (name.compare(u"page", Qt::CaseInsensitive) == 0) {
            m_parts.append({PartKind::Page, {}});
            m_pageNumbers = true;
        } else if (name.compare(u"pages", Qt::CaseInsensitive) == 0) {
            m_parts.append({PartKind::Pages, {}});
            m_pageNumbers = true;
        } else {
            m_parts.append({PartKind::Field, name});
        }
        m_literal = false;
        i = close;
    }
    flushLiteral();
    if (m_literal)
        m_source = m_parts.isEmpty() ? QString() : m_parts.constFirst().text;
}

QString TextTemplate::resolve(const FieldLookup& field, const QString& page, const QString& pages) const
{
    if (m_literal)
        return m_source;
    if (m_parts.size() == 1 && m_parts.constFirst().kind == PartKind::Field)
        return field(m_parts.constFirst().text);
    QString result;
    for (const Part& part : m_parts) {
        switch (part.kind) {
        case PartKind::Literal: result += part.text; break;
        case PartKind::Field: result += field(part.text); break;
        case PartKind::Page: result += page; break;
        case PartKind::Pages: result += pages; break;
        }
    }
    return result;
}

} // namespace selvana
