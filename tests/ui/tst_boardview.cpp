// The board on the offscreen platform: grouping and order, cards updated in place, the stopped
// badge, drops, accessibility actions, the context menu, the project capsule and retranslation.
#include "models/project.h"
#include "models/session.h"
#include "models/uuidtext.h"
#include "persistence/containerfactory.h"
#include "persistence/modelcontext.h"
#include "services/sessionprocessmanager.h"
#include "views/boardcolumn.h"
#include "views/boardview.h"
#include "views/cardstack.h"
#include "views/columnstyle.h"
#include "views/relativeactivityclock.h"
#include "views/sessioncardstyle.h"
#include "views/sessioncardview.h"

#include <QAccessible>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using namespace Brindlewick;

namespace {

QDateTime at(qint64 secs) { return QDateTime::fromSecsSinceEpoch(1700000000 + secs, Qt::UTC); }

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QStringList titles(const BoardColumn *column)
{
    QStringList out;
    for (const SessionCardView *card : column->cards())
        out << card->content().title;
    return out;
}

// Counts paint events of the widgets it watches.
class PaintCounter final : public QObject {
public:
    QHash<QObject *, int> paints;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints[o];
        return false;
    }
};

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<ModelContainer> m_container;
    std::unique_ptr<BoardView> m_board;
    QObject m_terminal;

    ModelContext &context() { return m_container->mainContext(); }

    Session *add(const QString &title, const QString &columnRaw, qint64 sortOrder = 0, qint64 created = 0,
                 std::optional<qint64> activity = std::nullopt, Project *project = nullptr)
    {
        auto *session = context().insert(
            std::make_unique<Session>(title, QStringLiteral("/w"), false, false, false, sortOrder, project));
        session->setColumnRaw(columnRaw);
        session->setCreatedAt(at(created));
        if (activity)
            session->setLastActivityAt(at(*activity));
        return session;
    }
    Project *addProject(const QString &name, const std::optional<QString> &color)
    {
        return context().insert(std::make_unique<Project>(QStringLiteral("/p/") + name, name, color, 0));
    }
    BoardView &showBoard()
    {
        if (!context().save().ok())
            qWarning("save failed");
        m_board = std::make_unique<BoardView>(context());
        m_board->resize(960, 640);
        m_board->show();
        if (!QTest::qWaitForWindowExposed(m_board.get()))
            qWarning("board not exposed");
        return *m_board;
    }
    // Lets the coalesced update and the layout it asks for run.
    void settle()
    {
        QTRY_VERIFY(!m_board->hasPendingRefresh());
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void init()
    {
        auto c = ContainerFactory::make(false, m_dir.filePath(QStringLiteral("Library.sqlite")));
        QVERIFY(c.ok());
        m_container = std::move(*c);
    }
    void cleanup()
    {
        m_board.reset();
        for (const QUuid &id : SessionProcessManager::shared().terminals().keys())
            SessionProcessManager::shared().unregisterTerminal(id);
        m_container.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("Library.sqlite")));
    }

    void grouping()
    {
        // Attention: newest activity first (creation when there is none). Idle and working: sortOrder,
        // then creation. Unreadable column text counts as working.
        add(QStringLiteral("a-old"), QStringLiteral("attention"), 0, 0, 10);
        add(QStringLiteral("a-new"), QStringLiteral("attention"), 9, 0, 30);
        add(QStringLiteral("a-created-late"), QStringLiteral("attention"), 5, 20);
        add(QStringLiteral("w-2"), QStringLiteral("working"), 2, 0);
        add(QStringLiteral("w-1-late"), QStringLiteral("working"), 1, 50);
        add(QStringLiteral("w-1-early"), QStringLiteral("working"), 1, 40);
        add(QStringLiteral("w-odd"), QStringLiteral("Done"), 3, 0);
        BoardView &board = showBoard();

        QCOMPARE(titles(board.column(SessionColumn::attention)),
                 (QStringList{QStringLiteral("a-new"), QStringLiteral("a-created-late"), QStringLiteral("a-old")}));
        QCOMPARE(titles(board.column(SessionColumn::working)),
                 (QStringList{QStringLiteral("w-1-early"), QStringLiteral("w-1-late"), QStringLiteral("w-2"),
                              QStringLiteral("w-odd")}));
        QVERIFY(titles(board.column(SessionColumn::idle)).isEmpty());
        QVERIFY(board.column(SessionColumn::idle)->showsEmptyText());
        QVERIFY(!board.column(SessionColumn::working)->showsEmptyText());
        QVERIFY(board.findChildren<QLabel *>().size() >= 3);
        bool emptyTextShown = false;
        for (QLabel *label : board.column(SessionColumn::idle)->findChildren<QLabel *>())
            emptyTextShown |= label->isVisible() && label->text() == s("カードなし");
        QVERIFY(emptyTextShown);

        // The columns sit side by side in board order, and cards are stacked without overlap.
        QVERIFY(board.column(SessionColumn::attention)->x() < board.column(SessionColumn::idle)->x());
        QVERIFY(board.column(SessionColumn::idle)->x() < board.column(SessionColumn::working)->x());
        const auto cards = board.column(SessionColumn::working)->cards();
        for (int i = 1; i < cards.size(); ++i)
            QCOMPARE(cards[i]->y(), cards[i - 1]->geometry().bottom() + 1 + CardStack::spacing);
    }

    void updatesInPlace()
    {
        Session *a = add(QStringLiteral("first"), QStringLiteral("working"), 0);
        Session *b = add(QStringLiteral("second"), QStringLiteral("working"), 1);
        Session *c = add(QStringLiteral("elsewhere"), QStringLiteral("idle"), 2);
        Session *older = add(QStringLiteral("older attention"), QStringLiteral("attention"), 3, 0, 5);
        BoardView &board = showBoard();
        SessionCardView *cardA = board.card(a->id());
        SessionCardView *cardB = board.card(b->id());
        SessionCardView *cardC = board.card(c->id());
        QVERIFY(cardA && cardB && cardC);
        QCoreApplication::processEvents();

        PaintCounter counter;
        for (SessionCardView *card : {cardA, cardB, cardC})
            card->installEventFilter(&counter);
        a->setTitle(QStringLiteral("renamed"));
        a->setLastPrompt(QStringLiteral("a prompt that adds a line"));
        QVERIFY(context().save().ok());
        settle();
        QTRY_VERIFY(counter.paints.value(cardA) > 0);
        QCOMPARE(board.card(a->id()), cardA);
        QCOMPARE(cardA->content().title, QStringLiteral("renamed"));
        QVERIFY(cardA->height() > cardB->y() - cardA->y() - CardStack::spacing - 40); // grew, still placed
        QCOMPARE(cardB->y(), cardA->geometry().bottom() + 1 + CardStack::spacing);
        QCOMPARE(counter.paints.value(cardC), 0); // untouched column, untouched card

        // A column change moves the same widget to its place in the other column.
        a->setColumnRaw(QStringLiteral("attention"));
        a->setLastActivityAt(at(100));
        settle();
        QCOMPARE(board.card(a->id()), cardA);
        QCOMPARE(titles(board.column(SessionColumn::attention)),
                 (QStringList{QStringLiteral("renamed"), older->title()}));
        QCOMPARE(titles(board.column(SessionColumn::working)), QStringList{QStringLiteral("second")});
        QCOMPARE(cardA->parentWidget(), board.column(SessionColumn::attention)->stack());
        QCOMPARE(cardB->y(), CardStack::topPadding);
        QVERIFY(cardA->isVisible());

        // A deleted session's card goes; the others stay the same objects.
        context().remove(b);
        QVERIFY(context().save().ok());
        settle();
        QVERIFY(!board.card(b->id()));
        QVERIFY(board.column(SessionColumn::working)->showsEmptyText());
        QCOMPARE(board.card(c->id()), cardC);
        QCOMPARE(board.cardCount(), 3);

        // A new session gets a card; a project rename reaches its cards.
        Project *p = addProject(QStringLiteral("proj"), std::nullopt);
        c->setProject(p);
        Session *d = add(QStringLiteral("new"), QStringLiteral("idle"), 9);
        settle();
        QVERIFY(board.card(d->id()));
        p->setDisplayName(QStringLiteral("renamed project"));
        settle();
        QCOMPARE(cardC->content().projectName, QStringLiteral("renamed project"));
    }

    // While hidden (another detail view is shown) the board does no work; showing it catches up.
    void hiddenBoardCatchesUpWhenShown()
    {
        Session *a = add(QStringLiteral("a"), QStringLiteral("working"));
        BoardView &board = showBoard();
        SessionCardView *card = board.card(a->id());
        board.hide();
        a->setColumnRaw(QStringLiteral("idle"));
        QTRY_VERIFY(!board.hasPendingRefresh());
        QCOMPARE(card->content().column, SessionColumn::working);
        board.show();
        QCOMPARE(card->content().column, SessionColumn::idle);
        QCOMPARE(card->parentWidget(), board.column(SessionColumn::idle)->stack());
    }

    void stoppedBadge()
    {
        Session *a = add(QStringLiteral("a"), QStringLiteral("idle"));
        BoardView &board = showBoard();
        SessionCardView *card = board.card(a->id());
        const QString idle = ColumnStyle::label(SessionColumn::idle);
        auto background = [card] {
            QImage image(card->size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            card->render(&image);
            return image.pixelColor(4, card->height() / 2);
        };
        QVERIFY(!card->content().running);
        QCOMPARE(card->accessibleValueText(), idle + s("、停止"));
        const QColor stopped = background();

        SessionProcessManager::shared().registerTerminal(a->id(), &m_terminal);
        settle();
        QVERIFY(card->content().running);
        QCOMPARE(card->accessibleValueText(), idle);
        QVERIFY2(background().lightness() < stopped.lightness(), "a stopped card is paler");

        SessionProcessManager::shared().unregisterTerminal(a->id());
        settle();
        QCOMPARE(card->accessibleValueText(), idle + s("、停止"));
        QCOMPARE(board.card(a->id()), card);
    }

    void drop_data()
    {
        QTest::addColumn<QString>("payload"); // "<a>"/"<b>" stand for the two sessions' ids
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("attention"); // after the drop
        QTest::newRow("own column") << "<a>" << int(SessionColumn::working) << false << QStringList{};
        QTest::newRow("other column") << "<a>" << int(SessionColumn::attention) << true << QStringList{QStringLiteral("a")};
        QTest::newRow("two ids, one per line") << "<a>\r\n<b>\n" << int(SessionColumn::attention) << true
                                               << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("not an id") << "hello" << int(SessionColumn::attention) << false << QStringList{};
    }
    void drop()
    {
        QFETCH(QString, payload);
        QFETCH(int, target);
        QFETCH(bool, accepted);
        QFETCH(QStringList, attention);
        Session *a = add(QStringLiteral("a"), QStringLiteral("working"), 0);
        Session *b = add(QStringLiteral("b"), QStringLiteral("working"), 1);
        BoardView &board = showBoard();
        BoardColumn *column = board.column(SessionColumn(target));
        payload.replace(QLatin1String("<a>"), uuidText(a->id())).replace(QLatin1String("<b>"), uuidText(b->id()));
        QMimeData mime;
        mime.setText(payload);

        QDragEnterEvent enter(QPoint(20, 20), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(column, &enter);
        QVERIFY(enter.isAccepted());
        QVERIFY(column->isTargeted());
        QDropEvent drop(QPointF(20, 20), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(column, &drop);
        QCOMPARE(drop.isAccepted(), accepted);
        QVERIFY(!column->isTargeted());
        settle();
        QStringList got = titles(board.column(SessionColumn::attention));
        std::sort(got.begin(), got.end());
        QCOMPARE(got, attention);
        QVERIFY(!context().hasChanges());
        QCOMPARE(a->lastActivityAt().has_value(), attention.contains(QStringLiteral("a")));
        if (attention.size() == 2)
            QCOMPARE(a->lastActivityAt(), b->lastActivityAt());
    }

    void dragCarriesTheId()
    {
        Session *a = add(QStringLiteral("a"), QStringLiteral("working"));
        BoardView &board = showBoard();
        std::unique_ptr<QMimeData> mime(board.card(a->id())->makeDragData());
        QCOMPARE(mime->text(), uuidText(a->id()));

        // A drag that leaves the column takes the highlight with it; other data is refused.
        BoardColumn *column = board.column(SessionColumn::idle);
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(column, &enter);
        QVERIFY(column->isTargeted());
        QDragLeaveEvent leave;
        QApplication::sendEvent(column, &leave);
        QVERIFY(!column->isTargeted());
        QMimeData image;
        image.setImageData(QImage(2, 2, QImage::Format_RGB32));
        QDragEnterEvent refused(QPoint(5, 5), Qt::MoveAction, &image, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(column, &refused);
        QVERIFY(!refused.isAccepted());
        QVERIFY(!column->isTargeted());
    }

    void accessibility_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("withProject");
        QTest::addColumn<QString>("label");
        QTest::newRow("with project") << "Fix login" << true << s("Fix login、プロジェクト web");
        QTest::newRow("without project") << "Fix login" << false << "Fix login";
        QTest::newRow("empty title") << "" << true << s("セッション、プロジェクト web");
    }
    void accessibility()
    {
        QFETCH(QString, title);
        QFETCH(bool, withProject);
        QFETCH(QString, label);
        Project *web = withProject ? addProject(QStringLiteral("web"), std::nullopt) : nullptr;
        Session *a = add(title, QStringLiteral("attention"), 0, 0, 1, web);
        BoardView &board = showBoard();
        SessionCardView *card = board.card(a->id());
        QCOMPARE(card->displayedTitle(), title.isEmpty() ? s("セッション") : title);

        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(card);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), label);
        QCOMPARE(iface->text(QAccessible::Description), s("セッションウィンドウを最前面に表示"));
        QCOMPARE(iface->text(QAccessible::Value), s("要確認、停止"));
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(),
                 (QStringList{QAccessibleActionInterface::pressAction(), s("確認済みへ移動"), s("作業中へ移動")}));

        QSignalSpy open(&board, &BoardView::openSessionRequested);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.at(0).at(0).toUuid(), a->id());

        const QDateTime before = storeNow();
        actions->doAction(s("作業中へ移動"));
        QCOMPARE(a->column(), SessionColumn::working);
        QVERIFY(a->lastActivityAt() >= before);
        QVERIFY(!context().hasChanges());
        settle();
        QCOMPARE(board.card(a->id())->parentWidget(), board.column(SessionColumn::working)->stack());
        QCOMPARE(actions->actionNames(),
                 (QStringList{QAccessibleActionInterface::pressAction(), s("要確認へ移動"), s("確認済みへ移動")}));
        QCOMPARE(iface->text(QAccessible::Value), s("作業中、停止"));
    }

    void clickHoverAndHelp()
    {
        Session *a = add(QStringLiteral("a"), QStringLiteral("idle"));
        BoardView &board = showBoard();
        SessionCardView *card = board.card(a->id());
        QSignalSpy open(&board, &BoardView::openSessionRequested);
        QTest::mouseClick(card, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.at(0).at(0).toUuid(), a->id());
        QCOMPARE(card->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(card->toolTip(), s("クリックで最前面に表示・ドラッグで別の列へ移動"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(card, &enter);
        QVERIFY(card->isHovered());
        card->hide();
        QVERIFY(!card->isHovered());
    }

    void contextMenuClosesSession()
    {
        Session *a = add(QStringLiteral("a"), QStringLiteral("idle"));
        Session *b = add(QStringLiteral("b"), QStringLiteral("idle"), 1);
        const QUuid id = a->id();
        BoardView &board = showBoard();
        SessionCardView *card = board.card(id);
        QString shownItem;
        QTimer::singleShot(0, this, [&shownItem] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            shownItem = menu->actions().value(0)->text();
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), card->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(card, &event);
        QCOMPARE(shownItem, s("セッションを閉じる"));
        QVERIFY(!context().find<Session>(id));
        QVERIFY(!context().hasChanges());
        settle();
        QVERIFY(!board.card(id));
        QVERIFY(board.card(b->id()));

        // The record is gone from the file too.
        const QString path = m_container->path();
        m_board.reset();
        m_container.reset();
        auto reopened = ContainerFactory::make(false, path);
        QVERIFY(reopened.ok());
        QVERIFY(!(*reopened)->mainContext().find<Session>(id));
        m_container = std::move(*reopened);
    }

    void projectCapsule_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<bool>("blackText");
        QTest::newRow("yellow") << "#FFFF00" << QColor(255, 255, 0) << true;
        QTest::newRow("blue") << "0000FF" << QColor(0, 0, 255) << false;
        QTest::newRow("unparsable") << "#12345" << SessionCardStyle::defaultProjectLabelColor() << true;
    }
    void projectCapsule()
    {
        QFETCH(QString, hex);
        QFETCH(QColor, fill);
        QFETCH(bool, blackText);
        Project *p = addProject(QStringLiteral("MMMM WWWW"), hex);
        Session *a = add(QStringLiteral("a"), QStringLiteral("working"), 0, 0, std::nullopt, p);
        SessionProcessManager::shared().registerTerminal(a->id(), &m_terminal); // no stopped badge
        BoardView &board = showBoard();
        SessionCardView *card = board.card(a->id());
        QImage image(card->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        card->render(&image);

        // The capsule is the box of pixels in its fill colour; its text is the extreme inside it.
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == fill.rgb())
                    box |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY2(box.width() > 40 && box.height() > 10, "no capsule in the project's colour");
        int darkest = 255, lightest = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const int v = qMax(c.red(), qMax(c.green(), c.blue()));
                const int m = qMin(c.red(), qMin(c.green(), c.blue()));
                darkest = qMin(darkest, v);
                lightest = qMax(lightest, m);
            }
        }
        if (blackText)
            QVERIFY2(darkest < 60, "black text expected");
        else
            QVERIFY2(lightest > 200 && darkest > 0, "white text expected");
    }

    void retranslates()
    {
        Q_INIT_RESOURCE(translations);
        Session *a = add(QString(), QStringLiteral("attention"));
        BoardView &board = showBoard();
        QCOMPARE(board.windowTitle(), s("ボード"));
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/brindlewick_en.qm")));
        QCoreApplication::installTranslator(&english);
        auto hasLabel = [&board](const QString &text) {
            for (QLabel *l : board.findChildren<QLabel *>()) {
                if (l->text() == text)
                    return true;
            }
            return false;
        };
        QTRY_COMPARE(board.windowTitle(), QStringLiteral("Board"));
        QVERIFY(hasLabel(QStringLiteral("Needs Review")));
        QVERIFY(hasLabel(QStringLiteral("Claude is working")));
        QVERIFY(hasLabel(QStringLiteral("No cards")));
        SessionCardView *card = board.card(a->id());
        QCOMPARE(card->displayedTitle(), QStringLiteral("Session"));
        QCOMPARE(card->accessibleValueText(), QStringLiteral("Needs Review, stopped"));
        QVERIFY(card->toolTip().startsWith(QStringLiteral("Click")));
        QCoreApplication::removeTranslator(&english);
        QTRY_VERIFY(hasLabel(s("要確認")));
        QCOMPARE(card->displayedTitle(), s("セッション"));
    }

    void clockGrid_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("wait");
        const qint64 anchor = RelativeActivityClock::anchorMsecsSinceEpoch;
        QTest::newRow("on the anchor") << anchor << 60000ll;
        QTest::newRow("just after") << anchor + 1 << 59999ll;
        QTest::newRow("just before") << anchor - 1 << 1ll;
        QTest::newRow("a later half minute") << QDateTime(QDate(2024, 3, 31), QTime(12, 0, 30), Qt::UTC).toMSecsSinceEpoch()
                                             << 30000ll;
    }
    void clockGrid()
    {
        QFETCH(qint64, now);
        QFETCH(qint64, wait);
        QCOMPARE(RelativeActivityClock::msecsUntilNextTick(now), wait);
    }
};

QTEST_MAIN(TestBoardView)
#include "tst_boardview.moc"
