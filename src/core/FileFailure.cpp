#include "core/FileFailure.h"

namespace quillon
{

QString failureText(const FileFailure& f)
{
    const QString notSaved = QStringLiteral("The bank was not saved to \"%1\": ").arg(f.path);
    const QString kept = QStringLiteral(" Nothing was changed.");
    switch (f.problem) {
    case FileProblem::NoName:
        return notSaved + QStringLiteral("no file name was given.");
    case FileProblem::IsFolder:
        return notSaved + QStringLiteral("that is a folder, not a file.");
    case FileProblem::NotAFile:
        return notSaved + QStringLiteral("that is a device or a pipe, not a file.");
    case FileProblem::NoFolder:
        return notSaved + QStringLiteral("the folder \"%1\" does not exist.").arg(f.detail);
    case FileProblem::CannotCreate:
        return notSaved + QStringLiteral("the file cannot be written (%1).").arg(f.detail);
    case FileProblem::WriteFailed:
        return notSaved + QStringLiteral("writing failed (%1). A file already there keeps its "
                                         "old contents.")
                              .arg(f.detail);
    case FileProblem::ReplaceFailed:
        return notSaved + QStringLiteral("the new file could not replace the old one (%1). The "
                                         "old file keeps its contents.")
                              .arg(f.detail);
    case FileProblem::NotFound:
        return QStringLiteral("\"%1\" cannot be opened: there is no such file.").arg(f.path) + kept;
    case FileProblem::FolderGiven:
        return QStringLiteral("\"%1\" cannot be opened: it is a folder.").arg(f.path) + kept;
    case FileProblem::DeviceGiven:
        return QStringLiteral("\"%1\" cannot be opened: it is a device or a pipe, not a file.")
                   .arg(f.path) +
               kept;
    case FileProblem::CannotRead:
        return QStringLiteral("\"%1\" cannot be opened: %2.").arg(f.path, f.detail) + kept;
    case FileProblem::BadBank:
        return QStringLiteral("\"%1\" cannot be loaded as a bank file: %2.").arg(f.path, f.detail) +
               kept;
    case FileProblem::BadWaveform:
        return QStringLiteral("\"%1\" cannot be imported as a waveform file: %2.")
                   .arg(f.path, f.detail) +
               kept;
    }
    return notSaved + f.detail;
}

QString briefText(const FileFailure& f)
{
    return f.path + QStringLiteral(": ") + f.detail;
}

} // namespace quillon
