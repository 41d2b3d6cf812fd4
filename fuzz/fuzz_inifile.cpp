// The settings file may be edited by hand or cut short: reading it must not crash, and saving
// one value must read back while leaving the others as they were.
#include "FuzzSupport.h"

#include "base/AppError.h"
#include "storage/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

// IniFile reads only from a path. One file per process lets parallel jobs share the folder.
// Each save syncs to disk, which would cost 20 times the rest: tmpfs makes that free.
struct TempIni {
    QString path = (QFileInfo(u"/dev/shm"_s).isWritable() ? u"/dev/shm"_s : QDir::tempPath()) +
                   u"/selvana-fuzz-%1.ini"_s.arg(QCoreApplication::applicationPid());
    ~TempIni() { QFile::remove(path); }
};

const QString& iniPath()
{
    static const TempIni file;
    return file.path;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzz::fail("cannot write the temporary settings file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The keys the settings page uses.
    const QString place = u"Mjesto"_s, placeKey = u"Naziv"_s;
    const QString base = u"Baza"_s, baseKey = u"Lokacija"_s;
    const QString value = u"Šibenik"_s;

    const QString& path = iniPath();
    writeFile(path, fuzz::bytesOf(data, size));
    try {
        const QString baseBefore = IniFile::getString(path, base, baseKey, QString());
        IniFile::getString(path, place, placeKey, QString());
        // The path is writable and the value fits the code page: only the content could stop it.
        if (!IniFile::setString(path, place, placeKey, value))
            fuzz::fail("a settings file that reads cannot be saved");
        if (IniFile::getString(path, place, placeKey, QString()) != value)
            fuzz::fail("a saved setting does not read back");
        if (IniFile::getString(path, base, baseKey, QString()) != baseBefore)
            fuzz::fail("saving one setting changed another");
    } catch (const AppError&) {
        // not thrown today; a refusal would be an answer, not a finding
    }
    return 0;
}
