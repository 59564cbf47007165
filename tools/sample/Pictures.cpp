#include "sample/Pictures.h"

#include "sample/MapRaster.h"
#include "scenario/ValueEncodings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace Sample {

namespace {

QColor ToQ(TRgb c) {
    return QColor(c.R, c.G, c.B);
}

QImage Canvas(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// Glyphs are drawn in a unit square; the painter's transform maps it onto
// the target rectangle.
void DrawGlyph(QPainter& p, TGlyph glyph, const QRectF& target, QColor colour) {
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width(), target.height());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QColor light = colour.lighter(170);
    switch (glyph) {
    case TGlyph::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const double radius = i % 2 == 0 ? 0.5 : 0.2;
            star << QPointF(0.5 + radius * std::cos(angle), 0.53 + radius * std::sin(angle));
        }
        p.drawPolygon(star);
        break;
    }
    case TGlyph::Circle:
        p.drawEllipse(QRectF(0.15, 0.15, 0.7, 0.7));
        break;
    case TGlyph::Leaf: {
        QPainterPath leaf;
        leaf.moveTo(0.15, 0.85);
        leaf.quadTo(0.1, 0.15, 0.85, 0.15);
        leaf.quadTo(0.9, 0.85, 0.15, 0.85);
        p.drawPath(leaf);
        p.setPen(QPen(colour.darker(160), 0.05));
        p.drawLine(QPointF(0.2, 0.8), QPointF(0.75, 0.25));
        break;
    }
    case TGlyph::Lantern:
        p.drawRect(QRectF(0.3, 0.2, 0.4, 0.08));
        p.drawRoundedRect(QRectF(0.28, 0.28, 0.44, 0.5), 0.08, 0.08);
        p.drawRect(QRectF(0.25, 0.78, 0.5, 0.08));
        p.setBrush(QColor(255, 240, 160));
        p.drawEllipse(QRectF(0.38, 0.36, 0.24, 0.34));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 0.06));
        p.drawArc(QRectF(0.38, 0.06, 0.24, 0.24), 0, 180 * 16);
        break;
    case TGlyph::Coin:
        p.drawEllipse(QRectF(0.1, 0.1, 0.8, 0.8));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(light, 0.06));
        p.drawEllipse(QRectF(0.22, 0.22, 0.56, 0.56));
        p.drawLine(QPointF(0.5, 0.3), QPointF(0.5, 0.7));
        break;
    case TGlyph::Cross:
        p.drawRect(QRectF(0.38, 0.12, 0.24, 0.76));
        p.drawRect(QRectF(0.12, 0.38, 0.76, 0.24));
        break;
    case TGlyph::Book:
        p.drawPolygon(QPolygonF(
            {QPointF(0.08, 0.25), QPointF(0.48, 0.32), QPointF(0.48, 0.85), QPointF(0.08, 0.78)}));
        p.drawPolygon(QPolygonF(
            {QPointF(0.52, 0.32), QPointF(0.92, 0.25), QPointF(0.92, 0.78), QPointF(0.52, 0.85)}));
        p.setPen(QPen(light, 0.04));
        for (double y : {0.42, 0.54, 0.66}) {
            p.drawLine(QPointF(0.15, y), QPointF(0.42, y + 0.04));
            p.drawLine(QPointF(0.58, y + 0.04), QPointF(0.85, y));
        }
        break;
    case TGlyph::Shield: {
        QPainterPath shield;
        shield.moveTo(0.5, 0.1);
        shield.lineTo(0.85, 0.22);
        shield.quadTo(0.85, 0.72, 0.5, 0.92);
        shield.quadTo(0.15, 0.72, 0.15, 0.22);
        shield.closeSubpath();
        p.drawPath(shield);
        p.setBrush(light);
        p.drawRect(QRectF(0.46, 0.25, 0.08, 0.5));
        p.drawRect(QRectF(0.3, 0.4, 0.4, 0.08));
        break;
    }
    case TGlyph::Person:
        p.drawEllipse(QRectF(0.35, 0.1, 0.3, 0.3));
        p.drawRoundedRect(QRectF(0.2, 0.45, 0.6, 0.45), 0.2, 0.2);
        break;
    case TGlyph::Bolt:
        p.drawPolygon(QPolygonF({QPointF(0.58, 0.05), QPointF(0.22, 0.55), QPointF(0.47, 0.55),
                                 QPointF(0.38, 0.95), QPointF(0.78, 0.42), QPointF(0.53, 0.42),
                                 QPointF(0.62, 0.05)}));
        break;
    case TGlyph::Ship:
        p.drawPolygon(QPolygonF(
            {QPointF(0.08, 0.62), QPointF(0.92, 0.62), QPointF(0.76, 0.85), QPointF(0.24, 0.85)}));
        p.drawRect(QRectF(0.47, 0.12, 0.06, 0.5));
        p.drawPolygon(QPolygonF({QPointF(0.55, 0.15), QPointF(0.85, 0.55), QPointF(0.55, 0.55)}));
        p.drawPolygon(QPolygonF({QPointF(0.45, 0.22), QPointF(0.45, 0.55), QPointF(0.2, 0.55)}));
        break;
    case TGlyph::Scales:
        p.drawRect(QRectF(0.47, 0.15, 0.06, 0.65));
        p.drawRect(QRectF(0.12, 0.2, 0.76, 0.05));
        p.drawRect(QRectF(0.3, 0.8, 0.4, 0.08));
        p.drawChord(QRectF(0.05, 0.35, 0.3, 0.25), 180 * 16, 180 * 16);
        p.drawChord(QRectF(0.65, 0.35, 0.3, 0.25), 180 * 16, 180 * 16);
        p.setPen(QPen(colour, 0.03));
        p.drawLine(QPointF(0.15, 0.22), QPointF(0.08, 0.48));
        p.drawLine(QPointF(0.15, 0.22), QPointF(0.32, 0.48));
        p.drawLine(QPointF(0.85, 0.22), QPointF(0.68, 0.48));
        p.drawLine(QPointF(0.85, 0.22), QPointF(0.92, 0.48));
        break;
    case TGlyph::House:
        p.drawPolygon(QPolygonF({QPointF(0.1, 0.5), QPointF(0.5, 0.12), QPointF(0.9, 0.5)}));
        p.drawRect(QRectF(0.2, 0.48, 0.6, 0.4));
        p.setBrush(light);
        p.drawRect(QRectF(0.42, 0.62, 0.16, 0.26));
        break;
    case TGlyph::Wheel:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 0.1));
        p.drawEllipse(QRectF(0.15, 0.15, 0.7, 0.7));
        p.setPen(QPen(colour, 0.06));
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(QPointF(0.5 - 0.33 * std::cos(a), 0.5 - 0.33 * std::sin(a)),
                       QPointF(0.5 + 0.33 * std::cos(a), 0.5 + 0.33 * std::sin(a)));
        }
        break;
    case TGlyph::Fish:
        p.drawEllipse(QRectF(0.12, 0.3, 0.6, 0.4));
        p.drawPolygon(QPolygonF({QPointF(0.66, 0.5), QPointF(0.92, 0.28), QPointF(0.92, 0.72)}));
        p.setBrush(light);
        p.drawEllipse(QRectF(0.22, 0.42, 0.08, 0.08));
        break;
    case TGlyph::Globe:
        p.drawEllipse(QRectF(0.12, 0.12, 0.76, 0.76));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(light, 0.04));
        p.drawEllipse(QRectF(0.32, 0.12, 0.36, 0.76));
        p.drawLine(QPointF(0.12, 0.5), QPointF(0.88, 0.5));
        p.drawLine(QPointF(0.2, 0.3), QPointF(0.8, 0.3));
        p.drawLine(QPointF(0.2, 0.7), QPointF(0.8, 0.7));
        break;
    case TGlyph::Fist:
        // Four knuckles over the palm, the thumb folded across, the wrist.
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(0.2 + i * 0.15, 0.2, 0.14, 0.3), 0.06, 0.06);
        p.drawRect(QRectF(0.2, 0.38, 0.59, 0.3));
        p.drawRect(QRectF(0.3, 0.66, 0.4, 0.28));
        p.setPen(QPen(light, 0.035));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.16, 0.46, 0.46, 0.14), 0.06, 0.06);
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(0.2 + i * 0.15, 0.24), QPointF(0.2 + i * 0.15, 0.44));
        break;
    case TGlyph::Eye: {
        QPainterPath eye;
        eye.moveTo(0.06, 0.5);
        eye.quadTo(0.5, 0.1, 0.94, 0.5);
        eye.quadTo(0.5, 0.9, 0.06, 0.5);
        p.drawPath(eye);
        p.setBrush(light);
        p.drawEllipse(QRectF(0.36, 0.36, 0.28, 0.28));
        p.setBrush(colour);
        p.drawEllipse(QRectF(0.45, 0.45, 0.1, 0.1));
        break;
    }
    case TGlyph::Factory:
        p.drawPolygon(QPolygonF({QPointF(0.08, 0.88), QPointF(0.08, 0.5), QPointF(0.3, 0.36),
                                 QPointF(0.3, 0.5), QPointF(0.52, 0.36), QPointF(0.52, 0.5),
                                 QPointF(0.7, 0.38), QPointF(0.7, 0.12), QPointF(0.84, 0.12),
                                 QPointF(0.84, 0.88)}));
        p.setBrush(light);
        p.drawRect(QRectF(0.18, 0.62, 0.1, 0.1));
        p.drawRect(QRectF(0.4, 0.62, 0.1, 0.1));
        break;
    case TGlyph::Wheat:
        p.setPen(QPen(colour, 0.05));
        p.drawLine(QPointF(0.5, 0.95), QPointF(0.5, 0.15));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const double y = 0.18 + i * 0.15;
            p.drawEllipse(QRectF(0.3, y, 0.18, 0.12));
            p.drawEllipse(QRectF(0.52, y, 0.18, 0.12));
        }
        break;
    case TGlyph::Pillar:
        p.drawRect(QRectF(0.2, 0.12, 0.6, 0.1));
        p.drawRect(QRectF(0.32, 0.22, 0.36, 0.56));
        p.drawRect(QRectF(0.2, 0.78, 0.6, 0.1));
        p.setPen(QPen(light, 0.03));
        for (double x : {0.42, 0.5, 0.58})
            p.drawLine(QPointF(x, 0.26), QPointF(x, 0.74));
        break;
    case TGlyph::Heart: {
        QPainterPath heart;
        heart.moveTo(0.5, 0.88);
        heart.cubicTo(0.0, 0.5, 0.1, 0.1, 0.5, 0.32);
        heart.cubicTo(0.9, 0.1, 1.0, 0.5, 0.5, 0.88);
        p.drawPath(heart);
        break;
    }
    case TGlyph::Megaphone:
        p.drawPolygon(QPolygonF({QPointF(0.12, 0.4), QPointF(0.35, 0.4), QPointF(0.85, 0.15),
                                 QPointF(0.85, 0.85), QPointF(0.35, 0.6), QPointF(0.12, 0.6)}));
        p.drawRect(QRectF(0.3, 0.6, 0.1, 0.25));
        break;
    case TGlyph::Bed:
        p.drawRect(QRectF(0.08, 0.5, 0.84, 0.18));
        p.drawRect(QRectF(0.08, 0.3, 0.08, 0.55));
        p.drawRect(QRectF(0.84, 0.5, 0.08, 0.35));
        p.setBrush(light);
        p.drawRoundedRect(QRectF(0.2, 0.36, 0.22, 0.14), 0.05, 0.05);
        break;
    case TGlyph::Clock:
        p.drawEllipse(QRectF(0.1, 0.1, 0.8, 0.8));
        p.setPen(QPen(light, 0.07, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, 0.22));
        p.drawLine(QPointF(0.5, 0.5), QPointF(0.7, 0.6));
        break;
    case TGlyph::Podium:
        p.drawPolygon(QPolygonF(
            {QPointF(0.2, 0.45), QPointF(0.8, 0.45), QPointF(0.7, 0.92), QPointF(0.3, 0.92)}));
        p.drawRect(QRectF(0.48, 0.18, 0.04, 0.27));
        p.drawEllipse(QRectF(0.42, 0.08, 0.16, 0.14));
        break;
    case TGlyph::Chart:
        p.drawRect(QRectF(0.12, 0.6, 0.18, 0.3));
        p.drawRect(QRectF(0.41, 0.4, 0.18, 0.5));
        p.drawRect(QRectF(0.7, 0.15, 0.18, 0.75));
        break;
    case TGlyph::Handshake:
        p.drawRoundedRect(QRectF(0.05, 0.35, 0.55, 0.3), 0.1, 0.1);
        p.setBrush(light);
        p.drawRoundedRect(QRectF(0.4, 0.35, 0.55, 0.3), 0.1, 0.1);
        break;
    }
    p.restore();
}

QColor SuitColour(const std::string& colourName) {
    const auto rgb = ValueEncodings::ColourOf(colourName, ValueEncodings::TColourVariant::Main);
    if (!rgb)
        throw std::runtime_error("unknown colour " + colourName);
    return QColor(rgb->Red, rgb->Green, rgb->Blue).darker(150);
}

QImage Finish(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QImage MapPicture(const TWorld& world) {
    const TMapRaster raster(world);
    QImage image = Canvas(MapWidth, MapHeight, ToQ(world.Map.Sea));
    for (int y = 0; y < MapHeight; ++y) {
        for (int x = 0; x < MapWidth; ++x) {
            const int label = raster.At(x, y);
            if (label == TMapRaster::Border)
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (label >= 0)
                image.setPixel(x, y,
                               ToQ(world.Regions[static_cast<size_t>(label)].MapColour).rgb());
        }
    }
    return Finish(image);
}

QImage FlagPicture(const TFlagDesign& flag) {
    QImage image = Canvas(FlagWidth, FlagHeight, ToQ(flag.Stripes[0]));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const QColor c = ToQ(flag.Stripes[static_cast<size_t>(i)]);
        if (flag.Vertical)
            p.fillRect(QRectF(i * FlagWidth / 3.0, 0, FlagWidth / 3.0 + 1, FlagHeight), c);
        else
            p.fillRect(QRectF(0, i * FlagHeight / 3.0, FlagWidth, FlagHeight / 3.0 + 1), c);
    }
    const double size = FlagHeight * 0.5;
    DrawGlyph(p, flag.Emblem, QRectF((FlagWidth - size) / 2, (FlagHeight - size) / 2, size, size),
              ToQ(flag.EmblemColour));
    p.end();
    return Finish(image);
}

QImage IconPicture(const TIcon& icon) {
    QImage image = Canvas(IconSize, IconSize, ToQ(icon.Background));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawGlyph(p, icon.Glyph, QRectF(3, 3, IconSize - 6, IconSize - 6), ToQ(icon.Colour));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(ToQ(icon.Colour).darker(130));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, IconSize - 1, IconSize - 1);
    p.end();
    return Finish(image);
}

QImage PartyPicture(const TParty& party) {
    const QColor back = ToQ(party.Background);
    QImage image = Canvas(PartyPictureSize, PartyPictureSize, back);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ToQ(party.EmblemColour), 5));
    p.setBrush(back.darker(130));
    p.drawEllipse(QRectF(10, 10, 81, 81));
    DrawGlyph(p, party.Emblem, QRectF(25, 25, 51, 51), ToQ(party.EmblemColour));
    p.end();
    return Finish(image);
}

QImage PortraitLarge(const TLeader& leader) {
    const TPortrait& look = leader.Portrait;
    QImage image = Canvas(PortraitWidth, PortraitHeight, ToQ(look.Background));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor skin = ToQ(look.Skin), hair = ToQ(look.Hair);
    if (look.LongHair) {
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(14, 10, 47, 58), 18, 18);
    }
    // Shoulders in the candidate's colour, with a white collar.
    p.setPen(Qt::NoPen);
    p.setBrush(SuitColour(leader.Colour));
    p.drawEllipse(QRectF(2, 64, 71, 50));
    p.setBrush(QColor(245, 245, 245));
    p.drawPolygon(QPolygonF({QPointF(30, 66), QPointF(45, 66), QPointF(37.5, 80)}));
    p.setBrush(skin.darker(110));
    p.drawRect(QRectF(31, 52, 13, 14));
    p.setBrush(skin);
    p.drawEllipse(QRectF(19, 14, 37, 46));
    p.setBrush(hair);
    if (look.LongHair)
        p.drawChord(QRectF(17, 10, 41, 26), 0, 180 * 16);
    else
        p.drawChord(QRectF(18, 10, 39, 22), 0, 180 * 16);
    if (look.Beard)
        p.drawChord(QRectF(21, 34, 33, 27), 180 * 16, 180 * 16);
    p.setBrush(QColor(40, 30, 30));
    p.drawEllipse(QRectF(28, 32, 5, 4));
    p.drawEllipse(QRectF(42, 32, 5, 4));
    p.setPen(QPen(skin.darker(150), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(31, 40, 13, 9), 200 * 16, 140 * 16);
    if (look.Glasses) {
        p.setPen(QPen(QColor(50, 50, 50), 1.2));
        p.drawEllipse(QRectF(25, 29, 11, 9));
        p.drawEllipse(QRectF(39, 29, 11, 9));
        p.drawLine(QPointF(36, 33), QPointF(39, 33));
    }
    p.end();
    return Finish(image);
}

QImage PortraitSmall(const TLeader& leader) {
    // The face, cut square from the large portrait.
    const QImage large = PortraitLarge(leader);
    return large.copy(0, 4, PortraitWidth, PortraitWidth)
        .scaled(IconSize, IconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

QImage ScenarioPicture(const TWorld& world) {
    QImage image = Canvas(ScenarioPictureWidth, ScenarioPictureHeight, QColor(24, 36, 64));
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(4, 4, 57, 27), FlagPicture(world.Nation.Flag));
    p.drawImage(QRectF(1, 34, 63, 48), MapPicture(world));
    p.end();
    return Finish(image);
}

void SaveBitmap(const QImage& image, const std::string& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (!rgb.save(QString::fromStdString(path), "BMP"))
        throw std::runtime_error("cannot write " + path);
}

int WriteTemplatePictures(const TWorld& world, const std::string& folder) {
    namespace fs = std::filesystem;
    const std::string base = folder + "/";
    fs::create_directories(base + IssueImages);
    fs::create_directories(base + ActivityImages);
    int written = 0;
    for (const TIssue& i : world.Issues) {
        SaveBitmap(IconPicture(i.Icon), base + IssueImages + i.Picture);
        ++written;
    }
    for (const auto* list : {&world.LeaderActivities, &world.ViceLeaderActivities})
        for (const TActivity& a : *list) {
            SaveBitmap(IconPicture(a.Icon), base + ActivityImages + a.Picture);
            ++written;
        }
    return written;
}

int WritePictures(const TWorld& world, const std::string& folder) {
    namespace fs = std::filesystem;
    const TMapRaster raster(world);
    const std::vector<std::string> problems = raster.Problems(world);
    if (!problems.empty()) {
        // Left for a look at what went wrong.
        SaveBitmap(MapPicture(world), folder + "/map-rejected.bmp");
        std::string text = "the map does not suit the region editor (see map-rejected.bmp):";
        for (const std::string& problem : problems)
            text += "\n  " + problem;
        throw std::runtime_error(text);
    }
    const std::string base = folder + "/";
    for (const char* sub :
         {RegionImages, IssueImages, PartyImages, CandidateImages, ActivityImages})
        fs::create_directories(base + sub);

    int written = 0;
    auto save = [&](const QImage& image, const std::string& path) {
        SaveBitmap(image, base + path);
        ++written;
    };
    save(ScenarioPicture(world), "scenario.bmp");
    save(MapPicture(world), "map.bmp");
    save(FlagPicture(world.Nation.Flag), RegionImages + world.Nation.Logo);
    for (const TRegion& r : world.Regions)
        save(FlagPicture(r.Flag), RegionImages + r.Logo);
    for (const TIssue& i : world.Issues)
        save(IconPicture(i.Icon), IssueImages + i.Picture);
    for (const TParty& party : world.Parties) {
        save(PartyPicture(party), PartyImages + party.Picture);
        for (const TLeader& l : party.Leaders) {
            save(PortraitLarge(l), CandidateImages + l.Key + "_large.bmp");
            save(PortraitSmall(l), CandidateImages + l.Key + "_small.bmp");
        }
    }
    for (const auto* list : {&world.LeaderActivities, &world.ViceLeaderActivities})
        for (const TActivity& a : *list)
            save(IconPicture(a.Icon), ActivityImages + a.Picture);
    return written;
}

} // namespace Sample
