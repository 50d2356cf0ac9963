#include "app/RegisterController.h"

#include "app/AscanToolsController.h"
#include "app/MainWindow.h"
#include "archive/ArchiveJournal.h"
#include "archive/RegisterReading.h"
#include "core/AscanMeasure.h"
#include "report/RegisterPdf.h"
#include "report/RegisterTable.h"
#include "view/MessageBox.h"
#include "view/RegisterFilter.h"
#include "view/RegisterWindow.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <utility>

namespace quillon
{

namespace
{
// Records stored in a burst (a capture of many memories) are read into the register at once.
constexpr std::chrono::milliseconds kFollowDelay{400};

QString shortDate(qint64 testedMs)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(testedMs, Qt::UTC).date(),
                              QLocale::ShortFormat);
}
} // namespace

RegisterController::RegisterController(MainWindow& window, ArchiveJournal& journal,
                                       AscanToolsController& tools)
    : QObject(&window), m_window(window), m_journal(journal), m_tools(tools)
{
    setObjectName(QStringLiteral("registerController"));
    mnuregister = named(m_window.toolsMenu()->addAction(tr("Defect register")), "mnuregister");
    connect(mnuregister, &QAction::triggered, this, &RegisterController::showRegister);

    // What is stored while the window is open comes into the register.
    m_follow = new QTimer(this);
    m_follow->setSingleShot(true);
    m_follow->setInterval(kFollowDelay);
    connect(m_follow, &QTimer::timeout, this, &RegisterController::refresh);
    const auto follow = [this] {
        if (m_registerWindow && m_registerWindow->isVisible())
            m_follow->start();
    };
    connect(&m_window.module(), &Module1::rowChanged, this, follow);
    connect(&m_window.module(), &Module1::bankReplaced, this, follow);
}

RegisterController::~RegisterController()
{
    m_stopping = true;
    if (m_reader)
        m_reader->wait();
}

void RegisterController::showRegister()
{
    if (!m_registerWindow) {
        m_registerWindow = new RegisterWindow(&m_model, &m_window);
        connect(m_registerWindow, &RegisterWindow::locationChosen, this,
                &RegisterController::listTests);
        connect(m_registerWindow, &RegisterWindow::testChosen, this, &RegisterController::showTest);
        connect(m_registerWindow, &RegisterWindow::compareRequested, this,
                &RegisterController::compareTests);
        connect(m_registerWindow, &RegisterWindow::exportRequested, this, [this] {
            QFileDialog* dialog = saveDialog(
                m_registerWindow, "dlgregisterexport", tr("Export register"),
                {tr("CSV files (*.csv)"), tr("Excel workbooks (*.xlsx)"), tr("PDF files (*.pdf)")});
            connect(dialog, &QFileDialog::fileSelected, this, &RegisterController::exportTo);
            dialog->open();
        });
    }
    refresh();
    showInFront(m_registerWindow);
}

void RegisterController::refresh()
{
    if (m_reader) {
        m_readAgain = true;
        return;
    }
    if (m_registerWindow && m_model.locations().empty())
        m_registerWindow->showNote(tr("Reading the archive..."));
    const auto reg = m_register;
    const QString path = m_journal.path();
    const qint64 from = m_lastEntry;
    m_reader = QThread::create([this, reg, path, from] {
        // A connection of its own: the journal's stays free for the records being stored.
        SqliteArchive archive;
        qint64 last = from;
        ArchiveFailure f = archive.open(path, SqliteArchive::Open::ExistingOnly);
        if (!f)
            f = readRegister(archive, *reg, last, [this] { return m_stopping.load(); });
        auto locations = std::make_shared<std::vector<DefectLocation>>(reg->locations());
        QMetaObject::invokeMethod(
            this, [this, text = f.text, last, locations] { readDone(text, last, locations); },
            Qt::QueuedConnection);
    });
    connect(m_reader, &QThread::finished, m_reader, &QObject::deleteLater);
    m_reader->start();
}

void RegisterController::readDone(const QString& problem, qint64 lastEntry,
                                  std::shared_ptr<std::vector<DefectLocation>> locations)
{
    m_reader->wait();
    m_reader = nullptr;
    m_lastEntry = lastEntry;
    m_model.setLocations(std::move(*locations));
    if (m_registerWindow) {
        m_registerWindow->registerChanged();
        m_registerWindow->showNote(
            problem.isEmpty() ? tr("%n located defects.", nullptr, int(m_model.locations().size()))
                              : tr("The archive cannot be read: %1").arg(problem));
    }
    emit registerRead();
    if (std::exchange(m_readAgain, false))
        refresh();
}

std::optional<Record> RegisterController::recordOf(qint64 entry)
{
    ArchiveEntry e;
    bool found = false;
    if (const ArchiveFailure f = m_journal.archive().fetch(EntryRef{{}, entry}, e, found)) {
        told(tr("The archive cannot be read: %1").arg(f.text));
        return std::nullopt;
    }
    if (!found)
        return std::nullopt;
    return e.record;
}

std::optional<int> RegisterController::peakOf(qint64 entry)
{
    if (const auto known = m_peaks.constFind(entry); known != m_peaks.cend())
        return *known;
    const std::optional<Record> record = recordOf(entry);
    const std::optional<int> peak = record ? gateOnePeak(*record) : std::nullopt;
    m_peaks.insert(entry, peak);
    return peak;
}

const RegisterTest* RegisterController::testOf(qint64 entry) const
{
    if (!m_registerWindow)
        return nullptr;
    if (const DefectLocation* l = m_model.location(m_registerWindow->chosenLocation()))
        for (const RegisterTest& t : l->tests)
            if (t.entry == entry)
                return &t;
    return nullptr;
}

void RegisterController::listTests(const QString& locationKey)
{
    const DefectLocation* location = m_model.location(locationKey);
    if (!location || !m_registerWindow)
        return;
    std::vector<std::optional<int>> peaks;
    for (const RegisterTest& t : location->tests)
        peaks.push_back(peakOf(t.entry));
    m_registerWindow->showTests(*location, peaks);
}

void RegisterController::showTest(qint64 entry)
{
    const std::optional<Record> record = recordOf(entry);
    if (!record)
        return;
    // Shown apart from the bank, as an archived entry is: the note save button does not store it.
    std::copy_n(record->begin(), kRecordLength, m_window.module().recbuf.begin());
    m_window.showRecord(MainWindow::kNoRow);
}

QString RegisterController::compareTests(qint64 older, qint64 newer)
{
    const RegisterTest* was = testOf(older);
    const RegisterTest* is = testOf(newer);
    const std::optional<Record> olderRecord = recordOf(older);
    if (!was || !is || !olderRecord)
        return {};
    showTest(newer);
    const auto legend = [](const RegisterTest& t) {
        return QStringLiteral("%1 %2").arg(shortDate(t.testedMs), t.defectClass).trimmed();
    };
    m_tools.compareWithRecord(*olderRecord, legend(*was), legend(*is));
    const std::optional<int> from = peakOf(older);
    const std::optional<int> to = peakOf(newer);
    const std::optional<double> change = from && to ? decibels(*to, *from) : std::nullopt;
    const QString text = change ? tr("Gate 1 peak %1 % on %2, %3 % on %4: %5 dB")
                                      .arg(*from)
                                      .arg(shortDate(was->testedMs))
                                      .arg(*to)
                                      .arg(shortDate(is->testedMs))
                                      .arg((*change >= 0 ? QStringLiteral("+") : QString()) +
                                           QLocale().toString(*change, 'f', 1))
                                : tr("Gate 1 has no peak in both tests: no change in dB to state.");
    told(text);
    return text;
}

bool RegisterController::exportTo(const QString& path)
{
    std::vector<DefectLocation> shown;
    if (m_registerWindow) {
        const RegisterFilter* filter = m_registerWindow->filter();
        for (int row = 0; row < filter->rowCount(); ++row)
            if (const DefectLocation* l = m_model.location(
                    filter->index(row, 0).data(RegisterModel::kKeyRole).toString()))
                shown.push_back(*l);
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::optional<QString> problem;
    if (suffix == u"xlsx") {
        problem = writeRegisterXlsx(path, shown);
    } else if (suffix == u"pdf") {
        const ReportError error =
            writeRegisterPdf(path, shown, m_journal.path(), QDateTime::currentDateTime());
        if (error != ReportError::None)
            problem = reportErrorText(error);
    } else {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(registerCsv(shown)) < 0 ||
            !file.commit())
            problem = file.errorString();
    }
    if (problem) {
        showMessage(
            m_registerWindow ? static_cast<QWidget*>(m_registerWindow.data()) : &m_window,
            tr("\"%1\" cannot be written (%2).").arg(QDir::toNativeSeparators(path), *problem));
        return false;
    }
    told(tr("Register written: %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void RegisterController::told(const QString& text)
{
    if (m_registerWindow)
        m_registerWindow->showNote(text);
    m_window.showStatus(text, 5000);
}

} // namespace quillon
