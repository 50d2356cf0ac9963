#pragma once

#include "core/Module1.h"
#include "link/Capture.h"
#include "link/Reception.h"
#include "link/SerialLink.h"

#include <QObject>

namespace quillon
{

// The instrument link as a whole: the port, the frame reader and the capture sequence, sharing
// the program's Module1. The window's controller and the command-line tool both use it.
class InstrumentLink : public QObject
{
    Q_OBJECT
public:
    explicit InstrumentLink(Module1& module, QObject* parent = nullptr);

    bool open(const QString& device, QString* error = nullptr);
    void close();
    bool isOpen() const { return m_serial.isOpen(); }
    QString deviceName() const { return m_serial.deviceName(); }
    // Why the last open was refused for lack of permission, and what to do; empty otherwise.
    QString accessAdvice() const { return m_serial.accessAdvice(); }

    SerialLink& serial() { return m_serial; }
    Reception& reception() { return m_reception; }
    Capture& capture() { return m_capture; }

signals:
    void memoryRequested(int memory);
    void captureProgress(int k, int n);
    void captureFinished(int stored, int failed);
    // The port stopped working and was closed; once per opening.
    void portLost(const QString& reason);
    // A line for the status bar: rejected and abandoned records, a lost port.
    void statusMessage(const QString& text);

private:
    SerialLink m_serial;
    Reception m_reception;
    Capture m_capture;
};

} // namespace quillon
