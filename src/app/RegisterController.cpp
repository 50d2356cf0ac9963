#include "app/RegisterController.h"

#include "app/AscanToolsController.h"
#include "app/MainWindow.h"
#include "app/TeamController.h"
#include "archive/ArchiveJournal.h"
#include "archive/ArchiveReader.h"
#include "archive/ReadStore.h"
#include "archive/RegisterReading.h"
#include "core/AscanMeasure.h"
#include "report/RegisterPdf.h"
#include "report/RegisterTable.h"
#include "view/MessageBox.h"
#include "view/RegisterFilter.h"
#include "view/RegisterWindow.h"
#include "view/SaveDialog.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

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
// The rows an empty window shows from this PC's archive before the rest are read.
constexpr int kFirstRows = 200;

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
        if (m_registerWindow && m_registerWindow->isVisible() && !m_team)
            m_follow->start();
    };
    connect(&m_window.module(), &Module1::rowChanged, this, follow);
    connect(&m_window.module(), &Module1::bankReplaced, this, follow);
}

RegisterController::~RegisterController()
{
    for (QThread* worker : {m_reading, m_exporting})
        if (worker)
            worker->wait();
    m_readerThread.quit();
    m_readerThread.wait();
}

QString RegisterController::source(bool team) const
{
    return team ? WindowSettings::value(QLatin1String(TeamController::kServerKey))
                      .toString()
                      .trimmed()
                : m_journal.path();
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
        connect(m_registerWindow, &RegisterWindow::teamChosen, this, &RegisterController::showTeam);
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

void RegisterController::showTeam(bool team)
{
    if (team == m_team)
        return;
    m_team = team;
    m_peaks.clear();
    m_fetching.clear(); // what is on its way from the other source is dropped
    m_testsWanted.clear();
    m_model.setLocations({});
    if (m_registerWindow)
        m_registerWindow->registerChanged();
    refresh();
}

void RegisterController::refresh()
{
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    if (m_registerWindow && m_model.locations().empty())
        m_registerWindow->showNote(m_team ? tr("Reading the team archive...")
                                          : tr("Reading the archive..."));
    const bool team = m_team;
    const QString source = this->source(team);
    const bool firstRowsFirst = m_model.locations().empty();
    m_reading = QThread::create([this, team, source, firstRowsFirst] {
        const auto done = [this, team](ArchiveFailure f, std::vector<DefectLocation>&& read,
                                       bool complete) {
            auto locations = std::make_shared<std::vector<DefectLocation>>(std::move(read));
            const QString problem = !f ? QString() : team ? archiveFailureText(f) : f.text;
            QMetaObject::invokeMethod(
                this,
                [this, team, problem, locations, complete] {
                    readDone(team, problem, locations, complete);
                },
                Qt::QueuedConnection);
        };
        // A connection of its own: the journal's stays free for the records being stored.
        ReadStore from;
        ArchiveFailure f = team ? from.openServer(source) : from.openFile(source);
        std::vector<DefectLocation> locations;
        if (!f && firstRowsFirst) {
            // The first page of the register's order, shown while the rest is read.
            f = from.store->registerLocations(locations, kFirstRows);
            if (!f)
                done(f, std::move(locations), false);
        }
        if (!f)
            f = from.store->registerLocations(locations);
        done(f, std::move(locations), true);
    });
    connect(m_reading, &QThread::finished, m_reading, &QObject::deleteLater);
    m_reading->start();
}

void RegisterController::readDone(bool team, const QString& problem,
                                  std::shared_ptr<std::vector<DefectLocation>> locations,
                                  bool complete)
{
    if (!complete) {
        if (team == m_team && problem.isEmpty()) {
            m_model.setLocations(std::move(*locations));
            if (m_registerWindow)
                m_registerWindow->registerChanged();
        }
        return;
    }
    m_reading->wait();
    m_reading = nullptr;
    if (team != m_team) { // the other source was chosen meanwhile
        m_readAgain = false;
        refresh();
        return;
    }
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

void RegisterController::withRecords(const QList<EntryRef>& refs,
                                     std::function<void(const Records&)> use)
{
    if (!m_team) {
        Records found;
        for (const EntryRef& ref : refs) {
            ArchiveEntry e;
            bool there = false;
            if (const ArchiveFailure f = m_journal.archive().fetch(ref, e, there)) {
                told(tr("The archive cannot be read: %1").arg(f.text));
                return;
            }
            if (there)
                found.push_back(e);
        }
        use(found);
        return;
    }
    const quint64 ticket = ArchiveReader::newTicket();
    m_fetching.insert(ticket, std::move(use));
    QMetaObject::invokeMethod(reader(), "fetch", Q_ARG(quint64, ticket),
                              Q_ARG(QList<quillon::EntryRef>, refs));
}

ArchiveReader* RegisterController::reader()
{
    if (!m_reader) {
        m_reader = new ArchiveReader;
        m_reader->moveToThread(&m_readerThread);
        connect(&m_readerThread, &QThread::finished, m_reader, &QObject::deleteLater);
        connect(m_reader, &ArchiveReader::fetched, this,
                [this](quint64 ticket, const Records& found) {
                    if (const auto use = m_fetching.take(ticket))
                        use(found);
                });
        connect(m_reader, &ArchiveReader::testsRead, this,
                [this](quint64 ticket, const std::vector<RegisterTest>& tests) {
                    const QString key = m_testsWanted.take(ticket);
                    if (key.isEmpty())
                        return;
                    m_model.setTests(key, tests);
                    showChosenTests(key);
                });
        connect(m_reader, &ArchiveReader::failed, this,
                [this](quint64 ticket, const ArchiveFailure& failure) {
                    if (m_fetching.remove(ticket) || m_testsWanted.remove(ticket))
                        told(tr("The archive cannot be read: %1").arg(archiveFailureText(failure)));
                });
        m_readerThread.start();
    }
    QMetaObject::invokeMethod(m_reader, "useServer", Q_ARG(QString, source(true)));
    return m_reader;
}

const RegisterTest* RegisterController::testOf(const EntryRef& ref) const
{
    if (!m_registerWindow)
        return nullptr;
    if (const DefectLocation* l = m_model.location(m_registerWindow->chosenLocation()))
        for (const RegisterTest& t : l->tests)
            if (t.entry == ref.id && t.origin == ref.origin)
                return &t;
    return nullptr;
}

void RegisterController::listTests(const QString& locationKey)
{
    const DefectLocation* location = m_model.location(locationKey);
    if (!location || !m_registerWindow)
        return;
    if (!location->tests.empty()) {
        showChosenTests(locationKey);
        return;
    }
    // A location's tests are read when it is chosen: this PC's at once, the team's through the
    // reader.
    if (m_team) {
        const quint64 ticket = ArchiveReader::newTicket();
        m_testsWanted.insert(ticket, locationKey);
        QMetaObject::invokeMethod(reader(), "readTests", Q_ARG(quint64, ticket),
                                  Q_ARG(QString, locationKey));
        return;
    }
    std::vector<RegisterTest> tests;
    if (const ArchiveFailure f = m_journal.archive().locationTests(locationKey, tests)) {
        told(tr("The archive cannot be read: %1").arg(f.text));
        return;
    }
    m_model.setTests(locationKey, std::move(tests));
    showChosenTests(locationKey);
}

void RegisterController::showChosenTests(const QString& locationKey)
{
    const DefectLocation* location = m_model.location(locationKey);
    if (!location || !m_registerWindow || m_registerWindow->chosenLocation() != locationKey)
        return;
    const auto show = [this, locationKey] {
        const DefectLocation* l = m_model.location(locationKey);
        if (!l || !m_registerWindow || m_registerWindow->chosenLocation() != locationKey)
            return;
        std::vector<std::optional<int>> peaks;
        for (const RegisterTest& t : l->tests)
            peaks.push_back(m_peaks.value(EntryRef{t.origin, t.entry}.text()));
        m_registerWindow->showTests(*l, peaks);
    };
    QList<EntryRef> unknown;
    for (const RegisterTest& t : location->tests)
        if (const EntryRef ref{t.origin, t.entry}; !m_peaks.contains(ref.text()))
            unknown.append(ref);
    show(); // at once, the peaks not read yet left empty
    if (unknown.isEmpty())
        return;
    withRecords(unknown, [this, unknown, show](const Records& found) {
        for (const EntryRef& ref : unknown)
            m_peaks.insert(ref.text(), std::nullopt);
        for (const ArchiveEntry& e : found)
            m_peaks.insert(EntryRef{m_team ? e.origin : QString(), e.id}.text(),
                           gateOnePeak(e.record));
        show();
    });
}

void RegisterController::showTest(const EntryRef& test)
{
    withRecords({test}, [this](const Records& found) {
        if (found.empty())
            return;
        // Shown apart from the bank, as an archived entry is: the note save button does not
        // store it.
        std::copy_n(found.front().record.begin(), kRecordLength, m_window.module().recbuf.begin());
        m_window.showRecord(MainWindow::kNoRow);
    });
}

QString RegisterController::compareTests(const EntryRef& older, const EntryRef& newer)
{
    QString text;
    withRecords({older, newer}, [this, older, newer, &text](const Records& found) {
        text = compared(older, newer, found);
    });
    return text;
}

QString RegisterController::compared(const EntryRef& older, const EntryRef& newer,
                                     const Records& records)
{
    const RegisterTest* was = testOf(older);
    const RegisterTest* is = testOf(newer);
    if (!was || !is || records.size() != 2)
        return {};
    const Record& olderRecord = records[0].record;
    const Record& newerRecord = records[1].record;
    // Shown apart from the bank, as an archived entry is.
    std::copy_n(newerRecord.begin(), kRecordLength, m_window.module().recbuf.begin());
    m_window.showRecord(MainWindow::kNoRow);
    const auto legend = [](const RegisterTest& t) {
        return QStringLiteral("%1 %2").arg(shortDate(t.testedMs), t.defectClass).trimmed();
    };
    m_tools.compareWithRecord(olderRecord, legend(*was), legend(*is));
    const std::optional<int> from = gateOnePeak(olderRecord);
    const std::optional<int> to = gateOnePeak(newerRecord);
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
    if (m_exporting)
        return false;
    auto shown = std::make_shared<std::vector<DefectLocation>>();
    if (m_registerWindow) {
        const RegisterFilter* filter = m_registerWindow->filter();
        for (int row = 0; row < filter->rowCount(); ++row)
            if (const DefectLocation* l = m_model.location(
                    filter->index(row, 0).data(RegisterModel::kKeyRole).toString()))
                shown->push_back(*l);
    }
    told(tr("Writing %1...").arg(QDir::toNativeSeparators(path)));
    const bool team = m_team;
    const QString source = this->source(team);
    m_exporting = QThread::create([this, path, shown, team, source] {
        const QString suffix = QFileInfo(path).suffix().toLower();
        QString problem;
        if (suffix == u"xlsx") {
            // Its "Tests" sheet lists every test, read now from a connection of its own.
            ReadStore from;
            ArchiveFailure f = team ? from.openServer(source) : from.openFile(source);
            if (!f)
                f = readLocationTests(*from.store, *shown);
            if (f)
                problem = team ? archiveFailureText(f) : f.text;
            else
                problem = writeRegisterXlsx(path, *shown).value_or(QString());
        } else if (suffix == u"pdf") {
            // The heading names the file, or the team archive (never the connection string: it
            // may hold a password).
            const ReportError error =
                writeRegisterPdf(path, *shown, team ? QStringLiteral("team archive") : source,
                                 QDateTime::currentDateTime());
            if (error != ReportError::None)
                problem = reportErrorText(error);
        } else {
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(registerCsv(*shown)) < 0 ||
                !file.commit())
                problem = file.errorString();
        }
        QMetaObject::invokeMethod(
            this, [this, path, problem] { exportDone(path, problem); }, Qt::QueuedConnection);
    });
    connect(m_exporting, &QThread::finished, m_exporting, &QObject::deleteLater);
    m_exporting->start();
    return true;
}

void RegisterController::exportDone(const QString& path, const QString& problem)
{
    m_exporting->wait();
    m_exporting = nullptr;
    if (problem.isEmpty()) {
        told(tr("Register written: %1").arg(QDir::toNativeSeparators(path)));
    } else {
        showMessage(
            m_registerWindow ? static_cast<QWidget*>(m_registerWindow.data()) : &m_window,
            tr("\"%1\" cannot be written (%2).").arg(QDir::toNativeSeparators(path), problem));
    }
    emit exported(path, problem);
}

void RegisterController::told(const QString& text)
{
    if (m_registerWindow)
        m_registerWindow->showNote(text);
    m_window.showStatus(text, 5000);
}

} // namespace quillon
