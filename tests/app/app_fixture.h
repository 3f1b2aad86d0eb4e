#pragma once
// A main window on a fresh data folder, with its messages recorded, and a way to
// answer the modal dialogs it opens.
#include "app/tmainform.h"
#include "collection/tdatadlg.h"
#include "excel/fake_transport.h"
#include "excel/registry_reader.h"
#include "excel/texcel.h"
#include "support/messages.h"

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
        const std::filesystem::path built = qEnvironmentVariable("QUILLMAR_DATA_DIR").toStdString();
        for (const char* table : {"GROESSEN.cds", "formel.cds"}) {
            std::filesystem::create_directories(folder / "daten");
            std::filesystem::copy_file(built / "daten" / table, folder / "daten" / table);
        }
    }
    void TearDown() override
    {
        form.reset();
        data.reset();
        std::filesystem::remove_all(folder);
    }

    Tmainform& makeForm()
    {
        form.reset();
        data = std::make_unique<collection::TDatadlg>();
        form = std::make_unique<Tmainform>(folder, messages, *data, [this] {
            // Every link component talks to a fake spreadsheet server that the test scripts.
            auto transport = std::make_unique<excel::FakeTransport>();
            transport->serverRunning = serverRunning;
            transport->answer("Status", status);
            transports.push_back(transport.get());
            excel::ExcelServices services;
            services.processEvents = [] { QCoreApplication::processEvents(); };
            services.registry = std::make_shared<excel::NoRegistry>();
            return std::make_unique<excel::TExcel>(std::move(transport), services);
        });
        form->createNumberFormatDialog();
        form->createOptionDialogs();
        form->createVersionDialog();
        return *form;
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
    std::vector<excel::FakeTransport*> transports; // the last one belongs to the live component
    std::unique_ptr<collection::TDatadlg> data;
    std::unique_ptr<Tmainform> form;
};

} // namespace quillmar::app::testing
