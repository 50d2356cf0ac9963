#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quillon
{

// "Version major.minor.revision" of the program's version.
QString versionText(int major, int minor, int revision);

// frmAbout: the program's title and version, what it is for and who made it. Modeless; OK
// unloads it.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(const QString& title, QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
