#pragma once

#include <QListWidget>
#include <QStringList>

namespace quillon
{

// File1: the files of one folder whose names match the pattern. A pattern may hold several
// parts separated by ";" ("*.dat;*.awv"); "*.*" lists every file, with or without an extension.
// Names match without regard to case, as on the instrument's own media.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString folder() const { return m_folder; }
    QString pattern() const { return m_pattern; }
    void setFolder(const QString& folder);
    void setPattern(const QString& pattern);
    // Re-reads the folder.
    void refresh();

    // The name filters a pattern stands for.
    static QStringList filtersOf(const QString& pattern);

signals:
    // A file became the current one: clicked, or reached with the keyboard (arrow keys, Home,
    // End, Page Up and Down, typing the start of its name).
    void filePicked(const QString& name);
    // A file was double-clicked, or Enter was pressed on the current one.
    void fileOpened(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_folder;
    QString m_pattern = QStringLiteral("*.dat");
};

} // namespace quillon
