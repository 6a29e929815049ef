// The text description of a sheet's frames and animations (SHEET.txt): the `frame`, `grid`
// and `animation` lines the art sources are written in, parsed and written back.
#pragma once

#include "assets/SpriteSheet.h"

#include <string>
#include <vector>

namespace mztool {

class SheetDescription {
public:
    // Parses the text; `fileName` only names the file in error messages. Returns false and
    // sets `error` ("file:line: what") on the first fault found.
    bool parse(const std::string& text, const std::string& fileName, std::string& error);
    // Reads and parses a file.
    bool load(const std::string& path, std::string& error);
    // Checks every frame lies inside an image of this size; error names the frame's line.
    bool fitsImage(int width, int height, std::string& error) const;
    // The description as `frame` and `animation` lines under a comment header; rates print
    // so that they read back to the same float.
    std::string format(const std::string& title) const;

    std::vector<FrameRect> frames;
    std::vector<Animation> animations;

private:
    bool parseLine(const std::vector<std::string>& words, std::string& problem);
    bool parseFrame(const std::vector<std::string>& words, std::string& problem);
    bool parseGrid(const std::vector<std::string>& words, std::string& problem);
    bool parseAnimation(const std::vector<std::string>& words, std::string& problem);
    bool checkAnimationFrames(std::string& error) const;
    bool addFrame(const FrameRect& rect, std::string& problem);

    std::string sourceName;
    int currentLine = 0;
    std::vector<int> frameLines;
    std::vector<int> animationLines;
};

} // namespace mztool
