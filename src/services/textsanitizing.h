#pragma once

#include <QString>

namespace Brindlewick {

// Character handling shared by every place that filters or limits user-visible text. Filters work
// on single code points; lengths are user-perceived characters (grapheme clusters).
namespace Text {

bool isLineBreak(char32_t c);         // U+000A–U+000D, U+0085, U+2028, U+2029
bool isControlOrFormat(char32_t c);   // general categories Cc and Cf (tab included)
bool isHorizontalSpace(char32_t c);   // category Zs and tab

enum class Keep { Nothing, LineBreaks };
// Removes control and format characters and line breaks (or keeps line breaks).
QString removeControls(const QString &text, Keep keep);
QString trimHorizontalSpace(const QString &text);
QString trimSpaceAndLineBreaks(const QString &text);
int graphemeCount(const QString &text);
// The first `count` grapheme clusters of `text`.
QString graphemePrefix(const QString &text, int count);

} // namespace Text

struct SlashInsertion {
    // Removes every control or line-break code point (nothing in their place), then trims spaces
    // and tabs at both ends.
    static QString sanitizedSingleLine(const QString &text);
};

} // namespace Brindlewick
