#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Brindlewick {

// The board column of a session, stored as its raw text in Session.columnRaw.
enum class SessionColumn { attention, idle, working };

inline constexpr std::array<SessionColumn, 3> allSessionColumns{SessionColumn::attention, SessionColumn::idle,
                                                                SessionColumn::working};

QString rawValue(SessionColumn column);
// Exact, case-sensitive match of one of the three raw values; anything else is none.
std::optional<SessionColumn> sessionColumnFromRaw(const QString &raw);
// The reading rule of a stored column: unknown or empty text is `working`.
SessionColumn sessionColumnReading(const QString &raw);

} // namespace Brindlewick
