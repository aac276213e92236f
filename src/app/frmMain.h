#pragma once

#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSplitter;
class QToolBar;
class QToolButton;
class QTreeWidget;
class FindBar;
class WebBrowser;
class frmSiteCheck;

// The program's only long-lived window: the site list on the left, the embedded browser with the
// product bar on the right. Closing it ends the program.
class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    frmMain();

    void Form_Load();

    // Home page
    // The home page's file in the program directory, which LoadStaticHtml writes and shows.
    static QString StartPagePath();
    // The browser shows that page (the home page or a loading notice), not a site's.
    bool ShowsStartPage() const;
    void LoadStaticHtml(const QString& strBody);
    void cmdHome_Click();

    // The archive's copies: one written where the user chooses, and the restore from a copy (then the list, the
    // product selector and the home page show what the archive holds).
    void BackUpArchiveToFile();
    void RestoreFromBackup();

    // Product selection and product commands
    void LoadComboProducts();
    void cboProducts_Click();
    void EnableSubmitButtons(bool enabled);
    void ProductAdd();
    void ProductProperty();
    void ProductDeleteCommand();
    void ProductDelete(qint32 productID);
    // A new version: from the product's PAD file, or typed; then the sites showing the old one may be marked.
    void ProductUpdateFromPad();
    void ProductNewVersion();
    void AfterNewVersion(qint32 productID, const QString& oldVersion, const QString& newVersion);
    // The chosen product's identifier, 0 while "Select one" or nothing is chosen.
    qint32 SelectedProductID() const;

    // Site list
    void LoadComboFilterStatus();
    void MakeLvwSitesColumns();
    void MakeLvwSitesContents(qint32 filter);
    void cboFilterStatus_Click();
    void txtSearch_Change();
    void chkOldVersionOnly_Click();
    void cmdClearFilter_Click();
    // The filter value of the status combo: -1 while it has no selection.
    qint32 CurrentFilter() const;

    // Site editor: a new site, or the site selected in the list.
    void SiteNew();
    void SiteProperty();
    // The site list import window, modal; it has the list rebuilt when it added rows.
    void SiteImportFromFile();
    void SiteImportList();
    void SiteFindDuplicates();

    // Log-in data of a site on the "Username" and "Password" buttons.
    void LoadUsernamePassword(qint32 siteID);
    // The paste buttons of cmdPADurl, in order, and the value each pastes. The values are kept here, not in a
    // widget property, where tools that read the widgets could show a password.
    enum PasteButton { PadButton, EmailButton, AuthorButton, RegNowButton, UsernameButton, PasswordButton };
    QString PasteValue(int button) const { return m_pasteValues.value(button); }

    // Embedded browser: visiting sites, navigation display, pop-ups, form filling and pasting.
    void VisitPadSite(const QString& url);
    void lvwSites_DblClick();
    // The submit page of the selected site, wherever the mouse was last released: the keyboard's way to visit.
    void VisitSelectedSite();
    void OpenSiteHome();
    void VisitSiteHomeInExternal();
    void cmdGoBack_Click();
    void cmdGoForward_Click();
    void webSite_ProgressChange(int progress, int progressMax);
    void webSite_StatusTextChange(const QString& text);
    void webSite_NewWindow2(bool& cancel);
    void cmdMagic_Click();
    void cmdFillAll_Click();
    void UndoFillAll();
    void ShowFillReport();
    void ExportReport();
    // Learned form maps: a site's form read for what the author left in it (after a status change for a site filled
    // in this visit, or on the menu's command), and the maps exported to or imported from a file.
    void LearnShownForm(qint32 siteID, qint32 productID, bool announce);
    void RememberThisForm();
    void ExportFormMaps();
    void ImportFormMaps();
    void VisitNextRemainingSite(qint32 changedSiteID, int position);
    void cmdPADurl_Click(int index);
    void cmdPaste_Click();
    void cmdResetForm_Click();
    // The selected site's stored log-in into the shown page's log-in form, only on the site's own hosts; the outcome
    // (never the password) is told in the status bar.
    void FillLogIn();
    // Asks, then clears the browser's cookies, site storage and cache.
    void ForgetSiteLogIns();

    // Command dispatch
    void Toolbar1_ButtonClick(const QString& key);
    void tbProduct_ButtonClick(const QString& key);

    // Status changes of the chosen product on the selected sites, and their history log
    void ChangeSiteStatus(qint16 Status);
    void ChangeSiteOldVersion(bool IsOld);
    void ShowSiteHistory();
    // The toolbar's status buttons; false for any other key.
    bool SiteStatusCommand(const QString& key);
    // What the site list's context menu calls.
    void miLvwSitesModifySiteNotSubmitted_Click();
    void miLvwSitesModifySiteSubmitted_Click();
    void miLvwSitesModifySitePublished_Click();
    void miLvwSitesModifySiteOldVersion_Click();
    void miLvwSitesModifySiteOldVersionAll_Click();
    void miLvwSitesModifySiteActualVersion_Click();
    void miLvwSitesModifySiteShowStatus_Click();
    void lvwSites_ColumnClick(int column);

    // The site list as a set of rows: its context menu, bookmarks, selection, deletion, mouse and keys.
    void lvwSites_MouseUp(Qt::MouseButton button, const QPoint& position);
    void lvwSites_KeyDown(int key);
    void ToggleBookmarkAt(qint32 siteID);
    void ClearAllBookmark();
    void miLvwSitesToggleBookmark_Click();
    void miLvwSitesGoToNextBookmark_Click();
    void miLvwSitesClearAllBookmark_Click();
    void SelectAllSites();
    void SelectNoSites();
    void SiteDelete();
    // PAD Sites -> "Check sites...": the window "Site check" for the shown sites, or the selected ones.
    void CheckSites();
    QMenu* mnuLvwSites = nullptr;

    // Panes and controls, named as the program names them.
    QToolBar* Toolbar1 = nullptr;
    QLabel* lblFolderName = nullptr;
    QLabel* picFolder = nullptr;
    QSplitter* vSplitter = nullptr;
    QWidget* picLeft = nullptr;
    QComboBox* cboFilterStatus = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdClearFilter = nullptr;
    QCheckBox* chkOldVersionOnly = nullptr;
    QTreeWidget* lvwSites = nullptr;
    QWidget* picRight = nullptr;
    QToolButton* cmdGoBack = nullptr;
    QToolButton* cmdGoForward = nullptr;
    QPushButton* cmdHome = nullptr;
    QLineEdit* txtWebStatusBar = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* lblProgress = nullptr;
    QPushButton* cmdResetForm = nullptr;
    WebBrowser* webSite = nullptr;
    QWidget* picButtons = nullptr;
    QComboBox* cboProducts = nullptr;
    QToolBar* tbProduct = nullptr;
    QPushButton* cmdMagic = nullptr;
    QPushButton* cmdFillAll = nullptr;
    QList<QPushButton*> cmdPADurl;
    QPushButton* cmdFillLogIn = nullptr;
    FindBar* findBar = nullptr;
    QGroupBox* fraPadOtherElements = nullptr;
    QComboBox* cboPad = nullptr;
    QPushButton* cmdPaste = nullptr;
    QLabel* StatusBar1Panel1 = nullptr;
    QToolButton* cmdFillReport = nullptr; // opens the last fill's report; shown once a fill has reported

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBanner(QWidget* parent);
    QWidget* buildSiteListPane();
    QWidget* buildBrowserPane();
    QWidget* buildProductBar();
    void buildToolbar();
    void buildMenus();
    QAction* toolbarAction(QToolBar* bar, const QString& key, const QString& icon, const QString& text,
                           const QString& toolTip);
    void Form_Unload();
    // The editors, modal; they refresh this window after saving.
    void ShowSiteEditor();
    void ShowProductEditor();
    void ShowSavedSite(qint32 siteID);
    void connectBrowserCommands();
    // The Browser menu's commands after Fill all.
    void addBrowserMenuCommands(QMenu* browser);
    void buildSiteListMenu();
    // A named command at the end of the menu.
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const std::function<void()>& handler);

    // Where the last mouse button was released over the site list, in the list's viewport; none before any.
    std::optional<QPoint> m_lvwSitesMouseUp;
    QStringList m_pasteValues = QStringList(6);
    // Set by a visit while "Fill all after a site is visited" is on; the page's end of loading takes it.
    bool m_fillAllWhenLoaded = false;
    QPointer<frmSiteCheck> m_siteCheck;
    QString m_fillReport; // the last fill's whole report
    // The site whose page Fill all filled in this visit; 0 when none. A status change for it teaches its form.
    qint32 m_filledSiteID = 0;
};
