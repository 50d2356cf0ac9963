#pragma once

#include "support/SimProcess.h"

#include "core/Module1.h"
#include "link/InstrumentLink.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// What each case of the link tests works with: a started-up module and its instrument link, made
// afresh for the case with spies on the rows it stores and on the end of a capture, and the
// simulated instrument the link is connected to.
class LinkFixture
{
protected:
    std::unique_ptr<quillon::test::SimProcess> m_sim;
    std::unique_ptr<quillon::Module1> m_module;
    std::unique_ptr<quillon::InstrumentLink> m_link;
    std::unique_ptr<QSignalSpy> m_stored;   // the module's rowChanged
    std::unique_ptr<QSignalSpy> m_finished; // the capture's captureFinished

    // Starts the simulator with `options` and opens the link on its terminal.
    void connectTo(const QStringList& options)
    {
        m_sim = std::make_unique<quillon::test::SimProcess>(options);
        QVERIFY(m_sim->start());
        QString error;
        QVERIFY2(m_link->open(m_sim->device(), &error), qPrintable(error));
    }

    // For init(): a module as start-up leaves it, and a link that is not open yet.
    void makeLink()
    {
        m_module = std::make_unique<quillon::Module1>();
        m_module->startUp();
        m_link = std::make_unique<quillon::InstrumentLink>(*m_module);
        m_stored = std::make_unique<QSignalSpy>(m_module.get(), &quillon::Module1::rowChanged);
        m_finished =
            std::make_unique<QSignalSpy>(&m_link->capture(), &quillon::Capture::captureFinished);
    }

    // For cleanup(): the spies and the link go first, then the simulator, then the module.
    void dropLink()
    {
        m_stored.reset();
        m_finished.reset();
        m_link.reset();
        m_sim.reset();
        m_module.reset();
    }
};
