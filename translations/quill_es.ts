<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ArchiveBackup</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The archive %1 does not exist.</source>
        <translation>La base de datos %1 no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The archive could not be backed up before this change: %1<byte value="xd"/>
<byte value="xd"/>
Go on without a backup?</source>
        <translation>No se pudo hacer una copia de seguridad de la base de datos antes de este cambio: %1<byte value="xd"/>
<byte value="xd"/>
¿Continuar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>%1 is the archive itself.</source>
        <translation>%1 es la propia base de datos.</translation>
    </message>
    <message>
        <source>there is no file %1</source>
        <translation>no existe el archivo %1</translation>
    </message>
    <message>
        <source>it is the archive itself</source>
        <translation>es la propia base de datos</translation>
    </message>
    <message>
        <source>it is damaged (%1)</source>
        <translation>está dañado (%1)</translation>
    </message>
    <message>
        <source>it holds no table %1</source>
        <translation>no contiene la tabla %1</translation>
    </message>
    <message>
        <source>its table %1 has no column %2</source>
        <translation>su tabla %1 no tiene la columna %2</translation>
    </message>
    <message>
        <source>it cannot be read as a database (%1)</source>
        <translation>no se puede leer como base de datos (%1)</translation>
    </message>
</context>
<context>
    <name>BrowserProfile</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>BrowserQueries</name>
    <message>
        <source>&apos;%1&apos; is not a product field</source>
        <translation>&apos;%1&apos; no es un campo de producto</translation>
    </message>
</context>
<context>
    <name>CheckableDateEdit</name>
    <message>
        <source>Check to give a date</source>
        <translation>Marque para indicar una fecha</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>Tiene fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>ColumnValues</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>EditorValues</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>FormFiller</name>
    <message>
        <source>Filled 1 field</source>
        <translation>1 campo rellenado</translation>
    </message>
    <message>
        <source>Filled %1 fields</source>
        <translation>%1 campos rellenados</translation>
    </message>
    <message>
        <source>. Left empty: %1</source>
        <translation>. Dejados vacíos: %1</translation>
    </message>
    <message>
        <source>. Shortened to fit: %1</source>
        <translation>. Acortados para caber: %1</translation>
    </message>
    <message>
        <source> (%1 from this site&apos;s form, %2 by their words)</source>
        <translation> (%1 según el formulario de este sitio, %2 por sus palabras)</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... y %1 más</translation>
    </message>
    <message>
        <source>Left empty, for you to fill or choose:</source>
        <translation>Dejados vacíos, para que usted los rellene o elija:</translation>
    </message>
    <message>
        <source>Left empty, as two meanings fit equally well:</source>
        <translation>Dejados vacíos, porque dos significados encajan igual de bien:</translation>
    </message>
    <message>
        <source>Shortened to fit:</source>
        <translation>Acortados para caber:</translation>
    </message>
</context>
<context>
    <name>FormMapFile</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>the file holds no &quot;%1&quot; list</source>
        <translation>el archivo no contiene ninguna lista &quot;%1&quot;</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <translation>entrada %1: %2</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>no es un objeto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing or not a text</source>
        <translation>&quot;%1&quot; falta o no es un texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; or &quot;%2&quot; is empty</source>
        <translation>&quot;%1&quot; o &quot;%2&quot; está vacío</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no product column</source>
        <translation>&quot;%1&quot; no es una columna de producto</translation>
    </message>
</context>
<context>
    <name>HelpManual</name>
    <message>
        <source>The user manual was not found. It should be at %1</source>
        <translation>No se encontró el manual de usuario. Debería estar en %1</translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>%1 published, %2 submitted, %3 remaining</source>
        <translation>%1 publicados, %2 enviados, %3 pendientes</translation>
    </message>
    <message>
        <source>status changes per week</source>
        <translation>cambios de estado por semana</translation>
    </message>
    <message>
        <source>Status changes per week, the last %1 weeks:</source>
        <translation>Cambios de estado por semana, las últimas %1 semanas:</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Compilación %1</translation>
    </message>
    <message>
        <source>The archive&apos;s counts could not be read.</source>
        <translation>No se pudieron leer los totales del archivo.</translation>
    </message>
    <message>
        <source>Last operation date time: %1</source>
        <translation>Fecha y hora de la última operación: %1</translation>
    </message>
    <message>
        <source>Total PAD sites in archive: %1</source>
        <translation>Total de sitios PAD en el archivo: %1</translation>
    </message>
    <message>
        <source>Products in archive: %1</source>
        <translation>Productos en el archivo: %1</translation>
    </message>
    <message>
        <source>No PAD sites in archive.  Use the menu item &apos;PAD Sites-&gt; Import sites from a list...&apos; to bring in a list, or &apos;PAD Sites-&gt; New site&apos; to add one. </source>
        <translation>No hay sitios PAD en el archivo.  Use el elemento de menú «Sitios PAD -&gt; Importar sitios desde una lista...» para cargar una lista, o «Sitios PAD -&gt; Nuevo sitio» para añadir uno. </translation>
    </message>
    <message>
        <source>The per-product counts could not be read.</source>
        <translation>No se pudieron leer los totales por producto.</translation>
    </message>
    <message>
        <source>No products in archive.  Use the &apos;New&apos; button below or the menu item &apos;Products-&gt; Add Product&apos; to create them. </source>
        <translation>No hay productos en el archivo.  Use el botón «Nuevo» de abajo o el elemento de menú «Productos -&gt; Añadir producto» para crearlos. </translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicado</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Pendientes</translation>
    </message>
    <message>
        <source>With OLD version flag</source>
        <translation>Con marca de versión ANTIGUA</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>it is not a text file: it holds control characters</source>
        <translation>no es un archivo de texto: contiene caracteres de control</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the value %2 does not fit the file&apos;s encoding</source>
        <translation>No se puede escribir %1: el valor %2 no cabe en la codificación del archivo</translation>
    </message>
</context>
<context>
    <name>PadDownload</name>
    <message>
        <source>The answer is larger than 5 MB, too large for a PAD file.</source>
        <translation>La respuesta supera los 5 MB, demasiado para un archivo PAD.</translation>
    </message>
    <message>
        <source>The address redirects more than 5 times.</source>
        <translation>La dirección redirige más de 5 veces.</translation>
    </message>
    <message>
        <source>The address redirects from https to plain http, which is not followed.</source>
        <translation>La dirección redirige de https a http sin cifrar, y eso no se sigue.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1.</source>
        <translation>El servidor respondió HTTP %1.</translation>
    </message>
    <message>
        <source>The server answered HTTP %1 (%2).</source>
        <translation>El servidor respondió HTTP %1 (%2).</translation>
    </message>
    <message>
        <source>No answer from %1: %2.</source>
        <translation>Sin respuesta de %1: %2.</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Sin respuesta de %1 en %2 segundos.</translation>
    </message>
    <message>
        <source>Only http and https addresses can be read.</source>
        <translation>Solo se pueden leer direcciones http y https.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>La descarga se canceló.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>Release date: year &quot;%1&quot;, month &quot;%2&quot;, day &quot;%3&quot; is not a date.</source>
        <translation>Fecha de publicación: año «%1», mes «%2», día «%3» no es una fecha.</translation>
    </message>
    <message>
        <source>Size KB: %1 &quot;%2&quot; is not a number.</source>
        <translation>Tamaño KB: %1 «%2» no es un número.</translation>
    </message>
    <message>
        <source>The file is larger than 5 MB, too large for a PAD file.</source>
        <translation>El archivo supera los 5 MB, demasiado para un archivo PAD.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file declares entities in a document type (line %1, column %2); a PAD file has none, so it is not read.</source>
        <translation>El archivo declara entidades en un tipo de documento (línea %1, columna %2); un archivo PAD no tiene ninguna, así que no se lee.</translation>
    </message>
    <message>
        <source>The file is not a PAD file: its root element is &lt;%1&gt;, not &lt;%2&gt;.</source>
        <translation>El archivo no es un archivo PAD: su elemento raíz es &lt;%1&gt;, no &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file is not XML (line %1, column %2): %3.</source>
        <translation>El archivo no es XML (línea %1, columna %2): %3.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %1, column %2): %3.</source>
        <translation>El archivo no es XML bien formado (línea %1, columna %2): %3.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>PadRepair</name>
    <message>
        <source>line </source>
        <translation>la línea </translation>
    </message>
    <message>
        <source>lines </source>
        <translation>las líneas </translation>
    </message>
    <message>
        <source>A bare &amp; on %1 was read as the character &amp;.</source>
        <translation>Un &amp; suelto en %1 se leyó como el carácter &amp;.</translation>
    </message>
    <message>
        <source>An end tag in other letter case than its start tag on %1 was read as closing it.</source>
        <translation>Una etiqueta de cierre con mayúsculas distintas de su etiqueta de apertura en %1 se leyó como su cierre.</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>PAD location</source>
        <translation>Ubicación del PAD</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Size KB</source>
        <translation>Tamaño KB</translation>
    </message>
    <message>
        <source>Program URL</source>
        <translation>URL del programa</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>Download 1</source>
        <translation>Descarga 1</translation>
    </message>
    <message>
        <source>Download 2</source>
        <translation>Descarga 2</translation>
    </message>
    <message>
        <source>Short description</source>
        <translation>Descripción corta</translation>
    </message>
    <message>
        <source>Long description</source>
        <translation>Descripción larga</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Icon file</source>
        <translation>Archivo de icono</translation>
    </message>
    <message>
        <source>Link back</source>
        <translation>Enlace de retorno</translation>
    </message>
    <message>
        <source>Buy URL</source>
        <translation>URL de compra</translation>
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
        <translation>Limitaciones</translation>
    </message>
    <message>
        <source>Recent changes</source>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Full changelog</source>
        <translation>Registro completo de cambios</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>Fecha de publicación</translation>
    </message>
</context>
<context>
    <name>ProgramDirectory</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>No data folder is known for this user, so the database cannot be set up. Check that the HOME variable names your home folder.</source>
        <translation>No se conoce ninguna carpeta de datos para este usuario, por lo que no se puede preparar la base de datos. Compruebe que la variable HOME indica su carpeta personal.</translation>
    </message>
    <message>
        <source>The data folder %1 could not be set up:</source>
        <translation>No se pudo preparar la carpeta de datos %1:</translation>
    </message>
    <message>
        <source>the folder cannot be created.</source>
        <translation>no se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>%1 is missing from the installation; reinstall the program.</source>
        <translation>Falta %1 en la instalación; vuelva a instalar el programa.</translation>
    </message>
</context>
<context>
    <name>RecordGone</name>
    <message>
        <source>This product no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Este producto ya no existe en la base de datos: otra ventana u otro programa lo eliminó. No se guardó nada.</translation>
    </message>
    <message>
        <source>This site no longer exists in the archive: another window or program deleted it. Nothing was saved.</source>
        <translation>Este sitio ya no existe en la base de datos: otra ventana u otro programa lo eliminó. No se guardó nada.</translation>
    </message>
</context>
<context>
    <name>SettingValue</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
</context>
<context>
    <name>SiteChecker</name>
    <message>
        <source>The server&apos;s name was not found.</source>
        <translation>No se encontró el nombre del servidor.</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>El servidor rechazó la conexión.</translation>
    </message>
    <message>
        <source>The server closed the connection without answering.</source>
        <translation>El servidor cerró la conexión sin responder.</translation>
    </message>
    <message>
        <source>The secure connection failed (TLS): %1</source>
        <translation>La conexión segura falló (TLS): %1</translation>
    </message>
    <message>
        <source>Not a web address.</source>
        <translation>No es una dirección web.</translation>
    </message>
    <message>
        <source>No answer within %1 s.</source>
        <translation>Sin respuesta en %1 s.</translation>
    </message>
    <message>
        <source>More than %1 redirects.</source>
        <translation>Más de %1 redirecciones.</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <translation>%1, después %2</translation>
    </message>
</context>
<context>
    <name>SiteChecks</name>
    <message>
        <source>OK</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Movido</translation>
    </message>
    <message>
        <source>Redirected</source>
        <translation>Redirigido</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Desaparecido</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Error del servidor</translation>
    </message>
    <message>
        <source>Unreachable</source>
        <translation>Inaccesible</translation>
    </message>
</context>
<context>
    <name>SiteImport</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The line has no site name and submit address separated by &apos;%1&apos;.</source>
        <translation>La línea no tiene un nombre de sitio y una dirección de envío separados por &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
</context>
<context>
    <name>SiteList</name>
    <message>
        <source>Error SubmitUrl is null</source>
        <translation>Error: SubmitUrl está vacío</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Submit Url</source>
        <translation>URL de envío</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Old V.</source>
        <translation>V. ant.</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>AU.</source>
        <translation>AA.</translation>
    </message>
    <message>
        <source>Loading... %1</source>
        <translation>Cargando... %1</translation>
    </message>
    <message>
        <source>Quillomar PAD Submitter - Elements: %1</source>
        <translation>Quillomar PAD Submitter - Elementos: %1</translation>
    </message>
</context>
<context>
    <name>SiteListFile</name>
    <message>
        <source>List of addresses</source>
        <translation>Lista de direcciones</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Bookmarks</source>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>HTML links</source>
        <translation>Enlaces HTML</translation>
    </message>
    <message>
        <source>Markdown links</source>
        <translation>Enlaces Markdown</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>ya está en la lista</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>no es una dirección web</translation>
    </message>
</context>
<context>
    <name>SubmissionReport</name>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Dirección de envío</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Old version</source>
        <translation>Versión antigua</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SubmitStatus</name>
    <message>
        <source>Not submitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>NotSubmitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicado</translation>
    </message>
</context>
<context>
    <name>Trap</name>
    <message>
        <source>Error in: </source>
        <translation>Error en: </translation>
    </message>
    <message>
        <source>Error in %1: </source>
        <translation>Error en %1: </translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>The certificate of %1 is not valid:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue to this site anyway?</source>
        <translation>El certificado de %1 no es válido:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
¿Continuar a este sitio de todos modos?</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quillomar PAD Submitter</source>
        <translation>Acerca de Quillomar PAD Submitter</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Haga clic para cerrar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Compilación %1</translation>
    </message>
</context>
<context>
    <name>frmDuplicateSites</name>
    <message>
        <source>Find duplicate sites</source>
        <translation>Buscar sitios duplicados</translation>
    </message>
    <message>
        <source>Sites whose submit addresses are the same. Select the site to keep and merge its group into it: the statuses and history of the others move to it, then they are deleted.</source>
        <translation>Sitios cuyas direcciones de envío son iguales. Seleccione el sitio que desea conservar y combine en él su grupo: los estados y el historial de los demás pasan a él y después estos se eliminan.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Submit URL</source>
        <translation>URL de envío</translation>
    </message>
    <message>
        <source>Statuses</source>
        <translation>Estados</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Keep this site, merge the group</source>
        <translation>Conservar este sitio, combinar el grupo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 sites</source>
        <translation>%1 sitios</translation>
    </message>
    <message>
        <source>No duplicate sites.</source>
        <translation>No hay sitios duplicados.</translation>
    </message>
    <message>
        <source>Merge %1 sites into &quot;%2&quot; and delete them?</source>
        <translation>¿Combinar %1 sitios en «%2» y eliminarlos?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Back up archive</source>
        <translation>Hacer copia de seguridad del archivo</translation>
    </message>
    <message>
        <source>Archive (*.db)</source>
        <translation>Archivo (*.db)</translation>
    </message>
    <message>
        <source>The archive was backed up to %1</source>
        <translation>Se hizo copia de seguridad del archivo en %1</translation>
    </message>
    <message>
        <source>The archive was restored from %1</source>
        <translation>El archivo se restauró desde %1</translation>
    </message>
    <message>
        <source>Select in the combo box the program to update</source>
        <translation>Seleccione en la lista el programa que desea actualizar</translation>
    </message>
    <message>
        <source>Stored from the PAD file: %1.</source>
        <translation>Guardado desde el archivo PAD: %1.</translation>
    </message>
    <message>
        <source>New version of %1:</source>
        <translation>Nueva versión de %1:</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>Version changed from %1 to %2. Mark the %3 sites where this product is submitted or published, and which do not update from the PAD address themselves, as showing an old version?</source>
        <translation>La versión cambió de %1 a %2. ¿Marcar los %3 sitios donde este producto está enviado o publicado, y que no se actualizan por sí mismos desde la dirección PAD, como con una versión antigua?</translation>
    </message>
    <message>
        <source>Select one</source>
        <translation>Seleccione uno</translation>
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
        <translation>Seleccione en la lista el programa que desea modificar</translation>
    </message>
    <message>
        <source>Select in the combo box the program to delete</source>
        <translation>Seleccione en la lista el programa que desea eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete product &apos;%1&apos; ? </source>
        <translation>¿Seguro que desea eliminar el producto «%1»? </translation>
    </message>
    <message>
        <source>Deleting Product &apos;%1&apos;</source>
        <translation>Eliminar el producto «%1»</translation>
    </message>
    <message>
        <source>Please choose a product: the report shows its standing on every site.</source>
        <translation>Elija un producto: el informe muestra su situación en cada sitio.</translation>
    </message>
    <message>
        <source>Export report</source>
        <translation>Exportar informe</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv);;Printable page (*.html *.htm)</source>
        <translation>Hoja de cálculo (*.csv);;Página imprimible (*.html *.htm)</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>El informe se escribió en %1.</translation>
    </message>
    <message>
        <source>Open PAD Site Submit URL</source>
        <translation>Abrir la página de envío del sitio PAD</translation>
    </message>
    <message>
        <source>Open PAD Site HomePage</source>
        <translation>Abrir la página de inicio del sitio PAD</translation>
    </message>
    <message>
        <source>Visit Site HomePage in External Browser</source>
        <translation>Visitar la página de inicio del sitio en el navegador externo</translation>
    </message>
    <message>
        <source>Bookmark</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Toggle bookmark</source>
        <translation>Poner/quitar marcador</translation>
    </message>
    <message>
        <source>Go to Next Bookmark</source>
        <translation>Ir al siguiente marcador</translation>
    </message>
    <message>
        <source>Clear all bookmark</source>
        <translation>Borrar todos los marcadores</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>No seleccionar nada</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Not Submitted</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Submitted</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Published</source>
        <translation>Publicado</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on selected elements</source>
        <translation>Establecer «Versión antigua» en los elementos seleccionados</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot; on ALL elements</source>
        <translation>Establecer «Versión antigua» en TODOS los elementos</translation>
    </message>
    <message>
        <source>Set &quot;Actual Version&quot;</source>
        <translation>Establecer «Versión actual»</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Mostrar historial</translation>
    </message>
    <message>
        <source>Web Site property...</source>
        <translation>Propiedades del sitio web...</translation>
    </message>
    <message>
        <source>Add new site...</source>
        <translation>Añadir un sitio nuevo...</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Eliminar sitio</translation>
    </message>
    <message>
        <source>End of the list</source>
        <translation>Fin de la lista</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all bookmarks? </source>
        <translation>¿Seguro que desea borrar todos los marcadores? </translation>
    </message>
    <message>
        <source>Clear all bookmarks</source>
        <translation>Borrar todos los marcadores</translation>
    </message>
    <message>
        <source>Bookmarks cleared</source>
        <translation>Marcadores borrados</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected sites? </source>
        <translation>¿Seguro que desea eliminar los sitios seleccionados? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Eliminación</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Please, select the textbox where you want to paste information</source>
        <translation>Seleccione el cuadro de texto donde desea pegar la información</translation>
    </message>
    <message>
        <source>No log-in form on this page.</source>
        <translation>No hay formulario de inicio de sesión en esta página.</translation>
    </message>
    <message>
        <source>Fill &amp;log-in</source>
        <translation>Rellenar &amp;inicio de sesión</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Re&amp;cargar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Fi&amp;nd in page...</source>
        <translation>&amp;Buscar en la página...</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Red&amp;ucir</translation>
    </message>
    <message>
        <source>Actual si&amp;ze</source>
        <translation>Tamaño r&amp;eal</translation>
    </message>
    <message>
        <source>Open this page in the e&amp;xternal browser</source>
        <translation>Abrir esta página en el navegador e&amp;xterno</translation>
    </message>
    <message>
        <source>&amp;Copy page address</source>
        <translation>Co&amp;piar la dirección de la página</translation>
    </message>
    <message>
        <source>PAD site url not found!</source>
        <translation>¡No se encontró la URL del sitio PAD!</translation>
    </message>
    <message>
        <source>Loading web pad site URL: %1</source>
        <translation>Cargando la URL del sitio PAD: %1</translation>
    </message>
    <message>
        <source>Error: no record found</source>
        <translation>Error: no se encontró ningún registro</translation>
    </message>
    <message>
        <source>No home page specified for this pad site</source>
        <translation>No se indicó ninguna página de inicio para este sitio PAD</translation>
    </message>
    <message>
        <source>Loading %1%</source>
        <translation>Cargando %1%</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Quillomar Pad Submitter has blocked a PopUp window!</source>
        <translation>¡Quillomar Pad Submitter ha bloqueado una ventana emergente!</translation>
    </message>
    <message>
        <source>This site is trying to open a POPUP window. Block it?</source>
        <translation>Este sitio intenta abrir una ventana EMERGENTE. ¿Bloquearla?</translation>
    </message>
    <message>
        <source>Pop Up warning</source>
        <translation>Aviso de ventana emergente</translation>
    </message>
    <message>
        <source>Please choose a product: Fill all writes the chosen product&apos;s data.</source>
        <translation>Elija un producto: Rellenar todo escribe los datos del producto elegido.</translation>
    </message>
    <message>
        <source>No site&apos;s page is shown: visit a site, then fill its form.</source>
        <translation>No se muestra ninguna página de un sitio: visite un sitio y luego rellene su formulario.</translation>
    </message>
    <message>
        <source>Nothing to undo: this page has not been filled since it was opened</source>
        <translation>Nada que deshacer: esta página no se ha rellenado desde que se abrió</translation>
    </message>
    <message>
        <source>Undid the fill of 1 field</source>
        <translation>Se deshizo el relleno de 1 campo</translation>
    </message>
    <message>
        <source>Undid the fill of %1 fields</source>
        <translation>Se deshizo el relleno de %1 campos</translation>
    </message>
    <message>
        <source>Fill report</source>
        <translation>Informe de relleno</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>No hay nada seleccionado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a product field that can be pasted</source>
        <translation>«%1» no es un campo de producto que se pueda pegar</translation>
    </message>
    <message>
        <source>%1 is empty for this product: there is nothing to paste.</source>
        <translation>%1 está vacío para este producto: no hay nada que pegar.</translation>
    </message>
    <message>
        <source>the page shown cannot be reached</source>
        <translation>no se puede acceder a la página mostrada</translation>
    </message>
    <message>
        <source>Are you sure you want to clear form text? </source>
        <translation>¿Seguro que desea borrar el texto del formulario? </translation>
    </message>
    <message>
        <source>Clear form text</source>
        <translation>Borrar el texto del formulario</translation>
    </message>
    <message>
        <source>Select the site whose log-in to fill in the list.</source>
        <translation>Seleccione en la lista el sitio cuyo inicio de sesión desea rellenar.</translation>
    </message>
    <message>
        <source>No log-in is stored for %1.</source>
        <translation>No hay ningún inicio de sesión guardado para %1.</translation>
    </message>
    <message>
        <source>The log-in of %1 was withheld: this page is on %2, not on the site&apos;s own host (%3).</source>
        <translation>El inicio de sesión de %1 se retuvo: esta página está en %2, no en el host propio del sitio (%3).</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>ningún host</translation>
    </message>
    <message>
        <source>none stored</source>
        <translation>ninguno guardado</translation>
    </message>
    <message>
        <source>The page changed: fill the log-in again.</source>
        <translation>La página cambió: vuelva a rellenar el inicio de sesión.</translation>
    </message>
    <message>
        <source>Filled the log-in of %1.</source>
        <translation>Se rellenó el inicio de sesión de %1.</translation>
    </message>
    <message>
        <source>Forget the log-ins of all sites? The browser&apos;s cookies, site storage and cache are cleared, and you log in to each site again.</source>
        <translation>¿Olvidar los inicios de sesión de todos los sitios? Se borran las cookies, el almacenamiento de sitios y la caché del navegador, y tendrá que iniciar sesión de nuevo en cada sitio.</translation>
    </message>
    <message>
        <source>Forget site log-ins</source>
        <translation>Olvidar inicios de sesión</translation>
    </message>
    <message>
        <source>Site log-ins forgotten.</source>
        <translation>Inicios de sesión olvidados.</translation>
    </message>
    <message>
        <source>Select web site to modify</source>
        <translation>Seleccione el sitio web que desea modificar</translation>
    </message>
    <message>
        <source>Nothing to remember: no field of this form holds a value of the product, and none that Fill all filled was emptied.</source>
        <translation>Nada que recordar: ningún campo de este formulario contiene un valor del producto y no se vació ninguno de los que rellenó Rellenar todo.</translation>
    </message>
    <message>
        <source>Remembered %1 fields of this site&apos;s form.</source>
        <translation>Se recordaron %1 campos del formulario de este sitio.</translation>
    </message>
    <message>
        <source>Learned %1 fields of this site&apos;s form</source>
        <translation>Se aprendieron %1 campos del formulario de este sitio</translation>
    </message>
    <message>
        <source>Please choose the product and select the site whose form is shown.</source>
        <translation>Elija el producto y seleccione el sitio cuyo formulario se muestra.</translation>
    </message>
    <message>
        <source>The page shown is not on the selected site: visit the site, then remember its form.</source>
        <translation>La página mostrada no está en el sitio seleccionado: visite el sitio y luego recuerde su formulario.</translation>
    </message>
    <message>
        <source>Export form maps</source>
        <translation>Exportar mapas de formularios</translation>
    </message>
    <message>
        <source>Form maps (*.json)</source>
        <translation>Mapas de formularios (*.json)</translation>
    </message>
    <message>
        <source>The form maps were written to %1.</source>
        <translation>Los mapas de formularios se escribieron en %1.</translation>
    </message>
    <message>
        <source>Import form maps</source>
        <translation>Importar mapas de formularios</translation>
    </message>
    <message>
        <source>Form maps (*.json);;All files (*)</source>
        <translation>Mapas de formularios (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file of form maps, and nothing was imported: %2</source>
        <translation>%1 no es un archivo de mapas de formularios y no se importó nada: %2</translation>
    </message>
    <message>
        <source>Imported %1 learned fields; %2 entries name no site of the archive.</source>
        <translation>Se importaron %1 campos aprendidos; %2 entradas no indican ningún sitio del archivo.</translation>
    </message>
    <message>
        <source>The site is not in the list as it is shown now.</source>
        <translation>El sitio no está en la lista tal como se muestra ahora.</translation>
    </message>
    <message>
        <source>You must select a product to change pad site status!</source>
        <translation>¡Debe seleccionar un producto para cambiar el estado del sitio PAD!</translation>
    </message>
    <message>
        <source>You must select a site to change pad site status!</source>
        <translation>¡Debe seleccionar un sitio para cambiar el estado del sitio PAD!</translation>
    </message>
    <message>
        <source>New status set is: %1 for site URL: %2</source>
        <translation>Nuevo estado establecido: %1 para la URL del sitio: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to update status version information? </source>
        <translation>¿Seguro que desea actualizar la información de versión del estado? </translation>
    </message>
    <message>
        <source>update status version information</source>
        <translation>actualizar la información de versión del estado</translation>
    </message>
    <message>
        <source>No status updated</source>
        <translation>No se actualizó ningún estado</translation>
    </message>
    <message>
        <source>Status updated for %1 elements!</source>
        <translation>¡Estado actualizado para %1 elementos!</translation>
    </message>
    <message>
        <source>You must select a product to show pad site status!</source>
        <translation>¡Debe seleccionar un producto para mostrar el estado del sitio PAD!</translation>
    </message>
    <message>
        <source>You must select a site to show pad site status!</source>
        <translation>¡Debe seleccionar un sitio para mostrar el estado del sitio PAD!</translation>
    </message>
    <message>
        <source>What the last Fill all filled and left for you</source>
        <translation>Lo que el último Rellenar todo rellenó y lo que le dejó a usted</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sitios</translation>
    </message>
    <message>
        <source>Show/Hide ListView</source>
        <translation>Mostrar/ocultar la lista</translation>
    </message>
    <message>
        <source>New PAD Site</source>
        <translation>Nuevo sitio PAD</translation>
    </message>
    <message>
        <source>PAD Site Property</source>
        <translation>Propiedades del sitio PAD</translation>
    </message>
    <message>
        <source>Change status to Not Submitted</source>
        <translation>Cambiar el estado a No enviado</translation>
    </message>
    <message>
        <source>Change status to Submitted</source>
        <translation>Cambiar el estado a Enviado</translation>
    </message>
    <message>
        <source>Change status to Published</source>
        <translation>Cambiar el estado a Publicado</translation>
    </message>
    <message>
        <source>Show product history log for selected site</source>
        <translation>Mostrar el historial del producto para el sitio seleccionado</translation>
    </message>
    <message>
        <source>Set &quot;Old Version&quot;  flag</source>
        <translation>Establecer la marca «Versión antigua»</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Old version only</source>
        <translation>Solo versión antigua</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>part of a submit address</source>
        <translation>parte de una dirección de envío</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Borrar filtro</translation>
    </message>
    <message>
        <source>PAD sites</source>
        <translation>Sitios PAD</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Page status</source>
        <translation>Estado de la página</translation>
    </message>
    <message>
        <source>Clear form values</source>
        <translation>Borrar los valores del formulario</translation>
    </message>
    <message>
        <source>Product:</source>
        <translation>Producto:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Fill the page&apos;s form from the product</source>
        <translation>Rellenar el formulario de la página con el producto</translation>
    </message>
    <message>
        <source>Fill all</source>
        <translation>Rellenar todo</translation>
    </message>
    <message>
        <source>Fill every field of the page by what it asks for (Ctrl+Shift+F)</source>
        <translation>Rellenar cada campo de la página según lo que pide (Ctrl+Mayús+F)</translation>
    </message>
    <message>
        <source>PAD</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
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
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Fill log-in</source>
        <translation>Rellenar inicio de sesión</translation>
    </message>
    <message>
        <source>Fill the selected site&apos;s user name and password into the page&apos;s log-in form (Ctrl+Shift+L)</source>
        <translation>Escribir el usuario y la contraseña del sitio seleccionado en el formulario de inicio de sesión de la página (Ctrl+Mayús+L)</translation>
    </message>
    <message>
        <source>Other elements</source>
        <translation>Otros elementos</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back up archive...</source>
        <translation>&amp;Copia de seguridad del archivo...</translation>
    </message>
    <message>
        <source>&amp;Restore from backup...</source>
        <translation>&amp;Restaurar desde copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Export report...</source>
        <translation>&amp;Exportar informe...</translation>
    </message>
    <message>
        <source>Export &amp;form maps...</source>
        <translation>Exportar &amp;mapas de formularios...</translation>
    </message>
    <message>
        <source>&amp;Import form maps...</source>
        <translation>&amp;Importar mapas de formularios...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;PAD Sites</source>
        <translation>Sitios &amp;PAD</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Nuevo sitio</translation>
    </message>
    <message>
        <source>Site &amp;property</source>
        <translation>&amp;Propiedades del sitio</translation>
    </message>
    <message>
        <source>&amp;Visit submit page</source>
        <translation>&amp;Visitar la página de envío</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select n&amp;one</source>
        <translation>No seleccionar nad&amp;a</translation>
    </message>
    <message>
        <source>&amp;Import from file...</source>
        <translation>&amp;Importar desde archivo...</translation>
    </message>
    <message>
        <source>Import sites from a &amp;list...</source>
        <translation>Importar sitios desde una &amp;lista...</translation>
    </message>
    <message>
        <source>Find &amp;duplicate sites</source>
        <translation>Buscar sitios &amp;duplicados</translation>
    </message>
    <message>
        <source>&amp;Check sites...</source>
        <translation>&amp;Comprobar sitios...</translation>
    </message>
    <message>
        <source>P&amp;roducts</source>
        <translation>P&amp;roductos</translation>
    </message>
    <message>
        <source>&amp;Add product</source>
        <translation>Aña&amp;dir producto</translation>
    </message>
    <message>
        <source>Product &amp;property</source>
        <translation>&amp;Propiedades del producto</translation>
    </message>
    <message>
        <source>&amp;Update from PAD file</source>
        <translation>&amp;Actualizar desde el archivo PAD</translation>
    </message>
    <message>
        <source>New &amp;version...</source>
        <translation>Nueva &amp;versión...</translation>
    </message>
    <message>
        <source>&amp;Browser</source>
        <translation>&amp;Navegador</translation>
    </message>
    <message>
        <source>&amp;Fill all</source>
        <translation>&amp;Rellenar todo</translation>
    </message>
    <message>
        <source>&amp;Undo Fill all</source>
        <translation>&amp;Deshacer Rellenar todo</translation>
    </message>
    <message>
        <source>Re&amp;member this form</source>
        <translation>Recordar este &amp;formulario</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Forget site log-ins...</source>
        <translation>Olvidar los &amp;inicios de sesión de los sitios...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Download &amp;Sites List</source>
        <translation>Descargar la &amp;lista de sitios</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Quillomar Pad Submitter &amp;Web Site</source>
        <translation>Sitio &amp;web de Quillomar Pad Submitter</translation>
    </message>
    <message>
        <source>F&amp;acebook</source>
        <translation>F&amp;acebook</translation>
    </message>
    <message>
        <source>A&amp;bout Quillomar Pad Submitter</source>
        <translation>Acerca &amp;de Quillomar Pad Submitter</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Desktop default</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>(from the next start)</source>
        <translation>(a partir del próximo inicio)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Pop up windows</source>
        <translation>Ventanas emergentes</translation>
    </message>
    <message>
        <source>When finding a pop window: </source>
        <translation>Cuando aparece una ventana emergente: </translation>
    </message>
    <message>
        <source>&amp;Always block</source>
        <translation>&amp;Bloquear siempre</translation>
    </message>
    <message>
        <source>As&amp;k</source>
        <translation>Pre&amp;guntar</translation>
    </message>
    <message>
        <source>Default pad site ordering</source>
        <translation>Orden predeterminado de los sitios PAD</translation>
    </message>
    <message>
        <source>Default ordering method in pad site listview</source>
        <translation>Método de ordenación predeterminado en la lista de sitios PAD</translation>
    </message>
    <message>
        <source>&amp;Rank</source>
        <translation>&amp;Rango</translation>
    </message>
    <message>
        <source>&amp;PAD site name</source>
        <translation>Nombre del sitio &amp;PAD</translation>
    </message>
    <message>
        <source>Open the program&apos;s &amp;web site at start</source>
        <translation>Abrir el sitio &amp;web del programa al iniciar</translation>
    </message>
    <message>
        <source>Submission run</source>
        <translation>Ronda de envíos</translation>
    </message>
    <message>
        <source>After a status change, open the &amp;next remaining site</source>
        <translation>Tras un cambio de estado, abrir el siguiente sitio &amp;pendiente</translation>
    </message>
    <message>
        <source>&amp;Fill all after a site is visited</source>
        <translation>Rellenar t&amp;odo tras visitar un sitio</translation>
    </message>
    <message>
        <source>... or the next site marked &amp;old version</source>
        <translation>... o el siguiente sitio marcado con versión &amp;antigua</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The options could not be saved. %1
They apply until the program ends.</source>
        <translation>No se pudieron guardar las opciones. %1
Se aplican hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>frmPadSource</name>
    <message>
        <source>Import PAD file</source>
        <translation>Importar archivo PAD</translation>
    </message>
    <message>
        <source>https://www.example.com/pad.xml or a file on this computer</source>
        <translation>https://www.example.com/pad.xml o un archivo de este equipo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>PAD file or web &amp;address:</source>
        <translation>Archivo PAD o &amp;dirección web:</translation>
    </message>
    <message>
        <source>Please type the address of a PAD file, or choose a file with Browse.</source>
        <translation>Escriba la dirección de un archivo PAD o elija un archivo con Examinar.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Solo se pueden leer direcciones http y https y archivos de este equipo.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Leyendo %1 ...</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>Archivos PAD (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>La descarga se canceló.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>No se importó nada de %1:
%2</translation>
    </message>
</context>
<context>
    <name>frmPadUpdate</name>
    <message>
        <source>Update from PAD file</source>
        <translation>Actualizar desde el archivo PAD</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The product has no PAD address; set its PAD location in the product&apos;s properties.</source>
        <translation>El producto no tiene dirección PAD; indique la ubicación PAD en las propiedades del producto.</translation>
    </message>
    <message>
        <source>Only http and https addresses and files on this computer can be read.</source>
        <translation>Solo se pueden leer direcciones http y https y archivos de este equipo.</translation>
    </message>
    <message>
        <source>Reading %1 ...</source>
        <translation>Leyendo %1 ...</translation>
    </message>
    <message>
        <source>The PAD file holds the stored values: nothing differs.</source>
        <translation>El archivo PAD contiene los valores guardados: nada difiere.</translation>
    </message>
    <message>
        <source>Checked fields are stored from the PAD file %1.</source>
        <translation>Los campos marcados se guardan desde el archivo PAD %1.</translation>
    </message>
    <message>
        <source>Nothing was updated from %1:
%2</source>
        <translation>No se actualizó nada desde %1:
%2</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
</context>
<context>
    <name>frmProduct</name>
    <message>
        <source>Click to launch browser to verify the link</source>
        <translation>Haga clic para abrir el navegador y comprobar el enlace</translation>
    </message>
    <message>
        <source>Characters:</source>
        <translation>Caracteres:</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>Descrip&amp;tion</source>
        <translation>Descrip&amp;ción</translation>
    </message>
    <message>
        <source>&amp;Changelog</source>
        <translation>&amp;Historial de cambios</translation>
    </message>
    <message>
        <source>Copy selected element text in clipboard</source>
        <translation>Copiar el texto del elemento seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>Imp&amp;ort PAD...</source>
        <translation>Imp&amp;ortar PAD...</translation>
    </message>
    <message>
        <source>Fill the boxes from a PAD file or its web address</source>
        <translation>Rellenar los campos desde un archivo PAD o su dirección web</translation>
    </message>
    <message>
        <source>E&amp;xport PAD...</source>
        <translation>E&amp;xportar PAD...</translation>
    </message>
    <message>
        <source>Save the values in the boxes as a PAD file</source>
        <translation>Guardar los valores de los campos como archivo PAD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Version:</source>
        <translation>&amp;Versión:</translation>
    </message>
    <message>
        <source>PAD &amp;location:</source>
        <translation>&amp;Ubicación del PAD:</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>N&amp;ame:</source>
        <translation>N&amp;ombre:</translation>
    </message>
    <message>
        <source>&amp;KB:</source>
        <translation>&amp;KB:</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;Correo electrónico:</translation>
    </message>
    <message>
        <source>B&amp;ytes:</source>
        <translation>B&amp;ytes:</translation>
    </message>
    <message>
        <source>&amp;Screenshot:</source>
        <translation>Ca&amp;ptura de pantalla:</translation>
    </message>
    <message>
        <source>&amp;Icon file:</source>
        <translation>Archivo de &amp;icono:</translation>
    </message>
    <message>
        <source>&amp;Program URL:</source>
        <translation>&amp;URL del programa:</translation>
    </message>
    <message>
        <source>Download &amp;1:</source>
        <translation>Descarga &amp;1:</translation>
    </message>
    <message>
        <source>Download &amp;2:</source>
        <translation>Descarga &amp;2:</translation>
    </message>
    <message>
        <source>Link &amp;back:</source>
        <translation>Enlace de &amp;retorno:</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Release &amp;date</source>
        <translation>&amp;Fecha de lanzamiento</translation>
    </message>
    <message>
        <source>B&amp;uy URL:</source>
        <translation>URL de co&amp;mpra:</translation>
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
        <translation>&amp;Palabras clave</translation>
    </message>
    <message>
        <source>&amp;Short description</source>
        <translation>Descripción &amp;corta</translation>
    </message>
    <message>
        <source>&amp;Long description</source>
        <translation>Descripción &amp;larga</translation>
    </message>
    <message>
        <source>L&amp;imitations</source>
        <translation>L&amp;imitaciones</translation>
    </message>
    <message>
        <source>&amp;Recent changes</source>
        <translation>Cambios &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Full changelog</source>
        <translation>Historial &amp;completo de cambios</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable de objeto no establecida</translation>
    </message>
    <message>
        <source>Modify product</source>
        <translation>Modificar producto</translation>
    </message>
    <message>
        <source>New product</source>
        <translation>Nuevo producto</translation>
    </message>
    <message>
        <source>Please choose a product name!</source>
        <translation>¡Elija un nombre de producto!</translation>
    </message>
    <message>
        <source>Please choose the release date of your product!</source>
        <translation>¡Elija la fecha de lanzamiento de su producto!</translation>
    </message>
    <message>
        <source>%1: longer than the box&apos;s %2 characters.</source>
        <translation>%1: más largo que los %2 caracteres del campo.</translation>
    </message>
    <message>
        <source>The PAD file filled no box.</source>
        <translation>El archivo PAD no rellenó ningún campo.</translation>
    </message>
    <message>
        <source>Filled from the PAD file: %1.
Nothing is stored until you press OK.</source>
        <translation>Rellenado desde el archivo PAD: %1.
No se guarda nada hasta que pulse Aceptar.</translation>
    </message>
    <message>
        <source>

The file is not well-formed; mended before reading:
</source>
        <translation>

El archivo no está bien formado; se corrigió antes de leerlo:
</translation>
    </message>
    <message>
        <source>

Not filled:
</source>
        <translation>

Sin rellenar:
</translation>
    </message>
    <message>
        <source> It holds none of the product&apos;s fields.</source>
        <translation> No contiene ninguno de los campos del producto.</translation>
    </message>
    <message>
        <source>Export PAD file</source>
        <translation>Exportar archivo PAD</translation>
    </message>
    <message>
        <source>PAD files (*.xml);;All files (*)</source>
        <translation>Archivos PAD (*.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The PAD file was written to %1.</source>
        <translation>El archivo PAD se escribió en %1.</translation>
    </message>
</context>
<context>
    <name>frmProductHistory</name>
    <message>
        <source>Product History Log</source>
        <translation>Historial del producto</translation>
    </message>
    <message>
        <source>Last status information </source>
        <translation>Última información de estado </translation>
    </message>
    <message>
        <source>Add history item</source>
        <translation>Añadir entrada al historial</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>There is no state set for site-product</source>
        <translation>No hay ningún estado para este sitio y producto</translation>
    </message>
    <message>
        <source>No status information available</source>
        <translation>No hay información de estado</translation>
    </message>
    <message>
        <source> ver. </source>
        <translation> ver. </translation>
    </message>
    <message>
        <source> on site: </source>
        <translation> en el sitio: </translation>
    </message>
    <message>
        <source>First status information inserted on: </source>
        <translation>Primera información de estado registrada el: </translation>
    </message>
    <message>
        <source>Last status update on: </source>
        <translation>Última actualización del estado el: </translation>
    </message>
    <message>
        <source>Actual status: </source>
        <translation>Estado actual: </translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected items? </source>
        <translation>¿Seguro que desea eliminar los elementos seleccionados? </translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Eliminación</translation>
    </message>
</context>
<context>
    <name>frmProductHistoryItem</name>
    <message>
        <source>Product History Item</source>
        <translation>Entrada del historial del producto</translation>
    </message>
    <message>
        <source>Use this window to insert a short note about product - site operation</source>
        <translation>Use esta ventana para añadir una nota breve sobre la operación producto - sitio</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurar desde copia de seguridad</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Creada</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Sitios</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Productos</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Other file...</source>
        <translation>Otro archivo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>Restore from file</source>
        <translation>Restaurar desde archivo</translation>
    </message>
    <message>
        <source>Archive (*.db);;All files (*)</source>
        <translation>Archivo (*.db);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2.<byte value="xd"/>
<byte value="xd"/>
The archive was not changed.</source>
        <translation>No se puede restaurar %1: %2.<byte value="xd"/>
<byte value="xd"/>
El archivo no se modificó.</translation>
    </message>
    <message>
        <source>Replace everything in the archive with the contents of %1 (%2 sites, %3 products)?<byte value="xd"/>
<byte value="xd"/>
The archive is backed up first.</source>
        <translation>¿Reemplazar todo el contenido del archivo por el de %1 (%2 sitios, %3 productos)?<byte value="xd"/>
<byte value="xd"/>
Antes se hace una copia de seguridad del archivo.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
</context>
<context>
    <name>frmSite</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Open Link in your default browser</source>
        <translation>Abrir el enlace en su navegador predeterminado</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Home page:</source>
        <translation>Página de &amp;inicio:</translation>
    </message>
    <message>
        <source>&amp;Submit URL:</source>
        <translation>URL de &amp;envío:</translation>
    </message>
    <message>
        <source>&amp;Auto Update PAD URL:</source>
        <translation>&amp;Actualización automática de la URL PAD:</translation>
    </message>
    <message>
        <source>&amp;Rank:</source>
        <translation>&amp;Rango:</translation>
    </message>
    <message>
        <source>Access Information</source>
        <translation>Información de acceso</translation>
    </message>
    <message>
        <source>Require a&amp;uthentication:</source>
        <translation>Req&amp;uiere autenticación:</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Mostrar/Ocultar</translation>
    </message>
    <message>
        <source>User&amp;ID:</source>
        <translation>I&amp;D de usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>No&amp;tes</source>
        <translation>No&amp;tas</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Insert date:</source>
        <translation>Fecha de alta:</translation>
    </message>
    <message>
        <source>Last mod. :</source>
        <translation>Última modif.:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Takes</source>
        <translation>Recibe</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Aprendido</translation>
    </message>
    <message>
        <source>Forget learned fields</source>
        <translation>Olvidar los campos aprendidos</translation>
    </message>
    <message>
        <source>Learned fields</source>
        <translation>Campos aprendidos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable de objeto no establecida</translation>
    </message>
    <message>
        <source>Modify Site Properties</source>
        <translation>Modificar las propiedades del sitio</translation>
    </message>
    <message>
        <source>New Site</source>
        <translation>Nuevo sitio</translation>
    </message>
    <message>
        <source>leave empty</source>
        <translation>dejar vacío</translation>
    </message>
    <message>
        <source>Forget every field learned of this site&apos;s forms? Fill all then judges them by their words again.</source>
        <translation>¿Olvidar todos los campos aprendidos de los formularios de este sitio? Rellenar todo los juzgará de nuevo por sus palabras.</translation>
    </message>
    <message>
        <source>Please insert submit url for Site!</source>
        <translation>¡Introduzca la URL de envío del sitio!</translation>
    </message>
</context>
<context>
    <name>frmSiteCheck</name>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Submit address</source>
        <translation>Dirección de envío</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>HTTP status</source>
        <translation>Estado HTTP</translation>
    </message>
    <message>
        <source>New address</source>
        <translation>Nueva dirección</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Date of check</source>
        <translation>Fecha de comprobación</translation>
    </message>
    <message>
        <source>Site check</source>
        <translation>Comprobación de sitios</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Use new address</source>
        <translation>Usar la nueva dirección</translation>
    </message>
    <message>
        <source>Delete failed sites...</source>
        <translation>Eliminar los sitios fallidos...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Checking %1 sites</source>
        <translation>Comprobando %1 sitios</translation>
    </message>
    <message>
        <source>%1 sites to check</source>
        <translation>%1 sitios por comprobar</translation>
    </message>
    <message>
        <source>No site has moved.</source>
        <translation>Ningún sitio se ha movido.</translation>
    </message>
    <message>
        <source>%1 sites have their new submit address.</source>
        <translation>%1 sitios tienen su nueva dirección de envío.</translation>
    </message>
    <message>
        <source>No site failed the check.</source>
        <translation>Ningún sitio falló la comprobación.</translation>
    </message>
    <message>
        <source>Delete the %1 sites that are gone or unreachable?</source>
        <translation>¿Eliminar los %1 sitios desaparecidos o inaccesibles?</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
</context>
<context>
    <name>frmSiteImport</name>
    <message>
        <source>Import PAD sites</source>
        <translation>Importar sitios PAD</translation>
    </message>
    <message>
        <source>This procedure will import a  list of PAD sites from a text file.</source>
        <translation>Este procedimiento importará una  lista de sitios PAD desde un archivo de texto.</translation>
    </message>
    <message>
        <source>Please note  that input file must be formatted as follows: NAME, URL.</source>
        <translation>Tenga en cuenta  que el archivo de entrada debe tener este formato: NOMBRE, URL.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Input file :</source>
        <translation>Archivo de entrada:</translation>
    </message>
    <message>
        <source>Field separator</source>
        <translation>Separador de campos</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>&apos;;&apos; Semi-colon </source>
        <translation>&apos;;&apos; Punto y coma </translation>
    </message>
    <message>
        <source>&apos;,&apos; Comma</source>
        <translation>&apos;,&apos; Coma</translation>
    </message>
    <message>
        <source>Skip lines that duplicate a site</source>
        <translation>Omitir las líneas que duplican un sitio</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Browse input file...</source>
        <translation>Examinar archivo de entrada...</translation>
    </message>
    <message>
        <source>Input file (*.txt *.csv *.tab *.asc)</source>
        <translation>Archivo de entrada (*.txt *.csv *.tab *.asc)</translation>
    </message>
    <message>
        <source>Please, choose a file to import from!</source>
        <translation>¡Elija un archivo desde el que importar!</translation>
    </message>
    <message>
        <source>Separator character was not found in the first row of your input file. Please check your input file and choose the right separator.</source>
        <translation>No se encontró el carácter separador en la primera fila del archivo de entrada. Compruebe el archivo de entrada y elija el separador correcto.</translation>
    </message>
    <message>
        <source>File is empty!</source>
        <translation>¡El archivo está vacío!</translation>
    </message>
    <message>
        <source>File  to import contains %1 lines (sites). Do you want to proceed?</source>
        <translation>El archivo  que se va a importar contiene %1 líneas (sitios). ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Importing PAD site list</source>
        <translation>Importando la lista de sitios PAD</translation>
    </message>
    <message>
        <source> Skipped %1 lines that duplicate a site.</source>
        <translation> Se omitieron %1 líneas que duplican un sitio.</translation>
    </message>
    <message>
        <source>Imported %1 PAD sites.</source>
        <translation>Se importaron %1 sitios PAD.</translation>
    </message>
    <message>
        <source>No PAD sites were imported.</source>
        <translation>No se importó ningún sitio PAD.</translation>
    </message>
    <message>
        <source>Importing: %1</source>
        <translation>Importando: %1</translation>
    </message>
    <message>
        <source>An error occured. Stop importing?</source>
        <translation>Se produjo un error. ¿Detener la importación?</translation>
    </message>
    <message>
        <source>Error during import</source>
        <translation>Error durante la importación</translation>
    </message>
    <message>
        <source>The file %1 holds no lines.</source>
        <translation>El archivo %1 no contiene líneas.</translation>
    </message>
    <message>
        <source> Line: %1</source>
        <translation> Línea: %1</translation>
    </message>
</context>
<context>
    <name>frmSiteListImport</name>
    <message>
        <source>Import sites from a list</source>
        <translation>Importar sitios desde una lista</translation>
    </message>
    <message>
        <source>A CSV or TSV file, a markdown file, an HTML page, exported bookmarks or a list of addresses, one a line.</source>
        <translation>Un archivo CSV o TSV, un archivo Markdown, una página HTML, marcadores exportados o una lista de direcciones, una por línea.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>First row holds column names</source>
        <translation>La primera fila contiene los nombres de las columnas</translation>
    </message>
    <message>
        <source>&amp;Name column:</source>
        <translation>Columna del &amp;nombre:</translation>
    </message>
    <message>
        <source>&amp;Address column:</source>
        <translation>Columna de la d&amp;irección:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Browse site list...</source>
        <translation>Examinar lista de sitios...</translation>
    </message>
    <message>
        <source>Site lists (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;All files (*)</source>
        <translation>Listas de sitios (*.csv *.tsv *.tab *.txt *.md *.markdown *.html *.htm);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Please, choose a file to import from!</source>
        <translation>¡Elija un archivo desde el que importar!</translation>
    </message>
    <message>
        <source>Read as: %1</source>
        <translation>Leído como: %1</translation>
    </message>
    <message>
        <source>(the address&apos;s host)</source>
        <translation>(el host de la dirección)</translation>
    </message>
    <message>
        <source>%1 sites to import, %2 already in the list, %3 not web addresses.</source>
        <translation>%1 sitios por importar, %2 ya en la lista, %3 que no son direcciones web.</translation>
    </message>
    <message>
        <source>Imported %1 PAD sites.</source>
        <translation>Se importaron %1 sitios PAD.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>The archive could not be backed up: %1</source>
        <translation>No se pudo hacer copia de seguridad del archivo: %1</translation>
    </message>
    <message>
        <source>%1 The browser keeps no log-in beyond this run.</source>
        <translation>%1 El navegador no conserva ningún inicio de sesión más allá de esta ejecución.</translation>
    </message>
    <message>
        <source>Error n° 1 The program directory is unknown<byte value="xd"/> in ReadSettings</source>
        <translation>Error n.º 1 Se desconoce la carpeta del programa<byte value="xd"/> en ReadSettings</translation>
    </message>
    <message>
        <source>Specified archive file does not exist. Check menu tools-&gt;options</source>
        <translation>El archivo de datos indicado no existe. Revise el menú Herramientas-&gt;Opciones</translation>
    </message>
    <message>
        <source>I cannot read ini file.<byte value="xd"/>
Check presence of file .ini in program directory!</source>
        <translation>No se puede leer el archivo ini.<byte value="xd"/>
¡Compruebe que el archivo .ini está en la carpeta del programa!</translation>
    </message>
    <message>
        <source>Error in Sub Main reading settings</source>
        <translation>Error en Sub Main al leer la configuración</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
The program cannot work without its database and ends now.</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
El programa no puede funcionar sin su base de datos y se cierra ahora.</translation>
    </message>
</context>
</TS>
