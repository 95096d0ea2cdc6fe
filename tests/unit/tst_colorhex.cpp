// Colour texts and the project capsule's text colour.
#include "services/colorhex.h"
#include "services/projectlabelstyle.h"

#include <QTest>

using namespace Brindlewick;

Q_DECLARE_METATYPE(std::optional<QString>)

class TestColorHex : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<double>("red");
        QTest::addColumn<double>("green");
        QTest::addColumn<double>("blue");
        QTest::newRow("hash") << "#FF8800" << true << 1.0 << 136 / 255.0 << 0.0;
        QTest::newRow("lower, leading space") << " ff8800" << true << 1.0 << 136 / 255.0 << 0.0;
        QTest::newRow("bare") << "FF8800" << true << 1.0 << 136 / 255.0 << 0.0;
        QTest::newRow("tabs and spaces around") << "\t #0a141E \t" << true << 10 / 255.0 << 20 / 255.0 << 30 / 255.0;
        QTest::newRow("black") << "000000" << true << 0.0 << 0.0 << 0.0;
        QTest::newRow("three digits") << "#FFF" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("seven digits") << "FF88001" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("not hex") << "GG8800" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("trailing line break") << "FF8800\n" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("two hashes") << "##FF8800" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("sign") << "+FF880" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("0x prefix") << "0xFF88" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("inner space") << "FF 800" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("empty") << "" << false << 0.0 << 0.0 << 0.0;
        QTest::newRow("full-width digits") << QString::fromUtf8("ＦＦ８８００") << false << 0.0 << 0.0 << 0.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, parses);
        const auto rgb = ColorHex::rgb(text);
        QCOMPARE(rgb.has_value(), parses);
        if (!rgb)
            return;
        QFETCH(double, red);
        QFETCH(double, green);
        QFETCH(double, blue);
        QCOMPARE(rgb->red, red);
        QCOMPARE(rgb->green, green);
        QCOMPARE(rgb->blue, blue);
    }

    void labelText_data()
    {
        QTest::addColumn<std::optional<QString>>("hex");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<bool>("black");
        QTest::newRow("yellow") << std::optional<QString>(QStringLiteral("#FFFF00")) << true << true;
        QTest::newRow("blue") << std::optional<QString>(QStringLiteral("0000FF")) << true << false;
        QTest::newRow("white") << std::optional<QString>(QStringLiteral("FFFFFF")) << true << true;
        QTest::newRow("green") << std::optional<QString>(QStringLiteral("00FF00")) << true << false; // 0.587
        QTest::newRow("just above 0.6") << std::optional<QString>(QStringLiteral("9A9A9A")) << true << true;
        QTest::newRow("just below 0.6") << std::optional<QString>(QStringLiteral("989898")) << true << false;
        QTest::newRow("unparsable") << std::optional<QString>(QStringLiteral("#12")) << false << true;
        QTest::newRow("none") << std::optional<QString>() << false << true;
    }
    void labelText()
    {
        QFETCH(std::optional<QString>, hex);
        QFETCH(bool, filled);
        QFETCH(bool, black);
        const ProjectLabelStyle::Choice c = ProjectLabelStyle::forColorHex(hex);
        QCOMPARE(c.fill.has_value(), filled);
        QCOMPARE(c.blackText, black);
    }
};

QTEST_GUILESS_MAIN(TestColorHex)
#include "tst_colorhex.moc"
