#include "services/relativetimetext.h"

#include "services/localization.h"

namespace Brindlewick {

RelativeTimeText::Amount RelativeTimeText::amount(const QDateTime &date, const QDateTime &now)
{
    const bool future = date > now;
    // Under a day no calendar is needed, and converting to local time is the costly part.
    const qint64 elapsed = future ? now.secsTo(date) : date.secsTo(now);
    if (elapsed < 3600 * 23) {
        if (elapsed >= 3600)
            return {Unit::hour, elapsed / 3600, future};
        if (elapsed >= 60)
            return {Unit::minute, elapsed / 60, future};
        return {Unit::second, elapsed, future};
    }
    const QDateTime from = (future ? now : date).toLocalTime();
    const QDateTime to = (future ? date : now).toLocalTime();

    // Whole calendar months (a year is twelve), counted the way a calendar adds them.
    int months = (to.date().year() - from.date().year()) * 12 + (to.date().month() - from.date().month());
    while (months > 0 && from.addMonths(months) > to)
        --months;
    if (months >= 12)
        return {Unit::year, months / 12, future};
    if (months > 0)
        return {Unit::month, months, future};

    qint64 days = from.daysTo(to);
    while (days > 0 && from.addDays(days) > to)
        --days;
    if (days >= 7)
        return {Unit::week, days / 7, future};
    if (days > 0)
        return {Unit::day, days, future};

    const qint64 seconds = from.secsTo(to);
    if (seconds >= 3600)
        return {Unit::hour, seconds / 3600, future};
    if (seconds >= 60)
        return {Unit::minute, seconds / 60, future};
    return {Unit::second, seconds, future};
}

namespace {

// Per unit: the singular and the counted form, in the past and in the future. English and German
// have a separate form for exactly one; Japanese and Korean use the counted form's wording for both.
struct Forms {
    const char *pastOne;
    const char *past;
    const char *futureOne;
    const char *future;
};

const Forms forms[] = {
    {BW_KEY("1 秒前"), BW_KEY("%lld 秒前"), BW_KEY("1 秒後"), BW_KEY("%lld 秒後")},
    {BW_KEY("1 分前"), BW_KEY("%lld 分前"), BW_KEY("1 分後"), BW_KEY("%lld 分後")},
    {BW_KEY("1 時間前"), BW_KEY("%lld 時間前"), BW_KEY("1 時間後"), BW_KEY("%lld 時間後")},
    {BW_KEY("1 日前"), BW_KEY("%lld 日前"), BW_KEY("1 日後"), BW_KEY("%lld 日後")},
    {BW_KEY("1 週間前"), BW_KEY("%lld 週間前"), BW_KEY("1 週間後"), BW_KEY("%lld 週間後")},
    {BW_KEY("1 か月前"), BW_KEY("%lld か月前"), BW_KEY("1 か月後"), BW_KEY("%lld か月後")},
    {BW_KEY("1 年前"), BW_KEY("%lld 年前"), BW_KEY("1 年後"), BW_KEY("%lld 年後")},
};

} // namespace

QString RelativeTimeText::text(const Amount &amount)
{
    const Forms &f = forms[int(amount.unit)];
    if (amount.count == 1)
        return L(amount.future ? f.futureOne : f.pastOne);
    return L(amount.future ? f.future : f.past, amount.count);
}

} // namespace Brindlewick
