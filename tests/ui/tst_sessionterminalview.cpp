// The terminal view's own keys and selection handling, against the fake claude, which records
// every byte that reaches it.
#include "services/preferences.h"
#include "services/sessionprocessmanager.h"
#include "support/terminalhome.h"
#include "views/sessionterminalview.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QTest>

#include <signal.h>

using namespace Brindlewick;
using BrindlewickTest::TerminalHome;

class TestSessionTerminalView : public QObject {
    Q_OBJECT
    std::unique_ptr<TerminalHome> m_home;
    QTemporaryDir m_work;
    SessionProcessManager &pm() { return SessionProcessManager::shared(); }

    SessionTerminalView *start() {
        auto *view = dynamic_cast<SessionTerminalView *>(
            pm().terminalView(QUuid::createUuid(), m_work.path(), false, false, std::nullopt));
        view->show();
        view->activateWindow();
        view->display()->setFocus();
        [&] {
            QVERIFY(QTest::qWaitForWindowActive(view));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_home->fakeRun(1, QStringLiteral("input"))), 10000);
        }();
        QTest::qWait(200); // the fake has switched its terminal to unbuffered input
        return view;
    }
    QByteArray input() const {
        return BrindlewickTest::readFile(m_home->fakeRun(1, QStringLiteral("input")));
    }

private Q_SLOTS:
    void initTestCase() {
        m_home = std::make_unique<TerminalHome>();
        SessionTerminalView::installFactory();
    }
    void init() { m_home->clearRuns(); }
    void cleanup() {
        pm().terminateAll();
        QVERIFY(pm().waitForTerminations(4000));
        Preferences::remove(QStringLiteral("terminal.behavior.copyOnSelect"));
    }

    void lineBreakInsteadOfSubmit_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Shift+Return, no keyboard protocol")
            << "stay" << int(Qt::ShiftModifier) << int(Qt::Key_Return) << QByteArray("\n");
        QTest::newRow("Ctrl+Return") << "stay" << int(Qt::ControlModifier) << int(Qt::Key_Return)
                                     << QByteArray("\n");
        QTest::newRow("Shift+Enter on the keypad") << "stay" << int(Qt::ShiftModifier | Qt::KeypadModifier)
                                                   << int(Qt::Key_Enter) << QByteArray("\n");
        QTest::newRow("Shift+Return with the protocol on")
            << "kitty" << int(Qt::ShiftModifier) << int(Qt::Key_Return) << QByteArray("\x1b[13;2u");
        QTest::newRow("plain Return submits")
            << "stay" << int(Qt::NoModifier) << int(Qt::Key_Return) << QByteArray("\r");
    }
    void lineBreakInsteadOfSubmit() {
        QFETCH(QString, mode);
        QFETCH(int, modifiers);
        QFETCH(int, key);
        QFETCH(QByteArray, expected);
        m_home->setFakeClaudeMode(mode);
        SessionTerminalView *view = start();
        if (mode == QLatin1String("kitty"))
            QTRY_COMPARE(view->modes().keyboardFlags(), 1);
        QTest::keyClick(view->display(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_COMPARE(input(), expected);
        QTest::qWait(100);
        QCOMPARE(input(), expected); // one sequence, nothing more
    }

    void copyOnSelect_data() {
        QTest::addColumn<QVariant>("preference");
        QTest::addColumn<bool>("copied");
        QTest::newRow("never set: copies") << QVariant() << true;
        QTest::newRow("on") << QVariant(true) << true;
        QTest::newRow("off") << QVariant(false) << false;
    }
    void copyOnSelect() {
        QFETCH(QVariant, preference);
        QFETCH(bool, copied);
        if (preference.isValid())
            Preferences::setValue(QStringLiteral("terminal.behavior.copyOnSelect"), preference);
        SessionTerminalView *view = start();
        QApplication::clipboard()->setText(QStringLiteral("before"));
        // Drag across the first line ("fake claude 1 (stay)").
        QWidget *display = view->display();
        const int y = QFontMetrics(view->getTerminalFont()).height() / 2 + 2;
        auto send = [display](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, at, display->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(display, &e);
        };
        send(QEvent::MouseButtonPress, QPoint(3, y), Qt::LeftButton);
        send(QEvent::MouseMove, QPoint(60, y), Qt::LeftButton);
        send(QEvent::MouseMove, QPoint(120, y), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, QPoint(120, y), Qt::NoButton);
        QVERIFY(view->selectedText().startsWith(QStringLiteral("fake")));
        if (copied)
            QTRY_VERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("fake")));
        else {
            QTest::qWait(100);
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        }
    }

    void ctrlShiftVPastesCtrlShiftCCopies() {
        SessionTerminalView *view = start();
        QApplication::clipboard()->setText(QStringLiteral("pasted text"));
        QTest::keyClick(view->display(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(input(), QByteArray("pasted text"));
        view->setSelectionStart(0, 0);
        view->setSelectionEnd(0, 3);
        QApplication::clipboard()->clear();
        QTest::keyClick(view->display(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(QApplication::clipboard()->text(), QStringLiteral("fake"));
        QCOMPARE(input(), QByteArray("pasted text")); // no ^C or ^V reached the program
    }

    // The scroll-back moves to its file at rest and keeps every line; a flood brings it back into
    // memory, and the next rest leaves the last 10,000 lines in a new file.
    void scrollbackRestsInItsFile() {
        auto view = std::make_unique<SessionTerminalView>();
        view->setScrollbackRestInterval(300);
        view->resize(640, 400);
        view->show();
        QVERIFY(view->startProcess({QStringLiteral("/bin/sh"),
                                    {QStringLiteral("sh"), QStringLiteral("-c"),
                                     QStringLiteral("seq 1 3000; read x; seq 1 300000; sleep 60")},
                                    m_work.path()}));
        QTRY_VERIFY_WITH_TIMEOUT(view->historyLinesCount() > 2950, 10000);
        const int lines = view->historyLinesCount();
        auto history = [&view] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            view->saveHistory(&buffer);
            return QString::fromUtf8(buffer.data());
        };
        const QString inMemory = history();
        QVERIFY(inMemory.startsWith(QStringLiteral("1\n2\n")));

        // A selection holds the lines where they are.
        view->setSelectionStart(0, 0);
        view->setSelectionEnd(0, 2);
        QVERIFY(!view->selectedText(false).isEmpty());
        QTest::qWait(1000);
        QCOMPARE(view->scrollbackStore(), ScrollbackPolicy::Store::memory);
        QTest::mouseClick(view->display(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTRY_VERIFY(view->selectedText(false).isEmpty());

        QTRY_COMPARE_WITH_TIMEOUT(view->scrollbackStore(), ScrollbackPolicy::Store::file, 5000);
        QCOMPARE(view->historyLinesCount(), lines);
        QCOMPARE(history(), inMemory);

        view->sendInput(QStringLiteral("\n"));
        QTRY_VERIFY_WITH_TIMEOUT(history().contains(QStringLiteral("\n299000\n")), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(view->scrollbackStore(), ScrollbackPolicy::Store::file, 10000);
        QCOMPARE(view->historyLinesCount(), ScrollbackPolicy::defaultLimit);
        QVERIFY(!history().contains(QStringLiteral("\n3000\n")));
        ::kill(-pid_t(view->processID()), SIGKILL); // the shell leads its own process group
    }
};

QTEST_MAIN(TestSessionTerminalView)
#include "tst_sessionterminalview.moc"
