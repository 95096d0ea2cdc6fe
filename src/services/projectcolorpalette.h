#pragma once

// The fixed colours a project can be given. Pure; any thread.

#include <QString>

#include <vector>

namespace Brindlewick {

struct ProjectColor {
    const char *name; // a text key: show it through L()
    QString hex;      // six upper-case hexadecimal digits, no "#"
    bool operator==(const ProjectColor &o) const { return hex == o.hex; }
};

struct ProjectColorPalette {
    static const std::vector<ProjectColor> &options();
};

} // namespace Brindlewick
