#pragma once

#include <QAction>
#include <QObject>
#include <QToolButton>

#include <optional>

namespace Brindlewick {

// The confirmation state that the copy controls of one section share: the id of the control that
// copied last, none when no confirmation shows. A confirmation ends 1.2 s after its copy unless
// another control has copied meanwhile.
class CopyConfirmation final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static constexpr int confirmationMs = 1200;

    const std::optional<QString> &copiedID() const { return m_copiedID; }
    void setCopiedID(const std::optional<QString> &id);
    // Puts `value` on the clipboard; confirms under `id` when the clipboard took it.
    bool performCopy(const QString &value, const QString &id);

Q_SIGNALS:
    void changed();

private:
    std::optional<QString> m_copiedID;
};

// A small icon button that copies a text. Without a value it is hidden and takes no space.
class CopyIconButton final : public QToolButton {
    Q_OBJECT
public:
    CopyIconButton(const QString &id, const std::optional<QString> &value, const std::optional<QString> &help,
                   const QString &accessibilityLabel, CopyConfirmation &copied, QWidget *parent = nullptr);

    void setValue(const std::optional<QString> &value);
    bool isConfirmed() const;

private:
    void refresh();
    QString m_id;
    std::optional<QString> m_value;
    std::optional<QString> m_help;
    CopyConfirmation &m_copied;
};

// A menu entry that copies a text; hidden without a value.
class CopyMenuItem final : public QAction {
    Q_OBJECT
public:
    CopyMenuItem(const QString &id, const std::optional<QString> &value, const std::optional<QString> &title,
                 CopyConfirmation &copied, QObject *parent = nullptr);

private:
    QString m_id;
    std::optional<QString> m_value;
    CopyConfirmation &m_copied;
};

} // namespace Brindlewick
