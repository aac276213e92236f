#pragma once

// With the main window's widget types and the test helpers, so that a window test reaches every member.
#include "ListRows.h"
#include "ModalDriver.h"
#include "Seed.h"
#include "SiteRow.h"
#include "Spies.h"
#include "TestProgramDir.h"
#include "WebBrowser.h"
#include "frmMain.h"
#include "modMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <functional>

// The program started on a fresh temporary program directory: kwz.ini holds `ini` (none when it is null), `seed`
// fills the database first. What start-up showed is kept in startUpTexts, so that `boxes` and `shell` hold only
// what the test does. The main window goes with the object.
class RunningProgram final {
public:
    static constexpr const char* kIni = "[preferences]\nSitesOrder=1\nPopUpBlock=0\n";

    explicit RunningProgram(const std::function<void(const TestProgramDir&)>& seed = {}, const QByteArray& ini = kIni,
                            bool withDatabase = true)
        : dir(withDatabase) {
        if (!ini.isNull())
            dir.writeFile(QStringLiteral("kwz.ini"), ini);
        if (seed)
            seed(dir);
        start();
    }
    ~RunningProgram() { EndProgram(); } // its members make it a single, uncopyable object

    // Ends the program and starts it again on the same folder.
    void restart() {
        EndProgram();
        start();
    }

    static void trigger(const char* name) { gMainWindow->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    // Triggers the command and runs act on the modal window it opens; false when none opened.
    template <class Window> static bool drive(const char* command, const std::function<void(Window*)>& act) {
        ModalDriver driver([&](QWidget* modal) {
            auto* window = qobject_cast<Window*>(modal);
            QVERIFY(window);
            act(window);
        });
        trigger(command);
        return driver.ran();
    }
    static void chooseProduct(const QString& name) {
        const int index = gMainWindow->cboProducts->findText(name);
        gMainWindow->cboProducts->setCurrentIndex(index);
        emit gMainWindow->cboProducts->activated(index);
    }
    static QTreeWidgetItem* row(qint32 siteID) {
        return SiteRow::FindByKey(gMainWindow->lvwSites, SiteRow::KeyFor(siteID));
    }
    static void click(qint32 siteID, Qt::KeyboardModifiers modifiers = {}, bool twice = false) {
        QWidget* viewport = gMainWindow->lvwSites->viewport();
        const QPoint centre = gMainWindow->lvwSites->visualItemRect(row(siteID)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, modifiers, centre);
        if (twice)
            QTest::mouseDClick(viewport, Qt::LeftButton, modifiers, centre);
    }
    static qint32 selectedSite() { return SiteRow::IdOf(SiteRow::SelectedItem(gMainWindow->lvwSites)); }
    static QString tag(int button) { return gMainWindow->PasteValue(button); }

    TestProgramDir dir;
    MsgBoxSpy boxes;
    ShellSpy shell;
    bool started = false;
    QStringList startUpTexts;

private:
    void start() {
        started = Main(dir.path()) && QTest::qWaitForWindowExposed(gMainWindow);
        startUpTexts = boxes.texts();
        boxes.clear();
        shell.clear();
    }
};
