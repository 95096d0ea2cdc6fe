#include "services/preferences.h"

#include <QSettings>

namespace Brindlewick {

namespace {
QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brindlewick"),
                     QStringLiteral("Brindlewick"));
}
} // namespace

QVariant Preferences::value(const QString &key, const QVariant &fallback) { return settings().value(key, fallback); }

bool Preferences::boolValue(const QString &key, bool fallback)
{
    const QVariant v = settings().value(key);
    return v.isValid() ? v.toBool() : fallback;
}

void Preferences::setValue(const QString &key, const QVariant &value) { settings().setValue(key, value); }

bool Preferences::contains(const QString &key) { return settings().contains(key); }

void Preferences::remove(const QString &key) { settings().remove(key); }

} // namespace Brindlewick
