#pragma once

#include "services/appmodel.h"

#include <QStringList>
#include <QUuid>

#include <memory>
#include <vector>

namespace BrindlewickTest {

// Records what would have been posted to the desktop.
struct RecordingNotifier final : Brindlewick::CardNotifying {
    struct Post {
        QString title;
        QString body;
        QUuid sessionID;
    };
    std::shared_ptr<std::vector<Post>> posts = std::make_shared<std::vector<Post>>();
    void post(const QString &title, const QString &body, const QUuid &sessionID) override
    {
        posts->push_back({title, body, sessionID});
    }
};

// Every log line ("category message") since the last clear, while the capture is installed; the
// lines still reach the previous handler.
struct LogCapture {
    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }
    static void install()
    {
        previous() = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                lines() << QString::fromLatin1(context.category ? context.category : "") + u' ' + message;
                if (previous())
                    previous()(type, context, message);
            });
    }

private:
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
};

} // namespace BrindlewickTest
