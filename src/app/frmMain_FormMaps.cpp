// Learned form maps: what the author's own corrections of a site's form teach Fill all, and sharing them as files.
#include "DbError.h"
#include "FileDialog.h"
#include "FormLearning.h"
#include "FormMapFile.h"
#include "FormReading.h"
#include "MessageBox.h"
#include "ProductFields.h"
#include "SiteRow.h"
#include "Trap.h"
#include "WebBrowser.h"
#include "WholeFile.h"
#include "cProduct.h"
#include "frmMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTreeWidget>

void frmMain::LearnShownForm(qint32 siteID, qint32 productID, bool announce) {
    const QUrl page = webSite->url();
    ReadWorkedForm(*webSite, [this, siteID, productID, page, announce](const std::optional<WorkedForm>& form) {
        Trap(QStringLiteral("Error in LearnShownForm: "), [&] {
            const auto product = cProduct::Read(productID);
            if (!product)
                throw RecordGone(QStringLiteral("product"));
            const int learned =
                form ? LearnForm(siteID, page, form->path, form->fields, ProductColumnValues(*product)) : 0;
            if (announce && learned == 0)
                MsgBox(tr("Nothing to remember: no field of this form holds a value of the product, "
                          "and none that Fill all filled was emptied."),
                       Msg::Buttons::Ok, Msg::Icon::Information);
            else if (announce)
                MsgBox(tr("Remembered %1 fields of this site's form.").arg(learned), Msg::Buttons::Ok,
                       Msg::Icon::Information);
            else if (learned > 0)
                StatusBar1Panel1->setText(tr("Learned %1 fields of this site's form").arg(learned));
        });
    });
}

void frmMain::RememberThisForm() {
    Trap(QStringLiteral("Error in RememberThisForm: "), [&] {
        const qint32 productID = SelectedProductID();
        const QTreeWidgetItem* site = SiteRow::SelectedItem(lvwSites);
        if (productID == 0 || !site) {
            MsgBox(tr("Please choose the product and select the site whose form is shown."), Msg::Buttons::Ok,
                   Msg::Icon::Exclamation);
            return;
        }
        if (!PageIsOnSite(SiteRow::IdOf(site), webSite->url())) {
            MsgBox(tr("The page shown is not on the selected site: visit the site, then remember its "
                      "form."),
                   Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        LearnShownForm(SiteRow::IdOf(site), productID, true);
    });
}

void frmMain::ExportFormMaps() {
    Trap(QStringLiteral("Error in ExportFormMaps: "), [&] {
        const QString path =
            GetSaveFileName(this, tr("Export form maps"), QDir::homePath() + QStringLiteral("/form-maps.json"),
                            tr("Form maps (*.json)"));
        if (path.isEmpty())
            return;
        WriteWholeFile(path, FormMapsJson());
        MsgBox(tr("The form maps were written to %1.").arg(QDir::toNativeSeparators(path)), Msg::Buttons::Ok,
               Msg::Icon::Information);
    });
}

void frmMain::ImportFormMaps() {
    Trap(QStringLiteral("Error in ImportFormMaps: "), [&] {
        const QString path =
            GetOpenFileName(this, tr("Import form maps"), QDir::homePath(), tr("Form maps (*.json);;All files (*)"));
        if (path.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw Failure(tr("%1 could not be read: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        FormMapImport result;
        try {
            result = ::ImportFormMaps(file.readAll());
        } catch (const FormMapFileFault& fault) {
            MsgBox(tr("%1 is not a file of form maps, and nothing was imported: %2")
                       .arg(QDir::toNativeSeparators(path), fault.description()),
                   Msg::Buttons::Ok, Msg::Icon::Exclamation);
            return;
        }
        MsgBox(tr("Imported %1 learned fields; %2 entries name no site of the archive.")
                   .arg(result.stored)
                   .arg(result.unmatched),
               Msg::Buttons::Ok, Msg::Icon::Information);
    });
}
