#include "app/DeploymentSettings.h"

#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace selvana {

DeploymentSettings::DeploymentSettings(const QString& file)
{
    // Server hosts are not compiled in: an installation names them in its deployment file.
    m_values = {
        {RateServer, QString()},    {ConnectionCheck, QString()},   {RoutePlanner, QString()},
        {FuelPrices, QString()},    {UpdateServer, QString()},      {ProductFolder, u"selvana"_s},
        {ProductNumber, QString()}, {RequestTimeoutMs, u"15000"_s},
    };
    if (file.isEmpty() || !QFileInfo(file).isReadable())
        return;
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(u"Deployment"_s);
    for (const QString& key : ini.childKeys()) {
        if (m_values.contains(key))
            m_values[key] = ini.value(key).toString();
    }
}

int DeploymentSettings::timeoutMs() const
{
    bool ok = false;
    const int ms = value(RequestTimeoutMs).toInt(&ok);
    return ok && ms > 0 ? ms : 15000;
}

} // namespace selvana
