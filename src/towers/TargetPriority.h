// What a tower aims at among the invaders of the wave: a missile turret (and the laser turret's
// missile launcher) a random invader unless told otherwise, a Tesla coil the nearest within its
// range. The player may step a tower to another rule; each kind's first choice is its own rule.
#pragma once

#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Invader;

class TargetPriority {
public:
    enum Rule {
        Random,    // any invader of the wave, dead ones not yet removed included
        First,     // the one closest to landing: the lowest, then the furthest along its row
        Strongest, // the most health left
        Weakest,   // the least health left
        Nearest,   // the nearest the point aimed from
    };

    // Where a tower reaches from and how far; a reach of `range` pixels around (x, y).
    struct Reach {
        double x = 0.0;
        double y = 0.0;
        double range = 0.0;
    };

    // The choices of a missile launcher and of a coil, the kind's own rule first.
    static const std::vector<Rule>& missileChoices();
    static const std::vector<Rule>& coilChoices();

    // The rule's name as the player reads it and as files write it ("First").
    static const char* nameOf(Rule rule);
    static std::optional<Rule> named(const std::string& name);

    // The invader the rule picks, or null when there is none. Random draws one number from the C
    // library's generator whenever there is an invader; Nearest takes the later of several at the
    // same distance; the others take only living invaders and the earlier in the list on a tie.
    // With a reach only invaders whose centre is within it count. `rowDirection` is the way the
    // invaders will next move along their rows (1 right, -1 left, 0 unknown), for First.
    static Invader* pick(Rule rule, const std::list<std::unique_ptr<Invader>>& invaders, const Reach* reach,
                         int rowDirection);
};
