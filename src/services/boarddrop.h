#pragma once

// Applies a drop of session ids onto a board column: moves the sessions and saves once. Stateless;
// GUI thread (it writes to the main context). Logs under "BoardDrop".

#include "models/sessioncolumn.h"

#include <QDateTime>
#include <QStringList>

namespace Brindlewick {

class ModelContext;

struct BoardDrop {
    // Each payload is a session id as text. Sessions already in `to` are left alone; the others move
    // there with `at` as their last activity. Returns how many moved, also when the save failed (the
    // moves then stay pending in the context and go out with its next save).
    static int move(const QStringList &payloads, SessionColumn to, const QDateTime &at, ModelContext &context);
};

} // namespace Brindlewick
