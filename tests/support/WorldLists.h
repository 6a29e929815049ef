// Picks the objects of one kind out of the World's owning lists, in list order, so tests can
// check what a tower or projectile appended.
#pragma once

#include <list>
#include <memory>
#include <vector>

namespace worldlists {

template <class Kind, class Base>
std::vector<Kind*> allOf(const std::list<std::unique_ptr<Base>>& list)
{
    std::vector<Kind*> found;
    for (const auto& entry : list)
        if (auto* object = dynamic_cast<Kind*>(entry.get()))
            found.push_back(object);
    return found;
}

} // namespace worldlists
