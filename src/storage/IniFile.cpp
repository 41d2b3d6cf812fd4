#include "storage/IniFile.h"

#include "storage/SafeSave.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder("windows-1250");
    QString text = decoder.decode(file.readAll());
    text.replace(u"\r\n"_s, u"\n"_s);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isSection(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

// Index of the key's line within the section, or -1; sectionEnd gets the line after the section.
int findKey(const QStringList& lines, const QString& section, const QString& key, int* sectionEnd)
{
    bool inSection = false;
    *sectionEnd = -1;
    for (int i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSection(lines[i], &name)) {
            if (inSection)
                return -1;
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection)
                *sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!lines[i].trimmed().isEmpty())
            *sectionEnd = i + 1;
        const qsizetype eq = lines[i].indexOf(u'=');
        if (eq > 0 && lines[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

QString IniFile::getString(const QString& path, const QString& section, const QString& key,
                           const QString& defaultValue)
{
    const QStringList lines = readLines(path);
    int sectionEnd = -1;
    const int at = findKey(lines, section, key, &sectionEnd);
    if (at < 0)
        return defaultValue;
    const QString value = lines[at].mid(lines[at].indexOf(u'=') + 1).trimmed();
    return value.isEmpty() ? defaultValue : value;
}

bool IniFile::setString(const QString& path, const QString& section, const QString& key, const QString& value)
{
    QStringEncoder encoder("windows-1250");
    QStringList lines = readLines(path);
    int sectionEnd = -1;
    const int at = findKey(lines, section, key, &sectionEnd);
    const QString line = key + u'=' + value;
    if (at >= 0)
        lines[at] = line;
    else if (sectionEnd >= 0)
        lines.insert(sectionEnd, line);
    else
        lines << u'[' + section + u']' << line;

    const QByteArray bytes = encoder.encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
    if (encoder.hasError())
        return false;
    return SafeSave::write(path, bytes);
}

} // namespace selvana
