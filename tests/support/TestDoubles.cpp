#include "TestDoubles.h"

namespace selvana::test {

void ScriptedDialogs::message(const QString& text)
{
    messages.push_back(text);
}

bool ScriptedDialogs::confirm(const QString& title, const QString& text)
{
    confirmations.push_back(title + u'|' + text);
    return m_answers.isEmpty() ? true : m_answers.takeFirst();
}

void ScriptedDialogs::preview(const QList<LaidOutPage>& pages, const QString& title)
{
    previews.push_back({title, pages});
}

} // namespace selvana::test
