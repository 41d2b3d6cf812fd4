#include "TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace selvana::test {

TempDataFolder::TempDataFolder() = default;

Environment TempDataFolder::environment()
{
    return Environment{
        root(),  root() + QStringLiteral("arhiva/"), tablesFolder(), QString(), &dialogs, &clock, false,
        &windows};
}

void TempDataFolder::write(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = root() + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
}

} // namespace selvana::test
