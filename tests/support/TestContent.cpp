#include "support/TestContent.h"

#include "app/Application.h"
#include "app/BackBuffer.h"
#include "app/CatalogueReader.h"
#include "assets/BitmapFont.h"
#include "support/ScriptedInput.h"

#include <allegro.h>

namespace testcontent {

namespace {

BITMAP* filledBitmap(int w, int h, int r, int g, int b)
{
    BITMAP* bitmap = create_bitmap(w, h);
    clear_to_color(bitmap, makecol(r, g, b));
    return bitmap;
}

// A strip of cells of w x h in one or two rows, each cell filled with colour(cell, row == 1).
template <typename Colour>
BITMAP* strip(int cells, int rows, int w, int h, Colour colour)
{
    BITMAP* bitmap = create_bitmap(cells * w, rows * h);
    for (int row = 0; row < rows; ++row)
        for (int cell = 0; cell < cells; ++cell)
            rectfill(bitmap, cell * w, row * h, cell * w + w - 1, row * h + h - 1, colour(cell, row == 1));
    return bitmap;
}

// Images are replaced each install; the old ones are freed so nothing leaks between tests.
void replaceImage(BITMAP*& slot, BITMAP* image)
{
    if (slot)
        destroy_bitmap(slot);
    slot = image;
}

const char* const TestConfiguration = R"(WindowTitle=Test Siege
TimestepThreshold=0
StartingHealth=20
StartingMoney=100
TimeBetweenWaves=5
Wave1SpeedBase=10
Wave1SpeedIncrease=2
Wave1SpeedMax=15
Invader1.Value=5
Invader1.Health=10
Invader1.HealthIncrease=2.5
Invader1.Size=8
LaserSpeedBase=200
MissileSpeedBase=100
MissileSteeringMax=2
MissileSteeringResponse=0.3
MissileLife=3
TowerBaseline=200
ButtonSpacing=20
Tower1.Name=Laser
Tower1.Value=50
Tower1.Width=12
Tower1.Available=1
Tower1.Upgrades=2
Tower1.Upgrade1.Name=Rate
Tower1.Upgrade1.Levels=3
Tower1.Upgrade1.Level1.Value=20
Tower1.Upgrade1.Level1.Icon=1
Tower1.Upgrade1.Level2.Value=30
Tower1.Upgrade1.Level2.Icon=1
Tower1.Upgrade1.Level3.Value=40
Tower1.Upgrade1.Level3.Icon=1
Tower1.Upgrade2.Name=Launcher
Tower1.Upgrade2.Levels=1
Tower1.Upgrade2.Level1.Value=60
Tower1.Upgrade2.Level1.Icon=2
Tower1.FreqBase=0.5
Tower1.DamageBase=3
Tower1.Upgrade1.Level1.FreqMod=-0.1
Tower1.Upgrade2.Level1.MissileFreq=2
Tower1.Upgrade2.Level1.MissileDamage=4
Tower2.Name=Missile
Tower2.Value=75
Tower2.Width=14
Tower2.Available=1
Tower2.Upgrades=3
Tower2.Upgrade1.Name=Rate
Tower2.Upgrade1.Levels=2
Tower2.Upgrade1.Level1.Value=30
Tower2.Upgrade1.Level1.Icon=3
Tower2.Upgrade1.Level2.Value=40
Tower2.Upgrade1.Level2.Icon=3
Tower2.Upgrade2.Name=Blast
Tower2.Upgrade2.Levels=2
Tower2.Upgrade2.Level1.Value=30
Tower2.Upgrade2.Level1.Icon=4
Tower2.Upgrade2.Level2.Value=40
Tower2.Upgrade2.Level2.Icon=4
Tower2.Upgrade3.Name=Double
Tower2.Upgrade3.Levels=1
Tower2.Upgrade3.Level1.Value=80
Tower2.Upgrade3.Level1.Icon=5
Tower2.FreqBase=1.5
Tower2.DamageBase=5
Tower2.DamageSplashBase=2
Tower2.SplashRadius=20
Tower2.Upgrade1.Level1.FreqMod=-0.2
Tower2.Upgrade2.Level2.SplashMod=4
Tower3.Name=Tesla
Tower3.Value=100
Tower3.Width=14
Tower3.Available=1
Tower3.Upgrades=1
Tower3.Upgrade1.Name=Damage
Tower3.Upgrade1.Levels=2
Tower3.Upgrade1.Level1.Value=50
Tower3.Upgrade1.Level1.Icon=6
Tower3.Upgrade1.Level2.Value=70
Tower3.Upgrade1.Level2.Icon=6
Tower3.FreqBase=1
Tower3.RangeBase=50
Tower3.DamageBase=2
Tower3.Upgrade1.Level1.DamageMod=1
)";

// Owners of the synthetic tower and invader sheets; the catalogue points into them.
std::vector<std::unique_ptr<SpriteSheet>>& catalogueSheets()
{
    static std::vector<std::unique_ptr<SpriteSheet>> sheets;
    return sheets;
}

SpriteSheet* keepSheet(std::unique_ptr<SpriteSheet> sheet)
{
    catalogueSheets().push_back(std::move(sheet));
    return catalogueSheets().back().get();
}

void installFonts(Application& app)
{
    app.fontMain = makeFont();
    app.fontMainRed = makeFont(RedInk[0], RedInk[1], RedInk[2]);
    app.fontSmall = makeFont();
    app.fontSmallRed = makeFont(RedInk[0], RedInk[1], RedInk[2]);
}

void installImages(Application& app)
{
    replaceImage(app.backgroundImage, filledBitmap(320, 240, 40, 80, 160));
    // The fill (top half) and the frame (bottom half) differ so tests can tell them apart.
    BITMAP* bar = filledBitmap(53, 20, 250, 30, 30);
    rectfill(bar, 0, 10, 52, 19, makecol(90, 0, 0));
    replaceImage(app.redBarImage, bar);
    replaceImage(app.slotsImage, strip(4, 1, 19, 19, [](int f, bool) { return slotColour(f); }));
    replaceImage(app.iconsImage, strip(4, 2, 16, 16, iconColour));
    replaceImage(app.upgradeIconsImage, strip(8, 2, 16, 16, iconColour));
    replaceImage(app.laserImage, filledBitmap(2, LaserImageHeight, 255, 255, 0));
    for (int i = 0; i < 5; ++i)
        replaceImage(app.cloudImages[i], filledBitmap(20 + 10 * i, 10, 250, 250, 250));
    replaceImage(app.selectorImage, filledBitmap(24, 32, 255, 255, 255));
    replaceImage(app.gameOverImage, filledBitmap(9 * (GlyphWidth) + 2, 10, 255, 0, 0));
}

void installSheets(Application& app)
{
    const int effectFrames = 5;
    app.poofSheet = makeSheet(EffectFrameSize, EffectFrameSize, effectFrames, {animation(10, {0, 1, 2, 3, 4})});
    app.explosionSmallSheet = makeSheet(EffectFrameSize, EffectFrameSize, effectFrames, {animation(10, {0, 1, 2, 3, 4})});
    app.puff2Sheet = makeSheet(EffectFrameSize, EffectFrameSize, effectFrames, {animation(10, {0, 1, 2, 3, 4})});
    std::vector<Animation> directions;
    for (int k = 0; k < 16; ++k)
        directions.push_back(animation(10, {k}));
    app.missileSheet = makeSheet(8, 8, 16, directions);
}

void installCatalogue(Application& app)
{
    catalogueSheets().clear();
    Config& config = app.config;
    SpriteSheet* towerSheets[3] = {
        keepSheet(makeSheet(TowerFrameWidth, LaserFrameHeight, 4,
                            {animation(10, {0}), animation(10, {1}), animation(20, {2, 3})})),
        keepSheet(makeSheet(TowerFrameWidth, LaserFrameHeight, 5,
                            {animation(10, {0}), animation(10, {1}), animation(10, {2}), animation(20, {3, 0}),
                             animation(20, {4, 2})})),
        keepSheet(makeSheet(TowerFrameWidth, TeslaFrameHeight, 3, {animation(10, {0, 2}), animation(10, {1})})),
    };
    for (int n = 1; n <= 3; ++n) {
        app.towerTypes[n - 1] = CatalogueReader::readTowerType(config, n);
        app.towerTypes[n - 1].spriteSheet = towerSheets[n - 1];
    }
    for (int kind = 0; kind < InvaderKinds::Count; ++kind) {
        // The boss is two cells wide and taller than a row.
        const bool boss = kind == InvaderKinds::BossKind;
        app.invaderTypes[kind] = CatalogueReader::readInvaderType(config, kind + 1);
        app.invaderTypes[kind].spriteSheet =
            keepSheet(makeSheet(boss ? 3 * InvaderFrameWidth : InvaderFrameWidth,
                                boss ? 2 * InvaderFrameHeight : InvaderFrameHeight, 4,
                                {animation(4, {0, 1}), animation(20, {2}), animation(4, {1, 3}), animation(20, {2})}));
    }
}

} // namespace

Animation animation(float framesPerSecond, std::initializer_list<int> frames)
{
    Animation result;
    result.framesPerSecond = framesPerSecond;
    result.frameIndices.assign(frames.begin(), frames.end());
    result.frameCount = static_cast<std::uint32_t>(result.frameIndices.size());
    return result;
}

std::unique_ptr<SpriteSheet> makeSheet(int w, int h, int frameCount, std::vector<Animation> animations)
{
    BITMAP* image = create_bitmap(w * frameCount, h);
    std::vector<FrameRect> rects;
    for (int i = 0; i < frameCount; ++i) {
        rectfill(image, i * w, 0, i * w + w - 1, h - 1, makecol(10 + 20 * i, 100, 50));
        rects.push_back({i * w, 0, w, h});
    }
    return std::make_unique<SpriteSheet>(image, rects, std::move(animations));
}

int slotColour(int frame)
{
    return makecol(90 + 40 * frame, 90, 90);
}

int iconColour(int column, bool disabled)
{
    return makecol(20 + 25 * column, disabled ? 100 : 0, 200);
}

std::unique_ptr<BitmapFont> makeFont(int red, int green, int blue)
{
    const int cells = 127 - 32;
    const int separator = makecol(0, 255, 0);
    BITMAP* image = create_bitmap(1 + cells * (GlyphWidth + 1), GlyphHeight + 2);
    clear_to_color(image, separator);
    for (int i = 0; i < cells; ++i) {
        const int left = 1 + i * (GlyphWidth + 1);
        rectfill(image, left, 1, left + GlyphWidth - 1, GlyphHeight, makecol(255, 0, 255));
        if (i > 0) // the space stays blank
            rectfill(image, left + 1, 2, left + 2, GlyphHeight - 1, makecol(red, green, blue));
    }
    return std::make_unique<BitmapFont>(image);
}

ScriptedInput& install()
{
    Application& app = Application::instance();
    app.config.clear();
    app.config.loadFromText(TestConfiguration);
    app.towerBaseline = Baseline;
    app.buttonSpacing = app.config.getInt("ButtonSpacing");
    if (!app.backBuffer)
        app.backBuffer = std::make_unique<BackBuffer>(320, 240);
    installFonts(app);
    installImages(app);
    installSheets(app);
    installCatalogue(app);
    app.world = nullptr;
    app.mouseX = app.mouseY = app.mouseButtons = app.previousMouseButtons = 0;
    app.minFrameTime = 0.0;
    auto input = std::make_unique<ScriptedInput>();
    ScriptedInput& result = *input;
    app.setInput(std::move(input));
    // Sound stays silent unless a test listens (support/TestSound.h).
    app.sound.setOutput(nullptr);
    app.sound.setMuted(false);
    app.sound.setLevel(100);
    // The player's settings at their defaults, and no file to keep them in.
    app.settings.attach(nullptr, Settings(), Settings());
    return result;
}

} // namespace testcontent
