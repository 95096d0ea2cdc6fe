#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The one text lookup. Every user-visible text is a Japanese key of the table "Brindlewick";
// a key without a translation shows the key itself. Texts with "%@" (text) and "%lld" (whole
// number) placeholders are filled after lookup; "%1$@" and "%2$lld" select an argument by position
// so that a translation may reorder them. Keys used outside a call of L are marked with BW_KEY so
// that the translation check finds them.
#define BW_KEY(text) text

namespace Brindlewick {

QString L(const char *key);
QString formatLocalized(const QString &format, const QVariantList &arguments);

template <class... Args>
QString L(const char *key, const Args &...arguments)
{
    return formatLocalized(L(key), QVariantList{QVariant::fromValue(arguments)...});
}

} // namespace Brindlewick
