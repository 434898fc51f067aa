// Helpers for the tests of commissioning records saved from the window: the
// note dialog answered, and the text of a PDF as pdftotext reads it.
#pragma once

#include "RecordNoteDlg.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

// Answers the next note dialog that opens with note, as typed, and OK.
inline void AnswerRecordNote(const QString& note)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, note] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<RecordNoteDlg*>(window);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            timer->stop();
            timer->deleteLater();
            dialog->m_note->setPlainText(note);
            dialog->accept();
            return;
        }
    });
    timer->start(10);
}

// Why a PDF's text cannot be read here (no pdftotext), or empty.
inline QString NoPdfText()
{
#ifdef Q_OS_WIN
    return QStringLiteral("pdftotext (poppler-utils) is not installed for the Windows build");
#else
    return QStandardPaths::findExecutable("pdftotext").isEmpty()
               ? QStringLiteral("no pdftotext here: bash scripts/deps.sh installs poppler-utils")
               : QString();
#endif
}

// The text of the PDF at path, each cell and line on a line of its own.
inline QString PdfText(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-enc", "UTF-8", path, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    // (Ligatures of the shown sentences, "ﬁ" for "fi", read as letters.)
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    const std::pair<char16_t, const char*> ligatures[] = {{u'\uFB00', "ff"},
                                                          {u'\uFB01', "fi"},
                                                          {u'\uFB02', "fl"},
                                                          {u'\uFB03', "ffi"},
                                                          {u'\uFB04', "ffl"}};
    for (const auto& [ligature, letters] : ligatures)
        text.replace(QChar(ligature), QLatin1String(letters));
    return text;
}
