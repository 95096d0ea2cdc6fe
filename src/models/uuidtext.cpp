#include "models/uuidtext.h"

namespace Brindlewick {

QString uuidText(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

QString uuidTextLower(const QUuid &id)
{
    return id.toString(QUuid::WithoutBraces);
}

std::optional<QUuid> parseUuid(const QString &text)
{
    if (text.size() != 36)
        return std::nullopt;
    for (int i = 0; i < 36; ++i) {
        const QChar c = text.at(i);
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (c != QLatin1Char('-'))
                return std::nullopt;
        } else if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                     (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                     (c >= QLatin1Char('A') && c <= QLatin1Char('F')))) {
            return std::nullopt;
        }
    }
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != QLatin1String("00000000-0000-0000-0000-000000000000"))
        return std::nullopt;
    return id;
}

} // namespace Brindlewick
