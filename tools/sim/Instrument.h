#pragma once

#include "CommandParser.h"
#include "SimOptions.h"

#include "core/Record.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>
#include <random>

namespace sim
{

// The simulated instrument's behaviour, without any terminal: what it sends in answer to the
// program's commands and to control lines, with the faults the options ask for.
class Instrument
{
public:
    // Bytes to put on the line after a pause (measured from the end of what went before, or
    // from now when the line is idle).
    struct Transmission {
        QByteArray bytes;
        std::chrono::milliseconds pauseBefore{0};
        QString note; // for the event lines on stderr
    };

    // Takes the bank file's records when the options name one; `error` says why it cannot.
    static std::optional<Instrument> create(const SimOptions& options, QString* error);

    // Bytes from the program. `commands` receives the complete commands among them.
    QList<Transmission> received(QByteArrayView bytes, QList<QByteArray>* commands = nullptr);
    // A control line ("send 7 cut 300", "noise 20"); `error` set when it makes no sense.
    QList<Transmission> control(const QString& line, QString* error);
    // The next memory of the send list, sent unsolicited.
    QList<Transmission> sendNext();

    // The record memory N holds (bank row N-1, or a generated one).
    quillon::Record recordOf(int memory) const;
    // The bytes of a frame for a record, with the options' gap and 255 faults.
    QByteArray frameOf(quillon::Record record) const;
    QByteArray noise(int count);
    // A record as --data-255 sends it: 255 in a sample, a DAC point and the last note character
    // (the frame also gets 255 as part A's first and last byte).
    static quillon::Record withData255(quillon::Record record);

private:
    explicit Instrument(const SimOptions& options);

    SimOptions m_options;
    std::shared_ptr<const quillon::Bank> m_bank;
    CommandParser m_parser;
    std::mt19937 m_random{12345};
    qsizetype m_nextSend = 0;
};

} // namespace sim
