#include "sample/SampleWorld.h"

#include <map>
#include <stdexcept>

namespace Sample {

namespace {

// Beside the sources, so that every generator and the fuzzer read the same.
const char* const WorldsFile = STUMPCRAFT_SAMPLE_WORLDS;

const TWorld& StoredWorld(const std::string& id) {
    static const std::map<std::string, TWorld> worlds = ReadWorlds(WorldsFile);
    const auto found = worlds.find(id);
    if (found == worlds.end())
        throw std::runtime_error(std::string(WorldsFile) + ": no World " + id);
    return found->second;
}

} // namespace

std::string IdOf(const std::string& kind, const std::string& key) {
    // FNV-1a: stable across platforms and runs.
    uint64_t hash = 14695981039346656037ull;
    for (char c : kind + ":" + key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    // A day in the weeks the scenario was designed, and ten fraction digits
    // without a trailing zero, as NewId writes them.
    const uint64_t day = 39420 + hash % 40;
    uint64_t fraction = 1000000000ull + (hash >> 16) % 8999999999ull;
    if (fraction % 10 == 0)
        fraction += 7;
    return std::to_string(day) + "_" + std::to_string(fraction);
}

TWorld TemplateWorld() {
    return StoredWorld("template");
}

TWorld TellavarWorld() {
    return StoredWorld("sample");
}

TWorld BaseWorld() {
    return StoredWorld("base");
}

TWorld FuzzWorld() {
    return StoredWorld("fuzz");
}

const TRegion& TWorld::Region(const std::string& key) const {
    for (const TRegion& r : Regions)
        if (r.Key == key)
            return r;
    throw std::runtime_error("unknown region " + key);
}

const TParty& TWorld::Party(const std::string& key) const {
    for (const TParty& p : Parties)
        if (p.Key == key)
            return p;
    throw std::runtime_error("unknown party " + key);
}

const TIssue& TWorld::Issue(const std::string& key) const {
    for (const TIssue& i : Issues)
        if (i.Key == key)
            return i;
    throw std::runtime_error("unknown issue " + key);
}

std::vector<const TIssue*> TWorld::PositionIssues() const {
    std::vector<const TIssue*> list;
    for (const TIssue& i : Issues)
        if (!i.Attribute)
            list.push_back(&i);
    return list;
}

int TWorld::Share(const std::string& region, const std::string& party) const {
    for (const auto& [key, shares] : Shares) {
        if (key != region)
            continue;
        for (size_t i = 0; i < Parties.size() && i < shares.size(); ++i)
            if (Parties[i].Key == party)
                return shares[i];
    }
    throw std::runtime_error("no share for " + party + " in " + region);
}

} // namespace Sample
