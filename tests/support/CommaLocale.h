// Puts the test process in a locale that writes numbers with a decimal comma, as a German desktop
// does once a library calls setlocale(LC_ALL, ""): an installed one when there is, else one made
// by tests/support/make_comma_locale.sh in a temporary folder. Back to "C" when it goes.
#pragma once

#include <string>

class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // Whether numbers are now written with a comma; why not when they are not.
    bool active() const { return problem.empty(); }
    const std::string& why() const { return problem; }

private:
    std::string folder;
    std::string problem;
};
