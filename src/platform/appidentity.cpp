#include "platform/appidentity.h"

namespace Brindlewick {

namespace {
std::optional<QString> &runningIdentifier()
{
    static std::optional<QString> value;
    return value;
}
} // namespace

std::optional<QString> runningApplicationIdentifier() { return runningIdentifier(); }

void setRunningApplicationIdentifier(const std::optional<QString> &identifier) { runningIdentifier() = identifier; }

} // namespace Brindlewick
