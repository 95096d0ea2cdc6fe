#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace Brindlewick {

class LocalizationManager;

// The general preferences page: the interface language.
class GeneralSettingsPage final : public QWidget {
    Q_OBJECT
public:
    explicit GeneralSettingsPage(LocalizationManager &localization, QWidget *parent = nullptr);

    QComboBox *languagePicker() const { return m_picker; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    LocalizationManager &m_localization;
    QLabel *m_label = nullptr;
    QComboBox *m_picker = nullptr;
    QLabel *m_caption = nullptr;
};

} // namespace Brindlewick
