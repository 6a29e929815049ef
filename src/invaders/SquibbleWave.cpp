#include "invaders/SquibbleWave.h"

#include "app/Application.h"
#include "app/ConfigKeys.h"
#include "app/Field.h"
#include "assets/PixelCoordinate.h"
#include "audio/SoundBoard.h"
#include "difficulty/Difficulty.h"
#include "effects/SimpleEffect.h"
#include "effects/TextEffect.h"
#include "game/World.h"
#include "invaders/Squibble.h"

#include <algorithm>
#include <string>

namespace {

constexpr int RowLength = 12;
constexpr int ColumnSpacing = 20;
constexpr int RowSpacing = 16;
constexpr int FormationCentre = 150; // rows of n start at FormationCentre - 10 n
constexpr int LastRowTop = -20;
constexpr double StepHeight = SquibbleWave::StepHeight;
constexpr int RightTurnLine = 295; // the largest left edge beyond this turns the block down
constexpr int LeftTurnLine = 8;    // the smallest left edge at or before this turns it down
constexpr double EscapeLine = SquibbleWave::EscapeLine;
constexpr int FieldWidth = Field::Width;

// Every wave brings two more than the one before.
constexpr int FirstWaveSize = 16;
constexpr int WaveGrowth = 2;

// Where the block stands in its march, for the distance left to the ground.
struct Block {
    int state = MovingDownBeforeRight;
    double descent = 0.0;
    double lowestY = 0.0;
    double lo = 0.0;
    double hi = 0.0;
};

// Pixels the block covers, down and sideways, until its lowest row reaches the escape line: the
// march's turns followed without the overshoot of a frame.
double distanceToGround(Block block)
{
    double distance = 0.0;
    // A step and a sweep each turn, and no field needs more than a few dozen of them.
    for (int turn = 0; turn < 1000 && block.lowestY < EscapeLine; ++turn) {
        if (block.state == MovingDownBeforeLeft || block.state == MovingDownBeforeRight) {
            const double down = std::min(StepHeight - block.descent, EscapeLine - block.lowestY);
            distance += std::max(0.0, down);
            block.lowestY += std::max(0.0, down);
            block.descent = 0.0;
            block.state = block.state == MovingDownBeforeLeft ? MovingLeft : MovingRight;
        } else {
            const double side =
                std::max(0.0, block.state == MovingRight ? RightTurnLine - block.hi : block.lo - LeftTurnLine);
            distance += side;
            block.lo += block.state == MovingRight ? side : -side;
            block.hi += block.state == MovingRight ? side : -side;
            block.state = block.state == MovingRight ? MovingDownBeforeLeft : MovingDownBeforeRight;
        }
    }
    return distance;
}

} // namespace

SquibbleWave::SquibbleWave(int count)
{
    const World* world = Application::instance().world;
    speed = world ? speedFor(world->waveNumber, world->difficulty) : speedFor(1, Difficulty());
    for (int i = 0; i < count; ++i) {
        invaders.push_back(std::make_unique<Squibble>());
        Invader& invader = *invaders.back();
        invader.wave = this;
        place(invader, i, count);
    }
}

SquibbleWave::SquibbleWave(std::vector<std::unique_ptr<Invader>> formed)
{
    const World* world = Application::instance().world;
    speed = world ? speedFor(world->waveNumber, world->difficulty) : speedFor(1, Difficulty());
    for (std::unique_ptr<Invader>& invader : formed) {
        invader->wave = this;
        invaders.push_back(std::move(invader));
    }
}

int SquibbleWave::sizeFor(int waveNumber)
{
    return WaveGrowth * (waveNumber - 1) + FirstWaveSize;
}

double SquibbleWave::speedFor(int waveNumber, const Difficulty& difficulty)
{
    Config& config = Application::instance().config;
    const double speed =
        (waveNumber - 1) * config.getDouble(ConfigKeys::WaveSpeedIncrease) + config.getDouble(ConfigKeys::WaveSpeedBase);
    const double maximum = config.getDouble(ConfigKeys::WaveSpeedMax);
    return difficulty.invaderSpeed(maximum > speed ? speed : maximum);
}

void SquibbleWave::place(Invader& invader, int index, int count)
{
    const int row = index / RowLength;
    const int column = index % RowLength;
    const int inRow = std::min(RowLength, count - RowLength * row);
    invader.x = ColumnSpacing * column - (ColumnSpacing / 2) * inRow + FormationCentre;
    invader.y = RowSpacing * (row - (count - 1) / RowLength) + LastRowTop;
}

void SquibbleWave::update(double dt)
{
    const World* world = Application::instance().world;
    if (world && world->gameOver) {
        for (const std::unique_ptr<Invader>& invader : invaders)
            invader->update(dt);
        return;
    }
    int lo = FieldWidth;
    int hi = 0;
    for (const std::unique_ptr<Invader>& invader : invaders) {
        move(*invader, dt * speed);
        if (invader->x > hi)
            hi = toPixel(invader->x);
        if (lo > invader->x)
            lo = toPixel(invader->x);
        invader->update(dt);
        if (invader->health > 0 && invader->y >= EscapeLine)
            escape(*invader);
    }
    if (moveState == MovingDownBeforeLeft || moveState == MovingDownBeforeRight) {
        descent += dt * speed;
        dropped += dt * speed;
    }
    changeState(lo, hi);
    Wave::update(dt);
    warn();
}

void SquibbleWave::warn()
{
    if (!nearGround())
        return;
    // Rows were formed RowSpacing apart: a row formed higher than the last one warned is another.
    const double row = lowestRow() - dropped;
    if (warned && row > warnedRow - RowSpacing / 2.0)
        return;
    warned = true;
    warnedRow = row;
    Application::instance().sound.play(SoundEvent::GroundWarning);
}

bool SquibbleWave::nearGround() const
{
    for (const std::unique_ptr<Invader>& invader : invaders)
        if (invader->health > 0 && invader->y >= WarningLine)
            return true;
    return false;
}

double SquibbleWave::lowestRow() const
{
    double lowest = 0.0;
    bool any = false;
    for (const std::unique_ptr<Invader>& invader : invaders)
        if (invader->health > 0 && (!any || invader->y > lowest)) {
            lowest = invader->y;
            any = true;
        }
    return lowest;
}

double SquibbleWave::secondsToGround() const
{
    Block block;
    block.state = moveState;
    block.descent = descent;
    block.lo = FieldWidth;
    bool any = false;
    for (const std::unique_ptr<Invader>& invader : invaders)
        if (invader->health > 0) {
            block.lo = std::min(block.lo, invader->x);
            block.hi = std::max(block.hi, invader->x);
            any = true;
        }
    if (!any || speed <= 0.0)
        return 0.0;
    block.lowestY = lowestRow();
    return distanceToGround(block) / speed;
}

double SquibbleWave::marchSeconds(int count, double speed)
{
    if (count <= 0 || speed <= 0.0)
        return 0.0;
    const int widest = std::min(RowLength, count);
    Block block;
    block.lowestY = LastRowTop;
    block.lo = FormationCentre - (ColumnSpacing / 2) * widest;
    block.hi = block.lo + ColumnSpacing * (widest - 1);
    return distanceToGround(block) / speed;
}

int SquibbleWave::rowDirection() const
{
    return moveState == MovingRight || moveState == MovingDownBeforeRight ? 1 : -1;
}

void SquibbleWave::move(Invader& invader, double distance)
{
    if (moveState == MovingRight)
        invader.x += distance;
    else if (moveState == MovingLeft)
        invader.x -= distance;
    else
        invader.y += distance;
}

void SquibbleWave::escape(Invader& invader)
{
    invader.health = -1;
    Application& app = Application::instance();
    World* world = app.world;
    if (!world)
        return;
    world->health -= invader.landingCost;
    world->statistics.invaderEscaped();
    const int cx = invader.effectX();
    const int cy = invader.effectY();
    world->effects.push_back(std::make_unique<SimpleEffect>(cx, cy, app.poofSheet.get(), 0.0));
    const std::string cost = "-" + std::to_string(invader.landingCost);
    world->effects.push_back(std::make_unique<TextEffect>(cx, cy, app.fontSmallRed.get(), cost.c_str()));
    app.sound.play(SoundEvent::InvaderEscaped, cx);
}

// At most one change per update; a finished downward step restarts its count from 0.
void SquibbleWave::changeState(int lo, int hi)
{
    if (hi > RightTurnLine && moveState == MovingRight) {
        moveState = MovingDownBeforeLeft;
    } else if (descent >= StepHeight && moveState == MovingDownBeforeLeft) {
        moveState = MovingLeft;
        descent = 0.0;
    } else if (lo <= LeftTurnLine && moveState == MovingLeft) {
        moveState = MovingDownBeforeRight;
    } else if (descent >= StepHeight && moveState == MovingDownBeforeRight) {
        moveState = MovingRight;
        descent = 0.0;
    }
}
