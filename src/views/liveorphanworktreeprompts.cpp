#include "views/liveorphanworktreeprompts.h"

#include "services/localization.h"

#include <QMessageBox>
#include <QPushButton>

namespace Brindlewick {

namespace {

bool askDestructive(QWidget *parent, const QString &text, const QString &informative, const QString &keep,
                    const QString &force) {
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::NoButton, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setInformativeText(informative);
    QPushButton *first = box.addButton(keep, QMessageBox::RejectRole);
    QPushButton *second = box.addButton(force, QMessageBox::DestructiveRole);
    box.setDefaultButton(first);
    box.setEscapeButton(first);
    box.exec();
    return box.clickedButton() == second;
}

} // namespace

bool LiveOrphanWorktreePrompts::confirmForceRemove(QWidget *parent, const QString &worktreePath) {
    return askDestructive(
        parent, L("worktree に未コミットの変更がある可能性があります"),
        L("この worktree を削除すると、コミットしていない変更は失われます。保持すれば後で確認・コミットできます。\n場所: %@",
          worktreePath),
        L("保持"), L("強制削除"));
}

void LiveOrphanWorktreePrompts::reportRemovalFailed(QWidget *parent, const QString &worktreePath) {
    QMessageBox box(QMessageBox::Warning, QString(), L("worktree を削除できませんでした"),
                    QMessageBox::NoButton, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setInformativeText(
        L("worktree がディスクに残っています。手動で削除する場合の場所:\n%@", worktreePath));
    box.addButton(L("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool LiveOrphanWorktreePrompts::confirmForceBranchDelete(QWidget *parent, const QString &branch) {
    return askDestructive(
        parent, L("ブランチ「%@」を強制削除しますか？", branch),
        L("worktree は削除しました。ブランチ「%@」だけが残っています。このブランチには未マージのコミットがある可能性があり、強制削除するとそのコミットは失われます。",
          branch),
        L("残す"), L("強制削除"));
}

} // namespace Brindlewick
