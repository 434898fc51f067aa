// Build tool: writes the translatable texts of the dialog templates and the
// string table as C++ that the translation tools read, so that a catalogue
// template holds them although they are kept as JSON.
//   resource_texts TEMPLATES.json OUTPUT.cpp
#include "DialogTemplate.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

// text as a C++ string literal.
QByteArray Literal(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + '"';
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: resource_texts TEMPLATES.json OUTPUT.cpp\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    QString error;
    const std::optional<ProgramResources> resources =
        input.open(QIODevice::ReadOnly) ? ParseResources(input.readAll(), &error) : std::nullopt;
    if (!resources) {
        std::fprintf(stderr, "resource_texts: cannot read %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    QByteArray out = "// Generated from the dialog templates and the string table; not compiled.\n"
                     "static const char* const resourceTexts[] = {\n";
    for (const TranslatableText& text : TranslatableTexts(*resources))
        out += "    QT_TRANSLATE_NOOP(\"" + QByteArray(text.context) + "\", " + Literal(text.text) +
               "),\n";
    out += "};\n";
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    // Unbuffered: a full disk fails the write, rather than an empty file
    // being committed (commit() loses the error of a buffer's flush).
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        output.write(out) != out.size() || !output.commit()) {
        std::fprintf(stderr, "resource_texts: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
