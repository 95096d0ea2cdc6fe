#include "views/livesidebarprompts.h"

#include "services/localization.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Brindlewick {

std::optional<QString> LiveSidebarPrompts::chooseFolder(QWidget *parent) {
    QFileDialog dialog(parent, L("プロジェクトのフォルダを選択してください"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setLabelText(QFileDialog::Accept, L("追加"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> LiveSidebarPrompts::askRename(QWidget *parent, const QString &currentName) {
    QDialog dialog(parent);
    dialog.setWindowTitle(L("プロジェクト名を変更"));
    auto *layout = new QVBoxLayout(&dialog);
    auto *message = new QLabel(L("新しいプロジェクト名を入力してください。"), &dialog);
    auto *field = new QLineEdit(currentName, &dialog);
    field->setObjectName(QStringLiteral("renameField"));
    field->setPlaceholderText(L("プロジェクト名"));
    field->selectAll();
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(L("変更"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(L("キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(message);
    layout->addWidget(field);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->text();
}

bool LiveSidebarPrompts::confirmDelete(QWidget *parent, const QString &message) {
    QMessageBox box(QMessageBox::Warning, L("プロジェクトを削除"), message, QMessageBox::NoButton, parent);
    QPushButton *remove = box.addButton(L("削除"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(L("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == remove;
}

void LiveSidebarPrompts::showAlert(QWidget *parent, const QString &title, const QString &message) {
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::NoButton, parent);
    box.addButton(L("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace Brindlewick
