#include "storage/Folders.h"

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

QString withSlash(const QString& folder)
{
    if (folder.isEmpty())
        return folder;
    QString clean = QDir::fromNativeSeparators(folder);
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

} // namespace

Folders::Folders(const QString& dataRoot, const QString& archiveFolder, const QString& tablesFolder)
    : m_root(withSlash(dataRoot)), m_archive(withSlash(archiveFolder)), m_tables(withSlash(tablesFolder))
{}

void Folders::createMissing() const
{
    for (const QString& folder : {dataFolder(), lokoFolder(), m_archive})
        if (!folder.isEmpty())
            QDir().mkpath(folder);
}

QString Folders::resolveDataRoot(const QString& option, const QString& exeDir)
{
    if (!option.isEmpty())
        return withSlash(QDir(option).absolutePath());
    const QString fromEnv = qEnvironmentVariable("SELVANA_HOME");
    if (!fromEnv.isEmpty())
        return withSlash(QDir(fromEnv).absolutePath());
    // A portable copy keeps its data beside the executable.
    if (!exeDir.isEmpty() && QDir(exeDir).exists(u"KVA_PUT"_s))
        return withSlash(exeDir);
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString Folders::resolveArchiveFolder(const QString& option)
{
    if (!option.isEmpty())
        return withSlash(QDir(option).absolutePath());
    const QString fromEnv = qEnvironmentVariable("SELVANA_ARCHIVE");
    if (!fromEnv.isEmpty())
        return withSlash(QDir(fromEnv).absolutePath());
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           u"Brenvald/Ostrel/"_s;
}

QString Folders::resolveTablesFolder(const QString& exeDir)
{
    const QString beside = withSlash(exeDir) + u"Tablice/"_s;
    if (QDir(beside).exists())
        return beside;
    const QString installed = QDir(exeDir).absoluteFilePath(u"../share/selvana/Tablice/"_s);
    return withSlash(QDir::cleanPath(installed));
}

} // namespace selvana
