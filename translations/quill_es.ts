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
    <name>HelpManual</name>
    <message>
        <source>The user manual was not found. It should be at %1</source>
        <translation>No se encontró el manual de usuario. Debería estar en %1</translation>
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
</context>
</TS>
