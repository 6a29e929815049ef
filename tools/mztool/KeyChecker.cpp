#include "mztool/KeyChecker.h"

#include "app/Application.h"
#include "app/CatalogueReader.h"
#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/ContentFiles.h"
#include "audio/MusicCue.h"
#include "audio/SoundEvent.h"
#include "difficulty/Difficulty.h"
#include "files/PlainText.h"
#include "game/EarlyCall.h"
#include "mztool/InvaderKeys.h"
#include "mztool/KeySpelling.h"
#include "towers/TowerKinds.h"
#include "towers/TowerRules.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <set>

namespace mztool {

namespace {

// The key of the period between a kind's shots: the first its weapons start from.
std::string periodKeyOf(int kind)
{
    const std::vector<BaseKey>& keys = TowerRules::baseKeysOf(kind);
    return keys.empty() ? std::string() : keys.front().key;
}

bool isWholeNumber(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0 && value >= std::numeric_limits<int>::min() &&
           value <= std::numeric_limits<int>::max();
}

bool isNumber(const std::string& text)
{
    return PlainText::realNumber(text).has_value();
}

// Numbered families the game reads for some counts of towers, paths and levels.
const std::set<std::string>& numberedFamilies()
{
    static const std::set<std::string> families = [] {
        std::set<std::string> all;
        for (std::string pattern : ConfigKeys::numbered()) {
            for (std::size_t at = pattern.find("%d"); at != std::string::npos; at = pattern.find("%d"))
                pattern.replace(at, 2, "#");
            all.insert(pattern);
        }
        for (int kind = 0; kind < TowerKinds::Count; ++kind)
            for (const BaseKey& base : TowerRules::baseKeysOf(kind))
                all.insert(KeySpelling::familyOf(base.key));
        for (const UpgradeModifier& modifier : TowerRules::modifiers())
            all.insert(KeySpelling::familyOf(modifier.key));
        return all;
    }();
    return families;
}

} // namespace

KeyChecker::KeyChecker(Findings& findings)
    : findings(findings)
{
}

void KeyChecker::run(const Config& asWritten)
{
    Config config = asWritten; // lookups below add empty entries for missing keys
    const std::vector<KnownKey> keys = knownKeys(config);
    checkValues(config, keys);
    checkNearMisses(asWritten, keys);
    checkPeriods(config);
    checkFrameTime(config);
    checkCounts(config);
    for (const std::string& line : Difficulty::problems(asWritten))
        problem(line);
    for (int level = 0; level < Difficulty::LevelCount; ++level)
        note(Difficulty::of(asWritten, static_cast<Difficulty::Level>(level)).describe());
}

std::vector<KeyChecker::KnownKey> KeyChecker::knownKeys(Config& config) const
{
    std::vector<KnownKey> keys;
    for (const ConfigKeys::Key& key : ConfigKeys::plain())
        keys.push_back({key.name, key.kind});
    for (const char* font : ContentFiles::FontKeys) {
        keys.push_back({font, KeyKind::File});
        keys.push_back({std::string(font) + "Kerning", KeyKind::Int, true});
    }
    for (const char* key : {Difficulty::StartingMoneyKey, Difficulty::StartingHealthKey})
        keys.push_back({key, KeyKind::Int});
    keys.push_back({Difficulty::TimeBetweenWavesKey, KeyKind::Double});
    InvaderKeys::append(keys, config);
    keys.push_back({ConfigKeys::SoundVolume, KeyKind::Int});
    keys.push_back({ConfigKeys::EarlyCallBonus, KeyKind::Int, false,
                    "the game pays " + std::to_string(EarlyCall::DefaultBonusPerSecond) + " for every second left"});
    // Easy's and Hard's keys may be left out (Normal's value stands); their values are checked apart.
    for (const std::string& key : Difficulty::keys())
        keys.push_back({key, KeyKind::Text});
    // A sound key may be left out or empty: that event is silent.
    for (int i = 0; i < SoundEventCount; ++i)
        keys.push_back({soundKey(static_cast<SoundEvent>(i)), KeyKind::Text});
    keys.push_back({ConfigKeys::MusicVolume, KeyKind::Int, false, "the music is silent"});
    for (int i = 0; i < MusicPieceCount; ++i)
        keys.push_back({musicKey(static_cast<MusicPiece>(i)), KeyKind::Text});
    const int maxEntries = CatalogueReader::MaxEntries;
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        for (const BaseKey& base : TowerRules::baseKeysOf(n - 1))
            keys.push_back({base.key, base.whole ? KeyKind::Int : KeyKind::Double});
        keys.push_back({Config::keyOf(ConfigKeys::TowerName, n), KeyKind::Text});
        keys.push_back({Config::keyOf(ConfigKeys::TowerSprite, n), KeyKind::File});
        for (const char* field : {ConfigKeys::TowerPrice, ConfigKeys::TowerWidth, ConfigKeys::TowerAvailable})
            keys.push_back({Config::keyOf(field, n), KeyKind::Int});
        keys.push_back({Config::keyOf(ConfigKeys::TowerPaths, n), KeyKind::Int, true});
        const int paths = std::clamp(config.getIntf(ConfigKeys::TowerPaths, n), 0, maxEntries);
        for (int j = 1; j <= paths; ++j) {
            keys.push_back({Config::keyOf(ConfigKeys::PathName, n, j), KeyKind::Text});
            keys.push_back({Config::keyOf(ConfigKeys::PathLevels, n, j), KeyKind::Int});
            const int levels = std::clamp(config.getIntf(ConfigKeys::PathLevels, n, j), 0, maxEntries);
            for (int k = 1; k <= levels; ++k) {
                keys.push_back({Config::keyOf(ConfigKeys::LevelPrice, n, j, k), KeyKind::Int});
                keys.push_back({Config::keyOf(ConfigKeys::LevelIcon, n, j, k), KeyKind::Int});
            }
            // Upgrade modifiers are read only when their path exists.
            for (const UpgradeModifier& modifier : TowerRules::modifiers())
                if (modifier.kind == n - 1 && modifier.path == j - 1)
                    keys.push_back({modifier.key, modifier.whole ? KeyKind::Int : KeyKind::Double, false,
                                    modifier.whenAbsent ? modifier.whenAbsent : ""});
        }
    }
    return keys;
}

void KeyChecker::checkValues(Config& config, const std::vector<KnownKey>& keys)
{
    for (const KnownKey& key : keys) {
        const std::string& value = config.get(key.name);
        if (value.empty()) {
            if (!key.whenMissing.empty())
                note(key.name + " is missing; " + key.whenMissing);
            else if (key.zeroWhenMissing)
                note(key.name + " is missing; the game reads it as 0");
            else if (key.kind != KeyKind::Text)
                problem(key.name + " is missing");
            continue;
        }
        if (key.kind == KeyKind::Int && !isWholeNumber(value))
            problem(key.name + "=" + value + " is not a whole number (the game reads it as " +
                    std::to_string(std::atoi(value.c_str())) + ")");
        if (key.kind == KeyKind::Double && !isNumber(value))
            problem(key.name + "=" + value + " is not a number (the game reads it as " +
                    PlainText::real(PlainText::leadingReal(value)) + ")");
    }
}

void KeyChecker::checkNearMisses(const Config& config, const std::vector<KnownKey>& keys)
{
    std::set<std::string> known;
    for (const KnownKey& key : keys)
        known.insert(key.name);
    for (const auto& entry : config.entries()) {
        const std::string& name = entry.first;
        if (known.count(name))
            continue;
        if (known.count(KeySpelling::trimmed(name))) {
            problem("\"" + name + "\" has spaces around \"=\", so it defines another key than " +
                    KeySpelling::trimmed(name));
            continue;
        }
        const auto closest =
            std::find_if(known.begin(), known.end(),
                         [&](const std::string& key) { return KeySpelling::isNearMiss(name, key); });
        if (closest != known.end())
            problem("\"" + name + "\" is not a key the game reads; did you mean " + *closest + "?");
        else if (numberedFamilies().count(KeySpelling::familyOf(name)))
            problem("\"" + name + "\" is not read: its numbers are beyond the towers, upgrade paths and levels "
                    "that the other keys give");
        else
            problem("\"" + name + "\" is not a key the game reads");
    }
}

void KeyChecker::checkPeriods(Config& config)
{
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        const std::string key = periodKeyOf(n - 1);
        const double base = config.getDouble(key);
        if (base <= 0)
            problem(key + " is " + config.get(key) + "; a period must be above 0");
    }
    for (const UpgradeModifier& modifier : TowerRules::modifiers()) {
        const int n = modifier.kind + 1;
        const int path = modifier.path + 1;
        if (config.getIntf(ConfigKeys::TowerPaths, n) < path)
            continue;
        if (modifier.role == UpgradeModifier::MissilePeriod && config.getDouble(modifier.key) <= 0)
            problem(std::string(modifier.key) + " must be above 0");
        const std::string periodKey = periodKeyOf(modifier.kind);
        if (modifier.role != UpgradeModifier::Rate || config.getDouble(periodKey) <= 0)
            continue;
        // Every level of the rate path adds the level-1 modifier again.
        const int levels = config.getIntf(ConfigKeys::PathLevels, n, path);
        const double fastest =
            config.getDouble(periodKey) + levels * config.getDouble(modifier.key);
        if (fastest <= 0)
            problem("after all " + std::to_string(levels) + " levels of " +
                    Config::keyOf("Tower%d.Upgrade%d", n, path) +
                    " the period of tower " + std::to_string(n) + " is " + PlainText::real(fastest) +
                    "; it must stay above 0");
    }
}

void KeyChecker::checkFrameTime(Config& config)
{
    const std::string& value = config.get(ConfigKeys::TimestepThreshold);
    const double threshold = PlainText::leadingReal(value);
    if (!value.empty() && !(threshold >= 0.0 && threshold <= Application::LongestFrameThreshold))
        problem("TimestepThreshold=" + value + " is outside 0 to 1 second; the game waits 0 to 1 second a frame");
}

void KeyChecker::checkCounts(Config& config)
{
    const int maxEntries = CatalogueReader::MaxEntries;
    const std::string limit = std::to_string(maxEntries);
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        const int paths = config.getIntf(ConfigKeys::TowerPaths, n);
        if (paths > maxEntries)
            problem(Config::keyOf(ConfigKeys::TowerPaths, n) + "=" + std::to_string(paths) + " is cut to " + limit +
                    ": the game reads at most " + limit + " upgrade paths");
        for (int j = 1; j <= std::min(paths, maxEntries); ++j) {
            const int levels = config.getIntf(ConfigKeys::PathLevels, n, j);
            if (levels > maxEntries)
                problem(Config::keyOf(ConfigKeys::PathLevels, n, j) + "=" + std::to_string(levels) + " is cut to " +
                        limit + ": the game reads at most " + limit + " levels of a path");
        }
    }
}

} // namespace mztool
