#include "HomePage.h"

#include "AppInfo.h"
#include "ArchiveTotals.h"
#include "DateText.h"
#include "Trap.h"

#include <cmath>
#include <optional>

namespace {

// The link text is the maker's address without its scheme.
QString makerAddressText() {
    QString text = AppInfo::ProductWebPage;
    text.remove(QStringLiteral("http://"));
    if (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return text;
}

// A count as a whole percentage of the sites, halves away from zero; 0 when there are no sites.
qint64 PercentOfSites(qint32 count, qint32 totalSites) {
    if (totalSites <= 0)
        return 0;
    return std::llround(double(count) * 100.0 / double(totalSites));
}

} // namespace

QString HomePageHtml(const QString& message) {
    QString page = QStringLiteral(
        "<HTML><BODY bgcolor=\"#000033\" TEXT=\"#FFFFFF\" link=\"#FFFFFF\" alink=\"#FFFFFF\" vlink=\"#FFFFFF\">"
        "<CENTER><H1>Quillomar PAD Submitter</H1></CENTER></BODY></HTML>");
    page += QStringLiteral("<center><p><a href='%1' target='_blank'>%2</a></p></center>")
                .arg(AppInfo::ProductWebPage.toHtmlEscaped(), makerAddressText().toHtmlEscaped());
    page += QStringLiteral("<center><p><b>Version ") + AppInfo::Version + QStringLiteral("</b><br>Build ") +
            AppInfo::Build + QStringLiteral("</p></center>");
    page += QStringLiteral("<center>") + message.toHtmlEscaped() + QStringLiteral("</center>");

    // An archive that cannot be opened fails the page, for its caller to report. A read that fails shows one box,
    // and the page shows the figures read before it, never a made-up one.
    const ArchiveTotals archive;
    std::optional<qint32> totalPadSites;
    std::optional<qint32> totalProducts;
    QDateTime last;
    std::optional<QList<ProductCounts>> products;
    Trap(QStringLiteral("Error in HomePageHtml: "), [&] {
        totalPadSites = archive.CountSites();
        totalProducts = archive.CountProducts();
        last = archive.LastOperationDate();
        products = archive.ReadProductCounts();
    });
    if (!totalPadSites || !totalProducts)
        return page + QStringLiteral("<p>The archive's counts could not be read.</p></BODY></HTML>");

    if (last.isValid())
        page += QStringLiteral("<P align='center'>Last operation date time: ") + DateTimeDisplayText(last) +
                QStringLiteral("</p>");
    page += QStringLiteral("<p>Total PAD sites in archive: %1</p><p>Products in archive: %2</p>")
                .arg(*totalPadSites)
                .arg(*totalProducts);

    if (!products) {
        page += QStringLiteral("<p>The per-product counts could not be read.</p>");
    } else if (products->isEmpty()) {
        page += QStringLiteral("<p>No products in archive.  Use the 'New' button below or the menu item "
                               "'Products-> Add Product' to create them. </p>");
    } else {
        page += QStringLiteral("<TABLE CELLSPACING=4 CELLPADDING=4 >"
                               "<TR BGCOLOR='#000022'><TD>Product</TD><TD>Submitted</TD><TD>Published</TD>"
                               "<TD>Remaining</TD><TD>With OLD version flag</TD></TR>");
        for (const ProductCounts& product : *products) {
            // Two status rows for one pair (never written by the program) must not make anything negative or
            // beyond the whole.
            const qint32 remaining = qMax(0, *totalPadSites - product.submitted - product.published);
            const auto number = [](qint64 n) { return QString::number(n); };
            // One pass over all values: a product name holding "%1" must stay text.
            page += QStringLiteral("<TR BGCOLOR='#000044'><TD>%1 </TD><TD> %2</TD><TD>%3</TD>"
                                   "<TD><font color='red'>%4 (%5%)</font></TD><TD>%6 (%7%)</TD></TR>")
                        .arg(product.name.toHtmlEscaped(), number(product.submitted), number(product.published),
                             number(remaining), number(PercentOfSites(remaining, *totalPadSites)),
                             number(product.oldVersion),
                             number(PercentOfSites(qMin(product.oldVersion, *totalPadSites), *totalPadSites)));
        }
        page += QStringLiteral("</TABLE>");
    }
    return page + QStringLiteral("</BODY></HTML>");
}
