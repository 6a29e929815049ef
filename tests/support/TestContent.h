// Small synthetic content (sheets, fonts, images, catalogue, configuration) installed into the
// Application so game logic can be tested headless without the shipped data set.
#pragma once

#include "assets/SpriteSheet.h"

#include <initializer_list>
#include <memory>
#include <vector>

class BitmapFont;
class ScriptedInput;

namespace testcontent {

// Frame sizes of the synthetic sheets.
constexpr int TowerFrameWidth = 16;
constexpr int LaserFrameHeight = 24;
constexpr int TeslaFrameHeight = 32;
constexpr int InvaderFrameWidth = 16;
constexpr int InvaderFrameHeight = 12;
constexpr int EffectFrameSize = 10; // poof, explosion and puff frames
constexpr int LaserImageHeight = 4;
constexpr int GlyphWidth = 4;       // every glyph of the synthetic fonts, space included
constexpr int GlyphHeight = 7;
constexpr int Baseline = 200;

// One animation: rate and frame sequence.
Animation animation(float framesPerSecond, std::initializer_list<int> frames);
// A sheet of frameCount frames of w x h in one strip, each frame filled with its own colour.
std::unique_ptr<SpriteSheet> makeSheet(int w, int h, int frameCount, std::vector<Animation> animations);
// A font of GlyphWidth x GlyphHeight cells for characters 32..126, its ink in the given colour.
std::unique_ptr<BitmapFont> makeFont(int red = 255, int green = 255, int blue = 255);
// Colour of the ink of the red fonts (the others are white).
constexpr int RedInk[3] = {255, 0, 0};
// Colours of the synthetic strips: slot frame f, tower icon column k, upgrade icon v (normal row;
// the disabled row has green 100).
int slotColour(int frame);
int iconColour(int column, bool disabled);

// Puts fresh synthetic content, catalogue, configuration and a scripted input into the Application.
// Returns the scripted input, owned by the Application. Call at the start of every test that needs it.
ScriptedInput& install();

} // namespace testcontent
