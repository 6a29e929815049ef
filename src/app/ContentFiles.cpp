#include "app/ContentFiles.h"

std::string ContentFiles::cloudPath(int index)
{
    return "data/cloud" + std::to_string(index + 1) + ".mz";
}
