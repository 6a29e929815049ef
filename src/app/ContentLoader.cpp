#include "app/ContentLoader.h"

#include "app/Application.h"
#include "app/CatalogueReader.h"
#include "app/ConfigKeys.h"
#include "app/ContentFiles.h"
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
    image(app.laserImage, ContentFiles::LaserBolt);
    for (int i = 0; i < ContentFiles::CloudCount; ++i)
        image(app.cloudImages[i], ContentFiles::cloudPath(i).c_str());
    loadSheets();
    image(app.selectorImage, ContentFiles::Selector);
    app.towerBaseline = app.config.getInt(ConfigKeys::TowerBaseline);
    app.buttonSpacing = app.config.getInt(ConfigKeys::ButtonSpacing);
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
    app.fontMain = font(ContentFiles::FontMain);
    app.fontMainRed = font(ContentFiles::FontMainRed);
    app.fontSmall = font(ContentFiles::FontSmall);
    app.fontSmallRed = font(ContentFiles::FontSmallRed);
}

void ContentLoader::loadImages()
{
    image(app.backgroundImage, ContentFiles::Background);
    image(app.redBarImage, ContentFiles::RedBar);
    image(app.slotsImage, ContentFiles::Slots);
    image(app.iconsImage, ContentFiles::Icons);
    image(app.upgradeIconsImage, ContentFiles::UpgradeIcons);
}

void ContentLoader::loadCatalogue(std::vector<std::unique_ptr<SpriteSheet>>& catalogueSheets)
{
    catalogueSheets.clear();
    for (int number = 1; number <= TowerKinds::Count; ++number) {
        TowerType& type = app.towerTypes[number - 1];
        type = CatalogueReader::readTowerType(app.config, number);
        catalogueSheets.push_back(sheet(app.config.getf(ConfigKeys::TowerSprite, number)));
        type.spriteSheet = catalogueSheets.back().get();
    }
    for (int number = 1; number <= InvaderKinds::Count; ++number) {
        InvaderType& invader = app.invaderTypes[number - 1];
        invader = CatalogueReader::readInvaderType(app.config, number);
        catalogueSheets.push_back(sheet(app.config.getf(ConfigKeys::InvaderSprite, number)));
        invader.spriteSheet = catalogueSheets.back().get();
    }
}

void ContentLoader::loadSheets()
{
    app.poofSheet = sheet(ContentFiles::Poof.path);
    app.explosionSmallSheet = sheet(ContentFiles::SmallExplosion.path);
    app.puff2Sheet = sheet(ContentFiles::LaunchPuff.path);
    app.missileSheet = sheet(ContentFiles::Missile.path);
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
