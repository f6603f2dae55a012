// bake_pictures <output.cpp> <picture>...: decodes the built-in pictures with the toolkit's own
// readers and writes them out as C++ tables, so that the program shows the same pixels without
// decoding anything when it starts. Fails, naming the picture, on a file it cannot read or a
// pixel format it does not write.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int fail(const QString &message)
{
    std::fputs(qPrintable(u"bake_pictures: "_s + message + u'\n'), stderr);
    return 1;
}

// Rows are written as the image holds them, padding included; 32-bit pixels as numbers, so the
// table does not depend on byte order.
void writeBits(QTextStream &out, const QImage &image, int index)
{
    const bool words = image.depth() == 32;
    out << "alignas(4) constexpr " << (words ? "quint32" : "uchar") << " bits" << index << "[] = {";
    const qsizetype count = image.sizeInBytes() / (words ? 4 : 1);
    const auto *bytes = image.constBits();
    const auto *pixels = reinterpret_cast<const quint32 *>(bytes);
    for (qsizetype i = 0; i < count; ++i) {
        out << (i % 12 == 0 ? "\n    " : " ") << "0x" << Qt::hex << (words ? pixels[i] : bytes[i])
            << Qt::dec << ",";
    }
    out << "\n};\n";
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        return fail(u"usage: bake_pictures <output.cpp> <picture>..."_s);
    }
    QString text;
    QTextStream out(&text);
    out << "// Made by bake_pictures from the pictures in resources/ when the program was built.\n"
           "#include \"gui/countdown/BakedPicture.h\"\n\n"
           "namespace {\n\n";
    QString entries;
    QTextStream table(&entries);
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QImageReader reader(path);
        const QImage image = reader.read();
        if (image.isNull()) {
            return fail(path + u": "_s + reader.errorString());
        }
        const bool supported = image.format() == QImage::Format_RGB32
            || image.format() == QImage::Format_ARGB32
            || image.format() == QImage::Format_ARGB32_Premultiplied
            || image.format() == QImage::Format_Indexed8;
        if (!supported) {
            return fail(
                path + u": pixel format %1 is not one that is written"_s.arg(image.format()));
        }
        writeBits(out, image, i);
        QString colours = u"nullptr"_s;
        if (image.colorCount() > 0) {
            out << "constexpr QRgb colours" << i << "[] = {";
            for (const QRgb colour : image.colorTable()) {
                out << " 0x" << Qt::hex << colour << Qt::dec << ",";
            }
            out << " };\n";
            colours = u"colours%1"_s.arg(i);
        }
        out << "\n";
        table << "    {\"" << QFileInfo(path).fileName() << "\", " << image.width() << ", "
              << image.height() << ", " << image.bytesPerLine() << ", QImage::Format("
              << int(image.format()) << "), bits" << i << ", " << colours << ", "
              << image.colorCount() << "},\n";
    }
    out << "constexpr BakedPicture pictures[] = {\n"
        << entries
        << "};\n\n} // namespace\n\n"
           "const std::span<const BakedPicture> BakedPictures(pictures);\n";
    out.flush();

    const QByteArray bytes = text.toUtf8();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        return fail(file.fileName() + u": "_s + file.errorString());
    }
    return 0;
}
