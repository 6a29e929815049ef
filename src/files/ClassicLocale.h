// Formats numbers on this thread with a point, whatever locale the desktop (or a library that
// calls setlocale) has set: held around a printf-style call whose text the game shows or keeps.
#pragma once

#include <locale.h>

class ClassicLocale {
public:
    ClassicLocale();
    ~ClassicLocale();
    ClassicLocale(const ClassicLocale&) = delete;
    ClassicLocale& operator=(const ClassicLocale&) = delete;

private:
    locale_t previous;
};
