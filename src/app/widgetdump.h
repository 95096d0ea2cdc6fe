#pragma once

#include <QByteArray>

namespace Brindlewick {

// A JSON description of the open windows and their named widgets (class, name, accessible texts,
// global geometry, state properties), answered on the single-instance socket when the app runs
// with BRINDLEWICK_TEST_INTROSPECTION=1, so end-to-end tests can check what a user sees without
// reading pixels.
QByteArray introspectWidgets();

} // namespace Brindlewick
