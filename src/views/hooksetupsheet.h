#pragma once

#include "services/hooksettingsinstaller.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace Brindlewick {

// Offered once at start-up while the hooks are missing: install them, or not now (which stops the
// offer; the preferences' hooks page can still install them later).
class HookSetupSheet final : public QDialog {
    Q_OBJECT
public:
    explicit HookSetupSheet(HookSettingsInstaller installer, QWidget *parent = nullptr);

    QString errorMessage() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void install();

    HookSettingsInstaller m_installer;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QLabel *m_error = nullptr;
    QPushButton *m_notNow = nullptr;
    QPushButton *m_install = nullptr;
};

} // namespace Brindlewick
