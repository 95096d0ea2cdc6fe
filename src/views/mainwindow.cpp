#include "views/mainwindow.h"

#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "views/boardview.h"
#include "views/hooklogview.h"
#include "views/projectdashboardview.h"
#include "views/sidebarview.h"

#include <QCloseEvent>
#include <QSplitter>
#include <QStackedWidget>

namespace Brindlewick {

MainWindow::MainWindow(ModelContext &context, AppModel &appModel, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_appModel(appModel)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Brindlewick"));
    setMinimumSize(600, 400);
    resize(1200, 800);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    m_sidebar = new SidebarView(context, appModel, m_splitter);
    m_sidebar->setMinimumWidth(200);
    m_detail = new QStackedWidget(m_splitter);
    m_detail->setObjectName(QStringLiteral("detail"));
    m_board = new BoardView(context, m_detail);
    m_hookLog = new HookLogView(appModel, m_detail);
    m_detail->addWidget(m_board);
    m_detail->addWidget(m_hookLog);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_detail);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({240, 960});
    setCentralWidget(m_splitter);

    connect(m_board, &BoardView::openSessionRequested, this, &MainWindow::openSessionRequested);
    connect(&m_appModel, &AppModel::selectionChanged, this, &MainWindow::showSelection);
    showSelection();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeAllowed) {
        QMainWindow::closeEvent(event);
        return;
    }
    // Whether closing hides the window or asks to quit is the application's decision.
    event->ignore();
    Q_EMIT closeRequested();
}

QWidget *MainWindow::currentDetail() const
{
    return m_detail->currentWidget();
}

void MainWindow::showSelection()
{
    const SidebarItem item = m_appModel.selection().value_or(SidebarItem::board());
    if (item.kind == SidebarItem::Kind::project) {
        // A different project gets a dashboard built from scratch.
        if (!m_dashboard || m_dashboard->projectID() != item.projectID) {
            if (m_dashboard) {
                m_detail->removeWidget(m_dashboard);
                m_dashboard->deleteLater();
            }
            m_dashboard = new ProjectDashboardView(item.projectID, m_context, m_detail);
            connect(m_dashboard, &ProjectDashboardView::openSessionRequested, this,
                    [this](const QUuid &sessionID, const QString &initialInput) {
                        if (!initialInput.isEmpty())
                            Q_EMIT openSessionWithInputRequested(sessionID, initialInput);
                        Q_EMIT openSessionRequested(sessionID);
                    });
            m_detail->addWidget(m_dashboard);
        }
        m_detail->setCurrentWidget(m_dashboard);
        return;
    }
    if (m_dashboard) {
        m_detail->removeWidget(m_dashboard);
        m_dashboard->deleteLater();
        m_dashboard = nullptr;
    }
    m_detail->setCurrentWidget(item.kind == SidebarItem::Kind::hookLog ? static_cast<QWidget *>(m_hookLog) : m_board);
}

} // namespace Brindlewick
