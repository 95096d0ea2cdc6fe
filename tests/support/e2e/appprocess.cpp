#include "support/e2e/appprocess.h"

#include "models/project.h"
#include "models/session.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTest>
#include <QThread>

#include <csignal>

namespace BrindlewickTest {

AppProcess::AppProcess(const TempHome &home)
    : m_home(home) {}

AppProcess::~AppProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QProcessEnvironment AppProcess::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.dataHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.configHome());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.runtimeDir());
    env.insert(QStringLiteral("BRINDLEWICK_TEST_INTROSPECTION"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
    return env;
}

bool AppProcess::start(const QStringList &arguments) {
    m_process.setProcessEnvironment(environment());
    m_process.start(QStringLiteral(BW_APP_EXECUTABLE), arguments);
    return m_process.waitForStarted(5000);
}

std::optional<QJsonObject> AppProcess::introspect() const {
    // The socket path depends on the data folder, which the test process shares through its env.
    const auto answer = Brindlewick::SingleInstance::send("introspect", 3000);
    if (!answer)
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(*answer);
    if (!doc.isObject())
        return std::nullopt;
    return doc.object();
}

bool AppProcess::waitForWindow(const QString &title, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (m_process.state() == QProcess::NotRunning)
            return false;
        if (const auto doc = introspect()) {
            for (const QJsonValue &w : doc->value(QStringLiteral("windows")).toArray()) {
                if (w.toObject().value(QStringLiteral("title")).toString() == title)
                    return true;
            }
        }
        QThread::msleep(50);
    }
    return false;
}

QJsonArray AppProcess::widgets(const QString &title, const QString &className) const {
    QJsonArray out;
    const auto doc = introspect();
    if (!doc)
        return out;
    for (const QJsonValue &w : doc->value(QStringLiteral("windows")).toArray()) {
        const QJsonObject win = w.toObject();
        if (win.value(QStringLiteral("title")).toString() != title)
            continue;
        for (const QJsonValue &c : win.value(QStringLiteral("widgets")).toArray()) {
            if (c.toObject().value(QStringLiteral("class")).toString().endsWith(className))
                out.append(c);
        }
    }
    return out;
}

int AppProcess::terminate(int timeoutMs) {
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitCode();
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!m_process.waitForFinished(timeoutMs))
        return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

int runCommand(const QString &program, const QStringList &arguments, QByteArray *output, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return -1;
    }
    if (output)
        *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool suppressHookSetupOffer(const TempHome &home) {
    const QString folder = home.configHome() + QStringLiteral("/Brindlewick");
    return QDir().mkpath(folder) && writeFile(folder + QStringLiteral("/Brindlewick.conf"),
                                              "[General]\nhookSetupPromptSuppressed=true\n");
}

QHash<QString, QUuid> seedDemoSessions(const QString &folder, const QStringList &titles,
                                       const QString &columnRaw) {
    using namespace Brindlewick;
    auto container = ContainerFactory::make(false);
    if (!container)
        return {};
    ModelContext &ctx = (*container)->mainContext();
    auto *project = ctx.insert(std::make_unique<Project>(folder, QStringLiteral("demo"), std::nullopt, 0));
    QHash<QString, QUuid> ids;
    for (const QString &title : titles) {
        auto *session = ctx.insert(std::make_unique<Session>(title, folder, false, false, false, 0, project));
        if (!columnRaw.isEmpty())
            session->setColumnRaw(columnRaw);
        ids.insert(title, session->id());
    }
    if (!ctx.save())
        return {};
    return ids;
}

QHash<QString, QJsonObject> AppProcess::windowsByTitle() const
{
    QHash<QString, QJsonObject> out;
    if (const auto doc = introspect()) {
        for (const QJsonValue &w : doc->value(QStringLiteral("windows")).toArray())
            out.insert(w.toObject().value(QStringLiteral("title")).toString(), w.toObject());
    }
    return out;
}

QString AppProcess::windowID(const QString &title) const
{
    return windowsByTitle().value(title).value(QStringLiteral("windowID")).toString();
}

void AppProcess::activateWindow(const QString &title) const
{
    runCommand(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowID(title)});
    QTest::qWait(300);
}

bool AppProcess::clickCard(const QString &title) const
{
    for (const QJsonValue &v : widgets(QStringLiteral("Brindlewick"), QStringLiteral("SessionCardView"))) {
        if (v.toObject().value(QStringLiteral("accessibleName")).toString().startsWith(title)) {
            const QPoint c = rectOf(v.toObject()).center();
            runCommand(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), QString::number(c.x()), QString::number(c.y())});
            runCommand(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
            return true;
        }
    }
    return false;
}

QRect rectOf(const QJsonObject &entry)
{
    return QRect(entry.value(QStringLiteral("x")).toInt(), entry.value(QStringLiteral("y")).toInt(),
                 entry.value(QStringLiteral("width")).toInt(), entry.value(QStringLiteral("height")).toInt());
}

QString activeWindowID()
{
    QByteArray out;
    runCommand(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}, &out);
    return QString::fromLatin1(out.trimmed());
}

} // namespace BrindlewickTest
