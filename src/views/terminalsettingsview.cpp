#include "views/terminalsettingsview.h"

#include "services/localization.h"
#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "services/terminaltheme.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Brindlewick {

namespace {

const QString foregroundKey = QStringLiteral("terminal.color.foreground");
const QString backgroundKey = QStringLiteral("terminal.color.background");
const QString themeKey = QStringLiteral("terminal.theme.id");

quint32 stored(const QString &key, quint32 fallback) {
    return TerminalTheme::rgb(Preferences::value(key).toString(), fallback);
}

QString css(quint32 rgb) {
    return QLatin1Char('#') + TerminalTheme::hex(rgb);
}

QLabel *footer(QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setEnabled(false); // the secondary text colour
    return label;
}

} // namespace

TerminalSettingsView::TerminalSettingsView(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("terminalSettings"));
    setMinimumWidth(480);
    // The page scrolls: its footers are long, the preferences window is not.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto *content = new QWidget(scroll);
    scroll->setWidget(content);
    auto *layout = new QVBoxLayout(content);

    m_themeBox = new QGroupBox(this);
    auto *themeForm = new QFormLayout(m_themeBox);
    m_themeLabel = new QLabel(m_themeBox);
    m_theme = new QComboBox(m_themeBox);
    m_theme->setObjectName(QStringLiteral("terminalTheme"));
    for (const TerminalTheme &theme : TerminalTheme::presets())
        m_theme->addItem(QString(), theme.id);
    themeForm->addRow(m_themeLabel, m_theme);
    m_themeFooter = footer(m_themeBox);
    themeForm->addRow(m_themeFooter);
    layout->addWidget(m_themeBox);

    m_colorBox = new QGroupBox(this);
    auto *colorForm = new QFormLayout(m_colorBox);
    m_fgLabel = new QLabel(m_colorBox);
    m_bgLabel = new QLabel(m_colorBox);
    m_fg = new QPushButton(m_colorBox);
    m_fg->setObjectName(QStringLiteral("terminalForeground"));
    m_bg = new QPushButton(m_colorBox);
    m_bg->setObjectName(QStringLiteral("terminalBackground"));
    colorForm->addRow(m_fgLabel, m_fg);
    colorForm->addRow(m_bgLabel, m_bg);
    m_reset = new QPushButton(m_colorBox);
    m_reset->setObjectName(QStringLiteral("terminalColorsReset"));
    colorForm->addRow(m_reset);
    m_previewTitle = new QLabel(m_colorBox);
    m_preview = new QLabel(m_colorBox);
    m_preview->setObjectName(QStringLiteral("terminalColorPreview"));
    m_preview->setMargin(8);
    colorForm->addRow(m_previewTitle);
    colorForm->addRow(m_preview);
    m_colorFooter = footer(m_colorBox);
    colorForm->addRow(m_colorFooter);
    layout->addWidget(m_colorBox);

    m_behaviourBox = new QGroupBox(this);
    auto *behaviour = new QVBoxLayout(m_behaviourBox);
    m_dim = new QCheckBox(m_behaviourBox);
    m_dim->setObjectName(QStringLiteral("dimUnfocused"));
    m_copy = new QCheckBox(m_behaviourBox);
    m_copy->setObjectName(QStringLiteral("copyOnSelect"));
    behaviour->addWidget(m_dim);
    behaviour->addWidget(m_copy);
    m_behaviourFooter = footer(m_behaviourBox);
    behaviour->addWidget(m_behaviourFooter);
    layout->addWidget(m_behaviourBox);

    m_launchBox = new QGroupBox(this);
    auto *launch = new QVBoxLayout(m_launchBox);
    m_remote = new QCheckBox(m_launchBox);
    m_remote->setObjectName(QStringLiteral("remoteControlDefault"));
    launch->addWidget(m_remote);
    m_launchFooter = footer(m_launchBox);
    launch->addWidget(m_launchFooter);
    layout->addWidget(m_launchBox);
    layout->addStretch();

    // A stored id that is no preset shows (and behaves as) the default theme.
    const QString themeID =
        TerminalTheme::preset(Preferences::value(themeKey, QStringLiteral("default")).toString()).id;
    m_theme->setCurrentIndex(m_theme->findData(themeID));
    m_dim->setChecked(Preferences::boolValue(QStringLiteral("terminal.behavior.dimUnfocused"), true));
    m_copy->setChecked(Preferences::boolValue(QStringLiteral("terminal.behavior.copyOnSelect"), true));
    m_remote->setChecked(Preferences::boolValue(QStringLiteral("session.launch.remoteControl"), false));

    connect(m_theme, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { chooseTheme(m_theme->itemData(index).toString()); });
    connect(m_reset, &QPushButton::clicked, this, [this] { chooseTheme(QStringLiteral("default")); });
    connect(m_fg, &QPushButton::clicked, this, [this] { pickColor(true); });
    connect(m_bg, &QPushButton::clicked, this, [this] { pickColor(false); });
    connect(m_dim, &QCheckBox::toggled, this,
            [](bool on) { Preferences::setValue(QStringLiteral("terminal.behavior.dimUnfocused"), on); });
    connect(m_copy, &QCheckBox::toggled, this,
            [](bool on) { Preferences::setValue(QStringLiteral("terminal.behavior.copyOnSelect"), on); });
    connect(m_remote, &QCheckBox::toggled, this,
            [](bool on) { Preferences::setValue(QStringLiteral("session.launch.remoteControl"), on); });
    retranslate();
    refreshColors();
}

void TerminalSettingsView::chooseTheme(const QString &id) {
    const TerminalTheme &theme = TerminalTheme::preset(id);
    Preferences::setValue(themeKey, theme.id);
    Preferences::setValue(foregroundKey, theme.foreground);
    Preferences::setValue(backgroundKey, theme.background);
    m_theme->setCurrentIndex(m_theme->findData(theme.id));
    SessionProcessManager::shared().applyTerminalPalette(theme.palette());
    pushColors();
}

void TerminalSettingsView::setColor(bool foreground, quint32 rgb) {
    Preferences::setValue(foreground ? foregroundKey : backgroundKey, TerminalTheme::hex(rgb));
    pushColors();
}

void TerminalSettingsView::pickColor(bool foreground) {
    const quint32 current = foreground ? stored(foregroundKey, 0xFFFFFF) : stored(backgroundKey, 0x1E1E1E);
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(current), this,
                                                 // clang-format off
                                                 foreground ? L("文字色（前景）") : L("背景色"));
    // clang-format on
    if (chosen.isValid())
        setColor(foreground, chosen.toRgb().rgb() & 0xFFFFFFu);
}

void TerminalSettingsView::pushColors() {
    SessionProcessManager::shared().applyTerminalColors(stored(foregroundKey, 0xFFFFFF),
                                                        stored(backgroundKey, 0x1E1E1E));
    refreshColors();
}

void TerminalSettingsView::refreshColors() {
    const quint32 fg = stored(foregroundKey, 0xFFFFFF);
    const quint32 bg = stored(backgroundKey, 0x1E1E1E);
    auto swatch = [](QPushButton *button, quint32 rgb) {
        button->setText(css(rgb));
        button->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; }")
                                  .arg(css(rgb), QColor::fromRgb(rgb).lightness() > 128
                                                     ? QStringLiteral("#000000")
                                                     : QStringLiteral("#FFFFFF")));
    };
    swatch(m_fg, fg);
    swatch(m_bg, bg);
    m_preview->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; font-family: monospace; }")
                                 .arg(css(bg), css(fg)));
}

void TerminalSettingsView::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TerminalSettingsView::retranslate() {
    m_themeBox->setTitle(L("カラーテーマ"));
    m_themeLabel->setText(L("テーマ"));
    for (int i = 0; i < m_theme->count(); ++i) {
        const TerminalTheme &theme = TerminalTheme::preset(m_theme->itemData(i).toString());
        m_theme->setItemText(i, theme.id == QLatin1String("default") ? L(theme.name.toUtf8().constData())
                                                                     : theme.name);
    }
    // clang-format off
    m_themeFooter->setText(L("前景・背景色と ANSI 16 色パレットを一括で切り替えます。選択後に下の文字色・背景色で微調整もできます。"));
    // clang-format on
    m_colorBox->setTitle(L("ターミナルの色"));
    m_fgLabel->setText(L("文字色（前景）"));
    m_bgLabel->setText(L("背景色"));
    m_reset->setText(L("既定（白文字／暗背景）に戻す"));
    m_previewTitle->setText(L("ターミナル色のプレビュー"));
    m_preview->setText(L("● claude: 応答テキスト abc 0123"));
    // clang-format off
    m_colorFooter->setText(L("claude の返答など端末の文字色です。暗い背景で読みにくい場合は文字色を明るく（白く）してください。"));
    // clang-format on
    m_behaviourBox->setTitle(L("ターミナルの挙動"));
    m_dim->setText(L("未フォーカスのセッションを暗くする"));
    m_copy->setText(L("選択でクリップボードへコピー"));
    // clang-format off
    m_behaviourFooter->setText(L("「未フォーカスを暗く」はいま操作していないセッション窓を薄く表示し、どれが手番か分かりやすくします。「選択でコピー」はドラッグ選択した瞬間にクリップボードへ入れます（Ctrl+Shift+C のコピーは設定に関係なく使えます）。"));
    // clang-format on
    m_launchBox->setTitle(L("セッションの起動"));
    m_remote->setText(L("新規セッションで Remote Control を有効にする"));
    // clang-format off
    m_launchFooter->setText(L("オンにすると、セッション起動時の Remote Control スイッチが最初からオンになり、claude は --remote-control 付きで起動します。同じセッションを Claude の Web アプリ、スマートフォンアプリ、Claude Desktop から続けられます。スイッチは起動前にセッションごとに変更できます。\n\nclaude はこのコンピューター上で動き続け、リモートの画面はその窓にすぎません。スリープやシャットダウンでセッションは止まります（復帰すると再接続します）。Claude の Web サービスへのログインと有料プラン（Pro / Max など）が必要で、オンの間は同期のため会話が Anthropic 側に保存されます。"));
    // clang-format on
}

} // namespace Brindlewick
