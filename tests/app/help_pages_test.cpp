// The help pages the program ships: present beside the program, and every link
// between them leads somewhere.
#include "doubles/test_paths.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(HelpPages, ArePresentAndTheirLinksResolve)
{
    const fs::path data = quillmar::testing::dataDir();
    const char* pages[] = {"hilfequillmar/index.html", "hilfequillmar/homepage.html", "hilfe/index.htm"};
    for (const char* page : pages) {
        const fs::path path = data / page;
        ASSERT_TRUE(fs::exists(path)) << page;
        const QString html = QString::fromStdString(readFile(path));
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            const QString file = target.section(QLatin1Char('#'), 0, 0);
            const QString anchor = target.section(QLatin1Char('#'), 1);
            const fs::path targetPath = file.isEmpty() ? path : path.parent_path() / file.toStdString();
            ASSERT_TRUE(fs::exists(targetPath)) << page << " -> " << target.toStdString();
            if (!anchor.isEmpty()) {
                const QString targetHtml = QString::fromStdString(readFile(targetPath));
                EXPECT_TRUE(targetHtml.contains(QStringLiteral("id=\"%1\"").arg(anchor)))
                    << page << " -> " << target.toStdString();
            }
        }
    }
    // The places the program opens directly.
    EXPECT_TRUE(QString::fromStdString(readFile(data / "hilfe/index.htm")).contains(QStringLiteral("id=\"zahlenformat\"")));
    EXPECT_TRUE(
        QString::fromStdString(readFile(data / "hilfequillmar/index.html")).contains(QStringLiteral("id=\"optionen\"")));
}
