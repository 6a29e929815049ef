// The process-wide application: configuration, all shared content, the frame clock, the mouse
// sample of the current frame and the running World. Created on first use and never destroyed.
#pragma once

#include "app/Config.h"
#include "app/InputSource.h"
#include "app/InvaderType.h"
#include "invaders/InvaderKinds.h"
#include "app/LaunchOptions.h"
#include "app/ScreenLayout.h"
#include "app/ScreenSwitch.h"
#include "app/TowerType.h"
#include "audio/MusicPlayer.h"
#include "audio/SoundBoard.h"
#include "game/Clouds.h"
#include "settings/PlayerSettings.h"
#include "towers/TowerKinds.h"

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct BITMAP;
class BackBuffer;
class BitmapFont;
class SpriteSheet;
class World;

class Application {
public:
    static Application& instance();

    // Start-up: library, input, screen, configuration, content, clock, callbacks, random seed.
    // Reads data/ from the working directory; the screen follows the options' scale and full
    // screen. Exits the process with status 1 (after a line on standard error) when it cannot go on.
    void initialise(const LaunchOptions& options = LaunchOptions());
    // Loads every font, image, sprite sheet and catalogue record. Returns one line per content
    // file that is missing or unusable; empty when everything loaded.
    std::vector<std::string> loadContent();

    // The longest minimum frame time the clock keeps to: a longer one (or one that is not a number)
    // would leave the player looking at a still picture.
    static constexpr double LongestFrameThreshold = 1.0;
    // The most real time one frame counts, unless the minimum frame time is longer.
    static constexpr double LongestFrameCounted = 0.25;

    // Seconds on a monotonic clock.
    double now() const;
    // Waits until at least minFrameTime (taken as 0 to 1 second) has passed since the last frame
    // began, samples the mouse and returns the elapsed seconds, never negative and at most
    // LongestFrameCounted or minFrameTime, whichever is longer. The wait ends early when a mouse
    // button changes or the World stops running.
    double waitForNextFrame();
    // The wait and the elapsed seconds alone, without the mouse sample (a replay samples its own).
    double waitForFrameTime();
    // Both bounds inclusive: x <= mouseX <= x + width, y <= mouseY <= y + height. A pointer off
    // the picture (on a full screen's border) is in no rectangle.
    bool mouseInRect(int x, int y, int width, int height) const;
    // A click is the release: the button's bit was set last frame and is clear now, on the picture.
    bool mouseClicked(int button) const;
    // Takes this frame's mouse snapshot from the input source.
    void sampleMouse();

    // F11: reopens the screen in full screen or as a window of the start-up scale, keeping the
    // game and its pictures. Returns the empty text, or why the screen could not be switched (the
    // old one is then reopened). Only the real game's screen can switch.
    std::string switchScreen(bool fullscreen);

    // Makes world the running World, the one the window callbacks act on.
    void attachWorld(World* world);
    // At exit: removes the window callbacks, which run on the library's own thread, and hands back
    // the World so it can be deleted without a callback still reading it.
    World* detachWorld();

    // Replaces where keys and the mouse come from (tests feed scripted input).
    void setInput(std::unique_ptr<InputSource> source);
    InputSource& input() { return *inputSource; }
    // Hands the input source over (to be put behind another one and set again).
    std::unique_ptr<InputSource> takeInput() { return std::move(inputSource); }

    std::unique_ptr<BackBuffer> backBuffer;
    Config config;
    // Every sound the game makes goes through here; silent until a sound device is opened. Muting
    // it before start-up (sound.setMuted) starts the game muted.
    SoundBoard sound;
    // The music, on its own stream beside the sounds; silent without a sound device or with
    // --no-music. The World tells it what the game is doing every frame.
    MusicPlayer music;
    // The player's settings: in effect for this run, and kept for the next.
    PlayerSettings settings;
    int towerBaseline = 0;
    int buttonSpacing = 0;
    std::unique_ptr<BitmapFont> fontMain;
    std::unique_ptr<BitmapFont> fontMainRed;
    std::unique_ptr<BitmapFont> fontSmall;
    std::unique_ptr<BitmapFont> fontSmallRed;
    // Images live until the process ends, like the rest of the content.
    BITMAP* backgroundImage = nullptr;
    BITMAP* redBarImage = nullptr;
    BITMAP* slotsImage = nullptr;
    BITMAP* iconsImage = nullptr;
    BITMAP* upgradeIconsImage = nullptr;
    BITMAP* laserImage = nullptr;
    Clouds::Images cloudImages{};
    std::unique_ptr<SpriteSheet> poofSheet;
    std::unique_ptr<SpriteSheet> explosionSmallSheet;
    std::unique_ptr<SpriteSheet> puff2Sheet;
    BITMAP* gameOverImage = nullptr;
    std::unique_ptr<SpriteSheet> missileSheet;
    BITMAP* selectorImage = nullptr;
    World* world = nullptr;
    // How the back buffer is shown on the screen; the mouse is read back through it.
    ScreenLayout screenLayout;
    // Screen switches asked for so far (F11 asks for one), and the count the last mouse sample was
    // taken on: a still pointer over a picture that moved is told apart from a moving mouse.
    int screensOpened = 0;
    int mouseScreen = 0;
    int mouseX = 0;
    int mouseY = 0;
    // Whether the pointer is on the shown picture; mouseX and mouseY keep their last place off it.
    bool mouseOnPicture = true;
    int previousMouseButtons = 0;
    int mouseButtons = 0;
    std::array<TowerType, TowerKinds::Count> towerTypes;
    std::array<InvaderType, InvaderKinds::Count> invaderTypes;
    // Written by the display-switch callback on the library's own thread.
    std::atomic<double> lastFrameTime{0.0};
    double minFrameTime = 0.0;

    // How the frame wait sleeps; tests may count or shorten the sleeps.
    std::function<void(int milliseconds)> sleepMilliseconds;

private:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Whether the frame wait should end early: a mouse button changed or the World stopped running.
    bool frameWaitInterrupted();
    // Takes the picture's place on a screen just opened and counts the screen.
    void showNewScreen();
    // Opens the sound device for the sound board, and the music's stream unless the options say
    // no music; without a device the game plays silently and says so.
    void openSound(const LaunchOptions& options);

    // The sheets of the tower and invader kinds, owned here; the catalogue points into them.
    std::vector<std::unique_ptr<SpriteSheet>> catalogueSheets;
    std::unique_ptr<InputSource> inputSource;
    // The game's own screen, opened at start-up; F11 switches it.
    ScreenSwitch screens;
};
