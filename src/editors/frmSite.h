#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class cSite;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;

// What the site editor needs from the main window.
struct SiteEditorLinks {
    // 0 for a new site, else the site to change; set to the new site's key after it is saved.
    qint32& editingModeSiteID;
    // The shared record: the editor puts a fresh one there and releases it when it ends.
    std::unique_ptr<cSite>& site;
    // Opens an address in the external browser (adding "http://" when missing).
    std::function<void(QString& address)> visitSite;
    // Rebuilds the site list and selects the saved site.
    std::function<void(qint32 savedSiteID)> siteSaved;
};

// Creates a PAD site or changes one.
class frmSite final : public QDialog {
    Q_OBJECT
public:
    explicit frmSite(SiteEditorLinks links, QWidget* parent = nullptr);
    ~frmSite() override;

    void Form_Load();
    void ShowFormValues();
    bool Validate();
    // The save step: validates, then appends or updates the row; false keeps the window open.
    bool SaveSite();
    void cmdOK_Click();
    void cmdShowPwd_Click();
    void cmdVisitHomePage_Click();
    void cmdVisitSubmitUrl_Click();
    // The fields Fill all learned of this site's forms, and forgetting them (asked first, stored at once).
    void ShowLearnedFields();
    void cmdForgetLearned_Click();
    // False when Load failed: the window then shows what it could read and cannot save over the row.
    bool Loaded() const { return m_loaded; }

    QLineEdit* txtName = nullptr;
    QLineEdit* txtHomePage = nullptr;
    QToolButton* cmdVisitHomePage = nullptr;
    QLineEdit* txtSubmitUrl = nullptr;
    QToolButton* cmdVisitSubmitUrl = nullptr;
    QButtonGroup* optAutoUpdate = nullptr;   // id 0 "No", id 1 "Yes"
    QButtonGroup* optAuthRequired = nullptr; // id 0 "No", id 1 "Yes"
    QLineEdit* txtUserID = nullptr;
    QLineEdit* txtPassword = nullptr;
    QToolButton* cmdShowPwd = nullptr;
    QLineEdit* txtRank = nullptr;
    QPlainTextEdit* txtNotes = nullptr;
    QLabel* lblInsertDateCaption = nullptr;
    QLabel* lblInsertDate = nullptr;
    QLabel* lblUpdateDateCaption = nullptr;
    QLabel* lblUpdateDate = nullptr;
    QTreeWidget* lvwLearnedFields = nullptr;
    QPushButton* cmdForgetLearned = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    cSite& site() const;

    SiteEditorLinks m_links;
    bool m_loaded = true;
};
