#include "SerialFileName.h"

#include <QRegularExpression>

namespace cli {
namespace {

constexpr QChar ESCAPE = u'%';
const QString SUFFIX = QStringLiteral(".json");
// The name of a device without a serial number: "%" alone is no escape, so
// no serial number gives it.
const QString NO_SERIAL = QString(ESCAPE) + SUFFIX;

bool Plain(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' ||
           c == u'.';
}

// Windows opens a device for these names, whatever follows their first dot.
bool ReservedOnWindows(const QString& name)
{
    static const QRegularExpression reserved("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])(\\.|$)",
                                             QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}

QString Escaped(const QString& text)
{
    QString escaped;
    for (const char byte : text.toUtf8())
        escaped += ESCAPE + QString::number(uchar(byte), 16).rightJustified(2, u'0').toUpper();
    return escaped;
}

} // namespace

QString SerialFileName(const QString& serial)
{
    if (serial.isEmpty())
        return NO_SERIAL;
    QString name;
    QString run; // characters to escape, together (a character may take two)
    for (qsizetype i = 0; i < serial.size(); ++i) {
        const QChar c = serial[i];
        if (Plain(c) && !(i == 0 && (c == u'.' || c == u'-'))) {
            name += Escaped(run) + c;
            run.clear();
        } else {
            run += c;
        }
    }
    name += Escaped(run);
    if (ReservedOnWindows(name))
        name = Escaped(name.left(1)) + name.mid(1);
    return name + SUFFIX;
}

} // namespace cli
