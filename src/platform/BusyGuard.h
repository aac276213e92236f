#pragma once

#include <QPointer>
#include <QWidget>

// For a long operation on a list: no repaint of the list and a busy pointer until the guard ends, on every path.
class BusyGuard final {
public:
    explicit BusyGuard(QWidget* list);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    QPointer<QWidget> m_list;
    bool m_wasEnabled = true;
};
