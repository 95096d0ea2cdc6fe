#include "views/sessionterminalview.h"

#include "services/logging.h"
#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "services/terminallinkpolicy.h"
#include "services/terminaltheme.h"
#include "views/fontsettings.h"
#include "views/terminalsymbolsfont.h"
#include "views/windowactivation.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>

#include <sys/statvfs.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace Brindlewick {

namespace {

// The generated colour schemes of this run, removed at exit.
QTemporaryDir &schemeFolder() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/brindlewick-colors-XXXXXX"));
    return dir;
}

QString rgbText(quint32 rgb) {
    return QStringLiteral("%1,%2,%3").arg((rgb >> 16) & 0xFF).arg((rgb >> 8) & 0xFF).arg(rgb & 0xFF);
}

QString writeScheme(const TerminalAppearance &appearance) {
    static int serial = 0;
    QVector<quint32> palette = appearance.palette;
    if (palette.size() != 16)
        palette = TerminalTheme::preset(QStringLiteral("default")).palette();
    QString text;
    auto section = [&text](const QString &name, quint32 rgb) {
        text += QLatin1Char('[') + name + QStringLiteral("]\nBold=false\nColor=") + rgbText(rgb) +
                QStringLiteral("\n\n");
    };
    section(QStringLiteral("Background"), appearance.background);
    section(QStringLiteral("BackgroundIntense"), appearance.background);
    section(QStringLiteral("Foreground"), appearance.foreground);
    section(QStringLiteral("ForegroundIntense"), appearance.foreground);
    for (int i = 0; i < 8; ++i) {
        section(QStringLiteral("Color%1").arg(i), palette[i]);
        section(QStringLiteral("Color%1Intense").arg(i), palette[i + 8]);
        section(QStringLiteral("Color%1Faint").arg(i), palette[i]);
    }
    text += QStringLiteral("[General]\nDescription=Brindlewick\nOpacity=1\n");
    if (!schemeFolder().isValid())
        return {};
    const QString path = schemeFolder().path() + QStringLiteral("/scheme-%1.colorscheme").arg(++serial);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        return {};
    return path;
}

QFont terminalFont(const TerminalAppearance &appearance) {
    // An empty family is the system's fixed-pitch font; FontSettings resolves it to a real one.
    if (appearance.fontFamily.isEmpty())
        return FontSettings::systemFont(FontSettings::Role::monospace, appearance.fontSize);
    TerminalSymbolsFont::install();
    QFont font(appearance.fontFamily);
    font.setPointSizeF(FontSettings::normalizedSize(FontSettings::Role::monospace, appearance.fontSize));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// Whether the temporary folder can take a scroll-back file: the widget creates it there (unnamed
// where the file system allows, else named, mode 0600, removed with the terminal) and silently drops
// lines it cannot write. A full file of twice the limit takes about 25 MB.
bool temporaryFolderTakesScrollback() {
    constexpr unsigned long long enough = 256ull << 20;
    struct statvfs fs {};
    if (::statvfs(QFile::encodeName(QDir::tempPath()).constData(), &fs) != 0)
        return false;
    if (static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize < enough)
        return false;
    QTemporaryFile probe;
    return probe.open();
}

} // namespace

SessionTerminalView::SessionTerminalView(QWidget *parent)
    : QTermWidget(0, parent) {
    setObjectName(QStringLiteral("sessionTerminal"));
    setAutoClose(false); // the last screen stays readable after the process ends
    setHistorySize(m_scrollback.limit());
    setScrollBarPosition(QTermWidget::ScrollBarRight);
    setFlowControlEnabled(false);
    setTerminalSizeHint(false);
    setMargin(2);
    resize(800, 480);
    for (QWidget *child : findChildren<QWidget *>()) {
        if (qstrcmp(child->metaObject()->className(), "Konsole::TerminalDisplay") == 0) {
            m_display = child;
            break;
        }
    }
    if (m_display) {
        m_display->installEventFilter(this);
        m_display->setMouseTracking(true);
        setFocusProxy(m_display);
    }
    m_clock.start();
    m_restTimer = new QTimer(this);
    m_restTimer->setSingleShot(true);
    m_restTimer->setInterval(ScrollbackPolicy::restMs);
    connect(m_restTimer, &QTimer::timeout, this, &SessionTerminalView::scrollbackAtRest);
    connect(this, &QTermWidget::receivedData, this, [this](const QString &data) {
        m_modes.feed(data.toLatin1());
        outputArrived(data.size());
    });
    connect(this, &QTermWidget::urlActivated, this, [this](const QUrl &url, bool) { openLink(url); });
    connect(this, &QTermWidget::bell, this, [] { QApplication::beep(); });

    auto shortcut = [this](const char *keys, auto slot) {
        auto *s = new QShortcut(QKeySequence(QLatin1String(keys)), this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut("Ctrl+Shift+C", [this] { copyClipboard(); });
    shortcut("Ctrl+Shift+V", [this] { pasteClipboard(); });
}

SessionTerminalView::~SessionTerminalView() = default;

void SessionTerminalView::installFactory() {
    SessionTerminalFactory factory;
    factory.make = [] { return new SessionTerminalView; };
    factory.mainScreenArea = []() -> std::optional<QRect> {
        if (QScreen *screen = QGuiApplication::primaryScreen())
            return screen->availableGeometry();
        return std::nullopt;
    };
    SessionProcessManager::shared().setTerminalFactory(std::move(factory));
}

bool SessionTerminalView::startProcess(const TerminalLaunch &launch) {
    // The widget expands "$NAME" in every argument and in the folder with the application's own
    // variables, which would change values that contain "$". So nothing is passed as an argument:
    // each word travels in a variable of the widget's environment, and a POSIX shell puts the words
    // back as they were and replaces itself with the launch (env -i then drops all of them). The
    // names in the script are followed by a quote, which the widget never finds as a variable.
    QStringList environment{QStringLiteral("BWK_CWD=") + launch.workingDirectory};
    QString script = QStringLiteral("cd -- \"$BWK_CWD\" || exit 127; exec");
    QStringList words = launch.arguments;
    if (!words.isEmpty())
        words[0] = launch.program; // argument 0 is the program here
    for (int i = 0; i < words.size(); ++i) {
        environment << QStringLiteral("BWK_%1=").arg(i) + words[i];
        script += QStringLiteral(" \"$BWK_%1\"").arg(i);
    }
    setShellProgram(QStringLiteral("/bin/sh"));
    setArgs({QStringLiteral("-c"), script});
    setEnvironment(environment);
    setWorkingDirectory(launch.workingDirectory.contains(QLatin1Char('$')) ? QDir::rootPath()
                                                                           : launch.workingDirectory);
    startShellProgram();
    m_pid = getShellPID();
    return m_pid > 0;
}

qint64 SessionTerminalView::processID() const {
    if (m_pid <= 0)
        m_pid = const_cast<SessionTerminalView *>(this)->getShellPID();
    return m_pid;
}

void SessionTerminalView::sendInput(const QString &text) {
    sendText(text);
}

void SessionTerminalView::applyAppearance(const TerminalAppearance &appearance) {
    setTerminalFont(terminalFont(appearance));
    const QString path = writeScheme(appearance);
    if (path.isEmpty()) {
        qCWarning(lcSessionProcessManager, "could not write a terminal colour scheme");
        return;
    }
    setColorScheme(path);
    const QString old = std::exchange(m_schemePath, path);
    if (!old.isEmpty())
        QFile::remove(old);
}

bool SessionTerminalView::hasKeyboardFocus() const {
    if (!isInWindow())
        return false;
    const QWidget *focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

bool SessionTerminalView::isInWindow() const {
    return window() != this;
}

bool SessionTerminalView::bringWindowToFront() {
    if (!isInWindow())
        return false;
    WindowActivation::bringToFront(window());
    if (m_display)
        m_display->setFocus(Qt::OtherFocusReason);
    return true;
}

void SessionTerminalView::setWindowFrame(const QRect &frame) {
    if (!isInWindow())
        return;
    QWidget *w = window();
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    const QMargins decoration(inner.left() - outer.left(), inner.top() - outer.top(),
                              outer.right() - inner.right(), outer.bottom() - inner.bottom());
    w->setWindowState(w->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
    w->setGeometry(frame - decoration);
}

void SessionTerminalView::detach() {
    if (parentWidget())
        setParent(nullptr);
    hide();
}

void SessionTerminalView::showFind() {
    QMetaObject::invokeMethod(this, "find");
}
void SessionTerminalView::findNext() {
    QMetaObject::invokeMethod(this, "findNext");
}
void SessionTerminalView::findPrevious() {
    QMetaObject::invokeMethod(this, "findPrevious");
}

void SessionTerminalView::copySelectionIfWanted() {
    // Never written reads as on; a stored false turns it off.
    if (!Preferences::boolValue(QStringLiteral("terminal.behavior.copyOnSelect"), true))
        return;
    const QString text = selectedText(true);
    if (text.isEmpty())
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    clipboard->setText(text, QClipboard::Clipboard);
}

void SessionTerminalView::setScrollbackRestInterval(int ms) {
    m_restTimer->setInterval(ms);
}

void SessionTerminalView::outputArrived(qint64 bytes) {
    const bool inFile = m_scrollback.store() == ScrollbackPolicy::Store::file;
    if (m_scrollback.outputArrived(bytes, m_clock.elapsed(), inFile ? historyLinesCount() : 0))
        moveScrollback(ScrollbackPolicy::Store::memory);
    m_restTimer->start();
}

void SessionTerminalView::scrollbackAtRest() {
    if (m_restTimer->isActive())
        return; // output came since this was planned
    const int lines = historyLinesCount();
    const ScrollbackPolicy::Store current = m_scrollback.store();
    // Cheap answers first: the folder check creates a file, so it runs only when a move may follow.
    if (current == ScrollbackPolicy::Store::memory &&
        m_scrollback.storeAtRest(lines, !m_fileStoreFailed) == ScrollbackPolicy::Store::memory)
        return;
    if (isReadingBack()) {
        m_restTimer->start(); // later, when the user is done
        return;
    }
    const ScrollbackPolicy::Store target =
        m_scrollback.storeAtRest(lines, !m_fileStoreFailed && temporaryFolderTakesScrollback());
    if (target == current)
        return;
    // A move holds the GUI thread for up to some 50 ms; terminals that fell quiet together take
    // turns, so that the pauses do not add up.
    static QElapsedTimer sinceLastMove;
    constexpr int turnMs = 150;
    if (sinceLastMove.isValid() && sinceLastMove.elapsed() < turnMs) {
        QTimer::singleShot(turnMs - int(sinceLastMove.elapsed()) + 10, this, &SessionTerminalView::scrollbackAtRest);
        return;
    }
    moveScrollback(target);
    sinceLastMove.start();
    if (target == ScrollbackPolicy::Store::memory)
        m_restTimer->start(); // trimmed to the limit; the next rest writes a new file
}

void SessionTerminalView::moveScrollback(ScrollbackPolicy::Store store) {
    const int before = historyLinesCount();
    if (store == ScrollbackPolicy::Store::file) {
        setHistorySize(-1); // the widget's file store; it copies every line and frees the memory
#ifdef __GLIBC__
        malloc_trim(0); // the lines were small blocks amid others: hand their pages back
#endif
        if (historyLinesCount() < before) {
            // The widget could not write its file; what it kept goes back to memory, for good.
            qCWarning(lcSessionProcessManager, "scroll-back file failed: %d of %d lines kept",
                      historyLinesCount(), before);
            m_fileStoreFailed = true;
            setHistorySize(m_scrollback.limit());
            store = ScrollbackPolicy::Store::memory;
        }
    } else {
        setHistorySize(m_scrollback.limit()); // copies the last `limit` lines, drops the file
    }
    m_scrollback.moved(store);
    qCDebug(lcSessionProcessManager, "scroll-back of %d lines moved to %s, %d kept", before,
            store == ScrollbackPolicy::Store::file ? "its file" : "memory", historyLinesCount());
}

bool SessionTerminalView::isReadingBack() {
    if (const auto *bar = findChild<QScrollBar *>(); bar && bar->value() < bar->maximum())
        return true;
    return !selectedText(false).isEmpty();
}

void SessionTerminalView::openLink(const QUrl &url) {
    if (!TerminalLinkPolicy::allows(url))
        return;
    Q_EMIT linkOpened(url);
    QDesktopServices::openUrl(url);
}

bool SessionTerminalView::eventFilter(QObject *watched, QEvent *event) {
    if (watched != m_display)
        return QTermWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (isReturn && (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
            // A line break in the program's input instead of submitting it.
            sendText(m_modes.keyboardFlags() != 0 ? QStringLiteral("\x1b[13;2u") : QStringLiteral("\n"));
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        // The selection is final once the widget has handled the release.
        QTimer::singleShot(0, this, [this] { copySelectionIfWanted(); });
        break;
    case QEvent::MouseMove: {
        auto *move = static_cast<QMouseEvent *>(event);
        // Bare pointer motion is not reported to a program that tracks the mouse.
        if (move->buttons() == Qt::NoButton && m_modes.mouseReporting() &&
            !(move->modifiers() & Qt::ControlModifier))
            return true;
        break;
    }
    default:
        break;
    }
    return QTermWidget::eventFilter(watched, event);
}

} // namespace Brindlewick
