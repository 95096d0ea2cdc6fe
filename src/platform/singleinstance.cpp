#include "platform/singleinstance.h"

#include "persistence/appsupportpaths.h"
#include "platform/appidentity.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace Brindlewick {

QString SingleInstance::socketPath()
{
    QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (runtime.isEmpty() || !QDir(runtime).exists())
        runtime = QDir::tempPath();
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(AppSupportPaths::storeFolder()), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return runtime + QLatin1Char('/') + applicationIdentifier() + QLatin1Char('.') + QString::number(::getuid()) +
           QLatin1Char('.') + QString::fromLatin1(key);
}

std::optional<QByteArray> SingleInstance::send(const QByteArray &request, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(timeoutMs))
        return std::nullopt;
    socket.write(request + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return std::nullopt;
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(timeoutMs))
            break;
        answer += socket.readAll();
    }
    if (!answer.contains('\n'))
        return std::nullopt;
    return answer.left(answer.indexOf('\n'));
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

SingleInstance::Outcome SingleInstance::claim(const QByteArray &request)
{
    const QString path = socketPath();
    // Two launches at the same moment decide one after the other.
    m_lockFd = ::open(QFile::encodeName(path + QStringLiteral(".lock")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd >= 0)
        ::flock(m_lockFd, LOCK_EX);
    if (send(request, 1000)) {
        return Outcome::HandedOver;
    }
    QLocalServer::removeServer(path); // a socket left by a process that died
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path))
        return Outcome::Failed;
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::serve);
    if (m_lockFd >= 0)
        ::flock(m_lockFd, LOCK_UN);
    return Outcome::Primary;
}

void SingleInstance::serve()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 4096)
                    socket->disconnectFromServer();
                return;
            }
            const QByteArray line = socket->readLine().trimmed();
            const QByteArray answer = m_handler ? m_handler(line) : QByteArray("ok");
            socket->write(answer + '\n');
            socket->flush();
        });
    }
}

} // namespace Brindlewick
