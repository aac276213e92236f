#include "ProductFields.h"

#include "DateText.h"

#include <algorithm>

namespace {

using Kind = ProductField::Kind;
using Pad = PadProduct;

ProductField field(const char* column, Kind kind, QString cProduct::*text, const char* box, const char* caption,
                   std::optional<QString> Pad::*pad, const char* pasteName = "", int pastePosition = 0) {
    return {
        QString::fromLatin1(column),    kind,         text, QString::fromLatin1(box), QString::fromUtf8(caption), pad,
        QString::fromLatin1(pasteName), pastePosition};
}

} // namespace

const QList<ProductField>& ProductFields() {
    static const QList<ProductField> fields{
        field("name", Kind::Line, &cProduct::Name, "txtName", "Name", &Pad::Name, "Name", 1),
        field("padURL", Kind::Line, &cProduct::PADurl, "txtPadUrl", "PAD location", &Pad::PadLocation),
        field("version", Kind::Line, &cProduct::Version, "txtVersion", "Version", &Pad::Version, "Version", 4),
        field("author", Kind::Line, &cProduct::Author, "txtAuthor", "Author", &Pad::Author),
        field("emailAuthor", Kind::Line, &cProduct::EmailAuthor, "txtEmailAuthor", "Email", &Pad::Email),
        field("sizeKB", Kind::Line, &cProduct::SizeKB, "txtSizeKB", "Size KB", &Pad::SizeKB, "sizeKB", 5),
        field("programURL", Kind::Line, &cProduct::ProgramURL, "txtProgramURL", "Program URL", &Pad::ProgramUrl,
              "programURL", 6),
        field("screenShot", Kind::Line, &cProduct::ScreenShot, "txtScreenshot", "Screenshot", &Pad::Screenshot,
              "ScreenShot", 7),
        field("exeDownload_1", Kind::Line, &cProduct::ExeDownload_1, "txtExeDownload_1", "Download 1", &Pad::Download1,
              "ExeDownload_1", 8),
        field("exeDownload_2", Kind::Line, &cProduct::ExeDownload_2, "txtExeDownload_2", "Download 2", &Pad::Download2,
              "ExeDownload_2", 9),
        field("shortDescription", Kind::Lines, &cProduct::ShortDescription, "txtShortDescription", "Short description",
              &Pad::ShortDescription, "ShortDescription", 10),
        field("longDescription", Kind::Lines, &cProduct::LongDescription, "txtLongDescription", "Long description",
              &Pad::LongDescription, "LongDescription", 11),
        field("keywords", Kind::Lines, &cProduct::Keywords, "txtKeywords", "Keywords", &Pad::Keywords),
        field("icoURL", Kind::Line, &cProduct::IcoURL, "txtIcoURL", "Icon file", &Pad::IconUrl),
        field("linkBack", Kind::Line, &cProduct::LinkBack, "txtLinkBack", "Link back", nullptr, "LinkBack", 2),
        field("buyURL", Kind::Line, &cProduct::BuyURL, "txtBuyURL", "Buy URL", &Pad::BuyUrl, "BuyURL", 3),
        field("paymentRegNow", Kind::Line, &cProduct::PaymentRegNow, "txtPaymentRegNow", "RegNow", &Pad::RegNow),
        field("paymentShareIt", Kind::Line, &cProduct::PaymentShareIt, "txtPaymentShareIt", "Share-it", &Pad::ShareIt,
              "PaymentShareIt", 12),
        field("limitations", Kind::Lines, &cProduct::Limitations, "txtLimitations", "Limitations", &Pad::Limitations),
        field("recentChanges", Kind::Lines, &cProduct::RecentChanges, "txtRecentChanges", "Recent changes",
              &Pad::RecentChanges),
        field("fullChangeLog", Kind::Lines, &cProduct::FullChangeLog, "txtFullChangeLog", "Full changelog", nullptr),
        field("releaseDate", Kind::Date, nullptr, "dtpReleaseDate", "Release date", nullptr),
    };
    return fields;
}

QVariantMap ProductColumnValues(const cProduct& product) {
    QVariantMap values;
    for (const ProductField& f : ProductFields()) {
        values.insert(f.column, f.text ? product.*f.text
                                       : (product.ReleaseDate.isValid() ? DbDateText(product.ReleaseDate) : QString()));
    }
    return values;
}

const ProductField* ProductFieldOfColumn(const QString& column) {
    for (const ProductField& f : ProductFields()) {
        if (f.column == column)
            return &f;
    }
    return nullptr;
}

const QStringList& PasteNames() {
    static const QStringList names = [] {
        QList<const ProductField*> offered;
        for (const ProductField& f : ProductFields()) {
            if (f.pastePosition > 0)
                offered << &f;
        }
        std::sort(offered.begin(), offered.end(),
                  [](const ProductField* a, const ProductField* b) { return a->pastePosition < b->pastePosition; });
        QStringList all;
        for (const ProductField* f : offered)
            all << f->pasteName;
        return all;
    }();
    return names;
}

const ProductField* ProductFieldOfPasteName(const QString& pasteName) {
    if (pasteName.isEmpty())
        return nullptr;
    for (const ProductField& f : ProductFields()) {
        if (f.pasteName == pasteName)
            return &f;
    }
    return nullptr;
}
