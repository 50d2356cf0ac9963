#include "files/SaveWindow.h"

#include "files/DriveList.h"
#include "files/FolderList.h"
#include "files/PathRule.h"
#include "files/QuestionBox.h"
#include "view/MessageBox.h"
#include "view/Widgets.h"
#include "view/WindowSettings.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace quillon
{

namespace
{
const QString kDefaultName = QStringLiteral("temp.dat");
enum ReplaceAnswer { ReplaceFile, CancelReplace };
const QString kFolderKey = QStringLiteral("frmsave/folder");
} // namespace

SaveWindow::SaveWindow(Module1& module, QWidget* parent)
    : QWidget(parent, Qt::Window), m_module(module), m_saver(module)
{
    setObjectName(QStringLiteral("frmsave"));
    setWindowTitle(tr("File Save"));

    Drive1 = new DriveList(this);
    Dir1 = new FolderList(this);
    Label1 = named(new QLabel(tr("File Name"), this), "Label1");
    txtfilename = named(new QLineEdit(kDefaultName, this), "txtfilename");
    Label1->setBuddy(txtfilename);
    Text1 = named(new QLineEdit(this), "Text1");
    Text1->setReadOnly(true); // it shows the path; the file written is built from the lists
    cmdsaveok = named(new QPushButton(tr("Ok"), this), "cmdsaveok");
    cmdsaveok->setDefault(true);
    cmdsavecancel = named(new QPushButton(tr("Cancel"), this), "cmdsavecancel");

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(txtfilename, 1, 0);
    layout->addWidget(Drive1, 0, 1);
    layout->addWidget(Dir1, 1, 1, 2, 1);
    layout->addWidget(Text1, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdsaveok);
    buttons->addWidget(cmdsavecancel);
    buttons->addStretch(1);
    layout->addLayout(buttons, 2, 0, Qt::AlignBottom);
    resize(520, 340);
    WindowSettings::keepGeometry(this);

    connect(Drive1, &DriveList::driveChosen, this,
            [this](const QString& root) { Dir1->setPath(Drive1->currentFolderOn(root)); });
    connect(Dir1, &FolderList::pathChanged, this, &SaveWindow::Dir1_Change);
    connect(txtfilename, &QLineEdit::textEdited, this,
            [this] { Text1->setText(pathBoxText(Dir1->path(), txtfilename->text())); });
    connect(txtfilename, &QLineEdit::returnPressed, this, &SaveWindow::cmdsaveok_Click);
    connect(cmdsaveok, &QPushButton::clicked, this, &SaveWindow::cmdsaveok_Click);
    connect(cmdsavecancel, &QPushButton::clicked, this, &QWidget::close);
}

void SaveWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // shown again after being minimised: not a new showing
    // Form_Load: the bank file of this run, else the name of the form's definition in the folder
    // last written to (only a save that succeeded records it), else the current directory.
    const QFileInfo bank(m_module.bankPath());
    const bool ofThisRun = !bank.fileName().isEmpty() && bank.dir().exists();
    const QString folder =
        ofThisRun ? bank.absolutePath() : WindowSettings::value(kFolderKey).toString();
    txtfilename->setText(ofThisRun ? bank.fileName() : kDefaultName);
    Drive1->refresh();
    Dir1->setPath(!folder.isEmpty() && QDir(folder).exists() ? folder : QDir::currentPath());
    Dir1_Change(); // also when the folder is the one shown before
}

void SaveWindow::Dir1_Change()
{
    Drive1->showDriveOf(Dir1->path());
    Text1->setText(buildPath(Dir1->path(), txtfilename->text()));
}

void SaveWindow::cmdsaveok_Click()
{
    if (m_asking)
        return;
    const QString folder = Dir1->path();
    const QString name = txtfilename->text();
    const QString path = buildPath(folder, name);
    if (!QFileInfo(path).isFile()) {
        save(folder, name);
        return;
    }
    // An existing file is replaced only when the operator says so; the form waits meanwhile.
    m_asking = true;
    askQuestion(this, replaceQuestion(path), tr("File Save"), {tr("Replace"), tr("Cancel")},
                CancelReplace, this, [this, folder, name](int answer) {
                    m_asking = false;
                    if (answer == ReplaceFile)
                        save(folder, name);
                });
}

QString SaveWindow::replaceQuestion(const QString& path)
{
    return tr("The file \"%1\" already exists. Replace it?").arg(QDir::toNativeSeparators(path));
}

void SaveWindow::save(const QString& folder, const QString& name)
{
    if (auto failure = m_saver.save(folder, name))
        return showMessage(this, failureText(*failure), tr("File Save"));
    WindowSettings::setValue(kFolderKey, QDir(folder).absolutePath());
    m_saving = true;
    close();
    m_saving = false;
    emit saved(buildPath(folder, name));
}

void SaveWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!m_saving)
        emit closedWithoutSaving();
}

} // namespace quillon
