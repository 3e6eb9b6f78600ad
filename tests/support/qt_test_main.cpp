// Runs GoogleTest inside a Qt application on the offscreen platform, with the component layer's
// application object in place, as the start-up code provides it in the program.
#include "platform/forms.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", TEST_SCALE_FACTOR);
#endif
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    TApplication application;
    Application = &application;
    const int result = RUN_ALL_TESTS();
    Application = nullptr;
    return result;
}
