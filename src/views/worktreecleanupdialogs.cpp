#include "views/worktreecleanupdialogs.h"

#include "services/localization.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace Brindlewick {

namespace {

// True when the second (destructive) button was chosen; anything else counts as the first.
bool askTwoButtons(const QString &message, const QString &informative, const QString &first,
                   const QString &second) {
    QMessageBox box(QMessageBox::Warning, message, message, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("worktreeCleanupQuestion"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setInformativeText(informative);
    QPushButton *keep = box.addButton(first, QMessageBox::RejectRole);
    QPushButton *destroy = box.addButton(second, QMessageBox::DestructiveRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == destroy;
}

} // namespace

WorktreeCleanupPrompt WorktreeCleanupDialogs::prompt() {
    WorktreeCleanupPrompt p;
    p.confirmForceRemove = [](const QString &path) {
        // clang-format off
        return askTwoButtons(L("worktree に未コミットの変更がある可能性があります"),
                             // clang-format on
                             // clang-format off
                             L("この worktree を削除すると、コミットしていない変更は失われます。保持すれば後で確認・コミットできます。\n場所: %@", path),
                             // clang-format on
                             L("保持"), L("強制削除"));
    };
    p.reportRemovalFailed = [](const QString &path) {
        // clang-format off
        QMessageBox box(QMessageBox::Warning, L("worktree を削除できませんでした"), L("worktree を削除できませんでした"),
                        // clang-format on
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setObjectName(QStringLiteral("worktreeRemovalFailed"));
        box.setWindowModality(Qt::ApplicationModal);
        // clang-format off
        box.setInformativeText(L("worktree がディスクに残っています。手動で削除する場合の場所:\n%@", path));
        // clang-format on
        box.button(QMessageBox::Ok)->setText(L("OK"));
        box.exec();
    };
    p.confirmForceBranchDelete = [](const QString &branch) {
        return askTwoButtons(L("ブランチ「%@」を強制削除しますか？", branch),
                             // clang-format off
                             L("worktree は削除しました。ブランチ「%@」だけが残っています。このブランチには未マージのコミットがある可能性があり、強制削除するとそのコミットは失われます。", branch),
                             // clang-format on
                             L("残す"), L("強制削除"));
    };
    return p;
}

} // namespace Brindlewick
