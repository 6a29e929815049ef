#include "mztool/InvaderKeys.h"

#include "app/Config.h"
#include "invaders/InvaderKinds.h"

#include <cstdio>
#include <string>

namespace mztool {

namespace {

using Kind = KeyChecker::KeyKind;

std::string keyOf(const char* field, int number)
{
    char name[64];
    std::snprintf(name, sizeof name, "Invader%d.%s", number, field);
    return name;
}

} // namespace

bool InvaderKeys::reads(const std::string& field, int kind)
{
    if (field == "Armour")
        return kind == InvaderKinds::ArmouredKind;
    if (field == "Shield" || field == "ShieldReturn")
        return kind == InvaderKinds::ShieldedKind;
    if (field == "Every")
        return kind == InvaderKinds::BossKind;
    if (field == "FromWave" || field == "Share" || field == "Rows")
        return kind != InvaderKinds::BossKind;
    return true;
}

void InvaderKeys::append(std::vector<KeyChecker::KnownKey>& keys, Config& config)
{
    for (int number = 1; number <= InvaderKinds::Count; ++number) {
        keys.push_back({keyOf("Sprite", number), Kind::File});
        keys.push_back({keyOf("Value", number), Kind::Int});
        keys.push_back({keyOf("Health", number), Kind::Int});
        keys.push_back({keyOf("HealthIncrease", number), Kind::Double});
        keys.push_back({keyOf("Size", number), Kind::Double});
        if (number == 1)
            continue;
        // The Mixed kinds' own keys: a kind that leaves one out goes without that rule. A rule
        // that is not the kind's (a mite's armour) is still checked when written, and its absence
        // is no news.
        const auto add = [&](const char* field, KeyChecker::KnownKey key) {
            if (reads(field, number - 1) || !config.get(key.name).empty())
                keys.push_back(key);
        };
        for (const char* text : {"Name", "Hint", "Rows"})
            add(text, {keyOf(text, number), Kind::Text});
        for (const char* whole : {"Armour", "Shield", "FromWave", "Share", "Every"})
            add(whole, {keyOf(whole, number), Kind::Int, true});
        add("ShieldReturn", {keyOf("ShieldReturn", number), Kind::Double, true});
        add("Landing", {keyOf("Landing", number), Kind::Int, false, "a landing costs 1 health point"});
    }
}

} // namespace mztool
