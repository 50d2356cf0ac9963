#pragma once

#include <QString>

namespace quillon
{

// Why a bank could not be saved or a file could not be opened.
enum class FileProblem {
    NoName,        // saving: the file name box is empty
    IsFolder,      // saving: the path names a folder
    NotAFile,      // saving: the path names a device, a pipe or a socket
    NoFolder,      // saving: the folder (or its drive) does not exist
    CannotCreate,  // saving: the file cannot be created or opened for writing
    WriteFailed,   // saving: writing stopped part-way (a full disk, an I/O error)
    ReplaceFailed, // saving: the written file could not take the place of the old one
    NotFound,      // opening: there is no such file
    FolderGiven,   // opening: the path names a folder
    DeviceGiven,   // opening: the path names a device, a pipe or a socket
    CannotRead,    // opening: the file exists but cannot be read
    BadBank,       // opening: the file is not a usable bank file
    BadWaveform,   // opening: the file is not a usable waveform file
};

struct FileFailure {
    FileProblem problem = FileProblem::CannotRead;
    QString path;   // the file concerned
    QString detail; // the system's reason, or where and what is wrong in the file
};

// The message the operator sees: it names the file and the reason, and says what was kept.
QString failureText(const FileFailure& failure);

// A file that could not be read, in one line as the command-line tools print it:
// "<file>: <reason>".
QString briefText(const FileFailure& failure);

} // namespace quillon
