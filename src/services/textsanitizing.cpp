#include "services/textsanitizing.h"

#include <QTextBoundaryFinder>
#include <QVector>

namespace Brindlewick {
namespace Text {

bool isLineBreak(char32_t c)
{
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isControlOrFormat(char32_t c)
{
    const auto cat = QChar::category(uint(c));
    return cat == QChar::Other_Control || cat == QChar::Other_Format;
}

bool isHorizontalSpace(char32_t c)
{
    return c == U'\t' || QChar::category(uint(c)) == QChar::Separator_Space;
}

QString removeControls(const QString &text, Keep keep)
{
    QString out;
    out.reserve(text.size());
    const QVector<uint> points = text.toUcs4();
    for (uint cp : points) {
        const char32_t c = char32_t(cp);
        if (isLineBreak(c)) {
            if (keep == Keep::LineBreaks)
                out += QString::fromUcs4(&cp, 1);
            continue;
        }
        if (isControlOrFormat(c))
            continue;
        out += QString::fromUcs4(&cp, 1);
    }
    return out;
}

static QString trimWhere(const QString &text, bool (*drop)(char32_t))
{
    const QVector<uint> points = text.toUcs4();
    int begin = 0;
    int end = points.size();
    while (begin < end && drop(char32_t(points.at(begin))))
        ++begin;
    while (end > begin && drop(char32_t(points.at(end - 1))))
        --end;
    return QString::fromUcs4(points.constData() + begin, end - begin);
}

QString trimHorizontalSpace(const QString &text)
{
    return trimWhere(text, &isHorizontalSpace);
}

QString trimSpaceAndLineBreaks(const QString &text)
{
    return trimWhere(text, [](char32_t c) { return isHorizontalSpace(c) || isLineBreak(c) || QChar::isSpace(uint(c)); });
}

int graphemeCount(const QString &text)
{
    if (text.isEmpty())
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString graphemePrefix(const QString &text, int count)
{
    if (count <= 0)
        return {};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int seen = 0;
    int position = 0;
    while (seen < count) {
        const int next = finder.toNextBoundary();
        if (next < 0)
            return text;
        position = next;
        ++seen;
    }
    return text.left(position);
}

} // namespace Text

QString SlashInsertion::sanitizedSingleLine(const QString &text)
{
    return Text::trimHorizontalSpace(Text::removeControls(text, Text::Keep::Nothing));
}

} // namespace Brindlewick
