#include "core/Edition.h"

namespace quillon
{

Edition Edition::quillon()
{
    Edition e;
    e.title = QStringLiteral("Quillon");
    e.openPatterns = {QStringLiteral("*.dat"), QStringLiteral("*.awv"),
                      QStringLiteral("All Files(*.*)")};
    return e;
}

Edition Edition::pellisor()
{
    Edition e;
    e.title = QStringLiteral("Pellisor");
    e.waveformImport = false;
    e.wordExport = false;
    e.closeEndsProgram = false;
    e.openFormHasCancel = false;
    e.openPatterns = {QStringLiteral("*.dat"), QStringLiteral("*.txt"),
                      QStringLiteral("All Files(*.*)")};
    return e;
}

} // namespace quillon
