#pragma once

#include "core/DisplaySnapshot.h"
#include "report/ReportBlock.h"

namespace quillon
{

// Composes the report page of what the main window shows: the A-scan block (the A-scan with the
// beam path, surface and depth line), the menu data block, the notes block and the header block,
// each at its natural size and placed on the page at its fixed position.
namespace ReportComposer
{

inline constexpr double kPointsPerInch = 72;
inline constexpr double kTwipsPerInch = 1440;

// Natural sizes.
inline constexpr QSizeF kAscanBlockSize{258.75, 291.75}; // points
inline constexpr QSizeF kMenuBlockSize{258.75, 291.75};  // points
inline constexpr QSizeF kNotesBlockSize{10300, 2985};    // twips
inline constexpr QSizeF kHeaderBlockSize{9615, 615};     // twips

// Places on the page (twips from the top-left corner of the printable area), all from one base.
inline constexpr double kPageBase = 5000;
inline constexpr QPointF kHeaderPlace{1300, kPageBase};
inline constexpr QPointF kAscanPlace{870, kPageBase + 700};
inline constexpr QPointF kMenuPlace{5990, kPageBase + 700};
inline constexpr QPointF kNotesPlace{870, kPageBase + 6400};

ReportBlock ascanBlock(const DisplaySnapshot& snapshot);
ReportBlock menuDataBlock(const PanelTexts& panel);
ReportBlock notesBlock(const NoteTexts& notes);
ReportBlock headerBlock();

// The four blocks in painting order: header, A-scan, menu data, notes.
ReportPage compose(const DisplaySnapshot& snapshot);

} // namespace ReportComposer

} // namespace quillon
