#pragma once

#include <QHash>
#include <QString>

namespace selvana {

// Settings of an installation rather than of a user: server addresses, the product's
// folder and number on the update server. Compiled defaults, overridden key by key by an
// INI file ([Deployment] section).
class DeploymentSettings {
public:
    static inline const QString RateServer = QStringLiteral("RateServer");           // exchange-rate lists
    static inline const QString ConnectionCheck = QStringLiteral("ConnectionCheck"); // a public address
    static inline const QString RoutePlanner = QStringLiteral("RoutePlanner");       // route planner base
    static inline const QString FuelPrices = QStringLiteral("FuelPrices");           // fuel price page
    static inline const QString UpdateServer = QStringLiteral("UpdateServer");       // versions and manual
    static inline const QString ProductFolder = QStringLiteral("ProductFolder");
    static inline const QString ProductNumber = QStringLiteral("ProductNumber");
    static inline const QString RequestTimeoutMs = QStringLiteral("RequestTimeoutMs");

    // An empty or unreadable file leaves the compiled defaults.
    explicit DeploymentSettings(const QString& file = QString());

    QString value(const QString& key) const { return m_values.value(key); }
    int timeoutMs() const;

private:
    QHash<QString, QString> m_values;
};

} // namespace selvana
