#include "WrappingRow.h"

#include <algorithm>

WrappingRow::~WrappingRow() {
    while (QLayoutItem* item = WrappingRow::takeAt(0))
        delete item;
}

void WrappingRow::addPart(QLayout* part) {
    addChildLayout(part);
    addItem(part);
}

QLayoutItem* WrappingRow::takeAt(int index) {
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    if (QLayout* part = item->layout(); part && part->parent() == this)
        part->setParent(nullptr);
    return item;
}

int WrappingRow::heightForWidth(int width) const {
    const QMargins m = contentsMargins();
    return (fitsOneRow(width - m.left() - m.right()) ? rowHeight() : stackedHeight()) + m.top() + m.bottom();
}

QSize WrappingRow::minimumSize() const {
    int width = 0;
    for (const QLayoutItem* item : m_items)
        width = std::max(width, item->minimumSize().width());
    return grownByMargins(QSize(width, stackedHeight()));
}

QSize WrappingRow::sizeHint() const {
    int width = gaps();
    for (const QLayoutItem* item : m_items)
        width += item->sizeHint().width();
    return grownByMargins(QSize(width, rowHeight()));
}

void WrappingRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    const QRect area = contentsRect();
    if (m_items.isEmpty())
        return;
    if (fitsOneRow(area.width())) {
        // The width beyond the parts' least is shared out equally.
        const int extra = (area.width() - oneRowWidth()) / int(m_items.size());
        int x = area.left();
        for (QLayoutItem* item : m_items) {
            const int width = item->minimumSize().width() + extra;
            item->setGeometry(QRect(x, area.top(), width, area.height()));
            x += width + spacing();
        }
    } else {
        int y = area.top();
        for (QLayoutItem* item : m_items) {
            const int height = item->sizeHint().height();
            item->setGeometry(QRect(area.left(), y, area.width(), height));
            y += height + spacing();
        }
    }
}

int WrappingRow::gaps() const {
    return spacing() * std::max(0, int(m_items.size()) - 1);
}

int WrappingRow::oneRowWidth() const {
    int width = gaps();
    for (const QLayoutItem* item : m_items)
        width += item->minimumSize().width();
    return width;
}

int WrappingRow::rowHeight() const {
    int height = 0;
    for (const QLayoutItem* item : m_items)
        height = std::max(height, item->sizeHint().height());
    return height;
}

int WrappingRow::stackedHeight() const {
    int height = gaps();
    for (const QLayoutItem* item : m_items)
        height += item->sizeHint().height();
    return height;
}

QSize WrappingRow::grownByMargins(QSize size) const {
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}
