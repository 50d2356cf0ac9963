#pragma once

#include <QComboBox>
#include <QHash>

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
    // Shows the drive that holds `folder`, without moving anywhere; `folder` becomes that
    // drive's current folder.
    void showDriveOf(const QString& folder);
    // The folder a move to the drive `root` goes to: the folder last shown on it while the
    // list lives, else the process's current directory when it is on that drive, else the root.
    QString currentFolderOn(const QString& root) const;
    // The root folder of the drive shown (native separators).
    QString drive() const;
    // The operator's choice: shows `root` and announces it.
    void choose(const QString& root);

signals:
    // Another drive was chosen (choosing the drive already shown is no change).
    void driveChosen(const QString& root);

private:
    // The entry of `root`, added to the list when it has none.
    int indexOf(const QString& root);

    QString m_shown;                   // the drive last shown
    QHash<QString, QString> m_current; // drive root -> its current folder
};

} // namespace quillon
