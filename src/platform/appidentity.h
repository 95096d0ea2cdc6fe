#pragma once

#include <QString>

#include <optional>

namespace Brindlewick {

// The application identifier: subsystem of every log category, name of the application's data
// folder and the desktop file id.
inline QString applicationIdentifier() { return QStringLiteral("io.brindlewick.Brindlewick"); }

// The identifier of the running program, when it runs as the installed application. The real
// executable always sets it; code that must behave as a bare executable (no notifications, no
// update checker) receives none.
std::optional<QString> runningApplicationIdentifier();
void setRunningApplicationIdentifier(const std::optional<QString> &identifier);

} // namespace Brindlewick
