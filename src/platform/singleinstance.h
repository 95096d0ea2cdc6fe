#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;

namespace Brindlewick {

// Keeps one running Brindlewick per store: the first process listens on a local socket in
// $XDG_RUNTIME_DIR; a later launch hands its request to it and exits. Requests are one line, the
// answer one line. GUI thread.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<QByteArray(const QByteArray &request)>;

    // The socket path for the store folder: per user, and per data folder so that separate homes
    // (tests, several accounts) never meet.
    static QString socketPath();

    // Sends a request to a running instance; the answer, or none when no instance listens.
    static std::optional<QByteArray> send(const QByteArray &request, int timeoutMs = 2000);

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome { Primary, HandedOver, Failed };
    // Either becomes the one listening instance or hands `request` to the running one.
    Outcome claim(const QByteArray &request);
    void setHandler(Handler handler) { m_handler = std::move(handler); }

private:
    void serve();
    std::unique_ptr<QLocalServer> m_server;
    Handler m_handler;
    int m_lockFd = -1;
};

} // namespace Brindlewick
