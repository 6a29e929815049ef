// How the scripted player plays: whenever its hand is free it reads the screen (the World's
// public state, as a person reads the picture) and queues its next clicks. The base holds the
// screen geometry every strategy shares: the bar buttons, the towers and the building slots.
#pragma once

#include <optional>

class Application;
class Building;
class World;

namespace autoplay {

class Gestures;

class Strategy {
public:
    virtual ~Strategy() = default;
    Strategy(const Strategy&) = delete;
    Strategy& operator=(const Strategy&) = delete;

    virtual const char* name() const = 0;
    // Called before a frame whenever the previous gestures are done; may queue nothing.
    virtual void decide(const World& world, Gestures& hand) = 0;

protected:
    Strategy();

    // Left edge of button i of the bar in the bottom-right corner.
    int buttonX(int index) const;
    void clickBuildButton(Gestures& hand, int kind) const;
    // Upgrade path p of the selected tower is button p + 1 of its bar.
    void clickUpgradeButton(Gestures& hand, int path) const;
    // The selected tower's aim button stands left of its upgrade buttons.
    void clickAimButton(Gestures& hand, const Building& tower) const;
    // Selects a standing tower by clicking just above its foot.
    void clickTower(Gestures& hand, const Building& tower) const;
    // A right click on the open field: leaves placing or selection.
    void cancel(Gestures& hand) const;
    // While placing: builds kind on a free slot if that is the kind wanted, otherwise cancels.
    void placeOrCancel(const World& world, Gestures& hand, int wantedKind) const;

    // Where to click to build a tower of a kind: of the spots where its footprint keeps a gap to
    // every standing tower and stays on the field, the one farthest from the towers and the
    // field's edges (nearest the middle on a tie), so towers spread evenly over the field.
    std::optional<int> freeSpot(const World& world, int kind) const;
    int towerPrice(int kind) const;
    // Price of the next level of path p of a tower, or nothing when the path is complete.
    std::optional<int> nextLevelPrice(const Building& tower, int path) const;
    int pathCount(const Building& tower) const;

    Application& app;

private:
    bool fits(const World& world, int kind, int centre) const;
    // Distance from a point on the baseline to the nearest tower centre or field edge.
    int clearance(const World& world, int centre) const;
};

} // namespace autoplay
