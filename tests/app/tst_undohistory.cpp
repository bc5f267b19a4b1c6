#include "app/UndoHistory.h"

#include <QtTest>

#include <string>

namespace {

// The history's states from the oldest undo step to the newest redo step,
// the current one in brackets, e.g. "a b [c] d".
std::string Walk(UndoHistory<std::string> history)
{
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo();
        ++undone;
    }
    std::string walk;
    const auto add = [&walk](const std::string &part) { walk += (walk.empty() ? "" : " ") + part; };
    add(history.Current());
    while (history.CanRedo())
        add(history.Redo());
    // Mark the state that was current before the walk.
    std::size_t at = 0;
    for (int i = 0; i < undone; ++i)
        at = walk.find(' ', at) + 1;
    const std::size_t end = walk.find(' ', at);
    walk.insert(end == std::string::npos ? walk.size() : end, "]");
    walk.insert(at, "[");
    return walk;
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void undoAndRedoGiveTheStates();
};

void TestUndoHistory::steps_data()
{
    // r and p record or replace with the letter after them, u undoes, x redoes.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("walk");

    QTest::addRow("nothing yet") << "" << 10 << "[a]";
    QTest::addRow("two steps") << "rbrc" << 10 << "a b [c]";
    QTest::addRow("undone") << "rbrcu" << 10 << "a [b] c";
    QTest::addRow("undone and redone") << "rbrcuux" << 10 << "a [b] c";
    QTest::addRow("a new step forgets what was undone") << "rbrcuurd" << 10 << "a [d]";
    QTest::addRow("a replaced state is no step") << "rbpc" << 10 << "a [c]";
    QTest::addRow("redo gives the state as replaced") << "rbpcu" << 10 << "[a] c";
    QTest::addRow("undo with nothing before does nothing") << "uu" << 10 << "[a]";
    QTest::addRow("the oldest steps are forgotten") << "rbrcrdre" << 2 << "c d [e]";
}

// Runs the actions on a history that starts at "a"; each recorded or
// replacing action takes the letter after it.
void TestUndoHistory::steps()
{
    QFETCH(QString, actions);
    QFETCH(int, depth);
    QFETCH(QString, walk);
    UndoHistory<std::string> history("a", static_cast<std::size_t>(depth));
    for (int i = 0; i < actions.size(); ++i) {
        const char action = actions[i].toLatin1();
        if (action == 'r' || action == 'p') {
            const std::string state(1, actions[++i].toLatin1());
            if (action == 'r')
                history.Record(state);
            else
                history.Replace(state);
        } else if (action == 'u' && history.CanUndo()) {
            history.Undo();
        } else if (action == 'x' && history.CanRedo()) {
            history.Redo();
        }
    }
    QCOMPARE(QString::fromStdString(Walk(history)), walk);
}

void TestUndoHistory::undoAndRedoGiveTheStates()
{
    UndoHistory<std::string> history("a", 10);
    QVERIFY(!history.CanUndo() && !history.CanRedo());
    history.Record("b");
    QVERIFY(history.CanUndo() && !history.CanRedo());
    QCOMPARE(history.Undo(), std::string("a"));
    QVERIFY(!history.CanUndo() && history.CanRedo());
    QCOMPARE(history.Redo(), std::string("b"));
    QCOMPARE(history.Current(), std::string("b"));
}

QTEST_APPLESS_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
