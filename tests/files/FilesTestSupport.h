#pragma once

// Helpers shared by the tests of files: started memories, clicks and typing, folders and mounts,
// and (from support) records, file bytes, the message boxes and programs run until killed.

#include "core/Module1.h"
#include "support/FileBytes.h"
#include "support/KilledProgram.h"
#include "support/MessageBoxes.h"
#include "support/Records.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace quillon::test
{

// The memories as the program's start leaves them.
class StartedModule : public Module1
{
public:
    StartedModule() { startUp(); }
};

// Whether two records agree in every position a record carries.
inline bool sameRecord(const Record& a, const Record& b)
{
    return std::equal(a.begin(), a.begin() + kRecordLength, b.begin());
}

// The bank file start-up leaves: every memory 0 at 0..260, 32 at 261..599, 0 at 600..839.
inline QByteArray startUpBankFile()
{
    QByteArray memory;
    for (int p = 0; p < kBankFilePositions; ++p)
        memory += (p >= 261 && p <= 599) ? QByteArrayLiteral("32  ") : QByteArrayLiteral("0   ");
    return memory.repeated(kMemoryCount);
}

// A click on the item `text` of `list`, where the operator clicks; `twice` adds a double-click.
inline void clickItem(QListWidget* list, const QString& text, bool twice = false)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// Entry `index` of a pattern box chosen as the operator chooses it.
inline void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// What `box` holds replaced by `text`, typed key by key.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// A fresh folder that is the process's working directory while the object lives.
class WorkingFolder
{
public:
    WorkingFolder() : m_previous(QDir::currentPath())
    {
        QVERIFY2(m_dir.isValid(), "no temporary folder");
        QDir::setCurrent(m_dir.path());
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

// Mounts made after enter() stay inside this process's own mount namespace, so a test can put
// read-only and full volumes on its folders without touching the machine's.
class PrivateMounts
{
public:
    // Call once, from initTestCase().
    void enter()
    {
        if (unshare(CLONE_NEWNS) != 0)
            m_problem = QStringLiteral("no mount namespace of its own (%1)").arg(qt_error_string());
        else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            m_problem = QStringLiteral("mounts cannot be made private (%1)").arg(qt_error_string());
        else
            m_usable = true;
    }
    bool usable() const { return m_usable; }
    // Why no mounts can be made here; empty when they can.
    QString problem() const { return m_problem; }

private:
    bool m_usable = false;
    QString m_problem;
};

// `folder` made read-only while the object lives: by its permissions for an ordinary user, by a
// read-only bind mount for root, whom permissions do not stop.
class ReadOnlyFolder
{
public:
    ReadOnlyFolder(const QString& folder, const PrivateMounts& mounts)
        : m_folder(folder), m_byPermissions(geteuid() != 0)
    {
        if (m_byPermissions) {
            m_readOnly =
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            return;
        }
        if (!mounts.usable()) {
            m_skipReason =
                "running as root and " + mounts.problem() + ": no read-only folder can be made";
            return;
        }
        const QByteArray path = folder.toLocal8Bit();
        if (mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0 ||
            mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
                0) {
            m_skipReason = "a read-only bind mount failed: " + qt_error_string();
            return;
        }
        m_mounted = true;
        m_readOnly = true;
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            umount2(m_folder.toLocal8Bit().constData(), MNT_DETACH);
        else if (m_byPermissions)
            QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool isReadOnly() const { return m_readOnly; }
    // Why this machine cannot make the folder read-only at all (the case is then skipped);
    // empty when it could, even if it failed.
    QString skipReason() const { return m_skipReason; }

private:
    QString m_folder;
    bool m_byPermissions;
    bool m_mounted = false;
    bool m_readOnly = false;
    QString m_skipReason;
};

// A 1 MB file system mounted on `folder` while the object lives, for writes that run out of space.
class SmallVolume
{
public:
    SmallVolume(const QString& folder, const PrivateMounts& mounts) : m_path(folder.toLocal8Bit())
    {
        if (!mounts.usable())
            m_problem = mounts.problem();
        else if (mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=1m") != 0)
            m_problem = qt_error_string();
        else
            m_mounted = true;
    }
    ~SmallVolume()
    {
        if (m_mounted)
            umount2(m_path.constData(), MNT_DETACH);
    }
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    bool isMounted() const { return m_mounted; }
    // Why it could not be mounted; empty when it is.
    QString problem() const { return m_problem; }

private:
    QByteArray m_path;
    bool m_mounted = false;
    QString m_problem;
};

} // namespace quillon::test
