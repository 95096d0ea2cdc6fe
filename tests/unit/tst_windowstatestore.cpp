// The remembered windows: the file round trip, damaged files, and placing a window back onto the
// screens that exist now.
#include "persistence/windowstatestore.h"
#include "support/testsupport.h"

#include <QFileInfo>
#include <QTest>

using namespace Brindlewick;
using namespace BrindlewickTest;

Q_DECLARE_METATYPE(Brindlewick::RememberedWindow)

namespace {

// A window with openbox-like decorations: 1 px borders and a 22 px title bar.
RememberedWindow decorated(int x, int y, int width, int height) {
    const QRect client(x + 1, y + 23, width, height);
    return {client.marginsAdded(QMargins(1, 23, 1, 1)), client, false};
}

} // namespace

class TestWindowStateStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savesAndLoadsEveryWindow() {
        TempHome home;
        WindowState state;
        state.mainWindow = decorated(40, 30, 1200, 800);
        state.mainWindowOpen = false;
        state.mainWindowActive = true;
        state.sessionWindows.push_back({QUuid::createUuid(), decorated(100, 120, 700, 500)});
        RememberedWindow maximized = decorated(-20, 5, 900, 600);
        maximized.maximized = true;
        state.sessionWindows.push_back({QUuid::createUuid(), maximized});

        const WindowStateStore store(home.path() + QStringLiteral("/state/window-state.json"));
        QVERIFY(store.save(state).ok());
        QCOMPARE(store.load(), state);
        QCOMPARE(QFileInfo(store.path()).permissions() & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                              QFile::WriteUser),
                 QFile::Permissions());
    }

    void damagedFilesGiveTheEmptyState_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not json") << QByteArray("{\"version\":1, \"sessionWindows\": [");
        QTest::newRow("not an object") << QByteArray("[1,2,3]");
        QTest::newRow("unknown version") << QByteArray(R"({"version":2,"mainWindowOpen":false})");
        QTest::newRow("empty") << QByteArray();
    }
    void damagedFilesGiveTheEmptyState() {
        QFETCH(QByteArray, content);
        TempHome home;
        const WindowStateStore store(home.path() + QStringLiteral("/window-state.json"));
        QVERIFY(writeFile(store.path(), content));
        QCOMPARE(store.load(), WindowState{});
        QCOMPARE(WindowStateStore(home.path() + QStringLiteral("/missing.json")).load(), WindowState{});
    }

    void aBadEntryIsDroppedAlone() {
        const QUuid good = QUuid::createUuid();
        // Entries: a bad id, the good one, a size that is not a number, one without a client area.
        QByteArray json = "{\"version\":1,\"mainWindowOpen\":true,"
                          "\"mainWindow\":{\"frame\":[0,0,0,300],\"client\":[0,0,0,300]},"
                          "\"sessionWindows\":["
                          "{\"sessionID\":\"not-a-uuid\",\"frame\":[0,0,10,10],\"client\":[0,0,10,10]},"
                          "{\"sessionID\":\"GOOD\",\"frame\":[5,6,700,500],\"client\":[6,28,698,478]},"
                          "{\"sessionID\":\"OTHER\",\"frame\":[5,6,\"wide\",500],\"client\":[6,28,698,478]},"
                          "{\"sessionID\":\"OTHER\",\"frame\":[5,6,700,500]}]}";
        json.replace("GOOD", good.toString(QUuid::WithoutBraces).toUtf8());
        json.replace("OTHER", QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8());
        const auto state = WindowStateStore::decode(json);
        QVERIFY(state);
        QVERIFY(!state->mainWindow); // a zero width is no window
        QCOMPARE(state->sessionWindows.size(), 1);
        QCOMPARE(state->sessionWindows[0].sessionID, good);
        QCOMPARE(state->sessionWindows[0].window.frame, QRect(5, 6, 700, 500));
    }

    void placedOnScreens_data() {
        QTest::addColumn<RememberedWindow>("window");
        QTest::addColumn<QVector<QRect>>("screens");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("client");
        const QVector<QRect> one{QRect(0, 0, 1600, 1000)};
        const QVector<QRect> two{QRect(0, 0, 1600, 1000), QRect(1600, 0, 1280, 1024)};
        QTest::newRow("on screen stays") << decorated(100, 100, 800, 600) << one << QRect(100, 100, 802, 624)
                                         << QRect(101, 123, 800, 600);
        QTest::newRow("screen got smaller: moved back") << decorated(1900, 900, 800, 600) << one
                                                        << QRect(798, 376, 802, 624) << QRect(799, 399, 800, 600);
        QTest::newRow("above and left of the screen") << decorated(-300, -50, 800, 600) << one
                                                      << QRect(0, 0, 802, 624) << QRect(1, 23, 800, 600);
        QTest::newRow("larger than the screen: client shrinks, decorations stay")
            << decorated(10, 10, 2000, 1200) << one << QRect(0, 0, 1600, 1000) << QRect(1, 23, 1598, 976);
        QTest::newRow("second screen keeps it") << decorated(1700, 100, 800, 600) << two
                                                << QRect(1700, 100, 802, 624) << QRect(1701, 123, 800, 600);
        QTest::newRow("mostly on the second screen goes there")
            << decorated(1500, 500, 800, 600) << two << QRect(1600, 400, 802, 624) << QRect(1601, 423, 800, 600);
        QTest::newRow("second screen gone") << decorated(1700, 100, 800, 600) << one << QRect(798, 100, 802, 624)
                                            << QRect(799, 123, 800, 600);
    }
    void placedOnScreens() {
        QFETCH(RememberedWindow, window);
        QFETCH(QVector<QRect>, screens);
        QFETCH(QRect, frame);
        QFETCH(QRect, client);
        const RememberedWindow placed = WindowStateStore::placedOnScreens(window, screens);
        QCOMPARE(placed.frame, frame);
        QCOMPARE(placed.client, client);
    }
};

QTEST_GUILESS_MAIN(TestWindowStateStore)
#include "tst_windowstatestore.moc"
