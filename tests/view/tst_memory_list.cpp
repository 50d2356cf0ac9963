// lstmem: the 200 memory items over the bank, their marks and the selection.
#include "core/BankFile.h"
#include "view/MemoryList.h"

#include <QTest>

using namespace quillon;

class MemoryListTest : public QObject
{
    Q_OBJECT

private slots:
    void storedRowIsMarkedAndDeselected()
    {
        Module1 module;
        module.startUp();
        MemoryList list(module);
        list.setRowSelected(4, true);
        list.setRowSelected(5, true);
        module.store(4, module.recbuf, {StoreKind::Received, {}});
        QCOMPARE(list.itemText(4), QStringLiteral("Mem 5 *"));
        QCOMPARE(list.itemText(3), QStringLiteral("Mem 4"));
        QVERIFY(!list.isRowSelected(4));
        QVERIFY(list.isRowSelected(5));
        // Saved notes leave the item and its selection alone.
        list.setRowSelected(4, true);
        NoteEdits notes;
        notes[0] = QStringLiteral("A");
        QVERIFY(module.saveNotes(4, notes));
        QVERIFY(list.isRowSelected(4));
        QCOMPARE(list.count(), 200);
    }

    void loadedBankRemarksEveryItemAndClearsTheSelection()
    {
        Module1 module;
        module.startUp();
        MemoryList list(module);
        module.store(0, module.recbuf, {StoreKind::Received, {}});
        list.setRowSelected(9, true);
        BankFileContents contents;
        contents.marks[199] = true;
        module.loadBank(contents, QStringLiteral("/tmp/x.dat"));
        QCOMPARE(list.count(), 200);
        QCOMPARE(list.itemText(0), QStringLiteral("Mem 1"));
        QCOMPARE(list.itemText(1), QStringLiteral("Mem 2"));
        QCOMPARE(list.itemText(199), QStringLiteral("Mem 200 *"));
        QVERIFY(list.selectedRows().isEmpty());
    }

    void selectionInListOrder()
    {
        Module1 module;
        MemoryList list(module);
        QCOMPARE(list.firstSelectedRow(), -1);
        QVERIFY(list.selectedRows().isEmpty());
        for (int row : {150, 7, 3})
            list.setRowSelected(row, true);
        QCOMPARE(list.selectedRows(), (QList<int>{3, 7, 150}));
        QCOMPARE(list.firstSelectedRow(), 3);
        QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    }
};

QTEST_MAIN(MemoryListTest)
#include "tst_memory_list.moc"
