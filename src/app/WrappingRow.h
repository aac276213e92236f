#pragma once

#include <QLayout>
#include <QList>

// Its parts side by side while the width holds them all, else each on a row of its own: the product bar stays whole
// in a narrow window or browser pane instead of squeezing its controls over each other.
class WrappingRow final : public QLayout {
public:
    explicit WrappingRow(QWidget* parent) : QLayout(parent) {}
    ~WrappingRow() override;

    void addPart(QLayout* part);

    void addItem(QLayoutItem* item) override { m_items << item; }
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The least width is the widest part's; the least height, that of the parts stacked.
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int gaps() const;
    int oneRowWidth() const;
    bool fitsOneRow(int width) const { return width >= oneRowWidth(); }
    int rowHeight() const;
    int stackedHeight() const;
    QSize grownByMargins(QSize size) const;

    QList<QLayoutItem*> m_items;
};
