#pragma once

#include <QDate>
#include <QString>

#include <optional>

// One row of tab_products: the PAD description of one of the user's products.
class cProduct final {
public:
    qint32 ProductID = 0;
    QString Name;
    QString PADurl;
    QString Version;
    QString Author;
    QString EmailAuthor;
    QString SizeKB; // the text the user typed
    QString ProgramURL;
    QString ScreenShot;
    QString ExeDownload_1;
    QString ExeDownload_2;
    QString ShortDescription;
    QString LongDescription;
    QString LinkBack;
    QString BuyURL;
    QString PaymentRegNow;
    QString PaymentShareIt;
    QString Keywords;
    QString IcoURL;
    QString Limitations;
    QString RecentChanges;
    QString FullChangeLog;
    QDate ReleaseDate; // a null date: the product has no release date, stored as null

    // The row of that key; none when there is no such row. Throws Failure when it cannot be read.
    static std::optional<cProduct> Read(qint32 productID);
    // Reads the row of ProductID; a missing row changes nothing. False when it failed ("Error in Load: " shown);
    // then nothing changed either.
    bool Load();
    // Appends a new row and reads its key into ProductID. False when it failed ("Error in Save: " shown).
    bool Save();
    // Writes every field to the row of ProductID; a missing row changes nothing.
    // False when it failed ("Error in Update: " shown).
    bool Update();
};
