// File / "Export report...": the chosen product's standing on every site, as a spreadsheet or a printable page.
#include "FileDialog.h"
#include "MessageBox.h"
#include "SiteRow.h"
#include "SubmissionReport.h"
#include "Trap.h"
#include "frmMain.h"

#include <QComboBox>
#include <QDir>

void frmMain::ExportReport() {
    Trap(QStringLiteral("Error in ExportReport: "), [&] {
        const qint32 productID = SelectedProductID();
        if (productID == 0) {
            MsgBox(tr("Please choose a product: the report shows its standing on every site."), Msg::Buttons::Ok,
                   Msg::Icon::Exclamation);
            return;
        }
        const QString product = cboProducts->currentText();
        const QString path =
            GetSaveFileName(this, tr("Export report"),
                            QDir::homePath() + QLatin1Char('/') +
                                SuggestedFileName(product, QStringLiteral("report"), QStringLiteral(".csv")),
                            tr("Spreadsheet (*.csv);;Printable page (*.html *.htm)"));
        if (path.isEmpty())
            return;
        // The sites the list shows come first, in its order; the ones a filter hides follow.
        WriteSubmissionReport(path, product, ReadSubmissionReport(productID, SiteRow::ShownIds(lvwSites)));
        MsgBox(tr("The report was written to %1.").arg(QDir::toNativeSeparators(path)), Msg::Buttons::Ok,
               Msg::Icon::Information);
    });
}
