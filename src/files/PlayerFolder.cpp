#include "files/PlayerFolder.h"

#include <cstdlib>
#include <filesystem>

namespace {

constexpr const char* GameFolder = "squibble-siege";

// The default below $HOME for each kind.
const char* homeDefaultOf(PlayerFolder::Kind kind)
{
    switch (kind) {
    case PlayerFolder::Kind::Data: return ".local/share";
    case PlayerFolder::Kind::Config: return ".config";
    case PlayerFolder::Kind::State: return ".local/state";
    }
    return ".local/share";
}

} // namespace

const char* PlayerFolder::variableOf(Kind kind)
{
    switch (kind) {
    case Kind::Data: return "XDG_DATA_HOME";
    case Kind::Config: return "XDG_CONFIG_HOME";
    case Kind::State: return "XDG_STATE_HOME";
    }
    return "XDG_DATA_HOME";
}

std::string PlayerFolder::of(Kind kind)
{
    // The base directory rules say a relative path in these variables is to be ignored. A relative
    // HOME is no home either: the game works in its own folder, where it would land.
    const char* base = std::getenv(variableOf(kind));
    if (base && base[0] == '/')
        return (std::filesystem::path(base) / GameFolder).string();
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return (std::filesystem::path(home) / homeDefaultOf(kind) / GameFolder).string();
    return "";
}
