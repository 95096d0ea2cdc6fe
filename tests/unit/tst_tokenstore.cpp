// The token and port files, with real files in a temp folder: how an existing token is trusted or
// replaced, what is written and with which permissions, and the failures.
#include "services/logging.h"
#include "services/tokenstore.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Brindlewick;
using namespace BrindlewickTest;

namespace {

// Records the token store's messages for the duration of a test.
class LogRecorder {
public:
    LogRecorder() {
        s_messages.clear();
        m_previous = qInstallMessageHandler(&LogRecorder::handle);
    }
    ~LogRecorder() { qInstallMessageHandler(m_previous); }
    static QStringList messages() { return s_messages; }
    static bool contains(const QString &text) {
        return std::any_of(s_messages.cbegin(), s_messages.cend(),
                           [&](const QString &m) { return m.contains(text); });
    }

private:
    static void handle(QtMsgType, const QMessageLogContext &context, const QString &message) {
        if (context.category && QByteArray(context.category) == lcTokenStore().categoryName())
            s_messages.append(message);
    }
    static inline QStringList s_messages;
    QtMessageHandler m_previous;
};

const QString verificationWarning = QStringLiteral("Existing token file failed verification");

mode_t modeOf(const QString &path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode;
}

bool isFreshToken(const QString &token) {
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
    return shape.match(token).hasMatch();
}

} // namespace

class TestTokenStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    QString claudeDir() const { return m_dir->path() + QStringLiteral("/home/.claude"); }
    TokenStore store() const { return TokenStore(claudeDir()); }

    void verifyWrittenToken(const TokenStore &s, const QString &token) {
        QVERIFY2(isFreshToken(token), qPrintable(token));
        QCOMPARE(readFile(s.tokenURL()), token.toUtf8()); // no line end
        QVERIFY(S_ISREG(modeOf(s.tokenURL())));
        QCOMPARE(modeOf(s.tokenURL()) & 07777, mode_t(0600));
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void locationsAreInTheFolder() {
        const TokenStore s(QStringLiteral("/x/y/.claude/"));
        QCOMPARE(s.directory(), QStringLiteral("/x/y/.claude"));
        QCOMPARE(s.tokenURL(), QStringLiteral("/x/y/.claude/brindlewick.token"));
        QCOMPARE(s.portURL(), QStringLiteral("/x/y/.claude/brindlewick.port"));
        TempHome home;
        QCOMPARE(TokenStore::standard().tokenURL(),
                 QDir::homePath() + QStringLiteral("/.claude/brindlewick.token"));
    }

    void missingFolderIsCreatedPrivateWithAFreshToken() {
        LogRecorder log;
        const TokenStore s = store();
        auto token = s.loadToken();
        QVERIFY(token.ok());
        verifyWrittenToken(s, *token);
        QCOMPARE(modeOf(claudeDir()) & 07777, mode_t(0700));
        QCOMPARE(modeOf(m_dir->path() + QStringLiteral("/home")) & 07777,
                 mode_t(0700)); // missing parents too
        QVERIFY(LogRecorder::contains(QStringLiteral("Generated new hook token")));
        QVERIFY(!LogRecorder::contains(verificationWarning));
        for (const QString &m : LogRecorder::messages())
            QVERIFY2(!m.contains(*token), "the token is never logged");
    }

    void existingFolderKeepsItsPermissions() {
        QVERIFY(QDir().mkpath(claudeDir()));
        QVERIFY(::chmod(QFile::encodeName(claudeDir()).constData(), 0755) == 0);
        QVERIFY(store().loadToken().ok());
        QCOMPARE(modeOf(claudeDir()) & 07777, mode_t(0755));
    }

    void trustedTokenIsReusedAcrossLaunches() {
        auto first = store().loadToken();
        QVERIFY(first.ok());
        LogRecorder log;
        auto second = TokenStore(claudeDir()).loadToken();
        QCOMPARE(*second, *first);
        QVERIFY(LogRecorder::messages().isEmpty());
    }

    void trustedFileContentIsTrimmedNotChecked_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("token");
        QTest::newRow("line end and spaces") << QByteArray("abc\n  ") << 0600 << "abc";
        QTest::newRow("CR LF and tabs around") << QByteArray("\t abc\r\n") << 0600 << "abc";
        QTest::newRow("read-only for the owner") << QByteArray("tok") << 0400 << "tok";
        QTest::newRow("any length and alphabet")
            << QByteArray("not base64! ключ") << 0600 << QStringLiteral("not base64! ключ");
    }
    void trustedFileContentIsTrimmedNotChecked() {
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        QFETCH(QString, token);
        const TokenStore s = store();
        QVERIFY(QDir().mkpath(claudeDir()));
        QVERIFY(writeFile(s.tokenURL(), content));
        QVERIFY(::chmod(QFile::encodeName(s.tokenURL()).constData(), mode_t(mode)) == 0);
        LogRecorder log;
        QCOMPARE(*s.loadToken(), token);
        QVERIFY(LogRecorder::messages().isEmpty());
        QCOMPARE(readFile(s.tokenURL()), content); // untouched
    }

    // Something is at the token path but it is not a token to use. `warned`: the file was opened
    // and failed verification (as opposed to an unopenable or empty one, replaced silently).
    void untrustworthyTokenIsReplaced_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("warned");
        QTest::newRow("group and others may read") << "0644" << true;
        QTest::newRow("group may write") << "0620" << true;
        QTest::newRow("a folder") << "folder" << true;
        QTest::newRow("a FIFO (must not hang)") << "fifo" << true;
        QTest::newRow("owned by another user") << "foreign" << true;
        QTest::newRow("symbolic link to a valid token") << "symlink" << false;
        QTest::newRow("dangling symbolic link") << "dangling" << false;
        QTest::newRow("empty") << "empty" << false;
        QTest::newRow("white space only") << "blank" << false;
        QTest::newRow("not UTF-8") << "binary" << false;
    }
    void untrustworthyTokenIsReplaced() {
        QFETCH(QString, kind);
        QFETCH(bool, warned);
        const TokenStore s = store();
        QVERIFY(QDir().mkpath(claudeDir()));
        const QByteArray path = QFile::encodeName(s.tokenURL());
        const QString target = m_dir->path() + QStringLiteral("/valid-token");
        QVERIFY(writeFile(target, "validtokenvalidtoken"));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0600) == 0);

        if (kind == QLatin1String("0644") || kind == QLatin1String("0620")) {
            QVERIFY(writeFile(s.tokenURL(), "oldtoken"));
            QVERIFY(::chmod(path.constData(), kind == QLatin1String("0644") ? 0644 : 0620) == 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(s.tokenURL() + QStringLiteral("/inside")));
            QVERIFY(::chmod(path.constData(), 0700) == 0);
        } else if (kind == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(path.constData(), 0600) == 0);
        } else if (kind == QLatin1String("foreign")) {
            if (::getuid() != 0)
                QSKIP("giving a file to another user needs root");
            QVERIFY(writeFile(s.tokenURL(), "oldtoken"));
            QVERIFY(::chmod(path.constData(), 0600) == 0);
            QVERIFY(::chown(path.constData(), 65534, 65534) == 0);
        } else if (kind == QLatin1String("symlink")) {
            QVERIFY(QFile::link(target, s.tokenURL()));
        } else if (kind == QLatin1String("dangling")) {
            QVERIFY(QFile::link(m_dir->path() + QStringLiteral("/nothing"), s.tokenURL()));
        } else if (kind == QLatin1String("empty")) {
            QVERIFY(writeFile(s.tokenURL(), ""));
            QVERIFY(::chmod(path.constData(), 0600) == 0);
        } else if (kind == QLatin1String("blank")) {
            QVERIFY(writeFile(s.tokenURL(), " \n\t\r\n "));
            QVERIFY(::chmod(path.constData(), 0600) == 0);
        } else if (kind == QLatin1String("binary")) {
            QVERIFY(writeFile(s.tokenURL(), "ab\xff\xfe"));
            QVERIFY(::chmod(path.constData(), 0600) == 0);
        }

        LogRecorder log;
        auto token = s.loadToken();
        QVERIFY(token.ok());
        verifyWrittenToken(s, *token);
        QCOMPARE(LogRecorder::contains(verificationWarning), warned);
        QVERIFY(LogRecorder::contains(QStringLiteral("Generated new hook token")));
        // A link is replaced itself; what it pointed to is left alone.
        QCOMPARE(readFile(target), QByteArray("validtokenvalidtoken"));
    }

    void tokensAreRandom() {
        const TokenStore s = store();
        auto a = s.regenerateToken();
        auto b = s.regenerateToken();
        QVERIFY(a.ok() && b.ok());
        QVERIFY(*a != *b);
        QCOMPARE(*s.loadToken(), *b);
    }

    void encodingIsUrlSafeBase64WithoutPadding() {
        QCOMPARE(TokenStore::encodeToken(QByteArray(32, '\xff')),
                 QString(42, QLatin1Char('_')) + QLatin1Char('8'));
        QCOMPARE(TokenStore::encodeToken(QByteArray::fromHex("fbef")), QStringLiteral("--8"));
        QCOMPARE(TokenStore::encodeToken(QByteArray(32, '\0')).size(), 43);
    }

    void randomSourceFailureTouchesNoFile() {
        const TokenStore s(claudeDir(), [](std::byte *, std::size_t) { return qint32(-38); });
        QVERIFY(QDir().mkpath(claudeDir()));
        QVERIFY(writeFile(s.tokenURL(), ""));
        QVERIFY(::chmod(QFile::encodeName(s.tokenURL()).constData(), 0600) == 0);
        auto token = s.loadToken();
        QVERIFY(!token.ok());
        QCOMPARE(int(token.error().kind()), int(TokenStoreError::Kind::randomGenerationFailed));
        QCOMPARE(token.error().description(), QStringLiteral("getrandom failed with status -38"));
        QVERIFY(QFileInfo::exists(s.tokenURL()));
        QCOMPARE(readFile(s.tokenURL()), QByteArray());
    }

    void writeFailureNamesThePath() {
        // A file where the folder should be: nothing can be created below it (even as root).
        QVERIFY(QDir().mkpath(m_dir->path() + QStringLiteral("/home")));
        QVERIFY(writeFile(claudeDir(), "a file"));
        auto token = store().loadToken();
        QVERIFY(!token.ok());
        QCOMPARE(int(token.error().kind()), int(TokenStoreError::Kind::writeFailed));
        QCOMPARE(token.error().description(), QStringLiteral("Failed to create file at ") + claudeDir());
        QCOMPARE(token.error().toError().description, token.error().description());
        QVERIFY(!store().writePort(1).ok());
    }

    void portFileHoldsTheDigitsOnly() {
        const TokenStore s = store();
        QVERIFY(s.writePort(8).ok());
        QCOMPARE(readFile(s.portURL()), QByteArray("8"));
        QVERIFY(s.writePort(65535).ok());
        QCOMPARE(readFile(s.portURL()), QByteArray("65535"));
        QCOMPARE(modeOf(s.portURL()) & 07777, mode_t(0600));
        QCOMPARE(modeOf(claudeDir()) & 07777, mode_t(0700));
    }

    void portFileReplacesALinkInsteadOfWritingThroughIt() {
        const TokenStore s = store();
        QVERIFY(QDir().mkpath(claudeDir()));
        const QString victim = m_dir->path() + QStringLiteral("/victim");
        QVERIFY(writeFile(victim, "keep"));
        QVERIFY(QFile::link(victim, s.portURL()));
        QVERIFY(s.writePort(4242).ok());
        QVERIFY(S_ISREG(modeOf(s.portURL())));
        QCOMPARE(readFile(s.portURL()), QByteArray("4242"));
        QCOMPARE(readFile(victim), QByteArray("keep"));
    }

    void clearingThePortNeverFails() {
        const TokenStore s = store();
        s.clearPort(); // nothing there, not even the folder
        QVERIFY(s.writePort(1234).ok());
        s.clearPort();
        QVERIFY(!QFileInfo::exists(s.portURL()));
        s.clearPort();
    }
};

QTEST_GUILESS_MAIN(TestTokenStore)
#include "tst_tokenstore.moc"
