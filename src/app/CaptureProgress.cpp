#include "app/CaptureProgress.h"

#include "view/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace quillon
{

CaptureProgress::CaptureProgress(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("captureProgress"));
    lblprogress = named(new QLabel(this), "lblprogress");
    barprogress = named(new QProgressBar(this), "barprogress");
    barprogress->setTextVisible(false);
    barprogress->setMaximumWidth(160);
    cmdcancelcapture = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdcancelcapture");
    cmdcancelcapture->setToolTip(
        QStringLiteral("Stop after the memory being received now; the instrument is released"));
    connect(cmdcancelcapture, &QPushButton::clicked, this, [this] {
        m_cancelling = true;
        cmdcancelcapture->setEnabled(false);
        showText();
        emit cancelRequested();
    });

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(lblprogress);
    row->addWidget(barprogress);
    row->addWidget(cmdcancelcapture);
    hide();
}

void CaptureProgress::begin(int count)
{
    m_cancelling = false;
    m_memory = 0;
    m_k = 0;
    m_n = count;
    barprogress->setRange(0, std::max(count, 1));
    barprogress->setValue(0);
    cmdcancelcapture->setEnabled(true);
    showText();
    show();
}

void CaptureProgress::setProgress(int k, int n)
{
    m_k = k;
    m_n = n;
    m_memory = 0;
    barprogress->setRange(0, std::max(n, 1));
    barprogress->setValue(k - 1);
    showText();
}

void CaptureProgress::setMemory(int memory)
{
    m_memory = memory;
    showText();
}

void CaptureProgress::end()
{
    hide();
    m_cancelling = false;
}

void CaptureProgress::showText()
{
    QString text = m_k > 0 ? QStringLiteral("Capture: memory %1 of %2").arg(m_k).arg(m_n)
                           : QStringLiteral("Capture of %1 memories").arg(m_n);
    if (m_k > 0 && m_memory > 0)
        text += QStringLiteral(" (Mem %1)").arg(m_memory);
    if (m_cancelling)
        text += QStringLiteral(", cancelling after this one");
    lblprogress->setText(text);
}

} // namespace quillon
