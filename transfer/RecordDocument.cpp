#include "RecordDocument.h"

#include "DialogTemplate.h"
#include "PageTable.h"
#include "PasswordMask.h"
#include "StringIds.h"
#include "Transcript.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cstdlib>
#include <vector>

namespace {

constexpr int VALUE_PROPERTY = QTextFormat::UserProperty + 1;
constexpr int PDF_DPI = 300;
constexpr qreal MARGIN_MM = 15;
constexpr qreal PARAGRAPH_SPACE = 4; // points

// A cell or line of the document: a text of the string table, or the
// record's own.
struct Text {
    QString text;
    bool value = false;
};

Text Words(int id)
{
    return {LoadResourceString(id), false};
}

// The record's text as it is shown: escaped, so that a device's control
// characters neither break a line nor vanish.
Text Value(const QString& text)
{
    return {EscapedText(text), true};
}

// The note keeps its lines; anything else a line could hold is escaped.
Text NoteValue(const QString& note)
{
    QStringList lines = note.split(u'\n');
    for (QString& line : lines)
        line = EscapedText(line);
    return {lines.join(u'\n'), true};
}

// A setting's value as shown: the password's only as set or not; a
// list's position with the list's text ("0 (DHCP Disabled)").
Text SettingValue(const QString& key, const QString& value)
{
    if (IsPasswordKey(key))
        return value.isEmpty() ? Value({}) : Words(IDS_RECORD_PASSWORD_SET);
    const QString choice = ShownChoice(key, value);
    return Value(choice.isEmpty() ? value : QStringLiteral("%1 (%2)").arg(value, choice));
}

Text Verified(const std::optional<bool>& verified)
{
    if (!verified)
        return {QStringLiteral("\u2014"), false}; // nothing written and read back
    return Words(*verified ? IDS_RECORD_YES : IDS_RECORD_NO);
}

int KindText(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Load: return IDS_RECORD_KIND_LOAD;
    case RecordKind::Save: return IDS_RECORD_KIND_SAVE;
    case RecordKind::Send: return IDS_RECORD_KIND_SEND;
    case RecordKind::Check: return IDS_RECORD_KIND_CHECK;
    case RecordKind::Backup: return IDS_RECORD_KIND_BACKUP;
    case RecordKind::Restore: return IDS_RECORD_KIND_RESTORE;
    case RecordKind::Set: return IDS_RECORD_KIND_SET;
    }
    return IDS_RECORD_KIND_LOAD;
}

int OutcomeText(RecordOutcome outcome)
{
    switch (outcome) {
    case RecordOutcome::Verified: return IDS_SEND_STATE_VERIFIED;
    case RecordOutcome::Read: return IDS_RECORD_OUTCOME_READ;
    case RecordOutcome::Matches: return IDS_CHECK_STATE_MATCHES;
    case RecordOutcome::Differs: return IDS_CHECK_STATE_DIFFERS;
    case RecordOutcome::Failed: return IDS_SEND_STATE_FAILED;
    }
    return IDS_SEND_STATE_FAILED;
}

// "2026-12-08 14:05:09 +01:00": the local time with its offset from UTC.
QString TimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + UtcOffsetText(time);
}

// Writes the document's parts at its end.
class Writer {
public:
    explicit Writer(QTextDocument& document) : m_cursor(&document) {}

    // A bold heading; on a page of its own's top with newPage.
    void Heading(const QString& text, qreal points, bool newPage = false)
    {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setFontPointSize(points);
        Block(format, {text, false}, points, newPage);
    }

    void Paragraph(const Text& text) { Block({}, text, PARAGRAPH_SPACE); }

    // Rows of cells; with headings, a bold first row.
    void Table(const std::vector<Text>& headings, const std::vector<std::vector<Text>>& rows,
               int columns)
    {
        const int first = headings.empty() ? 0 : 1;
        QTextTableFormat format;
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(first);
        QTextTable* table = m_cursor.insertTable(int(rows.size()) + first, columns, format);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int column = 0; column < int(headings.size()); ++column)
            Cell(table, 0, column, headings[column], bold);
        for (int row = 0; row < int(rows.size()); ++row)
            for (int column = 0; column < int(rows[row].size()); ++column)
                Cell(table, row + first, column, rows[row][column], {});
        m_cursor.movePosition(QTextCursor::End);
    }

private:
    // A value is shown letter by letter: no ligature ("ff" as one glyph)
    // changes what a reader copies from it.
    static QTextCharFormat Marked(QTextCharFormat format, bool value)
    {
        if (value) {
            format.setProperty(VALUE_PROPERTY, true);
            format.setFontStyleStrategy(QFont::PreferNoShaping);
        }
        return format;
    }

    // A block with space above it (none at the top of the document).
    void Block(const QTextCharFormat& format, const Text& text, qreal spaceAbove,
               bool newPage = false)
    {
        QTextBlockFormat block;
        block.setTopMargin(spaceAbove);
        if (newPage)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (m_first)
            m_cursor.setBlockFormat(block);
        else
            m_cursor.insertBlock(block, QTextCharFormat());
        m_first = false;
        m_cursor.insertText(text.text, Marked(format, text.value));
    }

    static void Cell(QTextTable* table, int row, int column, const Text& text,
                     const QTextCharFormat& format)
    {
        table->cellAt(row, column)
            .firstCursorPosition()
            .insertText(text.text, Marked(format, text.value));
    }

    QTextCursor m_cursor;
    bool m_first = true;
};

void WriteHeader(Writer& out, const CommissioningRecord& record, const QString& jsonName,
                 const QByteArray& sha256)
{
    out.Heading(LoadResourceString(IDS_RECORD_TITLE), 16);
    std::vector<std::vector<Text>> rows{
        {Words(IDS_RECORD_PROGRAM), Value(record.program + ' ' + record.programVersion)},
        {Words(IDS_RECORD_RUN), Words(KindText(record.kind))},
        {Words(IDS_RECORD_CREATED), Value(TimeText(record.createdAt))},
        {Words(IDS_RECORD_TIME_ZONE), Value(record.timeZone)},
        {Words(IDS_RECORD_NOTE), NoteValue(record.note)},
    };
    out.Table({}, rows, 2);
    out.Paragraph(
        {LoadResourceString(IDS_RECORD_SHA256).arg(jsonName, QString::fromLatin1(sha256)), false});
    out.Paragraph(Words(IDS_RECORD_SHA256_NOTE));
}

// The digest in the sentence that gives it, in a fixed-pitch font and
// without ligatures, as sha256sum prints it.
void ShowDigest(QTextDocument& document, const QByteArray& sha256)
{
    QTextCursor digest = document.find(QString::fromLatin1(sha256));
    if (digest.isNull())
        return;
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("monospace")});
    format.setFontFixedPitch(true);
    format.setFontStyleStrategy(QFont::PreferNoShaping);
    digest.mergeCharFormat(format);
}

void WriteIdentity(Writer& out, const RecordDevice& device)
{
    std::vector<std::vector<Text>> rows{{Words(IDS_FIND_COLUMN_ADDRESS), Value(device.address)}};
    if (device.verifiedAt.isEmpty())
        rows.push_back({Words(IDS_RECORD_READ_AT), Words(IDS_RECORD_NOT_READ)});
    else if (device.verifiedAt != device.address)
        rows.push_back({Words(IDS_RECORD_READ_AT), Value(device.verifiedAt)});
    for (const auto& [key, value] :
         {std::pair{"SERIALN", device.serialNumber}, std::pair{"FWVERSION", device.firmwareVersion},
          std::pair{"DEVICEID", device.deviceName}})
        rows.push_back({{ShownSettingName(QLatin1String(key)), false}, Value(value)});
    rows.push_back({Words(IDS_RECORD_OUTCOME), Words(OutcomeText(device.outcome))});
    if (!device.error.isEmpty())
        rows.push_back({Words(IDS_RECORD_ERROR), Value(device.error)});
    out.Table({}, rows, 2);
}

// Every device of the record on one line each, so that a record of many
// shows at once which failed or differ.
void WriteOverview(Writer& out, const CommissioningRecord& record)
{
    out.Heading(LoadResourceString(IDS_RECORD_OVERVIEW_HEADING), 11);
    std::vector<std::vector<Text>> rows;
    for (const RecordDevice& device : record.devices)
        rows.push_back({Value(device.address), Value(device.serialNumber), Value(device.deviceName),
                        Words(OutcomeText(device.outcome))});
    out.Table({Words(IDS_FIND_COLUMN_ADDRESS),
               {ShownSettingName(QStringLiteral("SERIALN")), false},
               {ShownSettingName(QStringLiteral("DEVICEID")), false},
               Words(IDS_RECORD_OUTCOME)},
              rows, 4);
}

Text Name(const QString& key)
{
    return {ShownSettingName(key), false};
}

// Every setting as read; with whether each was verified where the run wrote.
void WriteSettings(Writer& out, const RecordDevice& device, bool written)
{
    out.Heading(LoadResourceString(IDS_RECORD_SETTINGS_HEADING), 11);
    if (device.settings.empty()) {
        out.Paragraph(Words(IDS_RECORD_NO_SETTINGS));
        return;
    }
    std::vector<std::vector<Text>> rows;
    for (const RecordSetting& setting : device.settings) {
        rows.push_back({Name(setting.key), SettingValue(setting.key, setting.value)});
        if (written)
            rows.back().push_back(Verified(setting.verified));
    }
    std::vector<Text> headings{Words(IDS_SEND_COLUMN_SETTING), Words(IDS_SEND_COLUMN_VALUE)};
    if (written)
        headings.push_back(Words(IDS_RECORD_VERIFIED_COLUMN));
    out.Table(headings, rows, int(headings.size()));
}

void WriteChanges(Writer& out, const RecordDevice& device)
{
    out.Heading(LoadResourceString(IDS_RECORD_CHANGES_HEADING), 11);
    if (device.changes.empty()) {
        out.Paragraph(Words(IDS_RECORD_NO_CHANGES));
        return;
    }
    std::vector<std::vector<Text>> rows;
    for (const RecordChange& change : device.changes)
        rows.push_back({Name(change.key), SettingValue(change.key, change.before),
                        SettingValue(change.key, change.after)});
    out.Table({Words(IDS_SEND_COLUMN_SETTING), Words(IDS_RECORD_BEFORE), Words(IDS_RECORD_AFTER)},
              rows, 3);
}

void WriteDifferences(Writer& out, const RecordDevice& device)
{
    out.Heading(LoadResourceString(IDS_RECORD_DIFFERENCES_HEADING), 11);
    if (device.differences.empty()) {
        out.Paragraph(Words(IDS_RECORD_NO_DIFFERENCES));
        return;
    }
    std::vector<std::vector<Text>> rows;
    for (const RecordDifference& difference : device.differences) {
        // The password's two values would read alike: the device's "differs".
        const Text held = IsPasswordKey(difference.key) && !difference.device.isEmpty()
                              ? Words(IDS_CHECK_STATE_DIFFERS)
                              : SettingValue(difference.key, difference.device);
        rows.push_back(
            {Name(difference.key), held, SettingValue(difference.key, difference.wanted)});
    }
    out.Table(
        {Words(IDS_SEND_COLUMN_SETTING), Words(IDS_RECORD_DEVICE_HOLDS), Words(IDS_RECORD_WANTED)},
        rows, 3);
}

} // namespace

std::unique_ptr<QTextDocument> RecordDocument(const CommissioningRecord& record,
                                              const QString& jsonName, const QByteArray& sha256)
{
    auto document = std::make_unique<QTextDocument>();
    Writer out(*document);
    WriteHeader(out, record, jsonName, sha256);
    ShowDigest(*document, sha256);
    WriteOverview(out, record);
    const int count = int(record.devices.size());
    for (int index = 0; index < count; ++index) {
        const RecordDevice& device = record.devices[index];
        out.Heading(LoadResourceString(IDS_RECORD_DEVICE_HEADING)
                        .arg(index + 1)
                        .arg(count)
                        .arg(EscapedText(device.address)),
                    13, index > 0); // the first below the list of devices
        WriteIdentity(out, device);
        WriteSettings(out, device, IsWriteKind(record.kind));
        // A read changes nothing; a failed write, what it is known to have.
        if (IsWriteKind(record.kind) &&
            (device.outcome != RecordOutcome::Failed || !device.changes.empty()))
            WriteChanges(out, device);
        if (record.kind == RecordKind::Check && device.outcome != RecordOutcome::Failed)
            WriteDifferences(out, device);
    }
    return document;
}

bool IsRecordValue(const QTextCharFormat& format)
{
    return format.boolProperty(VALUE_PROPERTY);
}

QByteArray RecordPdf(QTextDocument& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PDF_DPI);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("TolvoSConfig"));
        document.print(&writer);
    }
    return bytes;
}
