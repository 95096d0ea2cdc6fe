#include "services/localizationmanager.h"

#include "services/localization.h"
#include "services/preferences.h"

#include <QCoreApplication>
#include <QTranslator>

static void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

namespace Brindlewick {

QString rawValue(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return QStringLiteral("system");
    case AppLanguage::ja:
        return QStringLiteral("ja");
    case AppLanguage::en:
        return QStringLiteral("en");
    case AppLanguage::ko:
        return QStringLiteral("ko");
    case AppLanguage::de:
        return QStringLiteral("de");
    }
    return QStringLiteral("system");
}

std::optional<AppLanguage> appLanguageFromRaw(const QString &raw)
{
    for (AppLanguage l : allAppLanguages) {
        if (rawValue(l) == raw)
            return l;
    }
    return std::nullopt;
}

QString displayName(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return L("システムに従う");
    case AppLanguage::ja:
        return QStringLiteral("日本語");
    case AppLanguage::en:
        return QStringLiteral("English");
    case AppLanguage::ko:
        return QStringLiteral("한국어");
    case AppLanguage::de:
        return QStringLiteral("Deutsch");
    }
    return {};
}

LocalizationManager::LocalizationManager(QObject *parent) : QObject(parent)
{
    initTranslationResources();
    // An unknown stored value reads as system and is left as it is until the user picks a language.
    m_language = appLanguageFromRaw(Preferences::value(QString::fromLatin1(preferenceKey)).toString())
                     .value_or(AppLanguage::system);
    m_locale = resolveLocale(m_language);
    applyTable();
    setLocale(resolveLocale(m_language));
}

LocalizationManager::~LocalizationManager()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

QString LocalizationManager::systemLanguageCode()
{
    const QStringList preferred = QLocale::system().uiLanguages();
    for (const QString &tag : preferred) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("ja") || code == QLatin1String("en") || code == QLatin1String("ko") ||
            code == QLatin1String("de"))
            return code;
    }
    // No table matches: the keys themselves are Japanese, the language the texts were written in.
    return QStringLiteral("ja");
}

QLocale LocalizationManager::resolveLocale(AppLanguage language)
{
    if (language == AppLanguage::system)
        return QLocale(systemLanguageCode());
    return QLocale(rawValue(language));
}

void LocalizationManager::setLanguage(AppLanguage language)
{
    if (language == m_language)
        return;
    m_language = language;
    Preferences::setValue(QString::fromLatin1(preferenceKey), rawValue(language));
    applyTable();
    setLocale(resolveLocale(language));
    Q_EMIT languageChanged();
}

void LocalizationManager::applyTable()
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    const QString code = m_language == AppLanguage::system ? systemLanguageCode() : rawValue(m_language);
    if (code == QLatin1String("ja"))
        return; // the keys are the Japanese texts
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/i18n/brindlewick_%1.qm").arg(code))) {
        QCoreApplication::installTranslator(translator.get());
        m_translator = std::move(translator);
    }
}

void LocalizationManager::setLocale(const QLocale &locale)
{
    if (locale == m_locale && QLocale() == locale)
        return;
    const bool differs = locale != m_locale;
    m_locale = locale;
    QLocale::setDefault(locale);
    if (differs)
        Q_EMIT localeChanged();
}

} // namespace Brindlewick
