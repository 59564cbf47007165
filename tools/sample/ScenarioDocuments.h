#pragma once

#include "sample/SampleWorld.h"
#include "xml/TXmlNode.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Sample {

// The ten documents of a world, named like the template's children
// ("activities" ... "scenario"), in that order.
std::vector<std::pair<std::string, std::unique_ptr<TXmlNode>>>
BuildDocuments(const TWorld& world, const std::string& idSalt);

// Writes the ten XML files into folder (which must exist).
void WriteScenario(const TWorld& world, const std::string& folder);
// Writes the template: one document whose root holds the ten documents.
void WriteTemplate(const TWorld& world, const std::string& file);

// A value longer than the editor lets a designer type is a mistake in the
// invented data; the builder refuses it.
void CheckLength(const std::string& what, const std::string& text, size_t limit);

} // namespace Sample
