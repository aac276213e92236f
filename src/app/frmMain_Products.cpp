// Product selection and the product commands of the main window.
#include "ArchiveBackup.h"
#include "MessageBox.h"
#include "ProductFields.h"
#include "ProductQueries.h"
#include "SiteQueries.h"
#include "SiteRow.h"
#include "Trap.h"
#include "cProduct.h"
#include "cViewFilter.h"
#include "frmMain.h"
#include "modMain.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>

qint32 frmMain::SelectedProductID() const {
    return cboProducts->currentIndex() >= 1 ? cboProducts->currentData().toInt() : 0;
}

void frmMain::LoadComboProducts() {
    Trap(QStringLiteral("Error in LoadComboProductsErr: "), [&] {
        const QList<ProductName> products = ReadProductNames();
        const QSignalBlocker quiet(cboProducts);
        cboProducts->clear();
        cboProducts->addItem(tr("Select one"), -1);
        for (const ProductName& product : products)
            cboProducts->addItem(product.name, product.productID);
        cboProducts->setCurrentIndex(-1);
    });
}

void frmMain::cboProducts_Click() {
    Trap(QStringLiteral("Error in cboProducts_Click: "), [&] {
        const qint32 productID = SelectedProductID();
        if (productID == 0) {
            lblFolderName->setText(tr(" Quillomar Pad Submitter"));
            cboPad->clear();
            MakeLvwSitesContents(-1);
            EnableSubmitButtons(false);
            return;
        }
        EnableSubmitButtons(true);
        // The log-in buttons follow the site selected in the list, if any.
        if (const QTreeWidgetItem* site = SiteRow::SelectedItem(lvwSites)) {
            LoadUsernamePassword(SiteRow::IdOf(site));
        } else {
            for (const int i : {UsernameButton, PasswordButton}) {
                m_pasteValues[i].clear();
                cmdPADurl[i]->setEnabled(false);
            }
        }
        cboPad->clear();
        if (const auto product = cProduct::Read(productID)) {
            if (!product->Name.isNull())
                lblFolderName->setText(tr(" Quillomar Pad Submitter - %1").arg(product->Name));
            m_pasteValues[PadButton] = product->PADurl;
            m_pasteValues[EmailButton] = product->EmailAuthor;
            m_pasteValues[AuthorButton] = product->Author;
            m_pasteValues[RegNowButton] = product->PaymentRegNow;
            cboPad->addItems(PasteNames());
            // Nothing is chosen until the user chooses: a preselected entry would paste without being asked for.
            cboPad->setCurrentIndex(-1);
        }
        MakeLvwSitesContents(CurrentFilter());
    });
}

void frmMain::EnableSubmitButtons(bool enabled) {
    Trap(QStringLiteral("Error in EnableSubmitButtons: "), [&] {
        cmdMagic->setEnabled(enabled);
        cmdFillAll->setEnabled(enabled);
        for (QPushButton* button : std::as_const(cmdPADurl))
            button->setEnabled(enabled);
        fraPadOtherElements->setEnabled(enabled);
        cboPad->setEnabled(enabled);
        cmdPaste->setEnabled(enabled);
        for (QAction* action : tbProduct->actions()) {
            if (action->data() == QLatin1String("Modify") || action->data() == QLatin1String("Delete"))
                action->setEnabled(enabled);
        }
    });
}

void frmMain::ProductAdd() {
    Trap(QStringLiteral("Error in ProductAdd: "), [&] {
        gViewFilter->EditingModeProductID = 0;
        ShowProductEditor();
    });
}

void frmMain::ProductProperty() {
    Trap(QStringLiteral("Error in ProductProperty: "), [&] {
        if (SelectedProductID() == 0) {
            MsgBox(tr("Select in the combo box the program to modify"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        gViewFilter->EditingModeProductID = SelectedProductID();
        ShowProductEditor();
    });
}

void frmMain::ProductDeleteCommand() {
    if (SelectedProductID() == 0) {
        MsgBox(tr("Select in the combo box the program to delete"), Msg::Buttons::Ok, Msg::Icon::Exclamation);
        return;
    }
    const QString name = cboProducts->currentText();
    if (MsgBox(tr("Are you sure you want to delete product '%1' ? ").arg(name), Msg::Buttons::YesNo,
               Msg::Icon::Question, Msg::Answer::No, tr("Deleting Product '%1'").arg(name)) != Msg::Answer::Yes)
        return;
    if (!BackUpBeforeChange())
        return;
    ProductDelete(SelectedProductID());
    LoadComboProducts();
    cboProducts_Click();
    LoadStaticHtml(QString());
}

void frmMain::ProductDelete(qint32 productID) {
    Trap(QStringLiteral("Error in ProductDelete: "), [&] { DeleteProduct(productID); });
}

void frmMain::LoadUsernamePassword(qint32 siteID) {
    Trap(QStringLiteral("Erro in LoadUsernamePassword: "), [&] {
        const auto login = ReadSiteLogin(siteID);
        if (!login)
            return;
        const std::pair<QVariant, PasteButton> values[] = {{login->userID, UsernameButton},
                                                           {login->password, PasswordButton}};
        for (const auto& [value, index] : values) {
            const bool present = !value.isNull() && !value.toString().trimmed().isEmpty();
            m_pasteValues[index] = present ? value.toString() : QString();
            cmdPADurl[index]->setEnabled(present);
        }
    });
}
