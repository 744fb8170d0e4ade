// A fresh folder for the running test, named after it, so tests that CTest
// runs in parallel never share files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tarvix {

inline std::filesystem::path ScratchFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                         ("tarvix_" + std::string(test->test_suite_name()) + "_" +
                                          test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace tarvix
