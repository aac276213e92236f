#include "frmProductHistoryItem.h"

#include "HistoryQueries.h"
#include "Trap.h"
#include "frmProductHistory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmProductHistoryItem::frmProductHistoryItem(frmProductHistory* history) : QDialog(history), m_history(history) {
    setObjectName(QStringLiteral("frmProductHistoryItem"));
    setWindowTitle(tr("Product History Item"));
    auto* layout = new QVBoxLayout(this);
    lblInfo =
        named(new QLabel(tr("Use this window to insert a short note about product - site operation"), this), "lblInfo");
    lblInfo->setWordWrap(true);
    layout->addWidget(lblInfo);

    auto* noteRow = new QHBoxLayout;
    lblNote = named(new QLabel(tr("Note:"), this), "lblNote");
    txtNotes = named(new QLineEdit(this), "txtNotes");
    lblNote->setBuddy(txtNotes);
    noteRow->addWidget(lblNote);
    noteRow->addWidget(txtNotes, 1);
    layout->addLayout(noteRow);

    auto* buttons = new QHBoxLayout;
    cmdAdd = named(new QPushButton(tr("Add"), this), "cmdAdd");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    // Enter in the note writes nothing: only the Add button does.
    for (QPushButton* button : {cmdAdd, cmdClose})
        button->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    resize(minimumSizeHint().expandedTo(QSize(420, 140)));

    connect(cmdAdd, &QPushButton::clicked, this, &frmProductHistoryItem::cmdAdd_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmProductHistoryItem::cmdClose_Click);
}

bool frmProductHistoryItem::AddItem() {
    return Trap(QStringLiteral("Error in AddItem: "),
                [&] { AppendHistoryNote(m_history->SelectedSite, m_history->SelectedProduct, txtNotes->text()); });
}

void frmProductHistoryItem::cmdAdd_Click() {
    const bool added = AddItem();
    m_history->MakeLvwHistoryContents();
    // After a failure the window stays open, so the typed note is not lost.
    if (added)
        accept();
}

void frmProductHistoryItem::cmdClose_Click() {
    reject();
}
