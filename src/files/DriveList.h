#pragma once

#include <QComboBox>

namespace quillon
{

// Drive1: the drives of the machine. On Linux these are the mounted volumes, each shown by the
// folder it is mounted on.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Re-reads the volumes.
    void refresh();
    // Shows the drive that holds `folder`, without moving anywhere.
    void showDriveOf(const QString& folder);
    // The root folder of the drive shown (native separators).
    QString drive() const;
    // The operator's choice: shows `root` and announces it.
    void choose(const QString& root);

signals:
    void driveChosen(const QString& root);
};

} // namespace quillon
