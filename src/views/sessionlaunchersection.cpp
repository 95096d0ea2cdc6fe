#include "views/sessionlaunchersection.h"

#include "models/project.h"
#include "models/session.h"
#include "persistence/appsupportpaths.h"
#include "persistence/modelcontext.h"
#include "services/localization.h"
#include "services/logging.h"
#include "services/preferences.h"
#include "services/sessionlauncher.h"
#include "services/sessionlifecycle.h"
#include "services/textsanitizing.h"
#include "services/worktreeplan.h"
#include "services/worktreeprovisioner.h"
#include "views/columnstyle.h"
#include "views/symbols.h"
#include "views/textstyles.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace Brindlewick {

namespace {

const QString remoteControlKey = QStringLiteral("session.launch.remoteControl");


} // namespace

SessionLauncherSection::SessionLauncherSection(const QUuid &projectID, ModelContext &context, QWidget *parent)
    : QWidget(parent)
    , m_projectID(projectID)
    , m_context(context)
    , m_git(GitService::live())
    , m_worktreesRoot(AppSupportPaths::worktreesRoot()) {
    setObjectName(QStringLiteral("sessionLauncher"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);

    auto *top = new QHBoxLayout;
    m_heading = new QLabel(this);
    QFont hf = m_heading->font();
    hf.setBold(true);
    m_heading->setFont(hf);
    top->addWidget(m_heading, 1);
    m_startButton = new QPushButton(this);
    m_startButton->setObjectName(QStringLiteral("startSession"));
    m_startButton->setDefault(true);
    top->addWidget(m_startButton);
    column->addLayout(top);

    auto *options = new QHBoxLayout;
    options->addStretch();
    m_skip = new QCheckBox(this);
    m_skip->setObjectName(QStringLiteral("skipPermissions"));
    m_worktree = new QCheckBox(this);
    m_worktree->setObjectName(QStringLiteral("useWorktree"));
    m_remote = new QCheckBox(this);
    m_remote->setObjectName(QStringLiteral("remoteControl"));
    m_remote->setChecked(Preferences::boolValue(remoteControlKey, false));
    options->addWidget(m_skip);
    options->addWidget(m_worktree);
    options->addWidget(m_remote);
    column->addLayout(options);

    m_prompt = new QLineEdit(this);
    m_prompt->setObjectName(QStringLiteral("firstPrompt"));
    column->addWidget(m_prompt);
    m_notRepoNote = secondaryLabel(this, 0.85);
    m_notRepoNote->setObjectName(QStringLiteral("notGitRepoNote"));
    column->addWidget(m_notRepoNote);
    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("startError"));
    m_error->setTextFormat(Qt::PlainText);
    m_error->setWordWrap(true);
    column->addWidget(m_error);
    m_list = new QVBoxLayout;
    m_list->setSpacing(2);
    column->addLayout(m_list);

    connect(m_startButton, &QPushButton::clicked, this, &SessionLauncherSection::start);
    for (QCheckBox *box : {m_skip, m_worktree, m_remote}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_syncing)
                setStartError(std::nullopt);
        });
    }
    // The dashboard's own choice; the preference stays as it is.
    connect(m_remote, &QCheckBox::toggled, this, [this](bool on) { m_remoteControlOverride = on; });
    connect(&m_context, &ModelContext::changed, this, [this](const ChangeSet &cs) {
        if (cs.touches(EntityKind::Session) || cs.touches(m_projectID))
            rebuildSessionList();
        if (cs.touches(m_projectID)) {
            const Project *p = m_context.find<Project>(m_projectID);
            if (p && p->rootPath() != property("bwCheckedRoot").toString())
                checkRepository();
        }
    });
    retranslate();
    renderState();
    rebuildSessionList();
}

void SessionLauncherSection::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        renderState();
        rebuildSessionList();
    }
    QWidget::changeEvent(event);
}

void SessionLauncherSection::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    checkRepository();
}

void SessionLauncherSection::retranslate() {
    m_heading->setText(L("セッション"));
    m_skip->setText(L("権限確認をスキップ"));
    m_skip->setToolTip(L(
        "ON にすると `claude --dangerously-skip-permissions` で起動し、ツール実行の権限確認をすべてスキップします。確認なしでファイル変更やコマンド実行が走るため、信頼できる作業のみで使ってください（危険）。"));
    m_skip->setAccessibleDescription(L(
        "claude を権限確認なし（--dangerously-skip-permissions）で起動します。確認なしでツールが実行される危険な設定です。"));
    m_worktree->setText(L("独立 worktree で作成"));
    m_worktree->setToolTip(L(
        "ON にすると専用の git worktree（別ブランチ）を作り、そこで claude を起動します。同じリポジトリの並行セッションがファイル衝突しません。"));
    m_worktree->setAccessibleDescription(L(
        "専用の git worktree（別ブランチ）を作成して claude を起動します。並行セッションのファイル衝突を防ぎます。"));
    m_remote->setText(L("Remote Control を有効にする"));
    m_remote->setToolTip(L(
        "ON にすると `claude --remote-control` で起動し、同じセッションを claude.ai・Claude のスマートフォンアプリ・Claude Desktop から続けられます。claude はこのコンピュータ上で動き続けるため、スリープやシャットダウンでセッションは止まります。Pro や Max などのサブスクリプションで claude.ai にログインしている必要があります。既定値は設定の「ターミナル」で変更できます。"));
    m_remote->setAccessibleDescription(L(
        "Remote Control を有効にして（--remote-control）claude を起動します。同じセッションを claude.ai やスマートフォンアプリから操作できます。"));
    m_prompt->setPlaceholderText(L("最初の指示（任意）"));
    m_prompt->setToolTip(
        L("起動後、端末の入力欄にこのテキストを挿入します（送信は手動）。空なら何もしません。"));
    m_prompt->setAccessibleDescription(L("起動後に端末の入力欄へ挿入します。送信は手動です。"));
    m_notRepoNote->setText(
        m_gitMissing ? GitService::unavailableDescription()
                     : L("このプロジェクトは git リポジトリではないため、worktree は利用できません。"));
}

void SessionLauncherSection::renderState() {
    m_startButton->setEnabled(!m_isStarting);
    m_startButton->setText(m_isStarting ? L("作成中…") : L("セッションを開始"));
    m_startButton->setIcon(m_isStarting ? QIcon() : symbolIcon(QStringLiteral("play.circle.fill")));
    m_skip->setEnabled(!m_isStarting);
    m_remote->setEnabled(!m_isStarting);
    m_worktree->setEnabled(!m_isStarting && m_isGitRepo != false);
    m_prompt->setEnabled(!m_isStarting);
    m_notRepoNote->setVisible(m_isGitRepo == false);
    m_error->setVisible(m_startError.has_value());
    if (m_startError)
        m_error->setText(*m_startError);
}

void SessionLauncherSection::setStartError(const std::optional<QString> &message) {
    m_startError = message;
    renderState();
}

void SessionLauncherSection::checkRepository() {
    m_isGitRepo.reset();
    renderState();
    const Project *project = m_context.find<Project>(m_projectID);
    if (!project)
        return;
    setProperty("bwCheckedRoot", project->rootPath());
    m_repoCheck.run(
        this,
        [git = m_git, root = project->rootPath()] {
            // Without git the note says so instead of calling the folder no repository.
            const bool isRepo = git.repositoryRoot(root).has_value();
            return std::make_pair(isRepo, !isRepo && !GitService::isAvailable());
        },
        [this](std::pair<bool, bool> answer) {
            const bool isRepo = answer.first;
            m_gitMissing = answer.second;
            m_notRepoNote->setText(
                m_gitMissing
                    ? GitService::unavailableDescription()
                    : L("このプロジェクトは git リポジトリではないため、worktree は利用できません。"));
            m_isGitRepo = isRepo;
            if (!isRepo) {
                m_syncing = true;
                m_worktree->setChecked(false);
                m_syncing = false;
            }
            renderState();
        });
}

void SessionLauncherSection::opened(const QUuid &sessionID, const QString &initialInput) {
    Q_EMIT openSessionRequested(sessionID, initialInput);
    m_prompt->clear();
}

void SessionLauncherSection::start() {
    if (m_isStarting)
        return;
    Project *project = m_context.find<Project>(m_projectID);
    if (!project)
        return;
    m_isStarting = true;
    m_startError.reset();
    renderState();
    const QString input = SlashInsertion::sanitizedSingleLine(m_prompt->text());
    const qint64 order = SessionLauncher::nextOrder(project->sessions());
    const SessionLauncher::Options options{m_skip->isChecked(), m_remote->isChecked()};

    if (m_worktree->isChecked() && m_isGitRepo != false) {
        const QUuid sessionID = QUuid::createUuid();
        const WorktreePlan plan = WorktreePlan::make(m_worktreesRoot, m_projectID, sessionID);
        const QString root = project->rootPath();
        runInBackground(
            this,
            [plan, root, git = m_git]() -> std::optional<WorktreeProvisionError> {
                const auto r = WorktreeProvisioner::live().provision(plan, root, git);
                if (r)
                    return std::nullopt;
                return r.error();
            },
            [this, plan, root, sessionID, input, order,
             options](const std::optional<WorktreeProvisionError> &failure) {
                auto finish = [this] {
                    m_isStarting = false;
                    renderState();
                    Q_EMIT startFinished();
                };
                if (failure) {
                    qCCritical(lcProjectDashboard, "worktree 作成に失敗: %s",
                               qUtf8Printable(failure->caseName()));
                    m_startError = failure->description();
                    finish();
                    return;
                }
                Project *p = m_context.find<Project>(m_projectID);
                Session *s = p ? SessionLauncher::createSession(m_context, p, sessionID, plan.path, true,
                                                                options, order)
                               : nullptr;
                if (s) {
                    opened(sessionID, input);
                    finish();
                    return;
                }
                runInBackground(
                    this,
                    [plan, root, git = m_git] {
                        WorktreeProvisioner::discard(plan, root, git);
                        return true;
                    },
                    [this, finish](bool) {
                        m_startError =
                            L("セッションの保存に失敗しました。作成した worktree は撤去しました。");
                        finish();
                    });
            });
        return;
    }

    const QUuid sessionID = QUuid::createUuid();
    if (SessionLauncher::createSession(m_context, project, sessionID, project->rootPath(), false, options,
                                       order))
        opened(sessionID, input);
    else
        m_startError = L("セッションの保存に失敗しました。");
    renderState();
    Q_EMIT startFinished();
    // A short lock against a double click starting two sessions.
    QTimer::singleShot(800, this, [this] {
        m_isStarting = false;
        renderState();
    });
}

void SessionLauncherSection::rebuildSessionList() {
    while (QLayoutItem *item = m_list->takeAt(0)) {
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
    const Project *project = m_context.find<Project>(m_projectID);
    std::vector<Session *> sessions = project ? project->sessions() : std::vector<Session *>{};
    std::stable_sort(sessions.begin(), sessions.end(), [](const Session *a, const Session *b) {
        if (a->sortOrder() != b->sortOrder())
            return a->sortOrder() < b->sortOrder();
        return a->createdAt() < b->createdAt();
    });
    if (sessions.empty()) {
        auto *empty = secondaryLabel(this, 0.95);
        empty->setObjectName(QStringLiteral("noSessions"));
        empty->setText(L("セッションがありません。「セッションを開始」で claude を起動します。"));
        m_list->addWidget(empty);
        return;
    }
    for (const Session *s : sessions) {
        auto *row = new QPushButton(this);
        row->setObjectName(QStringLiteral("sessionRow"));
        row->setFlat(true);
        row->setIcon(symbolIcon(QStringLiteral("terminal")));
        row->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
        row->setProperty("bwSessionID", s->id());
        QString text = s->title().isEmpty() ? L("セッション") : s->title();
        const QString prompt = s->lastPrompt().value_or(QString());
        const QString response = s->lastResponse().value_or(QString());
        if (!prompt.isEmpty() || !response.isEmpty()) {
            if (!prompt.isEmpty())
                text +=
                    QLatin1Char('\n') + fontMetrics().elidedText(prompt.simplified(), Qt::ElideRight, 480);
            if (!response.isEmpty())
                text += QStringLiteral("\n\u275D ") +
                        fontMetrics().elidedText(response.simplified(), Qt::ElideRight, 480);
        } else {
            text += QLatin1Char('\n') + ColumnStyle::subtitle(s->column());
        }
        row->setText(text);
        const QUuid id = s->id();
        connect(row, &QPushButton::clicked, this, [this, id] { Q_EMIT openSessionRequested(id, QString()); });
        row->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(row, &QWidget::customContextMenuRequested, this, [this, row, id](const QPoint &pos) {
            QMenu menu(row);
            menu.addAction(symbolIcon(QStringLiteral("xmark.circle")), L("セッションを閉じる"), this,
                           [this, id] { SessionLifecycle::teardown(id, m_context); });
            menu.exec(row->mapToGlobal(pos));
        });
        m_list->addWidget(row);
    }
}

} // namespace Brindlewick
