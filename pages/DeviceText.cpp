#include "DeviceText.h"

#include "ConfigTable.h"
#include "DataExchange.h"
#include "DialogTemplate.h"
#include "StringIds.h"

void CheckDeviceText(DataExchange& dx, const QString& value, const QString& what)
{
    switch (ParamTextProblem(value)) {
    case TextProblem::None: return;
    case TextProblem::TooLong:
        dx.Check(
            false,
            LoadResourceString(IDS_TEXT_TOO_LONG).arg(what).arg(MAX_PARAM_TEXT).arg(value.size()));
        return;
    case TextProblem::NotLatin1:
        dx.Check(false, LoadResourceString(IDS_TEXT_NOT_LATIN1).arg(what));
        return;
    case TextProblem::LineBreakOrNul:
        dx.Check(false, LoadResourceString(IDS_TEXT_LINE_BREAK).arg(what));
        return;
    }
}
