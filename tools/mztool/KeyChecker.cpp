#include "mztool/KeyChecker.h"

#include "mztool/EditDistance.h"

#include "app/Application.h"
#include "app/CatalogueReader.h"
#include "app/Config.h"
#include "audio/MusicCue.h"
#include "audio/SoundEvent.h"
#include "difficulty/Difficulty.h"
#include "files/PlainText.h"
#include "game/EarlyCall.h"
#include "mztool/InvaderKeys.h"
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

// Spelling edits (insertions, deletions, substitutions) within which a key is a near miss.
constexpr std::size_t NearMissEdits = 2;

std::string format(const char* pattern, int a, int b = 0, int c = 0)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
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

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The key with every run of digits replaced by "#": "Tower#.Upgrade#.Level#.Icon".
std::string familyOf(const std::string& key)
{
    std::string family;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(key[i]))) {
            family += key[i];
        } else if (i == 0 || !std::isdigit(static_cast<unsigned char>(key[i - 1]))) {
            family += '#';
        }
    }
    return family;
}

// The runs of digits of a key, in order: "Tower3.Upgrade1.Level2.Icon" gives 3, 1, 2.
std::vector<std::string> numbersOf(const std::string& key)
{
    std::vector<std::string> numbers;
    std::string run;
    for (char c : key + ".") {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            run += c;
        } else if (!run.empty()) {
            numbers.push_back(run);
            run.clear();
        }
    }
    return numbers;
}

// A misspelling of known: the same numbers in the same order, and the words within a couple of
// edits of each other or equal but for case.
bool isNearMiss(const std::string& name, const std::string& known)
{
    if (numbersOf(name) != numbersOf(known))
        return false;
    return lowered(known) == lowered(trimmed(name)) || editDistance(familyOf(known), familyOf(name)) <= NearMissEdits;
}

// Numbered families the game reads for some counts of towers, paths and levels.
const std::set<std::string>& numberedFamilies()
{
    static const std::set<std::string> families{
        "Tower#.Name", "Tower#.Value", "Tower#.Sprite", "Tower#.Width", "Tower#.Available", "Tower#.Upgrades",
        "Tower#.FreqBase", "Tower#.DamageBase", "Tower#.DamageSplashBase", "Tower#.SplashRadius", "Tower#.RangeBase",
        "Tower#.Upgrade#.Name", "Tower#.Upgrade#.Levels", "Tower#.Upgrade#.Level#.Value",
        "Tower#.Upgrade#.Level#.Icon", "Tower#.Upgrade#.Level#.FreqMod", "Tower#.Upgrade#.Level#.MissileFreq",
        "Tower#.Upgrade#.Level#.MissileDamage", "Tower#.Upgrade#.Level#.SplashMod", "Tower#.Upgrade#.Level#.DamageMod",
        "Invader#.Value", "Invader#.Sprite", "Invader#.Health", "Invader#.HealthIncrease", "Invader#.Size",
        "Invader#.Name", "Invader#.Hint", "Invader#.Armour", "Invader#.Shield", "Invader#.ShieldReturn",
        "Invader#.Landing", "Invader#.FromWave", "Invader#.Share", "Invader#.Rows", "Invader#.Every",
    };
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
    std::vector<KnownKey> keys{{"WindowTitle", KeyKind::Text}, {"TimestepThreshold", KeyKind::Double}};
    for (const char* font : {"FontMain", "FontMainRed", "FontSmall", "FontSmallRed"}) {
        keys.push_back({font, KeyKind::File});
        keys.push_back({std::string(font) + "Kerning", KeyKind::Int, true});
    }
    for (const char* key : {"StartingHealth", "StartingMoney", "TowerBaseline", "ButtonSpacing", "Tower1.DamageBase", "Tower2.DamageBase", "Tower2.DamageSplashBase",
                            "Tower3.DamageBase"})
        keys.push_back({key, KeyKind::Int});
    for (const char* key : {"TimeBetweenWaves", "Wave1SpeedBase", "Wave1SpeedIncrease", "Wave1SpeedMax", "LaserSpeedBase", "MissileSpeedBase",
                            "MissileSteeringMax", "MissileSteeringResponse", "MissileLife", "Tower1.FreqBase",
                            "Tower2.FreqBase", "Tower2.SplashRadius", "Tower3.FreqBase", "Tower3.RangeBase"})
        keys.push_back({key, KeyKind::Double});
    InvaderKeys::append(keys, config);
    keys.push_back({"SoundVolume", KeyKind::Int});
    keys.push_back({"EarlyCallBonus", KeyKind::Int, false,
                    "the game pays " + std::to_string(EarlyCall::DefaultBonusPerSecond) + " for every second left"});
    // Easy's and Hard's keys may be left out (Normal's value stands); their values are checked apart.
    for (const std::string& key : Difficulty::keys())
        keys.push_back({key, KeyKind::Text});
    // A sound key may be left out or empty: that event is silent.
    for (int i = 0; i < SoundEventCount; ++i)
        keys.push_back({soundKey(static_cast<SoundEvent>(i)), KeyKind::Text});
    keys.push_back({"MusicVolume", KeyKind::Int, false, "the music is silent"});
    for (int i = 0; i < MusicPieceCount; ++i)
        keys.push_back({musicKey(static_cast<MusicPiece>(i)), KeyKind::Text});
    const int maxEntries = CatalogueReader::MaxEntries;
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        keys.push_back({format("Tower%d.Name", n), KeyKind::Text});
        keys.push_back({format("Tower%d.Sprite", n), KeyKind::File});
        for (const char* field : {"Tower%d.Value", "Tower%d.Width", "Tower%d.Available"})
            keys.push_back({format(field, n), KeyKind::Int});
        keys.push_back({format("Tower%d.Upgrades", n), KeyKind::Int, true});
        const int paths = std::clamp(config.getIntf("Tower%d.Upgrades", n), 0, maxEntries);
        for (int j = 1; j <= paths; ++j) {
            keys.push_back({format("Tower%d.Upgrade%d.Name", n, j), KeyKind::Text});
            keys.push_back({format("Tower%d.Upgrade%d.Levels", n, j), KeyKind::Int});
            const int levels = std::clamp(config.getIntf("Tower%d.Upgrade%d.Levels", n, j), 0, maxEntries);
            for (int k = 1; k <= levels; ++k) {
                keys.push_back({format("Tower%d.Upgrade%d.Level%d.Value", n, j, k), KeyKind::Int});
                keys.push_back({format("Tower%d.Upgrade%d.Level%d.Icon", n, j, k), KeyKind::Int});
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
        if (known.count(trimmed(name))) {
            problem("\"" + name + "\" has spaces around \"=\", so it defines another key than " + trimmed(name));
            continue;
        }
        const auto closest =
            std::find_if(known.begin(), known.end(), [&](const std::string& key) { return isNearMiss(name, key); });
        if (closest != known.end())
            problem("\"" + name + "\" is not a key the game reads; did you mean " + *closest + "?");
        else if (numberedFamilies().count(familyOf(name)))
            problem("\"" + name + "\" is not read: its numbers are beyond the towers, upgrade paths and levels "
                    "that the other keys give");
        else
            problem("\"" + name + "\" is not a key the game reads");
    }
}

void KeyChecker::checkPeriods(Config& config)
{
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        const std::string key = format("Tower%d.FreqBase", n);
        const double base = config.getDouble(key);
        if (base <= 0)
            problem(key + " is " + config.get(key) + "; a period must be above 0");
    }
    for (const UpgradeModifier& modifier : TowerRules::modifiers()) {
        const int n = modifier.kind + 1;
        const int path = modifier.path + 1;
        if (config.getIntf("Tower%d.Upgrades", n) < path)
            continue;
        if (modifier.role == UpgradeModifier::MissilePeriod && config.getDouble(modifier.key) <= 0)
            problem(std::string(modifier.key) + " must be above 0");
        if (modifier.role != UpgradeModifier::Rate || config.getDouble(format("Tower%d.FreqBase", n)) <= 0)
            continue;
        // Every level of the rate path adds the level-1 modifier again.
        const int levels = config.getIntf("Tower%d.Upgrade%d.Levels", n, path);
        const double fastest =
            config.getDouble(format("Tower%d.FreqBase", n)) + levels * config.getDouble(modifier.key);
        if (fastest <= 0)
            problem("after all " + std::to_string(levels) + " levels of " + format("Tower%d.Upgrade%d", n, path) +
                    " the period of tower " + std::to_string(n) + " is " + PlainText::real(fastest) +
                    "; it must stay above 0");
    }
}

void KeyChecker::checkFrameTime(Config& config)
{
    const std::string& value = config.get("TimestepThreshold");
    const double threshold = PlainText::leadingReal(value);
    if (!value.empty() && !(threshold >= 0.0 && threshold <= Application::LongestFrameThreshold))
        problem("TimestepThreshold=" + value + " is outside 0 to 1 second; the game waits 0 to 1 second a frame");
}

void KeyChecker::checkCounts(Config& config)
{
    const int maxEntries = CatalogueReader::MaxEntries;
    const std::string limit = std::to_string(maxEntries);
    for (int n = 1; n <= TowerKinds::Count; ++n) {
        const int paths = config.getIntf("Tower%d.Upgrades", n);
        if (paths > maxEntries)
            problem(format("Tower%d.Upgrades", n) + "=" + std::to_string(paths) + " is cut to " + limit +
                    ": the game reads at most " + limit + " upgrade paths");
        for (int j = 1; j <= std::min(paths, maxEntries); ++j) {
            const int levels = config.getIntf("Tower%d.Upgrade%d.Levels", n, j);
            if (levels > maxEntries)
                problem(format("Tower%d.Upgrade%d.Levels", n, j) + "=" + std::to_string(levels) + " is cut to " +
                        limit + ": the game reads at most " + limit + " levels of a path");
        }
    }
}

} // namespace mztool
