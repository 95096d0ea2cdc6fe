#include "services/terminalpanegrid.h"

#include <QtTest>

using namespace Brindlewick;
using Node = TerminalPaneNode;
using Axis = TerminalPaneNode::Axis;
using Kind = TerminalPaneNode::Kind;

namespace {

// Short fixed ids so the table reads like the trees it describes.
QUuid u(int n) {
    return QUuid(QStringLiteral("00000000-0000-0000-0000-%1").arg(n, 12, 10, QLatin1Char('0')));
}
Node claude() {
    return Node::leaf(u(0), Kind::claude);
}
Node shell(int n) {
    return Node::leaf(u(n), Kind::shell);
}
Node h(int id, std::vector<Node> c) {
    return Node::split(u(id), Axis::horizontal, std::move(c));
}
Node v(int id, std::vector<Node> c) {
    return Node::split(u(id), Axis::vertical, std::move(c));
}

struct Step {
    enum { split, remove } op;
    int target;
    Axis axis = Axis::horizontal;
    int newPane = 0;
    int splitID = 0;
};

} // namespace

Q_DECLARE_METATYPE(Node)
Q_DECLARE_METATYPE(std::vector<Step>)

class TestTerminalPaneGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void operations_data() {
        QTest::addColumn<Node>("start");
        QTest::addColumn<std::vector<Step>>("steps");
        QTest::addColumn<Node>("expected");
        QTest::newRow("split right in a fresh window")
            << claude() << std::vector<Step>{{Step::split, 0, Axis::horizontal, 1, 100}}
            << h(100, {claude(), shell(1)});
        QTest::newRow("split right again beside claude: same row, no nesting")
            << claude()
            << std::vector<Step>{{Step::split, 0, Axis::horizontal, 1, 100},
                                 {Step::split, 0, Axis::horizontal, 2, 101}}
            << h(100, {claude(), shell(2), shell(1)});
        QTest::newRow("split down on the new shell nests a vertical split")
            << claude()
            << std::vector<Step>{{Step::split, 0, Axis::horizontal, 1, 100},
                                 {Step::split, 1, Axis::vertical, 2, 101}}
            << h(100, {claude(), v(101, {shell(1), shell(2)})});
        QTest::newRow("closing the only shell collapses back to claude")
            << h(100, {claude(), shell(1)}) << std::vector<Step>{{Step::remove, 1}} << claude();
        QTest::newRow("closing a shell in a vertical pair leaves the other in its place")
            << h(100, {claude(), v(101, {shell(1), shell(2)})}) << std::vector<Step>{{Step::remove, 2}}
            << h(100, {claude(), shell(1)});
        QTest::newRow("claude pane is never removed")
            << h(100, {claude(), shell(1)}) << std::vector<Step>{{Step::remove, 0}}
            << h(100, {claude(), shell(1)});
        QTest::newRow("unknown target changes nothing")
            << h(100, {claude(), shell(1)}) << std::vector<Step>{{Step::split, 9, Axis::vertical, 2, 101}}
            << h(100, {claude(), shell(1)});
        QTest::newRow("three in a row, close the middle")
            << h(100, {claude(), shell(2), shell(1)}) << std::vector<Step>{{Step::remove, 2}}
            << h(100, {claude(), shell(1)});
    }
    void operations() {
        QFETCH(Node, start);
        QFETCH(std::vector<Step>, steps);
        QFETCH(Node, expected);
        Node root = start;
        for (const Step &s : steps) {
            if (s.op == Step::split)
                root = TerminalPaneGrid::insertSplit(root, u(s.target), u(s.newPane), s.axis, u(s.splitID));
            else
                root = TerminalPaneGrid::removeLeaf(root, u(s.target)).value_or(root);
        }
        QVERIFY(root == expected);
    }

    void removingTheLastShellLeafGivesNothing() {
        QVERIFY(!TerminalPaneGrid::removeLeaf(shell(1), u(1)));
        QVERIFY(!TerminalPaneGrid::removeLeaf(h(100, {shell(1)}), u(1)));
    }

    void shellLeavesDepthFirst() {
        const Node tree = h(100, {shell(3), claude(), v(101, {shell(1), h(102, {shell(4), shell(2)})})});
        QCOMPARE(TerminalPaneGrid::shellLeaves(tree), (QList<QUuid>{u(3), u(1), u(4), u(2)}));
        QVERIFY(TerminalPaneGrid::shellLeaves(claude()).isEmpty());
        QVERIFY(TerminalPaneGrid(u(0)).root == claude());
    }
};

QTEST_GUILESS_MAIN(TestTerminalPaneGrid)
#include "tst_terminalpanegrid.moc"
