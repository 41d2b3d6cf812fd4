#pragma once

#include "app/Application.h"

#include <cstdio>

namespace selvana::bench {

// A program run on the data below root that answers every question with OK and whose
// clock stands in May 2013, the year of the generated book.
class BenchRun {
    // Declared before the application, which uses them while it is built.
    class Dialogs_ : public Dialogs {
    public:
        void message(const QString& text) override
        {
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
        }
        bool confirm(const QString&, const QString&) override { return true; }
    };
    class Clock_ : public Clock {
    public:
        QDateTime now() const override { return QDateTime(QDate(2013, 5, 14), QTime(9, 0)); }
    };
    Dialogs_ m_dialogs;
    Clock_ m_clock;

public:
    explicit BenchRun(const QString& root)
        : app(Environment{root + u'/', root + QStringLiteral("/arh/"), root + QStringLiteral("/Tablice/"),
                          QString(), &m_dialogs, &m_clock})
    {
        app.start();
    }

    Application app;
};

} // namespace selvana::bench
