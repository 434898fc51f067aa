#include "CTolvoConfigDlg.h"

#include "ConfigTable.h"
#include "ControlValue.h"
#include "DialogTemplate.h"
#include "FieldMarks.h"
#include "PageTable.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TransferFailure.h"
#include "WaitCursor.h"

void CTolvoConfigDlg::LoadConfiguration()
{
    WaitCursor wait;
    const uint32_t address = m_deviceAddress;
    const std::optional<DeviceRun> fetched =
        RunOnDevice(LoadResourceString(IDS_LOAD_PROGRESS).arg(DottedText(address)),
                    [](DeviceConnection& link) { link.StartFetch(ConfigTable); });
    // Cancelled, at the prompt or while waiting: the pages stay as they were.
    if (!fetched || fetched->result == DEVICE_CANCELLED)
        return;
    if (fetched->result != DEVICE_OK) {
        // Nothing is copied: the pages keep what they showed.
        ShowFailure(DescribeDeviceFailure(*fetched) + "\n\n" +
                        LoadResourceString(IDS_LOAD_NOTHING_CHANGED),
                    IDS_LOAD_FAILED_CAPTION);
        return;
    }

    // A value the pages show otherwise than the device sent it (a number
    // with more after it, say) is shown as near as the field can, marked,
    // and named after the success text.
    const std::vector<ParamRow> unshowable = UnshowableRows();
    CopyTableToPages(PageSet());
    for (Dialog* page : m_pages)
        page->UpdateData(false);
    UpdateData(false);
    EnablePageControls(true);
    m_loadedFrom = address;
    KeepPageValuesAsSaved();
    QString text = LoadResourceString(IDS_LOAD_DONE);
    if (const QStringList lines = MarkDeviceValues(unshowable); !lines.isEmpty())
        text += "\n\n" + LoadResourceString(IDS_LOAD_SHOWN_OTHERWISE).arg(lines.join('\n'));
    ShowPrompt(this, {text, LoadResourceString(IDS_SUCCESS_CAPTION), PromptIcon::Exclamation,
                      PromptButtons::Ok});
}

QStringList CTolvoConfigDlg::MarkDeviceValues(const std::vector<ParamRow>& rows)
{
    m_marks->ClearDeviceValues();
    m_deviceValueRows.clear();
    QStringList lines;
    for (const ParamRow row : rows) {
        QWidget* field = RowControl(PageSet(), row);
        const QString held = ShownValue(QLatin1String(FindParam(row.group, row.index)->key),
                                        EscapedBytes(RowText(row)));
        m_marks->SetDeviceValue(field, held);
        m_deviceValueRows.push_back({row, ControlValue(field)});
        lines << LoadResourceString(IDS_LOAD_DEVICE_HOLDS).arg(RowName(PageSet(), row), held);
    }
    return lines;
}
