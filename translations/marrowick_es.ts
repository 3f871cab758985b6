<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+42"/>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version line: major, minor and patch numbers</extracomment>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ArchiveProperties</name>
    <message numerus="yes">
        <location filename="../engine/ArchiveProperties.cpp" line="+66"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n folder(s)</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+66"/>
        <source>%1 byte(s)</source>
        <extracomment>%1 is the size in bytes, its digits grouped</extracomment>
        <translation>
            <numerusform>%1 byte</numerusform>
            <numerusform>%1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+97"/>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1:</source>
        <extracomment>A property&apos;s label before its value in the Properties dialog</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <extracomment>A property as a line of text: %1 its label, %2 its value</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Entries</source>
        <extracomment>How many entries, then how many of them are files and folders</extracomment>
        <translation>Entradas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2, %3)</source>
        <extracomment>%1 the number of entries, %2 &quot;%n file(s)&quot;, %3 &quot;%n folder(s)&quot;</extracomment>
        <translation>%1 (%2, %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Tamaño comprimido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Tasa de compresión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Largest entry</source>
        <translation>Entrada más grande</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <extracomment>%1 the entry&apos;s name, %2 its size</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Newest</source>
        <extracomment>The latest modification time of the entries</extracomment>
        <translation>Más reciente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Oldest</source>
        <extracomment>The earliest modification time of the entries</extracomment>
        <translation>Más antigua</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size on disk (all volumes)</source>
        <translation>Tamaño en disco (todos los volúmenes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size on disk</source>
        <translation>Tamaño en disco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solid</source>
        <extracomment>Whether the archive is solid (its entries packed as one stream)</extracomment>
        <translation>Sólido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>The number of this volume in its set</extracomment>
        <translation>Volumen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number unknown</source>
        <translation>Número desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes found</source>
        <translation>Volúmenes encontrados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (complete set)</source>
        <extracomment>%1 is how many volumes of the set were found</extracomment>
        <translation>%1 (conjunto completo)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (incomplete set)</source>
        <translation>%1 (conjunto incompleto)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First volume</source>
        <translation>Primer volumen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not split into volumes</source>
        <translation>No dividido en volúmenes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery record</source>
        <translation>Registro de recuperación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked</source>
        <extracomment>Whether the archive is locked against changes</extracomment>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypted headers</source>
        <translation>Cabeceras cifradas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Encrypted entries</source>
        <translation>Entradas cifradas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Authenticity information</source>
        <translation>Información de autenticidad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes (unreadable)</source>
        <translation>Sí (ilegible)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>CliCat</name>
    <message>
        <location filename="../cli/CatCommand.cpp" line="+88"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Introduzca la contraseña del archivo cifrado:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds binary data: not written to a terminal (--force writes it)</source>
        <extracomment>%1 is the entry&apos;s name</extracomment>
        <translation>%1 contiene datos binarios: no se escriben en una terminal (--force los escribe)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the archive needs a password</source>
        <translation>el archivador necesita una contraseña</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No entry named %1</source>
        <translation>No hay ninguna entrada llamada %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>CliExtractHere</name>
    <message>
        <location filename="../cli/main.cpp" line="+76"/>
        <source>%1: cannot open it</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1: no se puede abrir</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: extracted to %2</source>
        <extracomment>%1 is the archive, %2 the file or folder its entries went to</extracomment>
        <translation>%1: extraído en %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: not extracted</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1: no extraído</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nothing extracted</source>
        <translation>%1: no se extrajo nada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: not every entry extracted; the rest is in %2</source>
        <translation>%1: no se extrajeron todas las entradas; el resto está en %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Extract Here done</source>
        <extracomment>The title of the desktop notification at the end of extract --here</extracomment>
        <translation>Extraer aquí: terminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extract Here: %1 of %2 not extracted</source>
        <translation>Extraer aquí: %1 de %2 archivadores sin extraer</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="+268"/>
        <source>Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]
</source>
        <extracomment>The first line of --help. Keep the program&apos;s and the commands&apos; names and the option names as they are; the words in capitals may be translated.</extracomment>
        <translation>Uso: marrowick-cli ORDEN [OPCIONES] ARCHIVADOR [DESTINO [NOMBRE...]]
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:
</source>
        <translation>Órdenes:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32
                         (tab-separated; a link&apos;s name is followed by
                         &quot; -&gt; TARGET&quot;), then the totals line
</source>
        <translation>  list, l ARCHIVADOR     una línea por entrada: nombre, tamaño, comprimido,
                         tasa, CRC32 (separados por tabuladores; tras el nombre
                         de un enlace va &quot; -&gt; DESTINO&quot;) y al final la línea de
                         totales
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  test, t ARCHIVE        test every entry; one line per entry
</source>
        <translation>  test, t ARCHIVADOR     comprueba cada entrada; una línea por entrada
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  info, i ARCHIVE        the archive&apos;s properties, one &quot;label: value&quot; per
                         line: format, solid, volumes, recovery record, lock,
                         encryption, comment, and the totals of its entries
</source>
        <translation>  info, i ARCHIVADOR     las propiedades del archivador, una «etiqueta: valor»
                         por línea: formato, sólido, volúmenes, registro de
                         recuperación, bloqueo, cifrado, comentario y los
                         totales de sus entradas
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  cat ARCHIVE NAME       write the entry&apos;s data to standard output as it is
                         read, nothing written to disk; binary data (a NUL
                         byte or invalid UTF-8 at its start) is not written to
                         a terminal without --force
</source>
        <translation>  cat ARCHIVADOR NOMBRE  escribe los datos de la entrada en la salida estándar
                         según se leen, sin escribir nada en el disco; los datos
                         binarios (un byte NUL o UTF-8 no válido al principio)
                         no se escriben en una terminal sin --force
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x ARCHIVE [DEST [NAME...]]
                         extract every entry, or only the named ones (a
                         folder&apos;s name takes what lies below it), into DEST
                         (default: the current folder, made when missing)
</source>
        <translation>  extract, x ARCHIVADOR [DESTINO [NOMBRE...]]
                         extrae todas las entradas, o solo las nombradas (el
                         nombre de una carpeta incluye lo que hay debajo), en
                         DESTINO (predeterminado: la carpeta actual, que se crea
                         si no existe)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x --here ARCHIVE...
                         extract each archive beside itself: into a new folder
                         named after it, or, when it holds one file or one
                         folder, that one; never into anything that exists
                         (&quot;name (2)&quot;, ...); prints where each one went
</source>
        <translation>  extract, x --here ARCHIVADOR...
                         extrae cada archivador junto a él: en una carpeta nueva
                         con su nombre o, si contiene un solo archivo o una sola
                         carpeta, directamente ese; nunca sobre nada que ya
                         exista («nombre (2)», ...); indica adónde fue cada uno
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options:
</source>
        <translation>Opciones:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --subfolder            extract --here, always into a new folder
</source>
        <translation>  --subfolder            extract --here, siempre en una carpeta nueva
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --notify               extract --here: sum up in a desktop notification too
                         (for file-manager actions, which have no terminal)
</source>
        <translation>  --notify               extract --here: resume también en una notificación del
                         escritorio (para las acciones del gestor de archivos,
                         que no tienen terminal)
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  --json                 list: one JSON object per entry (name, size, packed,
                         crc32 or blake2sp, encrypted, folder, mtime, ctime and
                         atime when stored, attributes, host_os, method,
                         dictionary, target and link_target for links)
                         info: one JSON object (format, solid, volume, volumes,
                         volumes_found, first_volume, recovery_record, locked,
                         encrypted_headers, encrypted_entries, comment, entries,
                         files, folders, size, packed, ...)
</source>
        <translation>  --json                 list: un objeto JSON por entrada (name, size, packed,
                         crc32 o blake2sp, encrypted, folder, mtime, ctime y
                         atime si están guardados, attributes, host_os, method,
                         dictionary, target y link_target en los enlaces)
                         info: un objeto JSON (format, solid, volume, volumes,
                         volumes_found, first_volume, recovery_record, locked,
                         encrypted_headers, encrypted_entries, comment, entries,
                         files, folders, size, packed, ...)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --tree                 list: the folder tree instead of the entries, each
                         folder with the files, folders and bytes below it
</source>
        <translation>  --tree                 list: el árbol de carpetas en lugar de las entradas,
                         cada carpeta con los archivos, carpetas y bytes que
                         contiene
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --force                cat: write binary data to a terminal too
</source>
        <translation>  --force                cat: escribe también datos binarios en una terminal
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --no-links             extract: refuse symbolic and hard links (by default
                         those that stay inside DEST are made)
</source>
        <translation>  --no-links             extract: rechaza los enlaces simbólicos y duros (de
                         forma predeterminada se crean los que quedan dentro
                         de DESTINO)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  --overwrite MODE       extract: ask, always or never replace existing files
                         (default: ask on a terminal, never otherwise)
</source>
        <translation>  --overwrite MODO       extract: reemplazar los archivos existentes: ask
                         (preguntar), always (siempre) o never (nunca)
                         (predeterminado: ask en una terminal, never si no)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -p PASSWORD            password for encrypted entries or headers
</source>
        <translation>  -p CONTRASEÑA          contraseña de las entradas o cabeceras cifradas
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --password-file FILE   read the password from the first line of FILE
</source>
        <translation>  --password-file ARCHIVO
                         lee la contraseña de la primera línea de ARCHIVO
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  --lang LANG            the language of the texts for people, such as de or
                         zh_CN (default: the system&apos;s); what scripts read
                         (list&apos;s lines, --json) stays the same
</source>
        <translation>  --lang IDIOMA          el idioma de los textos para personas, como de o zh_CN
                         (predeterminado: el del sistema); lo que leen los
                         scripts (las líneas de list, --json) no cambia
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  -h, --help             show this help
</source>
        <translation>  -h, --help             muestra esta ayuda
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version          show the version
</source>
        <translation>  -V, --version          muestra la versión
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit status: 0 all done, 1 the archive or an entry failed, was refused or
skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.
</source>
        <translation>Estado de salida: 0 todo hecho, 1 el archivador o una entrada falló, se rechazó
o se omitió, 2 uso incorrecto, 3 no se puede cargar la biblioteca UnRAR,
130 cancelado.
</translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <location filename="../cli/InfoCommand.cpp" line="+141"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../cli/main.cpp" line="-87"/>
        <source>Try &apos;marrowick-cli --help&apos;.</source>
        <translation>Pruebe «marrowick-cli --help».</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+114"/>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+146"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>--overwrite ask needs a terminal on standard input</source>
        <translation>--overwrite ask necesita una terminal en la entrada estándar</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="-217"/>
        <source>--overwrite needs ask, always or never</source>
        <translation>--overwrite necesita ask, always o never</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--overwrite needs ask, always or never, not &apos;%1&apos;</source>
        <translation>--overwrite necesita ask, always o never, no «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a password</source>
        <extracomment>%1 is the option given: -p or --password</extracomment>
        <translation>%1 necesita una contraseña</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--password-file needs a file name</source>
        <translation>--password-file necesita un nombre de archivo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--lang needs a language, such as de or zh_CN</source>
        <translation>--lang necesita un idioma, como de o zh_CN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--notify is for extract --here only</source>
        <translation>--notify solo es para extract --here</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json is for list and info only</source>
        <translation>--json solo es para list e info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--tree is for list only</source>
        <translation>--tree solo es para list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give --json or --tree, not both</source>
        <translation>indique --json o --tree, no ambos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--no-links is for extract only</source>
        <translation>--no-links solo es para extract</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--force is for cat only</source>
        <translation>--force solo es para cat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--overwrite is for extract only</source>
        <translation>--overwrite solo es para extract</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give -p or --password-file, not both</source>
        <translation>indique -p o --password-file, no ambos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no archive given</source>
        <translation>no se ha indicado ningún archivador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--here is for extract only</source>
        <translation>--here solo es para extract</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an archive name is empty</source>
        <translation>un nombre de archivador está vacío</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no entry name given</source>
        <translation>no se ha indicado ningún nombre de entrada</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>an entry name is empty</source>
        <translation>un nombre de entrada está vacío</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot read the password file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be read</extracomment>
        <translation>no se puede leer el archivo de contraseña %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the password file %1 is empty</source>
        <translation>el archivo de contraseña %1 está vacío</translation>
    </message>
</context>
<context>
    <name>CliTerminal</name>
    <message>
        <location filename="../cli/Terminal.cpp" line="+80"/>
        <source>interrupted</source>
        <extracomment>Printed when a second Ctrl+C ends the program at once</extracomment>
        <translation>interrumpido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../mainwindow/CommandLine.cpp" line="+36"/>
        <location filename="../mainwindow/modMain.cpp" line="+34"/>
        <source>Missing argument(s)!</source>
        <translation>¡Faltan argumentos!</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/modMain.cpp" line="+4"/>
        <source>Invalid Argument(s)!</source>
        <translation>¡Argumentos no válidos!</translation>
    </message>
</context>
<context>
    <name>ComponentError</name>
    <message>
        <location filename="../engine/ComponentError.cpp" line="+42"/>
        <source>unknown reason</source>
        <translation>motivo desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL: %1 (%2)</source>
        <extracomment>%1 is the library&apos;s file name, %2 why it could not be loaded</extracomment>
        <translation>Error al cargar la DLL: %1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Specified DLL function not found: %1 in %2</source>
        <extracomment>%1 is the missing function, %2 the library&apos;s file name</extracomment>
        <translation>No se encontró la función de DLL indicada: %1 en %2</translation>
    </message>
</context>
<context>
    <name>ConsolePrompts</name>
    <message>
        <location filename="../cli/ConsolePrompts.cpp" line="+47"/>
        <source>%1 No: no terminal to ask on</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 No: no hay ninguna terminal en la que preguntar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 No: no terminal to ask on (see --overwrite)</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 No: no hay ninguna terminal en la que preguntar (consulte --overwrite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 [Y/n] </source>
        <extracomment>The question on the terminal; %1 is the question, Y and n the answers, Y the default</extracomment>
        <translation>%1 [S/n] </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>y</source>
        <extracomment>The short answer yes on the terminal (y is understood too)</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>The answer yes on the terminal (yes is understood too)</extracomment>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n</source>
        <extracomment>The short answer no on the terminal (n is understood too)</extracomment>
        <translation>n</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>The answer no on the terminal (no is understood too)</extracomment>
        <translation>no</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the archive needs a password</source>
        <translation>el archivador necesita una contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the archive needs a password and there is no terminal to ask on; give it with -p or --password-file</source>
        <translation>el archivador necesita una contraseña y no hay ninguna terminal en la que preguntarla; indíquela con -p o --password-file</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <location filename="../cli/ConsoleView.cpp" line="+80"/>
        <source>failed (error code %1)</source>
        <extracomment>The result of an entry that failed without a message; %1 is the library&apos;s number</extracomment>
        <translation>falló (código de error %1)</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <location filename="../engine/EntryChecks.cpp" line="+27"/>
        <source>Empty name</source>
        <translation>Nombre vacío</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute path</source>
        <translation>Ruta absoluta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Control character in name</source>
        <translation>Carácter de control en el nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name too long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name points outside the destination (&quot;..&quot;)</source>
        <translation>El nombre apunta fuera de la carpeta de destino (&quot;..&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty or &quot;.&quot; part in name</source>
        <translation>Parte vacía o &quot;.&quot; en el nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name part too long</source>
        <translation>Parte del nombre demasiado larga</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Junction</source>
        <translation>Punto de unión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown kind of link</source>
        <translation>Tipo de enlace desconocido</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Symbolic link</source>
        <translation>Enlace simbólico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard link</source>
        <translation>Enlace duro</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Empty link target</source>
        <translation>Destino del enlace vacío</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Control character in link target</source>
        <translation>Carácter de control en el destino del enlace</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link target too long</source>
        <translation>Destino del enlace demasiado largo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Link target is a Windows drive or network path</source>
        <translation>El destino del enlace es una unidad de Windows o una ruta de red</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Absolute link target</source>
        <translation>Destino del enlace absoluto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Link target part too long</source>
        <translation>Parte del destino del enlace demasiado larga</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link target with &quot;..&quot; after a folder name</source>
        <translation>Destino del enlace con &quot;..&quot; tras un nombre de carpeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target points outside the destination</source>
        <translation>El destino del enlace apunta fuera de la carpeta de destino</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These entries were not extracted:</source>
        <translation>Estas entradas no se extrajeron:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more</source>
        <extracomment>After the list of refused entries: how many more were refused</extracomment>
        <translation>... y %1 más</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <location filename="../engine/EntryDetails.cpp" line="+16"/>
        <source>stored</source>
        <extracomment>Compression method</extracomment>
        <translation>sin compresión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fastest</source>
        <extracomment>Compression method</extracomment>
        <translation>la más rápida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fast</source>
        <extracomment>Compression method</extracomment>
        <translation>rápida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal</source>
        <extracomment>Compression method</extracomment>
        <translation>normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>good</source>
        <extracomment>Compression method</extracomment>
        <translation>buena</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>best</source>
        <extracomment>Compression method</extracomment>
        <translation>máxima</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 dictionary</source>
        <extracomment>The dictionary&apos;s size after the method: &quot;RAR 5, best, 32 MB dictionary&quot;</extracomment>
        <translation>diccionario de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>The Encrypted column of an encrypted entry</extracomment>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>EntryProperties</name>
    <message>
        <location filename="../engine/EntryProperties.cpp" line="+38"/>
        <source>Continued from an earlier volume and on the next one</source>
        <translation>Continúa desde un volumen anterior y en el siguiente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continued from an earlier volume</source>
        <translation>Continúa desde un volumen anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continued on the next volume</source>
        <translation>Continúa en el siguiente volumen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>The entry is not split over volumes</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>System %1</source>
        <extracomment>The operating system an entry was packed on, by its number</extracomment>
        <translation>Sistema %1</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <extracomment>The folder the entry is in</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(top level)</source>
        <translation>(nivel superior)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <comment>kind of entry</comment>
        <extracomment>What the entry is: a folder, a link or a file</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Tamaño comprimido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Tasa de compresión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Accessed</source>
        <translation>Accedido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Host system</source>
        <translation>Sistema de origen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Method</source>
        <extracomment>The compression method</extracomment>
        <translation>Método</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dictionary</source>
        <extracomment>The compression dictionary&apos;s size</extracomment>
        <translation>Diccionario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version needed</source>
        <translation>Versión necesaria</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Checksum</source>
        <translation>Suma de verificación</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encrypted</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Split over volumes</source>
        <translation>Dividido en volúmenes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target</source>
        <translation>Destino del enlace</translation>
    </message>
</context>
<context>
    <name>ExtractHere</name>
    <message>
        <location filename="../engine/ExtractHere.cpp" line="+248"/>
        <source>Cannot make the folder %1: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/ExtractHereCommand.cpp" line="+38"/>
        <source>Extracted to %1</source>
        <translation>Extraído en %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry was extracted; the rest is in %1</source>
        <translation>No se extrajeron todas las entradas; el resto está en %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>ExtractRun</name>
    <message>
        <location filename="../engine/ExtractRun.cpp" line="+79"/>
        <source>File exists; kept</source>
        <translation>El archivo ya existe; se conserva</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>File(s) Exist, Replace ?</source>
        <translation>¿Reemplazar los archivos existentes?</translation>
    </message>
    <message>
        <location line="+213"/>
        <source>No entry named %1</source>
        <translation>No hay ninguna entrada llamada %1</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <location filename="../engine/Formats.cpp" line="+156"/>
        <source>Total %1 Files </source>
        <extracomment>Status bar: how many entries are listed so far. %1 is the count with a blank in front where a minus sign could be.</extracomment>
        <translation>Total %1 archivos </translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <location filename="../engine/FreeSpace.cpp" line="+55"/>
        <source>Not enough disk space in %1: the archive unpacks to %2 bytes, only %3 bytes are free. Nothing was extracted.</source>
        <extracomment>%1 is the destination folder; %2 and %3 are numbers of bytes</extracomment>
        <translation>No hay suficiente espacio en disco en %1: el archivador ocupa %2 bytes descomprimido y solo hay %3 bytes libres. No se extrajo nada.</translation>
    </message>
</context>
<context>
    <name>HelpOnHelp</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+39"/>
        <source>Using Help</source>
        <translation>Uso de la ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Contents&lt;/b&gt; shows the list of topics. Click a topic to read it; links inside a topic lead to related topics.</source>
        <translation>&lt;b&gt;Contenido&lt;/b&gt; muestra la lista de temas. Pulse en un tema para leerlo; los enlaces dentro de un tema llevan a temas relacionados.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Index&lt;/b&gt; lists the keywords of every topic. Type in the search field to narrow the list to the keywords that begin with what you typed, then click a keyword to open its topic.</source>
        <translation>&lt;b&gt;Índice&lt;/b&gt; enumera las palabras clave de todos los temas. Escriba en el campo de búsqueda para reducir la lista a las palabras clave que empiezan por lo escrito y, después, pulse en una palabra clave para abrir su tema.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the Help window with its close button when you are done.</source>
        <translation>Cuando termine, cierre la ventana de ayuda con su botón de cerrar.</translation>
    </message>
</context>
<context>
    <name>LaunchHelp</name>
    <message>
        <location filename="../help/LaunchHelp.cpp" line="+55"/>
        <source>%1 Documentation is not available.</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>La documentación de %1 no está disponible.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../engine/Messages.cpp" line="+15"/>
        <location line="+37"/>
        <source>Not enough memory</source>
        <translation>No hay suficiente memoria</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1: archive header broken</source>
        <translation>%1: cabecera del archivador dañada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not RAR archive</source>
        <translation>%1 no es un archivador RAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the archive is encrypted and no password was given</source>
        <translation>%1: el archivador está cifrado y no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: wrong password</source>
        <translation>%1: contraseña incorrecta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: unknown archive format</source>
        <translation>%1: formato de archivador desconocido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: read error</source>
        <translation>%1: error de lectura</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot open %1 (error code %2)</source>
        <extracomment>%1 is the archive, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>No se puede abrir %1 (código de error %2)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CRC failed in %1</source>
        <translation>Error de CRC en %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRC failed in encrypted file (wrong password?)</source>
        <translation>Error de CRC en el archivo cifrado (¿contraseña incorrecta?)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad volume</source>
        <translation>Volumen no válido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown archive format</source>
        <translation>Formato de archivador desconocido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume open error</source>
        <translation>Error al abrir el volumen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File create error</source>
        <translation>Error al crear el archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File close error</source>
        <translation>Error al cerrar el archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read error</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is encrypted and no password was given</source>
        <translation>El archivo está cifrado y no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File header broken</source>
        <translation>Cabecera de archivo dañada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The archive&apos;s headers are encrypted and no password was given</source>
        <translation>Las cabeceras del archivador están cifradas y no se indicó ninguna contraseña</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password: the archive&apos;s headers cannot be read</source>
        <translation>Contraseña incorrecta: no se pueden leer las cabeceras del archivador</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unexpected end of archive</source>
        <translation>Final inesperado del archivador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the archive&apos;s file headers failed (error code %1)</source>
        <translation>Falló la lectura de las cabeceras de archivo del archivador (código de error %1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Test failed (error code %1)</source>
        <translation>Falló la comprobación (código de error %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extraction failed (error code %1)</source>
        <translation>Falló la extracción (código de error %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing stopped at %1 (error code %2)</source>
        <extracomment>%1 is the entry&apos;s name, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>El listado se detuvo en %1 (código de error %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Begins in an earlier volume</source>
        <translation>Empieza en un volumen anterior</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Volume %1 of a set: showing the whole set from %2</source>
        <extracomment>%1 is the volume&apos;s number, %2 the file name of the set&apos;s first volume</extracomment>
        <translation>Volumen %1 de un conjunto: se muestra el conjunto entero desde %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: archive comment broken</source>
        <translation>%1: comentario del archivador dañado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No files to test</source>
        <translation>No hay archivos que comprobar</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 in %2</source>
        <extracomment>%1 is an entry&apos;s name, %2 the archive&apos;s</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was extracted.</source>
        <translation>La biblioteca UnRAR falló al leer %1 (%2). No se extrajo nada más.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was tested.</source>
        <translation>La biblioteca UnRAR falló al leer %1 (%2). No se comprobó nada más.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was listed.</source>
        <translation>La biblioteca UnRAR falló al leer %1 (%2). No se listó nada más.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The next volume of the archive is missing: %1</source>
        <translation>Falta el siguiente volumen del archivador: %1</translation>
    </message>
</context>
<context>
    <name>ModBrowse</name>
    <message>
        <location filename="../dialogs/ModBrowse.cpp" line="+60"/>
        <source>Selected folder</source>
        <extracomment>The line under the folder chooser that shows the folder selected</extracomment>
        <translation>Carpeta seleccionada</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <location filename="../mainwindow/OpenedFiles.cpp" line="+21"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save a Copy</source>
        <translation>Guardar una copia</translation>
    </message>
</context>
<context>
    <name>PreviewContent</name>
    <message>
        <location filename="../mainwindow/PreviewContent.cpp" line="+130"/>
        <source>The picture is %1 × %2 pixels: too large to preview</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height</extracomment>
        <translation>La imagen mide %1 × %2 píxeles: es demasiado grande para la vista previa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not a picture Marrowick can show: %1</source>
        <extracomment>%1 is the image reader&apos;s own reason</extracomment>
        <translation>No es una imagen que Marrowick pueda mostrar: %1</translation>
    </message>
</context>
<context>
    <name>PreviewLine</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+40"/>
        <source>%1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Size: %1   Packed: %2</source>
        <extracomment>An entry&apos;s sizes: unpacked, then packed</extracomment>
        <translation>Tamaño: %1   Comprimido: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modified: %1</source>
        <extracomment>%1 is the entry&apos;s date and time</extracomment>
        <translation>Modificado: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encrypted</source>
        <extracomment>The entry needs a password</extracomment>
        <translation>Cifrado</translation>
    </message>
</context>
<context>
    <name>PreviewSizes</name>
    <message>
        <location line="-24"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <location filename="../dialogs/QtPrompts.cpp" line="+28"/>
        <location line="+35"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Details</source>
        <extracomment>The box of the error&apos;s further lines</extracomment>
        <translation>Detalles</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>&amp;Show password</source>
        <translation>&amp;Mostrar contraseña</translation>
    </message>
</context>
<context>
    <name>ReaderSession</name>
    <message>
        <location filename="../engine/ReaderProcess.cpp" line="+110"/>
        <source>Cannot start %1: %2</source>
        <extracomment>%1 is the reader program, %2 the system&apos;s reason</extracomment>
        <translation>No se puede iniciar %1: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+144"/>
        <source>malformed reply</source>
        <extracomment>Why the archive reader was stopped: what it sent made no sense</extracomment>
        <translation>respuesta mal formada</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>The UnRAR library could not be started (%1)</source>
        <extracomment>%1 says what went wrong with the archive reader</extracomment>
        <translation>No se pudo iniciar la biblioteca UnRAR (%1)</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>no answer</source>
        <extracomment>Why the archive reader was stopped: it did not answer in time</extracomment>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>signal %1</source>
        <extracomment>How the archive reader ended: %1 is the signal&apos;s number</extracomment>
        <translation>señal %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exit status %1</source>
        <extracomment>How the archive reader ended: %1 is its exit status</extracomment>
        <translation>estado de salida %1</translation>
    </message>
</context>
<context>
    <name>RunCallback</name>
    <message>
        <location filename="../engine/RunCallback.cpp" line="+68"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Introduzca la contraseña del archivo cifrado:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter password</source>
        <extracomment>The password dialog&apos;s title</extracomment>
        <translation>Introducir contraseña</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <location filename="../mainwindow/RunNotifier.cpp" line="+72"/>
        <source>Test of %1 finished</source>
        <extracomment>A desktop notification&apos;s summary: %1 the archive&apos;s name.</extracomment>
        <translation>Comprobación de %1 terminada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extraction of %1 finished</source>
        <translation>Extracción de %1 terminada</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <location filename="../engine/RunStatus.h" line="+16"/>
        <source>Success</source>
        <extracomment>Status bar, when an extraction has put every entry in place</extracomment>
        <translation>Completado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Extracting </source>
        <extracomment>Status bar while an extraction runs (the trailing blank is part of the panel)</extracomment>
        <translation>Extrayendo </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Testing </source>
        <extracomment>Status bar while a test runs (the trailing blank is part of the panel)</extracomment>
        <translation>Comprobando </translation>
    </message>
</context>
<context>
    <name>SafeWriter</name>
    <message>
        <location filename="../engine/SafeWriter.cpp" line="+65"/>
        <source>A folder on its path is a symbolic link</source>
        <translation>Una carpeta de su ruta es un enlace simbólico</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder on its path is a file</source>
        <translation>Una carpeta de su ruta es un archivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open a folder on its path: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede abrir una carpeta de su ruta: %1</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The destination folder cannot be opened</source>
        <translation>No se puede abrir la carpeta de destino</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Copy of a file not extracted in this run</source>
        <translation>Copia de un archivo no extraído en esta operación</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>More data than its stated size</source>
        <translation>Más datos que su tamaño declarado</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+125"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="+86"/>
        <location line="+49"/>
        <location line="+29"/>
        <source>Cannot write: %1</source>
        <translation>No se puede escribir: %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Not enough disk space (its size is not stated)</source>
        <translation>No hay suficiente espacio en disco (su tamaño no está declarado)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot read: %1</source>
        <translation>No se puede leer: %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <location filename="../engine/SafeWriterLinks.cpp" line="+120"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="-32"/>
        <location line="+25"/>
        <source>A folder of that name exists</source>
        <translation>Ya existe una carpeta con ese nombre</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterLinks.cpp" line="-82"/>
        <source>Hard link to a file not extracted in this run</source>
        <translation>Enlace duro a un archivo no extraído en esta operación</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Link target cannot be read</source>
        <translation>No se puede leer el destino del enlace</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot make the hard link: %1</source>
        <translation>No se puede crear el enlace duro: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot make the link: %1</source>
        <translation>No se puede crear el enlace: %1</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterTemp.cpp" line="-90"/>
        <source>Cannot create a file: %1</source>
        <translation>No se puede crear un archivo: %1</translation>
    </message>
</context>
<context>
    <name>SandboxNotice</name>
    <message>
        <location filename="../engine/SandboxNotice.cpp" line="+34"/>
        <source>its system-call filter</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>su filtro de llamadas al sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seccomp is not available here; the archive reader runs without its system-call filter</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>seccomp no está disponible aquí; el lector de archivadores funciona sin su filtro de llamadas al sistema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Landlock</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>Landlock</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this kernel has no Landlock; the archive reader is not kept from reading outside the archive&apos;s folder</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>este núcleo no tiene Landlock; no se impide que el lector de archivadores lea fuera de la carpeta del archivador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>namespaces of its own</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>espacios de nombres propios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this kernel does not let the archive reader have user namespaces; it shares the program&apos;s PID, IPC and network namespaces</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>este núcleo no permite que el lector de archivadores tenga espacios de nombres de usuario; comparte los espacios de nombres de PID, IPC y red del programa</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1.</source>
        <extracomment>Ends a sentence of the About window with the language&apos;s full stop</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 and %2</source>
        <extracomment>Joins the missing parts of the sandbox: &quot;A and B&quot;, &quot;A and B and C&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive reader runs without %1 (see About)</source>
        <extracomment>Status bar; %1 names what is missing. About is the About window.</extracomment>
        <translation>El lector de archivadores funciona sin %1 (consulte Acerca de)</translation>
    </message>
</context>
<context>
    <name>WinHelpErrors</name>
    <message>
        <location filename="../help/CWinHelp.cpp" line="+73"/>
        <source>Object not properly initialized</source>
        <translation>Objeto no inicializado correctamente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid file name</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid window handle</source>
        <translation>Identificador de ventana no válido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Call to WinHelp failed</source>
        <translation>Falló la llamada a WinHelp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CWinHelp component failure</source>
        <translation>Fallo del componente CWinHelp</translation>
    </message>
</context>
<context>
    <name>cFileDialog</name>
    <message>
        <location filename="../dialogs/cFileDialog.cpp" line="+65"/>
        <location line="+56"/>
        <location line="+40"/>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>User selected cancel.</source>
        <translation>El usuario eligió cancelar.</translation>
    </message>
</context>
<context>
    <name>marrowick::FileListModel</name>
    <message>
        <location filename="../mainwindow/FileListModel.cpp" line="+63"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Packed</source>
        <translation>Compr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ratio</source>
        <translation>Tasa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encrypted</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <extracomment>What a screen reader says for the empty Encrypted cell of a file that is not encrypted</extracomment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderBrowser</name>
    <message>
        <location filename="../mainwindow/FolderBrowser.cpp" line="+80"/>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s folders; the list shows the one chosen</source>
        <translation>Las carpetas del archivador; la lista muestra la elegida</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <extracomment>Go back to the folder shown before (a button with an arrow only)</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back (Alt+Left)</source>
        <translation>Atrás (Alt+Izquierda)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>Go forward again after Back (a button with an arrow only)</extracomment>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward (Alt+Right)</source>
        <translation>Adelante (Alt+Derecha)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <extracomment>Go to the folder that holds this one (a button with an arrow only)</extracomment>
        <translation>Arriba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up (Backspace, Alt+Up)</source>
        <translation>Arriba (Retroceso, Alt+Arriba)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The folder shown; type a path and press Enter</source>
        <translation>La carpeta mostrada; escriba una ruta y pulse Intro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Location</source>
        <extracomment>The name of the field that shows the path of the folder shown</extracomment>
        <translation>Ubicación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filter (Ctrl+F)</source>
        <translation>Filtro (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Names containing this text; * and ? as wildcards</source>
        <translation>Nombres que contienen este texto; * y ? como comodines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter</source>
        <extracomment>The name of the field that narrows the list to the names typed</extracomment>
        <translation>Filtro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All folders</source>
        <extracomment>Check box: the filter looks in every folder below the one shown</extracomment>
        <translation>Todas las carpetas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Matches</source>
        <extracomment>The label that shows how many names the filter kept</extracomment>
        <translation>Coincidencias</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No folder named %1</source>
        <translation>No hay ninguna carpeta llamada %1</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>%1 of %2</source>
        <extracomment>The filter&apos;s count: %1 names kept of the %2 looked at</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderTreeModel</name>
    <message>
        <location filename="../mainwindow/FolderTreeModel.cpp" line="+13"/>
        <source>All entries  %1</source>
        <extracomment>The folder pane&apos;s top node, the whole archive; %1 is the archive&apos;s name</extracomment>
        <translation>Todas las entradas  %1</translation>
    </message>
</context>
<context>
    <name>marrowick::HelpViewer</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+14"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyword</source>
        <extracomment>The name of the field that narrows the index to a keyword</extracomment>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrows the index to the keywords that begin with the text</source>
        <translation>Reduce el índice a las palabras clave que empiezan por el texto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>No keyword matches &quot;%1&quot;.</source>
        <translation>Ninguna palabra clave coincide con «%1».</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>marrowick::ImagePreview</name>
    <message>
        <location filename="../mainwindow/PreviewViews.cpp" line="+90"/>
        <source>Click to show the picture at its own size or to fit</source>
        <translation>Pulse para mostrar la imagen a su tamaño real o ajustada</translation>
    </message>
</context>
<context>
    <name>marrowick::PreviewPane</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+45"/>
        <source>Preview</source>
        <extracomment>The name a screen reader gives the pane beside the list</extracomment>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entry properties</source>
        <extracomment>The line above the preview: the entry&apos;s name, sizes and date</extracomment>
        <translation>Propiedades de la entrada</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Open</source>
        <extracomment>Button: open the previewed entry as a file</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Wrap lines</source>
        <translation>Ajustar líneas</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Decoding progress</source>
        <translation>Progreso de la descodificación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Password...</source>
        <translation>Introducir contraseña...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Text preview</source>
        <translation>Vista previa de texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture preview</source>
        <translation>Vista previa de imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter shows the picture at its own size or to fit</source>
        <translation>Intro muestra la imagen a su tamaño real o ajustada</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hex dump</source>
        <extracomment>The preview of data that is neither text nor a picture: offsets, bytes in hexadecimal, characters</extracomment>
        <translation>Volcado hexadecimal</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Select an entry to preview it</source>
        <translation>Seleccione una entrada para previsualizarla</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Folder: %1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>Carpeta: %1, %2, %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures over %1 packed are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Las imágenes de más de %1 comprimidas no se previsualizan</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+106"/>
        <location line="+30"/>
        <source>Encrypted: a password is needed to preview it</source>
        <translation>Cifrado: se necesita una contraseña para previsualizarlo</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>Solid archive: the entries before this one are decoded first</source>
        <translation>Archivador sólido: primero se descodifican las entradas anteriores a esta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Not found in the archive</source>
        <translation>No se encuentra en el archivador</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot preview: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>No se puede previsualizar: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the entry is damaged</source>
        <translation>la entrada está dañada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures over %1 are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Las imágenes de más de %1 no se previsualizan</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 × %2 pixels</source>
        <extracomment>The picture&apos;s width and height</extracomment>
        <translation>%1 × %2 píxeles</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Showing the first %1</source>
        <extracomment>%1 is a size such as &quot;4 MB&quot;</extracomment>
        <translation>Se muestran los primeros %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The password is wrong</source>
        <translation>La contraseña es incorrecta</translation>
    </message>
</context>
<context>
    <name>marrowick::PropertiesDialog</name>
    <message>
        <location filename="../dialogs/PropertiesDialog.cpp" line="+52"/>
        <source>Copy &amp;All</source>
        <translation>Copiar &amp;todo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Comment...</source>
        <translation>C&amp;omentario...</translation>
    </message>
</context>
<context>
    <name>marrowick::RecentArchives</name>
    <message>
        <location filename="../mainwindow/RecentArchives.cpp" line="+38"/>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>&amp;Clear List</source>
        <translation>&amp;Limpiar lista</translation>
    </message>
</context>
<context>
    <name>marrowick::fComment</name>
    <message>
        <location filename="../dialogs/fComment.cpp" line="+25"/>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Comments</source>
        <extracomment>The title of the window that shows an archive&apos;s comment</extracomment>
        <translation>Comentarios</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>marrowick::fMain</name>
    <message>
        <location filename="../mainwindow/EntryActions.cpp" line="+47"/>
        <source>Select the entries to extract</source>
        <translation>Seleccione las entradas que extraer</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 was changed after it was opened. Save a copy?</source>
        <translation>%1 se modificó después de abrirse. ¿Guardar una copia?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save a copy to %1</source>
        <translation>No se puede guardar una copia en %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not opened: %1 is a folder</source>
        <translation>No se abrió: %1 es una carpeta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not opened: no temporary folder</source>
        <translation>No se abrió: no hay carpeta temporal</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not opened: %1 was not extracted</source>
        <translation>No se abrió: %1 no se extrajo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+41"/>
        <source>Not opened: %1</source>
        <translation>No se abrió: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+6"/>
        <source>Opened %1</source>
        <translation>Se abrió %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No application opens %1</source>
        <translation>Ninguna aplicación abre %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/ListBrowsing.cpp" line="+59"/>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Files</source>
        <extracomment>The name a screen reader gives the list of the archive&apos;s entries</extracomment>
        <translation>Archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s entries, one row each</source>
        <translation>Las entradas del archivador, una fila por cada una</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Columns</source>
        <extracomment>The name a screen reader gives the list&apos;s row of column titles</extracomment>
        <translation>Columnas</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Folders</source>
        <translation>&amp;Carpetas</translation>
    </message>
    <message>
        <location filename="../mainwindow/MainCommands.cpp" line="+43"/>
        <source>Ready </source>
        <extracomment>The activity after Close; it ends in a blank.</extracomment>
        <translation>Listo </translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../mainwindow/fMain.cpp" line="+352"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Extract Archive to ...</source>
        <translation>Extraer archivador en ...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Name</source>
        <extracomment>View &gt; Sort By&apos;s items: the list&apos;s columns.</extracomment>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Packed</source>
        <translation>&amp;Comprimido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Ratio</source>
        <translation>Ta&amp;sa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;CRC32</source>
        <translation>C&amp;RC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Modified</source>
        <translation>&amp;Modificado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Attributes</source>
        <translation>&amp;Atributos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M&amp;ethod</source>
        <translation>Mét&amp;odo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encr&amp;ypted</source>
        <translation>Ci&amp;frado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort By</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Columns</source>
        <extracomment>View &gt; Columns: which of the optional columns the list shows.</extracomment>
        <translation>Col&amp;umnas</translation>
    </message>
    <message>
        <location filename="../mainwindow/PreviewCommand.cpp" line="+26"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Introduzca la contraseña del archivo cifrado:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../mainwindow/PropertiesCommand.cpp" line="+28"/>
        <location line="+6"/>
        <source>&amp;Properties	Alt+Enter</source>
        <extracomment>A menu item; the key after the tab is shown beside it.</extracomment>
        <translation>&amp;Propiedades	Alt+Intro</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Properties of the archive (Alt+Enter)</source>
        <translation>Propiedades del archivador (Alt+Intro)</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+28"/>
        <source>%1 - Properties</source>
        <extracomment>A properties window&apos;s title: %1 the archive&apos;s or entry&apos;s name.</extracomment>
        <translation>%1 - Propiedades</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/RunDisplay.cpp" line="+37"/>
        <source>Encryption</source>
        <extracomment>The status bar panel that shows whether entries are encrypted.</extracomment>
        <translation>Cifrado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Activity</source>
        <extracomment>The status bar panel that says what the window is doing.</extracomment>
        <translation>Actividad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Totals</source>
        <extracomment>The status bar panel with the archive&apos;s or the run&apos;s totals.</extracomment>
        <translation>Totales</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../mainwindow/fMain.cpp" line="-2"/>
        <source>Encrypted</source>
        <extracomment>The encryption indicator of the status bar (hidden until needed).</extracomment>
        <translation>Cifrado</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Progress of the running operation</source>
        <translation>Progreso de la operación en curso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the running operation (Esc)</source>
        <translation>Detener la operación en curso (Esc)</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1: %2</source>
        <extracomment>An entry that was not written: %1 its name, %2 why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Sandbox incomplete</source>
        <translation>Entorno aislado incompleto</translation>
    </message>
    <message>
        <location filename="../mainwindow/fMain.cpp" line="-214"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Archive...</source>
        <translation>&amp;Abrir archivador...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close Archive...</source>
        <translation>&amp;Cerrar archivador...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Extract</source>
        <translation>&amp;Extraer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Test</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Extract &amp;Links</source>
        <translation>Extraer en&amp;laces</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <extracomment>The Help menu&apos;s title.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> &amp;Help</source>
        <extracomment>The Help menu&apos;s item that opens the help file; it begins with a blank.</extracomment>
        <translation> Ay&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <extracomment>The row menu&apos;s item that opens the entry in its application.</extracomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extract &amp;Selected To...</source>
        <translation>&amp;Extraer la selección en...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Extract &amp;Here</source>
        <translation>&amp;Extraer aquí</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>open RAR archive</source>
        <translation>abrir un archivador RAR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extract to</source>
        <translation>Extraer en</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Extract Files</source>
        <translation>Extraer archivos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test archived file</source>
        <translation>Comprobar los archivos del archivador</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Entries</source>
        <extracomment>What a screen reader calls the list of the archive&apos;s entries.</extracomment>
        <translation>Entradas</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Padlock</source>
        <extracomment>The picture beside the status bar&apos;s encryption indicator.</extracomment>
        <translation>Candado</translation>
    </message>
</context>
<context>
    <name>marrowick::frmAbout</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+30"/>
        <source>About</source>
        <extracomment>The title of the About window</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click here to Visit Marrowick Website</source>
        <translation>Pulse aquí para visitar el sitio web de Marrowick</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copyright © 2026 the Marrowick developers.</source>
        <translation>Copyright © 2026 los desarrolladores de Marrowick.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UnRAR library © Alexander Roshal, RARLAB</source>
        <translation>Biblioteca UnRAR © Alexander Roshal, RARLAB</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../mainwindow/modMain.cpp" line="-21"/>
        <source>Error no.%1
%2</source>
        <extracomment>An error raised by a part of the program: %1 its number, %2 what it says.</extracomment>
        <translation>Error n.º %1
%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Select an Archive file...</source>
        <translation>Seleccione un archivador...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAR Archive Files (*.rar)|*.rar</source>
        <extracomment>The open dialog&apos;s filter: a description, &quot;|&quot;, then the pattern.</extracomment>
        <translation>Archivadores RAR (*.rar)|*.rar</translation>
    </message>
</context>
<context>
    <name>modRAR</name>
    <message>
        <location filename="../engine/modRAR.cpp" line="+247"/>
        <source>No errors found during test operation</source>
        <translation>No se encontraron errores durante la comprobación</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>ENCRYPTED</source>
        <extracomment>Status bar: the archive has encrypted entries or headers</extracomment>
        <translation>CIFRADO</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ready</source>
        <extracomment>Status bar, when nothing runs</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Processing</source>
        <extracomment>Status bar while the archive is listed</extracomment>
        <translation>Procesando</translation>
    </message>
</context>
</TS>
