#include "services/hooksettingsinstaller.h"

#include "services/atomicfile.h"
#include "services/localization.h"
#include "services/logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace Brindlewick {

namespace {

using InstallError = HookSettingsInstaller::InstallError;

InstallError mergeFailure(const HookSettingsMerge::MergeError &error)
{
    return InstallError{{error.description()}, error};
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

} // namespace

HookSettingsInstaller::HookSettingsInstaller(const QString &settingsURL, const QString &directory)
    : m_settingsURL(settingsURL), m_directory(directory)
{
}

HookSettingsInstaller HookSettingsInstaller::standard()
{
    const QString directory = QDir::homePath() + QStringLiteral("/.claude");
    return HookSettingsInstaller(directory + QStringLiteral("/settings.json"), directory);
}

HookSettingsInstaller::Status HookSettingsInstaller::status() const
{
    if (!QFileInfo::exists(m_settingsURL))
        return Status::noFile;
    const auto data = readAll(m_settingsURL);
    if (!data)
        return Status::invalidJSON;
    if (data->isEmpty())
        return Status::notInstalled;
    if (!HookSettingsMerge::isValidJSON(*data))
        return Status::invalidJSON;
    return HookSettingsMerge::isInstalled(*data) ? Status::installed : Status::notInstalled;
}

Result<void, InstallError> HookSettingsInstaller::install() const
{
    return apply(HookSettingsMerge::Mode::install);
}

Result<void, InstallError> HookSettingsInstaller::uninstall() const
{
    return apply(HookSettingsMerge::Mode::uninstall);
}

Result<void, InstallError> HookSettingsInstaller::apply(HookSettingsMerge::Mode mode) const
{
    if (!QFileInfo(m_directory).isDir()) {
        if (!QDir().mkpath(m_directory))
            return InstallError{{L("フォルダ %@ を作成できませんでした。", m_directory)}, std::nullopt};
        QFile::setPermissions(m_directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    std::optional<QByteArray> content;
    if (QFileInfo::exists(m_settingsURL)) {
        content = readAll(m_settingsURL);
        if (!content)
            return mergeFailure(
                HookSettingsMerge::MergeError::unexpectedStructure(HookSettingsMerge::MergeError::unreadableDetail()));
        if (!content->isEmpty())
            backup(*content);
    }

    const auto merged = HookSettingsMerge::merged(content, mode);
    if (!merged)
        return mergeFailure(merged.error());

    if (auto written = AtomicFile::replace(m_settingsURL, merged.value()); !written)
        return InstallError{written.error(), std::nullopt};

    qCInfo(lcHookSettings, "settings.json updated (%s)", qUtf8Printable(HookSettingsMerge::modeText(mode)));
    return {};
}

QString HookSettingsInstaller::backupPath() const
{
    const QString stamp = QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyyMMdd-HHmmss"));
    return m_directory + QStringLiteral("/settings.json.bak-") + stamp;
}

void HookSettingsInstaller::backup(const QByteArray &content) const
{
    const QString path = backupPath();
    QFile::remove(path);
    // Written like the settings file itself, so that a full disk leaves no truncated backup.
    if (!AtomicFile::replace(path, content, 0600))
        qCCritical(lcHookSettings, "Failed to write settings backup at %s", qUtf8Printable(path));
}

} // namespace Brindlewick
