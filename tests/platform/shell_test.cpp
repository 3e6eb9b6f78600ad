#include "platform/shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A stand-in xdg-open, alone on PATH, that appends each argument list it gets to a log.
class ShellTest : public testing::Test {
protected:
    void SetUp() override
    {
        log = dir.filePath("opened.log");
        QFile script(dir.filePath("xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\nprintf '%s|' \"$@\" >> '" + log + "'\necho >> '" + log + "'\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        savedPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8() + ":/usr/bin:/bin");
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    QString Logged(int lines)
    {
        QFile file(log);
        for (int waited = 0; waited < 5000; waited += 10) {
            if (file.open(QIODevice::ReadOnly)) {
                const QString text = QString::fromUtf8(file.readAll());
                file.close();
                if (text.count('\n') >= lines)
                    return text;
            }
            QTest::qWait(10);
        }
        return "timed out";
    }

    QTemporaryDir dir;
    QString log;
    QByteArray savedPath;
};

TEST_F(ShellTest, OpenHandsTheAddressToTheDesktopVerbatim)
{
    const char* address = "http://a.test/?q=$(touch pwned);x 'y'";
    const HINSTANCE result = ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_RESTORE);
    EXPECT_GT(ShellResult(result), 32);
    EXPECT_EQ(Logged(1), QString(address) + "|\n");
    EXPECT_FALSE(QFile::exists("pwned"));
}

TEST_F(ShellTest, RefusesWhatItCannotOpenSafely)
{
    struct Case {
        const char* operation;
        const char* file;
        int expected;
    };
    const Case cases[] = {
        {"open", "-h", SE_ERR_ACCESSDENIED}, {"open", "", SE_ERR_FNF},  {"open", nullptr, SE_ERR_FNF},
        {"print", "http://a.test/", SE_ERR_NOASSOC},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShellResult(ShellExecuteA(nullptr, c.operation, c.file, nullptr, nullptr, SW_RESTORE)), c.expected)
            << (c.file ? c.file : "null");
    qputenv("PATH", "/nonexistent");
    EXPECT_EQ(ShellResult(ShellExecuteA(nullptr, "open", "http://a.test/", nullptr, nullptr, SW_RESTORE)), SE_ERR_NOASSOC);
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(log)) << "a refused call still started the handler";
}

}  // namespace
