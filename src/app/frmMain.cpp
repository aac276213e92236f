#include "frmMain.h"

#include "AppInfo.h"
#include "BrowserProfile.h"
#include "ExternalOpen.h"
#include "FindBar.h"
#include "HelpManual.h"
#include "Shell.h"
#include "Trap.h"
#include "WebBrowser.h"
#include "WrappingRow.h"
#include "cProduct.h"
#include "cSite.h"
#include "cViewFilter.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "modMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kBannerText = QStringLiteral(" Quillomar Pad Submitter");

QIcon icon(const QString& name) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillomar PAD submitter"));
    setWindowIcon(icon(QStringLiteral("quillomar")));
    resize(1144, 640);

    buildToolbar();
    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    buildBanner(central);

    vSplitter = named(new QSplitter(Qt::Horizontal, central), "vSplitter");
    vSplitter->setHandleWidth(5);
    // A drag leaves each pane the width its controls need; only the toggle hides the list pane.
    vSplitter->setChildrenCollapsible(false);
    vSplitter->addWidget(buildSiteListPane());
    vSplitter->addWidget(buildBrowserPane());
    vSplitter->setStretchFactor(0, 0);
    vSplitter->setStretchFactor(1, 1);
    vSplitter->setSizes({width() / 3, width() - width() / 3});
    centralLayout->addWidget(vSplitter, 1);
    setCentralWidget(central);

    StatusBar1Panel1 = named(new QLabel(this), "StatusBar1Panel1");
    // It shows site names and page captions, which are no markup of ours.
    StatusBar1Panel1->setTextFormat(Qt::PlainText);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1Panel1, 1);
    cmdFillReport = named(new QToolButton(this), "cmdFillReport");
    cmdFillReport->setText(tr("Fill report"));
    cmdFillReport->setToolTip(tr("What the last Fill all filled and left for you"));
    cmdFillReport->setAutoRaise(true);
    cmdFillReport->hide();
    statusBar()->addPermanentWidget(cmdFillReport);
    buildMenus();
    // The keys to the two places the work starts from, so that it runs without a mouse.
    connect(new QShortcut(Qt::CTRL | Qt::Key_P, this), &QShortcut::activated, this,
            [this] { cboProducts->setFocus(Qt::ShortcutFocusReason); });
    connect(new QShortcut(Qt::CTRL | Qt::Key_L, this), &QShortcut::activated, this,
            [this] { lvwSites->setFocus(Qt::ShortcutFocusReason); });
    connectBrowserCommands();
    buildSiteListMenu();
}

void frmMain::buildToolbar() {
    Toolbar1 = named(new QToolBar(tr("Sites"), this), "Toolbar1");
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    struct Button {
        const char* key;
        const char* icon;
        const char* toolTip;
        QKeyCombination shortcut;
    };
    static constexpr Button buttons[] = {
        {"ShowHideListView", "show-hide-list", QT_TR_NOOP("Show/Hide ListView"), Qt::Key_F9},
        {"SiteNew", "site-new", QT_TR_NOOP("New PAD Site"), Qt::CTRL | Qt::Key_N},
        {"SiteProperty", "site-property", QT_TR_NOOP("PAD Site Property"), Qt::CTRL | Qt::Key_I},
        {"SiteNotSubmitted", "site-not-submitted", QT_TR_NOOP("Change status to Not Submitted"), Qt::CTRL | Qt::Key_1},
        {"SiteSubmitted", "site-submitted", QT_TR_NOOP("Change status to Submitted"), Qt::CTRL | Qt::Key_2},
        {"SitePublished", "site-published", QT_TR_NOOP("Change status to Published"), Qt::CTRL | Qt::Key_3},
        {"SiteHistory", "site-history", QT_TR_NOOP("Show product history log for selected site"), Qt::CTRL | Qt::Key_H},
        {"SiteOldVersion", "site-old-version", QT_TR_NOOP("Set \"Old Version\"  flag"), Qt::CTRL | Qt::Key_4},
    };
    for (const Button& button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        toolbarAction(Toolbar1, key, QString::fromLatin1(button.icon), QString(), tr(button.toolTip))
            ->setShortcut(button.shortcut);
        if (key == QLatin1String("ShowHideListView"))
            Toolbar1->addSeparator();
    }
}

QAction* frmMain::toolbarAction(QToolBar* bar, const QString& key, const QString& iconName, const QString& text,
                                const QString& toolTip) {
    QAction* action = bar->addAction(icon(iconName), text.isEmpty() ? toolTip : text);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    action->setData(key);
    connect(action, &QAction::triggered, this, [this, bar, key] {
        if (bar == Toolbar1)
            Toolbar1_ButtonClick(key);
        else
            tbProduct_ButtonClick(key);
    });
    return action;
}

void frmMain::buildBanner(QWidget* parent) {
    auto* banner = named(new QWidget(parent), "imgFolderName");
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setStyleSheet(QStringLiteral(
        "#imgFolderName { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #000033, stop:1 #2f5fd0); }"));
    auto* layout = new QHBoxLayout(banner);
    layout->setContentsMargins(6, 3, 6, 3);
    lblFolderName = named(new QLabel(kBannerText, banner), "lblFolderName");
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(14);
    font.setBold(true);
    lblFolderName->setFont(font);
    lblFolderName->setStyleSheet(QStringLiteral("color: white;"));
    picFolder = named(new QLabel(banner), "picFolder");
    picFolder->setPixmap(icon(QStringLiteral("banner-folder")).pixmap(32, 32));
    layout->addWidget(lblFolderName, 1);
    layout->addWidget(picFolder);
    parent->layout()->addWidget(banner);
}

QWidget* frmMain::buildSiteListPane() {
    picLeft = named(new QWidget(this), "picLeft");
    auto* layout = new QVBoxLayout(picLeft);
    layout->setContentsMargins(4, 4, 0, 0);

    auto* filterRow = new QHBoxLayout;
    auto* lblFilter1 = named(new QLabel(tr("Filter:"), picLeft), "lblFilter1");
    cboFilterStatus = named(new QComboBox(picLeft), "cboFilterStatus");
    lblFilter1->setBuddy(cboFilterStatus);
    chkOldVersionOnly = named(new QCheckBox(tr("Old version only"), picLeft), "chkOldVersionOnly");
    filterRow->addWidget(lblFilter1);
    filterRow->addWidget(cboFilterStatus, 1);
    filterRow->addWidget(chkOldVersionOnly);
    layout->addLayout(filterRow);

    auto* searchRow = new QHBoxLayout;
    auto* lblSearch = named(new QLabel(tr("Search:"), picLeft), "lblSearch");
    txtSearch = named(new QLineEdit(picLeft), "txtSearch");
    txtSearch->setPlaceholderText(tr("part of a submit address"));
    lblSearch->setBuddy(txtSearch);
    cmdClearFilter = named(new QPushButton(tr("Clear Filter"), picLeft), "cmdClearFilter");
    searchRow->addWidget(lblSearch);
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(cmdClearFilter);
    layout->addLayout(searchRow);

    lvwSites = named(new QTreeWidget(picLeft), "lvwSites");
    lvwSites->setAccessibleName(tr("PAD sites"));
    lvwSites->setRootIsDecorated(false);
    lvwSites->setUniformRowHeights(true);
    lvwSites->setAllColumnsShowFocus(true);
    lvwSites->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwSites->header()->setStretchLastSection(false);
    lvwSites->viewport()->installEventFilter(this);
    lvwSites->installEventFilter(this);
    lvwSites->header()->setSectionsClickable(true);
    connect(lvwSites->header(), &QHeaderView::sectionClicked, this, &frmMain::lvwSites_ColumnClick);
    layout->addWidget(lvwSites, 1);

    connect(cboFilterStatus, &QComboBox::activated, this, &frmMain::cboFilterStatus_Click);
    connect(txtSearch, &QLineEdit::textChanged, this, &frmMain::txtSearch_Change);
    connect(chkOldVersionOnly, &QCheckBox::toggled, this, &frmMain::chkOldVersionOnly_Click);
    connect(cmdClearFilter, &QPushButton::clicked, this, &frmMain::cmdClearFilter_Click);
    return picLeft;
}

QWidget* frmMain::buildBrowserPane() {
    picRight = named(new QWidget(this), "picRight");
    auto* layout = new QVBoxLayout(picRight);
    layout->setContentsMargins(0, 4, 4, 0);

    auto* navigation = new QHBoxLayout;
    cmdGoBack = named(new QToolButton(picRight), "cmdGoBack");
    cmdGoBack->setIcon(icon(QStringLiteral("go-back")));
    cmdGoBack->setToolTip(tr("Back"));
    cmdGoBack->setAccessibleName(tr("Back"));
    cmdGoForward = named(new QToolButton(picRight), "cmdGoForward");
    cmdGoForward->setIcon(icon(QStringLiteral("go-forward")));
    cmdGoForward->setToolTip(tr("Forward"));
    cmdGoForward->setAccessibleName(tr("Forward"));
    cmdHome = named(new QPushButton(icon(QStringLiteral("go-home")), tr("Home"), picRight), "cmdHome");
    txtWebStatusBar = named(new QLineEdit(picRight), "txtWebStatusBar");
    txtWebStatusBar->setReadOnly(true);
    txtWebStatusBar->setFocusPolicy(Qt::NoFocus);
    txtWebStatusBar->setAccessibleName(tr("Page status"));
    ProgressBar1 = named(new QProgressBar(picRight), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setMaximumWidth(120);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    lblProgress = named(new QLabel(picRight), "lblProgress");
    lblProgress->setMinimumWidth(90);
    cmdResetForm = named(new QPushButton(tr("Clear form values"), picRight), "cmdResetForm");
    navigation->addWidget(cmdGoBack);
    navigation->addWidget(cmdGoForward);
    navigation->addWidget(cmdHome);
    navigation->addWidget(txtWebStatusBar, 1);
    navigation->addWidget(ProgressBar1);
    navigation->addWidget(lblProgress);
    navigation->addWidget(cmdResetForm);
    layout->addLayout(navigation);

    QWebEngineProfile* profile = gBrowserProfile ? gBrowserProfile.get() : QWebEngineProfile::defaultProfile();
    webSite = named(new WebBrowser(profile, picRight), "webSite");
    // The smallest window still shows some lines of a page.
    webSite->setMinimumHeight(webSite->fontMetrics().lineSpacing() * 8);
    layout->addWidget(webSite, 1);
    findBar = new FindBar(webSite, picRight);
    layout->addWidget(findBar);
    layout->addWidget(buildProductBar());

    connect(cmdHome, &QPushButton::clicked, this, &frmMain::cmdHome_Click);
    return picRight;
}

QWidget* frmMain::buildProductBar() {
    picButtons = named(new QWidget(picRight), "picButtons");
    auto* bar = new WrappingRow(picButtons);
    bar->setContentsMargins(0, 4, 0, 4);
    bar->setSpacing(6);
    auto* layout = new QHBoxLayout;
    bar->addPart(layout);

    auto* productColumn = new QVBoxLayout;
    auto* productRow = new QHBoxLayout;
    auto* lblProduct = named(new QLabel(tr("Product:"), picButtons), "lblProduct");
    cboProducts = named(new QComboBox(picButtons), "cboProducts");
    cboProducts->setMinimumWidth(200);
    cboProducts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblProduct->setBuddy(cboProducts);
    productRow->addWidget(lblProduct);
    productRow->addWidget(cboProducts, 1);
    productColumn->addLayout(productRow);
    tbProduct = named(new QToolBar(picButtons), "tbProduct");
    tbProduct->setIconSize(QSize(20, 20));
    tbProduct->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbarAction(tbProduct, QStringLiteral("New"), QStringLiteral("product-new"), tr("New"), tr("New"))
        ->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    toolbarAction(tbProduct, QStringLiteral("Modify"), QStringLiteral("product-modify"), tr("Property"), tr("Modify"))
        ->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_I);
    toolbarAction(tbProduct, QStringLiteral("Delete"), QStringLiteral("product-delete"), tr("Delete"), tr("Delete"))
        ->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete);
    tbProduct->setMinimumWidth(tbProduct->sizeHint().width());
    productColumn->addWidget(tbProduct);
    layout->addLayout(productColumn, 2);

    cmdMagic = named(new QPushButton(tr("AUTO"), picButtons), "cmdMagic");
    cmdMagic->setToolTip(tr("Fill the page's form from the product"));
    cmdMagic->setMinimumHeight(56);
    QFont bold = cmdMagic->font();
    bold.setBold(true);
    cmdMagic->setFont(bold);
    layout->addWidget(cmdMagic);
    cmdFillAll = named(new QPushButton(tr("Fill all"), picButtons), "cmdFillAll");
    cmdFillAll->setToolTip(tr("Fill every field of the page by what it asks for (Ctrl+Shift+F)"));
    cmdFillAll->setMinimumHeight(56);
    layout->addWidget(cmdFillAll);

    // The paste buttons and the other elements go under the product when the bar is narrow.
    auto* pasteRow = new QHBoxLayout;
    bar->addPart(pasteRow);
    // Two rows of three: PAD, Email, Username over Author, RegNow, Password; Fill log-in beside the last two.
    auto* pasteGrid = new QGridLayout;
    pasteGrid->setSpacing(4);
    static constexpr const char* captions[] = {QT_TR_NOOP("PAD"),    QT_TR_NOOP("Email"),    QT_TR_NOOP("Author"),
                                               QT_TR_NOOP("RegNow"), QT_TR_NOOP("Username"), QT_TR_NOOP("Password")};
    static constexpr int rows[] = {0, 0, 1, 1, 0, 1};
    static constexpr int columns[] = {0, 1, 0, 1, 2, 2};
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(tr(captions[i]), picButtons);
        button->setObjectName(QStringLiteral("cmdPADurl_%1").arg(i));
        cmdPADurl << button;
        pasteGrid->addWidget(button, rows[i], columns[i]);
    }
    cmdFillLogIn = named(new QPushButton(tr("Fill log-in"), picButtons), "cmdFillLogIn");
    cmdFillLogIn->setToolTip(tr("Fill the selected site's user name and password into the page's log-in "
                                "form (Ctrl+Shift+L)"));
    cmdFillLogIn->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred); // as tall as the two rows
    pasteGrid->addWidget(cmdFillLogIn, 0, 3, 2, 1);
    // Tab reads the grid by rows.
    QWidget* const rowOrder[] = {cmdPADurl[0], cmdPADurl[1], cmdPADurl[4], cmdPADurl[2],
                                 cmdPADurl[3], cmdPADurl[5], cmdFillLogIn};
    for (int i = 1; i < 7; ++i)
        setTabOrder(rowOrder[i - 1], rowOrder[i]);
    pasteRow->addLayout(pasteGrid);

    fraPadOtherElements = named(new QGroupBox(tr("Other elements"), picButtons), "fraPadOtherElements");
    auto* otherLayout = new QHBoxLayout(fraPadOtherElements);
    otherLayout->setContentsMargins(6, 2, 6, 4);
    cboPad = named(new QComboBox(fraPadOtherElements), "cboPad");
    cboPad->setMinimumWidth(140);
    cmdPaste = named(new QPushButton(tr("Paste"), fraPadOtherElements), "cmdPaste");
    otherLayout->addWidget(cboPad, 1);
    otherLayout->addWidget(cmdPaste);
    pasteRow->addWidget(fraPadOtherElements, 1);

    connect(cboProducts, &QComboBox::activated, this, &frmMain::cboProducts_Click);
    return picButtons;
}

QAction* frmMain::addCommand(QMenu* menu, const char* name, const QString& caption,
                             const std::function<void()>& handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void frmMain::buildMenus() {
    const auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu* file = addMenu("mnuFile", tr("&File"));
    addCommand(file, "miFileBackUp", tr("&Back up archive..."), [this] { BackUpArchiveToFile(); });
    addCommand(file, "miFileRestore", tr("&Restore from backup..."), [this] { RestoreFromBackup(); });
    addCommand(file, "miFileExportReport", tr("&Export report..."), [this] { ExportReport(); });
    addCommand(file, "miFileExportFormMaps", tr("Export &form maps..."), [this] { ExportFormMaps(); });
    addCommand(file, "miFileImportFormMaps", tr("&Import form maps..."), [this] { ImportFormMaps(); });
    file->addSeparator()->setObjectName(QStringLiteral("miFileSep1"));
    addCommand(file, "miFileExit", tr("E&xit"), [this] { close(); });

    QMenu* site = addMenu("mnuSite", tr("&PAD Sites"));
    addCommand(site, "miSiteNew", tr("&New site"), [this] { SiteNew(); });
    addCommand(site, "miSiteProperty", tr("Site &property"), [this] { SiteProperty(); });
    addCommand(site, "miSiteVisit", tr("&Visit submit page"), [this] {
        VisitSelectedSite();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    site->addSeparator()->setObjectName(QStringLiteral("miSiteSep1"));
    addCommand(site, "miSiteSelectAll", tr("Select &all"), [this] { SelectAllSites(); });
    addCommand(site, "miSiteSelectNone", tr("Select n&one"), [this] { SelectNoSites(); });
    site->addSeparator()->setObjectName(QStringLiteral("miSiteSep2"));
    addCommand(site, "miSiteImportFromFile", tr("&Import from file..."), [this] { SiteImportFromFile(); });
    addCommand(site, "miSiteImportList", tr("Import sites from a &list..."), [this] { SiteImportList(); });
    addCommand(site, "miSiteDuplicates", tr("Find &duplicate sites"), [this] { SiteFindDuplicates(); });
    addCommand(site, "miSiteCheck", tr("&Check sites..."), [this] { CheckSites(); });

    QMenu* product = addMenu("mnuProduct", tr("P&roducts"));
    addCommand(product, "miProductAdd", tr("&Add product"), [this] { ProductAdd(); });
    addCommand(product, "miProductProperty", tr("Product &property"), [this] { ProductProperty(); });
    addCommand(product, "miProductUpdateFromPad", tr("&Update from PAD file"), [this] { ProductUpdateFromPad(); });
    addCommand(product, "miProductNewVersion", tr("New &version..."), [this] { ProductNewVersion(); });

    QMenu* browser = addMenu("mnuBrowser", tr("&Browser"));
    addCommand(browser, "miBrowserFillAll", tr("&Fill all"), [this] {
        cmdFillAll_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    addCommand(browser, "miBrowserUndoFillAll", tr("&Undo Fill all"), [this] {
        UndoFillAll();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    addBrowserMenuCommands(browser);
    addCommand(browser, "miBrowserRememberForm", tr("Re&member this form"), [this] { RememberThisForm(); });

    QMenu* tools = addMenu("mnuTools", tr("&Tools"));
    addCommand(tools, "miOptions", tr("&Options"), [this] {
        frmOptions options(this);
        options.exec();
    });
    addCommand(tools, "miToolsForgetLogIns", tr("&Forget site log-ins..."), [this] { ForgetSiteLogIns(); });

    QMenu* help = addMenu("mnuHelp", tr("&Help"));
    addCommand(help, "miHelpDownloadSites", tr("Download &Sites List"), [] {
        QString address = AppInfo::PadSitesList;
        VisitSite(address);
    });
    addCommand(help, "miHelpManual", tr("&Contents"), [] { HelpManual(); });
    addCommand(help, "miHelpWebSite", tr("Quillomar Pad Submitter &Web Site"), [] {
        QString address = AppInfo::ProductWebPage;
        VisitSite(address);
    });
    addCommand(help, "miHelpFacebook", tr("F&acebook"), [] { ShellOpen(QStringLiteral("Open"), AppInfo::SocialPage); });
    help->addSeparator()->setObjectName(QStringLiteral("miHelpSep1"));
    addCommand(help, "miHelpAbout", tr("A&bout Quillomar Pad Submitter"), [this] {
        frmAbout about(this);
        about.exec();
    });
}

void frmMain::Form_Load() {
    Trap(QStringLiteral("Error in Form_Load: "), [&] {
        webSite->setSilent(true);
        gViewFilter = new cViewFilter;
        gSite = std::make_unique<cSite>();
        gProduct = std::make_unique<cProduct>();
        LoadStaticHtml(QString());
        LoadComboProducts();
        setWindowTitle(QStringLiteral(" Quillomar Pad Submitter ") + AppInfo::Version);
        if (gOpenHomeAtStart) {
            QString makerSite = AppInfo::MakerWebSite;
            VisitSite(makerSite);
        }
        LoadComboFilterStatus();
        MakeLvwSitesColumns();
        MakeLvwSitesContents(-1);
        EnableSubmitButtons(false);
    });
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload() {
    delete gViewFilter;
    gViewFilter = nullptr;
    gSite.reset();
    gProduct.reset();
    // Pop-up browser windows may still be open: the program ends with the main window all the same.
    QApplication::quit();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The banner shows the chosen product's name only until the window is next resized.
    lblFolderName->setText(kBannerText);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvwSites && event->type() == QEvent::Resize) {
        // A new width of the list (the window or the splitter) sets the columns back to their shares; the scroll
        // bar coming or going with a rebuild changes only the viewport, and keeps the widths the user set. The list
        // sizes its viewport only after this filter, so the columns are set once it has.
        QMetaObject::invokeMethod(this, &frmMain::MakeLvwSitesColumns, Qt::QueuedConnection);
    } else if (watched == lvwSites->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            lvwSites_MouseUp(mouse->button(), mouse->position().toPoint());
        }
    } else if (watched == lvwSites && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete) {
            lvwSites_KeyDown(key);
            return true;
        }
        // The keyboard's way to the list's menu, opened under the current row as a right click would open it.
        if (key == Qt::Key_Menu || (key == Qt::Key_F10 && press->modifiers() == Qt::ShiftModifier)) {
            const QTreeWidgetItem* current = lvwSites->currentItem();
            const QPoint at = current ? lvwSites->visualItemRect(current).bottomLeft() : QPoint();
            mnuLvwSites->popup(lvwSites->viewport()->mapToGlobal(at));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    Trap(QStringLiteral("Error in Toolbar1_ButtonClick: "), [&] {
        if (SiteStatusCommand(key))
            return;
        if (key == QLatin1String("ShowHideListView")) {
            if (picLeft->isVisible()) {
                picLeft->hide();
            } else {
                picLeft->show();
                const int total = vSplitter->width();
                vSplitter->setSizes({total / 3, total - total / 3});
            }
        } else if (key == QLatin1String("SiteNew")) {
            SiteNew();
        } else if (key == QLatin1String("SiteProperty")) {
            SiteProperty();
        }
    });
}

void frmMain::tbProduct_ButtonClick(const QString& key) {
    Trap(QStringLiteral("Error in tbProduct_ButtonClick: "), [&] {
        if (key == QLatin1String("New"))
            ProductAdd();
        else if (key == QLatin1String("Modify"))
            ProductProperty();
        else if (key == QLatin1String("Delete"))
            ProductDeleteCommand();
    });
}
