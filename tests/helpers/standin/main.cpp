// The Messages API stand-in as a program of its own, for trying the Claude Code CLI by hand:
// prints its base URL and serves the scripted replies on 127.0.0.1 until it is ended.
#include "helpers/messagesapistandin.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BrindlewickTest::MessagesApiStandIn standIn;
    if (!standIn.listen())
        return 1;
    QTextStream(stdout) << standIn.baseUrl() << Qt::endl;
    QObject::connect(&standIn, &BrindlewickTest::MessagesApiStandIn::requestServed, &app, [&standIn] {
        static const char *const kinds[] = {"tool turn", "text turn", "title"};
        QTextStream(stderr) << "stand-in served: " << kinds[int(standIn.requests().last().kind)] << Qt::endl;
    });
    return app.exec();
}
