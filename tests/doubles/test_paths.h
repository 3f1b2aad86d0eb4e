#pragma once
// Where the tests find the project's sources and the built program with its data
// folder. The build writes both paths into the test programs, so a test program run
// by hand finds them as ctest does; the environment variables QUILLMAR_SOURCE_DIR and
// QUILLMAR_DATA_DIR override them.
#include <cstdlib>
#include <filesystem>

namespace quillmar::testing {

inline std::filesystem::path sourceDir()
{
    const char* fromEnvironment = std::getenv("QUILLMAR_SOURCE_DIR");
    return fromEnvironment ? fromEnvironment : QUILLMAR_TEST_SOURCE_DIR;
}

// The folder of the built program: quillmar, daten/, Grafik/, the help pages.
inline std::filesystem::path dataDir()
{
    const char* fromEnvironment = std::getenv("QUILLMAR_DATA_DIR");
    return fromEnvironment ? fromEnvironment : QUILLMAR_TEST_DATA_DIR;
}

} // namespace quillmar::testing
