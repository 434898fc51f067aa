#include "DeviceText.h"

#include "ConfigTable.h"
#include "DataExchange.h"

void CheckDeviceText(DataExchange& dx, const QString& value, const QString& what)
{
    switch (ParamTextProblem(value)) {
    case TextProblem::None: return;
    case TextProblem::TooLong:
        dx.Check(false, QString("%1 can hold at most %2 characters; this one has %3.")
                            .arg(what)
                            .arg(MAX_PARAM_TEXT)
                            .arg(value.size()));
        return;
    case TextProblem::NotLatin1:
        dx.Check(false,
                 QString("%1 can hold only Latin-1 characters (U+0000 to U+00FF).").arg(what));
        return;
    case TextProblem::LineBreakOrNul:
        dx.Check(false, QString("%1 cannot hold line breaks or zero characters.").arg(what));
        return;
    }
}
