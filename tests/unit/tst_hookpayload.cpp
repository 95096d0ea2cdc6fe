// Turning hook payloads into event details: the real payloads and transcripts captured from the
// Claude Code CLI, snippet normalisation, session identifiers, and the bounded transcript tail.
#include "services/hookpayload.h"
#include "services/transcriptparser.h"
#include "services/transcriptreader.h"
#include "support/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Brindlewick;
using namespace BrindlewickTest;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

QString sample(const char *name) {
    return QStringLiteral(BW_SOURCE_DIR "/tests/data/claude-code/") + QLatin1String(name);
}

QJsonObject sampleObject(const char *name) {
    return QJsonDocument::fromJson(readFile(sample(name))).object();
}

QByteArray json(const QJsonObject &object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString repeated(const QString &text, int times) {
    QString out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

QByteArray assistantLine(const QStringList &texts, bool sidechain = false) {
    QJsonArray content;
    for (const QString &t : texts)
        content.append(
            QJsonObject{{QStringLiteral("type"), QStringLiteral("text")}, {QStringLiteral("text"), t}});
    content.append(QJsonObject{{QStringLiteral("type"), QStringLiteral("tool_use")},
                               {QStringLiteral("name"), QStringLiteral("Bash")}});
    return json(QJsonObject{{QStringLiteral("type"), QStringLiteral("assistant")},
                            {QStringLiteral("isSidechain"), sidechain},
                            {QStringLiteral("message"), QJsonObject{{QStringLiteral("content"), content}}}});
}

QByteArray titleLine(const QString &title) {
    return json(QJsonObject{{QStringLiteral("type"), QStringLiteral("custom-title")},
                            {QStringLiteral("customTitle"), title}});
}

const QString sampleSession = QStringLiteral("1f9ec47c-461d-44fc-bb78-e8aeb03989e4");

} // namespace

class TestHookPayload : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString writeTranscript(const QString &name, const QByteArray &content) {
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        writeFile(path, content);
        return path;
    }

private Q_SLOTS:
    void malformedBodiesGiveAnEmptyDetail_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not JSON") << QByteArray("hook_event_name=Stop");
        QTest::newRow("truncated object") << QByteArray("{\"hook_event_name\":\"Stop\",\"session_id\":\"");
        QTest::newRow("array") << QByteArray(R"([{"hook_event_name":"Stop"}])");
        QTest::newRow("string") << QByteArray(R"("Stop")");
        QTest::newRow("invalid UTF-8") << QByteArray("{\"hook_event_name\":\"St\xffop\"}");
        QTest::newRow("deep nesting") << (QByteArray(100000, '[') + QByteArray(100000, ']'));
    }
    void malformedBodiesGiveAnEmptyDetail() {
        QFETCH(QByteArray, body);
        QVERIFY(HookPayload::detail(body).isEmpty());
        QVERIFY(HookPayload::detail(std::nullopt).isEmpty());
    }

    void realStopUsesTheMessageAndTheTranscriptTitle() {
        QJsonObject payload = sampleObject("tty-Stop.json");
        payload[QStringLiteral("transcript_path")] = sample("tty-transcript-excerpt.jsonl");
        const HookEventDetail d = HookPayload::detail(json(payload));
        QCOMPARE(d.eventName, QStringLiteral("Stop"));
        QCOMPARE(d.responseText, QStringLiteral("Done: probe-created.txt exists now."));
        QCOMPARE(d.responseSnippet, d.responseText);
        QCOMPARE(d.customTitle, QStringLiteral("probe-title-one"));
        QCOMPARE(d.claudeSessionID, sampleSession);
        QCOMPARE(d.promptSnippet, std::nullopt);
    }

    void stopWithoutATranscriptHasNoTitle() {
        // The captured payload names a transcript on another machine: unreadable here.
        const HookEventDetail d = HookPayload::detail(readFile(sample("tty-Stop.json")));
        QCOMPARE(d.responseText, QStringLiteral("Done: probe-created.txt exists now."));
        QCOMPARE(d.responseSnippet, QStringLiteral("Done: probe-created.txt exists now."));
        QCOMPARE(d.customTitle, std::nullopt);
    }

    void stopFallsBackToTheTranscriptsLastOrdinaryReply() {
        const QString path = writeTranscript(
            QStringLiteral("fallback.jsonl"),
            assistantLine({QStringLiteral("older")}) + '\n' +
                assistantLine({QStringLiteral("  first part"), QStringLiteral("second part\n")}) + '\n' +
                assistantLine({QStringLiteral("side chain")}, true) + '\n');
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("Stop")},
                                      {QStringLiteral("last_assistant_message"), QString()},
                                      {QStringLiteral("transcript_path"), path}}));
        QCOMPARE(d.responseText, QStringLiteral("first part\nsecond part"));
        QCOMPARE(d.responseSnippet, QStringLiteral("first part second part"));
        QCOMPARE(d.customTitle, std::nullopt);
        QCOMPARE(d.claudeSessionID, std::nullopt);
    }

    void responseTextIsKeptWholeAndTheSnippetIsShort() {
        const QString reply =
            QStringLiteral("  ") + repeated(QStringLiteral("word "), 100) + QStringLiteral("\n");
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("Stop")},
                                      {QStringLiteral("last_assistant_message"), reply}}));
        QCOMPARE(d.responseText, reply);
        QCOMPARE(d.responseSnippet, repeated(QStringLiteral("word "), 40).left(200) + QChar(0x2026));
    }

    void userPromptSubmit() {
        const HookEventDetail d = HookPayload::detail(readFile(sample("tty-UserPromptSubmit.json")));
        QCOMPARE(d.eventName, QStringLiteral("UserPromptSubmit"));
        QCOMPARE(d.promptSnippet, QStringLiteral("please make a probe file"));
        QCOMPARE(d.claudeSessionID, sampleSession);
        QCOMPARE(d.responseText, std::nullopt);
        QCOMPARE(d.responseSnippet, std::nullopt);

        QJsonObject withTranscript = sampleObject("tty-UserPromptSubmit.json");
        withTranscript[QStringLiteral("transcript_path")] = sample("tty-transcript-excerpt.jsonl");
        const HookEventDetail titled = HookPayload::detail(json(withTranscript));
        QCOMPARE(titled.customTitle, QStringLiteral("probe-title-one"));
        QCOMPARE(titled.responseText, std::nullopt); // the reply is read for Stop only

        // A task notification after a subagent: many lines, collapsed and cut.
        const HookEventDetail task =
            HookPayload::detail(readFile(sample("subagent-UserPromptSubmit-2.json")));
        QVERIFY(task.promptSnippet->startsWith(
            QStringLiteral("<task-notification> <task-id>aae450ab8114c25e5</task-id> <tool-use-id>")));
        QCOMPARE(task.promptSnippet->size(), 201);
        QVERIFY(task.promptSnippet->endsWith(QChar(0x2026)));
    }

    void promptEdges_data() {
        QTest::addColumn<QJsonValue>("prompt");
        QTest::addColumn<std::optional<QString>>("snippet");
        const QString long250 = repeated(QStringLiteral("abcd\n"), 50);
        QTest::newRow("250 characters")
            << QJsonValue(long250)
            << std::optional<QString>(repeated(QStringLiteral("abcd "), 40).left(200) + QChar(0x2026));
        QTest::newRow("spaces and line ends only")
            << QJsonValue(QStringLiteral("  \n\r\n\t ")) << std::optional<QString>();
        QTest::newRow("not a string") << QJsonValue(42) << std::optional<QString>();
        QTest::newRow("null") << QJsonValue(QJsonValue::Null) << std::optional<QString>();
    }
    void promptEdges() {
        QFETCH(QJsonValue, prompt);
        QFETCH(std::optional<QString>, snippet);
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("UserPromptSubmit")},
                                      {QStringLiteral("prompt"), prompt}}));
        QCOMPARE(d.promptSnippet, snippet);
        QCOMPARE(d.eventName, QStringLiteral("UserPromptSubmit"));
    }

    void otherEventsYieldOnlyTheirNameAndSession_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("event");
        QTest::newRow("Notification") << "tty-Notification-permission_prompt.json"
                                      << "Notification";
        QTest::newRow("PreToolUse") << "tty-PreToolUse.json"
                                    << "PreToolUse";
        QTest::newRow("StopFailure") << "hook-StopFailure.json"
                                     << "StopFailure";
    }
    void otherEventsYieldOnlyTheirNameAndSession() {
        QFETCH(QString, file);
        QFETCH(QString, event);
        QJsonObject payload = sampleObject(file.toUtf8().constData());
        payload[QStringLiteral("prompt")] = QStringLiteral("ignored");
        payload[QStringLiteral("last_assistant_message")] = QStringLiteral("ignored");
        payload[QStringLiteral("transcript_path")] = sample("tty-transcript-excerpt.jsonl");
        HookEventDetail expected;
        expected.eventName = event;
        expected.claudeSessionID = payload.value(QStringLiteral("session_id")).toString();
        QCOMPARE(HookPayload::detail(json(payload)), expected);
    }

    void eventNamesAreExactAndMustBeText() {
        const QJsonObject lower{{QStringLiteral("hook_event_name"), QStringLiteral("stop")},
                                {QStringLiteral("last_assistant_message"), QStringLiteral("hi")}};
        HookEventDetail expected;
        expected.eventName = QStringLiteral("stop");
        QCOMPARE(HookPayload::detail(json(lower)), expected);

        // Without an event name only the session survives.
        const QJsonObject nameless{{QStringLiteral("hook_event_name"), 7},
                                   {QStringLiteral("prompt"), QStringLiteral("hi")},
                                   {QStringLiteral("session_id"), sampleSession.toUpper()}};
        HookEventDetail onlySession;
        onlySession.claudeSessionID = sampleSession.toUpper();
        QCOMPARE(HookPayload::detail(json(nameless)), onlySession);
    }

    void wrongValueTypesAreAbsentFields() {
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("Stop")},
                                      {QStringLiteral("last_assistant_message"), QJsonArray{1}},
                                      {QStringLiteral("transcript_path"), 3},
                                      {QStringLiteral("session_id"), QJsonObject{}}}));
        HookEventDetail expected;
        expected.eventName = QStringLiteral("Stop");
        QCOMPARE(d, expected);
    }

    void sessionIdentifiers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("lower case") << sampleSession << true;
        QTest::newRow("upper case kept") << sampleSession.toUpper() << true;
        QTest::newRow("35 characters") << sampleSession.left(35) << false;
        QTest::newRow("37 characters") << sampleSession + QLatin1Char('0') << false;
        QTest::newRow("braces") << QLatin1Char('{') + sampleSession + QLatin1Char('}') << false;
        QTest::newRow("hyphens misplaced") << QStringLiteral("1f9ec47c4-61d-44fc-bb78-e8aeb03989e4") << false;
        QTest::newRow("not hexadecimal") << QStringLiteral("1f9ec47c-461d-44fc-bb78-e8aeb03989eg") << false;
        QTest::newRow("36 characters, more bytes")
            << QStringLiteral("1f9ec47c-461d-44fc-bb78-e8aeb03989e\u00e9") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void sessionIdentifiers() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(HookPayload::validatedSessionID(text), valid ? std::optional<QString>(text) : std::nullopt);
        const HookEventDetail d = HookPayload::detail(json({{QStringLiteral("session_id"), text}}));
        QCOMPARE(d.claudeSessionID, valid ? std::optional<QString>(text) : std::nullopt);
    }

    void normalizedSnippets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<std::optional<QString>>("snippet");
        const auto some = [](const QString &s) { return std::optional<QString>(s); };
        const QString ellipsis(QChar(0x2026));
        const QString astronaut =
            QStringLiteral("\U0001F469\u200D\U0001F4BB"); // one character, three scalars
        QTest::newRow("runs collapse, ends trimmed")
            << QStringLiteral("  a \n\t b  ") << 10 << some(QStringLiteral("a b"));
        QTest::newRow("format character separates")
            << QStringLiteral("a\u200Bb") << 10 << some(QStringLiteral("a b"));
        QTest::newRow("control character separates")
            << QStringLiteral("a\u0007\u0000b") << 10 << some(QStringLiteral("a b"));
        QTest::newRow("no-break space is white space")
            << QStringLiteral("a\u00A0\u2028b") << 10 << some(QStringLiteral("a b"));
        QTest::newRow("CR LF is one separator")
            << QStringLiteral("a\r\nb") << 10 << some(QStringLiteral("a b"));
        QTest::newRow("empty") << QString() << 10 << std::optional<QString>();
        QTest::newRow("separators only")
            << QStringLiteral("\n \u200B\t\u0001") << 10 << std::optional<QString>();
        QTest::newRow("exactly the limit") << QStringLiteral("abcde") << 5 << some(QStringLiteral("abcde"));
        QTest::newRow("one over the limit")
            << QStringLiteral("abcdef") << 5 << some(QStringLiteral("abcde") + ellipsis);
        QTest::newRow("cut keeps an inner space")
            << QStringLiteral("abcd efgh") << 5 << some(QStringLiteral("abcd ") + ellipsis);
        QTest::newRow("emoji sequence is one character")
            << repeated(astronaut, 5) << 5 << some(repeated(astronaut, 5));
        QTest::newRow("emoji sequences cut whole")
            << repeated(astronaut, 6) << 5 << some(repeated(astronaut, 5) + ellipsis);
        QTest::newRow("combining mark belongs to its letter")
            << repeated(QStringLiteral("e\u0301"), 4) << 3
            << some(repeated(QStringLiteral("e\u0301"), 3) + ellipsis);
        QTest::newRow("joiner inside a word is kept")
            << QStringLiteral("a\u200Db") << 10 << some(QStringLiteral("a\u200Db"));
    }
    void normalizedSnippets() {
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QFETCH(std::optional<QString>, snippet);
        QCOMPARE(HookPayload::normalizedSnippet(text, maxLength), snippet);
    }

    void hugeTextIsNormalisedQuickly() {
        const QString huge = repeated(QStringLiteral("word \n"), 200000);
        QElapsedTimer timer;
        timer.start();
        const auto snippet = HookPayload::normalizedSnippet(huge, 200);
        QCOMPARE(snippet->size(), 201);
        QVERIFY2(timer.elapsed() < 1000, "the walk stops once the snippet is known");
    }

    void transcriptParserOnRealTranscripts() {
        const QString tty = QString::fromUtf8(readFile(sample("tty-transcript-excerpt.jsonl")));
        QCOMPARE(TranscriptParser::lastAssistantText(tty), QStringLiteral("The subagent reported back."));
        QCOMPARE(TranscriptParser::lastCustomTitle(tty), QStringLiteral("probe-title-one"));
        // A subagent's own file: every line is a side chain.
        const QString agent = QString::fromUtf8(readFile(sample("subagent-agent-transcript.jsonl")));
        QCOMPARE(TranscriptParser::lastAssistantText(agent), std::nullopt);
        QCOMPARE(TranscriptParser::lastCustomTitle(agent), std::nullopt);
    }

    void transcriptParserLineWalk() {
        const QByteArray text =
            " \t" + assistantLine({QStringLiteral("first")}) + "\t \n" + "\n" + "not json\n" + "[1,2,3]\n" +
            titleLine(QStringLiteral("Title A")) + "\r\n" +
            // A later line that has no text does not replace the answer.
            assistantLine({}) + '\n' + assistantLine({QStringLiteral("  \n ")}) + '\n' +
            titleLine(QString()) + '\n' +
            R"({"type":"custom-title","customTitle":5})"
            "\n" +
            R"({"type":"assistant","isSidechain":"true","message":{"content":[{"type":"text","text":"sidechain as text"}]}})"
            "\n" +
            R"({"type":"assistant","message":{"content":"plain string"}})"
            "\n" +
            R"({"type":"assistant","message":{"content":[1,{"type":"text","text":7},{"type":"text"}]}})";
        const QString jsonl = QString::fromUtf8(text);
        QCOMPARE(TranscriptParser::lastAssistantText(jsonl), QStringLiteral("sidechain as text"));
        QCOMPARE(TranscriptParser::lastCustomTitle(jsonl), QStringLiteral("Title A"));
        QCOMPARE(TranscriptParser::lastAssistantText(QString()), std::nullopt);

        // Escaped spellings are the same JSON text.
        const QString escaped = QStringLiteral(
            R"({"type":"\u0061ssistant","message":{"content":[{"type":"text","text":"escaped"}]}})"
            "\n"
            R"({"t\u0079pe":"custom-title","customTitle":"T\u00e9"})");
        QCOMPARE(TranscriptParser::lastAssistantText(escaped), QStringLiteral("escaped"));
        QCOMPARE(TranscriptParser::lastCustomTitle(escaped), QStringLiteral("T\u00e9"));
    }

    void titlesAreNormalisedToEightyCharacters() {
        const QString path =
            writeTranscript(QStringLiteral("title.jsonl"),
                            titleLine(QStringLiteral("  ") + repeated(QStringLiteral("t"), 90)) + '\n');
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("UserPromptSubmit")},
                                      {QStringLiteral("transcript_path"), path}}));
        QCOMPARE(d.customTitle, repeated(QStringLiteral("t"), 80) + QChar(0x2026));
        QCOMPARE(d.promptSnippet, std::nullopt);
    }

    void tailOfSmallFilesIsTheWholeText() {
        const QString path = writeTranscript(QStringLiteral("small.jsonl"), "one\ntwo\n");
        QCOMPARE(TranscriptReader::tailText(path, 524288), QStringLiteral("one\ntwo\n"));
        QCOMPARE(TranscriptReader::tailText(path, 8), QStringLiteral("one\ntwo\n")); // exactly maxBytes
    }

    void tailStartsAtAWholeLine() {
        const QString path =
            writeTranscript(QStringLiteral("long.jsonl"), "first line\nsecond line\nthird\n");
        // The last 14 bytes are "nd line\nthird\n": the partial line is dropped.
        QCOMPARE(TranscriptReader::tailText(path, 14), QStringLiteral("third\n"));
        // No line feed in the tail: the whole tail.
        const QString noBreak = writeTranscript(QStringLiteral("nobreak.jsonl"), "abcdefghij");
        QCOMPARE(TranscriptReader::tailText(noBreak, 4), QStringLiteral("ghij"));
    }

    void tailDecodesWithReplacement() {
        // The tail begins inside "é"; that line is dropped anyway. Invalid bytes later are replaced.
        const QString path = writeTranscript(QStringLiteral("utf8.jsonl"), "x\xc3\xa9x\nok\xff!\n");
        const auto text = TranscriptReader::tailText(path, 8);
        QCOMPARE(text, QStringLiteral("ok\uFFFD!\n"));
    }

    void tailOfABigTranscriptIsBounded() {
        const QByteArray line = assistantLine({QStringLiteral("reply #")});
        const int mark = line.indexOf('#');
        QByteArray big;
        big.reserve(40000 * (line.size() + 8)); // appending a string expression reserves exactly, each time
        for (int i = 0; i < 40000; ++i)
            big += line.left(mark) + QByteArray::number(i) + line.mid(mark + 1) + '\n';
        QVERIFY(big.size() > 3 * 524288);
        const QString path = writeTranscript(QStringLiteral("big.jsonl"),
                                             big + titleLine(QStringLiteral("late title")) + '\n');
        const auto tail = TranscriptReader::tailText(path, 524288);
        QVERIFY(tail->toUtf8().size() <= 524288);
        QVERIFY(tail->startsWith(QStringLiteral("{\"")));
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("Stop")},
                                      {QStringLiteral("transcript_path"), path}}));
        QCOMPARE(d.responseText, QStringLiteral("reply 39999"));
        QCOMPARE(d.customTitle, QStringLiteral("late title"));
    }

    void unreadableTranscriptsGiveNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("folder") << "folder";
        QTest::newRow("FIFO (must not hang)") << "fifo";
        QTest::newRow("device") << "device";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("no bytes wanted") << "zero";
    }
    void unreadableTranscriptsGiveNothing() {
        QFETCH(QString, kind);
        QString path = m_dir.path() + QStringLiteral("/unreadable-") + kind;
        qint64 maxBytes = 524288;
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (kind == QLatin1String("device"))
            path = QStringLiteral("/dev/zero");
        else if (kind == QLatin1String("empty"))
            writeFile(path, "");
        else if (kind == QLatin1String("zero")) {
            writeFile(path, "data\n");
            maxBytes = 0;
        }
        QCOMPARE(TranscriptReader::tailText(path, maxBytes), std::nullopt);
        // In a payload an unreadable transcript only leaves fields out.
        const HookEventDetail d =
            HookPayload::detail(json({{QStringLiteral("hook_event_name"), QStringLiteral("Stop")},
                                      {QStringLiteral("last_assistant_message"), QStringLiteral("hi")},
                                      {QStringLiteral("transcript_path"), path}}));
        QCOMPARE(d.responseText, QStringLiteral("hi"));
        QCOMPARE(d.customTitle, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestHookPayload)
#include "tst_hookpayload.moc"
