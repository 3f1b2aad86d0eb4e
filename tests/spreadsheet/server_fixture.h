#pragma once
// A server with one conversation on it, as the link holds one.
#include "spreadsheet/server/server_transport.h"
#include "spreadsheet/server/spreadsheet_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace quillmar::spreadsheet::server::testing {

struct ServerSession {
    SpreadsheetServer server;
    ServerTransport link{server};

    ServerSession() { link.connect("EXCEL", "System"); }

    bool exec(const std::string& command) { return link.execute(command, false); }

    std::string selection()
    {
        link.connect("EXCEL", "System");
        return link.request("Selection", 10000).value_or("<keine Antwort>");
    }

    // Reads a cell the way the link does: topic from the selection answer, service "Excel".
    std::string cell(int row, int column)
    {
        const std::string sel = selection();
        const std::string topic = sel.substr(0, sel.find('!'));
        std::string answer = "<kein Thema>";
        if (link.connect("Excel", topic))
            answer = link.request("Z" + std::to_string(row) + "S" + std::to_string(column), 10000)
                         .value_or("<keine Antwort>");
        link.connect("EXCEL", "System");
        return answer;
    }
};

// A fresh folder below the system's temporary folder, removed at the end.
struct TempFolder {
    std::filesystem::path path;
    explicit TempFolder(const std::string& name)
    {
        path = std::filesystem::temp_directory_path() /
               (name + "-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

// A real PNG picture of 2 x 2 red pixels.
inline const std::string kRedSquarePng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x02\x00\x00\x00\x02"
    "\x08\x02\x00\x00\x00\xfd\xd4\x9a\x73\x00\x00\x00\x10\x49\x44\x41\x54\x78\x9c\x63\xf8\xcf\xc0\x00"
    "\x44\x0c\x10\x0a\x00\x1f\xee\x03\xfd\x8b\x5f\x14\xd4\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    73);

// Gives the clipboard picture it is told to.
struct FakeClipboard : ClipboardPicture {
    std::optional<ClipboardImage> image;
    std::optional<ClipboardImage> picture() override { return image; }
};

inline void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace quillmar::spreadsheet::server::testing
