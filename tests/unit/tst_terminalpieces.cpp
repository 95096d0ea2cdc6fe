#include "services/scrollbackpolicy.h"
#include "services/terminallinkpolicy.h"
#include "services/terminalmodetracker.h"
#include "services/terminaltheme.h"
#include "services/windowgridlayout.h"

#include <QtTest>

using namespace Brindlewick;

class TestTerminalPieces : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowGrid_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QVector<QRect>>("expected");
        const QRect area(0, 20, 1600, 900);
        QTest::newRow("none") << 0 << area << QVector<QRect>{};
        QTest::newRow("negative") << -2 << area << QVector<QRect>{};
        QTest::newRow("empty area") << 3 << QRect(0, 0, 0, 900) << QVector<QRect>{};
        QTest::newRow("one fills the area") << 1 << area << QVector<QRect>{area};
        QTest::newRow("four: 2 x 2") << 4 << area
                                     << QVector<QRect>{{0, 20, 800, 450},
                                                       {800, 20, 800, 450},
                                                       {0, 470, 800, 450},
                                                       {800, 470, 800, 450}};
        QTest::newRow("three: 2 columns, 2 rows, last cell empty")
            << 3 << area << QVector<QRect>{{0, 20, 800, 450}, {800, 20, 800, 450}, {0, 470, 800, 450}};
        QTest::newRow("five: 3 columns, 2 rows, two at the left of the bottom row")
            << 5 << QRect(10, 0, 900, 600)
            << QVector<QRect>{{10, 0, 300, 300},
                              {310, 0, 300, 300},
                              {610, 0, 300, 300},
                              {10, 300, 300, 300},
                              {310, 300, 300, 300}};
        QTest::newRow("uneven widths meet without gaps")
            << 3 << QRect(0, 0, 1001, 3) << QVector<QRect>{{0, 0, 501, 2}, {501, 0, 500, 2}, {0, 2, 501, 1}};
    }
    void windowGrid() {
        QFETCH(int, count);
        QFETCH(QRect, area);
        QFETCH(QVector<QRect>, expected);
        QCOMPARE(WindowGridLayout::frames(count, area), expected);
    }

    void modes_data() {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<int>("keyboard");
        using L = QList<QByteArray>;
        QTest::newRow("nothing") << L{"hello\r\n"} << false << 0;
        QTest::newRow("mouse on") << L{"\x1b[?1000h"} << true << 0;
        QTest::newRow("mouse on and encoding, several params") << L{"\x1b[?1002;1006h"} << true << 0;
        QTest::newRow("only the encoding is no tracking") << L{"\x1b[?1006h"} << false << 0;
        QTest::newRow("on then off") << L{"\x1b[?1003h", "x", "\x1b[?1003l"} << false << 0;
        QTest::newRow("two modes, one off") << L{"\x1b[?1000h\x1b[?1002h\x1b[?1000l"} << true << 0;
        QTest::newRow("split across chunks") << L{"\x1b", "[?10", "00", "h"} << true << 0;
        QTest::newRow("kitty push") << L{"\x1b[>1u"} << false << 1;
        QTest::newRow("kitty push split") << L{"ab\x1b[", ">", "3u"} << false << 3;
        QTest::newRow("kitty push then pop") << L{"\x1b[>1u", "\x1b[<u"} << false << 0;
        QTest::newRow("kitty nested push, one pop") << L{"\x1b[>1u\x1b[>5u\x1b[<1u"} << false << 1;
        QTest::newRow("kitty pop more than pushed") << L{"\x1b[>1u\x1b[<9u"} << false << 0;
        QTest::newRow("kitty set") << L{"\x1b[=5;1u"} << false << 5;
        QTest::newRow("kitty or, then not") << L{"\x1b[=1u\x1b[=4;2u\x1b[=1;3u"} << false << 4;
        QTest::newRow("kitty query is not a change") << L{"\x1b[?u"} << false << 0;
        QTest::newRow("restore cursor is not a change") << L{"\x1b[>1u\x1b[u"} << false << 1;
        QTest::newRow("full reset") << L{"\x1b[>1u\x1b[?1000h\x1b"
                                         "c"}
                                    << false << 0;
        QTest::newRow("interrupted sequence") << L{"\x1b[?10\x1b[?1000h"} << true << 0;
        QTest::newRow("utf-8 continuation 0x9b is text") << L{"\xe2\x9b\x94", "[?1000h"} << false << 0;
    }
    void modes() {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(bool, mouse);
        QFETCH(int, keyboard);
        TerminalModeTracker tracker;
        for (const QByteArray &chunk : chunks)
            tracker.feed(chunk);
        QCOMPARE(tracker.mouseReporting(), mouse);
        QCOMPARE(tracker.keyboardFlags(), keyboard);
    }

    void links_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("https") << "https://example.org/a" << true;
        QTest::newRow("HTTPS upper case") << "HTTPS://example.org" << true;
        QTest::newRow("http") << "http://example.org" << true;
        QTest::newRow("mailto") << "mailto:a@example.org" << true;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << false;
        QTest::newRow("ssh") << "ssh://host" << false;
        QTest::newRow("no scheme") << "example.org" << false;
        QTest::newRow("empty") << "" << false;
    }
    void links() {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(TerminalLinkPolicy::allows(QUrl(url)), allowed);
    }

    void scrollbackAtRest_data() {
        QTest::addColumn<bool>("inFile");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("fileUsable");
        QTest::addColumn<bool>("toFile");
        QTest::newRow("full memory store moves to the file") << false << 10000 << true << true;
        QTest::newRow("a few lines stay in memory") << false << 999 << true << false;
        QTest::newRow("no room in the temporary folder") << false << 10000 << false << false;
        QTest::newRow("file at the limit stays") << true << 10000 << true << true;
        QTest::newRow("file past the limit is trimmed through memory") << true << 10001 << true << false;
        QTest::newRow("folder of the file filling up") << true << 5000 << false << false;
    }
    void scrollbackAtRest() {
        QFETCH(bool, inFile);
        QFETCH(int, lines);
        QFETCH(bool, fileUsable);
        QFETCH(bool, toFile);
        ScrollbackPolicy policy;
        if (inFile)
            policy.moved(ScrollbackPolicy::Store::file);
        QCOMPARE(policy.storeAtRest(lines, fileUsable) == ScrollbackPolicy::Store::file, toFile);
    }

    // Chunks of output as "bytes@ms" ("file" marks the move to the file); whether the last one
    // brings the lines back into memory.
    void scrollbackOutput_data() {
        QTest::addColumn<QString>("chunks");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("toMemory");
        QTest::newRow("flood while in memory") << "10000000@0" << 10000 << false;
        QTest::newRow("one large chunk in the file") << "file,600000@0" << 10000 << true;
        QTest::newRow("two chunks within a second") << "file,300000@0,300000@900" << 10000 << true;
        QTest::newRow("the same a second apart") << "file,300000@0,300000@1000" << 10000 << false;
        QTest::newRow("output before the move does not count") << "400000@0,file,200000@100" << 10000 << false;
        QTest::newRow("file at twice the limit") << "file,100@0" << 20000 << false;
        QTest::newRow("file past twice the limit") << "file,100@0" << 20001 << true;
    }
    void scrollbackOutput() {
        QFETCH(QString, chunks);
        QFETCH(int, lines);
        QFETCH(bool, toMemory);
        ScrollbackPolicy policy;
        bool last = false;
        for (const QString &chunk : chunks.split(QLatin1Char(','))) {
            if (chunk == QLatin1String("file")) {
                policy.moved(ScrollbackPolicy::Store::file);
                continue;
            }
            const QStringList parts = chunk.split(QLatin1Char('@'));
            last = policy.outputArrived(parts[0].toLongLong(), parts[1].toLongLong(), lines);
        }
        QCOMPARE(last, toMemory);
    }

    void themes() {
        const QVector<TerminalTheme> &presets = TerminalTheme::presets();
        QCOMPARE(presets.size(), 4);
        QCOMPARE(presets[0].id, QStringLiteral("default"));
        QCOMPARE(TerminalTheme::preset(QStringLiteral("no-such-theme")).id, QStringLiteral("default"));
        const TerminalTheme &dracula = TerminalTheme::preset(QStringLiteral("dracula"));
        QCOMPARE(dracula.foreground, QStringLiteral("F8F8F2"));
        QCOMPARE(dracula.background, QStringLiteral("282A36"));
        QCOMPARE(dracula.palette().size(), 16);
        QCOMPARE(dracula.palette()[1], 0xFF5555u);
        for (const TerminalTheme &t : presets)
            QCOMPARE(t.palette().size(), 16);
        QCOMPARE(TerminalTheme::rgb(QStringLiteral("#1e1E1e "), 0), 0x1E1E1Eu);
        QCOMPARE(TerminalTheme::rgb(QStringLiteral("zz0000"), 0x123456), 0x123456u);
    }
};

QTEST_GUILESS_MAIN(TestTerminalPieces)
#include "tst_terminalpieces.moc"
