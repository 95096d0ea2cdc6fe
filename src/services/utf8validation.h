#pragma once

#include <QtGlobal>

// Strict UTF-8 validation (no overlong forms, no surrogates, nothing above U+10FFFF), for the places
// where bytes from outside must be refused rather than repaired. Pure; any thread.

namespace Brindlewick {
namespace Utf8 {

bool isValid(const char *data, qsizetype length);

} // namespace Utf8
} // namespace Brindlewick
