#include "invaders/InvaderKinds.h"

#include "invaders/Armoured.h"
#include "invaders/Boss.h"
#include "invaders/Mite.h"
#include "invaders/Shielded.h"
#include "invaders/Splitter.h"
#include "invaders/Squibble.h"

namespace {

constexpr const char* Names[InvaderKinds::Count] = {"Squibble", "Armoured", "Mite", "Shielded", "Splitter", "Boss"};

} // namespace

const char* InvaderKinds::nameOf(int kind)
{
    return exists(kind) ? Names[kind] : "?";
}

int InvaderKinds::named(const std::string& name)
{
    for (int kind = 0; kind < Count; ++kind)
        if (name == Names[kind])
            return kind;
    return -1;
}

std::unique_ptr<Invader> InvaderKinds::create(int kind, const KindContext& context)
{
    switch (kind) {
    case SquibbleKind: return std::make_unique<Squibble>();
    case ArmouredKind: return std::make_unique<Armoured>(context);
    case MiteKind: return std::make_unique<Mite>(context);
    case ShieldedKind: return std::make_unique<Shielded>(context);
    case SplitterKind: return std::make_unique<Splitter>(context);
    case BossKind: return std::make_unique<Boss>(context);
    default: return nullptr;
    }
}
