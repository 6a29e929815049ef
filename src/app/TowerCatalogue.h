// The Application's table of tower kinds seen as a plain range, for the parts that read the
// catalogue without reaching the Application.
#pragma once

#include "app/TowerType.h"

struct TowerCatalogue {
    const TowerType* types = nullptr;
    int count = 0;

    bool has(int kind) const { return kind >= 0 && kind < count; }
    const TowerType& operator[](int kind) const { return types[kind]; }
};
