#pragma once
// Helpers shared by the collection tests: a temporary folder and the fixtures.
#include "collection/table.h"
#include "doubles/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace quillmar::collection::testing {

inline std::filesystem::path fixtureDir()
{
    return quillmar::testing::sourceDir() / "tests" / "collection" / "fixtures";
}

inline std::vector<std::filesystem::path> fixtureTexts()
{
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(fixtureDir()))
        if (e.path().extension() == ".txt")
            files.push_back(e.path());
    return files;
}

class TempDir {
public:
    TempDir()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("quillmar-store-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Every record of the table as its field texts, for comparisons.
inline std::vector<std::vector<std::string>> texts(const Table& t)
{
    std::vector<std::vector<std::string>> out;
    for (const Record& r : t.records()) {
        std::vector<std::string> row;
        for (const Value& v : r)
            row.push_back(valueText(v));
        out.push_back(row);
    }
    return out;
}

inline void expectSameTable(const Table& a, const Table& b)
{
    EXPECT_EQ(a.name(), b.name());
    EXPECT_EQ(a.fields(), b.fields());
    EXPECT_EQ(a.indexFieldNames(), b.indexFieldNames());
    EXPECT_EQ(a.records(), b.records()) << a.name();
}

} // namespace quillmar::collection::testing
