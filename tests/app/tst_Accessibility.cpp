#include "EveryWindow.h"
#include "ModalDriver.h"
#include "PageWaits.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineView>

namespace {

bool isControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

// A part of a control that Qt names and reaches with the control itself (a combo box's edit, a list's header).
bool isPartOfAControl(const QWidget* w, const QWidget* window) {
    for (const QWidget* parent = w->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        if ((isControl(parent) && !qobject_cast<const QAbstractButton*>(parent)) ||
            qobject_cast<const QTabBar*>(parent) || qobject_cast<const QWebEngineView*>(parent))
            return true;
    }
    return false;
}

// What a screen reader says for the control.
QString spokenName(QWidget* w) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

// A tool bar's button is out of the tab chain by design, its command's key reaches it; Tab stops at the checked
// one of exclusive options, the arrows reach the others; a read-only box out of the chain only shows a text.
bool isReachedOtherwise(const QWidget* w) {
    const auto* tool = qobject_cast<const QToolButton*>(w);
    const auto* option = qobject_cast<const QRadioButton*>(w);
    const auto* line = qobject_cast<const QLineEdit*>(w);
    return (tool && tool->defaultAction() && !tool->defaultAction()->shortcut().isEmpty()) ||
           (option && option->autoExclusive() && !option->isChecked()) ||
           (line && line->isReadOnly() && line->focusPolicy() == Qt::NoFocus);
}

// True when Tab goes from a to b against the reading order: back left within a row, or up within a column.
bool goesBack(const QRect& a, const QRect& b) {
    const bool sameRow = b.center().y() >= a.top() && b.center().y() <= a.bottom();
    const bool sameColumn = b.left() < a.right() && b.right() > a.left();
    return (sameRow && b.right() <= a.left()) || (sameColumn && b.bottom() <= a.top());
}

// The window's visible controls without a spoken name, those Tab never reaches, and Tab's steps against the reading
// order.
QStringList faultsOf(QWidget* window) {
    const QString at = window->objectName() + ": ";
    QList<QWidget*> stops;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        // The page's engine widget joins the chain when the page first loads; Tab then walks the page's own fields.
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy() &&
            !qobject_cast<QWebEngineView*>(w->parentWidget()))
            stops << w;
    }
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!isControl(w) || !w->isVisible() || w->window() != window || isPartOfAControl(w, window))
            continue;
        if (spokenName(w).isEmpty())
            faults << at + NameOf(w) + " has no name";
        QWidget* focused = w->focusProxy() ? w->focusProxy() : w;
        if (w->isEnabled() && !stops.contains(focused) && !isReachedOtherwise(w))
            faults << at + "Tab never reaches " + NameOf(w);
    }
    for (qsizetype i = 1; i < stops.size(); ++i) {
        const QRect a(stops[i - 1]->mapTo(window, QPoint()), stops[i - 1]->size());
        const QRect b(stops[i]->mapTo(window, QPoint()), stops[i]->size());
        if (goesBack(a, b))
            faults << at + "Tab goes back from " + NameOf(stops[i - 1]) + " to " + NameOf(stops[i]);
    }
    return faults;
}

// The menu's commands without a key, and mnemonics it uses twice.
void collectKeyFaults(const QString& path, const QList<QAction*>& actions, QStringList& faults) {
    QList<QKeySequence> mnemonics;
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString caption = path + "/" + action->text();
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        if (mnemonic.isEmpty() && action->shortcut().isEmpty())
            faults << caption + " has neither mnemonic nor shortcut";
        else if (!mnemonic.isEmpty() && mnemonics.contains(mnemonic))
            faults << caption + " repeats the mnemonic " + mnemonic.toString();
        mnemonics << mnemonic;
        if (action->menu())
            collectKeyFaults(caption, action->menu()->actions(), faults);
    }
}

} // namespace

class tst_Accessibility final : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamedAndReachedInReadingOrder() {
        RunningProgram p([](const TestProgramDir&) { SeedSite("http://a.example/submit"); });
        QVERIFY(p.started);
        EveryWindow windows;
        QStringList faults;
        for (QWidget* window : windows.all()) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            auto* tabs = window->findChild<QTabWidget*>();
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs)
                    tabs->setCurrentIndex(tab);
                faults << faultsOf(window);
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Every command of the menus has a mnemonic of its own there or a shortcut, every tool bar button a shortcut,
    // and no shortcut is taken twice (Qt runs neither of the two).
    void everyCommandHasAKey() {
        RunningProgram p;
        QVERIFY(p.started);
        QStringList faults;
        collectKeyFaults(QString(), gMainWindow->menuBar()->actions(), faults);
        QMap<QKeySequence, QString> taken;
        for (QToolBar* bar : gMainWindow->findChildren<QToolBar*>()) {
            for (QAction* action : bar->actions()) {
                if (!action->isSeparator() && action->shortcut().isEmpty())
                    faults << bar->objectName() + "/" + action->objectName() + " has no shortcut";
            }
        }
        const auto take = [&](const QList<QKeySequence>& keys, const QString& name) {
            for (const QKeySequence& key : keys) {
                if (taken.contains(key))
                    faults << key.toString() + " is both " + taken[key] + " and " + name;
                taken[key] = name;
            }
        };
        for (QAction* action : gMainWindow->findChildren<QAction*>())
            take(action->shortcuts(), action->objectName());
        for (QShortcut* shortcut : gMainWindow->findChildren<QShortcut*>()) {
            if (shortcut->context() == Qt::WindowShortcut) // not a part's own, such as Esc in the find bar
                take(shortcut->keys(), "a shortcut of " + shortcut->parent()->objectName());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Choose the product, move in the site list, visit, Fill all, set the status and write a note by keys alone,
    // through the archive and the browser engine.
    void mainFlowRunsFromTheKeyboard() {
        RunningProgram p([](const TestProgramDir& dir) {
            dir.writeFile("submit.html", "<title>Submit</title><label for=v>Version</label><input id=v>");
            SeedProduct("Tool", {{"version", "2.0"}});
            SeedSite(dir.filePath("other.html")); // listed first
            SeedSite(dir.filePath("submit.html"));
        });
        QVERIFY(p.started);
        frmMain* w = gMainWindow;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        // A modal window takes the keys once it holds the focus.
        const auto focusOn = [](QWidget* window) {
            window->activateWindow();
            QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == window);
        };
        const auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        };
        press(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w->cboProducts);
        press(Qt::Key_Down); // "Select one"
        press(Qt::Key_Down);
        QCOMPARE(w->SelectedProductID(), 1);
        press(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w->lvwSites);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(p.selectedSite(), 2);
        press(Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(w->webSite->title(), QString("Submit"), kLoadTimeout);
        press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE_WITH_TIMEOUT(ValueOf(*w->webSite, "v").toString(), QString("2.0"), kLoadTimeout);
        press(Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(p.dir.scalar("SELECT submitStatus FROM tab_productStatus WHERE siteID = 2").toInt(), 1);
        press(Qt::Key_L, Qt::ControlModifier);
        press(Qt::Key_Menu); // the list's own menu, as a right click opens it
        auto* menu = w->findChild<QMenu*>("mnuLvwSites");
        QTRY_VERIFY(menu->isVisible());
        menu->close();

        // The log opens on its list: Tab goes to "Add history item", whose window opens on the note.
        ModalDriver log([&](QWidget* history) {
            focusOn(history);
            press(Qt::Key_Tab);
            ModalDriver item([&](QWidget* note) {
                focusOn(note);
                QTest::keyClicks(QApplication::focusWidget(), "sent by keys");
                press(Qt::Key_Tab);
                press(Qt::Key_Space);
            });
            press(Qt::Key_Space);
            QVERIFY(item.ran());
            focusOn(history);
            press(Qt::Key_Escape);
        });
        press(Qt::Key_H, Qt::ControlModifier);
        QVERIFY(log.ran());
        QCOMPARE(p.dir.scalar("SELECT notes FROM tab_productHistory WHERE siteID = 2 ORDER BY IDproductHistory DESC")
                     .toString(),
                 QString("sent by keys"));
        QCOMPARE(faultsOf(w), QStringList()); // with a page shown and the fill report's button
    }
};

QUILL_TEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
