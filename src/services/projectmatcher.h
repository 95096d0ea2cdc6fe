#pragma once

// Decides whether a folder is already registered as a project, comparing paths after resolving
// symbolic links, "." and ".." and trailing slashes (case-sensitive). Reads the file system to
// resolve links; any thread for `normalize`, the GUI thread for `existingProject` (it reads
// projects of the main context).

#include <QString>

#include <vector>

namespace Brindlewick {

class Project;

struct ProjectMatcher {
    // Trimmed, absolute, symbolic links resolved (as far as the path exists), "." and ".."
    // removed, no trailing "/" except for "/" itself; empty for a blank path.
    static QString normalize(const QString &path);
    // The first project whose normalised root equals the normalised `root`, or none.
    static Project *existingProject(const QString &root, const std::vector<Project *> &projects);
};

} // namespace Brindlewick
