#include "HomePage.h"

#include "AppInfo.h"
#include "ArchiveTotals.h"
#include "DateText.h"
#include "ProductQueries.h"
#include "Trap.h"

#include <cmath>

namespace {

qint32 GetProductSubmitsByStatus(qint32 productID, qint16 status) {
    qint32 count = -1;
    Trap(QStringLiteral("Error in GetProductSubmitsByStatus: "),
         [&] { count = CountProductStatus(productID, status); });
    return count;
}

qint32 GetProductWithOldVersionFlag(qint32 productID) {
    qint32 count = -1;
    Trap(QStringLiteral("Error in GetProductWithOldVersionFlag: "), [&] { count = CountProductOldVersion(productID); });
    return count;
}

// The link text is the maker's address without its scheme.
QString makerAddressText() {
    QString text = AppInfo::ProductWebPage;
    text.remove(QStringLiteral("http://"));
    if (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return text;
}

} // namespace

qint64 PercentOfSites(qint32 count, qint32 totalSites) {
    if (totalSites <= 0)
        return 0;
    return std::llround(double(count) * 100.0 / double(totalSites));
}

QString HomePageHtml(const QString& message) {
    QString page = QStringLiteral(
        "<HTML><BODY bgcolor=\"#000033\" TEXT=\"#FFFFFF\" link=\"#FFFFFF\" alink=\"#FFFFFF\" vlink=\"#FFFFFF\">"
        "<CENTER><H1>Quillomar PAD Submitter</H1></CENTER></BODY></HTML>");
    page += QStringLiteral("<center><p><a href='%1' target='_blank'>%2</a></p></center>")
                .arg(AppInfo::ProductWebPage.toHtmlEscaped(), makerAddressText().toHtmlEscaped());
    page += QStringLiteral("<center><p><b>Version ") + AppInfo::Version + QStringLiteral("</b><br>Build ") +
            AppInfo::Build + QStringLiteral("</p></center>");
    page += QStringLiteral("<center>") + message.toHtmlEscaped() + QStringLiteral("</center>");

    const qint32 totalPadSites = CountSites();
    if (const QDateTime last = LastOperationDate(); last.isValid())
        page += QStringLiteral("<P align='center'>Last operation date time: ") + DateTimeDisplayText(last) +
                QStringLiteral("</p>");
    const qint32 totalProducts = CountProducts();
    page += QStringLiteral("<p>Total PAD sites in archive: %1</p><p>Products in archive: %2</p>")
                .arg(totalPadSites)
                .arg(totalProducts);

    if (totalProducts == 0) {
        page += QStringLiteral("<p>No products in archive.  Use the 'New' button below or the menu item "
                               "'Products-> Add Product' to create them. </p>");
    } else {
        page += QStringLiteral("<TABLE CELLSPACING=4 CELLPADDING=4 >"
                               "<TR BGCOLOR='#000022'><TD>Product</TD><TD>Submitted</TD><TD>Published</TD>"
                               "<TD>Remaining</TD><TD>With OLD version flag</TD></TR>");
        for (const ProductName& product : ReadProductNames(false)) {
            const qint32 submitted = GetProductSubmitsByStatus(product.productID, 1);
            const qint32 published = GetProductSubmitsByStatus(product.productID, 2);
            const qint32 remaining = totalPadSites - submitted - published;
            const qint32 old = GetProductWithOldVersionFlag(product.productID);
            const auto number = [](qint64 n) { return QString::number(n); };
            // One pass over all values: a product name holding "%1" must stay text.
            page += QStringLiteral("<TR BGCOLOR='#000044'><TD>%1 </TD><TD> %2</TD><TD>%3</TD>"
                                   "<TD><font color='red'>%4 (%5%)</font></TD><TD>%6 (%7%)</TD></TR>")
                        .arg(product.name.toHtmlEscaped(), number(submitted), number(published), number(remaining),
                             number(PercentOfSites(remaining, totalPadSites)), number(old),
                             number(PercentOfSites(old, totalPadSites)));
        }
        page += QStringLiteral("</TABLE>");
    }
    return page + QStringLiteral("</BODY></HTML>");
}
