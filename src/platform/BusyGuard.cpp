#include "BusyGuard.h"

#include <QApplication>

BusyGuard::BusyGuard(QWidget* list) : m_list(list) {
    if (m_list) {
        m_wasEnabled = m_list->updatesEnabled();
        m_list->setUpdatesEnabled(false);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyGuard::~BusyGuard() {
    QApplication::restoreOverrideCursor();
    if (m_list)
        m_list->setUpdatesEnabled(m_wasEnabled);
}
