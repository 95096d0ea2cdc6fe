#include "services/hookpayload.h"

#include "models/uuidtext.h"
#include "services/textsanitizing.h"
#include "services/transcriptparser.h"
#include "services/transcriptreader.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextBoundaryFinder>
#include <QVector>

namespace Brindlewick {

namespace {

std::optional<QString> stringValue(const QJsonObject &object, QLatin1String key) {
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

std::optional<QString> nonEmptyString(const QJsonObject &object, QLatin1String key) {
    auto value = stringValue(object, key);
    if (value && value->isEmpty())
        return std::nullopt;
    return value;
}

// A character separates words if it is white space (line ends included) or consists of control and
// format characters only.
bool isSeparator(const QString &text, int begin, int end) {
    const QVector<uint> scalars = QStringView(text).mid(begin, end - begin).toUcs4();
    if (scalars.isEmpty())
        return false;
    if (QChar::isSpace(scalars.first()))
        return true;
    for (uint c : scalars) {
        if (!Text::isControlOrFormat(char32_t(c)))
            return false;
    }
    return true;
}

std::optional<QString> normalizedTitle(const std::optional<QString> &title) {
    if (!title)
        return std::nullopt;
    return HookPayload::normalizedSnippet(*title, HookPayload::customTitleLength);
}

} // namespace

std::optional<QString> HookPayload::normalizedSnippet(const QString &text, int maxLength) {
    QString collapsed;
    collapsed.reserve(qMin(text.size(), 4 * maxLength + 16));
    // The walk may stop early: joining a space with a following combining mark can at most halve
    // the number of characters, so three times the limit is always enough to know the result.
    const int enough = 3 * qMax(maxLength, 0) + 8;
    int emitted = 0;
    bool pendingSpace = false;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int begin = 0;
    while (emitted <= enough) {
        const int end = finder.toNextBoundary();
        if (end < 0)
            break;
        if (isSeparator(text, begin, end)) {
            pendingSpace = !collapsed.isEmpty();
        } else {
            if (pendingSpace) {
                collapsed += QLatin1Char(' ');
                ++emitted;
                pendingSpace = false;
            }
            collapsed += QStringView(text).mid(begin, end - begin);
            ++emitted;
        }
        begin = end;
    }

    const QString trimmed = Text::trimHorizontalSpace(collapsed);
    if (trimmed.isEmpty())
        return std::nullopt;
    if (Text::graphemeCount(trimmed) > maxLength)
        return Text::graphemePrefix(trimmed, maxLength) + QChar(0x2026);
    return trimmed;
}

std::optional<QString> HookPayload::validatedSessionID(const QString &text) {
    if (text.toUtf8().size() != 36 || !parseUuid(text))
        return std::nullopt;
    return text;
}

HookEventDetail HookPayload::detail(const std::optional<QByteArray> &body) {
    HookEventDetail detail;
    if (!body)
        return detail;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return detail;
    const QJsonObject payload = document.object();

    detail.eventName = stringValue(payload, QLatin1String("hook_event_name"));
    if (detail.eventName) {
        const auto transcript = [&]() -> std::optional<QString> {
            const auto path = nonEmptyString(payload, QLatin1String("transcript_path"));
            if (!path)
                return std::nullopt;
            return TranscriptReader::tailText(*path, transcriptTailBytes);
        };
        if (*detail.eventName == QLatin1String("Stop")) {
            detail.responseText = nonEmptyString(payload, QLatin1String("last_assistant_message"));
            if (const auto tail = transcript()) {
                if (!detail.responseText)
                    detail.responseText = TranscriptParser::lastAssistantText(*tail);
                detail.customTitle = normalizedTitle(TranscriptParser::lastCustomTitle(*tail));
            }
            if (detail.responseText)
                detail.responseSnippet = normalizedSnippet(*detail.responseText, responseSnippetLength);
        } else if (*detail.eventName == QLatin1String("UserPromptSubmit")) {
            if (const auto prompt = stringValue(payload, QLatin1String("prompt")))
                detail.promptSnippet = normalizedSnippet(*prompt, promptSnippetLength);
            if (const auto tail = transcript())
                detail.customTitle = normalizedTitle(TranscriptParser::lastCustomTitle(*tail));
        }
    }

    if (const auto sessionID = stringValue(payload, QLatin1String("session_id")))
        detail.claudeSessionID = validatedSessionID(*sessionID);
    return detail;
}

} // namespace Brindlewick
