#pragma once

#include "views/fontsettings.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace Brindlewick {

// The "fonts" preferences page: family and size of the monospace and the body font with a live
// preview. Monospace changes reach every running terminal at once. The family lists are built the
// first time the page is shown, in short slices so the window stays responsive. GUI thread.
class FontSettingsPage final : public QWidget {
    Q_OBJECT
public:
    explicit FontSettingsPage(QWidget *parent = nullptr);

    QCheckBox *monospaceOnly() const { return m_monoOnly; }
    QComboBox *familyPicker(FontSettings::Role role) const { return section(role).family; }
    QSpinBox *sizeStepper(FontSettings::Role role) const { return section(role).size; }
    QWidget *previewRow(FontSettings::Role role) const { return section(role).previewRow; }
    QLabel *preview(FontSettings::Role role) const { return section(role).preview; }
    bool familiesReady() const { return m_ready; }
    // The font the preview of the role shows, from the page's current values.
    QFont previewFont(FontSettings::Role role) const;

Q_SIGNALS:
    void familiesLoaded();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Section {
        QGroupBox *box = nullptr;
        QLabel *familyLabel = nullptr;
        QComboBox *family = nullptr;
        QSpinBox *size = nullptr;
        QWidget *previewRow = nullptr;
        QLabel *roleLabel = nullptr;
        QLabel *preview = nullptr;
    };
    const Section &section(FontSettings::Role role) const {
        return role == FontSettings::Role::monospace ? m_mono : m_body;
    }
    Section &section(FontSettings::Role role) {
        return role == FontSettings::Role::monospace ? m_mono : m_body;
    }
    void buildSection(Section &s, FontSettings::Role role, QWidget *parent);
    void startLoadingFamilies();
    void loadSlice();
    void fillPicker(FontSettings::Role role);
    void familyChosen(FontSettings::Role role, int index);
    void sizeChosen(FontSettings::Role role, int size);
    void readPreferences();
    void refreshPreview(FontSettings::Role role);
    void retranslate();

    Section m_mono, m_body;
    QCheckBox *m_monoOnly = nullptr;
    QStringList m_allFamilies;
    QStringList m_monospaceFamilies;
    int m_nextFamily = 0;
    bool m_loading = false;
    bool m_ready = false;
};

} // namespace Brindlewick
