#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class WebBrowser;

// The find bar under the page: what is typed is looked for as it is typed; Enter or Next goes on, Shift+Enter or
// Previous goes back, and the bar counts the matches. Escape closes it and takes the marks off the page.
class FindBar final : public QWidget {
    Q_OBJECT

public:
    FindBar(WebBrowser* browser, QWidget* parent);

    // Shows the bar with its text selected, ready for typing.
    void Open();

    QLineEdit* txtFind = nullptr;
    QToolButton* cmdFindNext = nullptr;
    QToolButton* cmdFindPrevious = nullptr;
    QLabel* lblFindMatches = nullptr;

private:
    void find(bool backward);
    void closeBar();

    WebBrowser* m_browser;
};
