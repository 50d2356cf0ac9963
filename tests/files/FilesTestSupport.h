#pragma once

// Helpers shared by the bank file and waveform file tests.

#include "core/Record.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace quillon::test
{

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

inline QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The visible boxes of one kind ("quillonMessage", "quillonQuestion").
inline QList<QMessageBox*> openBoxes(const QString& objectName)
{
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w))
            if (box->objectName() == objectName && box->isVisible())
                boxes << box;
    return boxes;
}

// The text of the one message on screen, which is then closed with OK; empty when none is shown.
inline QString takeMessage()
{
    const QList<QMessageBox*> boxes = openBoxes(QStringLiteral("quillonMessage"));
    if (boxes.size() != 1)
        return {};
    QMessageBox* box = boxes.first();
    const QString text = box->text();
    box->button(QMessageBox::Ok)->click();
    return text;
}

// Presses the button `answer` of the one question on screen; false when there is no such box.
inline bool answerQuestion(const QString& answer, QString* text = nullptr)
{
    const QList<QMessageBox*> boxes = openBoxes(QStringLiteral("quillonQuestion"));
    if (boxes.size() != 1)
        return false;
    QMessageBox* box = boxes.first();
    if (text)
        *text = box->text();
    for (QAbstractButton* button : box->buttons())
        if (button->text() == answer) {
            button->click();
            return true;
        }
    return false;
}

// A record with a value at every position 0..840 that depends on the seed, and the memory number
// characters given.
inline Record patternRecord(int seed, const char* number = "   ")
{
    Record r{};
    for (int p = 0; p < kRecordLength; ++p)
        r[p] = std::int16_t((p * 7 + seed * 13) % 256);
    for (int i = 0; i < 3; ++i)
        r[kMemoryNumberPos + i] = std::int16_t(number[i]);
    return r;
}

} // namespace quillon::test
