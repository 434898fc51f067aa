// Build tool: renders the program icon's SVG source into PNG files of the
// given sizes and a Windows .ico holding all of them.
//   render_icon SOURCE.svg OUTPUT_DIR BASENAME SIZE...
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QByteArray RenderPng(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

void Append16(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xFF)).append(static_cast<char>(value >> 8));
}

void Append32(QByteArray& out, quint32 value)
{
    Append16(out, static_cast<quint16>(value & 0xFFFF));
    Append16(out, static_cast<quint16>(value >> 16));
}

// An .ico file whose images are stored as PNG data, largest first.
QByteArray IcoFile(const QList<QPair<int, QByteArray>>& images)
{
    QByteArray ico;
    Append16(ico, 0);
    Append16(ico, 1); // icon
    Append16(ico, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const auto& [size, png] : images) {
        ico.append(static_cast<char>(size >= 256 ? 0 : size))
            .append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append('\0').append('\0'); // no palette, reserved
        Append16(ico, 1);              // planes
        Append16(ico, 32);             // bits per pixel
        Append32(ico, static_cast<quint32>(png.size()));
        Append32(ico, offset);
        offset += static_cast<quint32>(png.size());
    }
    for (const auto& image : images)
        ico.append(image.second);
    return ico;
}

// Whole or not at all: an interrupted build leaves no truncated icon.
// Unbuffered, so that a full disk fails the write itself (commit() would
// lose the error of a buffer's flush and put an empty file in place).
bool Write(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(data) == data.size() && file.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: render_icon SOURCE.svg OUTPUT_DIR BASENAME SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QDir out(args.at(2));
    QList<QPair<int, QByteArray>> images;
    for (const QString& sizeText : args.mid(4)) {
        const int size = sizeText.toInt();
        const QByteArray png = RenderPng(renderer, size);
        if (size <= 0 || !Write(out.filePath(QString("%1-%2.png").arg(args.at(3)).arg(size)), png))
            return 1;
        images.append({size, png});
    }
    return Write(out.filePath(args.at(3) + ".ico"), IcoFile(images)) ? 0 : 1;
}
