// The window program's command that makes a commissioning record's PDF from
// its JSON document (tolvoctl's --record, or the window's) where no display
// is needed:
//   TolvoSConfig --record-pdf RECORD.json OUT.pdf
// It prints nothing when the PDF was written; otherwise a sentence on
// stderr and exit status 2 (wrong arguments, or no record it can read) or 3
// (the PDF was not written; an earlier file at OUT.pdf stays as it was).
#pragma once

#include <QStringList>

constexpr int RECORD_PDF_USAGE = 2;
constexpr int RECORD_PDF_NOT_WRITTEN = 3;

// Whether the program was started for the command. Then, on a system whose
// Qt needs a display for its default platform, Qt's offscreen platform is
// chosen: call it before the application object exists.
bool PrepareRecordPdfCommand(int argc, char* argv[]);

// Runs the command on the application's arguments; the exit status.
int RunRecordPdfCommand(const QStringList& arguments);
