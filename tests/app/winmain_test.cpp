// The program's entry point, in-process: the real WinMain with the real form class, each run with
// an application object of its own.
#include "platform/shell.h"
#include "support/error_box.h"
#include "window/main_form.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

int WinMain(HINSTANCE, HINSTANCE, char*, int);

namespace {
// Fault injection: the next allocation after arming fails as it would when memory runs out. In
// WinMain that is the form object itself, so nothing of Qt's is half-built when it throws.
std::atomic<bool> failNextAllocation{false};
}  // namespace

void* operator new(std::size_t size)
{
    if (failNextAllocation.exchange(false))
        throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

class WinMainTest : public testing::Test {
protected:
    WinMainTest() { Application = &application; Form1 = nullptr; }
    ~WinMainTest() override { Application = previous; Form1 = nullptr; }

    int RunWinMain()
    {
        char commandLine[] = "";
        return WinMain(nullptr, nullptr, commandLine, SW_SHOWNORMAL);
    }

    TApplication* previous = Application;
    TApplication application;
};

TEST_F(WinMainTest, ShowsTheWindowAndReturnsZeroWhenItIsClosed)
{
    bool shown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (Form1 && Form1->isVisible()) {
            shown = true;
            EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Tarvo_Sekel_test"));
            Form1->close();
        }
    });
    closer.start(5);
    int result = -1;
    const auto boxes = CatchErrorBoxes([&] { result = RunWinMain(); });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(result, 0);
}

TEST_F(WinMainTest, AFailureThatIsNotAnExceptionShowsAnEmptyErrorBoxAndReturnsZero)
{
    int result = -1;
    const auto boxes = CatchErrorBoxes([&] {
        failNextAllocation = true;
        result = RunWinMain();
    });
    EXPECT_FALSE(failNextAllocation) << "the fault was never injected";
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(application.MainForm(), nullptr);
    EXPECT_EQ(result, 0);
}

}  // namespace
