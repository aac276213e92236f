-- Write-ahead logging: a row committed on its own (an imported site, a status change) costs no sync of
-- the whole file, and readers never wait for a writer. The setting stays with the file.
PRAGMA journal_mode = WAL;

-- The four tables of the archive, created empty; the program itself never creates or alters a table.
-- Keys are auto-increment integers, booleans are 0/1 and never null, date-times are ISO 8601 text
-- (YYYY-MM-DD HH:MM:SS, dates YYYY-MM-DD) so that ordering and MAX are chronological.

CREATE TABLE tab_sites (
    siteID      INTEGER PRIMARY KEY AUTOINCREMENT,
    name        TEXT COLLATE NOCASE,
    homePage    TEXT,
    submitUrl   TEXT COLLATE NOCASE,
    rank        INTEGER,
    userID      TEXT,
    password    TEXT,
    notes       TEXT,
    autoUpdate  INTEGER NOT NULL DEFAULT 0 CHECK (autoUpdate IN (0, 1)),
    authReq     INTEGER NOT NULL DEFAULT 0 CHECK (authReq IN (0, 1)),
    bookmark    INTEGER NOT NULL DEFAULT 0 CHECK (bookmark IN (0, 1)),
    insertDate  TEXT,
    updateDate  TEXT
);

CREATE TABLE tab_products (
    productID        INTEGER PRIMARY KEY AUTOINCREMENT,
    name             TEXT COLLATE NOCASE,
    padURL           TEXT,
    version          TEXT,
    author           TEXT,
    emailAuthor      TEXT,
    sizeKB           TEXT,
    programURL       TEXT,
    screenShot       TEXT,
    exeDownload_1    TEXT,
    exeDownload_2    TEXT,
    shortDescription TEXT,
    longDescription  TEXT,
    keywords         TEXT,
    icoURL           TEXT,
    linkBack         TEXT,
    buyURL           TEXT,
    paymentRegNow    TEXT,
    paymentShareIt   TEXT,
    limitations      TEXT,
    recentChanges    TEXT,
    fullChangeLog    TEXT,
    releaseDate      TEXT
);

CREATE TABLE tab_productStatus (
    IDproductStatus INTEGER PRIMARY KEY AUTOINCREMENT,
    siteID          INTEGER NOT NULL,
    productID       INTEGER NOT NULL,
    submitStatus    INTEGER NOT NULL,
    oldVersion      INTEGER NOT NULL DEFAULT 0 CHECK (oldVersion IN (0, 1)),
    notes           TEXT,
    insertDate      TEXT NOT NULL,
    updateDate      TEXT NOT NULL
);
-- The site list asks for one product's statuses on every rebuild; the home page counts them by status
-- and by old-version flag. Both indexes cover their queries, so the table itself is not read.
CREATE INDEX ix_productStatus_product ON tab_productStatus (productID, submitStatus, siteID, oldVersion);
CREATE INDEX ix_productStatus_old ON tab_productStatus (productID, oldVersion);
-- A pair's row is found by its site; the home page finds the rows of deleted sites by ranges of site IDs.
CREATE INDEX ix_productStatus_site ON tab_productStatus (siteID, productID);
-- The home page shows the latest status change.
CREATE INDEX ix_productStatus_updated ON tab_productStatus (updateDate);

CREATE TABLE tab_productHistory (
    IDproductHistory INTEGER PRIMARY KEY AUTOINCREMENT,
    siteID           INTEGER NOT NULL,
    productID        INTEGER NOT NULL,
    submitStatus     INTEGER NOT NULL,
    version          TEXT NOT NULL,
    opDate           TEXT NOT NULL,
    notes            TEXT
);
CREATE INDEX ix_productHistory_pair ON tab_productHistory (siteID, productID, opDate);
-- The home page counts the changes of the last weeks.
CREATE INDEX ix_productHistory_date ON tab_productHistory (opDate);
