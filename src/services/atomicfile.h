#pragma once

// Replaces a file's content atomically and durably: a temporary file in the same folder gets every
// byte, is synced and renamed over the old one, and the folder is synced. A reader sees the old or
// the new content, never a mixture, and a failed write (a full disk among others) leaves the old
// file and no temporary behind. A path that is a symbolic link keeps its link: the file it finally
// points to is replaced. Plain POSIX calls; safe on any thread.

#include "models/result.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace Brindlewick {

class AtomicFile {
public:
    // `newFileMode` applies when no file exists yet; an existing file keeps its permissions.
    static Result<void> replace(const QString &path, const QByteArray &data, mode_t newFileMode = 0600);
    // Follows symbolic links (at most 40) to the path that is finally written; the path itself when
    // it is not a link.
    static QString resolvedPath(const QString &path);
};

} // namespace Brindlewick
