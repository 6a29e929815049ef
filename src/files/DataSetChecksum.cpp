// The CRC-32 of a data set's configuration file, as eight hex digits.
#include "files/DataSetChecksum.h"

#include "app/Config.h"
#include "files/AtomicFile.h"

#include <zlib.h>

#include <cstdio>

std::string DataSetChecksum::of(const std::string& configPath)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // The file as the game reads it: a configuration file at most, never a pipe or device.
    const AtomicFile::ReadResult file = AtomicFile::read(configPath, Config::MaxFileBytes);
    if (file.text)
        crc = crc32(crc, reinterpret_cast<const Bytef*>(file.text->data()), static_cast<uInt>(file.text->size()));
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08lx", static_cast<unsigned long>(crc & 0xffffffffUL));
    return hex;
}
