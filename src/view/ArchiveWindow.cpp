#include "view/ArchiveWindow.h"

#include "view/ArchiveListModel.h"
#include "view/Widgets.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon
{

ArchiveWindow::ArchiveWindow(ArchiveListModel* model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model)
{
    setObjectName(QStringLiteral("frmarchive"));
    setWindowTitle(tr("Archive"));

    txtsearch = named(new QLineEdit(this), "txtsearch");
    txtsearch->setPlaceholderText(tr("Search the notes"));
    txtsearch->setClearButtonEnabled(true);
    spnmemory = named(new QSpinBox(this), "spnmemory");
    spnmemory->setRange(0, 200);
    //: The prefix of the memory number, as in "Mem 9"
    spnmemory->setPrefix(tr("Mem "));
    spnmemory->setSpecialValueText(tr("Every memory"));
    const QDate today = QDate::currentDate();
    chkfrom = named(new QCheckBox(tr("From"), this), "chkfrom");
    dtpfrom = named(new QDateEdit(today, this), "dtpfrom");
    dtpfrom->setCalendarPopup(true);
    chkto = named(new QCheckBox(tr("To"), this), "chkto");
    dtpto = named(new QDateEdit(today, this), "dtpto");
    dtpto->setCalendarPopup(true);

    lstentries = named(new QTreeView(this), "lstentries");
    lstentries->setRootIsDecorated(false);
    lstentries->setUniformRowHeights(true);
    lstentries->setAllColumnsShowFocus(true);
    lstentries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstentries->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstentries->setModel(m_model);
    lstentries->header()->setStretchLastSection(true);
    lstentries->setColumnWidth(ArchiveListModel::TimeColumn, 90);
    lstentries->setColumnWidth(ArchiveListModel::KindColumn, 80);
    lstentries->setColumnWidth(ArchiveListModel::MemoryColumn, 70);
    lstentries->setColumnWidth(ArchiveListModel::SourceColumn, 180);

    cmdrestore = named(new QPushButton(tr("Restore to bank"), this), "cmdrestore");
    cmdexportbank = named(new QPushButton(tr("Export Bank File"), this), "cmdexportbank");
    cmdexportpdf = named(new QPushButton(tr("Export PDF"), this), "cmdexportpdf");
    lblnote = named(new QLabel(this), "lblnote");
    radlocal = named(new QRadioButton(tr("This PC"), this), "radlocal");
    radteam = named(new QRadioButton(tr("Team"), this), "radteam");
    radlocal->setChecked(true);
    prgbusy = named(new QProgressBar(this), "prgbusy");
    prgbusy->setRange(0, 0); // runs while the team archive is read
    prgbusy->setMaximumWidth(120);
    prgbusy->setVisible(m_model->isBusy());

    auto* filters = new QHBoxLayout;
    filters->addWidget(radlocal);
    filters->addWidget(radteam);
    filters->addWidget(txtsearch, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{spnmemory, chkfrom, dtpfrom, chkto, dtpto})
        filters->addWidget(w);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblnote, 1);
    buttons->addWidget(prgbusy);
    for (QPushButton* b : {cmdrestore, cmdexportbank, cmdexportpdf})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(lstentries, 1);
    layout->addLayout(buttons);
    resize(820, 480);

    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(250);
    connect(m_typing, &QTimer::timeout, this, &ArchiveWindow::refresh);
    connect(txtsearch, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(spnmemory, &QSpinBox::valueChanged, this, &ArchiveWindow::refresh);
    for (QCheckBox* box : {chkfrom, chkto})
        connect(box, &QCheckBox::toggled, this, &ArchiveWindow::refresh);
    for (QDateEdit* edit : {dtpfrom, dtpto})
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (chkfrom->isChecked() || chkto->isChecked())
                refresh();
        });

    connect(radteam, &QRadioButton::toggled, this, [this](bool team) {
        lstentries->setColumnHidden(ArchiveListModel::HostColumn, !team);
        lstentries->setColumnHidden(ArchiveListModel::UserColumn, !team);
        emit teamChosen(team);
    });
    lstentries->setColumnHidden(ArchiveListModel::HostColumn, true);
    lstentries->setColumnHidden(ArchiveListModel::UserColumn, true);
    connect(m_model, &ArchiveListModel::busyChanged, prgbusy, &QWidget::setVisible);
    connect(m_model, &ArchiveListModel::pageArrived, this, &ArchiveWindow::tellHowItWent);
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this] { spanHeadings(0, m_model->rowCount() - 1); });
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { spanHeadings(first, last); });
    connect(lstentries->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ArchiveWindow::selectionChanged);
    connect(lstentries->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_model->entryId(current.row()))
                    emit entryChosen(m_model->entryRef(current.row()));
            });
    connect(cmdrestore, &QPushButton::clicked, this,
            [this] { emit restoreRequested(selectedRefs()); });
    connect(cmdexportbank, &QPushButton::clicked, this,
            [this] { emit exportBankRequested(selectedRefs()); });
    connect(cmdexportpdf, &QPushButton::clicked, this,
            [this] { emit exportPdfRequested(selectedRefs()); });
    spanHeadings(0, m_model->rowCount() - 1);
    selectionChanged();
}

ArchiveQuery ArchiveWindow::filterQuery() const
{
    ArchiveQuery q;
    q.search = txtsearch->text();
    if (spnmemory->value() > 0)
        q.memory = spnmemory->value();
    // Whole days of local time.
    if (chkfrom->isChecked())
        q.sinceMs = dtpfrom->date().startOfDay().toMSecsSinceEpoch();
    if (chkto->isChecked())
        q.untilMs = dtpto->date().addDays(1).startOfDay().toMSecsSinceEpoch();
    return q;
}

void ArchiveWindow::refresh()
{
    m_typing->stop();
    m_model->setQuery(filterQuery());
    tellHowItWent();
}

void ArchiveWindow::tellHowItWent()
{
    if (m_model->isBusy())
        showNote({});
    else if (!m_model->problem().isEmpty())
        showNote(tr("The archive cannot be read: %1").arg(m_model->problem()));
    else if (m_model->rowCount() == 0)
        showNote(tr("No entries."));
    else
        showNote({});
}

QList<qint64> ArchiveWindow::selectedIds() const
{
    QList<qint64> ids;
    for (const QModelIndex& index : lstentries->selectionModel()->selectedRows())
        if (const qint64 id = m_model->entryId(index.row()))
            ids << id;
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<EntryRef> ArchiveWindow::selectedRefs() const
{
    QList<EntryRef> refs;
    for (const QModelIndex& index : lstentries->selectionModel()->selectedRows())
        if (m_model->entryId(index.row()))
            refs << m_model->entryRef(index.row());
    return refs;
}

bool ArchiveWindow::showsTeam() const
{
    return radteam->isChecked();
}

void ArchiveWindow::showNote(const QString& text)
{
    lblnote->setText(text);
}

void ArchiveWindow::spanHeadings(int first, int last)
{
    for (int row = first; row <= last; ++row)
        if (m_model->isDayHeading(row))
            lstentries->setFirstColumnSpanned(row, {}, true);
}

void ArchiveWindow::selectionChanged()
{
    const bool any = !selectedIds().isEmpty();
    for (QPushButton* b : {cmdrestore, cmdexportbank, cmdexportpdf})
        b->setEnabled(any);
}

} // namespace quillon
