#include "ModalDriver.h"

#include <QApplication>
#include <QWidget>

ModalDriver::ModalDriver(std::function<void(QWidget* modal)> act) : m_act(std::move(act)) {
    // The modal window's own event loop runs the timer.
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start();
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    m_timer.stop();
    m_ran = true;
    m_act(modal);
    if (modal->isVisible())
        modal->close();
}
