<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The archive %1 does not exist.</source>
        <translation>L&apos;archive %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>The archive could not be backed up before this change: %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>L&apos;archive n&apos;a pas pu être sauvegardée avant cette modification : %1<byte value="xd"/>
<byte value="xd"/>
Continuer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>%1 is the archive itself.</source>
        <translation>%1 est l&apos;archive elle-même.</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is the archive itself</source>
        <translation>c&apos;est l&apos;archive elle-même</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>il est endommagé (%1)</translation>
    </message>
    <message>
        <source>it holds no table %1</source>
        <translation>il ne contient pas de table %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>sa table %1 n&apos;a pas de colonne %2</translation>
    </message>
    <message>
        <source>it cannot be read as a database (%1)</source>
        <translation>il ne peut pas être lu comme base de données (%1)</translation>
    </message>
</context>
<context>
    <name>BrowserProfile</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; n&apos;est pas un champ de produit</translation>
    </message>
</context>
<context>
    <name>CheckableDateEdit</name>
    <message>
        <source>Check to give a date</source>
        <translation>Cocher pour indiquer une date</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>A une date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>ColumnValues</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>EditorValues</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>FormFiller</name>
    <message>
        <source>Filled 1 field</source>
        <translation>1 champ rempli</translation>
    </message>
    <message>
        <source>Filled %1 fields</source>
        <translation>%1 champs remplis</translation>
    </message>
    <message>
        <source>. Left empty: %1</source>
        <translation>. Laissés vides : %1</translation>
    </message>
    <message>
        <source>. Shortened to fit: %1</source>
        <translation>. Raccourcis pour tenir : %1</translation>
    </message>
    <message>
        <source> (%1 from this site&apos;s form, %2 by their words)</source>
        <translation> (%1 d&apos;après le formulaire de ce site, %2 d&apos;après leurs mots)</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... et %1 de plus</translation>
    </message>
    <message>
        <source>Left empty, for you to fill or choose:</source>
        <translation>Laissés vides, à remplir ou choisir par vous :</translation>
    </message>
    <message>
        <source>Left empty, as two meanings fit equally well:</source>
        <translation>Laissés vides, car deux sens conviennent aussi bien :</translation>
    </message>
    <message>
        <source>Shortened to fit:</source>
        <translation>Raccourcis pour tenir :</translation>
    </message>
</context>
<context>
    <name>FormMapFile</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>the file holds no &quot;%1&quot; list</source>
        <translation>le fichier ne contient aucune liste &quot;%1&quot;</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <translation>entrée %1 : %2</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>pas un objet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a text</source>
        <translation>&quot;%1&quot; est absent ou n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; or &quot;%2&quot; is empty</source>
        <translation>&quot;%1&quot; ou &quot;%2&quot; est vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no product column</source>
        <translation>&quot;%1&quot; n&apos;est pas une colonne de produit</translation>
    </message>
</context>
<context>
    <name>HelpManual</name>
    <message>
        <source>The user manual was not found. It should be at %1</source>
        <translation>Le manuel d&apos;utilisation est introuvable. Il devrait se trouver dans %1</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>%1 published, %2 submitted, %3 remaining</source>
        <translation>%1 publiés, %2 soumis, %3 restants</translation>
    </message>
    <message>
        <source>status changes per week</source>
        <translation>changements de statut par semaine</translation>
    </message>
    <message>
        <source>Status changes per week, the last %1 weeks:</source>
        <translation>Changements de statut par semaine, les %1 dernières semaines :</translation>
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
        <translation>Les totaux de l&apos;archive n&apos;ont pas pu être lus.</translation>
    </message>
    <message>
        <source>Last operation date time: %1</source>
        <translation>Date et heure de la dernière opération : %1</translation>
    </message>
    <message>
        <source>Total PAD sites in archive: %1</source>
        <translation>Total des sites PAD dans l&apos;archive : %1</translation>
    </message>
    <message>
        <source>Products in archive: %1</source>
        <translation>Produits dans l&apos;archive : %1</translation>
    </message>
    <message>
        <source>No PAD sites in archive.  Use the menu item &apos;PAD Sites-&gt; Import sites from a list...&apos; to bring in a list, or &apos;PAD Sites-&gt; New site&apos; to add one. </source>
        <translation>Aucun site PAD dans l&apos;archive.  Utilisez la commande « Sites PAD -&gt; Importer des sites depuis une liste... » pour charger une liste, ou « Sites PAD -&gt; Nouveau site » pour en ajouter un. </translation>
    </message>
    <message>
        <source>The per-product counts could not be read.</source>
        <translation>Les totaux par produit n&apos;ont pas pu être lus.</translation>
    </message>
    <message>
        <source>No products in archive.  Use the &apos;New&apos; button below or the menu item &apos;Products-&gt; Add Product&apos; to create them. </source>
        <translation>Aucun produit dans l&apos;archive.  Utilisez le bouton « Nouveau » ci-dessous ou la commande « Produits -&gt; Ajouter un produit » pour en créer. </translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publié</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restants</translation>
    </message>
    <message>
        <source>With OLD version flag</source>
        <translation>Avec l&apos;indicateur ANCIENNE version</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>it is not a text file: it holds control characters</source>
        <translation>ce n&apos;est pas un fichier texte : il contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the value %2 does not fit the file&apos;s encoding</source>
        <translation>Impossible d&apos;écrire %1 : la valeur %2 ne correspond pas à l&apos;encodage du fichier</translation>
    </message>
</context>
<context>
    <name>PadDownload</name>
    <message>
        <source>The answer is larger than 5 MB, too large for a PAD file.</source>
        <translation>La réponse dépasse 5 Mo, c&apos;est trop pour un fichier PAD.</translation>
    </message>
    <message>
        <source>The address redirects more than 5 times.</source>
        <translation>L&apos;adresse redirige plus de 5 fois.</translation>
    </message>
    <message>
        <source>The address redirects from https to plain http, which is not followed.</source>
        <translation>L&apos;adresse redirige de https vers http non chiffré, ce qui n&apos;est pas suivi.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1.</source>
        <translation>Le serveur a répondu HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 (%2).</source>
        <translation>Le serveur a répondu HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Pas de réponse de %1 : %2.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Pas de réponse de %1 en %2 secondes.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be read.</source>
        <translation>Seules les adresses http et https peuvent être lues.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>Release date: year &quot;%1&quot;, month &quot;%2&quot;, day &quot;%3&quot; is not a date.</source>
        <translation>Date de publication : année « %1 », mois « %2 », jour « %3 » n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Size KB: %1 &quot;%2&quot; is not a number.</source>
        <translation>Taille Ko : %1 « %2 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The file is larger than 5 MB, too large for a PAD file.</source>
        <translation>Le fichier dépasse 5 Mo, c&apos;est trop pour un fichier PAD.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file declares entities in a document type (line %1, column %2); a PAD file has none, so it is not read.</source>
        <translation>Le fichier déclare des entités dans un type de document (ligne %1, colonne %2) ; un fichier PAD n&apos;en a pas, il n&apos;est donc pas lu.</translation>
    </message>
    <message>
        <source>The file is not a PAD file: its root element is &lt;%1&gt;, not &lt;%2&gt;.</source>
        <translation>Le fichier n&apos;est pas un fichier PAD : son élément racine est &lt;%1&gt; et non &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3.</source>
        <translation>Le fichier n&apos;est pas du XML (ligne %1, colonne %2) : %3.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1, column %2): %3.</source>
        <translation>Le fichier n&apos;est pas du XML bien formé (ligne %1, colonne %2) : %3.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1.</translation>
    </message>
</context>
<context>
    <name>PadRepair</name>
    <message>
        <source>line </source>
        <translation>la ligne </translation>
    </message>
    <message>
        <source>lines </source>
        <translation>les lignes </translation>
    </message>
    <message>
        <source>A bare &amp; on %1 was read as the character &amp;.</source>
        <translation>Un &amp; isolé sur %1 a été lu comme le caractère &amp;.</translation>
    </message>
    <message>
        <source>An end tag in other letter case than its start tag on %1 was read as closing it.</source>
        <translation>Une balise de fin dont la casse diffère de sa balise d&apos;ouverture sur %1 a été lue comme sa fermeture.</translation>
    </message>
</context>
<context>
    <name>PadUpdate</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
</context>
<context>
    <name>ProductFields</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>PAD location</source>
        <translation>Emplacement du PAD</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Size KB</source>
        <translation>Taille Ko</translation>
    </message>
    <message>
        <source>Program URL</source>
        <translation>URL du programme</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Capture d&apos;écran</translation>
    </message>
    <message>
        <source>Download 1</source>
        <translation>Téléchargement 1</translation>
    </message>
    <message>
        <source>Download 2</source>
        <translation>Téléchargement 2</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Description courte</translation>
    </message>
    <message>
        <source>Long description</source>
        <translation>Description longue</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Icon file</source>
        <translation>Fichier d&apos;icône</translation>
    </message>
    <message>
        <source>Link back</source>
        <translation>Lien retour</translation>
    </message>
    <message>
        <source>Buy URL</source>
        <translation>URL d&apos;achat</translation>
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
        <translation>Limitations</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Modifications récentes</translation>
    </message>
    <message>
        <source>Full changelog</source>
        <translation>Historique complet des modifications</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Date de publication</translation>
    </message>
</context>
<context>
    <name>ProgramDirectory</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>No data folder is known for this user, so the database cannot be set up. Check that the HOME variable names your home folder.</source>
        <translation>Aucun dossier de données n&apos;est connu pour cet utilisateur ; la base de données ne peut donc pas être créée. Vérifiez que la variable HOME désigne votre dossier personnel.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be set up:</source>
        <translation>Le dossier de données %1 n&apos;a pas pu être créé :</translation>
    </message>
    <message>
        <source>the folder cannot be created.</source>
        <translation>le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 is missing from the installation; reinstall the program.</source>
        <translation>%1 est absent de l&apos;installation ; réinstallez le programme.</translation>
    </message>
</context>
<context>
    <name>RecordGone</name>
    <message>
        <source>This product no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Ce produit n&apos;existe plus dans l&apos;archive : une autre fenêtre ou un autre programme l&apos;a supprimé. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>This site no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Ce site n&apos;existe plus dans l&apos;archive : une autre fenêtre ou un autre programme l&apos;a supprimé. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>SettingValue</name>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>SiteChecker</name>
    <message>
        <source>The server&apos;s name was not found.</source>
        <translation>Le nom du serveur est introuvable.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>Le serveur a refusé la connexion.</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>Le serveur a fermé la connexion sans répondre.</translation>
    </message>
    <message>
        <source>The secure connection failed (TLS): %1</source>
        <translation>La connexion sécurisée a échoué (TLS) : %1</translation>
    </message>
    <message>
        <source>Not a web address.</source>
        <translation>Ce n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>No answer within %1 s.</source>
        <translation>Pas de réponse en %1 s.</translation>
    </message>
    <message>
        <source>More than %1 redirects.</source>
        <translation>Plus de %1 redirections.</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, puis %2</translation>
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
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Redirected</source>
        <translation>Redirigé</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Disparu</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Erreur du serveur</translation>
    </message>
    <message>
        <source>Unreachable</source>
        <translation>Injoignable</translation>
    </message>
</context>
<context>
    <name>SiteImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>The line has no site name and submit address separated by &apos;%1&apos;.</source>
        <translation>La ligne n&apos;a pas de nom de site et d&apos;adresse de soumission séparés par &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
</context>
<context>
    <name>SiteList</name>
    <message>
        <source>Error SubmitUrl is null</source>
        <translation>Erreur : SubmitUrl est vide</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Submit Url</source>
        <translation>URL de soumission</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Old V.</source>
        <translation>Anc. v.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>AU.</source>
        <translation>MAJ.</translation>
    </message>
    <message>
        <source>Loading... %1</source>
        <translation>Chargement... %1</translation>
    </message>
    <message>
        <source>Quillomar PAD Submitter - Elements: %1</source>
        <translation>Quillomar PAD Submitter - Éléments : %1</translation>
    </message>
</context>
<context>
    <name>SiteListFile</name>
    <message>
        <source>List of addresses</source>
        <translation>Liste d&apos;adresses</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Signets</translation>
    </message>
    <message>
        <source>HTML links</source>
        <translation>Liens HTML</translation>
    </message>
    <message>
        <source>Markdown links</source>
        <translation>Liens Markdown</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>déjà dans la liste</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>pas une adresse web</translation>
    </message>
</context>
<context>
    <name>SubmissionReport</name>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Adresse de soumission</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Old version</source>
        <translation>Ancienne version</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>SubmitStatus</name>
    <message>
        <source>Not submitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>NotSubmitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publié</translation>
    </message>
</context>
<context>
    <name>Trap</name>
    <message>
        <source>Error in: </source>
        <translation>Erreur dans : </translation>
    </message>
    <message>
        <source>Error in %1: </source>
        <translation>Erreur dans %1 : </translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The certificate of %1 is not valid:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue to this site anyway?</source>
        <translation>Le certificat de %1 n&apos;est pas valide :<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continuer quand même vers ce site ?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quillomar PAD Submitter</source>
        <translation>À propos de Quillomar PAD Submitter</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquer pour fermer</translation>
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
        <translation>Rechercher les sites en double</translation>
    </message>
    <message>
        <source>Sites whose submit addresses are the same. Select the site to keep and merge its group into it: the statuses and history of the others move to it, then they are deleted.</source>
        <translation>Sites dont les adresses de soumission sont identiques. Sélectionnez le site à conserver et fusionnez-y son groupe : les statuts et l&apos;historique des autres lui sont transférés, puis ceux-ci sont supprimés.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Submit URL</source>
        <translation>URL de soumission</translation>
    </message>
    <message>
        <source>Statuses</source>
        <translation>Statuts</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Keep this site, merge the group</source>
        <translation>Conserver ce site, fusionner le groupe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 sites</translation>
    </message>
    <message>
        <source>No duplicate sites.</source>
        <translation>Aucun site en double.</translation>
    </message>
    <message>
        <source>Merge %1 sites into &quot;%2&quot; and delete them?</source>
        <translation>Fusionner %1 sites dans « %2 » et les supprimer ?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Back up archive</source>
        <translation>Sauvegarder l&apos;archive</translation>
    </message>
    <message>
        <source>Archive (*.db)</source>
        <translation>Archive (*.db)</translation>
    </message>
    <message>
        <source>The archive was backed up to %1</source>
        <translation>L&apos;archive a été sauvegardée dans %1</translation>
    </message>
    <message>
        <source>The archive was restored from %1</source>
        <translation>L&apos;archive a été restaurée depuis %1</translation>
    </message>
    <message>
        <source>Select in the combo box the program to update</source>
        <translation>Choisissez dans la liste le programme à mettre à jour</translation>
    </message>
    <message>
        <source>Stored from the PAD file: %1.</source>
        <translation>Enregistré depuis le fichier PAD : %1.</translation>
    </message>
    <message>
        <source>New version of %1:</source>
        <translation>Nouvelle version de %1 :</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Version changed from %1 to %2. Mark the %3 sites where this product is submitted or published, and which do not update from the PAD address themselves, as showing an old version?</source>
        <translation>La version est passée de %1 à %2. Marquer les %3 sites où ce produit est soumis ou publié, et qui ne se mettent pas à jour eux-mêmes depuis l&apos;adresse PAD, comme affichant une ancienne version ?</translation>
    </message>
    <message>
        <source>Select one</source>
        <translation>Choisissez-en un</translation>
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
        <translation>Choisissez dans la liste le programme à modifier</translation>
    </message>
    <message>
        <source>Select in the combo box the program to delete</source>
        <translation>Choisissez dans la liste le programme à supprimer</translation>
    </message>
    <message>
        <source>Are you sure you want to delete product &apos;%1&apos; ? </source>
        <translation>Voulez-vous vraiment supprimer le produit « %1 » ? </translation>
    </message>
    <message>
        <source>Deleting Product &apos;%1&apos;</source>
        <translation>Suppression du produit « %1 »</translation>
    </message>
    <message>
        <source>Please choose a product: the report shows its standing on every site.</source>
        <translation>Veuillez choisir un produit : le rapport montre sa situation sur chaque site.</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv);;Printable page (*.html *.htm)</source>
        <translation>Feuille de calcul (*.csv);;Page imprimable (*.html *.htm)</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Le rapport a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Open PAD Site Submit URL</source>
        <translation>Ouvrir la page de soumission du site PAD</translation>
    </message>
    <message>
        <source>Open PAD Site HomePage</source>
        <translation>Ouvrir la page d&apos;accueil du site PAD</translation>
    </message>
    <message>
        <source>Visit Site HomePage in External Browser</source>
        <translation>Visiter la page d&apos;accueil du site dans le navigateur externe</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Signet</translation>
    </message>
    <message>
        <source>Toggle bookmark</source>
        <translation>Ajouter/retirer le signet</translation>
    </message>
    <message>
        <source>Go to Next Bookmark</source>
        <translation>Aller au signet suivant</translation>
    </message>
    <message>
        <source>Clear all bookmark</source>
        <translation>Effacer tous les signets</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Ne rien sélectionner</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>Non soumis</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Soumis</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publié</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on selected elements</source>
        <translation>Définir « Ancienne version » sur les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on ALL elements</source>
        <translation>Définir « Ancienne version » sur TOUS les éléments</translation>
    </message>
    <message>
        <source>Set &quot;Actual Version&quot;</source>
        <translation>Définir « Version actuelle »</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Afficher l&apos;historique</translation>
    </message>
    <message>
        <source>Web Site property...</source>
        <translation>Propriétés du site web...</translation>
    </message>
    <message>
        <source>Add new site...</source>
        <translation>Ajouter un nouveau site...</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Supprimer le site</translation>
    </message>
    <message>
        <source>End of the list</source>
        <translation>Fin de la liste</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all bookmarks? </source>
        <translation>Voulez-vous vraiment effacer tous les signets ? </translation>
    </message>
    <message>
        <source>Clear all bookmarks</source>
        <translation>Effacer tous les signets</translation>
    </message>
    <message>
        <source>Bookmarks cleared</source>
        <translation>Signets effacés</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected sites? </source>
        <translation>Voulez-vous vraiment supprimer les sites sélectionnés ? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Please, select the textbox where you want to paste information</source>
        <translation>Veuillez sélectionner la zone de texte où coller l&apos;information</translation>
    </message>
    <message>
        <source>No log-in form on this page.</source>
        <translation>Aucun formulaire de connexion sur cette page.</translation>
    </message>
    <message>
        <source>Fill &amp;log-in</source>
        <translation>Remplir la &amp;connexion</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Act&amp;ualiser</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Arrêt&amp;er</translation>
    </message>
    <message>
        <source>Fi&amp;nd in page...</source>
        <translation>Rec&amp;hercher dans la page...</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Actual si&amp;ze</source>
        <translation>Ta&amp;ille réelle</translation>
    </message>
    <message>
        <source>Open this page in the e&amp;xternal browser</source>
        <translation>&amp;Ouvrir cette page dans le navigateur externe</translation>
    </message>
    <message>
        <source>&amp;Copy page address</source>
        <translation>Co&amp;pier l&apos;adresse de la page</translation>
    </message>
    <message>
        <source>PAD site url not found!</source>
        <translation>URL du site PAD introuvable !</translation>
    </message>
    <message>
        <source>Loading web pad site URL: %1</source>
        <translation>Chargement de l&apos;URL du site PAD : %1</translation>
    </message>
    <message>
        <source>Error: no record found</source>
        <translation>Erreur : aucun enregistrement trouvé</translation>
    </message>
    <message>
        <source>No home page specified for this pad site</source>
        <translation>Aucune page d&apos;accueil n&apos;est indiquée pour ce site PAD</translation>
    </message>
    <message>
        <source>Loading %1%</source>
        <translation>Chargement %1%</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Quillomar Pad Submitter has blocked a PopUp window!</source>
        <translation>Quillomar Pad Submitter a bloqué une fenêtre pop-up !</translation>
    </message>
    <message>
        <source>This site is trying to open a POPUP window. Block it?</source>
        <translation>Ce site tente d&apos;ouvrir une fenêtre POP-UP. La bloquer ?</translation>
    </message>
    <message>
        <source>Pop Up warning</source>
        <translation>Avertissement pop-up</translation>
    </message>
    <message>
        <source>Please choose a product: Fill all writes the chosen product&apos;s data.</source>
        <translation>Veuillez choisir un produit : Tout remplir écrit les données du produit choisi.</translation>
    </message>
    <message>
        <source>No site&apos;s page is shown: visit a site, then fill its form.</source>
        <translation>Aucune page de site n&apos;est affichée : visitez un site, puis remplissez son formulaire.</translation>
    </message>
    <message>
        <source>Nothing to undo: this page has not been filled since it was opened</source>
        <translation>Rien à annuler : cette page n&apos;a pas été remplie depuis son ouverture</translation>
    </message>
    <message>
        <source>Undid the fill of 1 field</source>
        <translation>Remplissage d&apos;1 champ annulé</translation>
    </message>
    <message>
        <source>Undid the fill of %1 fields</source>
        <translation>Remplissage de %1 champs annulé</translation>
    </message>
    <message>
        <source>Fill report</source>
        <translation>Rapport de remplissage</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Rien n&apos;est sélectionné</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a product field that can be pasted</source>
        <translation>« %1 » n&apos;est pas un champ de produit pouvant être collé</translation>
    </message>
    <message>
        <source>%1 is empty for this product: there is nothing to paste.</source>
        <translation>%1 est vide pour ce produit : il n&apos;y a rien à coller.</translation>
    </message>
    <message>
        <source>the page shown cannot be reached</source>
        <translation>la page affichée est inaccessible</translation>
    </message>
    <message>
        <source>Are you sure you want to clear form text? </source>
        <translation>Voulez-vous vraiment effacer le texte du formulaire ? </translation>
    </message>
    <message>
        <source>Clear form text</source>
        <translation>Effacer le texte du formulaire</translation>
    </message>
    <message>
        <source>Select the site whose log-in to fill in the list.</source>
        <translation>Sélectionnez dans la liste le site dont il faut remplir la connexion.</translation>
    </message>
    <message>
        <source>No log-in is stored for %1.</source>
        <translation>Aucune connexion n&apos;est enregistrée pour %1.</translation>
    </message>
    <message>
        <source>The log-in of %1 was withheld: this page is on %2, not on the site&apos;s own host (%3).</source>
        <translation>La connexion de %1 a été retenue : cette page est sur %2, pas sur l&apos;hôte propre du site (%3).</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>aucun hôte</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>aucun enregistré</translation>
    </message>
    <message>
        <source>The page changed: fill the log-in again.</source>
        <translation>La page a changé : remplissez de nouveau la connexion.</translation>
    </message>
    <message>
        <source>Filled the log-in of %1.</source>
        <translation>Connexion de %1 remplie.</translation>
    </message>
    <message>
        <source>Forget the log-ins of all sites? The browser&apos;s cookies, site storage and cache are cleared, and you log in to each site again.</source>
        <translation>Oublier les connexions de tous les sites ? Les cookies, le stockage des sites et le cache du navigateur sont effacés, et vous vous reconnectez à chaque site.</translation>
    </message>
    <message>
        <source>Forget site log-ins</source>
        <translation>Oublier les connexions</translation>
    </message>
    <message>
        <source>Site log-ins forgotten.</source>
        <translation>Connexions oubliées.</translation>
    </message>
    <message>
        <source>Select web site to modify</source>
        <translation>Sélectionnez le site web à modifier</translation>
    </message>
    <message>
        <source>Nothing to remember: no field of this form holds a value of the product, and none that Fill all filled was emptied.</source>
        <translation>Rien à mémoriser : aucun champ de ce formulaire ne contient une valeur du produit, et aucun de ceux remplis par Tout remplir n&apos;a été vidé.</translation>
    </message>
    <message>
        <source>Remembered %1 fields of this site&apos;s form.</source>
        <translation>%1 champs du formulaire de ce site mémorisés.</translation>
    </message>
    <message>
        <source>Learned %1 fields of this site&apos;s form</source>
        <translation>%1 champs du formulaire de ce site appris</translation>
    </message>
    <message>
        <source>Please choose the product and select the site whose form is shown.</source>
        <translation>Veuillez choisir le produit et sélectionner le site dont le formulaire est affiché.</translation>
    </message>
    <message>
        <source>The page shown is not on the selected site: visit the site, then remember its form.</source>
        <translation>La page affichée n&apos;est pas sur le site sélectionné : visitez le site, puis mémorisez son formulaire.</translation>
    </message>
    <message>
        <source>Export form maps</source>
        <translation>Exporter les correspondances de formulaires</translation>
    </message>
    <message>
        <source>Form maps (*.json)</source>
        <translation>Correspondances de formulaires (*.json)</translation>
    </message>
    <message>
        <source>The form maps were written to %1.</source>
        <translation>Les correspondances de formulaires ont été écrites dans %1.</translation>
    </message>
    <message>
        <source>Import form maps</source>
        <translation>Importer des correspondances de formulaires</translation>
    </message>
    <message>
        <source>Form maps (*.json);;All files (*)</source>
        <translation>Correspondances de formulaires (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a file of form maps, and nothing was imported: %2</source>
        <translation>%1 n&apos;est pas un fichier de correspondances de formulaires, et rien n&apos;a été importé : %2</translation>
    </message>
    <message>
        <source>Imported %1 learned fields; %2 entries name no site of the archive.</source>
        <translation>%1 champs appris importés ; %2 entrées ne désignent aucun site de l&apos;archive.</translation>
    </message>
    <message>
        <source>The site is not in the list as it is shown now.</source>
        <translation>Le site ne figure pas dans la liste telle qu&apos;elle est affichée.</translation>
    </message>
    <message>
        <source>You must select a product to change pad site status!</source>
        <translation>Vous devez sélectionner un produit pour changer le statut du site PAD !</translation>
    </message>
    <message>
        <source>You must select a site to change pad site status!</source>
        <translation>Vous devez sélectionner un site pour changer le statut du site PAD !</translation>
    </message>
    <message>
        <source>New status set is: %1 for site URL: %2</source>
        <translation>Nouveau statut défini : %1 pour l&apos;URL du site : %2</translation>
    </message>
    <message>
        <source>Are you sure you want to update status version information? </source>
        <translation>Voulez-vous vraiment mettre à jour les informations de version du statut ? </translation>
    </message>
    <message>
        <source>update status version information</source>
        <translation>mettre à jour les informations de version du statut</translation>
    </message>
    <message>
        <source>No status updated</source>
        <translation>Aucun statut mis à jour</translation>
    </message>
    <message>
        <source>Status updated for %1 elements!</source>
        <translation>Statut mis à jour pour %1 éléments !</translation>
    </message>
    <message>
        <source>You must select a product to show pad site status!</source>
        <translation>Vous devez sélectionner un produit pour afficher le statut du site PAD !</translation>
    </message>
    <message>
        <source>You must select a site to show pad site status!</source>
        <translation>Vous devez sélectionner un site pour afficher le statut du site PAD !</translation>
    </message>
    <message>
        <source>What the last Fill all filled and left for you</source>
        <translation>Ce que le dernier Tout remplir a rempli et ce qu&apos;il vous a laissé</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <source>Show/Hide ListView</source>
        <translation>Afficher/masquer la liste</translation>
    </message>
    <message>
        <source>New PAD Site</source>
        <translation>Nouveau site PAD</translation>
    </message>
    <message>
        <source>PAD Site Property</source>
        <translation>Propriétés du site PAD</translation>
    </message>
    <message>
        <source>Change status to Not Submitted</source>
        <translation>Passer le statut à Non soumis</translation>
    </message>
    <message>
        <source>Change status to Submitted</source>
        <translation>Passer le statut à Soumis</translation>
    </message>
    <message>
        <source>Change status to Published</source>
        <translation>Passer le statut à Publié</translation>
    </message>
    <message>
        <source>Show product history log for selected site</source>
        <translation>Afficher l&apos;historique du produit pour le site sélectionné</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot;  flag</source>
        <translation>Définir l&apos;indicateur « Ancienne version »</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>Old version only</source>
        <translation>Ancienne version seulement</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>part of a submit address</source>
        <translation>partie d&apos;une adresse de soumission</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>PAD sites</source>
        <translation>Sites PAD</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Page status</source>
        <translation>État de la page</translation>
    </message>
    <message>
        <source>Clear form values</source>
        <translation>Effacer les valeurs du formulaire</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Produit :</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Fill the page&apos;s form from the product</source>
        <translation>Remplir le formulaire de la page à partir du produit</translation>
    </message>
    <message>
        <source>Fill all</source>
        <translation>Tout remplir</translation>
    </message>
    <message>
        <source>Fill every field of the page by what it asks for (Ctrl+Shift+F)</source>
        <translation>Remplir chaque champ de la page selon ce qu&apos;il demande (Ctrl+Maj+F)</translation>
    </message>
    <message>
        <source>PAD</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>RegNow</source>
        <translation>RegNow</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Fill log-in</source>
        <translation>Remplir la connexion</translation>
    </message>
    <message>
        <source>Fill the selected site&apos;s user name and password into the page&apos;s log-in form (Ctrl+Shift+L)</source>
        <translation>Saisir le nom d&apos;utilisateur et le mot de passe du site sélectionné dans le formulaire de connexion de la page (Ctrl+Maj+L)</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Autres éléments</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Back up archive...</source>
        <translation>&amp;Sauvegarder l&apos;archive...</translation>
    </message>
    <message>
        <source>&amp;Restore from backup...</source>
        <translation>&amp;Restaurer depuis une sauvegarde...</translation>
    </message>
    <message>
        <source>&amp;Export report...</source>
        <translation>&amp;Exporter le rapport...</translation>
    </message>
    <message>
        <source>Export &amp;form maps...</source>
        <translation>Exporter les &amp;correspondances de formulaires...</translation>
    </message>
    <message>
        <source>&amp;Import form maps...</source>
        <translation>&amp;Importer des correspondances de formulaires...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;PAD Sites</source>
        <translation>Sites &amp;PAD</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Nouveau site</translation>
    </message>
    <message>
        <source>Site &amp;property</source>
        <translation>&amp;Propriétés du site</translation>
    </message>
    <message>
        <source>&amp;Visit submit page</source>
        <translation>&amp;Visiter la page de soumission</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select n&amp;one</source>
        <translation>Ne &amp;rien sélectionner</translation>
    </message>
    <message>
        <source>&amp;Import from file...</source>
        <translation>&amp;Importer depuis un fichier...</translation>
    </message>
    <message>
        <source>Import sites from a &amp;list...</source>
        <translation>Importer des sites depuis une &amp;liste...</translation>
    </message>
    <message>
        <source>Find &amp;duplicate sites</source>
        <translation>Rechercher les sites en &amp;double</translation>
    </message>
    <message>
        <source>&amp;Check sites...</source>
        <translation>Vérifier les &amp;sites...</translation>
    </message>
    <message>
        <source>P&amp;roducts</source>
        <translation>P&amp;roduits</translation>
    </message>
    <message>
        <source>&amp;Add product</source>
        <translation>&amp;Ajouter un produit</translation>
    </message>
    <message>
        <source>Product &amp;property</source>
        <translation>&amp;Propriétés du produit</translation>
    </message>
    <message>
        <source>&amp;Update from PAD file</source>
        <translation>&amp;Mettre à jour depuis le fichier PAD</translation>
    </message>
    <message>
        <source>New &amp;version...</source>
        <translation>Nouvelle &amp;version...</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Navigateur</translation>
    </message>
    <message>
        <source>&amp;Fill all</source>
        <translation>&amp;Tout remplir</translation>
    </message>
    <message>
        <source>&amp;Undo Fill all</source>
        <translation>&amp;Annuler Tout remplir</translation>
    </message>
    <message>
        <source>Re&amp;member this form</source>
        <translation>&amp;Mémoriser ce formulaire</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Forget site log-ins...</source>
        <translation>Oublier les &amp;connexions des sites...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Download &amp;Sites List</source>
        <translation>Télécharger la &amp;liste des sites</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Quillomar Pad Submitter &amp;Web Site</source>
        <translation>Site &amp;web de Quillomar Pad Submitter</translation>
    </message>
    <message>
        <source>F&amp;acebook</source>
        <translation>F&amp;acebook</translation>
    </message>
    <message>
        <source>A&amp;bout Quillomar Pad Submitter</source>
        <translation>À &amp;propos de Quillomar Pad Submitter</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Desktop default</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(au prochain démarrage)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Pop up windows</source>
        <translation>Fenêtres pop-up</translation>
    </message>
    <message>
        <source>When finding a pop window: </source>
        <translation>Lorsqu&apos;une fenêtre pop-up apparaît : </translation>
    </message>
    <message>
        <source>&amp;Always block</source>
        <translation>&amp;Toujours bloquer</translation>
    </message>
    <message>
        <source>As&amp;k</source>
        <translation>&amp;Demander</translation>
    </message>
    <message>
        <source>Default pad site ordering</source>
        <translation>Tri par défaut des sites PAD</translation>
    </message>
    <message>
        <source>Default ordering method in pad site listview</source>
        <translation>Méthode de tri par défaut de la liste des sites PAD</translation>
    </message>
    <message>
        <source>&amp;Rank</source>
        <translation>&amp;Rang</translation>
    </message>
    <message>
        <source>&amp;PAD site name</source>
        <translation>Nom du site &amp;PAD</translation>
    </message>
    <message>
        <source>Open the program&apos;s &amp;web site at start</source>
        <translation>Ouvrir le site &amp;web du programme au démarrage</translation>
    </message>
    <message>
        <source>Submission run</source>
        <translation>Série de soumissions</translation>
    </message>
    <message>
        <source>After a status change, open the &amp;next remaining site</source>
        <translation>Après un changement de statut, ouvrir le site restant &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Fill all after a site is visited</source>
        <translation>Tout &amp;remplir après la visite d&apos;un site</translation>
    </message>
    <message>
        <source>... or the next site marked &amp;old version</source>
        <translation>... ou le site suivant marqué ancienne &amp;version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The options could not be saved. %1
They apply until the program ends.</source>
        <translation>Les options n&apos;ont pas pu être enregistrées. %1
Elles s&apos;appliquent jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>frmPadSource</name>
    <message>
        <source>Import PAD file</source>
        <translation>Importer un fichier PAD</translation>
    </message>
    <message>
        <source>https://www.example.com/pad.xml or a file on this computer</source>
        <translation>https://www.example.com/pad.xml ou un fichier sur cet ordinateur</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>PAD file or web &amp;address:</source>
        <translation>Fichier PAD ou &amp;adresse web :</translation>
    </message>
    <message>
        <source>Please type the address of a PAD file, or choose a file with Browse.</source>
        <translation>Veuillez saisir l&apos;adresse d&apos;un fichier PAD ou choisir un fichier avec Parcourir.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Seules les adresses http et https et les fichiers de cet ordinateur peuvent être lus.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Lecture de %1 ...</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>Fichiers PAD (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Le téléchargement a été annulé.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>Rien n&apos;a été importé depuis %1 :
%2</translation>
    </message>
</context>
<context>
    <name>frmPadUpdate</name>
    <message>
        <source>Update from PAD file</source>
        <translation>Mettre à jour depuis le fichier PAD</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The product has no PAD address; set its PAD location in the product&apos;s properties.</source>
        <translation>Le produit n&apos;a pas d&apos;adresse PAD ; indiquez l&apos;emplacement PAD dans les propriétés du produit.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Seules les adresses http et https et les fichiers de cet ordinateur peuvent être lus.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Lecture de %1 ...</translation>
    </message>
    <message>
        <source>The PAD file holds the stored values: nothing differs.</source>
        <translation>Le fichier PAD contient les valeurs enregistrées : rien ne diffère.</translation>
    </message>
    <message>
        <source>Checked fields are stored from the PAD file %1.</source>
        <translation>Les champs cochés sont enregistrés depuis le fichier PAD %1.</translation>
    </message>
    <message>
        <source>Nothing was updated from %1:
%2</source>
        <translation>Rien n&apos;a été mis à jour depuis %1 :
%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
</context>
<context>
    <name>frmProduct</name>
    <message>
        <source>Click to launch browser to verify the link</source>
        <translation>Cliquer pour ouvrir le navigateur et vérifier le lien</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caractères :</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Descrip&amp;tion</source>
        <translation>Descrip&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Changelog</source>
        <translation>&amp;Journal des modifications</translation>
    </message>
    <message>
        <source>Copy selected element text in clipboard</source>
        <translation>Copier le texte de l&apos;élément sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>Imp&amp;ort PAD...</source>
        <translation>Imp&amp;orter un PAD...</translation>
    </message>
    <message>
        <source>Fill the boxes from a PAD file or its web address</source>
        <translation>Remplir les champs depuis un fichier PAD ou son adresse web</translation>
    </message>
    <message>
        <source>E&amp;xport PAD...</source>
        <translation>E&amp;xporter en PAD...</translation>
    </message>
    <message>
        <source>Save the values in the boxes as a PAD file</source>
        <translation>Enregistrer les valeurs des champs dans un fichier PAD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>&amp;Version :</translation>
    </message>
    <message>
        <source>PAD &amp;location:</source>
        <translation>&amp;Emplacement du PAD :</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;om :</translation>
    </message>
    <message>
        <source>&amp;KB:</source>
        <translation>&amp;Ko :</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;E-mail :</translation>
    </message>
    <message>
        <source>B&amp;ytes:</source>
        <translation>&amp;Octets :</translation>
    </message>
    <message>
        <source>&amp;Screenshot:</source>
        <translation>&amp;Capture d&apos;écran :</translation>
    </message>
    <message>
        <source>&amp;Icon file:</source>
        <translation>Fichier d&apos;&amp;icône :</translation>
    </message>
    <message>
        <source>&amp;Program URL:</source>
        <translation>URL du &amp;programme :</translation>
    </message>
    <message>
        <source>Download &amp;1:</source>
        <translation>Téléchargement &amp;1 :</translation>
    </message>
    <message>
        <source>Download &amp;2:</source>
        <translation>Téléchargement &amp;2 :</translation>
    </message>
    <message>
        <source>Link &amp;back:</source>
        <translation>Lien de &amp;retour :</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Release &amp;date</source>
        <translation>&amp;Date de sortie</translation>
    </message>
    <message>
        <source>B&amp;uy URL:</source>
        <translation>URL d&apos;ac&amp;hat :</translation>
    </message>
    <message>
        <source>&amp;RegNow:</source>
        <translation>R&amp;egNow :</translation>
    </message>
    <message>
        <source>S&amp;hare-it:</source>
        <translation>S&amp;hare-it :</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>&amp;Mots-clés</translation>
    </message>
    <message>
        <source>&amp;Short description</source>
        <translation>Description &amp;courte</translation>
    </message>
    <message>
        <source>&amp;Long description</source>
        <translation>Description &amp;longue</translation>
    </message>
    <message>
        <source>L&amp;imitations</source>
        <translation>L&amp;imitations</translation>
    </message>
    <message>
        <source>&amp;Recent changes</source>
        <translation>Modifications &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Full changelog</source>
        <translation>&amp;Journal complet des modifications</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
    <message>
        <source>Modify product</source>
        <translation>Modifier le produit</translation>
    </message>
    <message>
        <source>New product</source>
        <translation>Nouveau produit</translation>
    </message>
    <message>
        <source>Please choose a product name!</source>
        <translation>Veuillez choisir un nom de produit !</translation>
    </message>
    <message>
        <source>Please choose the release date of your product!</source>
        <translation>Veuillez choisir la date de sortie de votre produit !</translation>
    </message>
    <message>
        <source>%1: longer than the box&apos;s %2 characters.</source>
        <translation>%1 : plus long que les %2 caractères du champ.</translation>
    </message>
    <message>
        <source>The PAD file filled no box.</source>
        <translation>Le fichier PAD n&apos;a rempli aucun champ.</translation>
    </message>
    <message>
        <source>Filled from the PAD file: %1.
Nothing is stored until you press OK.</source>
        <translation>Rempli depuis le fichier PAD : %1.
Rien n&apos;est enregistré avant que vous appuyiez sur OK.</translation>
    </message>
    <message>
        <source>

The file is not well-formed; mended before reading:
</source>
        <translation>

Le fichier n&apos;est pas bien formé ; corrigé avant la lecture :
</translation>
    </message>
    <message>
        <source>

Not filled:
</source>
        <translation>

Non rempli :
</translation>
    </message>
    <message>
        <source> It holds none of the product&apos;s fields.</source>
        <translation> Il ne contient aucun des champs du produit.</translation>
    </message>
    <message>
        <source>Export PAD file</source>
        <translation>Exporter le fichier PAD</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>Fichiers PAD (*.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The PAD file was written to %1.</source>
        <translation>Le fichier PAD a été écrit dans %1.</translation>
    </message>
</context>
<context>
    <name>frmProductHistory</name>
    <message>
        <source>Product History Log</source>
        <translation>Historique du produit</translation>
    </message>
    <message>
        <source>Last status information </source>
        <translation>Dernières informations d&apos;état </translation>
    </message>
    <message>
        <source>Add history item</source>
        <translation>Ajouter une entrée d&apos;historique</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>There is no state set for site-product</source>
        <translation>Aucun statut n&apos;est défini pour ce site et ce produit</translation>
    </message>
    <message>
        <source>No status information available</source>
        <translation>Aucune information d&apos;état disponible</translation>
    </message>
    <message>
        <source> ver. </source>
        <translation> ver. </translation>
    </message>
    <message>
        <source> on site: </source>
        <translation> sur le site : </translation>
    </message>
    <message>
        <source>First status information inserted on: </source>
        <translation>Première information d&apos;état saisie le : </translation>
    </message>
    <message>
        <source>Last status update on: </source>
        <translation>Dernière mise à jour du statut le : </translation>
    </message>
    <message>
        <source>Actual status: </source>
        <translation>Statut actuel : </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items? </source>
        <translation>Voulez-vous vraiment supprimer les éléments sélectionnés ? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
</context>
<context>
    <name>frmProductHistoryItem</name>
    <message>
        <source>Product History Item</source>
        <translation>Entrée de l&apos;historique du produit</translation>
    </message>
    <message>
        <source>Use this window to insert a short note about product - site operation</source>
        <translation>Utilisez cette fenêtre pour saisir une courte note sur l&apos;opération produit - site</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurer depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Créée</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Other file...</source>
        <translation>Autre fichier...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Restore from file</source>
        <translation>Restaurer depuis un fichier</translation>
    </message>
    <message>
        <source>Archive (*.db);;All files (*)</source>
        <translation>Archive (*.db);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.<byte value="xd"/>
<byte value="xd"/>
The archive was not changed.</source>
        <translation>Impossible de restaurer %1 : %2.<byte value="xd"/>
<byte value="xd"/>
L&apos;archive n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>Replace everything in the archive with the contents of %1 (%2 sites, %3 products)?<byte value="xd"/>
<byte value="xd"/>
The archive is backed up first.</source>
        <translation>Remplacer tout le contenu de l&apos;archive par celui de %1 (%2 sites, %3 produits) ?<byte value="xd"/>
<byte value="xd"/>
L&apos;archive est d&apos;abord sauvegardée.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
</context>
<context>
    <name>frmSite</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Open Link in your default browser</source>
        <translation>Ouvrir le lien dans votre navigateur par défaut</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Home page:</source>
        <translation>Page d&apos;a&amp;ccueil :</translation>
    </message>
    <message>
        <source>&amp;Submit URL:</source>
        <translation>URL de &amp;soumission :</translation>
    </message>
    <message>
        <source>&amp;Auto Update PAD URL:</source>
        <translation>Mise à jour &amp;auto. de l&apos;URL PAD :</translation>
    </message>
    <message>
        <source>&amp;Rank:</source>
        <translation>&amp;Rang :</translation>
    </message>
    <message>
        <source>Access Information</source>
        <translation>Informations d&apos;accès</translation>
    </message>
    <message>
        <source>Require a&amp;uthentication:</source>
        <translation>A&amp;uthentification requise :</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Afficher/Masquer</translation>
    </message>
    <message>
        <source>User&amp;ID:</source>
        <translation>&amp;Identifiant :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>No&amp;tes</source>
        <translation>No&amp;tes</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Insert date:</source>
        <translation>Date de création :</translation>
    </message>
    <message>
        <source>Last mod. :</source>
        <translation>Dernière modif. :</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Takes</source>
        <translation>Reçoit</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Appris</translation>
    </message>
    <message>
        <source>Forget learned fields</source>
        <translation>Oublier les champs appris</translation>
    </message>
    <message>
        <source>Learned fields</source>
        <translation>Champs appris</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
    <message>
        <source>Modify Site Properties</source>
        <translation>Modifier les propriétés du site</translation>
    </message>
    <message>
        <source>New Site</source>
        <translation>Nouveau site</translation>
    </message>
    <message>
        <source>leave empty</source>
        <translation>laisser vide</translation>
    </message>
    <message>
        <source>Forget every field learned of this site&apos;s forms? Fill all then judges them by their words again.</source>
        <translation>Oublier tous les champs appris des formulaires de ce site ? Tout remplir les jugera alors de nouveau d&apos;après leurs mots.</translation>
    </message>
    <message>
        <source>Please insert submit url for Site!</source>
        <translation>Veuillez saisir l&apos;URL de soumission du site !</translation>
    </message>
</context>
<context>
    <name>frmSiteCheck</name>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Adresse de soumission</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>HTTP status</source>
        <translation>Statut HTTP</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Nouvelle adresse</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Date of check</source>
        <translation>Date de la vérification</translation>
    </message>
    <message>
        <source>Site check</source>
        <translation>Vérification des sites</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Use new address</source>
        <translation>Utiliser la nouvelle adresse</translation>
    </message>
    <message>
        <source>Delete failed sites...</source>
        <translation>Supprimer les sites en échec...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Checking %1 sites</source>
        <translation>Vérification de %1 sites</translation>
    </message>
    <message>
        <source>%1 sites to check</source>
        <translation>%1 sites à vérifier</translation>
    </message>
    <message>
        <source>No site has moved.</source>
        <translation>Aucun site n&apos;a été déplacé.</translation>
    </message>
    <message>
        <source>%1 sites have their new submit address.</source>
        <translation>%1 sites ont leur nouvelle adresse de soumission.</translation>
    </message>
    <message>
        <source>No site failed the check.</source>
        <translation>Aucun site n&apos;a échoué à la vérification.</translation>
    </message>
    <message>
        <source>Delete the %1 sites that are gone or unreachable?</source>
        <translation>Supprimer les %1 sites disparus ou injoignables ?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
</context>
<context>
    <name>frmSiteImport</name>
    <message>
        <source>Import PAD sites</source>
        <translation>Importer des sites PAD</translation>
    </message>
    <message>
        <source>This procedure will import a  list of PAD sites from a text file.</source>
        <translation>Cette procédure importe une  liste de sites PAD depuis un fichier texte.</translation>
    </message>
    <message>
        <source>Please note  that input file must be formatted as follows: NAME, URL.</source>
        <translation>Veuillez noter  que le fichier d&apos;entrée doit avoir la forme suivante : NOM, URL.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Input file :</source>
        <translation>Fichier d&apos;entrée :</translation>
    </message>
    <message>
        <source>Field separator</source>
        <translation>Séparateur de champs</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>&apos;;&apos; Semi-colon </source>
        <translation>&apos;;&apos; Point-virgule </translation>
    </message>
    <message>
        <source>&apos;,&apos; Comma</source>
        <translation>&apos;,&apos; Virgule</translation>
    </message>
    <message>
        <source>Skip lines that duplicate a site</source>
        <translation>Ignorer les lignes qui reprennent un site existant</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Browse input file...</source>
        <translation>Choisir le fichier d&apos;entrée...</translation>
    </message>
    <message>
        <source>Input file (*.txt *.csv *.tab *.asc)</source>
        <translation>Fichier d&apos;entrée (*.txt *.csv *.tab *.asc)</translation>
    </message>
    <message>
        <source>Please, choose a file to import from!</source>
        <translation>Veuillez choisir un fichier à importer !</translation>
    </message>
    <message>
        <source>Separator character was not found in the first row of your input file. Please check your input file and choose the right separator.</source>
        <translation>Le séparateur est introuvable dans la première ligne de votre fichier d&apos;entrée. Veuillez vérifier le fichier et choisir le bon séparateur.</translation>
    </message>
    <message>
        <source>File is empty!</source>
        <translation>Le fichier est vide !</translation>
    </message>
    <message>
        <source>File  to import contains %1 lines (sites). Do you want to proceed?</source>
        <translation>Le fichier  à importer contient %1 lignes (sites). Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Importing PAD site list</source>
        <translation>Importation de la liste des sites PAD</translation>
    </message>
    <message>
        <source> Skipped %1 lines that duplicate a site.</source>
        <translation> %1 lignes reprenant un site existant ont été ignorées.</translation>
    </message>
    <message>
        <source>Imported %1 PAD sites.</source>
        <translation>%1 sites PAD importés.</translation>
    </message>
    <message>
        <source>No PAD sites were imported.</source>
        <translation>Aucun site PAD n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Importing: %1</source>
        <translation>Importation : %1</translation>
    </message>
    <message>
        <source>An error occured. Stop importing?</source>
        <translation>Une erreur s&apos;est produite. Arrêter l&apos;importation ?</translation>
    </message>
    <message>
        <source>Error during import</source>
        <translation>Erreur pendant l&apos;importation</translation>
    </message>
    <message>
        <source>The file %1 holds no lines.</source>
        <translation>Le fichier %1 ne contient aucune ligne.</translation>
    </message>
    <message>
        <source> Line: %1</source>
        <translation> Ligne : %1</translation>
    </message>
</context>
<context>
    <name>frmSiteListImport</name>
    <message>
        <source>Import sites from a list</source>
        <translation>Importer des sites depuis une liste</translation>
    </message>
    <message>
        <source>A CSV or TSV file, a markdown file, an HTML page, exported bookmarks or a list of addresses, one a line.</source>
        <translation>Un fichier CSV ou TSV, un fichier Markdown, une page HTML, des signets exportés ou une liste d&apos;adresses, une par ligne.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>La première ligne contient les noms des colonnes</translation>
    </message>
    <message>
        <source>&amp;Name column:</source>
        <translation>Colonne du &amp;nom :</translation>
    </message>
    <message>
        <source>&amp;Address column:</source>
        <translation>Colonne de l&apos;&amp;adresse :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Browse site list...</source>
        <translation>Choisir la liste de sites...</translation>
    </message>
    <message>
        <source>Site lists (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;All files (*)</source>
        <translation>Listes de sites (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Please, choose a file to import from!</source>
        <translation>Veuillez choisir un fichier à importer !</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Lu comme : %1</translation>
    </message>
    <message>
        <source>(the address&apos;s host)</source>
        <translation>(l&apos;hôte de l&apos;adresse)</translation>
    </message>
    <message>
        <source>%1 sites to import, %2 already in the list, %3 not web addresses.</source>
        <translation>%1 sites à importer, %2 déjà dans la liste, %3 qui ne sont pas des adresses web.</translation>
    </message>
    <message>
        <source>Imported %1 PAD sites.</source>
        <translation>%1 sites PAD importés.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>The archive could not be backed up: %1</source>
        <translation>L&apos;archive n&apos;a pas pu être sauvegardée : %1</translation>
    </message>
    <message>
        <source>%1 The browser keeps no log-in beyond this run.</source>
        <translation>%1 Le navigateur ne conserve aucune connexion au-delà de cette session.</translation>
    </message>
    <message>
        <source>Error n° 1 The program directory is unknown<byte value="xd"/> in ReadSettings</source>
        <translation>Erreur n° 1 Le dossier du programme est inconnu<byte value="xd"/> dans ReadSettings</translation>
    </message>
    <message>
        <source>Specified archive file does not exist. Check menu tools-&gt;options</source>
        <translation>Le fichier d&apos;archive indiqué n&apos;existe pas. Vérifiez le menu Outils-&gt;Options</translation>
    </message>
    <message>
        <source>I cannot read ini file.<byte value="xd"/>
Check presence of file .ini in program directory!</source>
        <translation>Impossible de lire le fichier ini.<byte value="xd"/>
Vérifiez la présence du fichier .ini dans le dossier du programme !</translation>
    </message>
    <message>
        <source>Error in Sub Main reading settings</source>
        <translation>Erreur dans Sub Main lors de la lecture des paramètres</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
The program cannot work without its database and ends now.</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
Le programme ne peut pas fonctionner sans sa base de données et s&apos;arrête maintenant.</translation>
    </message>
</context>
</TS>
