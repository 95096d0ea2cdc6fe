#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QLabel;

namespace Brindlewick {

class AppModel;
class ModelContext;
struct ChangeSet;

// The main window's sidebar: the board and the hook log, then every project in the user's order.
// Its selection is AppModel's selection, in both directions.
class SidebarView final : public QWidget {
    Q_OBJECT
public:
    SidebarView(ModelContext &context, AppModel &appModel, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void rebuild();
    void scheduleRebuild();
    void syncSelectionFromModel();
    void onCurrentItemChanged(QListWidgetItem *current);

    ModelContext &m_context;
    AppModel &m_appModel;
    QLabel *m_title = nullptr;
    QListWidget *m_list = nullptr;
    bool m_rebuildScheduled = false;
    bool m_syncing = false;
};

} // namespace Brindlewick
