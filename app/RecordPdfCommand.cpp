#include "RecordPdfCommand.h"

#include "CoreMessages.h"
#include "DialogTemplate.h"
#include "RecordFiles.h"
#include "RecordReader.h"
#include "StagedFile.h"
#include "StringIds.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstring>

namespace {

const char* const OPTION = "--record-pdf";

// Qt's own notes (a runtime folder not set, say) are no concern of the
// command's user, who is told only what the command says.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << Qt::endl;
}

int Say(const QString& sentence, int status)
{
    QTextStream(stderr) << sentence << Qt::endl;
    return status;
}

} // namespace

bool PrepareRecordPdfCommand(int argc, char* argv[])
{
    if (argc < 2 || std::strcmp(argv[1], OPTION) != 0)
        return false;
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen"); // (Windows' own platform needs no display)
#endif
    qInstallMessageHandler(Quiet);
    return true;
}

int RunRecordPdfCommand(const QStringList& arguments)
{
    if (arguments.size() != 4 || arguments[1] != QLatin1String(OPTION))
        return Say(LoadResourceString(IDS_RECORD_PDF_USAGE)
                       .arg(QFileInfo(arguments.value(0)).completeBaseName()),
                   RECORD_PDF_USAGE);
    const QString& jsonPath = arguments[2];
    if (NamesSameFile(jsonPath, arguments[3]))
        return Say(LoadResourceString(IDS_RECORD_PDF_FAILED)
                       .arg(Tr(MSG_RECORD_SAME_FILE).arg(arguments[3])),
                   RECORD_PDF_USAGE);
    QString problem;
    QByteArray sha256;
    const std::optional<CommissioningRecord> record = LoadRecordFile(jsonPath, problem, &sha256);
    if (!record)
        return Say(LoadResourceString(IDS_RECORD_PDF_REFUSED).arg(jsonPath, problem),
                   RECORD_PDF_USAGE);
    const QString error =
        SaveRecordPdf(arguments[3], *record, QFileInfo(jsonPath).fileName(), sha256);
    if (!error.isEmpty())
        return Say(LoadResourceString(IDS_RECORD_PDF_FAILED).arg(error), RECORD_PDF_NOT_WRITTEN);
    return 0;
}
