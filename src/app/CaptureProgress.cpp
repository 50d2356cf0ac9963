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
    cmdcancelcapture = named(new QPushButton(tr("Cancel"), this), "cmdcancelcapture");
    cmdcancelcapture->setToolTip(
        tr("Stop after the memory being received now; the instrument is released"));
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
    QString text;
    if (m_k == 0)
        text = tr("Capture of %n memories", nullptr, m_n);
    else if (m_memory > 0)
        text = m_cancelling
                   ? tr("Capture: memory %1 of %2 (Mem %3), cancelling after this one")
                         .arg(m_k)
                         .arg(m_n)
                         .arg(m_memory)
                   : tr("Capture: memory %1 of %2 (Mem %3)").arg(m_k).arg(m_n).arg(m_memory);
    else
        text = m_cancelling
                   ? tr("Capture: memory %1 of %2, cancelling after this one").arg(m_k).arg(m_n)
                   : tr("Capture: memory %1 of %2").arg(m_k).arg(m_n);
    lblprogress->setText(text);
}

} // namespace quillon
