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
        field("name", Kind::Line, &cProduct::Name, "txtName", QT_TRANSLATE_NOOP("ProductFields", "Name"), &Pad::Name,
              "Name", 1),
        field("padURL", Kind::Line, &cProduct::PADurl, "txtPadUrl", QT_TRANSLATE_NOOP("ProductFields", "PAD location"),
              &Pad::PadLocation),
        field("version", Kind::Line, &cProduct::Version, "txtVersion", QT_TRANSLATE_NOOP("ProductFields", "Version"),
              &Pad::Version, "Version", 4),
        field("author", Kind::Line, &cProduct::Author, "txtAuthor", QT_TRANSLATE_NOOP("ProductFields", "Author"),
              &Pad::Author),
        field("emailAuthor", Kind::Line, &cProduct::EmailAuthor, "txtEmailAuthor",
              QT_TRANSLATE_NOOP("ProductFields", "Email"), &Pad::Email),
        field("sizeKB", Kind::Line, &cProduct::SizeKB, "txtSizeKB", QT_TRANSLATE_NOOP("ProductFields", "Size KB"),
              &Pad::SizeKB, "sizeKB", 5),
        field("programURL", Kind::Line, &cProduct::ProgramURL, "txtProgramURL",
              QT_TRANSLATE_NOOP("ProductFields", "Program URL"), &Pad::ProgramUrl, "programURL", 6),
        field("screenShot", Kind::Line, &cProduct::ScreenShot, "txtScreenshot",
              QT_TRANSLATE_NOOP("ProductFields", "Screenshot"), &Pad::Screenshot, "ScreenShot", 7),
        field("exeDownload_1", Kind::Line, &cProduct::ExeDownload_1, "txtExeDownload_1",
              QT_TRANSLATE_NOOP("ProductFields", "Download 1"), &Pad::Download1, "ExeDownload_1", 8),
        field("exeDownload_2", Kind::Line, &cProduct::ExeDownload_2, "txtExeDownload_2",
              QT_TRANSLATE_NOOP("ProductFields", "Download 2"), &Pad::Download2, "ExeDownload_2", 9),
        field("shortDescription", Kind::Lines, &cProduct::ShortDescription, "txtShortDescription",
              QT_TRANSLATE_NOOP("ProductFields", "Short description"), &Pad::ShortDescription, "ShortDescription", 10),
        field("longDescription", Kind::Lines, &cProduct::LongDescription, "txtLongDescription",
              QT_TRANSLATE_NOOP("ProductFields", "Long description"), &Pad::LongDescription, "LongDescription", 11),
        field("keywords", Kind::Lines, &cProduct::Keywords, "txtKeywords",
              QT_TRANSLATE_NOOP("ProductFields", "Keywords"), &Pad::Keywords),
        field("icoURL", Kind::Line, &cProduct::IcoURL, "txtIcoURL", QT_TRANSLATE_NOOP("ProductFields", "Icon file"),
              &Pad::IconUrl),
        field("linkBack", Kind::Line, &cProduct::LinkBack, "txtLinkBack",
              QT_TRANSLATE_NOOP("ProductFields", "Link back"), nullptr, "LinkBack", 2),
        field("buyURL", Kind::Line, &cProduct::BuyURL, "txtBuyURL", QT_TRANSLATE_NOOP("ProductFields", "Buy URL"),
              &Pad::BuyUrl, "BuyURL", 3),
        field("paymentRegNow", Kind::Line, &cProduct::PaymentRegNow, "txtPaymentRegNow",
              QT_TRANSLATE_NOOP("ProductFields", "RegNow"), &Pad::RegNow),
        field("paymentShareIt", Kind::Line, &cProduct::PaymentShareIt, "txtPaymentShareIt",
              QT_TRANSLATE_NOOP("ProductFields", "Share-it"), &Pad::ShareIt, "PaymentShareIt", 12),
        field("limitations", Kind::Lines, &cProduct::Limitations, "txtLimitations",
              QT_TRANSLATE_NOOP("ProductFields", "Limitations"), &Pad::Limitations),
        field("recentChanges", Kind::Lines, &cProduct::RecentChanges, "txtRecentChanges",
              QT_TRANSLATE_NOOP("ProductFields", "Recent changes"), &Pad::RecentChanges),
        field("fullChangeLog", Kind::Lines, &cProduct::FullChangeLog, "txtFullChangeLog",
              QT_TRANSLATE_NOOP("ProductFields", "Full changelog"), nullptr),
        field("releaseDate", Kind::Date, nullptr, "dtpReleaseDate", QT_TRANSLATE_NOOP("ProductFields", "Release date"),
              nullptr),
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
