#include "view/RegisterWindow.h"

#include "view/RegisterFilter.h"
#include "view/RegisterModel.h"
#include "view/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <set>

namespace quillon
{

namespace
{
enum TestColumn {
    DateColumn,
    ClassColumn,
    FlawColumn,
    OperatorColumn,
    MemoryColumn,
    PcColumn,
    PeakColumn
};
constexpr int kEntryRole = Qt::UserRole;
constexpr int kOriginRole = Qt::UserRole + 1;

EntryRef testOf(const QTreeWidgetItem* item)
{
    return {item->data(DateColumn, kOriginRole).toString(),
            item->data(DateColumn, kEntryRole).toLongLong()};
}
} // namespace

RegisterWindow::RegisterWindow(RegisterModel* model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_filter(new RegisterFilter(this))
{
    setObjectName(QStringLiteral("frmregister"));
    setWindowTitle(tr("Defect register"));
    m_filter->setSourceModel(m_model);

    radlocal = named(new QRadioButton(tr("This PC"), this), "radlocal");
    radteam = named(new QRadioButton(tr("Team"), this), "radteam");
    radlocal->setChecked(true);
    cbodivision = named(new QComboBox(this), "cbodivision");
    cbosection = named(new QComboBox(this), "cbosection");
    cboclass = named(new QComboBox(this), "cboclass");
    for (QComboBox* box : {cbodivision, cbosection, cboclass}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        box->setMinimumContentsLength(8);
        offerChoices(box, {});
    }
    chkworsened = named(new QCheckBox(tr("Worsened only"), this), "chkworsened");
    chkmismatch = named(new QCheckBox(tr("Previous class differs only"), this), "chkmismatch");

    lstlocations = named(new QTreeView(this), "lstlocations");
    lstlocations->setRootIsDecorated(false);
    lstlocations->setUniformRowHeights(true);
    lstlocations->setAllColumnsShowFocus(true);
    lstlocations->setSelectionMode(QAbstractItemView::SingleSelection);
    lstlocations->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstlocations->setModel(m_filter);
    lstlocations->setSortingEnabled(true);
    lstlocations->sortByColumn(-1, Qt::AscendingOrder); // the register's own order
    lstlocations->header()->setSortIndicatorShown(false);
    lstlocations->header()->setStretchLastSection(true);
    const QFontMetrics metrics = fontMetrics();
    const int digits = metrics.horizontalAdvance(QStringLiteral("0000000000"));
    // Room for what the columns usually hold, in tenths of ten digits.
    constexpr std::array<int, RegisterModel::ColumnCount> kTenths{8, 13, 9,  7,  17, 6,
                                                                  9, 5,  24, 13, 13, 10};
    // Never narrower than its label: a translation may need more room than the values do.
    QHeaderView* header = lstlocations->header();
    for (int c = 0; c < RegisterModel::ColumnCount; ++c)
        header->resizeSection(
            c, std::max(digits * kTenths[size_t(c)] / 10, header->sectionSizeHint(c)));

    lsttests = named(new QTreeWidget(this), "lsttests");
    lsttests->setRootIsDecorated(false);
    lsttests->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lsttests->setHeaderLabels({tr("Date"), tr("Class"), tr("Flaw Code"), tr("Operator"),
                               tr("Memory"), tr("PC"), tr("Gate 1 peak")});
    for (int c = 0; c < lsttests->columnCount(); ++c)
        lsttests->setColumnWidth(c, digits);
    lsttests->setColumnWidth(DateColumn, digits * 2);
    lsttests->setColumnWidth(OperatorColumn, digits * 3 / 2);

    cmdshow = named(new QPushButton(tr("Show"), this), "cmdshow");
    cmdcompare = named(new QPushButton(tr("Compare"), this), "cmdcompare");
    cmdexport = named(new QPushButton(tr("Export..."), this), "cmdexport");
    lblnote = named(new QLabel(this), "lblnote");
    lblnote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdshow->setEnabled(false);
    cmdcompare->setEnabled(false);

    auto* filters = new QHBoxLayout;
    filters->addWidget(radlocal);
    filters->addWidget(radteam);
    filters->addWidget(cbodivision);
    filters->addWidget(cbosection);
    filters->addWidget(cboclass);
    filters->addWidget(chkworsened);
    filters->addWidget(chkmismatch);
    filters->addStretch(1);
    auto* lists = new QSplitter(Qt::Vertical, this);
    lists->addWidget(lstlocations);
    lists->addWidget(lsttests);
    lists->setStretchFactor(0, 2);
    lists->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblnote, 1);
    for (QPushButton* b : {cmdshow, cmdcompare, cmdexport})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(lists, 1);
    layout->addLayout(buttons);
    resize(1000, 560);

    connect(cbodivision, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setDivision(choiceOf(cbodivision)); });
    connect(cbosection, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setSection(choiceOf(cbosection)); });
    connect(cboclass, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setDefectClass(choiceOf(cboclass)); });
    connect(chkworsened, &QCheckBox::toggled, m_filter, &RegisterFilter::setWorsenedOnly);
    connect(chkmismatch, &QCheckBox::toggled, m_filter, &RegisterFilter::setMismatchOnly);
    connect(lstlocations->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RegisterWindow::locationSelectionChanged);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this,
            &RegisterWindow::locationSelectionChanged);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this,
            &RegisterWindow::locationSelectionChanged);
    connect(lsttests, &QTreeWidget::itemSelectionChanged, this,
            &RegisterWindow::testSelectionChanged);
    connect(radteam, &QRadioButton::toggled, this, &RegisterWindow::teamChosen);
    connect(lsttests, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { emit testChosen(testOf(item)); });
    connect(cmdshow, &QPushButton::clicked, this, [this] {
        const QList<EntryRef> tests = selectedTests();
        if (!tests.isEmpty())
            emit testChosen(tests.back());
    });
    connect(cmdcompare, &QPushButton::clicked, this, [this] {
        const QList<EntryRef> tests = selectedTests();
        if (tests.size() == 2)
            emit compareRequested(tests[0], tests[1]);
    });
    connect(cmdexport, &QPushButton::clicked, this, &RegisterWindow::exportRequested);
}

std::optional<QString> RegisterWindow::choiceOf(const QComboBox* box)
{
    if (box->currentIndex() <= 0)
        return std::nullopt;
    return box->currentData().toString();
}

void RegisterWindow::offerChoices(QComboBox* box, const QStringList& values)
{
    const std::optional<QString> chosen = choiceOf(box);
    int at = chosen ? -1 : 0;
    {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItem(box == cbodivision  ? tr("Every division")
                     : box == cbosection ? tr("Every section")
                                         : tr("Every class"));
        for (const QString& value : values) {
            if (chosen && value == *chosen)
                at = box->count();
            box->addItem(value.isEmpty() ? tr("(none)") : value, value);
        }
        box->setCurrentIndex(std::max(at, 0));
    }
    if (at < 0)
        emit box->currentIndexChanged(0); // the choice is gone: every value is shown again
}

void RegisterWindow::registerChanged()
{
    std::set<QString> divisions, sections, classes;
    for (const DefectLocation& l : m_model->locations()) {
        divisions.insert(l.division);
        sections.insert(l.section);
        classes.insert(l.latest().defectClass);
    }
    offerChoices(cbodivision, QStringList(divisions.begin(), divisions.end()));
    offerChoices(cbosection, QStringList(sections.begin(), sections.end()));
    offerChoices(cboclass, QStringList(classes.begin(), classes.end()));
    // The location chosen before stays chosen.
    if (!m_shownKey.isEmpty())
        for (int row = 0; row < m_filter->rowCount(); ++row) {
            const QModelIndex index = m_filter->index(row, 0);
            if (index.data(RegisterModel::kKeyRole).toString() == m_shownKey) {
                lstlocations->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
                lstlocations->scrollTo(index);
                break;
            }
        }
    locationSelectionChanged();
}

QString RegisterWindow::chosenLocation() const
{
    const QModelIndexList rows = lstlocations->selectionModel()->selectedRows();
    return rows.isEmpty() ? QString() : rows.first().data(RegisterModel::kKeyRole).toString();
}

void RegisterWindow::locationSelectionChanged()
{
    const QString key = chosenLocation();
    if (key.isEmpty()) {
        m_shownKey.clear();
        lsttests->clear();
        testSelectionChanged();
        return;
    }
    // The tests are listed anew when the location or the register changed.
    m_shownKey = key;
    emit locationChosen(key);
}

void RegisterWindow::showTests(const DefectLocation& location,
                               const std::vector<std::optional<int>>& peaks)
{
    const QList<EntryRef> selected = selectedTests();
    lsttests->clear();
    for (size_t i = 0; i < location.tests.size(); ++i) {
        const RegisterTest& t = location.tests[i];
        auto* item = new QTreeWidgetItem(lsttests);
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(t.testedMs, Qt::UTC);
        QString date = QLocale().toString(at.date(), QLocale::ShortFormat) + u' ' +
                       at.time().toString(QStringLiteral("HH:mm"));
        if (t.dateFromArchive)
            date += tr(" (archived)");
        item->setText(DateColumn, date);
        item->setData(DateColumn, kEntryRole, t.entry);
        item->setData(DateColumn, kOriginRole, t.origin);
        item->setText(ClassColumn, t.defectClass);
        item->setText(FlawColumn, t.flawCode);
        item->setText(OperatorColumn, t.operatorName);
        item->setText(MemoryColumn, tr("Mem %1").arg(t.memory));
        item->setText(PcColumn, t.host);
        const std::optional<int> peak = i < peaks.size() ? peaks[i] : std::nullopt;
        item->setText(PeakColumn, peak ? QStringLiteral("%1 %").arg(*peak) : QString());
        item->setSelected(selected.contains(EntryRef{t.origin, t.entry}));
    }
    testSelectionChanged();
}

QList<EntryRef> RegisterWindow::selectedTests() const
{
    QList<EntryRef> entries;
    for (int i = 0; i < lsttests->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lsttests->topLevelItem(i);
        if (item->isSelected())
            entries.append(testOf(item));
    }
    return entries;
}

void RegisterWindow::testSelectionChanged()
{
    const qsizetype selected = selectedTests().size();
    cmdshow->setEnabled(selected == 1);
    cmdcompare->setEnabled(selected == 2);
}

void RegisterWindow::showNote(const QString& text)
{
    lblnote->setText(text);
}

} // namespace quillon
