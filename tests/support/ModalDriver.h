#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives a modal window while the test is blocked in the call that opened it: the action runs once a
// window of the type is the active modal one. Whatever the action does or fails to do, that window is
// closed afterwards, so a failing check can never leave the test waiting for ever.
template <class Window> void DriveModal(std::function<void(Window*)> action, bool* done = nullptr) {
    QTimer::singleShot(0, [action = std::move(action), done] {
        const auto modal = [] { return qobject_cast<Window*>(QApplication::activeModalWidget()); };
        if (QTest::qWaitFor([&] { return modal() != nullptr; }, 5000)) {
            action(modal());
            if (done)
                *done = true;
        }
        if (Window* left = modal())
            left->close();
    });
}
