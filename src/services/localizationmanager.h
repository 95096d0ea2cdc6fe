#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QTranslator;

namespace Brindlewick {

// The interface language, in the order of the settings picker.
enum class AppLanguage { system, ja, en, ko, de };
inline constexpr std::array<AppLanguage, 5> allAppLanguages{AppLanguage::system, AppLanguage::ja, AppLanguage::en,
                                                            AppLanguage::ko, AppLanguage::de};
QString rawValue(AppLanguage language);
std::optional<AppLanguage> appLanguageFromRaw(const QString &raw);
// "システムに従う" goes through the text lookup; the language names are shown in their own language.
QString displayName(AppLanguage language);

// Holds the chosen interface language (preference "app.language") and installs the matching
// translation table. Installing or removing a table makes Qt send LanguageChange to every widget,
// so open windows retranslate at once. GUI thread; one per run.
class LocalizationManager final : public QObject {
    Q_OBJECT
public:
    static constexpr const char *preferenceKey = "app.language";

    explicit LocalizationManager(QObject *parent = nullptr);
    ~LocalizationManager() override;

    AppLanguage language() const { return m_language; }
    void setLanguage(AppLanguage language);
    QLocale locale() const { return m_locale; }

    static QLocale resolveLocale(AppLanguage language);
    // The languages that have a table, for resolving "system": Japanese (the keys) and the three tables.
    static QString systemLanguageCode();

Q_SIGNALS:
    void languageChanged();
    void localeChanged();

private:
    void applyTable();
    void setLocale(const QLocale &locale);

    AppLanguage m_language = AppLanguage::system;
    QLocale m_locale;
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace Brindlewick
