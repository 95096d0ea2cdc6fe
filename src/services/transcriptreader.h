#pragma once

#include <QString>

#include <optional>

// Reads the end of a Claude Code transcript file, bounded in size. Runs on the hook server's thread.

namespace Brindlewick {

struct TranscriptReader {
    // The last maxBytes bytes of the regular file at path, decoded as UTF-8 (invalid sequences
    // replaced), starting at a whole line when the read did not begin at the start of the file.
    // Nothing when the file cannot be opened, is not a regular file, or nothing could be read.
    static std::optional<QString> tailText(const QString &path, qint64 maxBytes);
};

} // namespace Brindlewick
