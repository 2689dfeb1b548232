#pragma once

#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace kora::test {

// Compares an output byte for byte with its golden file, KORA_GOLDEN_DIR/<name>. Setting
// KORA_UPDATE_GOLDEN=1 rewrites the file instead; read every change before committing it.
inline void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(KORA_GOLDEN_DIR) + "/" + name;
    if (const char* update = std::getenv("KORA_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "rewrote " << path;
    }
    const std::string expected = ReadBytes(path);
    ASSERT_FALSE(expected.empty()) << "missing " << path;
    EXPECT_EQ(actual, expected) << path;
}

} // namespace kora::test
