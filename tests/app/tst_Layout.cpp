#include "EveryWindow.h"
#include "RunningProgram.h"
#include "TestMain.h"

#include <QAbstractSpinBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QWebEngineView>

namespace {

// Widgets whose children Qt places itself, overlapping by design.
bool isComplexControl(const QWidget* w) {
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const QWebEngineView*>(w);
}

// Visible siblings that overlap, controls narrower than their text and list captions cut, from `parent` down.
void collectFaults(const QWidget* parent, QStringList& faults) {
    QList<const QWidget*> shown;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow())
            shown << child;
    }
    for (int i = 0; i < shown.size(); ++i) {
        const QWidget* w = shown[i];
        for (int j = i + 1; j < shown.size(); ++j) {
            if (w->geometry().intersects(shown[j]->geometry()))
                faults << NameOf(w) + " overlaps " + NameOf(shown[j]);
        }
        const bool hasText = qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
                             qobject_cast<const QComboBox*>(w);
        if (hasText && w->width() < w->minimumSizeHint().width())
            faults << QString("%1 is %2 wide of %3").arg(NameOf(w)).arg(w->width()).arg(w->minimumSizeHint().width());
        if (const auto* list = qobject_cast<const QTreeView*>(w)) {
            for (int c = 0; c < list->header()->count(); ++c) {
                if (!list->isColumnHidden(c) && list->columnWidth(c) < list->header()->sectionSizeHint(c))
                    faults << QString("%1 cuts the caption of column %2").arg(NameOf(w)).arg(c);
            }
        }
        if (!isComplexControl(w))
            collectFaults(w, faults);
    }
}

// What is wrong in the window at its smallest allowed size and at the size it opens with, on every tab.
QStringList faultsOf(QWidget* window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {window->objectName() + " did not show"};
    QStringList faults;
    for (const QSize size : {window->minimumSize(), window->size()}) {
        const QString at = QString("%1 at %2x%3: ").arg(window->objectName()).arg(size.width()).arg(size.height());
        window->resize(size);
        if (!QTest::qWaitFor([&] { return window->size() == size; }))
            faults << at + "not resized";
        QCoreApplication::sendPostedEvents(); // the layouts' requests
        auto* tabs = window->findChild<QTabWidget*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            QStringList found;
            collectFaults(window, found);
            for (const QString& fault : std::as_const(found))
                faults << at + fault;
        }
    }
    return faults;
}

} // namespace

// ctest runs this program at scale 1 and at scale 2.
class tst_Layout final : public QObject {
    Q_OBJECT

private slots:
    void everyWindowShowsItsControlsWholeAndApart() {
        RunningProgram p([](const TestProgramDir&) { SeedSite("http://a.example/submit"); });
        QVERIFY(p.started);
        EveryWindow windows;
        QStringList faults;
        for (QWidget* window : windows.all())
            faults << faultsOf(window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QUILL_TEST_MAIN(tst_Layout)
#include "tst_Layout.moc"
