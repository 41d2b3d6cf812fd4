#pragma once

#include "TempDataFolder.h"
#include "app/Application.h"
#include "storage/GridTable.h"

#include <memory>

namespace selvana::test {

// A program run with one subject, "Primjer d.o.o." (number 100), and its book of 2013 open.
// start() runs the program again on the same folder, as a restart would.
struct OpenBook {
    TempDataFolder tmp;
    std::unique_ptr<Application> app;

    void start()
    {
        app = std::make_unique<Application>(tmp.environment());
        app->start();
        if (w().table(u"sg_subjekti").hasData())
            w().choose(u"cb_subjekti", w().items(u"cb_subjekti").first());
        else {
            w().setText(u"ed_sb_naziv", QStringLiteral("Primjer d.o.o."));
            w().click(u"fcShapeBtn24");
        }
        w().setValue(u"nl_1", 2013);
        w().click(u"bt_otv_knj_nlg");
    }
    MainWindowModel& w() { return app->main(); }
    // The path of one of the book's two files: "nalozi" or "obracun".
    QString file(const QString& kind) const
    {
        return tmp.dataFolder() + QStringLiteral("100_2013_") + kind + QStringLiteral(".txt");
    }
};

} // namespace selvana::test
