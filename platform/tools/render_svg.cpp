// Build-time tool: renders an SVG picture into the file the program reads.
//   render_svg <input.svg> <output>
// The picture keeps the size the SVG gives (width and height, else its view
// box); the output format follows the output's extension (BMP, PNG, ICO...).
// Formats without transparency get a white background.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_svg <input.svg> <output>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_svg: %s is not a valid SVG picture\n", argv[1]);
        return 1;
    }
    const QSize size = renderer.defaultSize();
    const QString output = QString::fromLocal8Bit(argv[2]);
    const QString format = QFileInfo(output).suffix().toLower();
    const bool opaque = format == "bmp" || format == "jpg";
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(output, format.toLatin1().constData())) {
        std::fprintf(stderr, "render_svg: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
