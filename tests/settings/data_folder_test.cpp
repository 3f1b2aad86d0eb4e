#include "settings/data_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace quillmar::settings;
namespace fs = std::filesystem;

TEST(DataFolder, ProgramFolderUnlessTheCommandLineNamesAnother)
{
    const fs::path program = fs::temp_directory_path();
    const fs::path other = fs::temp_directory_path() / ("quillmar_data_folder_test_" + std::to_string(getpid()));
    fs::create_directories(other);

    EXPECT_EQ(chooseDataFolder({}, program).prefix, program.lexically_normal());
    EXPECT_EQ(chooseDataFolder({"--screenshot", "x.png"}, program).prefix, program.lexically_normal());

    const auto chosen = chooseDataFolder({"--daten", other.string()}, program);
    EXPECT_TRUE(chosen.error.empty());
    EXPECT_EQ(chosen.prefix, other.lexically_normal());
    EXPECT_TRUE(chosen.prefix.is_absolute());

    const auto missing = chooseDataFolder({"--daten", (other / "gibt_es_nicht").string()}, program);
    EXPECT_NE(missing.error.find("existiert nicht"), std::string::npos);
    EXPECT_NE(missing.error.find("gibt_es_nicht"), std::string::npos);

    EXPECT_FALSE(chooseDataFolder({"--daten"}, program).error.empty());
    fs::remove_all(other);
}
