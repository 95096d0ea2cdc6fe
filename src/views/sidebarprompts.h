#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace Brindlewick {

// The questions and alerts of the sidebar. The live implementation shows modal dialogs; tests
// install one that answers at once, so no test ever waits on a modal.
class SidebarPrompts {
public:
    virtual ~SidebarPrompts() = default;
    // The folder the user chose, or none when the picker was cancelled.
    virtual std::optional<QString> chooseFolder(QWidget *parent) = 0;
    // The name typed into the rename dialog, or none when it was cancelled.
    virtual std::optional<QString> askRename(QWidget *parent, const QString &currentName) = 0;
    // Whether the user confirmed the deletion described by `message`.
    virtual bool confirmDelete(QWidget *parent, const QString &message) = 0;
    // An alert with one "OK" button.
    virtual void showAlert(QWidget *parent, const QString &title, const QString &message) = 0;
};

} // namespace Brindlewick
