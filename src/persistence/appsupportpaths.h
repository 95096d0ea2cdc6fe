#pragma once

#include <QString>

namespace Brindlewick {

// Folders below the user's data folder ($XDG_DATA_HOME, default ~/.local/share). Computing a path
// creates nothing; the users of a folder create it when they need it.
struct AppSupportPaths {
    static QString applicationSupportDirectory();
    static QString storeFolder();
    static QString worktreesRoot();
    static QString startPagesRoot();
    // mkdir -p where every folder it creates gets the given mode; true when the folder exists.
    static bool makePath(const QString &path, unsigned mode);
};

} // namespace Brindlewick
