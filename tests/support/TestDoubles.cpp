#include "TestDoubles.h"

namespace selvana::test {

void ScriptedDialogs::message(const QString& text) { messages.push_back(text); }

bool ScriptedDialogs::confirm(const QString& title, const QString& text)
{
    confirmations.push_back(title + u'|' + text);
    return m_answers.isEmpty() ? true : m_answers.takeFirst();
}

} // namespace selvana::test
