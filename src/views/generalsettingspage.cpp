#include "views/generalsettingspage.h"

#include "services/localization.h"
#include "services/localizationmanager.h"
#include "views/textstyles.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace Brindlewick {

GeneralSettingsPage::GeneralSettingsPage(LocalizationManager &localization, QWidget *parent)
    : QWidget(parent), m_localization(localization)
{
    setObjectName(QStringLiteral("generalSettings"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 20);
    auto *group = new QGroupBox(this);
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    m_label = new QLabel(group);
    m_picker = new QComboBox(group);
    m_picker->setObjectName(QStringLiteral("languagePicker"));
    for (AppLanguage language : allAppLanguages)
        m_picker->addItem(displayName(language), rawValue(language));
    m_label->setBuddy(m_picker);
    form->addRow(m_label, m_picker);
    m_caption = new QLabel(group);
    m_caption->setWordWrap(true);
    QFont cf = m_caption->font();
    cf.setPointSizeF(cf.pointSizeF() * 0.9);
    m_caption->setFont(cf);
    makeSecondary(m_caption);
    form->addRow(m_caption);
    outer->addWidget(group);
    outer->addStretch();

    m_picker->setCurrentIndex(int(std::find(allAppLanguages.begin(), allAppLanguages.end(), localization.language()) -
                                  allAppLanguages.begin()));
    connect(m_picker, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        if (index >= 0 && index < int(allAppLanguages.size()))
            m_localization.setLanguage(allAppLanguages[size_t(index)]);
    });
    retranslate();
}

void GeneralSettingsPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void GeneralSettingsPage::retranslate()
{
    m_label->setText(L("表示言語"));
    m_picker->setItemText(0, displayName(AppLanguage::system));
    m_caption->setText(L("アプリ内の表示言語を切り替えます。「システムに従う」は OS の言語設定に従います。"));
}

} // namespace Brindlewick
