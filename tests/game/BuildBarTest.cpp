#include "game/BuildBar.h"

#include "app/BackBuffer.h"
#include "assets/AnimatedSprite.h"
#include "control/TowerActions.h"
#include "support/WorldFixture.h"
#include "towers/Building.h"

#include <allegro.h>

namespace {

// Test content: buttons 20 apart (kind i at x 300 - 20 i), baseline 200, money 100. The laser
// costs 50, stands 16 x 24 with a 12-pixel footprint; its rate path has three levels (20, 30, 40)
// and its launcher path one level (60). Glyphs are 4 pixels wide with no kerning.
class BuildBarTest : public WorldFixture {
protected:
    static constexpr int CaptionLine2 = 229;
    static constexpr int StatusRight = 70;

    // Presses the left button in one frame and releases it in the next, over a back-buffer pixel.
    void leftClick(int x, int y) { clickAt(x, y, 1); }
    void rightClick(int x, int y) { clickAt(x, y, 2); }
    void chooseKind(int kind) { leftClick(300 - 20 * kind + 9, 229); }

    Building& buildLaserAt(int x)
    {
        chooseKind(0);
        leftClick(x, 150);
        rightClick(x, 150);
        return *world->towers.back();
    }

    // Hovers a point and draws the frame.
    BITMAP* drawnWithMouseAt(int x, int y, int buttons = 0)
    {
        input->pointAt(x, y);
        input->buttons = buttons;
        app().sampleMouse();
        world->draw();
        return app().backBuffer->bitmap;
    }

    // Leftmost and rightmost ink of a caption line (glyph ink starts one row below its top), right
    // of the health and money in the status row.
    struct Ink {
        int left = -1;
        int right = -1;
        int colour = 0;
    };
    Ink captionInk(BITMAP* target, int top) const
    {
        Ink ink;
        for (int x = StatusRight; x < 320; ++x) {
            const int pixel = getpixel(target, x, top + 2);
            const bool white = pixel == makecol(255, 255, 255);
            const bool red = pixel == makecol(testcontent::RedInk[0], testcontent::RedInk[1], testcontent::RedInk[2]);
            if (!white && !red)
                continue;
            if (ink.left < 0) {
                ink.left = x;
                ink.colour = pixel;
            }
            ink.right = x;
        }
        return ink;
    }
    // Where a right-aligned caption of `characters` glyphs ending at x has its first ink.
    static int firstInk(int x, int characters) { return x - 4 * characters + 1; }
};

} // namespace

TEST_F(BuildBarTest, ButtonsActOnReleaseWhereTheButtonIsReleased)
{
    input->pointAt(309, 229);
    input->buttons = 1;
    frame(0.0);
    EXPECT_EQ(world->mode, Idle) << "nothing happens on the press";
    input->pointAt(289, 229); // released over the missile turret's button
    input->buttons = 0;
    frame(0.0);
    EXPECT_EQ(world->mode, Placing);
    EXPECT_EQ(world->placingKind, 1);
}

TEST_F(BuildBarTest, UnaffordableOrUnavailableKindsCannotBeChosen)
{
    world->money = 49;
    chooseKind(0);
    EXPECT_EQ(world->mode, Idle);
    world->money = 100;
    app().towerTypes[0].available = false;
    chooseKind(0);
    EXPECT_EQ(world->mode, Idle);
}

TEST_F(BuildBarTest, PlacingCentresTheTowerAndStaysWhileMoneyLasts)
{
    chooseKind(0);
    leftClick(100, 150);
    ASSERT_EQ(world->towers.size(), 1u);
    EXPECT_EQ(world->towers.front()->x, 92);
    EXPECT_EQ(world->money, 50);
    EXPECT_EQ(world->mode, Placing) << "50 still buys another laser";
    leftClick(200, 150);
    EXPECT_EQ(world->towers.size(), 2u);
    EXPECT_EQ(world->money, 0);
    EXPECT_EQ(world->mode, Idle);
}

TEST_F(BuildBarTest, RightClickOrLostMoneyEndsPlacing)
{
    chooseKind(0);
    rightClick(100, 150);
    EXPECT_EQ(world->mode, Idle);
    chooseKind(0);
    world->money = 10;
    frame(0.0);
    EXPECT_EQ(world->mode, Idle);
}

TEST_F(BuildBarTest, TouchingFootprintsOverlap)
{
    buildLaserAt(100); // footprint 94..106
    chooseKind(0);
    const std::pair<int, bool> cases[] = {{87, true}, {88, false}, {100, false}, {112, false}, {113, true}};
    for (const auto& [mouseX, free] : cases) {
        input->pointAt(mouseX, 150);
        app().sampleMouse();
        EXPECT_EQ(world->actions().canPlaceAt(world->actions().previewX()), free) << mouseX;
        // The World's own test, of the click and the preview, is the same rule at the mouse.
        EXPECT_EQ(std::pair(world->canPlaceTower(), world->canPlaceTower(mouseX)), std::pair(free, free)) << mouseX;
    }
    leftClick(88, 150);
    EXPECT_EQ(world->towers.size(), 1u) << "an overlapping click builds nothing";
}

TEST_F(BuildBarTest, PreviewTurnsToItsRedAnimationWhereItCannotStand)
{
    buildLaserAt(100);
    chooseKind(0);
    const int previewColour = getpixel(app().towerTypes[0].spriteSheet->getFrame(1, 0.0f), 0, 0);
    const int normalColour = getpixel(app().towerTypes[0].spriteSheet->getFrame(0, 0.0f), 0, 0);
    EXPECT_EQ(getpixel(drawnWithMouseAt(90, 150), 82, 180), previewColour);
    EXPECT_EQ(getpixel(drawnWithMouseAt(60, 150), 52, 180), normalColour);
}

TEST_F(BuildBarTest, ClickingATowerSelectsIt)
{
    Building& tower = buildLaserAt(100);
    leftClick(95, 190);
    EXPECT_EQ(world->mode, TowerSelected);
    EXPECT_EQ(world->selectedTower, &tower);
    rightClick(95, 190);
    EXPECT_EQ(world->mode, Idle);
}

TEST_F(BuildBarTest, DemolishRefundsHalfThePrice)
{
    buildLaserAt(100);
    leftClick(95, 190);
    leftClick(309, 229);
    EXPECT_TRUE(world->towers.empty());
    EXPECT_EQ(world->money, 75);
    EXPECT_EQ(world->selectedTower, nullptr);
    EXPECT_EQ(world->mode, Idle);
}

TEST_F(BuildBarTest, UpgradesChargeEachLevelsPriceUntilThePathIsFull)
{
    world->money = 200;
    Building& tower = buildLaserAt(100); // 150 left
    leftClick(95, 190);
    for (int expected : {130, 100, 60, 60}) {
        leftClick(289, 229); // the rate path
        EXPECT_EQ(world->money, expected);
    }
    EXPECT_EQ(tower.upgradeLevels[0], 3);
    world->money = 59;
    leftClick(269, 229); // the launcher costs 60
    EXPECT_EQ(tower.upgradeLevels[1], 0);
    EXPECT_EQ(world->money, 59);
}

TEST_F(BuildBarTest, BuildCaptionShowsNamePriceAndAvailability)
{
    const int captionX = 317 - 3 * 20;
    BITMAP* target = drawnWithMouseAt(309, 229);
    EXPECT_EQ(captionInk(target, 220).left, firstInk(captionX, 5)); // "Laser"
    Ink price = captionInk(target, CaptionLine2);
    EXPECT_EQ(price.left, firstInk(captionX, 3)); // "$50"
    EXPECT_EQ(price.colour, makecol(255, 255, 255));
    app().towerTypes[0].available = false;
    Ink unavailable = captionInk(drawnWithMouseAt(309, 229), CaptionLine2);
    EXPECT_EQ(unavailable.left, firstInk(captionX, 13)); // "Not Available"
    EXPECT_EQ(unavailable.colour, makecol(255, 0, 0));
}

TEST_F(BuildBarTest, UpgradeCaptionsFollowTheLevelsBought)
{
    world->money = 500;
    Building& tower = buildLaserAt(100);
    leftClick(95, 190);
    const int captionX = 317 - 3 * 20;
    leftClick(289, 229);
    Ink next = captionInk(drawnWithMouseAt(289, 229), CaptionLine2);
    EXPECT_EQ(next.left, firstInk(captionX, 13)); // "Level 2 - $30"
    EXPECT_EQ(next.colour, makecol(255, 255, 255));
    tower.upgradeLevels[0] = 3;
    Ink maxed = captionInk(drawnWithMouseAt(289, 229), CaptionLine2);
    EXPECT_EQ(maxed.left, firstInk(captionX, 12)); // "Max Upgraded"
    EXPECT_EQ(maxed.colour, makecol(255, 0, 0));
    EXPECT_EQ(captionInk(drawnWithMouseAt(269, 229), CaptionLine2).left, firstInk(captionX, 3)); // "$60"
    // With its launcher bought the turret has something to aim: the aim button stands left of the
    // paths, and the captions stand left of it.
    tower.upgradeLevels[1] = 1;
    const int besideAim = captionX - 20;
    EXPECT_EQ(captionInk(drawnWithMouseAt(269, 229), CaptionLine2).left, firstInk(besideAim, 17)); // "Already Purchased"
    EXPECT_EQ(captionInk(drawnWithMouseAt(309, 229), CaptionLine2).left, firstInk(besideAim, 4)); // "+$25"
}

TEST_F(BuildBarTest, MaxedPathKeepsItsLastLevelsIconDisabled)
{
    Building& tower = buildLaserAt(100);
    leftClick(95, 190);
    app().towerTypes[0].upgrades[1].levels[2].icon = 5;
    tower.upgradeLevels[0] = 3;
    BITMAP* target = drawnWithMouseAt(10, 10);
    EXPECT_EQ(getpixel(target, 280 + 8, 221 + 8), testcontent::iconColour(5, true));
    EXPECT_EQ(getpixel(target, 280, 220), testcontent::slotColour(2)) << "the disabled frame";
}

TEST_F(BuildBarTest, HeldButtonShowsThePressedFrameWithItsIconShifted)
{
    BITMAP* hovered = drawnWithMouseAt(305, 225);
    EXPECT_EQ(getpixel(hovered, 300, 220), testcontent::slotColour(1));
    EXPECT_EQ(getpixel(hovered, 301, 221), testcontent::iconColour(1, false));
    BITMAP* pressed = drawnWithMouseAt(305, 225, 1);
    EXPECT_EQ(getpixel(pressed, 300, 220), testcontent::slotColour(3));
    EXPECT_EQ(getpixel(pressed, 301, 221), testcontent::slotColour(3)) << "the icon moved right and down";
    EXPECT_EQ(getpixel(pressed, 302, 222), testcontent::iconColour(1, false));
    EXPECT_EQ(world->mode, Idle) << "drawing does not act";
}
