#pragma once

#include <QMetaType>
#include <QUuid>

namespace Brindlewick {

// What the main window's detail area shows.
struct SidebarItem {
    enum class Kind { project, board, hookLog };
    Kind kind = Kind::board;
    QUuid projectID; // for `project`

    static SidebarItem board() { return {Kind::board, {}}; }
    static SidebarItem hookLog() { return {Kind::hookLog, {}}; }
    static SidebarItem project(const QUuid &id) { return {Kind::project, id}; }
    bool operator==(const SidebarItem &o) const { return kind == o.kind && projectID == o.projectID; }
    bool operator!=(const SidebarItem &o) const { return !(*this == o); }
};

} // namespace Brindlewick

Q_DECLARE_METATYPE(Brindlewick::SidebarItem)
