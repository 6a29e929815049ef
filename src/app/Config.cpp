#include "app/Config.h"

#include "files/AtomicFile.h"
#include "files/PlainText.h"


#include <boost/algorithm/string/split.hpp>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

bool Config::load(const std::string& path)
{
    const AtomicFile::ReadResult file = AtomicFile::read(path, MaxFileBytes);
    if (!file.text)
        return false;
    loadFromText(*file.text);
    return true;
}

void Config::loadFromText(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        // Files written on Windows end their lines with CR LF; the CR is not part of the value.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        parseLine(line);
    }
}

void Config::parseLine(const std::string& line)
{
    // Only the very first character marks a comment, so " #A=1" is an ordinary line.
    if (line.empty() || line[0] == '#')
        return;
    std::vector<std::string> fields;
    boost::algorithm::split(fields, line, [](char c) { return c == '='; });
    if (fields.size() < 2)
        return;
    table[fields[0]] = fields[1];
}

const std::string& Config::get(const std::string& key)
{
    return table[key];
}

int Config::getInt(const std::string& key)
{
    return std::atoi(get(key).c_str());
}

double Config::getDouble(const std::string& key)
{
    return PlainText::leadingReal(get(key));
}

std::string Config::keyOf(const char* pattern, int a, int b, int c)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

const std::string& Config::getf(const char* pattern, int a, int b, int c)
{
    return get(Config::keyOf(pattern, a, b, c));
}

int Config::getIntf(const char* pattern, int a, int b, int c)
{
    return getInt(Config::keyOf(pattern, a, b, c));
}

double Config::getDoublef(const char* pattern, int a, int b, int c)
{
    return getDouble(Config::keyOf(pattern, a, b, c));
}

bool Config::contains(const std::string& key) const
{
    return table.count(key) != 0;
}

void Config::set(const std::string& key, const std::string& value)
{
    table[key] = value;
}
