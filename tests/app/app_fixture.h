#pragma once
// A main window on a fresh data folder, with its messages recorded, and a way to
// answer the modal dialogs it opens.
#include "app/tmainform.h"
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
                 (std::string("quillmar_app_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        form.reset();
        std::filesystem::remove_all(folder);
    }

    Tmainform& makeForm()
    {
        form = std::make_unique<Tmainform>(folder, messages, [this] {
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
    std::unique_ptr<Tmainform> form;
};

} // namespace quillmar::app::testing
