#include "files/FileOpener.h"

#include "files/QuestionBox.h"
#include "view/MessageBox.h"

#include <memory>

namespace quillon
{

namespace
{
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
        showMessage(m_window, text, tr("File Open"));
        emit failed(text);
        return;
    }
    if (file->kind == FileKind::Bank && m_module.hasUnsavedChanges()) {
        askQuestion(m_window,
                    tr("The bank holds received records or notes that are in no bank file yet. "
                       "Loading \"%1\" replaces the whole bank.")
                        .arg(path),
                    tr("File Open"), {tr("Load"), tr("Cancel")}, Cancel, this,
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
