<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The archive %1 does not exist.</source>
        <translation>Das Archiv %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The archive could not be backed up before this change: %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>Das Archiv konnte vor dieser Änderung nicht gesichert werden: %1<byte value="xd"/>
<byte value="xd"/>
Ohne Sicherung fortfahren?</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>%1 is the archive itself.</source>
        <translation>%1 ist das Archiv selbst.</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>es gibt keine Datei %1</translation>
    </message>
    <message>
        <source>it is the archive itself</source>
        <translation>sie ist das Archiv selbst</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>sie ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>it holds no table %1</source>
        <translation>sie enthält keine Tabelle %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>ihre Tabelle %1 hat keine Spalte %2</translation>
    </message>
    <message>
        <source>it cannot be read as a database (%1)</source>
        <translation>sie kann nicht als Datenbank gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>BrowserProfile</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; ist kein Produktfeld</translation>
    </message>
</context>
<context>
    <name>CheckableDateEdit</name>
    <message>
        <source>Check to give a date</source>
        <translation>Ankreuzen, um ein Datum anzugeben</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>Hat ein Datum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>ColumnValues</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>EditorValues</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>FormFiller</name>
    <message>
        <source>Filled 1 field</source>
        <translation>1 Feld ausgefüllt</translation>
    </message>
    <message>
        <source>Filled %1 fields</source>
        <translation>%1 Felder ausgefüllt</translation>
    </message>
    <message>
        <source>. Left empty: %1</source>
        <translation>. Leer gelassen: %1</translation>
    </message>
    <message>
        <source>. Shortened to fit: %1</source>
        <translation>. Passend gekürzt: %1</translation>
    </message>
    <message>
        <source> (%1 from this site&apos;s form, %2 by their words)</source>
        <translation> (%1 aus dem Formular dieser Website, %2 nach ihren Wörtern)</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>Left empty, for you to fill or choose:</source>
        <translation>Leer gelassen, zum Ausfüllen oder Auswählen durch Sie:</translation>
    </message>
    <message>
        <source>Left empty, as two meanings fit equally well:</source>
        <translation>Leer gelassen, da zwei Bedeutungen gleich gut passen:</translation>
    </message>
    <message>
        <source>Shortened to fit:</source>
        <translation>Passend gekürzt:</translation>
    </message>
</context>
<context>
    <name>FormMapFile</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>the file holds no &quot;%1&quot; list</source>
        <translation>die Datei enthält keine Liste &quot;%1&quot;</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a text</source>
        <translation>&quot;%1&quot; fehlt oder ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; or &quot;%2&quot; is empty</source>
        <translation>&quot;%1&quot; oder &quot;%2&quot; ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no product column</source>
        <translation>&quot;%1&quot; ist keine Produktspalte</translation>
    </message>
</context>
<context>
    <name>HelpManual</name>
    <message>
        <source>The user manual was not found. It should be at %1</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Es sollte unter %1 liegen</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>%1 published, %2 submitted, %3 remaining</source>
        <translation>%1 veröffentlicht, %2 eingereicht, %3 verbleibend</translation>
    </message>
    <message>
        <source>status changes per week</source>
        <translation>Statusänderungen pro Woche</translation>
    </message>
    <message>
        <source>Status changes per week, the last %1 weeks:</source>
        <translation>Statusänderungen pro Woche, die letzten %1 Wochen:</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>The archive&apos;s counts could not be read.</source>
        <translation>Die Zahlen des Archivs konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Last operation date time: %1</source>
        <translation>Datum und Uhrzeit des letzten Vorgangs: %1</translation>
    </message>
    <message>
        <source>Total PAD sites in archive: %1</source>
        <translation>PAD-Websites im Archiv insgesamt: %1</translation>
    </message>
    <message>
        <source>Products in archive: %1</source>
        <translation>Produkte im Archiv: %1</translation>
    </message>
    <message>
        <source>No PAD sites in archive.  Use the menu item &apos;PAD Sites-&gt; Import sites from a list...&apos; to bring in a list, or &apos;PAD Sites-&gt; New site&apos; to add one. </source>
        <translation>Keine PAD-Websites im Archiv.  Verwenden Sie den Menüpunkt „PAD-Websites -&gt; Websites aus einer Liste importieren...“, um eine Liste einzulesen, oder „PAD-Websites -&gt; Neue Website“, um eine hinzuzufügen. </translation>
    </message>
    <message>
        <source>The per-product counts could not be read.</source>
        <translation>Die Zahlen pro Produkt konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No products in archive.  Use the &apos;New&apos; button below or the menu item &apos;Products-&gt; Add Product&apos; to create them. </source>
        <translation>Keine Produkte im Archiv.  Verwenden Sie die Schaltfläche „Neu“ unten oder den Menüpunkt „Produkte -&gt; Produkt hinzufügen“, um welche anzulegen. </translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Eingereicht</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Veröffentlicht</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>With OLD version flag</source>
        <translation>Mit Markierung ALTE Version</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>it is not a text file: it holds control characters</source>
        <translation>es ist keine Textdatei: sie enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the value %2 does not fit the file&apos;s encoding</source>
        <translation>%1 kann nicht geschrieben werden: Der Wert %2 passt nicht zur Kodierung der Datei</translation>
    </message>
</context>
<context>
    <name>PadDownload</name>
    <message>
        <source>The answer is larger than 5 MB, too large for a PAD file.</source>
        <translation>Die Antwort ist größer als 5 MB, zu groß für eine PAD-Datei.</translation>
    </message>
    <message>
        <source>The address redirects more than 5 times.</source>
        <translation>Die Adresse leitet mehr als 5-mal weiter.</translation>
    </message>
    <message>
        <source>The address redirects from https to plain http, which is not followed.</source>
        <translation>Die Adresse leitet von https auf unverschlüsseltes http weiter; dem wird nicht gefolgt.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1.</source>
        <translation>Der Server antwortete mit HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 (%2).</source>
        <translation>Der Server antwortete mit HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Keine Antwort von %1: %2.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Keine Antwort von %1 innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be read.</source>
        <translation>Nur http- und https-Adressen können gelesen werden.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>Release date: year &quot;%1&quot;, month &quot;%2&quot;, day &quot;%3&quot; is not a date.</source>
        <translation>Veröffentlichungsdatum: Jahr „%1“, Monat „%2“, Tag „%3“ ist kein Datum.</translation>
    </message>
    <message>
        <source>Size KB: %1 &quot;%2&quot; is not a number.</source>
        <translation>Größe KB: %1 „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The file is larger than 5 MB, too large for a PAD file.</source>
        <translation>Die Datei ist größer als 5 MB, zu groß für eine PAD-Datei.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file declares entities in a document type (line %1, column %2); a PAD file has none, so it is not read.</source>
        <translation>Die Datei deklariert Entitäten in einer Dokumenttypdefinition (Zeile %1, Spalte %2); eine PAD-Datei hat keine, daher wird sie nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is not a PAD file: its root element is &lt;%1&gt;, not &lt;%2&gt;.</source>
        <translation>Die Datei ist keine PAD-Datei: Ihr Wurzelelement ist &lt;%1&gt;, nicht &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3.</source>
        <translation>Die Datei ist kein XML (Zeile %1, Spalte %2): %3.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1, column %2): %3.</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %1, Spalte %2): %3.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
</context>
<context>
    <name>PadRepair</name>
    <message>
        <source>line </source>
        <translation>Zeile </translation>
    </message>
    <message>
        <source>lines </source>
        <translation>Zeilen </translation>
    </message>
    <message>
        <source>A bare &amp; on %1 was read as the character &amp;.</source>
        <translation>Ein einzelnes &amp; in %1 wurde als Zeichen &amp; gelesen.</translation>
    </message>
    <message>
        <source>An end tag in other letter case than its start tag on %1 was read as closing it.</source>
        <translation>Ein End-Tag in anderer Groß- und Kleinschreibung als sein Start-Tag in %1 wurde als dessen Abschluss gelesen.</translation>
    </message>
</context>
<context>
    <name>PadUpdate</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
</context>
<context>
    <name>ProductFields</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>PAD location</source>
        <translation>PAD-Adresse</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Size KB</source>
        <translation>Größe KB</translation>
    </message>
    <message>
        <source>Program URL</source>
        <translation>Programm-URL</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Download 1</source>
        <translation>Download 1</translation>
    </message>
    <message>
        <source>Download 2</source>
        <translation>Download 2</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Kurzbeschreibung</translation>
    </message>
    <message>
        <source>Long description</source>
        <translation>Ausführliche Beschreibung</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Icon file</source>
        <translation>Symboldatei</translation>
    </message>
    <message>
        <source>Link back</source>
        <translation>Backlink</translation>
    </message>
    <message>
        <source>Buy URL</source>
        <translation>Kauf-URL</translation>
    </message>
    <message>
        <source>RegNow</source>
        <translation>RegNow</translation>
    </message>
    <message>
        <source>Share-it</source>
        <translation>Share-it</translation>
    </message>
    <message>
        <source>Limitations</source>
        <translation>Einschränkungen</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Full changelog</source>
        <translation>Vollständiges Änderungsprotokoll</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Veröffentlichungsdatum</translation>
    </message>
</context>
<context>
    <name>ProgramDirectory</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No data folder is known for this user, so the database cannot be set up. Check that the HOME variable names your home folder.</source>
        <translation>Für diesen Benutzer ist kein Datenordner bekannt, daher kann die Datenbank nicht eingerichtet werden. Prüfen Sie, ob die Variable HOME Ihren Benutzerordner nennt.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be set up:</source>
        <translation>Der Datenordner %1 konnte nicht eingerichtet werden:</translation>
    </message>
    <message>
        <source>the folder cannot be created.</source>
        <translation>der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is missing from the installation; reinstall the program.</source>
        <translation>%1 fehlt in der Installation; installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>RecordGone</name>
    <message>
        <source>This product no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Dieses Produkt existiert nicht mehr im Archiv: Ein anderes Fenster oder Programm hat es gelöscht. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>This site no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Diese Website existiert nicht mehr im Archiv: Ein anderes Fenster oder Programm hat sie gelöscht. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>SettingValue</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>SiteChecker</name>
    <message>
        <source>The server&apos;s name was not found.</source>
        <translation>Der Name des Servers wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Der Server hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Der Server hat die Verbindung ohne Antwort geschlossen.</translation>
    </message>
    <message>
        <source>The secure connection failed (TLS): %1</source>
        <translation>Die sichere Verbindung ist fehlgeschlagen (TLS): %1</translation>
    </message>
    <message>
        <source>Not a web address.</source>
        <translation>Keine Webadresse.</translation>
    </message>
    <message>
        <source>No answer within %1 s.</source>
        <translation>Keine Antwort innerhalb von %1 s.</translation>
    </message>
    <message>
        <source>More than %1 redirects.</source>
        <translation>Mehr als %1 Weiterleitungen.</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, dann %2</translation>
    </message>
</context>
<context>
    <name>SiteChecks</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Umgezogen</translation>
    </message>
    <message>
        <source>Redirected</source>
        <translation>Weitergeleitet</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Verschwunden</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>Unreachable</source>
        <translation>Nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>SiteImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The line has no site name and submit address separated by &apos;%1&apos;.</source>
        <translation>Die Zeile enthält keinen Website-Namen und keine Einreichungsadresse, getrennt durch &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
</context>
<context>
    <name>SiteList</name>
    <message>
        <source>Error SubmitUrl is null</source>
        <translation>Fehler: SubmitUrl ist leer</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Submit Url</source>
        <translation>Einreichungs-URL</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Old V.</source>
        <translation>Alte V.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>AU.</source>
        <translation>AA.</translation>
    </message>
    <message>
        <source>Loading... %1</source>
        <translation>Wird geladen... %1</translation>
    </message>
    <message>
        <source>Quillomar PAD Submitter - Elements: %1</source>
        <translation>Quillomar PAD Submitter - Einträge: %1</translation>
    </message>
</context>
<context>
    <name>SiteListFile</name>
    <message>
        <source>List of addresses</source>
        <translation>Adressliste</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>HTML links</source>
        <translation>HTML-Links</translation>
    </message>
    <message>
        <source>Markdown links</source>
        <translation>Markdown-Links</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>bereits in der Liste</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>keine Webadresse</translation>
    </message>
</context>
<context>
    <name>SubmissionReport</name>
    <message>
        <source>Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Einreichungsadresse</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Old version</source>
        <translation>Alte Version</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>SubmitStatus</name>
    <message>
        <source>Not submitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>NotSubmitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Eingereicht</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Veröffentlicht</translation>
    </message>
</context>
<context>
    <name>Trap</name>
    <message>
        <source>Error in: </source>
        <translation>Fehler in: </translation>
    </message>
    <message>
        <source>Error in %1: </source>
        <translation>Fehler in %1: </translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The certificate of %1 is not valid:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue to this site anyway?</source>
        <translation>Das Zertifikat von %1 ist ungültig:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Trotzdem diese Website öffnen?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quillomar PAD Submitter</source>
        <translation>Über Quillomar PAD Submitter</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
</context>
<context>
    <name>frmDuplicateSites</name>
    <message>
        <source>Find duplicate sites</source>
        <translation>Doppelte Websites suchen</translation>
    </message>
    <message>
        <source>Sites whose submit addresses are the same. Select the site to keep and merge its group into it: the statuses and history of the others move to it, then they are deleted.</source>
        <translation>Websites mit derselben Einreichungsadresse. Wählen Sie die zu behaltende Website und führen Sie ihre Gruppe darin zusammen: Status und Verlauf der anderen gehen auf sie über, danach werden diese gelöscht.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Submit URL</source>
        <translation>Einreichungs-URL</translation>
    </message>
    <message>
        <source>Statuses</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Keep this site, merge the group</source>
        <translation>Diese Website behalten, Gruppe zusammenführen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 Websites</translation>
    </message>
    <message>
        <source>No duplicate sites.</source>
        <translation>Keine doppelten Websites.</translation>
    </message>
    <message>
        <source>Merge %1 sites into &quot;%2&quot; and delete them?</source>
        <translation>%1 Websites in „%2“ zusammenführen und löschen?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Back up archive</source>
        <translation>Archiv sichern</translation>
    </message>
    <message>
        <source>Archive (*.db)</source>
        <translation>Archiv (*.db)</translation>
    </message>
    <message>
        <source>The archive was backed up to %1</source>
        <translation>Das Archiv wurde nach %1 gesichert</translation>
    </message>
    <message>
        <source>The archive was restored from %1</source>
        <translation>Das Archiv wurde aus %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Select in the combo box the program to update</source>
        <translation>Wählen Sie im Auswahlfeld das zu aktualisierende Programm</translation>
    </message>
    <message>
        <source>Stored from the PAD file: %1.</source>
        <translation>Aus der PAD-Datei gespeichert: %1.</translation>
    </message>
    <message>
        <source>New version of %1:</source>
        <translation>Neue Version von %1:</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Version changed from %1 to %2. Mark the %3 sites where this product is submitted or published, and which do not update from the PAD address themselves, as showing an old version?</source>
        <translation>Die Version wurde von %1 auf %2 geändert. Die %3 Websites, auf denen dieses Produkt eingereicht oder veröffentlicht ist und die sich nicht selbst über die PAD-Adresse aktualisieren, als „alte Version“ markieren?</translation>
    </message>
    <message>
        <source>Select one</source>
        <translation>Bitte auswählen</translation>
    </message>
    <message>
        <source> Quillomar Pad Submitter</source>
        <translation> Quillomar Pad Submitter</translation>
    </message>
    <message>
        <source> Quillomar Pad Submitter - %1</source>
        <translation> Quillomar Pad Submitter - %1</translation>
    </message>
    <message>
        <source>Select in the combo box the program to modify</source>
        <translation>Wählen Sie im Auswahlfeld das zu ändernde Programm</translation>
    </message>
    <message>
        <source>Select in the combo box the program to delete</source>
        <translation>Wählen Sie im Auswahlfeld das zu löschende Programm</translation>
    </message>
    <message>
        <source>Are you sure you want to delete product &apos;%1&apos; ? </source>
        <translation>Möchten Sie das Produkt „%1“ wirklich löschen? </translation>
    </message>
    <message>
        <source>Deleting Product &apos;%1&apos;</source>
        <translation>Produkt „%1“ löschen</translation>
    </message>
    <message>
        <source>Please choose a product: the report shows its standing on every site.</source>
        <translation>Bitte wählen Sie ein Produkt: Der Bericht zeigt seinen Stand auf jeder Website.</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv);;Printable page (*.html *.htm)</source>
        <translation>Tabelle (*.csv);;Druckbare Seite (*.html *.htm)</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Der Bericht wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Open PAD Site Submit URL</source>
        <translation>Einreichungsseite der PAD-Website öffnen</translation>
    </message>
    <message>
        <source>Open PAD Site HomePage</source>
        <translation>Startseite der PAD-Website öffnen</translation>
    </message>
    <message>
        <source>Visit Site HomePage in External Browser</source>
        <translation>Startseite der Website im externen Browser öffnen</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
    <message>
        <source>Toggle bookmark</source>
        <translation>Lesezeichen setzen/entfernen</translation>
    </message>
    <message>
        <source>Go to Next Bookmark</source>
        <translation>Zum nächsten Lesezeichen</translation>
    </message>
    <message>
        <source>Clear all bookmark</source>
        <translation>Alle Lesezeichen entfernen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Nicht eingereicht</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Eingereicht</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Veröffentlicht</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on selected elements</source>
        <translation>„Alte Version“ für ausgewählte Einträge setzen</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on ALL elements</source>
        <translation>„Alte Version“ für ALLE Einträge setzen</translation>
    </message>
    <message>
        <source>Set &quot;Actual Version&quot;</source>
        <translation>„Aktuelle Version“ setzen</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Web Site property...</source>
        <translation>Eigenschaften der Website...</translation>
    </message>
    <message>
        <source>Add new site...</source>
        <translation>Neue Website hinzufügen...</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Website löschen</translation>
    </message>
    <message>
        <source>End of the list</source>
        <translation>Ende der Liste</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all bookmarks? </source>
        <translation>Möchten Sie wirklich alle Lesezeichen entfernen? </translation>
    </message>
    <message>
        <source>Clear all bookmarks</source>
        <translation>Alle Lesezeichen entfernen</translation>
    </message>
    <message>
        <source>Bookmarks cleared</source>
        <translation>Lesezeichen entfernt</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected sites? </source>
        <translation>Möchten Sie die ausgewählten Websites wirklich löschen? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Please, select the textbox where you want to paste information</source>
        <translation>Bitte wählen Sie das Textfeld, in das Sie die Angaben einfügen möchten</translation>
    </message>
    <message>
        <source>No log-in form on this page.</source>
        <translation>Kein Anmeldeformular auf dieser Seite.</translation>
    </message>
    <message>
        <source>Fill &amp;log-in</source>
        <translation>Anmeldung aus&amp;füllen</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Fi&amp;nd in page...</source>
        <translation>Auf der Seite s&amp;uchen...</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <source>Actual si&amp;ze</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Open this page in the e&amp;xternal browser</source>
        <translation>Diese Seite im &amp;externen Browser öffnen</translation>
    </message>
    <message>
        <source>&amp;Copy page address</source>
        <translation>Seitenadresse &amp;kopieren</translation>
    </message>
    <message>
        <source>PAD site url not found!</source>
        <translation>URL der PAD-Website nicht gefunden!</translation>
    </message>
    <message>
        <source>Loading web pad site URL: %1</source>
        <translation>URL der PAD-Website wird geladen: %1</translation>
    </message>
    <message>
        <source>Error: no record found</source>
        <translation>Fehler: kein Datensatz gefunden</translation>
    </message>
    <message>
        <source>No home page specified for this pad site</source>
        <translation>Für diese PAD-Website ist keine Startseite angegeben</translation>
    </message>
    <message>
        <source>Loading %1%</source>
        <translation>Laden %1%</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Quillomar Pad Submitter has blocked a PopUp window!</source>
        <translation>Quillomar Pad Submitter hat ein Popup-Fenster blockiert!</translation>
    </message>
    <message>
        <source>This site is trying to open a POPUP window. Block it?</source>
        <translation>Diese Website versucht, ein POPUP-Fenster zu öffnen. Blockieren?</translation>
    </message>
    <message>
        <source>Pop Up warning</source>
        <translation>Popup-Warnung</translation>
    </message>
    <message>
        <source>Please choose a product: Fill all writes the chosen product&apos;s data.</source>
        <translation>Bitte wählen Sie ein Produkt: „Alles ausfüllen“ schreibt die Daten des gewählten Produkts.</translation>
    </message>
    <message>
        <source>No site&apos;s page is shown: visit a site, then fill its form.</source>
        <translation>Es wird keine Seite einer Website angezeigt: Besuchen Sie eine Website und füllen Sie dann ihr Formular aus.</translation>
    </message>
    <message>
        <source>Nothing to undo: this page has not been filled since it was opened</source>
        <translation>Nichts rückgängig zu machen: Diese Seite wurde seit dem Öffnen nicht ausgefüllt</translation>
    </message>
    <message>
        <source>Undid the fill of 1 field</source>
        <translation>Ausfüllen von 1 Feld rückgängig gemacht</translation>
    </message>
    <message>
        <source>Undid the fill of %1 fields</source>
        <translation>Ausfüllen von %1 Feldern rückgängig gemacht</translation>
    </message>
    <message>
        <source>Fill report</source>
        <translation>Ausfüllbericht</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a product field that can be pasted</source>
        <translation>„%1“ ist kein Produktfeld, das eingefügt werden kann</translation>
    </message>
    <message>
        <source>%1 is empty for this product: there is nothing to paste.</source>
        <translation>%1 ist für dieses Produkt leer: Es gibt nichts einzufügen.</translation>
    </message>
    <message>
        <source>the page shown cannot be reached</source>
        <translation>die angezeigte Seite ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Are you sure you want to clear form text? </source>
        <translation>Möchten Sie den Text des Formulars wirklich löschen? </translation>
    </message>
    <message>
        <source>Clear form text</source>
        <translation>Formulartext löschen</translation>
    </message>
    <message>
        <source>Select the site whose log-in to fill in the list.</source>
        <translation>Wählen Sie in der Liste die Website, deren Anmeldung ausgefüllt werden soll.</translation>
    </message>
    <message>
        <source>No log-in is stored for %1.</source>
        <translation>Für %1 ist keine Anmeldung gespeichert.</translation>
    </message>
    <message>
        <source>The log-in of %1 was withheld: this page is on %2, not on the site&apos;s own host (%3).</source>
        <translation>Die Anmeldung von %1 wurde zurückgehalten: Diese Seite liegt auf %2, nicht auf dem eigenen Host der Website (%3).</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>kein Host</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>keiner gespeichert</translation>
    </message>
    <message>
        <source>The page changed: fill the log-in again.</source>
        <translation>Die Seite hat sich geändert: Füllen Sie die Anmeldung erneut aus.</translation>
    </message>
    <message>
        <source>Filled the log-in of %1.</source>
        <translation>Anmeldung von %1 ausgefüllt.</translation>
    </message>
    <message>
        <source>Forget the log-ins of all sites? The browser&apos;s cookies, site storage and cache are cleared, and you log in to each site again.</source>
        <translation>Die Anmeldungen aller Websites vergessen? Cookies, Websitespeicher und Cache des Browsers werden gelöscht, und Sie melden sich bei jeder Website erneut an.</translation>
    </message>
    <message>
        <source>Forget site log-ins</source>
        <translation>Anmeldungen vergessen</translation>
    </message>
    <message>
        <source>Site log-ins forgotten.</source>
        <translation>Anmeldungen vergessen.</translation>
    </message>
    <message>
        <source>Select web site to modify</source>
        <translation>Wählen Sie die zu ändernde Website</translation>
    </message>
    <message>
        <source>Nothing to remember: no field of this form holds a value of the product, and none that Fill all filled was emptied.</source>
        <translation>Nichts zu merken: Kein Feld dieses Formulars enthält einen Wert des Produkts, und keines, das „Alles ausfüllen“ gefüllt hat, wurde geleert.</translation>
    </message>
    <message>
        <source>Remembered %1 fields of this site&apos;s form.</source>
        <translation>%1 Felder des Formulars dieser Website gemerkt.</translation>
    </message>
    <message>
        <source>Learned %1 fields of this site&apos;s form</source>
        <translation>%1 Felder des Formulars dieser Website gelernt</translation>
    </message>
    <message>
        <source>Please choose the product and select the site whose form is shown.</source>
        <translation>Bitte wählen Sie das Produkt und die Website, deren Formular angezeigt wird.</translation>
    </message>
    <message>
        <source>The page shown is not on the selected site: visit the site, then remember its form.</source>
        <translation>Die angezeigte Seite gehört nicht zur ausgewählten Website: Besuchen Sie die Website und merken Sie sich dann ihr Formular.</translation>
    </message>
    <message>
        <source>Export form maps</source>
        <translation>Formularzuordnungen exportieren</translation>
    </message>
    <message>
        <source>Form maps (*.json)</source>
        <translation>Formularzuordnungen (*.json)</translation>
    </message>
    <message>
        <source>The form maps were written to %1.</source>
        <translation>Die Formularzuordnungen wurden nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Import form maps</source>
        <translation>Formularzuordnungen importieren</translation>
    </message>
    <message>
        <source>Form maps (*.json);;All files (*)</source>
        <translation>Formularzuordnungen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a file of form maps, and nothing was imported: %2</source>
        <translation>%1 ist keine Datei mit Formularzuordnungen, und es wurde nichts importiert: %2</translation>
    </message>
    <message>
        <source>Imported %1 learned fields; %2 entries name no site of the archive.</source>
        <translation>%1 gelernte Felder importiert; %2 Einträge nennen keine Website des Archivs.</translation>
    </message>
    <message>
        <source>The site is not in the list as it is shown now.</source>
        <translation>Die Website ist in der Liste, wie sie jetzt angezeigt wird, nicht enthalten.</translation>
    </message>
    <message>
        <source>You must select a product to change pad site status!</source>
        <translation>Sie müssen ein Produkt auswählen, um den Status der PAD-Website zu ändern!</translation>
    </message>
    <message>
        <source>You must select a site to change pad site status!</source>
        <translation>Sie müssen eine Website auswählen, um den Status der PAD-Website zu ändern!</translation>
    </message>
    <message>
        <source>New status set is: %1 for site URL: %2</source>
        <translation>Neuer Status: %1 für die Website-URL: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to update status version information? </source>
        <translation>Möchten Sie die Versionsangaben des Status wirklich aktualisieren? </translation>
    </message>
    <message>
        <source>update status version information</source>
        <translation>Versionsangaben des Status aktualisieren</translation>
    </message>
    <message>
        <source>No status updated</source>
        <translation>Kein Status aktualisiert</translation>
    </message>
    <message>
        <source>Status updated for %1 elements!</source>
        <translation>Status für %1 Einträge aktualisiert!</translation>
    </message>
    <message>
        <source>You must select a product to show pad site status!</source>
        <translation>Sie müssen ein Produkt auswählen, um den Status der PAD-Website anzuzeigen!</translation>
    </message>
    <message>
        <source>You must select a site to show pad site status!</source>
        <translation>Sie müssen eine Website auswählen, um den Status der PAD-Website anzuzeigen!</translation>
    </message>
    <message>
        <source>What the last Fill all filled and left for you</source>
        <translation>Was das letzte „Alles ausfüllen“ ausgefüllt und Ihnen übrig gelassen hat</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Show/Hide ListView</source>
        <translation>Liste ein-/ausblenden</translation>
    </message>
    <message>
        <source>New PAD Site</source>
        <translation>Neue PAD-Website</translation>
    </message>
    <message>
        <source>PAD Site Property</source>
        <translation>Eigenschaften der PAD-Website</translation>
    </message>
    <message>
        <source>Change status to Not Submitted</source>
        <translation>Status auf „Nicht eingereicht“ setzen</translation>
    </message>
    <message>
        <source>Change status to Submitted</source>
        <translation>Status auf „Eingereicht“ setzen</translation>
    </message>
    <message>
        <source>Change status to Published</source>
        <translation>Status auf „Veröffentlicht“ setzen</translation>
    </message>
    <message>
        <source>Show product history log for selected site</source>
        <translation>Verlaufsprotokoll des Produkts für die ausgewählte Website anzeigen</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot;  flag</source>
        <translation>Markierung „Alte Version“ setzen</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Old version only</source>
        <translation>Nur alte Version</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>part of a submit address</source>
        <translation>Teil einer Einreichungsadresse</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Filter löschen</translation>
    </message>
    <message>
        <source>PAD sites</source>
        <translation>PAD-Websites</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Page status</source>
        <translation>Seitenstatus</translation>
    </message>
    <message>
        <source>Clear form values</source>
        <translation>Formularwerte löschen</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Fill the page&apos;s form from the product</source>
        <translation>Das Formular der Seite aus dem Produkt ausfüllen</translation>
    </message>
    <message>
        <source>Fill all</source>
        <translation>Alles ausfüllen</translation>
    </message>
    <message>
        <source>Fill every field of the page by what it asks for (Ctrl+Shift+F)</source>
        <translation>Jedes Feld der Seite nach dem ausfüllen, was es verlangt (Strg+Umschalt+F)</translation>
    </message>
    <message>
        <source>PAD</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>RegNow</source>
        <translation>RegNow</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Fill log-in</source>
        <translation>Anmeldung ausfüllen</translation>
    </message>
    <message>
        <source>Fill the selected site&apos;s user name and password into the page&apos;s log-in form (Ctrl+Shift+L)</source>
        <translation>Benutzername und Passwort der ausgewählten Website in das Anmeldeformular der Seite eintragen (Strg+Umschalt+L)</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Weitere Elemente</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back up archive...</source>
        <translation>Archiv &amp;sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore from backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Export report...</source>
        <translation>Bericht &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;form maps...</source>
        <translation>&amp;Formularzuordnungen exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import form maps...</source>
        <translation>Formularzuordnungen &amp;importieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;PAD Sites</source>
        <translation>&amp;PAD-Websites</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Neue Website</translation>
    </message>
    <message>
        <source>Site &amp;property</source>
        <translation>Website-&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Visit submit page</source>
        <translation>Einreichungsseite &amp;besuchen</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Select n&amp;one</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>&amp;Import from file...</source>
        <translation>Aus Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>Import sites from a &amp;list...</source>
        <translation>Websites aus einer &amp;Liste importieren...</translation>
    </message>
    <message>
        <source>Find &amp;duplicate sites</source>
        <translation>&amp;Doppelte Websites suchen</translation>
    </message>
    <message>
        <source>&amp;Check sites...</source>
        <translation>Websites &amp;prüfen...</translation>
    </message>
    <message>
        <source>P&amp;roducts</source>
        <translation>P&amp;rodukte</translation>
    </message>
    <message>
        <source>&amp;Add product</source>
        <translation>Produkt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Product &amp;property</source>
        <translation>Produkt-&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Update from PAD file</source>
        <translation>Aus PAD-Datei &amp;aktualisieren</translation>
    </message>
    <message>
        <source>New &amp;version...</source>
        <translation>Neue &amp;Version...</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Browser</translation>
    </message>
    <message>
        <source>&amp;Fill all</source>
        <translation>&amp;Alles ausfüllen</translation>
    </message>
    <message>
        <source>&amp;Undo Fill all</source>
        <translation>Alles ausfüllen &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Re&amp;member this form</source>
        <translation>Dieses Formular &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Forget site log-ins...</source>
        <translation>&amp;Anmeldungen vergessen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Download &amp;Sites List</source>
        <translation>Website&amp;liste herunterladen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Quillomar Pad Submitter &amp;Web Site</source>
        <translation>&amp;Website von Quillomar Pad Submitter</translation>
    </message>
    <message>
        <source>F&amp;acebook</source>
        <translation>F&amp;acebook</translation>
    </message>
    <message>
        <source>A&amp;bout Quillomar Pad Submitter</source>
        <translation>Ü&amp;ber Quillomar Pad Submitter</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Desktop default</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Pop up windows</source>
        <translation>Popup-Fenster</translation>
    </message>
    <message>
        <source>When finding a pop window: </source>
        <translation>Wenn ein Popup-Fenster erscheint: </translation>
    </message>
    <message>
        <source>&amp;Always block</source>
        <translation>Immer &amp;blockieren</translation>
    </message>
    <message>
        <source>As&amp;k</source>
        <translation>&amp;Nachfragen</translation>
    </message>
    <message>
        <source>Default pad site ordering</source>
        <translation>Standardsortierung der PAD-Websites</translation>
    </message>
    <message>
        <source>Default ordering method in pad site listview</source>
        <translation>Standardsortierung in der Liste der PAD-Websites</translation>
    </message>
    <message>
        <source>&amp;Rank</source>
        <translation>&amp;Rang</translation>
    </message>
    <message>
        <source>&amp;PAD site name</source>
        <translation>Name der &amp;PAD-Website</translation>
    </message>
    <message>
        <source>Open the program&apos;s &amp;web site at start</source>
        <translation>&amp;Website des Programms beim Start öffnen</translation>
    </message>
    <message>
        <source>Submission run</source>
        <translation>Einreichungsdurchlauf</translation>
    </message>
    <message>
        <source>After a status change, open the &amp;next remaining site</source>
        <translation>Nach einer Statusänderung die n&amp;ächste verbleibende Website öffnen</translation>
    </message>
    <message>
        <source>&amp;Fill all after a site is visited</source>
        <translation>Nach dem Besuch einer Website &amp;alles ausfüllen</translation>
    </message>
    <message>
        <source>... or the next site marked &amp;old version</source>
        <translation>... oder die nächste als alte &amp;Version markierte Website</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The options could not be saved. %1
They apply until the program ends.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. %1
Sie gelten bis zum Programmende.</translation>
    </message>
</context>
<context>
    <name>frmPadSource</name>
    <message>
        <source>Import PAD file</source>
        <translation>PAD-Datei importieren</translation>
    </message>
    <message>
        <source>https://www.example.com/pad.xml or a file on this computer</source>
        <translation>https://www.example.com/pad.xml oder eine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>PAD file or web &amp;address:</source>
        <translation>PAD-Datei oder &amp;Webadresse:</translation>
    </message>
    <message>
        <source>Please type the address of a PAD file, or choose a file with Browse.</source>
        <translation>Bitte geben Sie die Adresse einer PAD-Datei ein oder wählen Sie eine Datei mit „Durchsuchen“.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Nur http- und https-Adressen und Dateien auf diesem Computer können gelesen werden.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>PAD-Dateien (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>Aus %1 wurde nichts importiert:
%2</translation>
    </message>
</context>
<context>
    <name>frmPadUpdate</name>
    <message>
        <source>Update from PAD file</source>
        <translation>Aus PAD-Datei aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The product has no PAD address; set its PAD location in the product&apos;s properties.</source>
        <translation>Das Produkt hat keine PAD-Adresse; legen Sie den PAD-Speicherort in den Eigenschaften des Produkts fest.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Nur http- und https-Adressen und Dateien auf diesem Computer können gelesen werden.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>%1 wird gelesen ...</translation>
    </message>
    <message>
        <source>The PAD file holds the stored values: nothing differs.</source>
        <translation>Die PAD-Datei enthält die gespeicherten Werte: Nichts weicht ab.</translation>
    </message>
    <message>
        <source>Checked fields are stored from the PAD file %1.</source>
        <translation>Angekreuzte Felder werden aus der PAD-Datei %1 gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was updated from %1:
%2</source>
        <translation>Aus %1 wurde nichts aktualisiert:
%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
</context>
<context>
    <name>frmProduct</name>
    <message>
        <source>Click to launch browser to verify the link</source>
        <translation>Klicken, um den Link im Browser zu prüfen</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Descrip&amp;tion</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Changelog</source>
        <translation>Änderungs&amp;protokoll</translation>
    </message>
    <message>
        <source>Copy selected element text in clipboard</source>
        <translation>Text des ausgewählten Elements in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Imp&amp;ort PAD...</source>
        <translation>PAD &amp;importieren...</translation>
    </message>
    <message>
        <source>Fill the boxes from a PAD file or its web address</source>
        <translation>Die Felder aus einer PAD-Datei oder ihrer Webadresse füllen</translation>
    </message>
    <message>
        <source>E&amp;xport PAD...</source>
        <translation>PAD e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the values in the boxes as a PAD file</source>
        <translation>Die Werte der Felder als PAD-Datei speichern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>&amp;Version:</translation>
    </message>
    <message>
        <source>PAD &amp;location:</source>
        <translation>PAD-&amp;Speicherort:</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>Na&amp;me:</translation>
    </message>
    <message>
        <source>&amp;KB:</source>
        <translation>&amp;KB:</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <source>B&amp;ytes:</source>
        <translation>B&amp;ytes:</translation>
    </message>
    <message>
        <source>&amp;Screenshot:</source>
        <translation>&amp;Bildschirmfoto:</translation>
    </message>
    <message>
        <source>&amp;Icon file:</source>
        <translation>S&amp;ymboldatei:</translation>
    </message>
    <message>
        <source>&amp;Program URL:</source>
        <translation>&amp;Programm-URL:</translation>
    </message>
    <message>
        <source>Download &amp;1:</source>
        <translation>Download &amp;1:</translation>
    </message>
    <message>
        <source>Download &amp;2:</source>
        <translation>Download &amp;2:</translation>
    </message>
    <message>
        <source>Link &amp;back:</source>
        <translation>&amp;Rücklink:</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Bezahlung</translation>
    </message>
    <message>
        <source>Release &amp;date</source>
        <translation>Veröffentlichungs&amp;datum</translation>
    </message>
    <message>
        <source>B&amp;uy URL:</source>
        <translation>&amp;Kauf-URL:</translation>
    </message>
    <message>
        <source>&amp;RegNow:</source>
        <translation>R&amp;egNow:</translation>
    </message>
    <message>
        <source>S&amp;hare-it:</source>
        <translation>S&amp;hare-it:</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Schlüsselwörter</translation>
    </message>
    <message>
        <source>&amp;Short description</source>
        <translation>&amp;Kurzbeschreibung</translation>
    </message>
    <message>
        <source>&amp;Long description</source>
        <translation>&amp;Lange Beschreibung</translation>
    </message>
    <message>
        <source>L&amp;imitations</source>
        <translation>&amp;Einschränkungen</translation>
    </message>
    <message>
        <source>&amp;Recent changes</source>
        <translation>&amp;Letzte Änderungen</translation>
    </message>
    <message>
        <source>&amp;Full changelog</source>
        <translation>&amp;Vollständiges Änderungsprotokoll</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Modify product</source>
        <translation>Produkt ändern</translation>
    </message>
    <message>
        <source>New product</source>
        <translation>Neues Produkt</translation>
    </message>
    <message>
        <source>Please choose a product name!</source>
        <translation>Bitte geben Sie einen Produktnamen an!</translation>
    </message>
    <message>
        <source>Please choose the release date of your product!</source>
        <translation>Bitte geben Sie das Veröffentlichungsdatum Ihres Produkts an!</translation>
    </message>
    <message>
        <source>%1: longer than the box&apos;s %2 characters.</source>
        <translation>%1: länger als die %2 Zeichen des Feldes.</translation>
    </message>
    <message>
        <source>The PAD file filled no box.</source>
        <translation>Die PAD-Datei hat kein Feld gefüllt.</translation>
    </message>
    <message>
        <source>Filled from the PAD file: %1.
Nothing is stored until you press OK.</source>
        <translation>Aus der PAD-Datei gefüllt: %1.
Nichts wird gespeichert, bevor Sie OK drücken.</translation>
    </message>
    <message>
        <source>

The file is not well-formed; mended before reading:
</source>
        <translation>

Die Datei ist nicht wohlgeformt; vor dem Lesen ausgebessert:
</translation>
    </message>
    <message>
        <source>

Not filled:
</source>
        <translation>

Nicht gefüllt:
</translation>
    </message>
    <message>
        <source> It holds none of the product&apos;s fields.</source>
        <translation> Sie enthält keines der Felder des Produkts.</translation>
    </message>
    <message>
        <source>Export PAD file</source>
        <translation>PAD-Datei exportieren</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>PAD-Dateien (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The PAD file was written to %1.</source>
        <translation>Die PAD-Datei wurde nach %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>frmProductHistory</name>
    <message>
        <source>Product History Log</source>
        <translation>Verlaufsprotokoll des Produkts</translation>
    </message>
    <message>
        <source>Last status information </source>
        <translation>Letzte Statusinformation </translation>
    </message>
    <message>
        <source>Add history item</source>
        <translation>Verlaufseintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>There is no state set for site-product</source>
        <translation>Für diese Website und dieses Produkt ist kein Status gesetzt</translation>
    </message>
    <message>
        <source>No status information available</source>
        <translation>Keine Statusinformationen vorhanden</translation>
    </message>
    <message>
        <source> ver. </source>
        <translation> Ver. </translation>
    </message>
    <message>
        <source> on site: </source>
        <translation> auf der Website: </translation>
    </message>
    <message>
        <source>First status information inserted on: </source>
        <translation>Erste Statusinformation eingetragen am: </translation>
    </message>
    <message>
        <source>Last status update on: </source>
        <translation>Letzte Statusänderung am: </translation>
    </message>
    <message>
        <source>Actual status: </source>
        <translation>Aktueller Status: </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items? </source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich löschen? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>frmProductHistoryItem</name>
    <message>
        <source>Product History Item</source>
        <translation>Verlaufseintrag des Produkts</translation>
    </message>
    <message>
        <source>Use this window to insert a short note about product - site operation</source>
        <translation>In diesem Fenster tragen Sie eine kurze Notiz zum Vorgang für Produkt und Website ein</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Other file...</source>
        <translation>Andere Datei...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Restore from file</source>
        <translation>Aus Datei wiederherstellen</translation>
    </message>
    <message>
        <source>Archive (*.db);;All files (*)</source>
        <translation>Archiv (*.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.<byte value="xd"/>
<byte value="xd"/>
The archive was not changed.</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2.<byte value="xd"/>
<byte value="xd"/>
Das Archiv wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Replace everything in the archive with the contents of %1 (%2 sites, %3 products)?<byte value="xd"/>
<byte value="xd"/>
The archive is backed up first.</source>
        <translation>Den gesamten Inhalt des Archivs durch den Inhalt von %1 ersetzen (%2 Websites, %3 Produkte)?<byte value="xd"/>
<byte value="xd"/>
Das Archiv wird zuvor gesichert.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
</context>
<context>
    <name>frmSite</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Open Link in your default browser</source>
        <translation>Link im Standardbrowser öffnen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Home page:</source>
        <translation>S&amp;tartseite:</translation>
    </message>
    <message>
        <source>&amp;Submit URL:</source>
        <translation>&amp;Einreichungs-URL:</translation>
    </message>
    <message>
        <source>&amp;Auto Update PAD URL:</source>
        <translation>PAD-URL &amp;automatisch aktualisieren:</translation>
    </message>
    <message>
        <source>&amp;Rank:</source>
        <translation>&amp;Rang:</translation>
    </message>
    <message>
        <source>Access Information</source>
        <translation>Zugangsdaten</translation>
    </message>
    <message>
        <source>Require a&amp;uthentication:</source>
        <translation>A&amp;uthentifizierung erforderlich:</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Anzeigen/Ausblenden</translation>
    </message>
    <message>
        <source>User&amp;ID:</source>
        <translation>Benutzer-&amp;ID:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>No&amp;tes</source>
        <translation>N&amp;otizen</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Insert date:</source>
        <translation>Angelegt am:</translation>
    </message>
    <message>
        <source>Last mod. :</source>
        <translation>Letzte Änd.:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Takes</source>
        <translation>Übernimmt</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Gelernt</translation>
    </message>
    <message>
        <source>Forget learned fields</source>
        <translation>Gelernte Felder vergessen</translation>
    </message>
    <message>
        <source>Learned fields</source>
        <translation>Gelernte Felder</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Modify Site Properties</source>
        <translation>Eigenschaften der Website ändern</translation>
    </message>
    <message>
        <source>New Site</source>
        <translation>Neue Website</translation>
    </message>
    <message>
        <source>leave empty</source>
        <translation>leer lassen</translation>
    </message>
    <message>
        <source>Forget every field learned of this site&apos;s forms? Fill all then judges them by their words again.</source>
        <translation>Alle von den Formularen dieser Website gelernten Felder vergessen? „Alles ausfüllen“ beurteilt sie dann wieder nach ihren Wörtern.</translation>
    </message>
    <message>
        <source>Please insert submit url for Site!</source>
        <translation>Bitte geben Sie die Einreichungs-URL der Website ein!</translation>
    </message>
</context>
<context>
    <name>frmSiteCheck</name>
    <message>
        <source>Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Einreichungsadresse</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>HTTP status</source>
        <translation>HTTP-Status</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Neue Adresse</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Date of check</source>
        <translation>Prüfdatum</translation>
    </message>
    <message>
        <source>Site check</source>
        <translation>Website-Prüfung</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Use new address</source>
        <translation>Neue Adresse übernehmen</translation>
    </message>
    <message>
        <source>Delete failed sites...</source>
        <translation>Fehlgeschlagene Websites löschen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Checking %1 sites</source>
        <translation>%1 Websites werden geprüft</translation>
    </message>
    <message>
        <source>%1 sites to check</source>
        <translation>%1 Websites zu prüfen</translation>
    </message>
    <message>
        <source>No site has moved.</source>
        <translation>Keine Website ist umgezogen.</translation>
    </message>
    <message>
        <source>%1 sites have their new submit address.</source>
        <translation>%1 Websites haben ihre neue Einreichungsadresse.</translation>
    </message>
    <message>
        <source>No site failed the check.</source>
        <translation>Keine Website ist bei der Prüfung durchgefallen.</translation>
    </message>
    <message>
        <source>Delete the %1 sites that are gone or unreachable?</source>
        <translation>Die %1 verschwundenen oder nicht erreichbaren Websites löschen?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>frmSiteImport</name>
    <message>
        <source>Import PAD sites</source>
        <translation>PAD-Websites importieren</translation>
    </message>
    <message>
        <source>This procedure will import a  list of PAD sites from a text file.</source>
        <translation>Dieser Vorgang importiert eine  Liste von PAD-Websites aus einer Textdatei.</translation>
    </message>
    <message>
        <source>Please note  that input file must be formatted as follows: NAME, URL.</source>
        <translation>Bitte beachten Sie,  dass die Eingabedatei so aufgebaut sein muss: NAME, URL.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Input file :</source>
        <translation>Eingabedatei:</translation>
    </message>
    <message>
        <source>Field separator</source>
        <translation>Feldtrennzeichen</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>&apos;;&apos; Semi-colon </source>
        <translation>&apos;;&apos; Semikolon </translation>
    </message>
    <message>
        <source>&apos;,&apos; Comma</source>
        <translation>&apos;,&apos; Komma</translation>
    </message>
    <message>
        <source>Skip lines that duplicate a site</source>
        <translation>Zeilen überspringen, die eine Website doppeln</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Browse input file...</source>
        <translation>Eingabedatei suchen...</translation>
    </message>
    <message>
        <source>Input file (*.txt *.csv *.tab *.asc)</source>
        <translation>Eingabedatei (*.txt *.csv *.tab *.asc)</translation>
    </message>
    <message>
        <source>Please, choose a file to import from!</source>
        <translation>Bitte wählen Sie eine Datei für den Import!</translation>
    </message>
    <message>
        <source>Separator character was not found in the first row of your input file. Please check your input file and choose the right separator.</source>
        <translation>Das Trennzeichen wurde in der ersten Zeile Ihrer Eingabedatei nicht gefunden. Bitte prüfen Sie die Eingabedatei und wählen Sie das richtige Trennzeichen.</translation>
    </message>
    <message>
        <source>File is empty!</source>
        <translation>Die Datei ist leer!</translation>
    </message>
    <message>
        <source>File  to import contains %1 lines (sites). Do you want to proceed?</source>
        <translation>Die zu importierende  Datei enthält %1 Zeilen (Websites). Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Importing PAD site list</source>
        <translation>PAD-Website-Liste wird importiert</translation>
    </message>
    <message>
        <source> Skipped %1 lines that duplicate a site.</source>
        <translation> %1 Zeilen übersprungen, die eine Website doppeln.</translation>
    </message>
    <message>
        <source>Imported %1 PAD sites.</source>
        <translation>%1 PAD-Websites importiert.</translation>
    </message>
    <message>
        <source>No PAD sites were imported.</source>
        <translation>Es wurden keine PAD-Websites importiert.</translation>
    </message>
    <message>
        <source>Importing: %1</source>
        <translation>Import: %1</translation>
    </message>
    <message>
        <source>An error occured. Stop importing?</source>
        <translation>Ein Fehler ist aufgetreten. Import abbrechen?</translation>
    </message>
    <message>
        <source>Error during import</source>
        <translation>Fehler beim Import</translation>
    </message>
    <message>
        <source>The file %1 holds no lines.</source>
        <translation>Die Datei %1 enthält keine Zeilen.</translation>
    </message>
    <message>
        <source> Line: %1</source>
        <translation> Zeile: %1</translation>
    </message>
</context>
<context>
    <name>frmSiteListImport</name>
    <message>
        <source>Import sites from a list</source>
        <translation>Websites aus einer Liste importieren</translation>
    </message>
    <message>
        <source>A CSV or TSV file, a markdown file, an HTML page, exported bookmarks or a list of addresses, one a line.</source>
        <translation>Eine CSV- oder TSV-Datei, eine Markdown-Datei, eine HTML-Seite, exportierte Lesezeichen oder eine Adressliste, eine Adresse pro Zeile.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>Erste Zeile enthält Spaltennamen</translation>
    </message>
    <message>
        <source>&amp;Name column:</source>
        <translation>&amp;Namensspalte:</translation>
    </message>
    <message>
        <source>&amp;Address column:</source>
        <translation>&amp;Adressspalte:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Browse site list...</source>
        <translation>Website-Liste suchen...</translation>
    </message>
    <message>
        <source>Site lists (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;All files (*)</source>
        <translation>Website-Listen (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Please, choose a file to import from!</source>
        <translation>Bitte wählen Sie eine Datei für den Import!</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Gelesen als: %1</translation>
    </message>
    <message>
        <source>(the address&apos;s host)</source>
        <translation>(der Host der Adresse)</translation>
    </message>
    <message>
        <source>%1 sites to import, %2 already in the list, %3 not web addresses.</source>
        <translation>%1 Websites zu importieren, %2 bereits in der Liste, %3 keine Webadressen.</translation>
    </message>
    <message>
        <source>Imported %1 PAD sites.</source>
        <translation>%1 PAD-Websites importiert.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>The archive could not be backed up: %1</source>
        <translation>Das Archiv konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>%1 The browser keeps no log-in beyond this run.</source>
        <translation>%1 Der Browser behält keine Anmeldung über diese Sitzung hinaus.</translation>
    </message>
    <message>
        <source>Error n° 1 The program directory is unknown<byte value="xd"/> in ReadSettings</source>
        <translation>Fehler Nr. 1 Der Programmordner ist unbekannt<byte value="xd"/> in ReadSettings</translation>
    </message>
    <message>
        <source>Specified archive file does not exist. Check menu tools-&gt;options</source>
        <translation>Die angegebene Archivdatei existiert nicht. Prüfen Sie Menü Extras-&gt;Einstellungen</translation>
    </message>
    <message>
        <source>I cannot read ini file.<byte value="xd"/>
Check presence of file .ini in program directory!</source>
        <translation>Die INI-Datei kann nicht gelesen werden.<byte value="xd"/>
Prüfen Sie, ob die .ini-Datei im Programmordner vorhanden ist!</translation>
    </message>
    <message>
        <source>Error in Sub Main reading settings</source>
        <translation>Fehler in Sub Main beim Lesen der Einstellungen</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
The program cannot work without its database and ends now.</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Das Programm kann ohne seine Datenbank nicht arbeiten und wird jetzt beendet.</translation>
    </message>
</context>
</TS>
