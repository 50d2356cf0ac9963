#include "LinkSession.h"

#include "ArchiveOption.h"
#include "CliCommand.h"
#include "CliFiles.h"
#include "core/BankFile.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>

namespace quillon::cli
{

namespace
{
// How long the last commands (the release) may take to reach the device before the port closes.
constexpr std::chrono::milliseconds kWriteDrainLimit{3000};
} // namespace

LinkSession::LinkSession() : m_link(std::make_unique<InstrumentLink>(m_module))
{
    m_module.startUp();
    writeSampleEcho(m_module.recbuf);
    QObject::connect(m_link.get(), &InstrumentLink::statusMessage, m_link.get(), &err);
}

LinkSession::~LinkSession() = default;

int LinkSession::open(const QString& device, const QString& bank)
{
    if (const int status = useArchive(m_module); status != Success)
        return status;
    if (!bank.isEmpty() && !loadBankInto(m_module, bank))
        return BadInput;
    QString problem;
    if (!m_link->open(device, &problem))
        return fail(DeviceFailure, device + QStringLiteral(": ") + problem);
    return Success;
}

void LinkSession::run()
{
    QCoreApplication::exec();
    m_link->close();
}

void LinkSession::finish()
{
    auto quit = [] {
        // Queued, so that the loop ends even when the end comes before it has started.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    };
    SerialLink& serial = m_link->serial();
    if (serial.bytesToWrite() == 0) {
        quit();
        return;
    }
    // The release is still on its way: the port closes once the device has it.
    QObject::connect(&serial, &SerialLink::allWritten, &m_drain, quit);
    QObject::connect(&serial, &SerialLink::lost, &m_drain, quit);
    QObject::connect(&m_drain, &QTimer::timeout, &m_drain, quit);
    m_drain.setSingleShot(true);
    m_drain.start(kWriteDrainLimit);
}

int LinkSession::writeBank(const QString& path) const
{
    return writeOutput(path, quillon::writeBank(m_module.membank));
}

void LinkSession::reportStores(StoreKind kind, std::function<void()> then)
{
    QObject::connect(&m_module, &Module1::rowChanged, m_link.get(),
                     [kind, then = std::move(then)](int row, StoreKind stored) {
                         if (stored != kind)
                             return;
                         printMemory(row, "stored");
                         if (then)
                             then();
                     });
}

void LinkSession::printMemory(int row, const char* what)
{
    out(QByteArrayLiteral("Mem ") + QByteArray::number(row + 1) + ' ' + what + '\n');
}

} // namespace quillon::cli
