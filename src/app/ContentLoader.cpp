#include "app/ContentLoader.h"

#include "app/Application.h"
#include "app/CatalogueReader.h"
#include "assets/BitmapFont.h"
#include "assets/SpriteSheet.h"
#include "difficulty/Difficulty.h"
#include "effects/TextImage.h"
#include "towers/TowerKinds.h"

#include <allegro.h>

namespace {

constexpr const char* GameOverText = "Game Over";

} // namespace

ContentLoader::ContentLoader(Application& app)
    : app(app)
{
}

std::vector<std::string> ContentLoader::loadAll(std::vector<std::unique_ptr<SpriteSheet>>& catalogueSheets)
{
    problems.clear();
    loadFonts();
    loadImages();
    loadCatalogue(catalogueSheets);
    image(app.laserImage, "data/laser_small.mz");
    for (int i = 0; i < 5; ++i)
        image(app.cloudImages[i], ("data/cloud" + std::to_string(i + 1) + ".mz").c_str());
    loadSheets();
    image(app.selectorImage, "data/selector.mz");
    app.towerBaseline = app.config.getInt("TowerBaseline");
    app.buttonSpacing = app.config.getInt("ButtonSpacing");
    makeGameOverCaption();
    for (std::string& problem : app.sound.load(app.config))
        problems.push_back(std::move(problem));
    for (std::string& problem : Difficulty::unplayable(app.config))
        problems.push_back(std::move(problem));
    return problems;
}

std::unique_ptr<BitmapFont> ContentLoader::font(const std::string& key)
{
    const std::string& path = app.config.get(key);
    auto result = std::make_unique<BitmapFont>(path);
    if (!result->hasGlyphs())
        problems.push_back("cannot load font \"" + path + "\" (configuration key " + key + ")");
    result->kerning = app.config.getInt(key + "Kerning");
    return result;
}

void ContentLoader::image(BITMAP*& slot, const char* path)
{
    // Loading again (tools and tests do) replaces the earlier image instead of leaking it.
    if (slot)
        destroy_bitmap(slot);
    slot = load_bitmap(path, nullptr);
    if (!slot)
        problems.push_back(std::string("cannot load image \"") + path + "\"");
}

std::unique_ptr<SpriteSheet> ContentLoader::sheet(const std::string& path)
{
    auto result = std::make_unique<SpriteSheet>(path);
    if (result->empty())
        problems.push_back("cannot load sprite sheet \"" + path + "\"");
    return result;
}

void ContentLoader::loadFonts()
{
    app.fontMain = font("FontMain");
    app.fontMainRed = font("FontMainRed");
    app.fontSmall = font("FontSmall");
    app.fontSmallRed = font("FontSmallRed");
}

void ContentLoader::loadImages()
{
    image(app.backgroundImage, "data/bg.mz");
    image(app.redBarImage, "data/redbar.mz");
    image(app.slotsImage, "data/slots.mz");
    image(app.iconsImage, "data/icons.mz");
    image(app.upgradeIconsImage, "data/upgrade_icons.mz");
}

void ContentLoader::loadCatalogue(std::vector<std::unique_ptr<SpriteSheet>>& catalogueSheets)
{
    catalogueSheets.clear();
    for (int number = 1; number <= TowerKinds::Count; ++number) {
        TowerType& type = app.towerTypes[number - 1];
        type = CatalogueReader::readTowerType(app.config, number);
        catalogueSheets.push_back(sheet(app.config.getf("Tower%d.Sprite", number)));
        type.spriteSheet = catalogueSheets.back().get();
    }
    InvaderType& invader = app.invaderTypes[0];
    invader = CatalogueReader::readInvaderType(app.config, 1);
    catalogueSheets.push_back(sheet(app.config.get("Invader1.Sprite")));
    invader.spriteSheet = catalogueSheets.back().get();
}

void ContentLoader::loadSheets()
{
    app.poofSheet = sheet("data/poof.sz");
    app.explosionSmallSheet = sheet("data/explosion_small.sz");
    app.puff2Sheet = sheet("data/puff2.sz");
    app.missileSheet = sheet("data/missile.sz");
}

void ContentLoader::makeGameOverCaption()
{
    const BitmapFont* font = app.fontMainRed.get();
    if (app.gameOverImage)
        destroy_bitmap(app.gameOverImage);
    app.gameOverImage = nullptr;
    // A font that did not load is reported already.
    if (!font || !font->hasGlyphs())
        return;
    const std::string problem = gameOverCaptionProblem(*font);
    if (!problem.empty()) {
        problems.push_back(problem);
        return;
    }
    // The caption is a text image of its own: textWidth + 2 wide, 10 high, on the mask colour.
    app.gameOverImage = makeTextImage(font, GameOverText).release();
    if (!app.gameOverImage)
        problems.push_back("cannot create the \"Game Over\" caption");
}

std::string ContentLoader::gameOverCaptionProblem(const BitmapFont& font)
{
    const long long width = textImageWidth(&font, GameOverText);
    if (width >= 1 && width <= MaxDataSizedSide)
        return "";
    return "FontMainRedKerning=" + std::to_string(font.kerning) + " makes the \"" + GameOverText +
           "\" caption " + std::to_string(width) + " pixels wide; it must be 1 to " +
           std::to_string(MaxDataSizedSide);
}
