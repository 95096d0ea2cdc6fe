#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QStackedWidget;

namespace Brindlewick {

class AppModel;

// The hook log page: every event the hook server accepted, newest first, with whether it changed
// a session.
class HookLogView final : public QWidget {
    Q_OBJECT
public:
    explicit HookLogView(AppModel &appModel, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLabel *heading() const { return m_heading; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void reload();

    AppModel &m_appModel;
    QLabel *m_heading = nullptr;
    QLabel *m_empty = nullptr;
    QListWidget *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
};

} // namespace Brindlewick
