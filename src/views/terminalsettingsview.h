#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace Brindlewick {

// The "terminal" preferences page: colour theme, text and background colours, behaviour switches
// and the Remote Control default for new sessions. Every colour change reaches all running
// terminals at once. GUI thread.
class TerminalSettingsView final : public QWidget {
    Q_OBJECT
public:
    explicit TerminalSettingsView(QWidget *parent = nullptr);

    QComboBox *themePicker() const { return m_theme; }
    QPushButton *resetButton() const { return m_reset; }
    QCheckBox *dimUnfocused() const { return m_dim; }
    QCheckBox *copyOnSelect() const { return m_copy; }
    QCheckBox *remoteControl() const { return m_remote; }
    // Stores a colour (0xRRGGBB) under its key and pushes both colours to the terminals.
    void setColor(bool foreground, quint32 rgb);
    void chooseTheme(const QString &id);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void refreshColors();
    void pushColors();
    void pickColor(bool foreground);

    QGroupBox *m_themeBox, *m_colorBox, *m_behaviourBox, *m_launchBox;
    QLabel *m_themeLabel, *m_themeFooter, *m_fgLabel, *m_bgLabel, *m_preview, *m_previewTitle, *m_colorFooter,
        *m_behaviourFooter, *m_launchFooter;
    QComboBox *m_theme;
    QPushButton *m_fg, *m_bg, *m_reset;
    QCheckBox *m_dim, *m_copy, *m_remote;
};

} // namespace Brindlewick
