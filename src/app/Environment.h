#pragma once

#include "forms/Clock.h"
#include "forms/Dialogs.h"
#include "forms/Windows.h"

#include <QString>

namespace selvana {

// Where one program run keeps its files, and its seams to the outside.
struct Environment {
    QString dataRoot;       // holds KVA_PUT/ and KVA_LOK/
    QString archiveFolder;  // the daily archives
    QString tablesFolder;   // the read-only "Tablice" folder
    QString deploymentFile; // INI of deployment settings; empty = compiled defaults
    Dialogs* dialogs;       // never null
    Clock* clock;           // never null
    bool readOnly = false;  // a reader beside a running program (printing): writes nothing
    Windows* windows = nullptr; // the view's; none: requests to open other windows are ignored
};

} // namespace selvana
