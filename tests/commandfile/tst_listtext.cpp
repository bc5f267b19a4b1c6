#include "commandfile/ListText.h"

#include "tests/support/TestText.h"

#include <QtTest>

namespace {

// Stand-ins for built entries: the list never looks inside them.
const std::string CommandA = " <A />\r\n";
const std::string CommandB = " <B />\r\n";
const std::string QueryQ = " <Q />\r\n";

const char *Declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>";

struct Step
{
    EntryKind kind;
    std::string entry;
};

} // namespace

Q_DECLARE_METATYPE(std::vector<Step>)

class TestListText : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion();
};

void TestListText::insertion_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<std::vector<Step>>("steps");
    QTest::addColumn<QByteArray>("expected");

    QTest::addRow("first command on an empty list")
        << QByteArray() << std::vector<Step>{{EntryKind::Command, CommandA}}
        << Lines({Declaration, "<CommandList>", " <A />", "</CommandList>"});
    QTest::addRow("commands keep their order")
        << QByteArray()
        << std::vector<Step>{{EntryKind::Command, CommandA}, {EntryKind::Command, CommandB}}
        << Lines({Declaration, "<CommandList>", " <A />", " <B />", "</CommandList>"});
    QTest::addRow("query first, command afterwards")
        << QByteArray()
        << std::vector<Step>{{EntryKind::Query, QueryQ}, {EntryKind::Command, CommandA}}
        << Lines({Declaration, "<QueryList>", " <Q />", "</QueryList>", "<CommandList>", " <A />",
                  "</CommandList>"});
    QTest::addRow("command after a query goes into its section")
        << QByteArray()
        << std::vector<Step>{{EntryKind::Command, CommandA},
                             {EntryKind::Query, QueryQ},
                             {EntryKind::Command, CommandB}}
        << Lines({Declaration, "<CommandList>", " <A />", " <B />", "</CommandList>", "<QueryList>",
                  " <Q />", "</QueryList>"});
    QTest::addRow("edited list without declaration is replaced")
        << Lines({"<CommandList>", " <Old />", "</CommandList>"})
        << std::vector<Step>{{EntryKind::Command, CommandA}}
        << Lines({Declaration, "<CommandList>", " <A />", "</CommandList>"});
    QTest::addRow("edited list with declaration is kept")
        << Lines({"<?xml?>", "my note", "<CommandList>", " <Old />", "</CommandList>", "tail"})
        << std::vector<Step>{{EntryKind::Command, CommandA}, {EntryKind::Query, QueryQ}}
        << Lines({"<?xml?>", "my note", "<CommandList>", " <Old />", " <A />", "</CommandList>",
                  "tail", "<QueryList>", " <Q />", "</QueryList>"});
    QTest::addRow("edited list without final line end")
        << QByteArray("<?xml?>") << std::vector<Step>{{EntryKind::Query, QueryQ}}
        << QByteArray("<?xml?>") + Lines({"<QueryList>", " <Q />", "</QueryList>"});
    QTest::addRow("closing tag inside a line: first occurrence")
        << QByteArray("<?xml?>\r\n<x></CommandList></CommandList>\r\n")
        << std::vector<Step>{{EntryKind::Command, CommandA}}
        << QByteArray("<?xml?>\r\n<x> <A />\r\n</CommandList></CommandList>\r\n");
}

void TestListText::insertion()
{
    QFETCH(QByteArray, start);
    QFETCH(std::vector<Step>, steps);
    QFETCH(QByteArray, expected);

    std::string list = start.toStdString();
    for (const Step &step : steps)
        list = InsertEntry(list, step.kind, step.entry);
    QCOMPARE(Bytes(list), expected);
}

QTEST_APPLESS_MAIN(TestListText)
#include "tst_listtext.moc"
