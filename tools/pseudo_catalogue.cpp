// Build tool: makes the pseudo-language catalogue from a catalogue template.
// Each text is marked with a broken bar at both ends, its letters accented and
// each line made about 40 % longer, so that a window shown in it reveals every
// text that bypasses the catalogue (no marks) and every control too narrow
// for a longer language (cut marks).
//   pseudo_catalogue TEMPLATE.ts OUTPUT.ts
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

const QChar MARK(0x00A6);    // ¦
const QChar PADDING(0x00B7); // ·

QChar Accented(QChar c)
{
    static const QString plain = QStringLiteral("aeiouncyszAEIOUNCYSZ");
    static const QString accented = QStringLiteral("áéíóúñçýšžÁÉÍÓÚÑÇÝŠŽ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? c : accented.at(at);
}

// One line: letters accented except a mnemonic's, placeholders kept, then
// padded by 40 % of its length.
QString PseudoLine(const QString& line)
{
    QString out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        const bool afterMarker = i > 0 && line.at(i - 1) == u'&';
        const bool placeholder = i > 0 && line.at(i - 1) == u'%' && (c.isDigit() || c == u'n');
        out += afterMarker || placeholder ? c : Accented(c);
    }
    if (!line.trimmed().isEmpty())
        out += QString((line.size() * 2 + 4) / 5, PADDING);
    return out;
}

QString Pseudo(const QString& text)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = PseudoLine(line);
    return MARK + lines.join(u'\n') + MARK;
}

// Copies the template, giving each message its pseudo translation.
bool Convert(QIODevice& input, QIODevice& output)
{
    QXmlStreamReader in(&input);
    QXmlStreamWriter out(&output);
    QString source;
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement() && in.name() == u"message") {
            source.clear(); // a message without a source gets no other's text
            out.writeCurrentToken(in);
        } else if (in.isStartElement() && in.name() == u"translation") {
            in.skipCurrentElement();
            out.writeTextElement(QStringLiteral("translation"), Pseudo(source));
        } else if (in.isStartElement() && in.name() == u"source") {
            source = in.readElementText();
            out.writeTextElement(QStringLiteral("source"), source);
        } else if (in.isStartElement() && in.name() == u"TS") {
            out.writeStartElement(QStringLiteral("TS"));
            out.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
            out.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
        } else if (!in.isStartDocument() && !in.isDTD()) {
            out.writeCurrentToken(in);
        }
    }
    return !in.hasError();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudo_catalogue TEMPLATE.ts OUTPUT.ts\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pseudo_catalogue: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    if (!Convert(input, output) || !output.commit()) {
        std::fprintf(stderr, "pseudo_catalogue: %s is no catalogue template\n", argv[1]);
        return 1;
    }
    return 0;
}
