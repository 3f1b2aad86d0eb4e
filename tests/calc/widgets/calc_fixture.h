#pragma once
// A calculation environment on a fresh store with recorded messages, and the
// keys a user presses in a calculation window.
#include "calc/widgets/calc_environment.h"
#include "calc/widgets/calc_window.h"
#include "engine/widgets/number_format_dialog.h"
#include "support/messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace quillmar::calc::testing {

class CalcFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
                 / ("quillmar_calcgui_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        numberFormat.setPattern(QStringLiteral("0.000"));
    }
    void TearDown() override
    {
        env.reset();
        std::filesystem::remove_all(folder);
    }

    CalcWindow& window()
    {
        CalcWindow* w = env->createWindow(nullptr);
        w->show();
        return *w;
    }

    // Types text at the caret, then presses Enter as the keyboard would.
    static void typeLine(CalcWindow& w, const QString& text)
    {
        w.editor()->insertPlainText(text);
        pressEnter(w);
    }
    static void pressEnter(CalcWindow& w)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w.editor(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w.editor(), &release);
    }
    static QString text(const CalcWindow& w) { return w.editor()->toPlainText(); }
    static int caretLine(const CalcWindow& w) { return w.editor()->textCursor().blockNumber(); }

    std::unique_ptr<CalcEnvironment> makeEnvironment()
    {
        auto made = std::make_unique<CalcEnvironment>(store, messages, folder);
        made->setNumberFormat(&numberFormat);
        return made;
    }

    std::filesystem::path folder;
    RecordingMessages messages;
    engine::DefinitionStore store{messages};
    engine::NumberFormatDialog numberFormat;
    std::unique_ptr<CalcEnvironment> env = makeEnvironment();
};

} // namespace quillmar::calc::testing
