#include "models/sessioncolumn.h"

namespace Brindlewick {

QString rawValue(SessionColumn column)
{
    switch (column) {
    case SessionColumn::attention:
        return QStringLiteral("attention");
    case SessionColumn::idle:
        return QStringLiteral("idle");
    case SessionColumn::working:
        break;
    }
    return QStringLiteral("working");
}

std::optional<SessionColumn> sessionColumnFromRaw(const QString &raw)
{
    for (SessionColumn c : allSessionColumns) {
        if (raw == rawValue(c))
            return c;
    }
    return std::nullopt;
}

SessionColumn sessionColumnReading(const QString &raw)
{
    return sessionColumnFromRaw(raw).value_or(SessionColumn::working);
}

} // namespace Brindlewick
