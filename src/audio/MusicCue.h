// What the game is doing, as far as the music cares: which piece fits the moment, the wave (the
// wave piece grows with it) and whether the game waits in the pause or a dialog. The game loop
// hands one of these to the music player every frame.
#pragma once

enum class MusicPiece { Build, Wave, GameOver, None };

constexpr int MusicPieceCount = 3; // the pieces with a module: all but None

struct MusicCue {
    MusicPiece piece = MusicPiece::None;
    int wave = 1;
    bool quiet = false;
};

// The configuration key naming the piece's module ("Music.Build" and so on).
inline const char* musicKey(MusicPiece piece)
{
    constexpr const char* Keys[MusicPieceCount] = {"Music.Build", "Music.Wave", "Music.GameOver"};
    return Keys[static_cast<int>(piece)];
}
