#pragma once

#include "sample/SampleWorld.h"

#include <QImage>
#include <string>

namespace Sample {

// Each picture at the size the editors store it, 24 bits per pixel.
QImage MapPicture(const TWorld& world);
QImage FlagPicture(const TFlagDesign& flag);
QImage IconPicture(const TIcon& icon);
QImage PartyPicture(const TParty& party);
QImage PortraitLarge(const TLeader& leader);
QImage PortraitSmall(const TLeader& leader);
QImage ScenarioPicture(const TWorld& world);

// Saves image as a 24-bit BMP; throws when it cannot be written.
void SaveBitmap(const QImage& image, const std::string& path);

// Draws every picture the world's documents name into the scenario folder
// (creating its picture folders), checking the map first. Returns the
// number of files written.
int WritePictures(const TWorld& world, const std::string& folder);

// The issue and activity pictures that the template's items name, for a
// folder that a new scenario can be seeded from.
int WriteTemplatePictures(const TWorld& world, const std::string& folder);

} // namespace Sample
