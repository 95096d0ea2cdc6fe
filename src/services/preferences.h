#pragma once

#include <QString>
#include <QVariant>

namespace Brindlewick {

// The user preferences (~/.config/Brindlewick/Brindlewick.conf). Every read and write goes
// through here so that keys and their file are in one place. GUI thread.
struct Preferences {
    static QVariant value(const QString &key, const QVariant &fallback = {});
    static bool boolValue(const QString &key, bool fallback);
    static void setValue(const QString &key, const QVariant &value);
    static bool contains(const QString &key);
    static void remove(const QString &key);
};

} // namespace Brindlewick
