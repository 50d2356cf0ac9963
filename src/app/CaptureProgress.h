#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillon
{

// The progress of a capture, shown in the main window's status bar while it runs: which memory
// is being asked for, k of n, and a Cancel that stops after that memory.
class CaptureProgress : public QWidget
{
    Q_OBJECT
public:
    explicit CaptureProgress(QWidget* parent = nullptr);

    // A capture of `count` memories begins.
    void begin(int count);
    // The k-th memory of n (k from 1) is next.
    void setProgress(int k, int n);
    // Memory `memory` was requested (first time or again).
    void setMemory(int memory);
    // The capture ended: the display goes away.
    void end();

    QLabel* lblprogress = nullptr;
    QProgressBar* barprogress = nullptr;
    QPushButton* cmdcancelcapture = nullptr;

signals:
    void cancelRequested();

private:
    int m_memory = 0;
    int m_k = 0;
    int m_n = 0;
    bool m_cancelling = false;
    void showText();
};

} // namespace quillon
