// A new version of a product: the update from its PAD file, the new version typed, and the old-version flags on the
// sites that now show the old one.
#include "DbError.h"
#include "MessageBox.h"
#include "Trap.h"
#include "VersionChange.h"
#include "cProduct.h"
#include "frmMain.h"
#include "frmPadUpdate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>

namespace {

std::optional<cProduct> chosenProduct(qint32 productID) {
    if (productID == 0) {
        MsgBox(QCoreApplication::translate("frmMain", "Select in the combo box the program to update"),
               Msg::Buttons::Ok, Msg::Icon::Exclamation);
        return std::nullopt;
    }
    std::optional<cProduct> product = cProduct::Read(productID);
    if (!product)
        throw RecordGone(QStringLiteral("product"));
    return product;
}

} // namespace

void frmMain::ProductUpdateFromPad() {
    Trap(QStringLiteral("Error in ProductUpdateFromPad: "), [&] {
        const qint32 productID = SelectedProductID();
        const std::optional<cProduct> product = chosenProduct(productID);
        if (!product)
            return;
        frmPadUpdate update(*product, this);
        if (update.exec() != QDialog::Accepted || update.Stored().isEmpty())
            return;
        QStringList captions;
        QString newVersion;
        for (const PadFieldChange& change : update.Stored()) {
            captions << change.field->caption;
            if (change.field->column == QLatin1String("version"))
                newVersion = change.inFile;
        }
        MsgBox(tr("Stored from the PAD file: %1.").arg(captions.join(QLatin1String(", "))), Msg::Buttons::Ok,
               Msg::Icon::Information);
        AfterNewVersion(productID, product->Version, newVersion);
    });
}

void frmMain::ProductNewVersion() {
    Trap(QStringLiteral("Error in ProductNewVersion: "), [&] {
        const qint32 productID = SelectedProductID();
        const std::optional<cProduct> product = chosenProduct(productID);
        if (!product)
            return;
        const std::optional<QString> typed =
            InputBox(tr("New version of %1:").arg(product->Name), product->Version, tr("New version"));
        if (!typed || typed->trimmed().isEmpty() || typed->trimmed() == product->Version)
            return;
        StoreProductVersion(productID, typed->trimmed());
        AfterNewVersion(productID, product->Version, typed->trimmed());
    });
}

void frmMain::AfterNewVersion(qint32 productID, const QString& oldVersion, const QString& newVersion) {
    const int sites = newVersion.isEmpty() ? 0 : CountSitesShowingOldVersion(productID);
    bool marked = false;
    if (sites > 0 &&
        MsgBox(tr("Version changed from %1 to %2. Mark the %3 sites where this product is submitted or "
                  "published, and which do not update from the PAD address themselves, as showing an old "
                  "version?")
                   .arg(oldVersion, newVersion, QString::number(sites)),
               Msg::Buttons::YesNo, Msg::Icon::Question, Msg::Answer::Yes, tr("New version")) == Msg::Answer::Yes)
        marked = MarkSitesShowingOldVersion(productID) > 0;
    // The name may have changed too; the product stays chosen by its key.
    LoadComboProducts();
    cboProducts->setCurrentIndex(std::max(0, cboProducts->findData(productID)));
    if (marked && !chkOldVersionOnly->isChecked()) {
        // The list then shows just the sites to resubmit.
        const QSignalBlocker quiet(chkOldVersionOnly);
        chkOldVersionOnly->setChecked(true);
    }
    cboProducts_Click();
    LoadStaticHtml(QString());
}
