#include "views/projectdashboardview.h"

#include "models/project.h"
#include "models/session.h"
#include "persistence/modelcontext.h"
#include "services/localization.h"
#include "views/orphanworktreesection.h"
#include "views/sessionlaunchersection.h"
#include "views/symbols.h"
#include "views/textstyles.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Brindlewick {

ProjectDashboardView::ProjectDashboardView(const QUuid &projectID, ModelContext &context, QWidget *parent)
    : QWidget(parent), m_projectID(projectID), m_context(context)
{
    setObjectName(QStringLiteral("projectDashboard"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    outer->addWidget(m_stack);

    // Empty state: the project is gone.
    auto *missing = new QWidget(m_stack);
    auto *ml = new QVBoxLayout(missing);
    ml->addStretch();
    m_missingIcon = new QLabel(missing);
    m_missingIcon->setAlignment(Qt::AlignCenter);
    m_missingIcon->setPixmap(symbolIcon(QStringLiteral("questionmark.folder")).pixmap(48, 48));
    m_missingText = new QLabel(missing);
    m_missingText->setObjectName(QStringLiteral("projectNotFound"));
    m_missingText->setAlignment(Qt::AlignCenter);
    QFont mf = m_missingText->font();
    mf.setPointSizeF(mf.pointSizeF() * 1.2);
    m_missingText->setFont(mf);
    ml->addWidget(m_missingIcon);
    ml->addWidget(m_missingText);
    ml->addStretch();
    m_stack->addWidget(missing);

    // The dashboard: one scrolling column.
    auto *scroll = new QScrollArea(m_stack);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(24, 20, 24, 20);
    column->setSpacing(12);
    auto *header = new QHBoxLayout;
    header->setSpacing(10);
    m_icon = new QLabel(content);
    m_icon->setPixmap(symbolIcon(QStringLiteral("folder")).pixmap(28, 28));
    m_name = new QLabel(content);
    m_name->setObjectName(QStringLiteral("projectName"));
    QFont nf = m_name->font();
    nf.setPointSizeF(nf.pointSizeF() * 1.6);
    nf.setWeight(QFont::DemiBold);
    m_name->setFont(nf);
    m_name->setTextFormat(Qt::PlainText);
    header->addWidget(m_icon);
    header->addWidget(m_name, 1);
    column->addLayout(header);
    m_path = new QLabel(content);
    m_path->setObjectName(QStringLiteral("projectRootPath"));
    m_path->setTextFormat(Qt::PlainText);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_path->setCursor(Qt::IBeamCursor);
    makeSecondary(m_path);
    column->addWidget(m_path);
    m_launcher = new SessionLauncherSection(m_projectID, m_context, content);
    column->addWidget(m_launcher);
    connect(m_launcher, &SessionLauncherSection::openSessionRequested, this, &ProjectDashboardView::openSessionRequested);
    m_sections = new QVBoxLayout;
    m_sections->setSpacing(12);
    column->addLayout(m_sections);
    m_column = column;
    column->addStretch();
    scroll->setWidget(content);
    m_stack->addWidget(scroll);

    connect(&m_context, &ModelContext::changed, this, [this](const ChangeSet &cs) {
        if (cs.touches(m_projectID))
            refresh();
        else if (cs.touches(EntityKind::Session))
            updateOrphanInputs();
    });
    refresh();
}

void ProjectDashboardView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QWidget::changeEvent(event);
}

void ProjectDashboardView::refresh()
{
    m_missingText->setText(L("プロジェクトが見つかりません"));
    const Project *project = m_context.find<Project>(m_projectID);
    if (!project) {
        m_stack->setCurrentIndex(0);
        setWindowTitle(L("プロジェクト"));
        return;
    }
    updateOrphanInputs();
    m_name->setText(project->displayName());
    m_path->setText(project->rootPath());
    setWindowTitle(project->displayName());
    m_stack->setCurrentIndex(1);
}

void ProjectDashboardView::updateOrphanInputs()
{
    const Project *project = m_context.find<Project>(m_projectID);
    if (!project)
        return;
    auto sessions = project->sessions();
    std::stable_sort(sessions.begin(), sessions.end(), [](const Session *a, const Session *b) {
        if (a->sortOrder() != b->sortOrder())
            return a->sortOrder() < b->sortOrder();
        return a->createdAt() < b->createdAt();
    });
    QStringList directories;
    for (const Session *s : sessions)
        directories << s->workingDirectory();
    if (!m_orphans) {
        m_orphans = new OrphanWorktreeSection(project->rootPath(), m_projectID, directories, this);
        m_column->insertWidget(m_column->count() - 1, m_orphans); // above the final stretch
        return;
    }
    m_orphans->setInputs(project->rootPath(), directories);
}

} // namespace Brindlewick
