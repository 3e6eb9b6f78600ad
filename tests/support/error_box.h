// Catches the application's error box while a piece of code runs: records what it showed and
// presses its OK button, so a test can go on as a user would.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

struct ShownErrorBox {
    std::string title;
    std::string text;
    QMessageBox::Icon icon;
    int buttons;
};

inline std::vector<ShownErrorBox> CatchErrorBoxes(const std::function<void()>& action)
{
    std::vector<ShownErrorBox> shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                         int(box->buttons().size())});
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(5);
    action();
    return shown;
}
