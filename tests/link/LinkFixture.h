#pragma once

#include "support/SimProcess.h"

#include "core/Module1.h"
#include "link/InstrumentLink.h"

#include <QTest>

#include <memory>

// What each case of the link tests works with: a started-up module and its instrument link, made
// afresh for the case, and the simulated instrument the link is connected to.
class LinkFixture
{
protected:
    std::unique_ptr<quillon::test::SimProcess> m_sim;
    std::unique_ptr<quillon::Module1> m_module;
    std::unique_ptr<quillon::InstrumentLink> m_link;

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
    }

    // For cleanup(): the link goes first, then the simulator, then the module the link fed.
    void dropLink()
    {
        m_link.reset();
        m_sim.reset();
        m_module.reset();
    }
};
