#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon
{

// "Team archive": where this PC's archive is copied to, as a PostgreSQL service name
// ("service=quillon", from pg_service.conf) or a libpq connection string. The password is never
// typed here: libpq reads it from ~/.pgpass or PGPASSFILE. The window only shows and asks: the
// connection test and the saving are its owner's business.
class TeamSettingsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit TeamSettingsWindow(QWidget* parent = nullptr);

    void setServer(const QString& conninfo);
    QString server() const;
    // What the last connection test found (a sentence made by the owner).
    void showTestResult(const QString& text);
    // Where the uploads stand.
    void showStatus(const QString& text);
    void setTesting(bool testing);

    QLineEdit* txtserver = nullptr;
    QPushButton* cmdtest = nullptr;
    QPushButton* cmdsave = nullptr;
    QLabel* lbltest = nullptr;
    QLabel* lblstatus = nullptr;

signals:
    void testRequested(const QString& conninfo);
    void saveRequested(const QString& conninfo);
};

} // namespace quillon
