// Hook entries in Claude Code's settings.json: the pure merge, the installer's file work (backups,
// status, refusals), meaning-preserving rewrites, links kept, and a full disk that changes nothing.
#include "services/atomicfile.h"
#include "services/hooksettingsinstaller.h"
#include "services/hooksettingsmerge.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <nlohmann/json.hpp>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Brindlewick;
using namespace BrindlewickTest;
using Json = nlohmann::json;
using Mode = HookSettingsMerge::Mode;
using MergeError = HookSettingsMerge::MergeError;

Q_DECLARE_METATYPE(Brindlewick::HookSettingsMerge::Mode)

namespace {

Json parsed(const QByteArray &data)
{
    return Json::parse(data.constData(), data.constData() + data.size(), nullptr, false);
}

Json ownEntry(const char *column)
{
    return Json{{"matcher", ""},
                {"hooks",
                 Json::array({Json{{"type", "command"},
                                   {"command", HookSettingsMerge::command(QString::fromLatin1(column)).toStdString()},
                                   {"timeout", 5}}})}};
}

Json userEntry(const char *command)
{
    return Json{{"matcher", "Bash"}, {"hooks", Json::array({Json{{"type", "command"}, {"command", command}}})}};
}

// The four events as an install writes them, after `before` (the user's entries) per event.
Json installedHooks(Json before = Json::object())
{
    Json hooks = std::move(before);
    for (const auto &event : HookSettingsMerge::hookTable) {
        Json &list = hooks[event.name];
        if (list.is_null())
            list = Json::array();
        list.push_back(ownEntry(event.column == SessionColumn::working ? "working" : "attention"));
    }
    return hooks;
}

QByteArray text(const Json &j)
{
    return QByteArray::fromStdString(j.dump());
}

mode_t modeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

QStringList entriesOf(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestHookSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<TempHome> m_home;
    QString claudeDir() const { return m_home->path() + QStringLiteral("/.claude"); }
    QString settingsPath() const { return claudeDir() + QStringLiteral("/settings.json"); }
    QStringList backups() const
    {
        return QDir(claudeDir()).entryList({QStringLiteral("settings.json.bak-*")}, QDir::Files | QDir::Hidden);
    }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TempHome>(); }
    void cleanup() { m_home.reset(); }

    void commandLine()
    {
        QCOMPARE(HookSettingsMerge::command(QStringLiteral("attention")),
                 QStringLiteral("curl -s --max-time 2 --connect-timeout 1 -X POST -H \"Authorization: Bearer "
                                "$(cat ~/.claude/brindlewick.token 2>/dev/null)\" \"http://127.0.0.1:$(cat "
                                "~/.claude/brindlewick.port 2>/dev/null || echo 0)/v1/event?card=$CLAUDE_CARD_ID&column="
                                "attention\" -d @- >/dev/null 2>&1 || true"));
    }

    // Content in, expected hooks (or error) out; everything beside "hooks" must survive.
    void merge_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QByteArray>("expectedHooks"); // empty when an error is expected
        QTest::addColumn<QString>("errorDetail");      // "invalid" for invalidJSON

        const Json stopOfUser = Json{{"Stop", Json::array({userEntry("say done")})}};
        Json withOthers = {{"model", "opus"}, {"hooks", stopOfUser}};

        QTest::newRow("nothing, install") << QByteArray() << Mode::install << text(installedHooks()) << QString();
        QTest::newRow("user's Stop kept first") << text(withOthers) << Mode::install << text(installedHooks(stopOfUser))
                                                << QString();
        Json installedWithUser = {{"model", "opus"}, {"hooks", installedHooks(stopOfUser)}};
        QTest::newRow("uninstall restores user's Stop") << text(installedWithUser) << Mode::uninstall << text(stopOfUser)
                                                        << QString();
        QTest::newRow("uninstall of ours alone leaves empty hooks")
            << text(Json{{"hooks", installedHooks()}}) << Mode::uninstall << QByteArray("{}") << QString();
        QTest::newRow("uninstall without hooks adds empty hooks") << QByteArray("{}") << Mode::uninstall
                                                                  << QByteArray("{}") << QString();

        // Copies duplicated by hand all go; reinstalling leaves exactly one, last.
        Json doubled = installedHooks(installedHooks(stopOfUser));
        QTest::newRow("duplicates removed on uninstall") << text(Json{{"hooks", doubled}}) << Mode::uninstall
                                                         << text(stopOfUser) << QString();
        QTest::newRow("duplicates collapse on install")
            << text(Json{{"hooks", doubled}}) << Mode::install << text(installedHooks(stopOfUser)) << QString();

        // Entries that are not ours in odd shapes stay, and other events are never touched.
        Json odd = {{"Stop", Json::array({Json{{"matcher", "x"}}, Json{{"hooks", "not an array"}},
                                          Json{{"hooks", Json::array({Json{{"command", 42}}})}}})},
                    {"SessionStart", Json::array({ownEntry("idle")})},
                    {"Custom", "anything"}};
        Json oddInstalled = installedHooks(odd);
        QTest::newRow("odd entries and other events stay") << text(Json{{"hooks", odd}}) << Mode::install
                                                           << text(oddInstalled) << QString();

        QTest::newRow("trailing comma") << QByteArray("{\"a\": 1,}") << Mode::install << QByteArray() << "invalid";
        QTest::newRow("comment") << QByteArray("{// x\n}") << Mode::install << QByteArray() << "invalid";
        QTest::newRow("top level array") << QByteArray("[1, 2]") << Mode::install << QByteArray()
                                         << MergeError::topLevelDetail();
        QTest::newRow("top level string") << QByteArray("\"x\"") << Mode::uninstall << QByteArray()
                                          << MergeError::topLevelDetail();
        QTest::newRow("hooks is an array") << QByteArray("{\"hooks\": []}") << Mode::install << QByteArray()
                                           << MergeError::hooksDetail();
        QTest::newRow("Stop is an object") << QByteArray("{\"hooks\": {\"Stop\": {}}}") << Mode::install
                                           << QByteArray() << MergeError::eventDetail(QStringLiteral("Stop"));
        QTest::newRow("PreToolUse holds a number") << QByteArray("{\"hooks\": {\"PreToolUse\": [{}, 3]}}")
                                                   << Mode::uninstall << QByteArray()
                                                   << MergeError::eventDetail(QStringLiteral("PreToolUse"));
    }
    void merge()
    {
        QFETCH(QByteArray, input);
        QFETCH(Mode, mode);
        QFETCH(QByteArray, expectedHooks);
        QFETCH(QString, errorDetail);

        const auto result = HookSettingsMerge::merged(input.isNull() ? std::nullopt : std::optional(input), mode);
        if (!errorDetail.isEmpty()) {
            QVERIFY(!result.ok());
            if (errorDetail == QLatin1String("invalid")) {
                QCOMPARE(result.error(), MergeError::invalidJSON());
            } else {
                QCOMPARE(result.error(), MergeError::unexpectedStructure(errorDetail));
                QVERIFY(result.error().description().contains(errorDetail));
            }
            return;
        }
        QVERIFY(result.ok());
        Json out = parsed(result.value());
        QVERIFY(out.is_object());
        QCOMPARE(text(out["hooks"]), text(parsed(expectedHooks)));
        Json in = input.isEmpty() ? Json::object() : parsed(input);
        in.erase("hooks");
        out.erase("hooks");
        QCOMPARE(text(out), text(in));
        QCOMPARE(HookSettingsMerge::isInstalled(result.value()), mode == Mode::install);
    }

    // Every other value keeps its meaning: exact 64-bit integers, floats, unicode, nesting.
    void rewriteKeepsMeaningAndFormat()
    {
        const QByteArray original = "{\n"
        "  \"zeta\": {\"big\": 9223372036854775807, \"min\": -9223372036854775808, \"ubig\": 18446744073709551615,\n"
        "           \"float\": 0.1, \"huge\": 1e300, \"exp\": 2.5E-8, \"negzero\": -0.0},\n"
        "  \"alpha\": [\"ü\", \"日本語\", \"\\u00e9\\ud83d\\ude00\", \"line\\nbreak\\ttab\\u0001\", \"a/b\", \"quote\\\"back\\\\\"],\n"
        "  \"nested\": {\"deeper\": {\"deepest\": [[], {}, [null, true, false]]}},\n"
        "  \"env\": {\"PATH\": \"/usr/bin:/bin\"},\n"
        "  \"Émoji key 🎉\": 1,\n"
        "  \"hooks\": {\"SessionStart\": [{\"matcher\": \"\", \"hooks\": [{\"type\": \"command\", \"command\": \"echo hi\"}]}]}\n"
        "}";
        const auto installed = HookSettingsMerge::merged(original, Mode::install);
        QVERIFY(installed.ok());
        const QByteArray out = installed.value();

        Json before = parsed(original);
        Json after = parsed(out);
        QCOMPARE(after["zeta"]["big"].get<qint64>(), std::numeric_limits<qint64>::max());
        QCOMPARE(after["zeta"]["min"].get<qint64>(), std::numeric_limits<qint64>::min());
        QCOMPARE(after["zeta"]["ubig"].get<quint64>(), std::numeric_limits<quint64>::max());
        QVERIFY(out.contains("9223372036854775807") && out.contains("-9223372036854775808")
                && out.contains("18446744073709551615"));
        QCOMPARE(after["alpha"][2].get<std::string>(), std::string("\u00e9\U0001F600"));
        QVERIFY(out.contains("日本語")); // written as UTF-8, not escaped
        after.erase("hooks");
        before.erase("hooks");
        QCOMPARE(text(after), text(before));

        // Sorted keys, escaped slashes (also inside the command), one final line feed.
        QVERIFY(out.indexOf("\"alpha\"") < out.indexOf("\"env\""));
        QVERIFY(out.indexOf("\"env\"") < out.indexOf("\"hooks\""));
        QVERIFY(out.indexOf("\"hooks\"") < out.indexOf("\"nested\""));
        QVERIFY(out.indexOf("\"nested\"") < out.indexOf("\"zeta\""));
        QVERIFY(out.indexOf("\"zeta\"") < out.indexOf("\"Émoji key"));
        QVERIFY(out.contains("\"a\\/b\""));
        QVERIFY(out.contains("http:\\/\\/127.0.0.1"));
        QVERIFY(!out.contains("http://"));
        QVERIFY(out.endsWith("}\n") && !out.endsWith("\n\n"));

        // Taking our entries out again gives back the user's document.
        const auto uninstalled = HookSettingsMerge::merged(out, Mode::uninstall);
        QVERIFY(uninstalled.ok());
        QCOMPARE(text(parsed(uninstalled.value())), text(parsed(original)));
    }

    void installedCheck_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("installed");
        QTest::newRow("all four") << text(Json{{"hooks", installedHooks()}}) << true;
        Json three = installedHooks();
        three.erase("Notification");
        QTest::newRow("three of four") << text(Json{{"hooks", three}}) << false;
        Json foreign = installedHooks();
        foreign["Stop"] = Json::array({userEntry("say done")});
        QTest::newRow("Stop only the user's") << text(Json{{"hooks", foreign}}) << false;
        Json mixed = installedHooks();
        mixed["Stop"].push_back(42);
        QTest::newRow("Stop holds a non-object") << text(Json{{"hooks", mixed}}) << false;
        QTest::newRow("not JSON") << QByteArray("{") << false;
        QTest::newRow("array") << QByteArray("[]") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void installedCheck()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, installed);
        QCOMPARE(HookSettingsMerge::isInstalled(data), installed);
    }

    void freshInstallCreatesFolderAndFile()
    {
        const auto installer = HookSettingsInstaller::standard();
        QCOMPARE(installer.settingsURL(), settingsPath());
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::noFile);
        QVERIFY(installer.install().ok());
        QCOMPARE(modeOf(claudeDir()), mode_t(0700));
        const Json written = parsed(readFile(settingsPath()));
        QCOMPARE(text(written), text(Json{{"hooks", installedHooks()}}));
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::installed);
        QVERIFY(backups().isEmpty());
        QVERIFY(installer.uninstall().ok());
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::notInstalled);
        QCOMPARE(text(parsed(readFile(settingsPath()))), QByteArray("{\"hooks\":{}}"));
        QCOMPARE(backups().size(), 1);
        QCOMPARE(entriesOf(claudeDir()).size(), 2); // no temporary file left
    }

    void changeTakesBackupAndKeepsPermissions()
    {
        QDir().mkpath(claudeDir());
        const QByteArray old = "{\"model\": \"opus\"}";
        QVERIFY(writeFile(settingsPath(), old));
        QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        const HookSettingsInstaller installer(settingsPath(), claudeDir());
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::notInstalled);
        QVERIFY(installer.install().ok());
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::installed);
        QCOMPARE(modeOf(settingsPath()), mode_t(0644));

        const QStringList made = backups();
        QCOMPARE(made.size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^settings\\.json\\.bak-\\d{8}-\\d{6}$")).match(made.first()).hasMatch());
        const QString backup = claudeDir() + u'/' + made.first();
        QCOMPARE(readFile(backup), old);
        QCOMPARE(modeOf(backup), mode_t(0600));
    }

    void refusedFilesStayUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errorDetail"); // "invalid" for invalidJSON
        QTest::addColumn<bool>("backedUp");
        using S = HookSettingsInstaller::Status;
        QTest::newRow("trailing comma") << QByteArray("{\"a\": 1,}\n") << int(S::invalidJSON) << "invalid" << true;
        QTest::newRow("top level array") << QByteArray("[1]") << int(S::notInstalled) << MergeError::topLevelDetail()
                                         << true;
        QTest::newRow("Stop is an object") << QByteArray("{\"hooks\": {\"Stop\": {\"command\": \"x\"}}}")
                                           << int(S::notInstalled) << MergeError::eventDetail(QStringLiteral("Stop"))
                                           << true;
    }
    void refusedFilesStayUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, errorDetail);
        QFETCH(bool, backedUp);
        QDir().mkpath(claudeDir());
        QVERIFY(writeFile(settingsPath(), content));
        const auto installer = HookSettingsInstaller::standard();
        QCOMPARE(int(installer.status()), status);
        const auto result = installer.install();
        QVERIFY(!result.ok());
        QVERIFY(result.error().mergeError.has_value());
        const MergeError expected = errorDetail == QLatin1String("invalid") ? MergeError::invalidJSON()
                                                                            : MergeError::unexpectedStructure(errorDetail);
        QCOMPARE(*result.error().mergeError, expected);
        QCOMPARE(result.error().description, expected.description());
        QCOMPARE(readFile(settingsPath()), content);
        QCOMPARE(backups().size(), backedUp ? 1 : 0);
        QCOMPARE(entriesOf(claudeDir()).size(), backedUp ? 2 : 1);
    }

    void emptyFileNeedsNoBackup()
    {
        QDir().mkpath(claudeDir());
        QVERIFY(writeFile(settingsPath(), QByteArray()));
        const auto installer = HookSettingsInstaller::standard();
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::notInstalled);
        QVERIFY(installer.install().ok());
        QCOMPARE(text(parsed(readFile(settingsPath()))), text(Json{{"hooks", installedHooks()}}));
        QVERIFY(backups().isEmpty());
    }

    void unreadableSettings()
    {
        QDir().mkpath(settingsPath()); // a folder where the file should be
        const auto installer = HookSettingsInstaller::standard();
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::invalidJSON);
        const auto result = installer.install();
        QVERIFY(!result.ok());
        QCOMPARE(*result.error().mergeError, MergeError::unexpectedStructure(MergeError::unreadableDetail()));
        QVERIFY(QFileInfo(settingsPath()).isDir());
    }

    // Dotfile managers link settings.json into a repository: the link stays, its target changes.
    void symbolicLinkIsKept_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::newRow("absolute link") << false;
        QTest::newRow("relative link through a second link") << true;
    }
    void symbolicLinkIsKept()
    {
        QFETCH(bool, relative);
        const QString dotfiles = m_home->path() + QStringLiteral("/dotfiles");
        QDir().mkpath(dotfiles + QStringLiteral("/claude"));
        QDir().mkpath(claudeDir());
        const QString target = dotfiles + QStringLiteral("/claude/settings.json");
        const QByteArray old = "{\"theme\": \"dark\"}\n";
        QVERIFY(writeFile(target, old));
        if (relative) {
            // ~/.claude/settings.json -> ../dotfiles/current.json -> claude/settings.json
            QVERIFY(QFile::link(QStringLiteral("claude/settings.json"), dotfiles + QStringLiteral("/current.json")));
            QCOMPARE(::symlink("../dotfiles/current.json", QFile::encodeName(settingsPath()).constData()), 0);
        } else {
            QVERIFY(QFile::link(target, settingsPath()));
        }
        QCOMPARE(AtomicFile::resolvedPath(settingsPath()), target);

        const auto installer = HookSettingsInstaller::standard();
        QVERIFY(installer.install().ok());
        QVERIFY(QFileInfo(settingsPath()).isSymLink());
        const Json written = parsed(readFile(target));
        QCOMPARE(text(written["theme"]), QByteArray("\"dark\""));
        QVERIFY(HookSettingsMerge::isInstalled(readFile(target)));
        QCOMPARE(installer.status(), HookSettingsInstaller::Status::installed);
        QCOMPARE(backups().size(), 1);
        QCOMPARE(readFile(claudeDir() + u'/' + backups().first()), old);
        QCOMPARE(entriesOf(dotfiles + QStringLiteral("/claude")), QStringList{QStringLiteral("settings.json")});
    }

    // A full disk: the change fails with an error, the old file is intact, and nothing is left over.
    void fullDiskChangesNothing()
    {
        SmallDisk mountPoint(QStringLiteral("64k"));
        const bool mounted = mountPoint.isMounted();
        struct rlimit oldLimit {};
        const QString dir = mountPoint.path() + QStringLiteral("/.claude");
        QVERIFY(QDir().mkpath(dir));
        const QString settings = dir + QStringLiteral("/settings.json");
        // A settings file of some size, as users' files with many permissions are.
        Json big = Json::object();
        for (int i = 0; i < 300; ++i)
            big["permissions"]["allow"].push_back("Bash(tool-" + std::to_string(i) + ":*)");
        const QByteArray old = QByteArray::fromStdString(big.dump(2));
        QVERIFY(writeFile(settings, old));
        const QString filler = mountPoint.path() + QStringLiteral("/filler");

        if (mounted) {
            qInfo("a 64 KiB tmpfs, filled to its last block");
            // Take every remaining block of the small file system.
            QFile fill(filler);
            QVERIFY(fill.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (fill.write(block) == block.size() && fill.flush()) {
            }
            fill.close();
        } else {
            // No permission to mount (not root): a file-size limit below the new content's size is
            // the same refusal of the write by the kernel (EFBIG instead of ENOSPC).
            qInfo("tmpfs mount refused (%s); limiting the file size instead", std::strerror(errno));
            ::signal(SIGXFSZ, SIG_IGN);
            ::getrlimit(RLIMIT_FSIZE, &oldLimit);
            struct rlimit small = oldLimit;
            small.rlim_cur = rlim_t(old.size() / 2);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        }

        const HookSettingsInstaller installer(settings, dir);
        const auto result = installer.install();
        if (!mounted)
            ::setrlimit(RLIMIT_FSIZE, &oldLimit);
        QVERIFY(!result.ok());
        QVERIFY(!result.error().mergeError.has_value());
        QVERIFY2(result.error().description.contains(settings), qPrintable(result.error().description));
        QCOMPARE(readFile(settings), old);
        QCOMPARE(entriesOf(dir), QStringList{QStringLiteral("settings.json")}); // no temp, no partial backup

        // With room again the same change goes through.
        QFile::remove(filler);
        QVERIFY(installer.install().ok());
        QVERIFY(HookSettingsMerge::isInstalled(readFile(settings)));
    }
};

QTEST_GUILESS_MAIN(TestHookSettings)
#include "tst_hooksettings.moc"
