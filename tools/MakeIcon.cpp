// stumpcraft-make-icon FOLDER: writes the program's icon as a scalable SVG and
// as 48 and 256 pixel PNGs, all drawn from one list of shapes so they agree.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* const IconName = "org.stumpcraft.Stumpcraft";
const int Canvas = 256;

// A filled (rounded) rectangle, or a stroked line through points.
struct TShape {
    double X = 0, Y = 0, Width = 0, Height = 0, Radius = 0;
    const char* Colour = "#000000";
    std::vector<QPointF> Line; // when set, the shape is this line
    double LineWidth = 0;
};

// A ballot going into a ballot box on a blue tile.
std::vector<TShape> Shapes() {
    return {
        {16, 16, 224, 224, 40, "#1d4f91", {}, 0},                         // tile
        {100, 34, 56, 84, 4, "#ffffff", {}, 0},                           // ballot
        {0, 0, 0, 0, 0, "#c62828", {{110, 74}, {123, 90}, {146, 54}}, 9}, // its mark
        {56, 124, 144, 92, 6, "#f4f1e8", {}, 0},                          // box
        {48, 106, 160, 24, 6, "#d9d4c3", {}, 0},                          // lid
        {92, 114, 72, 8, 3, "#123660", {}, 0},                            // slot
        {56, 162, 144, 16, 0, "#c62828", {}, 0},                          // band
    };
}

std::string Svg() {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                      "viewBox=\"0 0 256 256\">\n";
    char line[256];
    for (const TShape& shape : Shapes()) {
        if (shape.Line.empty()) {
            std::snprintf(line, sizeof line,
                          "  <rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" "
                          "fill=\"%s\"/>\n",
                          shape.X, shape.Y, shape.Width, shape.Height, shape.Radius, shape.Colour);
            svg += line;
            continue;
        }
        std::string points;
        for (const QPointF& point : shape.Line)
            points += (points.empty() ? "" : " ") + std::to_string(int(point.x())) + "," +
                      std::to_string(int(point.y()));
        std::snprintf(line, sizeof line,
                      "  <polyline points=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%g\" "
                      "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n",
                      points.c_str(), shape.Colour, shape.LineWidth);
        svg += line;
    }
    return svg + "</svg>\n";
}

QImage Picture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / Canvas, double(size) / Canvas);
    for (const TShape& shape : Shapes()) {
        const QColor colour(QLatin1String(shape.Colour));
        if (shape.Line.empty()) {
            QPainterPath path;
            path.addRoundedRect(QRectF(shape.X, shape.Y, shape.Width, shape.Height), shape.Radius,
                                shape.Radius);
            painter.fillPath(path, colour);
            continue;
        }
        painter.setPen(QPen(colour, shape.LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF(QList<QPointF>(shape.Line.begin(), shape.Line.end())));
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: stumpcraft-make-icon FOLDER\n");
        return 2;
    }
    const std::string base = std::string(argv[1]) + "/" + IconName;
    std::ofstream svg(base + ".svg", std::ios::binary);
    svg << Svg();
    if (!svg.flush())
        return 1;
    for (int size : {48, 256})
        if (!Picture(size).save(QString::fromStdString(base + "-" + std::to_string(size) + ".png"),
                                "PNG"))
            return 1;
    return 0;
}
