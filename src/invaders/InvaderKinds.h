// The invader kinds in one table: each kind's number (its place in the data set's invader
// catalogue, "Invader1" being 0), the name it goes by in files, and how one is made. The Mixed
// waves, the checkpoint, the books and the help all read it.
#pragma once

#include <memory>
#include <string>

class Invader;
struct KindContext;

class InvaderKinds {
public:
    static constexpr int SquibbleKind = 0;
    static constexpr int ArmouredKind = 1;
    static constexpr int MiteKind = 2;
    static constexpr int ShieldedKind = 3;
    static constexpr int SplitterKind = 4;
    static constexpr int BossKind = 5;
    static constexpr int Count = 6;

    static bool exists(int kind) { return kind >= 0 && kind < Count; }
    // "Squibble", "Armoured", "Mite", "Shielded", "Splitter", "Boss"; "?" for no kind.
    static const char* nameOf(int kind);
    // The kind with that name, or -1 for none.
    static int named(const std::string& name);
    // A new invader of the kind at the context's wave, not yet placed; null for no kind. The
    // Squibble is the designed one, reading the Application as it always has.
    static std::unique_ptr<Invader> create(int kind, const KindContext& context);
};
