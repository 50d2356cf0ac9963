// lstmem: the 200 memory items, their marks and the selection.
#include "view/MemoryList.h"

#include <QTest>

using namespace quillon;

class MemoryListTest : public QObject
{
    Q_OBJECT

private slots:
    void refreshRewritesOneItemAndDeselectsIt();
    void selectionInListOrder();
};

void MemoryListTest::refreshRewritesOneItemAndDeselectsIt()
{
    MemoryList list;
    list.rebuild(Marks{});
    list.item(4)->setSelected(true);
    list.item(5)->setSelected(true);
    list.refresh(4, true);
    QCOMPARE(list.item(4)->text(), QStringLiteral("Mem 5 *"));
    QVERIFY(!list.item(4)->isSelected());
    QVERIFY(list.item(5)->isSelected());
    list.refresh(200, true); // no such item
    QCOMPARE(list.count(), 200);
}

void MemoryListTest::selectionInListOrder()
{
    MemoryList list;
    list.rebuild(Marks{});
    QCOMPARE(list.firstSelectedRow(), -1);
    QVERIFY(list.selectedRows().isEmpty());
    for (int row : {150, 7, 3})
        list.item(row)->setSelected(true);
    QCOMPARE(list.selectedRows(), (QList<int>{3, 7, 150}));
    QCOMPARE(list.firstSelectedRow(), 3);
    QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
}

QTEST_MAIN(MemoryListTest)
#include "tst_MemoryList.moc"
