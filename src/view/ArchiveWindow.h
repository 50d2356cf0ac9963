#pragma once

#include "archive/ArchiveEntry.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class QTreeView;

namespace quillon
{

class ArchiveListModel;

// frmarchive, "Archive": the archive's entries newest first, grouped by day; a search over the
// note lines, a memory number and a date range narrow the list. Choosing an entry shows it; the
// buttons hand the selected entries on. "This PC" lists the PC's own archive, "Team" the team
// archive (every PC's entries, with the PC and the user; read in the background while a busy bar
// runs). The window only shows and asks: what is done with the entries is its owner's business.
class ArchiveWindow : public QWidget
{
    Q_OBJECT
public:
    ArchiveWindow(ArchiveListModel* model, QWidget* parent = nullptr);

    // The query the filters make (paging aside).
    ArchiveQuery filterQuery() const;
    // Reads the list anew with the filters as they stand.
    void refresh();
    // The selected entries, ascending.
    QList<qint64> selectedIds() const;
    QList<EntryRef> selectedRefs() const;
    bool showsTeam() const;
    // A line under the list (why the list is empty, or what was done).
    void showNote(const QString& text);

    QLineEdit* txtsearch = nullptr;
    QSpinBox* spnmemory = nullptr; // 0: every memory
    QCheckBox* chkfrom = nullptr;
    QDateEdit* dtpfrom = nullptr;
    QCheckBox* chkto = nullptr;
    QDateEdit* dtpto = nullptr;
    QTreeView* lstentries = nullptr;
    QPushButton* cmdrestore = nullptr;
    QPushButton* cmdexportbank = nullptr;
    QPushButton* cmdexportpdf = nullptr;
    QLabel* lblnote = nullptr;
    QRadioButton* radlocal = nullptr;
    QRadioButton* radteam = nullptr;
    QProgressBar* prgbusy = nullptr;

signals:
    void entryChosen(const quillon::EntryRef& ref);
    void restoreRequested(const QList<quillon::EntryRef>& refs);
    void exportBankRequested(const QList<quillon::EntryRef>& refs);
    void exportPdfRequested(const QList<quillon::EntryRef>& refs);
    // "This PC" or "Team" was chosen.
    void teamChosen(bool team);

private:
    void spanHeadings(int first, int last);
    void selectionChanged();
    void tellHowItWent();

    ArchiveListModel* m_model;
    QTimer* m_typing = nullptr; // the list follows the search box once typing pauses
};

} // namespace quillon
