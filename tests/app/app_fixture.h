#pragma once
// A main window on a fresh data folder, with its messages recorded, and a way to
// answer the modal dialogs it opens.
#include "app/main_window.h"
#include "collection/collection_tables.h"
#include "doubles/fake_transport.h"
#include "spreadsheet/registry_reader.h"
#include "spreadsheet/conversation.h"
#include "support/messages.h"
#include "doubles/test_paths.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillmar::app::testing {

// Runs answer on the next modal dialog as soon as it is shown (its event loop runs).
inline void whenModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 (std::string("quillmar_app_") + info->test_suite_name() + "_" + info->name() + "_" +
                  std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        // The bundled collection tables, as the program finds them beside itself.
        const std::filesystem::path built = quillmar::testing::dataDir();
        for (const char* table : {"GROESSEN.cds", "formel.cds"}) {
            std::filesystem::create_directories(folder / "daten");
            std::filesystem::copy_file(built / "daten" / table, folder / "daten" / table);
        }
    }
    void TearDown() override
    {
        window.reset();
        tables.reset();
        std::filesystem::remove_all(folder);
    }

    MainWindow& makeWindow()
    {
        window.reset();
        tables = std::make_unique<collection::CollectionTables>();
        window = std::make_unique<MainWindow>(folder, messages, *tables, [this] {
            // Every link component talks to a fake spreadsheet server that the test scripts.
            auto transport = std::make_unique<spreadsheet::FakeTransport>();
            transport->serverRunning = serverRunning;
            transport->answer("Status", status);
            transports.push_back(transport.get());
            spreadsheet::ConversationServices services;
            services.processEvents = [] { QCoreApplication::processEvents(); };
            services.registry = std::make_shared<spreadsheet::NoRegistry>();
            return std::make_unique<spreadsheet::Conversation>(std::move(transport), services);
        });
        window->createNumberFormatDialog();
        window->createOptionsDialogs();
        window->createExcelVersionDialog();
        return *window;
    }

    void writeIni(const std::vector<std::string>& lines)
    {
        std::ofstream out(folder / "quillmar.ini", std::ios::binary);
        for (const auto& l : lines)
            out << l << "\r\n";
    }

    std::filesystem::path folder;
    RecordingMessages messages;
    bool serverRunning = true;
    std::string status = "Ready";
    std::vector<spreadsheet::FakeTransport*> transports; // the last one belongs to the live component
    std::unique_ptr<collection::CollectionTables> tables;
    std::unique_ptr<MainWindow> window;
};

} // namespace quillmar::app::testing
