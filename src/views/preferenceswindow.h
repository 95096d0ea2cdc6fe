#pragma once

#include <QWidget>

class QTabWidget;

namespace Brindlewick {

class LocalizationManager;

// The one preferences window: its pages as tabs, in a fixed order. Later pages are added by the
// features that own them through addPage.
class PreferencesWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesWindow(LocalizationManager &localization, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    void addPage(QWidget *page, const char *labelKey, const QString &symbol);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QTabWidget *m_tabs = nullptr;
    struct PageInfo {
        QWidget *page;
        const char *labelKey;
    };
    QVector<PageInfo> m_pages;
};

} // namespace Brindlewick
