#pragma once

#include "views/sidebarprompts.h"

namespace Brindlewick {

// The sidebar's dialogs: a folder picker, the rename and delete dialogs and plain alerts.
class LiveSidebarPrompts final : public SidebarPrompts {
public:
    std::optional<QString> chooseFolder(QWidget *parent) override;
    std::optional<QString> askRename(QWidget *parent, const QString &currentName) override;
    bool confirmDelete(QWidget *parent, const QString &message) override;
    void showAlert(QWidget *parent, const QString &title, const QString &message) override;
};

} // namespace Brindlewick
