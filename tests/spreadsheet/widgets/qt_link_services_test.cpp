#include "spreadsheet/widgets/qt_link_services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace quillmar::spreadsheet {
namespace {

// Processes events until done() or until limitMs have passed.
template <class Done>
void processUntil(Done done, int limitMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(QtOneShotTimer, FiresOnceAndCanBeStoppedOrRestarted)
{
    QtOneShotTimer timer;
    int first = 0;
    int second = 0;

    timer.start(std::chrono::milliseconds(1), [&] { ++first; });
    processUntil([&] { return first > 0; });
    processUntil([] { return false; }, 50);  // a single shot: nothing more comes
    EXPECT_EQ(first, 1);
    EXPECT_FALSE(timer.isActive());

    timer.start(std::chrono::milliseconds(1), [&] { ++first; });
    timer.stop();
    timer.start(std::chrono::milliseconds(1), [&] { ++second; });
    processUntil([&] { return second > 0; });
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

} // namespace
} // namespace quillmar::spreadsheet
