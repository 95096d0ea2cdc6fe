// Fonts: the stored family and size become concrete fonts (with their fall-backs), the terminal
// menu zooms every open terminal at once, the font page lists and applies families, and the
// symbols the Claude Code CLI prints keep the terminal's cells on their grid.
#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "support/terminalhome.h"
#include "views/appactions.h"
#include "views/fontsettings.h"
#include "views/fontsettingspage.h"
#include "views/sessionterminalview.h"
#include "views/terminalsymbolsfont.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QTest>

using namespace Brindlewick;
using Role = FontSettings::Role;

namespace {

const QString monoFamily = QStringLiteral("font.monospace.family");
const QString monoSize = QStringLiteral("font.monospace.size");
const QString bodyFamily = QStringLiteral("font.body.family");
const QString bodySize = QStringLiteral("font.body.size");

void clearFontPreferences() {
    for (const QString &key : {monoFamily, monoSize, bodyFamily, bodySize})
        Preferences::remove(key);
}

// One text row of the terminal: the pixel columns of the band between two blank pixel rows.
struct Band {
    int top = 0, bottom = 0;
};

QVector<Band> inkBands(const QImage &image, QRgb background) {
    QVector<Band> bands;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != background;
        if (ink && !inBand)
            bands.push_back({y, y});
        if (ink)
            bands.back().bottom = y;
        inBand = ink;
    }
    return bands;
}

// Whether pixel column x of the text row starting at `top` equals the same column `dy` pixels
// lower (the twin row).
bool sameColumn(const QImage &image, int x, int top, int height, int dy) {
    for (int y = top; y < top + height; ++y) {
        if (y + dy >= image.height() || image.pixel(x, y) != image.pixel(x, y + dy))
            return false;
    }
    return true;
}

} // namespace

class TestFontSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<BrindlewickTest::TerminalHome> m_home;
    QTemporaryDir m_work;
    SessionProcessManager &pm() { return SessionProcessManager::shared(); }

    // A terminal that prints the given lines and then waits; rendered at a known size.
    std::unique_ptr<SessionTerminalView> printingTerminal(const QStringList &lines) {
        auto view = std::make_unique<SessionTerminalView>();
        TerminalAppearance appearance;
        appearance.fontFamily = FontSettings::currentFont(Role::monospace).family();
        appearance.fontSize = FontSettings::currentFont(Role::monospace).pointSizeF();
        appearance.foreground = 0xFFFFFF;
        appearance.background = 0x000000;
        view->applyAppearance(appearance);
        view->resize(900, 300);
        view->setScrollBarPosition(QTermWidget::NoScrollBar);
        QString script = QStringLiteral("printf '\\033[?25l'; ");
        for (const QString &line : lines)
            script += QStringLiteral("printf '%s\\n\\n' '") + line + QStringLiteral("'; ");
        script += QStringLiteral("exec sleep 30");
        view->startProcess({QStringLiteral("/bin/sh"),
                            {QStringLiteral("/bin/sh"), QStringLiteral("-c"), script},
                            m_work.path()});
        view->show();
        return view;
    }

    // The pixel columns where the row with symbols differs from its ASCII twin, and whether the
    // ASCII text at the end of both rows sits on the same pixels.
    struct Alignment {
        int differingColumns = 0;
        bool tailMatches = false;
        int cellWidth = 0;
    };
    Alignment compareRows(SessionTerminalView &view, const QString &fileName) {
        Alignment result;
        QImage image;
        QVector<Band> bands;
        // Wait until both rows are drawn.
        const bool drawn = QTest::qWaitFor(
            [&] {
                image = view.display()->grab().toImage().convertToFormat(QImage::Format_RGB32);
                return inkBands(image, qRgb(0, 0, 0)).size() >= 2;
            },
            10000);
        if (!drawn) {
            image.save(QStringLiteral(BW_BINARY_DIR "/tests/") + fileName);
            return result;
        }
        QTest::qWait(100);
        image = view.display()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bands = inkBands(image, qRgb(0, 0, 0));
        image.save(QStringLiteral(BW_BINARY_DIR "/tests/") + fileName);
        if (bands.size() < 2)
            return result;
        const QFont font = view.getTerminalFont();
        result.cellWidth = QFontMetrics(font).horizontalAdvance(QLatin1Char('M'));
        // The twin row is two lines lower; the exact line height is the one that matches best.
        const int lineHeight = QFontMetrics(font).height();
        // The symbol row is the first line, the blank line below it belongs to it.
        const int top = 0;
        const int height = 2 * lineHeight;
        auto differing = [&](int dy) {
            int count = 0;
            for (int x = 0; x < image.width(); ++x)
                count += sameColumn(image, x, top, height, dy) ? 0 : 1;
            return count;
        };
        int dy = 2 * lineHeight;
        result.differingColumns = differing(dy);
        for (int d = 2 * lineHeight - 4; d <= 2 * lineHeight + 4; ++d) {
            if (const int c = differing(d); c < result.differingColumns) {
                result.differingColumns = c;
                dy = d;
            }
        }
        int lastInk = 0;
        for (int x = 0; x < image.width(); ++x)
            for (int y = bands[1].top; y <= bands[1].bottom; ++y)
                if (image.pixel(x, y) != qRgb(0, 0, 0))
                    lastInk = x;
        result.tailMatches = true;
        for (int x = lastInk - 3 * result.cellWidth; x <= lastInk; ++x)
            result.tailMatches = result.tailMatches && sameColumn(image, x, top, height, dy);
        return result;
    }

private Q_SLOTS:
    void initTestCase() {
        m_home = std::make_unique<BrindlewickTest::TerminalHome>();
        SessionTerminalView::installFactory();
    }
    void init() { clearFontPreferences(); }
    void cleanup() {
        pm().terminateAll();
        QVERIFY(pm().waitForTerminations(4000));
    }

    void storedSizesAreNormalised_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<double>("expected");
        QTest::newRow("no monospace size") << int(Role::monospace) << QVariant() << 12.0;
        QTest::newRow("no body size") << int(Role::body) << QVariant() << 13.0;
        QTest::newRow("200 is clamped") << int(Role::monospace) << QVariant(200) << 72.0;
        QTest::newRow("3 is raised") << int(Role::body) << QVariant(3) << 6.0;
        QTest::newRow("fraction kept") << int(Role::monospace) << QVariant(14.5) << 14.5;
        QTest::newRow("text holding a number")
            << int(Role::monospace) << QVariant(QStringLiteral("15")) << 15.0;
        QTest::newRow("text holding no number reads 0")
            << int(Role::monospace) << QVariant(QStringLiteral("big")) << 6.0;
        QTest::newRow("infinite: the role's default")
            << int(Role::body) << QVariant(QStringLiteral("inf")) << 13.0;
        QTest::newRow("not a number: the role's default")
            << int(Role::monospace) << QVariant(QStringLiteral("nan")) << 12.0;
    }
    void storedSizesAreNormalised() {
        QFETCH(int, role);
        QFETCH(QVariant, stored);
        QFETCH(double, expected);
        const Role r = Role(role);
        if (stored.isValid())
            Preferences::setValue(FontSettings::sizeKey(r), stored);
        QCOMPARE(FontSettings::storedSize(r), expected);
        QCOMPARE(FontSettings::currentFont(r).pointSizeF(), expected);
    }

    void familiesFallBackToTheSystemFont_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("expected"); // empty: the role's system font
        QTest::newRow("empty monospace") << int(Role::monospace) << QString() << QString();
        QTest::newRow("spaces only") << int(Role::monospace) << QStringLiteral("  \n ") << QString();
        QTest::newRow("not installed")
            << int(Role::monospace) << QStringLiteral("No Such Mono 9") << QString();
        QTest::newRow("installed, with spaces around")
            << int(Role::monospace) << QStringLiteral(" DejaVu Serif ") << QStringLiteral("DejaVu Serif");
        QTest::newRow("empty body") << int(Role::body) << QString() << QString();
        QTest::newRow("installed body")
            << int(Role::body) << QStringLiteral("DejaVu Sans Mono") << QStringLiteral("DejaVu Sans Mono");
    }
    void familiesFallBackToTheSystemFont() {
        QFETCH(int, role);
        QFETCH(QString, family);
        QFETCH(QString, expected);
        const Role r = Role(role);
        Preferences::setValue(FontSettings::familyKey(r), family);
        Preferences::setValue(FontSettings::sizeKey(r), 17);
        const QFont font = FontSettings::currentFont(r);
        QCOMPARE(font.pointSizeF(), 17.0);
        if (!expected.isEmpty()) {
            QCOMPARE(font.family(), expected);
            return;
        }
        QCOMPARE(font.family(), FontSettings::systemFont(r, 17).family());
        if (r == Role::monospace) {
            // "Monospace" itself is no fixed-pitch font here; the system font must be one.
            QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
            // A real family, not an alias: only a family's own substitutes join its fallback.
            QCOMPARE(font.family(), QFontInfo(font).family());
            QCOMPARE(font.weight(), int(QFont::Normal));
        }
    }

    void familyListsAndOptions() {
        const QStringList &all = FontSettings::availableFamilies();
        QVERIFY(all.contains(QStringLiteral("DejaVu Sans Mono")));
        QVERIFY(std::is_sorted(all.begin(), all.end(),
                               [](const QString &a, const QString &b) { return a.compare(b) < 0; }));
        QCOMPARE(&FontSettings::availableFamilies(), &all); // computed once

        const QStringList fixed = FontSettings::monospaceFamilies({QStringLiteral("DejaVu Serif"),
                                                                   QStringLiteral("DejaVu Sans Mono"),
                                                                   QStringLiteral("No Such Mono 9")});
        QCOMPARE(fixed, QStringList{QStringLiteral("DejaVu Sans Mono")});

        const QStringList list{QStringLiteral("A"), QStringLiteral("B")};
        QCOMPARE(FontSettings::familyOptions(list, QString()), list);
        QCOMPARE(FontSettings::familyOptions(list, QStringLiteral("B")), list);
        QCOMPARE(FontSettings::familyOptions(list, QStringLiteral("Gone")),
                 (QStringList{QStringLiteral("Gone"), QStringLiteral("A"), QStringLiteral("B")}));
    }

    // The menu's shortcuts reach the action while a terminal has the keyboard focus, and every
    // session terminal and aux shell takes the new size at once.
    void zoomReachesEveryTerminal() {
        const QUuid session = QUuid::createUuid();
        auto *first =
            dynamic_cast<SessionTerminalView *>(pm().terminalView(session, m_work.path(), false, false, {}));
        auto *aux = dynamic_cast<SessionTerminalView *>(
            pm().auxShellView(QUuid::createUuid(), session, m_work.path()));
        QVERIFY(first && aux);
        QMainWindow window;
        AppActions actions;
        actions.installMenuBar(&window);
        window.setCentralWidget(first);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->display()->setFocus();
        QTRY_VERIFY(first->display()->hasFocus());

        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            double expected;
        };
        const Step steps[] = {
            {Qt::Key_Equal, Qt::ControlModifier, 13}, // from no stored size
            {Qt::Key_Plus, Qt::ControlModifier, 14},  // "+" (Shift+= on X11)
            {Qt::Key_Minus, Qt::ControlModifier, 13},
            {Qt::Key_0, Qt::ControlModifier, 12},
        };
        for (const Step &step : steps) {
            QTest::keyClick(first->display(), step.key, step.modifiers);
            QCOMPARE(Preferences::value(monoSize).toDouble(), step.expected);
            QCOMPARE(first->getTerminalFont().pointSizeF(), step.expected);
            QCOMPARE(aux->getTerminalFont().pointSizeF(), step.expected);
        }
        QVERIFY(QFontInfo(first->getTerminalFont()).fixedPitch());

        Preferences::setValue(monoSize, 72);
        actions.zoomIn->trigger();
        QCOMPARE(Preferences::value(monoSize).toDouble(), 72.0);
        Preferences::setValue(monoSize, 6);
        actions.zoomOut->trigger();
        QCOMPARE(Preferences::value(monoSize).toDouble(), 6.0);
        QCOMPARE(aux->getTerminalFont().pointSizeF(), 6.0);
        window.takeCentralWidget();
    }

    void pageListsAndAppliesFamilies() {
        Preferences::setValue(monoFamily, QStringLiteral("No Such Mono 9"));
        auto *terminal = dynamic_cast<SessionTerminalView *>(
            pm().terminalView(QUuid::createUuid(), m_work.path(), false, false, {}));
        QVERIFY(terminal);
        FontSettingsPage page;
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(page.familiesReady(), 20000);
        QComboBox *picker = page.familyPicker(Role::monospace);
        const int installed = int(FontSettings::availableFamilies().size());

        // "System default", the stored family that is gone, then the fixed-pitch families.
        QCOMPARE(picker->itemData(0).toString(), QString());
        QCOMPARE(picker->itemData(1).toString(), QStringLiteral("No Such Mono 9"));
        QCOMPARE(picker->currentIndex(), 1);
        QVERIFY(picker->findData(QStringLiteral("DejaVu Sans Mono")) > 1);
        QCOMPARE(picker->findData(QStringLiteral("DejaVu Serif")), -1);
        QVERIFY(picker->count() < installed + 2);
        QCOMPARE(page.familyPicker(Role::body)->count(), installed + 1);

        page.monospaceOnly()->setChecked(false);
        QCOMPARE(picker->count(), installed + 2);
        QVERIFY(picker->findData(QStringLiteral("DejaVu Serif")) > 1);

        // Choosing a family and a size stores them and reaches the running terminal at once.
        const int serif = picker->findData(QStringLiteral("DejaVu Serif"));
        picker->setCurrentIndex(serif);
        Q_EMIT picker->activated(serif);
        page.sizeStepper(Role::monospace)->stepBy(3);
        QCOMPARE(Preferences::value(monoFamily).toString(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Preferences::value(monoSize).toInt(), 15);
        QCOMPARE(terminal->getTerminalFont().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(terminal->getTerminalFont().pointSizeF(), 15.0);
        QCOMPARE(page.previewFont(Role::monospace).family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(page.sizeStepper(Role::monospace)->text(), QStringLiteral("サイズ: 15 pt"));
        QCOMPARE(page.previewRow(Role::monospace)->accessibleName(),
                 QStringLiteral("モノスペースフォントのプレビュー"));
        QCOMPARE(page.previewRow(Role::monospace)->accessibleDescription(),
                 QStringLiteral("DejaVu Serif、15 pt"));
        QCOMPARE(page.previewRow(Role::body)->accessibleDescription(), QStringLiteral("システム既定、13 pt"));
        QCOMPARE(picker->accessibleName(), QStringLiteral("モノスペースのファミリー"));

        // Body changes are stored but leave the terminals alone.
        page.sizeStepper(Role::body)->setValue(20);
        QCOMPARE(Preferences::value(bodySize).toInt(), 20);
        QCOMPARE(page.previewFont(Role::body).pointSizeF(), 20.0);
        QCOMPARE(terminal->getTerminalFont().pointSizeF(), 15.0);
        page.resize(560, 520);
        QVERIFY(page.grab().save(QStringLiteral(BW_BINARY_DIR "/tests/font-settings.png")));
    }

    // The terminal draws a line in one run: a symbol from a font of another width would shift
    // every later cell. With the symbols font every ASCII cell after ⏺ ⎿ ✔ ❯ sits where it sits
    // in the same line with ASCII in their place.
    void symbolsKeepTheCellGrid_data() {
        QTest::addColumn<double>("size");
        QTest::newRow("12 pt") << 12.0;
        QTest::newRow("17 pt") << 17.0;
    }
    void symbolsKeepTheCellGrid() {
        QFETCH(double, size);
        Preferences::setValue(monoSize, size);
        auto view = printingTerminal({QStringLiteral("\u23FA Hello \u23BF world \u2714 \u276F abc 0123"),
                                      QStringLiteral("* Hello * world * * abc 0123")});
        const Alignment a = compareRows(*view, QStringLiteral("terminal-symbols-%1pt.png").arg(size));
        QVERIFY(a.cellWidth > 0);
        QVERIFY2(a.tailMatches, "the ASCII text after the symbols moved");
        // Only the four symbol cells differ.
        QVERIFY2(a.differingColumns <= 4 * a.cellWidth, qPrintable(QString::number(a.differingColumns)));
    }

    // Without the substitution the same comparison finds the shift: the check above can fail.
    void withoutTheSymbolsFontTheLineShifts() {
        const QStringList substitutes = QFont::substitutes(QStringLiteral("DejaVu Sans Mono"));
        QFont::removeSubstitutions(QStringLiteral("DejaVu Sans Mono"));
        Preferences::setValue(monoSize, 15); // a size no font engine of this run was made for
        auto view = printingTerminal({QStringLiteral("\u23FA Hello \u23BF world \u2714 \u276F abc 0123"),
                                      QStringLiteral("* Hello * world * * abc 0123")});
        const Alignment a = compareRows(*view, QStringLiteral("terminal-symbols-unfixed.png"));
        QFont::insertSubstitutions(QStringLiteral("DejaVu Sans Mono"), substitutes);
        QVERIFY(!a.tailMatches);
    }
};

QTEST_MAIN(TestFontSettings)
#include "tst_fontsettings.moc"
