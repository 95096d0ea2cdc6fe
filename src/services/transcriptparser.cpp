#include "services/transcriptparser.h"

#include "services/textsanitizing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

namespace Brindlewick {

namespace {

QStringView trimSpacesAndTabs(QStringView s) {
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (!s.isEmpty() && blank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && blank(s.back()))
        s.chop(1);
    return s;
}

// Walks the lines from the last to the first and returns the first answer that `pick` finds: the
// same as taking the last answer of a forward walk, without parsing the whole tail when the answer
// is near its end. Only lines that can mention `word` are parsed: a JSON text can spell a word
// other than literally only through a \u escape.
template <class Pick> std::optional<QString> lastMatch(const QString &jsonl, QLatin1String word, Pick pick) {
    qsizetype end = jsonl.size();
    while (end >= 0) {
        const qsizetype newline = end > 0 ? jsonl.lastIndexOf(QLatin1Char('\n'), end - 1) : -1;
        const qsizetype begin = newline + 1;
        const QStringView line = QStringView(jsonl).mid(begin, end - begin);
        end = newline;
        if (!line.contains(word) && !line.contains(QLatin1String("\\u")))
            continue;
        const QStringView trimmed = trimSpacesAndTabs(line);
        if (trimmed.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(trimmed.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            continue;
        if (auto answer = pick(document.object()))
            return answer;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> TranscriptParser::lastAssistantText(const QString &jsonl) {
    return lastMatch(jsonl, QLatin1String("assistant"),
                     [](const QJsonObject &line) -> std::optional<QString> {
                         if (line.value(QLatin1String("type")) != QLatin1String("assistant"))
                             return std::nullopt;
                         if (line.value(QLatin1String("isSidechain")) == QJsonValue(true))
                             return std::nullopt;
                         const QJsonValue content =
                             line.value(QLatin1String("message")).toObject().value(QLatin1String("content"));
                         if (!content.isArray())
                             return std::nullopt;
                         QStringList texts;
                         for (const QJsonValue &item : content.toArray()) {
                             const QJsonObject object = item.toObject();
                             if (object.value(QLatin1String("type")) != QLatin1String("text"))
                                 continue;
                             const QJsonValue text = object.value(QLatin1String("text"));
                             if (text.isString())
                                 texts.append(text.toString());
                         }
                         const QString joined = Text::trimSpaceAndLineBreaks(texts.join(QLatin1Char('\n')));
                         if (joined.isEmpty())
                             return std::nullopt;
                         return joined;
                     });
}

std::optional<QString> TranscriptParser::lastCustomTitle(const QString &jsonl) {
    return lastMatch(jsonl, QLatin1String("custom-title"),
                     [](const QJsonObject &line) -> std::optional<QString> {
                         if (line.value(QLatin1String("type")) != QLatin1String("custom-title"))
                             return std::nullopt;
                         const QJsonValue title = line.value(QLatin1String("customTitle"));
                         if (!title.isString() || title.toString().isEmpty())
                             return std::nullopt;
                         return title.toString();
                     });
}

} // namespace Brindlewick
