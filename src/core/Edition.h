#pragma once

#include <QString>
#include <QStringList>

namespace quillon
{

// What differs between the two programs built from these sources. The windows ask this object;
// nothing else in the code knows which program it is.
struct Edition {
    QString title;                // window caption and About title
    bool waveformImport = true;   // the open form reads small files as waveform files
    bool wordExport = true;       // "Save as Word Doc"
    bool closeEndsProgram = true; // closing the main window ends the program
    bool openFormHasCancel = true;
    QStringList openPatterns; // entries of the open form's pattern box

    static Edition quillon();
    static Edition pellisor();
};

} // namespace quillon
