// Fuzzes hook payload parsing and the transcript and snippet helpers behind it. Besides crashes and
// sanitizer findings it checks the shape of every detail and compares the optimised helpers (the
// backward transcript walk that parses only candidate lines, the snippet walk that stops early)
// with plain reference versions written straight from their definitions.
#include "fuzzcheck.h"

#include "services/hookpayload.h"
#include "services/textsanitizing.h"
#include "services/transcriptparser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextBoundaryFinder>
#include <QUuid>

#include <cstddef>
#include <cstdint>

using namespace Brindlewick;

namespace {

QStringView trimSpacesAndTabs(QStringView s) {
    while (!s.isEmpty() && (s.front() == QLatin1Char(' ') || s.front() == QLatin1Char('\t')))
        s = s.mid(1);
    while (!s.isEmpty() && (s.back() == QLatin1Char(' ') || s.back() == QLatin1Char('\t')))
        s.chop(1);
    return s;
}

// The forward walk over every line, the last qualifying line winning.
template <class Pick> std::optional<QString> referenceWalk(const QString &jsonl, Pick pick) {
    std::optional<QString> answer;
    for (const QString &line : jsonl.split(QLatin1Char('\n'))) {
        const QStringView trimmed = trimSpacesAndTabs(line);
        if (trimmed.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(trimmed.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            continue;
        if (auto found = pick(document.object()))
            answer = found;
    }
    return answer;
}

std::optional<QString> referenceAssistant(const QString &jsonl) {
    return referenceWalk(jsonl, [](const QJsonObject &line) -> std::optional<QString> {
        if (line.value(QLatin1String("type")).toString() != QLatin1String("assistant") ||
            line.value(QLatin1String("isSidechain")) == QJsonValue(true))
            return std::nullopt;
        QStringList texts;
        for (const QJsonValue &item :
             line.value(QLatin1String("message")).toObject().value(QLatin1String("content")).toArray()) {
            const QJsonObject o = item.toObject();
            if (o.value(QLatin1String("type")).toString() == QLatin1String("text") &&
                o.value(QLatin1String("text")).isString())
                texts.append(o.value(QLatin1String("text")).toString());
        }
        const QString joined = Text::trimSpaceAndLineBreaks(texts.join(QLatin1Char('\n')));
        return joined.isEmpty() ? std::nullopt : std::optional<QString>(joined);
    });
}

std::optional<QString> referenceTitle(const QString &jsonl) {
    return referenceWalk(jsonl, [](const QJsonObject &line) -> std::optional<QString> {
        const QJsonValue title = line.value(QLatin1String("customTitle"));
        if (line.value(QLatin1String("type")).toString() != QLatin1String("custom-title") ||
            !title.isString() || title.toString().isEmpty())
            return std::nullopt;
        return title.toString();
    });
}

// Every character walked, runs of separators become one space, the ends trimmed (then the cut).
QString referenceCollapsed(const QString &text) {
    QString collapsed;
    bool inRun = false;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int begin = 0;
    for (int end = finder.toNextBoundary(); end >= 0; end = finder.toNextBoundary()) {
        const QString character = text.mid(begin, end - begin);
        begin = end;
        const QVector<uint> scalars = character.toUcs4();
        bool separator = !scalars.isEmpty() && QChar::isSpace(scalars.first());
        if (!separator && !scalars.isEmpty()) {
            separator = true;
            for (uint c : scalars)
                separator = separator && Text::isControlOrFormat(char32_t(c));
        }
        if (separator) {
            if (!inRun)
                collapsed += QLatin1Char(' ');
            inRun = true;
        } else {
            collapsed += character;
            inRun = false;
        }
    }
    return Text::trimHorizontalSpace(collapsed);
}

std::optional<QString> referenceSnippet(const QString &trimmed, int maxLength) {
    if (trimmed.isEmpty())
        return std::nullopt;
    if (Text::graphemeCount(trimmed) > maxLength)
        return Text::graphemePrefix(trimmed, maxLength) + QChar(0x2026);
    return trimmed;
}

void checkSnippet(const std::optional<QString> &snippet, int maxLength) {
    if (!snippet)
        return;
    FUZZ_CHECK(!snippet->isEmpty());
    FUZZ_CHECK(Text::graphemeCount(*snippet) <= maxLength + 1);
    FUZZ_CHECK(!snippet->contains(QLatin1Char('\n')) && !snippet->contains(QLatin1Char('\t')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));

    const HookEventDetail d = HookPayload::detail(input);
    checkSnippet(d.promptSnippet, HookPayload::promptSnippetLength);
    checkSnippet(d.responseSnippet, HookPayload::responseSnippetLength);
    checkSnippet(d.customTitle, HookPayload::customTitleLength);
    if (d.promptSnippet)
        FUZZ_CHECK(d.eventName == QStringLiteral("UserPromptSubmit"));
    if (d.responseText)
        FUZZ_CHECK(d.eventName == QStringLiteral("Stop") && !d.responseText->isEmpty());
    if (d.responseSnippet)
        FUZZ_CHECK(d.responseText.has_value());
    if (d.customTitle)
        FUZZ_CHECK(d.eventName == QStringLiteral("Stop") ||
                   d.eventName == QStringLiteral("UserPromptSubmit"));
    if (d.claudeSessionID)
        FUZZ_CHECK(d.claudeSessionID->size() == 36 && !QUuid::fromString(*d.claudeSessionID).isNull());
    if (!d.eventName)
        FUZZ_CHECK(!d.promptSnippet && !d.responseText && !d.responseSnippet && !d.customTitle);

    // The same bytes as transcript text and as text to normalise.
    const QString text = QString::fromUtf8(input);
    FUZZ_CHECK(TranscriptParser::lastAssistantText(text) == referenceAssistant(text));
    FUZZ_CHECK(TranscriptParser::lastCustomTitle(text) == referenceTitle(text));
    const QString collapsed = referenceCollapsed(text);
    for (int maxLength : {0, 1, 3, 80, 200}) {
        const auto snippet = HookPayload::normalizedSnippet(text, maxLength);
        FUZZ_CHECK(snippet == referenceSnippet(collapsed, maxLength));
        checkSnippet(snippet, maxLength);
    }
    const auto id = HookPayload::validatedSessionID(text);
    if (id)
        FUZZ_CHECK(*id == text);
    return 0;
}
