#include "storage/TableFileSet.h"

#include "base/AppError.h"
#include "storage/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

constexpr QByteArrayView kMarkHeader = "selvana-potvrda 1";

QString pendingPath(const QString& target)
{
    return target + u".novi"_s;
}

QString markPath(const QStringList& targets)
{
    return targets.constFirst() + u".potvrda"_s;
}

AppError cannotCreate(const QString& path)
{
    return AppError(u"Cannot Create "_s + path);
}

AppError unfinishedChange(const QString& mark)
{
    return AppError(u"Prekinuto spremanje ne može se dovršiti (zapis "_s + QDir::toNativeSeparators(mark) +
                    u"). Datoteke nisu mijenjane."_s);
}

// Replaces target by source in one step, on every system.
bool renameOver(const QString& source, const QString& target)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(source).toStdString(), QFile::encodeName(target).toStdString(),
                            error);
    return !error;
}

struct Step {
    bool write = false; // otherwise remove
    qint64 size = 0;
    QString target;
};

QByteArray markText(const std::vector<Step>& steps)
{
    QByteArray text = kMarkHeader.toByteArray() + "\r\n";
    for (const Step& s : steps) {
        text += (s.write ? "W " : "D ") + QByteArray::number(s.size) + ' ' +
                QFileInfo(s.target).fileName().toUtf8() + "\r\n";
    }
    return text;
}

// The steps a mark names, or false when it is not one of ours.
bool parseMark(const QByteArray& text, const QString& folder, std::vector<Step>& steps)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kMarkHeader)
        return false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype space1 = line.indexOf(' ');
        const qsizetype space2 = line.indexOf(' ', space1 + 1);
        if (space1 != 1 || space2 < 0 || (line[0] != 'W' && line[0] != 'D'))
            return false;
        bool ok = false;
        const qint64 size = line.mid(space1 + 1, space2 - space1 - 1).toLongLong(&ok);
        const QString name = QString::fromUtf8(line.mid(space2 + 1));
        if (!ok || size < 0 || name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
            return false;
        steps.push_back({line[0] == 'W', size, QDir(folder).filePath(name)});
    }
    return !steps.empty();
}

// Writes one new file beside its target and syncs it; false on any failure.
bool writePending(const QString& path, QByteArrayView bytes, const SaveFilter& filter)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool written = false;
    if (filter) {
        const std::unique_ptr<QIODevice> device = filter(file);
        written = device && writeFully(*device, bytes);
    } else {
        written = writeFully(file, bytes);
    }
    written = written && syncToDisk(file) && file.size() == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

void removePending(const std::vector<Step>& steps)
{
    for (const Step& s : steps)
        QFile::remove(pendingPath(s.target));
}

// Carries out the steps of a committed change; each step may already have been done.
void carryOut(const std::vector<Step>& steps, const QString& mark)
{
    for (const Step& s : steps) {
        if (!s.write) {
            if (QFileInfo::exists(s.target) && !QFile::remove(s.target))
                throw AppError(u"Datoteka se ne može obrisati: "_s + QDir::toNativeSeparators(s.target));
            continue;
        }
        const QString pending = pendingPath(s.target);
        if (QFileInfo::exists(pending)) {
            if (QFileInfo(pending).size() != s.size)
                throw unfinishedChange(mark);
            if (!renameOver(pending, s.target))
                throw cannotCreate(s.target);
        } else if (QFileInfo(s.target).size() != s.size) {
            throw unfinishedChange(mark);
        }
    }
    syncFolder(QFileInfo(mark).absolutePath());
    // A mark that stays behind is harmless: every step it names is done, so recovery only
    // checks the sizes and removes it again.
    QFile::remove(mark);
    syncFolder(QFileInfo(mark).absolutePath());
}

} // namespace

void SaveTableSet(const QList<std::pair<const GridTable*, QString>>& files, const SaveFilter& filter)
{
    if (files.isEmpty())
        return;
    QStringList targets;
    QList<QByteArray> contents;
    for (const auto& [table, path] : files) {
        targets << path;
        contents << (table ? encodeTableFile(*table) : QByteArray());
    }

    std::vector<Step> steps;
    for (qsizetype i = 0; i < files.size(); ++i)
        steps.push_back({files.at(i).first != nullptr, contents.at(i).size(), targets.at(i)});

    for (qsizetype i = 0; i < files.size(); ++i) {
        if (steps[i].write && !writePending(pendingPath(targets.at(i)), contents.at(i), filter)) {
            removePending(steps);
            throw cannotCreate(targets.at(i));
        }
    }
    const QString mark = markPath(targets);
    if (!SafeSave::write(mark, markText(steps))) {
        removePending(steps);
        throw cannotCreate(targets.constFirst());
    }
    carryOut(steps, mark);
}

void RecoverTableSet(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    const QString mark = markPath(paths);
    if (!QFileInfo::exists(mark)) {
        // Never committed: the old files stand, the new ones are dropped.
        for (const QString& path : paths)
            QFile::remove(pendingPath(path));
        return;
    }
    QFile file(mark);
    std::vector<Step> steps;
    if (!QFileInfo(mark).isFile() || !file.open(QIODevice::ReadOnly) ||
        !parseMark(file.read(64 * 1024), QFileInfo(mark).absolutePath(), steps))
        throw unfinishedChange(mark);
    carryOut(steps, mark);
}

bool TableSetPending(const QStringList& paths)
{
    return !paths.isEmpty() && QFileInfo::exists(markPath(paths));
}

} // namespace selvana
