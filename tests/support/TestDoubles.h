#pragma once

#include "forms/Clock.h"
#include "forms/Dialogs.h"
#include "forms/Windows.h"
#include "reports/LaidOutPage.h"

#include <QList>
#include <QStringList>

namespace selvana::test {

// Records every text shown and answers confirmations from a script (OK when none is left).
class ScriptedDialogs : public Dialogs {
public:
    void message(const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    void preview(const QList<LaidOutPage>& pages, const QString& title) override;

    void answer(bool ok) { m_answers.push_back(ok); }
    QStringList messages;
    QStringList confirmations; // title + "|" + text
    struct Preview {
        QString title;
        QList<LaidOutPage> pages;
    };
    QList<Preview> previews;

private:
    QList<bool> m_answers;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2013, 5, 14), QTime(9, 30))) : m_now(now) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
};

// Records every request to open a window, as "Udaljenosti 2" or "Loko 0".
class RecordingWindows : public Windows {
public:
    void open(Window window, int page) override
    {
        requests << (window == Window::Udaljenosti ? QStringLiteral("Udaljenosti ") : QStringLiteral("Loko ")) +
                        QString::number(page);
    }
    QStringList requests;
};

} // namespace selvana::test
