#include "CoreMessages.h"

#include "OpenFileLimit.h"
#include "ParamRules.h"
#include "PasswordMask.h"

#include <QStringList>

namespace {

QString Join(std::span<const int32_t> values)
{
    QStringList texts;
    for (const int32_t value : values)
        texts << QString::number(value);
    return texts.join(", ");
}

} // namespace

QString AllowedValues(const ConfigParam& row)
{
    const ValueRule rule = RuleOf(row);
    if (std::holds_alternative<AddressRule>(rule))
        return Tr(MSG_RULE_ADDRESS);
    if (const auto* range = std::get_if<RangeRule>(&rule))
        return Tr(MSG_RULE_RANGE).arg(range->low).arg(range->high);
    if (const auto* list = std::get_if<std::span<const int32_t>>(&rule))
        return Tr(MSG_RULE_LIST).arg(Join(*list));
    return Tr(MSG_RULE_TEXT).arg(MAX_PARAM_TEXT);
}

QString ValueProblem(const ConfigParam& row, const QString& value)
{
    return IsValidValue(row, value) ? QString() : Tr(MSG_ALLOWED).arg(AllowedValues(row));
}

QString InvalidValue(const ConfigParam& row, const QString& value)
{
    const QString key = QLatin1String(row.key);
    if ((row.flags & PARAM_WRITE) != 0 && BreaksFraming(value))
        return Tr(MSG_VALUE_BREAKS_FRAMING).arg(key, QuotedValue(key, value));
    const QString problem = ValueProblem(row, value);
    return problem.isEmpty() ? problem
                             : Tr(MSG_VALUE_INVALID).arg(key, QuotedValue(key, value), problem);
}

QString OutOfConnections()
{
    const long limit = OpenFileLimit();
    return limit == 0 ? Tr(MSG_OUT_OF_CONNECTIONS)
                      : Tr(MSG_OUT_OF_CONNECTIONS) + ' ' + Tr(MSG_OPEN_FILE_LIMIT).arg(limit);
}
