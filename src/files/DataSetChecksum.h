// The checksum that names a data set's files in the player's folders: the CRC-32 of its
// configuration file, so that the best record and the checkpoint of one data set never meet another's.
#pragma once

#include <string>

class DataSetChecksum {
public:
    // Eight hex digits: the CRC-32 of the file's bytes, or of nothing when it cannot be read.
    static std::string of(const std::string& configPath);
};
