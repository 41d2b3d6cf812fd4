#pragma once

#include <QString>

namespace selvana {

// The folder texts of a run; each ends with "/" so a file name is simply appended.
class Folders {
public:
    Folders(const QString& dataRoot, const QString& archiveFolder, const QString& tablesFolder);

    QString dataRoot() const { return m_root; }
    QString dataFolder() const { return m_root + QStringLiteral("KVA_PUT/"); }
    QString lokoFolder() const { return m_root + QStringLiteral("KVA_LOK/"); }
    QString archiveFolder() const { return m_archive; }
    QString tablesFolder() const { return m_tables; }
    QString settingsFile() const { return dataFolder() + QStringLiteral("RovarIrorov.ini"); }

    // A fresh install must be able to save: create what is missing (silently).
    void createMissing() const;

    // Resolution of the folders from options, environment variables and the executable's place.
    static QString resolveDataRoot(const QString& option, const QString& exeDir);
    static QString resolveArchiveFolder(const QString& option);
    static QString resolveTablesFolder(const QString& exeDir);

private:
    QString m_root;
    QString m_archive;
    QString m_tables;
};

} // namespace selvana
