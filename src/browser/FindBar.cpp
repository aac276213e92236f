#include "FindBar.h"

#include "WebBrowser.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

FindBar::FindBar(WebBrowser* browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName(QStringLiteral("FindBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    auto* caption = new QLabel(tr("Find:"), this);
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    caption->setBuddy(txtFind);
    cmdFindPrevious = new QToolButton(this);
    cmdFindPrevious->setObjectName(QStringLiteral("cmdFindPrevious"));
    cmdFindPrevious->setText(tr("Previous"));
    cmdFindNext = new QToolButton(this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindNext->setText(tr("Next"));
    lblFindMatches = new QLabel(this);
    lblFindMatches->setObjectName(QStringLiteral("lblFindMatches"));
    auto* cmdFindClose = new QToolButton(this);
    cmdFindClose->setObjectName(QStringLiteral("cmdFindClose"));
    cmdFindClose->setText(tr("Close"));
    layout->addWidget(caption);
    layout->addWidget(txtFind, 1);
    layout->addWidget(cmdFindPrevious);
    layout->addWidget(cmdFindNext);
    layout->addWidget(lblFindMatches);
    layout->addWidget(cmdFindClose);
    hide();

    connect(txtFind, &QLineEdit::textEdited, this, [this] { find(false); });
    connect(txtFind, &QLineEdit::returnPressed, this,
            [this] { find(QGuiApplication::keyboardModifiers() & Qt::ShiftModifier); });
    connect(cmdFindNext, &QToolButton::clicked, this, [this] { find(false); });
    connect(cmdFindPrevious, &QToolButton::clicked, this, [this] { find(true); });
    connect(cmdFindClose, &QToolButton::clicked, this, &FindBar::closeBar);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FindBar::closeBar);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(m_browser->page(), &QWebEnginePage::findTextFinished, this, [this](const QWebEngineFindTextResult& r) {
        if (txtFind->text().isEmpty())
            lblFindMatches->clear();
        else if (r.numberOfMatches() == 0)
            lblFindMatches->setText(tr("No matches"));
        else
            lblFindMatches->setText(tr("%1 of %2").arg(r.activeMatch()).arg(r.numberOfMatches()));
    });
}

void FindBar::Open() {
    show();
    txtFind->setFocus();
    txtFind->selectAll();
}

void FindBar::find(bool backward) {
    m_browser->page()->findText(txtFind->text(), backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

void FindBar::closeBar() {
    m_browser->page()->findText(QString());
    lblFindMatches->clear();
    hide();
    m_browser->setFocus();
}
