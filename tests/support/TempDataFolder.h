#pragma once

#include "TestDoubles.h"
#include "app/Environment.h"

#include <QTemporaryDir>

namespace selvana::test {

// A fresh data root with its own archive and tables folders, plus the doubles a run needs.
class TempDataFolder {
public:
    TempDataFolder();

    Environment environment();
    QString root() const { return m_dir.path() + u'/'; }
    QString dataFolder() const { return root() + QStringLiteral("KVA_PUT/"); }
    QString tablesFolder() const { return root() + QStringLiteral("Tablice/"); }
    // Writes a file below the root (folders created), bytes as given.
    void write(const QString& relativePath, const QByteArray& bytes) const;

    ScriptedDialogs dialogs;
    FixedClock clock;
    RecordingWindows windows;

private:
    QTemporaryDir m_dir;
};

} // namespace selvana::test
