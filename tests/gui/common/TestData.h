// Reads the files of tests/gui/data, whose directory the build passes in KV_GUI_TEST_DATA.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> readTestFile(const std::string& name)
{
    std::ifstream file(std::string(KV_GUI_TEST_DATA) + "/" + name, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
