#pragma once

#include <QTimer>

#include <functional>

class QWidget;

// Drives the modal window that a call opens while the driver lives: once the window shows, act runs on it;
// if act leaves it open (a failed check returns early), the window is closed, so that the test never hangs.
// Make the driver just before the call that opens the window.
class ModalDriver final {
public:
    explicit ModalDriver(std::function<void(QWidget* modal)> act);
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Whether a modal window showed and act ran on it.
    bool ran() const { return m_ran; }

private:
    void poll();

    std::function<void(QWidget*)> m_act;
    QTimer m_timer;
    bool m_ran = false;
};
