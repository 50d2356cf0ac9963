#pragma once

#include "core/Edition.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillon
{

class DriveList;
class FileList;
class FolderList;

// frmopen, "File Open": picks a file for `direct`. The path box follows the file list, whether a
// file is clicked or reached with the keyboard; a double-click or Enter on a file loads it, as
// "Ok" loads what the path box names. The pattern box only filters the file list;
// what the file is read as is decided by the load. The folder last shown is remembered from one
// showing to the next for the rest of the run, and kept in the settings for the next run.
class OpenWindow : public QWidget
{
    Q_OBJECT
public:
    explicit OpenWindow(const Edition& edition, QWidget* parent = nullptr);

    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QComboBox* cmbext = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdok = nullptr;
    QPushButton* cmdcancel = nullptr; // null in an edition whose open form has none

    // The folder of the last folder change; empty until the first.
    QString rememberedFolder() const { return m_rememberedFolder; }
    // The path box's text when the last load was asked for.
    QString chosenPath() const { return m_chosenPath; }

    // direct: takes the path box's text, closes the form, then hands the path on.
    void direct();

signals:
    // Emitted after the form has closed; the receiver loads the file.
    void fileChosen(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Dir1_Change();
    void File1_Click(const QString& name);

    QString m_rememberedFolder;
    QString m_chosenPath;
};

} // namespace quillon
