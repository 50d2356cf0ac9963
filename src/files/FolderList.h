#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace quillon
{

// Dir1: a folder and the folders in it. The line above the list shows the folder's path (cut
// short in the middle when it is longer than the line, whole in its tool tip); the
// list holds ".." (except at a drive root) and the sub-folders; opening an entry (double-click
// or Enter) moves there.
class FolderList : public QWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    // The folder shown, with native separators ("/home/op/data", "/", "C:\DATA").
    QString path() const { return m_path; }
    // Moves to `folder` and re-reads it; pathChanged follows when the folder is another one.
    void setPath(const QString& folder);
    // Opens the entry of that text ("..", or a sub-folder's name).
    void openEntry(const QString& entry);

    QListWidget* list() const { return m_list; }

signals:
    void pathChanged(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill();
    void showPath();

    QString m_path;
    QLabel* m_pathLabel = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace quillon
