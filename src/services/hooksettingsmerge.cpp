#include "services/hooksettingsmerge.h"

#include "services/localization.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace Brindlewick {

namespace {

using Json = nlohmann::json;

const char *const ownMarker = "brindlewick.token";

Json parse(const QByteArray &data)
{
    // nlohmann keeps 64-bit integers exact and validates UTF-8; no exceptions on bad input.
    return Json::parse(data.constData(), data.constData() + data.size(), nullptr, false);
}

bool isArrayOfObjects(const Json &value)
{
    if (!value.is_array())
        return false;
    for (const Json &item : value) {
        if (!item.is_object())
            return false;
    }
    return true;
}

// An entry is ours when one of its hooks runs a command that reads Brindlewick's token file.
bool belongsToBrindlewick(const Json &entry)
{
    const auto hooks = entry.find("hooks");
    if (hooks == entry.end() || !isArrayOfObjects(*hooks))
        return false;
    for (const Json &hook : *hooks) {
        const auto command = hook.find("command");
        if (command != hook.end() && command->is_string()
            && command->get_ref<const std::string &>().find(ownMarker) != std::string::npos)
            return true;
    }
    return false;
}

Json ownEntry(SessionColumn column)
{
    Json hook = Json::object();
    hook["type"] = "command";
    hook["command"] = HookSettingsMerge::command(rawValue(column)).toStdString();
    hook["timeout"] = 5;
    Json entry = Json::object();
    entry["matcher"] = "";
    entry["hooks"] = Json::array({hook});
    return entry;
}

Result<Json, HookSettingsMerge::MergeError> parseRoot(const std::optional<QByteArray> &data)
{
    using MergeError = HookSettingsMerge::MergeError;
    if (!data || data->isEmpty())
        return Json::object();
    Json root = parse(*data);
    if (root.is_discarded())
        return MergeError::invalidJSON();
    if (!root.is_object())
        return MergeError::unexpectedStructure(MergeError::topLevelDetail());
    return root;
}

} // namespace

QString HookSettingsMerge::modeText(Mode mode)
{
    return mode == Mode::install ? QStringLiteral("install") : QStringLiteral("uninstall");
}

QString HookSettingsMerge::MergeError::unreadableDetail()
{
    return L("settings.json を読み取れませんでした");
}

QString HookSettingsMerge::MergeError::topLevelDetail()
{
    return L("トップレベルが object ではありません");
}

QString HookSettingsMerge::MergeError::hooksDetail()
{
    return L("hooks が object ではありません");
}

QString HookSettingsMerge::MergeError::eventDetail(const QString &event)
{
    return L("hooks.%@ が object の配列ではありません", event);
}

QString HookSettingsMerge::MergeError::description() const
{
    if (kind == Kind::unexpectedStructure)
        return L("settings.json の構造が想定外です（%@）。安全のため変更を中止しました。", detail);
    return L("settings.json が不正な JSON です。バックアップを取得し、上書きせずに中止しました。手動修正後に再実行してください。");
}

Result<QByteArray, HookSettingsMerge::MergeError> HookSettingsMerge::merged(const std::optional<QByteArray> &settingsData,
                                                                             Mode mode)
{
    auto parsed = parseRoot(settingsData);
    if (!parsed)
        return parsed.error();
    Json &root = parsed.value();

    Json hooks = Json::object();
    if (const auto found = root.find("hooks"); found != root.end()) {
        if (!found->is_object())
            return MergeError::unexpectedStructure(MergeError::hooksDetail());
        hooks = *found;
    }

    for (const HookEvent &event : hookTable) {
        Json kept = Json::array();
        if (const auto existing = hooks.find(event.name); existing != hooks.end()) {
            if (!isArrayOfObjects(*existing))
                return MergeError::unexpectedStructure(MergeError::eventDetail(QString::fromLatin1(event.name)));
            for (const Json &entry : *existing) {
                if (!belongsToBrindlewick(entry))
                    kept.push_back(entry);
            }
        }
        if (mode == Mode::install) {
            kept.push_back(ownEntry(event.column));
            hooks[event.name] = std::move(kept);
        } else if (!kept.empty()) {
            hooks[event.name] = std::move(kept);
        } else {
            hooks.erase(event.name);
        }
    }
    root["hooks"] = std::move(hooks);

    // Objects are std::map here, so keys come out sorted. "/" occurs only inside strings, where the
    // escaped "\/" reads the same; the file is written with it escaped.
    const std::string text = root.dump(2, ' ', false, Json::error_handler_t::replace);
    QByteArray out;
    out.reserve(qsizetype(text.size()) + 64);
    for (const char c : text) {
        if (c == '/')
            out.append('\\');
        out.append(c);
    }
    out.append('\n');
    return out;
}

bool HookSettingsMerge::isInstalled(const QByteArray &settingsData)
{
    const Json root = parse(settingsData);
    if (!root.is_object())
        return false;
    const auto hooks = root.find("hooks");
    if (hooks == root.end() || !hooks->is_object())
        return false;
    for (const HookEvent &event : hookTable) {
        const auto entries = hooks->find(event.name);
        if (entries == hooks->end() || !isArrayOfObjects(*entries))
            return false;
        if (std::none_of(entries->begin(), entries->end(), belongsToBrindlewick))
            return false;
    }
    return true;
}

bool HookSettingsMerge::isValidJSON(const QByteArray &settingsData)
{
    return !parse(settingsData).is_discarded();
}

// Without a port file the URL would have no port and curl would send the token to port 80;
// "|| echo 0" makes it an invalid port instead, so the token goes nowhere.
QString HookSettingsMerge::command(const QString &column)
{
    return QStringLiteral("curl -s --max-time 2 --connect-timeout 1 -X POST -H \"Authorization: Bearer "
                          "$(cat ~/.claude/brindlewick.token 2>/dev/null)\" ")
        + QStringLiteral("\"http://127.0.0.1:$(cat ~/.claude/brindlewick.port 2>/dev/null || echo 0)/v1/event?card=$CLAUDE_CARD_ID"
                         "&column=")
        + column + QStringLiteral("\" ") + QStringLiteral("-d @- >/dev/null 2>&1 || true");
}

} // namespace Brindlewick
