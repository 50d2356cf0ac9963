#include "files/OpenWindow.h"

#include "files/DriveList.h"
#include "files/FileList.h"
#include "files/FolderList.h"
#include "files/PathRule.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace quillon
{

namespace
{
const QString kDefaultName = QStringLiteral("temp.dat");
const QString kFirstPattern = QStringLiteral("*.dat");
// Fixed: the pattern box's entries are patterns the list filters by; this one stands for all.
const QString kAllFilesEntry = QStringLiteral("All Files(*.*)");
const QString kAllFilesPattern = QStringLiteral("*.*");
const QString kFolderKey = QStringLiteral("frmopen/folder");
} // namespace

OpenWindow::OpenWindow(const Edition& edition, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmopen"));
    setWindowTitle(tr("File Open"));

    Drive1 = new DriveList(this);
    Dir1 = new FolderList(this);
    File1 = new FileList(this);
    File1->setPattern(kFirstPattern);
    cmbext = named(new QComboBox(this), "cmbext");
    cmbext->setEditable(true);
    cmbext->setInsertPolicy(QComboBox::NoInsert);
    cmbext->addItems(edition.openPatterns);
    cmbext->setEditText(kFirstPattern);
    Text1 = named(new QLineEdit(this), "Text1");
    cmdok = named(new QPushButton(tr("Ok"), this), "cmdok");
    cmdok->setDefault(true);
    if (edition.openFormHasCancel) {
        cmdcancel = named(new QPushButton(tr("Cancel"), this), "cmdcancel");
        connect(cmdcancel, &QPushButton::clicked, this, &QWidget::close);
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(Text1, 0, 0, 1, 2);
    layout->addWidget(File1, 1, 0);
    layout->addWidget(cmbext, 2, 0);
    layout->addWidget(Dir1, 1, 1);
    layout->addWidget(Drive1, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdok);
    if (cmdcancel)
        buttons->addWidget(cmdcancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    resize(560, 360);
    WindowSettings::keepGeometry(this);

    connect(Drive1, &DriveList::driveChosen, this,
            [this](const QString& root) { Dir1->setPath(Drive1->currentFolderOn(root)); });
    connect(Dir1, &FolderList::pathChanged, this, &OpenWindow::Dir1_Change);
    connect(File1, &FileList::filePicked, this, &OpenWindow::File1_Click);
    connect(File1, &FileList::fileOpened, this, [this](const QString& name) {
        File1_Click(name);
        direct();
    });
    connect(cmbext->lineEdit(), &QLineEdit::textEdited, File1, &FileList::setPattern);
    connect(cmbext, &QComboBox::activated, this, [this](int index) {
        const QString entry = cmbext->itemText(index);
        File1->setPattern(entry == kAllFilesEntry ? kAllFilesPattern : entry);
    });
    connect(Text1, &QLineEdit::returnPressed, this, &OpenWindow::direct);
    connect(cmdok, &QPushButton::clicked, this, &OpenWindow::direct);
}

void OpenWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Form_Load: the pattern box as defined, the remembered folder (the current directory
    // before the first folder change), the path box at "temp.dat" there.
    cmbext->setEditText(kFirstPattern);
    File1->setPattern(kFirstPattern);
    Drive1->refresh();
    // Before the first folder change of the run, the folder of the last run. A remembered
    // folder that has gone since (a drive taken out) gives way to the current directory.
    const QString folder = m_rememberedFolder.isEmpty()
                               ? WindowSettings::value(kFolderKey).toString()
                               : m_rememberedFolder;
    const bool remembered = !folder.isEmpty() && QDir(folder).exists();
    Dir1->setPath(remembered ? folder : QDir::currentPath());
    Drive1->showDriveOf(Dir1->path());
    File1->setFolder(Dir1->path());
    Text1->setText(buildPath(Dir1->path(), kDefaultName));
}

void OpenWindow::Dir1_Change()
{
    m_rememberedFolder = Dir1->path();
    WindowSettings::setValue(kFolderKey, m_rememberedFolder);
    Drive1->showDriveOf(Dir1->path());
    File1->setFolder(Dir1->path());
    Text1->setText(buildPath(Dir1->path(), kDefaultName));
}

void OpenWindow::File1_Click(const QString& name)
{
    Text1->setText(buildPath(Dir1->path(), name));
}

void OpenWindow::direct()
{
    m_chosenPath = Text1->text();
    close();
    emit fileChosen(m_chosenPath);
}

} // namespace quillon
