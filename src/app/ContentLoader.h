// Loads every content file of the game into the Application in start-up order — fonts, images,
// the catalogue with its sprite sheets, the shared sheets, layout values, the "Game Over"
// caption and the sounds — and notes each file that is missing or unusable.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct BITMAP;
class Application;
class BitmapFont;
class SpriteSheet;

class ContentLoader {
public:
    explicit ContentLoader(Application& app);

    // Fills the Application; returns one line per file that did not load.
    std::vector<std::string> loadAll(std::vector<std::unique_ptr<SpriteSheet>>& catalogueSheets);

private:
    void loadFonts();
    void loadImages();
    void loadCatalogue(std::vector<std::unique_ptr<SpriteSheet>>& catalogueSheets);
    void loadSheets();
    void makeGameOverCaption();

    std::unique_ptr<BitmapFont> font(const std::string& key);
    void image(BITMAP*& slot, const char* path);
    std::unique_ptr<SpriteSheet> sheet(const std::string& path);

    Application& app;
    std::vector<std::string> problems;
};
