#include "views/sessionwindow.h"

#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/modelcontext.h"
#include "services/appmodel.h"
#include "services/localization.h"
#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "services/terminaltheme.h"
#include "views/symbols.h"
#include "views/terminalpanesview.h"
#include "views/textstyles.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {
std::function<bool()> &terminatingCheck() {
    static std::function<bool()> check = [] { return false; };
    return check;
}
} // namespace

void SessionWindow::setTerminatingCheck(std::function<bool()> check) {
    terminatingCheck() = std::move(check);
}

QString SessionWindow::headerTitle(const Session &session) {
    const QString place =
        session.project() ? session.project()->displayName() : QDir(session.workingDirectory()).dirName();
    return place + QStringLiteral(" - ") + session.title();
}

SessionWindow::SessionWindow(const QUuid &sessionID, ModelContext &context, AppModel &appModel,
                             Teardown teardown, QWidget *parent)
    : QMainWindow(parent)
    , m_sessionID(sessionID)
    , m_context(context)
    , m_appModel(appModel)
    , m_teardown(std::move(teardown)) {
    setObjectName(QStringLiteral("session"));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("bwSessionID", uuidText(sessionID));
    setMinimumSize(600, 400);
    resize(960, 620);
    setWindowTitle(L("セッション"));

    Session *session = context.find<Session>(sessionID);
    if (!session) {
        auto *missing = new QLabel(L("セッションが見つかりません"), this);
        missing->setObjectName(QStringLiteral("sessionMissing"));
        missing->setAlignment(Qt::AlignCenter);
        setCentralWidget(missing);
        QTimer::singleShot(0, this, &SessionWindow::closeThisWindow);
        return;
    }
    updateTitle();
    SessionProcessManager &pm = SessionProcessManager::shared();
    connect(&context, &ModelContext::changed, this, &SessionWindow::sessionChanged);
    connect(&pm, &SessionProcessManager::selfExitedSessionsChanged, this, [this] {
        if (SessionProcessManager::shared().selfExitedSessions().contains(m_sessionID))
            showExitAlert();
    });
    showSessionContent();
}

bool SessionWindow::workingDirectoryIsMissing() const {
    // A running terminal keeps its folder even when it was moved meanwhile.
    if (SessionProcessManager::shared().hasTerminal(m_sessionID))
        return false;
    const Session *session = m_context.find<Session>(m_sessionID);
    return session && !QFileInfo(session->workingDirectory()).isDir();
}

void SessionWindow::showSessionContent() {
    const Session *session = m_context.find<Session>(m_sessionID);
    if (!session)
        return;
    if (workingDirectoryIsMissing()) {
        // Starting claude there would only print a shell error and end; say what is wrong instead,
        // and keep the record so the session can be resumed once the folder is back.
        setCentralWidget(missingFolderView(session->workingDirectory()));
        return;
    }
    TerminalPanesView::SessionStart start;
    start.sessionID = m_sessionID;
    start.workingDirectory = session->workingDirectory();
    start.skipPermissions = session->skipPermissions();
    start.remoteControl = session->remoteControl();
    start.resumeSessionID = session->claudeSessionID();
    m_panes = new TerminalPanesView(start, this);
    const QString background = Preferences::value(QStringLiteral("terminal.color.background")).toString();
    const quint32 rgb = TerminalTheme::rgb(background, 0x1E1E1E);
    m_panes->setTerminalBackground(QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    setCentralWidget(m_panes);
    m_dim = new QGraphicsOpacityEffect(m_panes);
    m_dim->setOpacity(0.7);
    m_dim->setEnabled(false);
    m_panes->setGraphicsEffect(m_dim);
    connect(&SessionProcessManager::shared(), &SessionProcessManager::exitedAuxPanesChanged, m_panes,
            &TerminalPanesView::removeExitedShellPanes);
    QTimer::singleShot(0, m_panes, &TerminalPanesView::focusMainTerminal);
    // After a retry the window is already active: no activation change will report it.
    if (isActiveWindow())
        m_appModel.setFrontmostSessionID(m_sessionID);
    updateDimming();
}

QWidget *SessionWindow::missingFolderView(const QString &path) {
    auto *view = new QWidget(this);
    view->setObjectName(QStringLiteral("workingDirectoryMissing"));
    auto *outer = new QVBoxLayout(view);
    outer->addStretch(1);
    auto *column = new QVBoxLayout;
    column->setSpacing(8);
    outer->addLayout(column);
    outer->addStretch(2);

    auto *icon = new QLabel(view);
    icon->setPixmap(symbolPixmap(QStringLiteral("folder"), 48, palette().color(QPalette::PlaceholderText),
                                 devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);

    auto *heading = new QLabel(L("作業フォルダが見つかりません"), view);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);

    auto *pathLabel = new QLabel(path, view);
    pathLabel->setObjectName(QStringLiteral("missingWorkingDirectory"));
    pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel->setTextFormat(Qt::PlainText);
    pathLabel->setAlignment(Qt::AlignCenter);
    pathLabel->setWordWrap(true);
    column->addWidget(pathLabel);

    QLabel *explanation = secondaryLabel(view);
    // clang-format off
    explanation->setText(L("フォルダが移動または削除されたため、claude を起動できません。フォルダを元の場所に戻して「再試行」を押してください。セッション（カード）は残っています。"));
    // clang-format on
    explanation->setAlignment(Qt::AlignCenter);
    // A centred, wrapping label gets neither width nor height from the layout: fix both.
    explanation->setFixedWidth(460);
    explanation->setMinimumHeight(explanation->heightForWidth(460));
    column->addWidget(explanation, 0, Qt::AlignHCenter);

    auto *retry = new QPushButton(L("再試行"), view);
    retry->setObjectName(QStringLiteral("retryWorkingDirectory"));
    connect(retry, &QPushButton::clicked, this, [this] {
        // Later: replacing the view now would delete this button inside its own signal.
        if (!workingDirectoryIsMissing())
            QTimer::singleShot(0, this, &SessionWindow::showSessionContent);
    });
    column->addWidget(retry, 0, Qt::AlignHCenter);
    return view;
}

SessionWindow::~SessionWindow() = default;

bool SessionWindow::isDimmed() const {
    return m_dim && m_dim->isEnabled();
}

void SessionWindow::sessionChanged(const ChangeSet &) {
    if (m_closed)
        return;
    if (!m_context.find<Session>(m_sessionID)) {
        // Deleted elsewhere (the board): nothing is left to confirm.
        closeThisWindow();
        return;
    }
    updateTitle();
}

void SessionWindow::updateTitle() {
    if (const Session *session = m_context.find<Session>(m_sessionID))
        setWindowTitle(headerTitle(*session));
}

void SessionWindow::updateDimming() {
    if (!m_dim)
        return;
    const bool dim =
        !isActiveWindow() && Preferences::boolValue(QStringLiteral("terminal.behavior.dimUnfocused"), true);
    m_dim->setEnabled(dim);
}

void SessionWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange && !m_panes && !m_closed) {
        const Session *session = m_context.find<Session>(m_sessionID);
        if (session && findChild<QWidget *>(QStringLiteral("workingDirectoryMissing")))
            setCentralWidget(missingFolderView(session->workingDirectory()));
    }
    if (event->type() == QEvent::ActivationChange && m_panes && !m_closed) {
        if (isActiveWindow())
            m_appModel.setFrontmostSessionID(m_sessionID);
        else
            m_appModel.clearFrontmost(m_sessionID);
        updateDimming();
    }
    QMainWindow::changeEvent(event);
}

void SessionWindow::splitFocusedPane(bool right) {
    if (m_panes)
        m_panes->splitFocusedPane(right ? TerminalPaneNode::Axis::horizontal
                                        : TerminalPaneNode::Axis::vertical);
}

void SessionWindow::closeThisWindow() {
    m_closeConfirmed = true;
    close();
}

void SessionWindow::closeEvent(QCloseEvent *event) {
    if (!m_closed && !m_closeConfirmed && !terminatingCheck()() &&
        SessionProcessManager::shared().hasTerminal(m_sessionID)) {
        event->ignore();
        if (m_closeConfirmation)
            return;
        // clang-format off
        auto *box = new QMessageBox(QMessageBox::Warning, L("このセッションを終了しますか。"),
                                    // clang-format on
                                    // clang-format off
                                    L("このセッションを終了しますか。"), QMessageBox::NoButton, this);
        // clang-format on
        box->setObjectName(QStringLiteral("closeSessionConfirmation"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        // clang-format off
        box->setInformativeText(L("ウィンドウを閉じると claude プロセスが終了し、このセッション（カード）が削除されます。"));
        // clang-format on
        QPushButton *end = box->addButton(L("終了する"), QMessageBox::AcceptRole);
        QPushButton *cancel = box->addButton(L("キャンセル"), QMessageBox::RejectRole);
        box->setDefaultButton(end);
        box->setEscapeButton(cancel);
        box->setWindowModality(Qt::WindowModal);
        connect(box, &QMessageBox::finished, this, [this, box, end] {
            if (box->clickedButton() == end)
                QTimer::singleShot(0, this, &SessionWindow::closeThisWindow);
        });
        m_closeConfirmation = box;
        box->open();
        return;
    }
    event->accept();
    closeSession();
    QMainWindow::closeEvent(event);
}

void SessionWindow::closeSession() {
    if (m_closed)
        return;
    m_closed = true;
    m_appModel.clearFrontmost(m_sessionID);
    if (m_exitAlert)
        m_exitAlert->close();
    if (!m_panes)
        return; // never showed a session
    if (terminatingCheck()()) {
        // Quitting keeps the record, so the next launch can resume the session.
        SessionProcessManager::shared().terminate(m_sessionID);
    } else if (m_teardown) {
        m_teardown(m_sessionID);
    } else {
        SessionProcessManager::shared().terminate(m_sessionID);
    }
}

void SessionWindow::showExitAlert() {
    if (m_exitAlertShown || m_closed)
        return;
    m_exitAlertShown = true;
    // clang-format off
    auto *box = new QMessageBox(QMessageBox::Information, L("セッションが終了しました"), L("セッションが終了しました"),
                                // clang-format on
                                QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("sessionEndedAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // clang-format off
    box->setInformativeText(L("claude が終了しました。表示内容はそのまま確認できます。セッションを終了（カードを削除）するには、このウィンドウを閉じてください。"));
    // clang-format on
    // clang-format off
    QPushButton *closeWindow = box->addButton(L("ウィンドウを閉じる"), QMessageBox::AcceptRole);
    // clang-format on
    QPushButton *keep = box->addButton(L("このまま確認"), QMessageBox::RejectRole);
    box->setDefaultButton(closeWindow);
    box->setEscapeButton(keep);
    box->setWindowModality(Qt::WindowModal);
    connect(box, &QMessageBox::finished, this, [this, box, closeWindow] {
        if (box->clickedButton() == closeWindow)
            QTimer::singleShot(0, this, &SessionWindow::closeThisWindow);
    });
    m_exitAlert = box;
    box->open();
}

} // namespace Brindlewick
