#pragma once
// A calculation environment on a fresh store with recorded messages, and the
// keys a user presses in a calculation window.
#include "calcwindow/widgets/calc_environment.h"
#include "calcwindow/widgets/teditform.h"
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

namespace quillmar::testing {

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

    TEditForm& window()
    {
        TEditForm* w = env->createWindow(nullptr);
        w->show();
        return *w;
    }

    // Types text at the caret, then presses Enter as the keyboard would.
    static void typeLine(TEditForm& w, const QString& text)
    {
        w.Memo1->insertPlainText(text);
        pressEnter(w);
    }
    static void pressEnter(TEditForm& w)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w.Memo1, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w.Memo1, &release);
    }
    static QString text(const TEditForm& w) { return w.Memo1->toPlainText(); }
    static int caretLine(const TEditForm& w) { return w.Memo1->textCursor().blockNumber(); }

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

} // namespace quillmar::testing
