// The shared copy controls: what lands on the clipboard and how long the confirmation lasts.
#include "views/copycontrols.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QTest>

using namespace Brindlewick;

class TestCopyControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aLaterCopyTakesOverTheConfirmation()
    {
        CopyConfirmation copied;
        CopyIconButton a(QStringLiteral("a"), QStringLiteral("alpha"), std::nullopt, QStringLiteral("copy a"), copied);
        CopyIconButton b(QStringLiteral("b"), QStringLiteral("beta"), std::nullopt, QStringLiteral("copy b"), copied);
        QCOMPARE(a.toolTip(), QStringLiteral("「alpha」をコピー"));
        a.click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
        QVERIFY(a.isConfirmed());
        QCOMPARE(a.toolTip(), QStringLiteral("コピーしました"));
        QTest::qWait(400);
        QElapsedTimer sinceB;
        b.click();
        sinceB.start();
        QVERIFY(!a.isConfirmed()); // ends at once
        QVERIFY(b.isConfirmed());
        QTRY_VERIFY_WITH_TIMEOUT(!b.isConfirmed(), 3000);
        QVERIFY2(sinceB.elapsed() >= CopyConfirmation::confirmationMs - 20, "B's confirmation ended early");
    }

    void copyingTwiceEndsAfterTheFirst()
    {
        CopyConfirmation copied;
        CopyIconButton a(QStringLiteral("a"), QStringLiteral("alpha"), QStringLiteral("help"), QStringLiteral("copy"), copied);
        QCOMPARE(a.toolTip(), QStringLiteral("help"));
        QElapsedTimer sinceFirst;
        a.click();
        sinceFirst.start();
        QTest::qWait(600);
        a.click();
        QTRY_VERIFY_WITH_TIMEOUT(!a.isConfirmed(), 3000);
        QVERIFY2(sinceFirst.elapsed() < CopyConfirmation::confirmationMs + 400, "the second copy extended the first");
    }

    void withoutValueNothingShows()
    {
        CopyConfirmation copied;
        QWidget row;
        auto *layout = new QHBoxLayout(&row);
        auto *button = new CopyIconButton(QStringLiteral("a"), std::nullopt, std::nullopt, QStringLiteral("copy"), copied);
        layout->addWidget(button);
        row.show();
        QVERIFY(!button->isVisible());
        QCOMPARE(layout->sizeHint().width(), layout->contentsMargins().left() + layout->contentsMargins().right());
        CopyMenuItem item(QStringLiteral("m"), std::nullopt, std::nullopt, copied);
        QVERIFY(!item.isVisible());
        CopyMenuItem titled(QStringLiteral("m"), QStringLiteral("/review"), std::nullopt, copied);
        QCOMPARE(titled.text(), QStringLiteral("「/review」をコピー"));
        titled.trigger();
        QCOMPARE(copied.copiedID(), std::optional<QString>(QStringLiteral("m")));
    }
};

QTEST_MAIN(TestCopyControls)
#include "tst_copycontrols.moc"
