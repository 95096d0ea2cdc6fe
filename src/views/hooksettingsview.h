#pragma once

#include "services/backgroundtask.h"
#include "services/hooksettingsinstaller.h"

#include <QWidget>

#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace Brindlewick {

// The preferences page "フック": whether Brindlewick's hooks are in ~/.claude/settings.json, and
// installing, reinstalling or removing them. File work runs in the background.
class HookSettingsView final : public QWidget {
    Q_OBJECT
public:
    explicit HookSettingsView(HookSettingsInstaller installer, QWidget *parent = nullptr);

    std::optional<HookSettingsInstaller::Status> status() const { return m_status; }
    QString errorMessage() const;
    // Reads the status again (in the background).
    void refresh();

Q_SIGNALS:
    void statusRead();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void render();
    void install();
    void remove();
    void finishAction(const std::optional<QString> &error);

    HookSettingsInstaller m_installer;
    std::optional<HookSettingsInstaller::Status> m_status;
    std::optional<QString> m_errorMessage;
    BackgroundSlot m_statusSlot;
    bool m_busy = false;

    QLabel *m_explanation = nullptr;
    QLabel *m_statusCaption = nullptr;
    QLabel *m_statusIcon = nullptr;
    QLabel *m_statusText = nullptr;
    QLabel *m_invalidHint = nullptr;
    QPushButton *m_install = nullptr;
    QPushButton *m_reinstall = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_recheck = nullptr;
    QLabel *m_error = nullptr;
    QGroupBox *m_group = nullptr;
};

} // namespace Brindlewick
