#pragma once

#include "core/FrameDecoder.h"
#include "core/Module1.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace quillon
{

class SerialLink;

// Reads record frames from the port as bytes arrive. One reader serves both paths: while no
// capture runs (capbusy false) a frame the instrument sends on its own is stored under the
// memory number it carries (the unsolicited path); while a capture runs, the capture sequence
// takes the frame (frameRead) and stores it under the number it asked for.
class Reception : public QObject
{
    Q_OBJECT
public:
    // A frame that stops arriving for this long is abandoned.
    static constexpr std::chrono::milliseconds kStallTimeout{2000};

    Reception(Module1& module, SerialLink& link, QObject* parent = nullptr);

    // True between a start byte and the last byte of its frame.
    bool inFrame() const { return m_decoder.inFrame(); }
    // Forgets a frame partly read (the port was closed): nothing is stored.
    void reset();

signals:
    // A start byte was read: a frame is arriving.
    void frameStarted();
    // A whole frame is in rawframe and recbuf (either path).
    void frameRead();
    // Unsolicited path: the frame's memory number has no bank row; recbuf holds the record.
    void frameRejected(const QString& reason);
    // A frame stopped arriving or the port failed in the middle of it; nothing was stored.
    void frameAbandoned(const QString& reason);

private:
    void onStalled();
    void onLinkFailed(const QString& reason);
    void process(QByteArrayView bytes);
    // The end of a frame: rawframe and recbuf filled, the bytes that came with it dropped.
    void captureauto();
    // The unsolicited path once a frame is in recbuf.
    void Comm1_OnComm();

    Module1& m_module;
    SerialLink& m_link;
    FrameDecoder m_decoder;
    QTimer m_stall;
    QElapsedTimer m_sinceLastByte;
};

} // namespace quillon
