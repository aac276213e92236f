// The embedded browser of the main window: visiting sites, navigation display, pop-ups, filling and pasting.
#include "BrowserProfile.h"
#include "BrowserQueries.h"
#include "Clipboard.h"
#include "DbError.h"
#include "ExternalOpen.h"
#include "FindBar.h"
#include "FormFiller.h"
#include "FormLearning.h"
#include "FormReading.h"
#include "LogInFill.h"
#include "MessageBox.h"
#include "ProductFields.h"
#include "Shell.h"
#include "SiteAddress.h"
#include "SiteQueries.h"
#include "SiteRow.h"
#include "Trap.h"
#include "WebBrowser.h"
#include "cProduct.h"
#include "frmMain.h"
#include "modMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace {

constexpr const char* kSelectTextbox =
    QT_TRANSLATE_NOOP("frmMain", "Please, select the textbox where you want to paste information");
constexpr const char* kNoLogInForm = QT_TRANSLATE_NOOP("frmMain", "No log-in form on this page.");

// A stored value of blanks counts as none, as on the paste buttons.
QString storedText(const QVariant& value) {
    return value.toString().trimmed().isEmpty() ? QString() : value.toString();
}

} // namespace

void frmMain::connectBrowserCommands() {
    connect(lvwSites, &QTreeWidget::itemDoubleClicked, this, &frmMain::lvwSites_DblClick);

    connect(cmdGoBack, &QToolButton::clicked, this, &frmMain::cmdGoBack_Click);
    connect(cmdGoForward, &QToolButton::clicked, this, &frmMain::cmdGoForward_Click);
    connect(webSite, &WebBrowser::ProgressChange, this, &frmMain::webSite_ProgressChange);
    connect(webSite, &WebBrowser::StatusTextChange, this, &frmMain::webSite_StatusTextChange);
    connect(webSite, &WebBrowser::NewWindow2, this, &frmMain::webSite_NewWindow2, Qt::DirectConnection);

    connect(cmdMagic, &QPushButton::clicked, this, &frmMain::cmdMagic_Click);
    connect(cmdFillAll, &QPushButton::clicked, this, &frmMain::cmdFillAll_Click);
    connect(cmdFillReport, &QToolButton::clicked, this, &frmMain::ShowFillReport);
    for (int i = 0; i < cmdPADurl.size(); ++i)
        connect(cmdPADurl[i], &QPushButton::clicked, this, [this, i] { cmdPADurl_Click(i); });
    connect(cmdPaste, &QPushButton::clicked, this, &frmMain::cmdPaste_Click);
    connect(cmdResetForm, &QPushButton::clicked, this, &frmMain::cmdResetForm_Click);
    connect(cmdFillLogIn, &QPushButton::clicked, this, &frmMain::FillLogIn);
}

void frmMain::addBrowserMenuCommands(QMenu* browser) {
    const auto add = [this, browser](const char* name, const QString& caption, const QList<QKeySequence>& keys,
                                     const std::function<void()>& handler) {
        QAction* action = addCommand(browser, name, caption, handler);
        action->setShortcuts(keys);
        return action;
    };
    add("miBrowserFillLogIn", tr("Fill &log-in"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)},
        [this] { FillLogIn(); });
    browser->addSeparator();
    add("miBrowserReload", tr("&Reload"), {QKeySequence(Qt::Key_F5)}, [this] { webSite->reload(); });
    // Only while a page loads, so that Escape stays free for everything else.
    QAction* stop = add("miBrowserStop", tr("&Stop"), {QKeySequence(Qt::Key_Escape)}, [this] { webSite->stop(); });
    stop->setEnabled(false);
    connect(webSite, &QWebEngineView::loadStarted, stop, [stop] { stop->setEnabled(true); });
    connect(webSite, &QWebEngineView::loadFinished, stop, [stop] { stop->setEnabled(false); });
    add("miBrowserFind", tr("Fi&nd in page..."), {QKeySequence::Find}, [this] { findBar->Open(); });
    browser->addSeparator();
    add("miBrowserZoomIn", tr("Zoom &in"), {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [this] { webSite->ZoomIn(); });
    add("miBrowserZoomOut", tr("Zoom &out"), {QKeySequence::ZoomOut}, [this] { webSite->ZoomOut(); });
    add("miBrowserZoomReset", tr("Actual si&ze"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [this] { webSite->ZoomReset(); });
    browser->addSeparator();
    add("miBrowserOpenExternal", tr("Open this page in the e&xternal browser"), {}, [this] {
        if (!ShowsStartPage() && !webSite->url().isEmpty())
            ShellOpen(QStringLiteral("Open"), webSite->url().toString());
    });
    add("miBrowserCopyAddress", tr("&Copy page address"), {}, [this] {
        if (!ShowsStartPage() && !webSite->url().isEmpty())
            PutOnClipboard(webSite->url().toString());
    });
}

void frmMain::VisitPadSite(const QString& url) {
    Trap(QStringLiteral("Error in VisitPadSite: "), [&] {
        if (url.trimmed().isEmpty()) {
            MsgBox(tr("PAD site url not found!"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        LoadStaticHtml(tr("Loading web pad site URL: %1").arg(url));
        webSite->Navigate(url);
        m_fillAllWhenLoaded = gFillAllAfterVisit;
        m_filledSiteID = 0;
    });
}

void frmMain::lvwSites_DblClick() {
    // The Enter key and the menu act only while the last release over the list lay on a row.
    if (m_lvwSitesMouseUp && lvwSites->itemAt(*m_lvwSitesMouseUp))
        VisitSelectedSite();
}

void frmMain::VisitSelectedSite() {
    Trap(QStringLiteral("Error in lvwSites_DblClick: "), [&] {
        const QTreeWidgetItem* row = SiteRow::SelectedItem(lvwSites);
        if (!row)
            return;
        const QString url = SiteRow::Tag(row).trimmed();
        if (url.isEmpty())
            return;
        const qint32 siteID = SiteRow::IdOf(row);
        VisitPadSite(url);
        LoadUsernamePassword(siteID);
    });
}

void frmMain::OpenSiteHome() {
    Trap(QStringLiteral("Error in OpenSiteHome: "), [&] {
        const QTreeWidgetItem* row = SiteRow::SelectedItem(lvwSites);
        if (!row)
            return;
        const auto homePage = ReadSiteHomePage(SiteRow::IdOf(row));
        if (!homePage)
            MsgBox(tr("Error: no record found"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
        else if (homePage->isNull())
            MsgBox(tr("No home page specified for this pad site"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
        else
            VisitPadSite(homePage->toString());
    });
}

void frmMain::VisitSiteHomeInExternal() {
    Trap(QStringLiteral("Error in miLvwSitesVisitSiteHomeInExternal: "), [&] {
        const QTreeWidgetItem* row = SiteRow::SelectedItem(lvwSites);
        if (!row)
            return;
        const auto homePage = ReadSiteHomePage(SiteRow::IdOf(row));
        if (!homePage) {
            MsgBox(tr("Error: no record found"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
        } else if (homePage->isNull()) {
            MsgBox(tr("No home page specified for this pad site"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
        } else {
            QString address = homePage->toString();
            VisitSite(address);
        }
    });
}

void frmMain::cmdGoBack_Click() {
    webSite->GoBack();
}

void frmMain::cmdGoForward_Click() {
    webSite->GoForward();
}

void frmMain::webSite_ProgressChange(int progress, int progressMax) {
    if (progress == -1) {
        ProgressBar1->setValue(100);
        // Once per visit, when the site's page (not the loading notice before it) has loaded, and only with a
        // product to fill from: the run never asks anything on its own.
        if (m_fillAllWhenLoaded && !ShowsStartPage()) {
            m_fillAllWhenLoaded = false;
            if (SelectedProductID() != 0)
                cmdFillAll_Click();
        }
    }
    if (progress >= 1 && progressMax >= 1) {
        ProgressBar1->setVisible(true);
        // In floating point: a large byte count times 100 would overflow an int.
        const double percent = double(progress) * 100.0 / double(progressMax);
        // A value beyond the bar's maximum is not applied; the bar keeps the one it has.
        if (percent <= 100.0)
            ProgressBar1->setValue(int(percent));
        const int whole = percent >= 100.0 ? 100 : int(percent);
        lblProgress->setText(tr("Loading %1%").arg(whole));
    }
    if (ProgressBar1->value() == 100) {
        ProgressBar1->setVisible(false);
        lblProgress->setText(tr("Done"));
    }
}

void frmMain::webSite_StatusTextChange(const QString& text) {
    txtWebStatusBar->setText(text);
}

void frmMain::webSite_NewWindow2(bool& cancel) {
    if (gPopUpBlock == 0) {
        cancel = true;
        MsgBox(tr("Quillomar Pad Submitter has blocked a PopUp window!"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
        return;
    }
    cancel = MsgBox(tr("This site is trying to open a POPUP window. Block it?"), Msg::Buttons::YesNo,
                    Msg::Icon::Exclamation, Msg::Answer::None, tr("Pop Up warning")) == Msg::Answer::Yes;
}

void frmMain::cmdMagic_Click() {
    // A page that runs no script (none shown, or it refuses) is left as it is, without a message.
    FormFiller::AutoFill(*webSite, {m_pasteValues[PadButton], m_pasteValues[EmailButton], m_pasteValues[RegNowButton]});
}

void frmMain::cmdFillAll_Click() {
    const QString prefix = QStringLiteral("Error in cmdFillAll_Click: ");
    Trap(prefix, [&] {
        const qint32 productID = SelectedProductID();
        if (productID == 0) {
            MsgBox(tr("Please choose a product: Fill all writes the chosen product's data."), Msg::Buttons::Ok,
                   Msg::Icon::Exclamation);
            return;
        }
        const QString noPage = tr("No site's page is shown: visit a site, then fill its form.");
        if (webSite->url().isEmpty() || webSite->url() == QUrl(QStringLiteral("about:blank"))) {
            MsgBox(noPage, Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        const auto product = cProduct::Read(productID);
        if (!product)
            throw RecordGone(QStringLiteral("product"));
        const QVariantMap values = ProductColumnValues(*product);
        const QTreeWidgetItem* site = SiteRow::SelectedItem(lvwSites);
        const qint32 siteID = site ? SiteRow::IdOf(site) : 0;
        // A page that asks for nothing but a log-in gets the site's log-in, under Fill log-in's rule of hosts.
        LocateLogInForm(*webSite, [this, values, noPage, siteID](const std::optional<LogInForm>& form) {
            if (form && form->found && form->onlyForm) {
                FillLogIn();
                return;
            }
            FormFiller::FillContext context;
            for (const ProductField& field : ProductFields())
                context.captions.insert(field.column, field.caption);
            context.siteMap = LearnedMapForPage(siteID, webSite->url());
            FormFiller::FillAll(
                *webSite, values,
                [this, noPage, siteID](const FormFiller::FillReport& r) {
                    if (!r.reached) {
                        MsgBox(noPage, Msg::Buttons::Ok, Msg::Icon::Exclamation);
                        return;
                    }
                    m_filledSiteID = siteID;
                    WatchWorkedForm(*webSite);
                    StatusBar1Panel1->setText(FormFiller::FillReportText(r));
                    m_fillReport = FormFiller::FillReportDetails(r);
                    cmdFillReport->show();
                },
                context);
        });
    });
}

void frmMain::UndoFillAll() {
    FormFiller::UndoFill(*webSite, [this](std::optional<int> restored) {
        if (!restored)
            StatusBar1Panel1->setText(tr("Nothing to undo: this page has not been filled since it was opened"));
        else
            StatusBar1Panel1->setText(restored == 1 ? tr("Undid the fill of 1 field")
                                                    : tr("Undid the fill of %1 fields").arg(*restored));
    });
}

void frmMain::ShowFillReport() {
    MsgBox(m_fillReport, Msg::Buttons::Ok, Msg::Icon::Information, Msg::Answer::None, tr("Fill report"));
}

void frmMain::cmdPADurl_Click(int index) {
    if (index < 0 || index >= cmdPADurl.size())
        return;
    const QString value = m_pasteValues[index];
    const bool secret = index == PasswordButton;
    FormFiller::WriteFocusedField(*webSite, FormFiller::PasteTarget::InputOrTextArea, value,
                                  [value, secret](const FormFiller::FocusedField& field) {
                                      using Outcome = FormFiller::FocusedField::Outcome;
                                      if (field.outcome == Outcome::NoPage || field.outcome == Outcome::NotATextbox) {
                                          MsgBox(tr(kSelectTextbox), Msg::Buttons::Ok, Msg::Icon::Exclamation);
                                          return;
                                      }
                                      if (secret)
                                          PutSecretOnClipboard(value);
                                      else
                                          PutOnClipboard(value);
                                  });
}

void frmMain::cmdPaste_Click() {
    const QString prefix = QStringLiteral("Error in cmdPaste_Clic: ");
    Trap(prefix, [&] {
        const QString chosen = cboPad->currentText();
        if (chosen.isEmpty()) {
            MsgBox(tr("Nothing selected"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        const ProductField* field = ProductFieldOfPasteName(chosen);
        if (!field)
            throw Failure(tr("'%1' is not a product field that can be pasted").arg(chosen));
        const auto stored = ReadProductColumn(SelectedProductID(), field->column);
        if (!stored)
            return;
        // Nothing to paste: the page and the clipboard stay as they are.
        if (stored->toString().isEmpty()) {
            MsgBox(tr("%1 is empty for this product: there is nothing to paste.").arg(chosen), Msg::Buttons::Ok,
                   Msg::Icon::Exclamation);
            return;
        }
        const QString value = stored->toString();
        FormFiller::WriteFocusedField(*webSite, FormFiller::PasteTarget::InputOnly, value,
                                      [prefix, value](const FormFiller::FocusedField& field) {
                                          using Outcome = FormFiller::FocusedField::Outcome;
                                          Trap(prefix, [&] {
                                              switch (field.outcome) {
                                              case Outcome::NoPage:
                                                  throw Failure(tr("the page shown cannot be reached"));
                                              case Outcome::NotATextbox:
                                                  MsgBox(tr(kSelectTextbox), Msg::Buttons::Ok, Msg::Icon::Exclamation);
                                                  return;
                                              case Outcome::WriteRefused:
                                                  PutOnClipboard(value);
                                                  throw Failure(field.error);
                                              case Outcome::Written:
                                                  PutOnClipboard(value);
                                                  return;
                                              }
                                          });
                                      });
    });
}

void frmMain::cmdResetForm_Click() {
    if (MsgBox(tr("Are you sure you want to clear form text? "), Msg::Buttons::YesNo, Msg::Icon::Question,
               Msg::Answer::No, tr("Clear form text")) != Msg::Answer::Yes)
        return;
    FormFiller::ClearTextInputs(*webSite);
}

void frmMain::FillLogIn() {
    Trap(QStringLiteral("Error in FillLogIn: "), [&] {
        const QTreeWidgetItem* row = SiteRow::SelectedItem(lvwSites);
        if (!row) {
            StatusBar1Panel1->setText(tr("Select the site whose log-in to fill in the list."));
            return;
        }
        const auto login = ReadSiteLogin(SiteRow::IdOf(row));
        if (!login)
            throw RecordGone(QStringLiteral("site"));
        const QString user = storedText(login->userID);
        const QString password = storedText(login->password);
        const QStringList hosts = SiteHosts({login->submitUrl.toString(), login->homePage.toString()});
        const QString whose = storedText(login->name).isEmpty() ? hosts.value(0, login->submitUrl.toString().trimmed())
                                                                : login->name.toString().trimmed();
        if (user.isEmpty() && password.isEmpty()) {
            StatusBar1Panel1->setText(tr("No log-in is stored for %1.").arg(whose));
            return;
        }
        const QUrl shown = webSite->url();
        LocateLogInForm(*webSite, [this, user, password, hosts, whose, shown](const std::optional<LogInForm>& form) {
            if (!form || !form->found) {
                StatusBar1Panel1->setText(tr(kNoLogInForm));
                return;
            }
            // The page's answer is the page's word; its address, which the engine knows, must pass too.
            const QString pageHost = HostIsWithin(shown.host(), hosts) ? form->host : shown.host();
            if (!HostIsWithin(pageHost, hosts)) {
                StatusBar1Panel1->setText(
                    tr("The log-in of %1 was withheld: this page is on %2, not on the site's own host (%3).")
                        .arg(whose, pageHost.isEmpty() ? tr("no host") : pageHost,
                             hosts.isEmpty() ? tr("none stored") : hosts.join(QStringLiteral(", "))));
                return;
            }
            // The page may have moved on while it was asked; the log-in goes only where the form was found.
            if (webSite->url() != shown) {
                StatusBar1Panel1->setText(tr("The page changed: fill the log-in again."));
                return;
            }
            FillLogInForm(*webSite, user, password, [this, whose](bool filled) {
                StatusBar1Panel1->setText(filled ? tr("Filled the log-in of %1.").arg(whose) : tr(kNoLogInForm));
            });
        });
    });
}

void frmMain::ForgetSiteLogIns() {
    Trap(QStringLiteral("Error in ForgetSiteLogIns: "), [&] {
        if (MsgBox(tr("Forget the log-ins of all sites? The browser's cookies, site storage and cache are "
                      "cleared, and you log in to each site again."),
                   Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::No,
                   tr("Forget site log-ins")) != Msg::Answer::Yes)
            return;
        if (gBrowserProfile)
            gBrowserProfile->ForgetLogIns();
        else
            webSite->page()->profile()->cookieStore()->deleteAllCookies();
        StatusBar1Panel1->setText(tr("Site log-ins forgotten."));
    });
}
