#pragma once

#include <QString>
#include <QUuid>

#include <optional>

namespace Brindlewick {

// The one conversion between UUIDs and their text: upper case with hyphens, no braces.
QString uuidText(const QUuid &id);
// Lower-case form, used where a name must be lower case (branch names).
QString uuidTextLower(const QUuid &id);
// Accepts the 36-character hyphenated form in either case; anything else (braces included) is none.
std::optional<QUuid> parseUuid(const QString &text);

} // namespace Brindlewick
