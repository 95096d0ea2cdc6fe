#include "views/fontsettingspage.h"

#include "services/localization.h"
#include "services/preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Brindlewick {

namespace {

using Role = FontSettings::Role;

// A one-line text cut at the tail with an ellipsis when it does not fit.
class ElidedLabel final : public QLabel {
public:
    using QLabel::QLabel;
    // Room for glyphs of fallback fonts (Japanese in the body sample), which are taller than the
    // chosen font's own line.
    QSize sizeHint() const override {
        return {QLabel::sizeHint().width(), int(std::ceil(fontMetrics().height() * 1.4))};
    }
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setFont(font());
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

// The part of a slice's time budget spent testing families, so the page never holds the GUI
// thread for more than about a frame at a time.
constexpr qint64 sliceBudgetMs = 8;

const char *const monospaceSample = "let vellum = Brindlewick() // 0123 illO";
const char *const bodySample = "本文のプレビュー Body preview 0123";

} // namespace

FontSettingsPage::FontSettingsPage(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("fontSettings"));
    setMinimumWidth(480);
    auto *layout = new QVBoxLayout(this);
    buildSection(m_mono, Role::monospace, this);
    buildSection(m_body, Role::body, this);
    layout->addWidget(m_mono.box);
    layout->addWidget(m_body.box);
    layout->addStretch();

    m_monoOnly->setChecked(true);
    connect(m_monoOnly, &QCheckBox::toggled, this, [this] { fillPicker(Role::monospace); });
    readPreferences();
    retranslate();
}

void FontSettingsPage::buildSection(Section &s, Role role, QWidget *parent) {
    const bool mono = role == Role::monospace;
    s.box = new QGroupBox(parent);
    auto *form = new QFormLayout(s.box);
    if (mono) {
        m_monoOnly = new QCheckBox(s.box);
        m_monoOnly->setObjectName(QStringLiteral("monospaceOnly"));
        form->addRow(m_monoOnly);
    }
    s.familyLabel = new QLabel(s.box);
    s.family = new QComboBox(s.box);
    s.family->setObjectName(mono ? QStringLiteral("monospaceFamily") : QStringLiteral("bodyFamily"));
    s.family->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    s.family->setMinimumContentsLength(20);
    form->addRow(s.familyLabel, s.family);
    s.size = new QSpinBox(s.box);
    s.size->setObjectName(mono ? QStringLiteral("monospaceSize") : QStringLiteral("bodySize"));
    s.size->setRange(int(FontSettings::minimumSize), int(FontSettings::maximumSize));
    s.size->setSingleStep(1);
    form->addRow(s.size);

    s.previewRow = new QWidget(s.box);
    s.previewRow->setObjectName(mono ? QStringLiteral("monospacePreview") : QStringLiteral("bodyPreview"));
    auto *row = new QHBoxLayout(s.previewRow);
    row->setContentsMargins(0, 0, 0, 0);
    s.roleLabel = new QLabel(s.previewRow);
    s.roleLabel->setEnabled(false); // the secondary text colour
    s.preview = new ElidedLabel(s.previewRow);
    s.preview->setText(QString::fromUtf8(mono ? monospaceSample : bodySample));
    s.preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    row->addWidget(s.roleLabel);
    row->addWidget(s.preview, 1);
    form->addRow(s.previewRow);

    connect(s.family, qOverload<int>(&QComboBox::activated), this,
            [this, role](int index) { familyChosen(role, index); });
    connect(s.size, qOverload<int>(&QSpinBox::valueChanged), this,
            [this, role](int size) { sizeChosen(role, size); });
}

void FontSettingsPage::readPreferences() {
    for (Role role : {Role::monospace, Role::body}) {
        Section &s = section(role);
        const QSignalBlocker blocker(s.size);
        s.size->setValue(int(std::lround(FontSettings::storedSize(role))));
        fillPicker(role);
    }
}

void FontSettingsPage::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    readPreferences(); // the terminal menu may have changed the size meanwhile
    startLoadingFamilies();
}

void FontSettingsPage::startLoadingFamilies() {
    if (m_loading || m_ready)
        return;
    m_loading = true;
    m_allFamilies = FontSettings::availableFamilies();
    fillPicker(Role::body);
    QTimer::singleShot(0, this, &FontSettingsPage::loadSlice);
}

void FontSettingsPage::loadSlice() {
    QElapsedTimer clock;
    clock.start();
    QStringList fixed;
    while (m_nextFamily < m_allFamilies.size() && clock.elapsed() < sliceBudgetMs) {
        fixed += FontSettings::monospaceFamilies({m_allFamilies.at(m_nextFamily)});
        ++m_nextFamily;
    }
    m_monospaceFamilies += fixed;
    if (m_nextFamily < m_allFamilies.size()) {
        QTimer::singleShot(0, this, &FontSettingsPage::loadSlice);
        return;
    }
    // Sorted like monospaceFamilies sorts its whole result.
    std::sort(m_monospaceFamilies.begin(), m_monospaceFamilies.end(),
              [](const QString &a, const QString &b) { return a.compare(b) < 0; });
    m_loading = false;
    m_ready = true;
    fillPicker(Role::monospace);
    Q_EMIT familiesLoaded();
}

void FontSettingsPage::fillPicker(Role role) {
    Section &s = section(role);
    const QString current = FontSettings::storedFamily(role).trimmed();
    const QStringList &list =
        role == Role::monospace && m_monoOnly->isChecked() ? m_monospaceFamilies : m_allFamilies;
    const QSignalBlocker blocker(s.family);
    s.family->clear();
    s.family->addItem(L("システム既定"), QString());
    for (const QString &family : FontSettings::familyOptions(list, current))
        s.family->addItem(family, family);
    s.family->setCurrentIndex(std::max(0, s.family->findData(current)));
    refreshPreview(role);
}

void FontSettingsPage::familyChosen(Role role, int index) {
    Preferences::setValue(FontSettings::familyKey(role), section(role).family->itemData(index).toString());
    if (role == Role::monospace)
        FontSettings::applyMonospaceToTerminals();
    refreshPreview(role);
}

void FontSettingsPage::sizeChosen(Role role, int size) {
    Preferences::setValue(FontSettings::sizeKey(role), size);
    if (role == Role::monospace)
        FontSettings::applyMonospaceToTerminals();
    refreshPreview(role);
}

QFont FontSettingsPage::previewFont(Role role) const {
    const Section &s = section(role);
    return FontSettings::font(role, s.family->currentData().toString(), s.size->value());
}

void FontSettingsPage::refreshPreview(Role role) {
    Section &s = section(role);
    s.preview->setFont(previewFont(role));
    s.preview->updateGeometry();
    const QString family = s.family->currentData().toString();
    const QString shownFamily = FontSettings::shouldUseFamily(family, FontSettings::availableFamilies())
                                    ? family.trimmed()
                                    : L("システム既定");
    s.previewRow->setAccessibleName(s.roleLabel->text() + L("フォントのプレビュー"));
    s.previewRow->setAccessibleDescription(L("%@、%lld pt", shownFamily, qlonglong(s.size->value())));
    s.preview->update();
}

void FontSettingsPage::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FontSettingsPage::retranslate() {
    m_mono.box->setTitle(L("モノスペース（ターミナル・コード・コードブロック）"));
    m_body.box->setTitle(L("本文（Markdown 地の文・メモ）"));
    m_monoOnly->setText(L("等幅フォントのみ表示"));
    m_mono.family->setAccessibleName(L("モノスペースのファミリー"));
    m_body.family->setAccessibleName(L("本文のファミリー"));
    m_mono.roleLabel->setText(L("モノスペース"));
    m_body.roleLabel->setText(L("本文"));
    // The stepper's text around the number comes from one key, so a translation may move it.
    const QString sizeText = L("サイズ: %lld pt");
    const qsizetype at = sizeText.indexOf(QLatin1String("%lld"));
    for (Section *s : {&m_mono, &m_body}) {
        s->familyLabel->setText(L("ファミリー"));
        s->size->setPrefix(at < 0 ? sizeText : sizeText.left(at));
        s->size->setSuffix(at < 0 ? QString() : sizeText.mid(at + 4));
        if (s->family->count() > 0)
            s->family->setItemText(0, L("システム既定"));
    }
    refreshPreview(Role::monospace);
    refreshPreview(Role::body);
}

} // namespace Brindlewick
