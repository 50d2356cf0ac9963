#include "files/FileOpener.h"

#include "files/QuestionBox.h"
#include "view/MessageBox.h"

#include <memory>

namespace quillon
{

namespace
{
const QString kTitle = QStringLiteral("File Open");
enum ReplaceAnswer { Load, Cancel };
} // namespace

FileOpener::FileOpener(Module1& module, const Edition& edition, QWidget* window,
                       std::function<void(const QString&, FileKind)> opened, QObject* parent)
    : QObject(parent), m_module(module), m_loader(module, edition), m_window(window),
      m_opened(std::move(opened))
{
}

void FileOpener::open(const QString& path)
{
    auto file = std::make_shared<LoadedFile>();
    if (auto failure = readLoadedFile(path, m_loader.edition(), *file)) {
        const QString text = failureText(*failure);
        showMessage(m_window, text, kTitle);
        emit failed(text);
        return;
    }
    if (file->kind == FileKind::Bank && m_module.hasUnsavedChanges()) {
        askQuestion(m_window,
                    QStringLiteral("The bank holds received records or notes that are in no bank "
                                   "file yet. Loading \"%1\" replaces the whole bank.")
                        .arg(path),
                    kTitle, {QStringLiteral("Load"), QStringLiteral("Cancel")}, Cancel, this,
                    [this, file](int answer) {
                        if (answer == Load)
                            finish(*file);
                    });
        return;
    }
    finish(*file);
}

void FileOpener::finish(const LoadedFile& file)
{
    m_loader.apply(file);
    if (m_opened)
        m_opened(file.path, file.kind);
}

} // namespace quillon
