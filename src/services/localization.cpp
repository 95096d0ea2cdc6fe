#include "services/localization.h"

#include <QCoreApplication>

namespace Brindlewick {

QString L(const char *key)
{
    return QCoreApplication::translate("Brindlewick", key);
}

QString formatLocalized(const QString &format, const QVariantList &arguments)
{
    QString out;
    out.reserve(format.size() + 16);
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        if (format.at(i + 1) == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        // Optional position: digits followed by '$'.
        int j = i + 1;
        int position = -1;
        while (j < format.size() && format.at(j).isDigit())
            ++j;
        if (j > i + 1 && j < format.size() && format.at(j) == QLatin1Char('$')) {
            position = format.mid(i + 1, j - i - 1).toInt() - 1;
            ++j;
        } else {
            j = i + 1;
        }
        int length = 0;
        bool number = false;
        if (format.mid(j, 1) == QLatin1String("@")) {
            length = 1;
        } else if (format.mid(j, 3) == QLatin1String("lld")) {
            length = 3;
            number = true;
        } else if (format.mid(j, 1) == QLatin1String("d")) {
            length = 1;
            number = true;
        }
        if (length == 0) {
            out += c;
            continue;
        }
        const int index = position >= 0 ? position : next++;
        const QVariant arg = index >= 0 && index < arguments.size() ? arguments.at(index) : QVariant();
        out += number ? QString::number(arg.toLongLong()) : arg.toString();
        i = j + length - 1;
    }
    return out;
}

} // namespace Brindlewick
