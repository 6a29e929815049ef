#include "difficulty/GameMode.h"

#include <cctype>

namespace {

constexpr GameMode Modes[] = {GameMode::Classic, GameMode::Mixed};

bool sameWord(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && b[i] == '\0';
}

} // namespace

const char* gameModeName(GameMode mode)
{
    return mode == GameMode::Mixed ? "Mixed" : "Classic";
}

std::optional<GameMode> parseGameMode(const std::string& name)
{
    for (GameMode mode : Modes)
        if (sameWord(name, gameModeName(mode)))
            return mode;
    return std::nullopt;
}
