#include "mztool/InvaderKeys.h"

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

void InvaderKeys::append(std::vector<KeyChecker::KnownKey>& keys)
{
    for (int number = 1; number <= InvaderKinds::Count; ++number) {
        keys.push_back({keyOf("Sprite", number), Kind::File});
        keys.push_back({keyOf("Value", number), Kind::Int});
        keys.push_back({keyOf("Health", number), Kind::Int});
        keys.push_back({keyOf("HealthIncrease", number), Kind::Double});
        keys.push_back({keyOf("Size", number), Kind::Double});
        if (number == 1)
            continue;
        // The Mixed kinds' own keys: a kind that leaves one out goes without that rule.
        for (const char* text : {"Name", "Hint", "Rows"})
            keys.push_back({keyOf(text, number), Kind::Text});
        for (const char* whole : {"Armour", "Shield", "FromWave", "Share", "Every"})
            keys.push_back({keyOf(whole, number), Kind::Int, true});
        keys.push_back({keyOf("ShieldReturn", number), Kind::Double, true});
        keys.push_back({keyOf("Landing", number), Kind::Int, false, "a landing costs 1 health point"});
    }
}

} // namespace mztool
