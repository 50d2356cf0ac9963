#include "core/FileFailure.h"

#include <QCoreApplication>

namespace quillon
{

namespace
{
QString translated(const char* text)
{
    return QCoreApplication::translate("FileFailure", text);
}
} // namespace

QString failureText(const FileFailure& f)
{
    switch (f.problem) {
    case FileProblem::NoName:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": no file name was "
                                            "given."))
            .arg(f.path);
    case FileProblem::IsFolder:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": that is a folder, "
                                            "not a file."))
            .arg(f.path);
    case FileProblem::NotAFile:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": that is a device "
                                            "or a pipe, not a file."))
            .arg(f.path);
    case FileProblem::NoFolder:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": the folder \"%2\" "
                                            "does not exist."))
            .arg(f.path, f.detail);
    case FileProblem::CannotCreate:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": the file cannot be "
                                            "written (%2)."))
            .arg(f.path, f.detail);
    case FileProblem::WriteFailed:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": writing failed "
                                            "(%2). A file already there keeps its old contents."))
            .arg(f.path, f.detail);
    case FileProblem::ReplaceFailed:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "The bank was not saved to \"%1\": the new file could "
                                            "not replace the old one (%2). The old file keeps its "
                                            "contents."))
            .arg(f.path, f.detail);
    case FileProblem::NotFound:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "\"%1\" cannot be opened: there is no such file. "
                                            "Nothing was changed."))
            .arg(f.path);
    case FileProblem::FolderGiven:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "\"%1\" cannot be opened: it is a folder. Nothing was "
                                            "changed."))
            .arg(f.path);
    case FileProblem::DeviceGiven:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "\"%1\" cannot be opened: it is a device or a pipe, "
                                            "not a file. Nothing was changed."))
            .arg(f.path);
    case FileProblem::CannotRead:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "\"%1\" cannot be opened: %2. Nothing was changed."))
            .arg(f.path, f.detail);
    case FileProblem::BadBank:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "\"%1\" cannot be loaded as a bank file: %2. Nothing "
                                            "was changed."))
            .arg(f.path, f.detail);
    case FileProblem::BadWaveform:
        return translated(QT_TRANSLATE_NOOP("FileFailure",
                                            "\"%1\" cannot be imported as a waveform file: %2. "
                                            "Nothing was changed."))
            .arg(f.path, f.detail);
    }
    return translated(QT_TRANSLATE_NOOP("FileFailure", "The bank was not saved to \"%1\": %2"))
        .arg(f.path, f.detail);
}

QString briefText(const FileFailure& f)
{
    return f.path + QStringLiteral(": ") + f.detail;
}

} // namespace quillon
