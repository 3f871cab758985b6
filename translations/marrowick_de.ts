<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+42"/>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version line: major, minor and patch numbers</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ArchiveProperties</name>
    <message numerus="yes">
        <location filename="../engine/ArchiveProperties.cpp" line="+66"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n folder(s)</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+66"/>
        <source>%1 byte(s)</source>
        <extracomment>%1 is the size in bytes, its digits grouped</extracomment>
        <translation>
            <numerusform>%1 Byte</numerusform>
            <numerusform>%1 Bytes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+97"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Einträge</translation>
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
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Gepackte Größe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Kompressionsrate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Largest entry</source>
        <translation>Größter Eintrag</translation>
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
        <translation>Neueste Änderung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Oldest</source>
        <extracomment>The earliest modification time of the entries</extracomment>
        <translation>Älteste Änderung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size on disk (all volumes)</source>
        <translation>Größe auf dem Datenträger (alle Teile)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size on disk</source>
        <translation>Größe auf dem Datenträger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solid</source>
        <extracomment>Whether the archive is solid (its entries packed as one stream)</extracomment>
        <translation>Solid</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>The number of this volume in its set</extracomment>
        <translation>Teil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number unknown</source>
        <translation>Nummer unbekannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes found</source>
        <translation>Gefundene Teile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (complete set)</source>
        <extracomment>%1 is how many volumes of the set were found</extracomment>
        <translation>%1 (vollständig)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (incomplete set)</source>
        <translation>%1 (unvollständig)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First volume</source>
        <translation>Erster Teil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes</source>
        <translation>Teile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not split into volumes</source>
        <translation>Nicht in Teile aufgeteilt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery record</source>
        <translation>Wiederherstellungsinformationen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked</source>
        <extracomment>Whether the archive is locked against changes</extracomment>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypted headers</source>
        <translation>Verschlüsselte Kopfdaten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Encrypted entries</source>
        <translation>Verschlüsselte Einträge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Authenticity information</source>
        <translation>Authentizitätsinformationen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes (unreadable)</source>
        <translation>Ja (nicht lesbar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>CliCat</name>
    <message>
        <location filename="../cli/CatCommand.cpp" line="+88"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Passwort für die verschlüsselte Datei eingeben:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds binary data: not written to a terminal (--force writes it)</source>
        <extracomment>%1 is the entry&apos;s name</extracomment>
        <translation>%1 enthält Binärdaten: nicht auf ein Terminal geschrieben (--force schreibt sie)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the archive needs a password</source>
        <translation>das Archiv benötigt ein Passwort</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No entry named %1</source>
        <translation>Kein Eintrag namens %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>CliExtractHere</name>
    <message>
        <location filename="../cli/main.cpp" line="+76"/>
        <source>%1: cannot open it</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1: kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: extracted to %2</source>
        <extracomment>%1 is the archive, %2 the file or folder its entries went to</extracomment>
        <translation>%1: entpackt nach %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: not extracted</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1: nicht entpackt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nothing extracted</source>
        <translation>%1: nichts entpackt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: not every entry extracted; the rest is in %2</source>
        <translation>%1: nicht jeder Eintrag entpackt; der Rest ist in %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Extract Here done</source>
        <extracomment>The title of the desktop notification at the end of extract --here</extracomment>
        <translation>„Hier entpacken“ abgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extract Here: %1 of %2 not extracted</source>
        <translation>Hier entpacken: %1 von %2 nicht entpackt</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="+268"/>
        <source>Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]
</source>
        <extracomment>The first line of --help. Keep the program&apos;s and the commands&apos; names and the option names as they are; the words in capitals may be translated.</extracomment>
        <translation>Aufruf: marrowick-cli BEFEHL [OPTIONEN] ARCHIV [ZIEL [NAME...]]
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:
</source>
        <translation>Befehle:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32
                         (tab-separated; a link&apos;s name is followed by
                         &quot; -&gt; TARGET&quot;), then the totals line
</source>
        <translation>  list, l ARCHIV         eine Zeile je Eintrag: Name, Größe, gepackte Größe,
                         Kompressionsrate, CRC32 (durch Tabulatoren getrennt;
                         auf den Namen einer Verknüpfung folgt
                         &quot; -&gt; VERKNÜPFUNGSZIEL&quot;), dann die Zeile mit den Summen
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  test, t ARCHIVE        test every entry; one line per entry
</source>
        <translation>  test, t ARCHIV         jeden Eintrag testen; eine Zeile je Eintrag
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  info, i ARCHIVE        the archive&apos;s properties, one &quot;label: value&quot; per
                         line: format, solid, volumes, recovery record, lock,
                         encryption, comment, and the totals of its entries
</source>
        <translation>  info, i ARCHIV         die Eigenschaften des Archivs, je Zeile ein
                         „Bezeichnung: Wert“: Format, Solid, Teile,
                         Wiederherstellungsinformationen, Sperre,
                         Verschlüsselung, Kommentar und die Summen seiner
                         Einträge
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  cat ARCHIVE NAME       write the entry&apos;s data to standard output as it is
                         read, nothing written to disk; binary data (a NUL
                         byte or invalid UTF-8 at its start) is not written to
                         a terminal without --force
</source>
        <translation>  cat ARCHIV NAME        die Daten des Eintrags beim Lesen auf die
                         Standardausgabe schreiben, nichts wird auf den
                         Datenträger geschrieben; Binärdaten (ein NUL-Byte oder
                         ungültiges UTF-8 am Anfang) werden ohne --force nicht
                         auf ein Terminal geschrieben
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x ARCHIVE [DEST [NAME...]]
                         extract every entry, or only the named ones (a
                         folder&apos;s name takes what lies below it), into DEST
                         (default: the current folder, made when missing)
</source>
        <translation>  extract, x ARCHIV [ZIEL [NAME...]]
                         jeden Eintrag entpacken oder nur die genannten (der
                         Name eines Ordners umfasst alles darunter), nach ZIEL
                         (Vorgabe: der aktuelle Ordner, angelegt, wenn er
                         fehlt)
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
        <translation>  extract, x --here ARCHIV...
                         jedes Archiv neben sich selbst entpacken: in einen
                         neuen Ordner mit seinem Namen oder, wenn es eine Datei
                         oder einen Ordner enthält, als diese(n); nie in etwas
                         Vorhandenes („Name (2)“, ...); gibt aus, wohin jedes
                         Archiv entpackt wurde
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options:
</source>
        <translation>Optionen:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --subfolder            extract --here, always into a new folder
</source>
        <translation>  --subfolder            extract --here: immer in einen neuen Ordner
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --notify               extract --here: sum up in a desktop notification too
                         (for file-manager actions, which have no terminal)
</source>
        <translation>  --notify               extract --here: zusätzlich eine Zusammenfassung als
                         Desktop-Benachrichtigung (für Aktionen der
                         Dateiverwaltung, die kein Terminal haben)
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
        <translation>  --json                 list: ein JSON-Objekt je Eintrag (name, size, packed,
                         crc32 oder blake2sp, encrypted, folder, mtime, ctime
                         und atime, wenn gespeichert, attributes, host_os,
                         method, dictionary, target und link_target für
                         Verknüpfungen)
                         info: ein JSON-Objekt (format, solid, volume, volumes,
                         volumes_found, first_volume, recovery_record, locked,
                         encrypted_headers, encrypted_entries, comment,
                         entries, files, folders, size, packed, ...)
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --tree                 list: the folder tree instead of the entries, each
                         folder with the files, folders and bytes below it
</source>
        <translation>  --tree                 list: den Ordnerbaum statt der Einträge, jeder Ordner
                         mit den Dateien, Ordnern und Bytes darunter
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --force                cat: write binary data to a terminal too
</source>
        <translation>  --force                cat: Binärdaten auch auf ein Terminal schreiben
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --no-links             extract: refuse symbolic and hard links (by default
                         those that stay inside DEST are made)
</source>
        <translation>  --no-links             extract: symbolische und harte Verknüpfungen ablehnen
                         (standardmäßig werden die angelegt, die innerhalb von
                         ZIEL bleiben)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  --overwrite MODE       extract: ask, always or never replace existing files
                         (default: ask on a terminal, never otherwise)
</source>
        <translation>  --overwrite MODUS      extract: vorhandene Dateien nach Rückfrage (ask),
                         immer (always) oder nie (never) ersetzen (Vorgabe: ask
                         an einem Terminal, sonst never)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -p PASSWORD            password for encrypted entries or headers
</source>
        <translation>  -p PASSWORT            Passwort für verschlüsselte Einträge oder Kopfdaten
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --password-file FILE   read the password from the first line of FILE
</source>
        <translation>  --password-file DATEI  das Passwort aus der ersten Zeile von DATEI lesen
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  --lang LANG            the language of the texts for people, such as de or
                         zh_CN (default: the system&apos;s); what scripts read
                         (list&apos;s lines, --json) stays the same
</source>
        <translation>  --lang SPRACHE         die Sprache der Meldungen und Texte, etwa de oder
                         zh_CN (Vorgabe: die des Systems); was Skripte lesen
                         (die Zeilen von list, --json), bleibt unverändert
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  -h, --help             show this help
</source>
        <translation>  -h, --help             diese Hilfe anzeigen
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version          show the version
</source>
        <translation>  -V, --version          die Version anzeigen
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit status: 0 all done, 1 the archive or an entry failed, was refused or
skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.
</source>
        <translation>Exit-Status: 0 alles erledigt, 1 das Archiv oder ein Eintrag ist
fehlgeschlagen, wurde abgelehnt oder übersprungen, 2 falscher Aufruf, 3 die
UnRAR-Bibliothek kann nicht geladen werden, 130 abgebrochen.
</translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <location filename="../cli/InfoCommand.cpp" line="+141"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../cli/main.cpp" line="-87"/>
        <source>Try &apos;marrowick-cli --help&apos;.</source>
        <translation>Versuchen Sie „marrowick-cli --help“.</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+114"/>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+146"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>--overwrite ask needs a terminal on standard input</source>
        <translation>--overwrite ask benötigt ein Terminal an der Standardeingabe</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="-217"/>
        <source>--overwrite needs ask, always or never</source>
        <translation>--overwrite benötigt ask, always oder never</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--overwrite needs ask, always or never, not &apos;%1&apos;</source>
        <translation>--overwrite benötigt ask, always oder never, nicht „%1“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a password</source>
        <extracomment>%1 is the option given: -p or --password</extracomment>
        <translation>%1 benötigt ein Passwort</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--password-file needs a file name</source>
        <translation>--password-file benötigt einen Dateinamen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--lang needs a language, such as de or zh_CN</source>
        <translation>--lang benötigt eine Sprache, etwa de oder zh_CN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--notify is for extract --here only</source>
        <translation>--notify gilt nur für extract --here</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json is for list and info only</source>
        <translation>--json gilt nur für list und info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--tree is for list only</source>
        <translation>--tree gilt nur für list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give --json or --tree, not both</source>
        <translation>geben Sie --json oder --tree an, nicht beides</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--no-links is for extract only</source>
        <translation>--no-links gilt nur für extract</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--force is for cat only</source>
        <translation>--force gilt nur für cat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--overwrite is for extract only</source>
        <translation>--overwrite gilt nur für extract</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give -p or --password-file, not both</source>
        <translation>geben Sie -p oder --password-file an, nicht beides</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no archive given</source>
        <translation>kein Archiv angegeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--here is for extract only</source>
        <translation>--here gilt nur für extract</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an archive name is empty</source>
        <translation>ein Archivname ist leer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no entry name given</source>
        <translation>kein Eintragsname angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>an entry name is empty</source>
        <translation>ein Eintragsname ist leer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot read the password file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be read</extracomment>
        <translation>die Passwortdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the password file %1 is empty</source>
        <translation>die Passwortdatei %1 ist leer</translation>
    </message>
</context>
<context>
    <name>CliTerminal</name>
    <message>
        <location filename="../cli/Terminal.cpp" line="+80"/>
        <source>interrupted</source>
        <extracomment>Printed when a second Ctrl+C ends the program at once</extracomment>
        <translation>unterbrochen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../mainwindow/CommandLine.cpp" line="+36"/>
        <location filename="../mainwindow/modMain.cpp" line="+34"/>
        <source>Missing argument(s)!</source>
        <translation>Fehlende(s) Argument(e)!</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/modMain.cpp" line="+4"/>
        <source>Invalid Argument(s)!</source>
        <translation>Ungültige(s) Argument(e)!</translation>
    </message>
</context>
<context>
    <name>ComponentError</name>
    <message>
        <location filename="../engine/ComponentError.cpp" line="+42"/>
        <source>unknown reason</source>
        <translation>unbekannter Grund</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL: %1 (%2)</source>
        <extracomment>%1 is the library&apos;s file name, %2 why it could not be loaded</extracomment>
        <translation>Fehler beim Laden der DLL: %1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Specified DLL function not found: %1 in %2</source>
        <extracomment>%1 is the missing function, %2 the library&apos;s file name</extracomment>
        <translation>Angegebene DLL-Funktion nicht gefunden: %1 in %2</translation>
    </message>
</context>
<context>
    <name>ConsolePrompts</name>
    <message>
        <location filename="../cli/ConsolePrompts.cpp" line="+47"/>
        <source>%1 No: no terminal to ask on</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 Nein: kein Terminal für die Rückfrage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 No: no terminal to ask on (see --overwrite)</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 Nein: kein Terminal für die Rückfrage (siehe --overwrite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 [Y/n] </source>
        <extracomment>The question on the terminal; %1 is the question, Y and n the answers, Y the default</extracomment>
        <translation>%1 [J/n] </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>y</source>
        <extracomment>The short answer yes on the terminal (y is understood too)</extracomment>
        <translation>j</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>The answer yes on the terminal (yes is understood too)</extracomment>
        <translation>ja</translation>
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
        <translation>nein</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the archive needs a password</source>
        <translation>das Archiv benötigt ein Passwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the archive needs a password and there is no terminal to ask on; give it with -p or --password-file</source>
        <translation>das Archiv benötigt ein Passwort und es gibt kein Terminal für die Rückfrage; geben Sie es mit -p oder --password-file an</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <location filename="../cli/ConsoleView.cpp" line="+80"/>
        <source>failed (error code %1)</source>
        <extracomment>The result of an entry that failed without a message; %1 is the library&apos;s number</extracomment>
        <translation>fehlgeschlagen (Fehlercode %1)</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <location filename="../engine/EntryChecks.cpp" line="+27"/>
        <source>Empty name</source>
        <translation>Leerer Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute path</source>
        <translation>Absoluter Pfad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Control character in name</source>
        <translation>Steuerzeichen im Namen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name points outside the destination (&quot;..&quot;)</source>
        <translation>Name zeigt aus dem Ziel hinaus („..“)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty or &quot;.&quot; part in name</source>
        <translation>Leerer oder „.“-Bestandteil im Namen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name part too long</source>
        <translation>Namensbestandteil zu lang</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Junction</source>
        <translation>Verbindungspunkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown kind of link</source>
        <translation>Unbekannte Art von Verknüpfung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Device</source>
        <translation>Gerätedatei</translation>
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
        <translation>Symbolische Verknüpfung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard link</source>
        <translation>Harte Verknüpfung</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Empty link target</source>
        <translation>Leeres Verknüpfungsziel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Control character in link target</source>
        <translation>Steuerzeichen im Verknüpfungsziel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link target too long</source>
        <translation>Verknüpfungsziel zu lang</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Link target is a Windows drive or network path</source>
        <translation>Verknüpfungsziel ist ein Windows-Laufwerk oder Netzwerkpfad</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Absolute link target</source>
        <translation>Absolutes Verknüpfungsziel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Link target part too long</source>
        <translation>Bestandteil des Verknüpfungsziels zu lang</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link target with &quot;..&quot; after a folder name</source>
        <translation>Verknüpfungsziel mit „..“ nach einem Ordnernamen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target points outside the destination</source>
        <translation>Verknüpfungsziel zeigt aus dem Ziel hinaus</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These entries were not extracted:</source>
        <translation>Diese Einträge wurden nicht entpackt:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more</source>
        <extracomment>After the list of refused entries: how many more were refused</extracomment>
        <translation>... und %1 weitere</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <location filename="../engine/EntryDetails.cpp" line="+16"/>
        <source>stored</source>
        <extracomment>Compression method</extracomment>
        <translation>gespeichert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fastest</source>
        <extracomment>Compression method</extracomment>
        <translation>schnellste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fast</source>
        <extracomment>Compression method</extracomment>
        <translation>schnelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal</source>
        <extracomment>Compression method</extracomment>
        <translation>normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>good</source>
        <extracomment>Compression method</extracomment>
        <translation>gute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>best</source>
        <extracomment>Compression method</extracomment>
        <translation>beste</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 dictionary</source>
        <extracomment>The dictionary&apos;s size after the method: &quot;RAR 5, best, 32 MB dictionary&quot;</extracomment>
        <translation>Wörterbuch %1</translation>
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
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>EntryProperties</name>
    <message>
        <location filename="../engine/EntryProperties.cpp" line="+38"/>
        <source>Continued from an earlier volume and on the next one</source>
        <translation>Fortgesetzt aus einem früheren Teil und im nächsten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continued from an earlier volume</source>
        <translation>Fortgesetzt aus einem früheren Teil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continued on the next volume</source>
        <translation>Fortgesetzt im nächsten Teil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>The entry is not split over volumes</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>System %1</source>
        <extracomment>The operating system an entry was packed on, by its number</extracomment>
        <translation>System %1</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <extracomment>The folder the entry is in</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(top level)</source>
        <translation>(oberste Ebene)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <comment>kind of entry</comment>
        <extracomment>What the entry is: a folder, a link or a file</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Gepackte Größe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Kompressionsrate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Host system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Method</source>
        <extracomment>The compression method</extracomment>
        <translation>Methode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dictionary</source>
        <extracomment>The compression dictionary&apos;s size</extracomment>
        <translation>Wörterbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version needed</source>
        <translation>Benötigte Version</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Checksum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encrypted</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Split over volumes</source>
        <translation>Auf Teile verteilt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target</source>
        <translation>Verknüpfungsziel</translation>
    </message>
</context>
<context>
    <name>ExtractHere</name>
    <message>
        <location filename="../engine/ExtractHere.cpp" line="+248"/>
        <source>Cannot make the folder %1: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/ExtractHereCommand.cpp" line="+38"/>
        <source>Extracted to %1</source>
        <translation>Entpackt nach %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry was extracted; the rest is in %1</source>
        <translation>Nicht jeder Eintrag wurde entpackt; der Rest ist in %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>ExtractRun</name>
    <message>
        <location filename="../engine/ExtractRun.cpp" line="+79"/>
        <source>File exists; kept</source>
        <translation>Datei vorhanden; behalten</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>File(s) Exist, Replace ?</source>
        <translation>Datei(en) vorhanden, ersetzen?</translation>
    </message>
    <message>
        <location line="+213"/>
        <source>No entry named %1</source>
        <translation>Kein Eintrag namens %1</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <location filename="../engine/Formats.cpp" line="+156"/>
        <source>Total %1 Files </source>
        <extracomment>Status bar: how many entries are listed so far. %1 is the count with a blank in front where a minus sign could be.</extracomment>
        <translation>Gesamt %1 Dateien </translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <location filename="../engine/FreeSpace.cpp" line="+55"/>
        <source>Not enough disk space in %1: the archive unpacks to %2 bytes, only %3 bytes are free. Nothing was extracted.</source>
        <extracomment>%1 is the destination folder; %2 and %3 are numbers of bytes</extracomment>
        <translation>Nicht genug Speicherplatz in %1: Das Archiv wird zu %2 Bytes entpackt, nur %3 Bytes sind frei. Es wurde nichts entpackt.</translation>
    </message>
</context>
<context>
    <name>HelpOnHelp</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+39"/>
        <source>Using Help</source>
        <translation>Hilfe verwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Contents&lt;/b&gt; shows the list of topics. Click a topic to read it; links inside a topic lead to related topics.</source>
        <translation>&lt;b&gt;Inhalt&lt;/b&gt; zeigt die Liste der Themen. Klicken Sie auf ein Thema, um es zu lesen; Verweise in einem Thema führen zu verwandten Themen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Index&lt;/b&gt; lists the keywords of every topic. Type in the search field to narrow the list to the keywords that begin with what you typed, then click a keyword to open its topic.</source>
        <translation>&lt;b&gt;Index&lt;/b&gt; listet die Stichwörter aller Themen auf. Tippen Sie in das Suchfeld, um die Liste auf die Stichwörter einzuschränken, die mit dem Eingetippten beginnen, und klicken Sie dann auf ein Stichwort, um sein Thema zu öffnen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the Help window with its close button when you are done.</source>
        <translation>Schließen Sie das Hilfefenster mit seinem Schließknopf, wenn Sie fertig sind.</translation>
    </message>
</context>
<context>
    <name>LaunchHelp</name>
    <message>
        <location filename="../help/LaunchHelp.cpp" line="+55"/>
        <source>%1 Documentation is not available.</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Die Dokumentation von %1 ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../engine/Messages.cpp" line="+15"/>
        <location line="+37"/>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1: archive header broken</source>
        <translation>%1: Kopfdaten des Archivs beschädigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not RAR archive</source>
        <translation>%1 ist kein RAR-Archiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the archive is encrypted and no password was given</source>
        <translation>%1: Das Archiv ist verschlüsselt und es wurde kein Passwort angegeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: wrong password</source>
        <translation>%1: falsches Passwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: unknown archive format</source>
        <translation>%1: unbekanntes Archivformat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: read error</source>
        <translation>%1: Lesefehler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot open %1 (error code %2)</source>
        <extracomment>%1 is the archive, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>%1 kann nicht geöffnet werden (Fehlercode %2)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CRC failed in %1</source>
        <translation>CRC-Fehler in %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRC failed in encrypted file (wrong password?)</source>
        <translation>CRC-Fehler in verschlüsselter Datei (falsches Passwort?)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad volume</source>
        <translation>Fehlerhafter Teil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown archive format</source>
        <translation>Unbekanntes Archivformat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume open error</source>
        <translation>Fehler beim Öffnen eines Teils</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File create error</source>
        <translation>Fehler beim Anlegen der Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File close error</source>
        <translation>Fehler beim Schließen der Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is encrypted and no password was given</source>
        <translation>Die Datei ist verschlüsselt und es wurde kein Passwort angegeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File header broken</source>
        <translation>Kopfdaten der Datei beschädigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The archive&apos;s headers are encrypted and no password was given</source>
        <translation>Die Kopfdaten des Archivs sind verschlüsselt und es wurde kein Passwort angegeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password: the archive&apos;s headers cannot be read</source>
        <translation>Falsches Passwort: Die Kopfdaten des Archivs können nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unexpected end of archive</source>
        <translation>Unerwartetes Ende des Archivs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the archive&apos;s file headers failed (error code %1)</source>
        <translation>Das Lesen der Kopfdaten der Dateien im Archiv ist fehlgeschlagen (Fehlercode %1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Test failed (error code %1)</source>
        <translation>Test fehlgeschlagen (Fehlercode %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extraction failed (error code %1)</source>
        <translation>Entpacken fehlgeschlagen (Fehlercode %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing stopped at %1 (error code %2)</source>
        <extracomment>%1 is the entry&apos;s name, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>Auflisten bei %1 abgebrochen (Fehlercode %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Begins in an earlier volume</source>
        <translation>Beginnt in einem früheren Teil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Volume %1 of a set: showing the whole set from %2</source>
        <extracomment>%1 is the volume&apos;s number, %2 the file name of the set&apos;s first volume</extracomment>
        <translation>Teil %1 eines mehrteiligen Archivs: Alle Teile werden ab %2 gezeigt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: archive comment broken</source>
        <translation>%1: Archivkommentar beschädigt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No files to test</source>
        <translation>Keine Dateien zum Testen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 in %2</source>
        <extracomment>%1 is an entry&apos;s name, %2 the archive&apos;s</extracomment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was extracted.</source>
        <translation>Die UnRAR-Bibliothek ist beim Lesen von %1 gescheitert (%2). Es wurde nichts weiter entpackt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was tested.</source>
        <translation>Die UnRAR-Bibliothek ist beim Lesen von %1 gescheitert (%2). Es wurde nichts weiter getestet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was listed.</source>
        <translation>Die UnRAR-Bibliothek ist beim Lesen von %1 gescheitert (%2). Es wurde nichts weiter aufgelistet.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The next volume of the archive is missing: %1</source>
        <translation>Der nächste Teil des Archivs fehlt: %1</translation>
    </message>
</context>
<context>
    <name>ModBrowse</name>
    <message>
        <location filename="../dialogs/ModBrowse.cpp" line="+60"/>
        <source>Selected folder</source>
        <extracomment>The line under the folder chooser that shows the folder selected</extracomment>
        <translation>Ausgewählter Ordner</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <location filename="../mainwindow/OpenedFiles.cpp" line="+21"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save a Copy</source>
        <translation>Kopie speichern</translation>
    </message>
</context>
<context>
    <name>PreviewContent</name>
    <message>
        <location filename="../mainwindow/PreviewContent.cpp" line="+130"/>
        <source>The picture is %1 × %2 pixels: too large to preview</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height</extracomment>
        <translation>Das Bild hat %1 × %2 Pixel: zu groß für die Vorschau</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not a picture Marrowick can show: %1</source>
        <extracomment>%1 is the image reader&apos;s own reason</extracomment>
        <translation>Kein Bild, das Marrowick zeigen kann: %1</translation>
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
        <translation>Größe: %1   Gepackt: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modified: %1</source>
        <extracomment>%1 is the entry&apos;s date and time</extracomment>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encrypted</source>
        <extracomment>The entry needs a password</extracomment>
        <translation>Verschlüsselt</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Details</source>
        <extracomment>The box of the error&apos;s further lines</extracomment>
        <translation>Details</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>&amp;Show password</source>
        <translation>Passwort an&amp;zeigen</translation>
    </message>
</context>
<context>
    <name>ReaderSession</name>
    <message>
        <location filename="../engine/ReaderProcess.cpp" line="+110"/>
        <source>Cannot start %1: %2</source>
        <extracomment>%1 is the reader program, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+144"/>
        <source>malformed reply</source>
        <extracomment>Why the archive reader was stopped: what it sent made no sense</extracomment>
        <translation>fehlerhafte Antwort</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>The UnRAR library could not be started (%1)</source>
        <extracomment>%1 says what went wrong with the archive reader</extracomment>
        <translation>Die UnRAR-Bibliothek konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>no answer</source>
        <extracomment>Why the archive reader was stopped: it did not answer in time</extracomment>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>signal %1</source>
        <extracomment>How the archive reader ended: %1 is the signal&apos;s number</extracomment>
        <translation>Signal %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exit status %1</source>
        <extracomment>How the archive reader ended: %1 is its exit status</extracomment>
        <translation>Exit-Status %1</translation>
    </message>
</context>
<context>
    <name>RunCallback</name>
    <message>
        <location filename="../engine/RunCallback.cpp" line="+68"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Passwort für die verschlüsselte Datei eingeben:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter password</source>
        <extracomment>The password dialog&apos;s title</extracomment>
        <translation>Passwort eingeben</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <location filename="../mainwindow/RunNotifier.cpp" line="+72"/>
        <source>Test of %1 finished</source>
        <extracomment>A desktop notification&apos;s summary: %1 the archive&apos;s name.</extracomment>
        <translation>Test von %1 abgeschlossen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extraction of %1 finished</source>
        <translation>Entpacken von %1 abgeschlossen</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <location filename="../engine/RunStatus.h" line="+16"/>
        <source>Success</source>
        <extracomment>Status bar, when an extraction has put every entry in place</extracomment>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Extracting </source>
        <extracomment>Status bar while an extraction runs (the trailing blank is part of the panel)</extracomment>
        <translation>Wird entpackt </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Testing </source>
        <extracomment>Status bar while a test runs (the trailing blank is part of the panel)</extracomment>
        <translation>Wird getestet </translation>
    </message>
</context>
<context>
    <name>SafeWriter</name>
    <message>
        <location filename="../engine/SafeWriter.cpp" line="+65"/>
        <source>A folder on its path is a symbolic link</source>
        <translation>Ein Ordner auf seinem Pfad ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder on its path is a file</source>
        <translation>Ein Ordner auf seinem Pfad ist eine Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open a folder on its path: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Ein Ordner auf seinem Pfad kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The destination folder cannot be opened</source>
        <translation>Der Zielordner kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Copy of a file not extracted in this run</source>
        <translation>Kopie einer Datei, die in diesem Durchgang nicht entpackt wurde</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>More data than its stated size</source>
        <translation>Mehr Daten als seine angegebene Größe</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+125"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="+86"/>
        <location line="+49"/>
        <location line="+29"/>
        <source>Cannot write: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Not enough disk space (its size is not stated)</source>
        <translation>Nicht genug Speicherplatz (seine Größe ist nicht angegeben)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot read: %1</source>
        <translation>Lesen nicht möglich: %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <location filename="../engine/SafeWriterLinks.cpp" line="+120"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="-32"/>
        <location line="+25"/>
        <source>A folder of that name exists</source>
        <translation>Ein Ordner dieses Namens ist vorhanden</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterLinks.cpp" line="-82"/>
        <source>Hard link to a file not extracted in this run</source>
        <translation>Harte Verknüpfung auf eine Datei, die in diesem Durchgang nicht entpackt wurde</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Link target cannot be read</source>
        <translation>Das Verknüpfungsziel kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot make the hard link: %1</source>
        <translation>Die harte Verknüpfung kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot make the link: %1</source>
        <translation>Die Verknüpfung kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterTemp.cpp" line="-90"/>
        <source>Cannot create a file: %1</source>
        <translation>Eine Datei kann nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>SandboxNotice</name>
    <message>
        <location filename="../engine/SandboxNotice.cpp" line="+34"/>
        <source>its system-call filter</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>seinen Systemaufruf-Filter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seccomp is not available here; the archive reader runs without its system-call filter</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>seccomp ist hier nicht verfügbar; der Archivleser läuft ohne seinen Systemaufruf-Filter</translation>
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
        <translation>dieser Kernel hat kein Landlock; der Archivleser wird nicht daran gehindert, außerhalb des Ordners des Archivs zu lesen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>namespaces of its own</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>eigene Namensräume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this kernel does not let the archive reader have user namespaces; it shares the program&apos;s PID, IPC and network namespaces</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>dieser Kernel gibt dem Archivleser keine eigenen Benutzer-Namensräume; er teilt die PID-, IPC- und Netzwerk-Namensräume des Programms</translation>
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
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive reader runs without %1 (see About)</source>
        <extracomment>Status bar; %1 names what is missing. About is the About window.</extracomment>
        <translation>Der Archivleser läuft ohne %1 (siehe „Über“)</translation>
    </message>
</context>
<context>
    <name>WinHelpErrors</name>
    <message>
        <location filename="../help/CWinHelp.cpp" line="+73"/>
        <source>Object not properly initialized</source>
        <translation>Objekt nicht richtig initialisiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid window handle</source>
        <translation>Ungültiges Fensterhandle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Call to WinHelp failed</source>
        <translation>Aufruf von WinHelp fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CWinHelp component failure</source>
        <translation>Fehler der Komponente CWinHelp</translation>
    </message>
</context>
<context>
    <name>cFileDialog</name>
    <message>
        <location filename="../dialogs/cFileDialog.cpp" line="+65"/>
        <location line="+56"/>
        <location line="+40"/>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>User selected cancel.</source>
        <translation>Der Benutzer hat „Abbrechen“ gewählt.</translation>
    </message>
</context>
<context>
    <name>marrowick::FileListModel</name>
    <message>
        <location filename="../mainwindow/FileListModel.cpp" line="+63"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Packed</source>
        <translation>Gepackt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ratio</source>
        <translation>Rate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encrypted</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <extracomment>What a screen reader says for the empty Encrypted cell of a file that is not encrypted</extracomment>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderBrowser</name>
    <message>
        <location filename="../mainwindow/FolderBrowser.cpp" line="+80"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s folders; the list shows the one chosen</source>
        <translation>Die Ordner des Archivs; die Liste zeigt den gewählten</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <extracomment>Go back to the folder shown before (a button with an arrow only)</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>Go forward again after Back (a button with an arrow only)</extracomment>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward (Alt+Right)</source>
        <translation>Vorwärts (Alt+Rechts)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <extracomment>Go to the folder that holds this one (a button with an arrow only)</extracomment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up (Backspace, Alt+Up)</source>
        <translation>Nach oben (Rücktaste, Alt+Hoch)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The folder shown; type a path and press Enter</source>
        <translation>Der gezeigte Ordner; geben Sie einen Pfad ein und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Location</source>
        <extracomment>The name of the field that shows the path of the folder shown</extracomment>
        <translation>Pfad</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filter (Ctrl+F)</source>
        <translation>Filter (Strg+F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Names containing this text; * and ? as wildcards</source>
        <translation>Namen, die diesen Text enthalten; * und ? als Platzhalter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter</source>
        <extracomment>The name of the field that narrows the list to the names typed</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All folders</source>
        <extracomment>Check box: the filter looks in every folder below the one shown</extracomment>
        <translation>Alle Ordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Matches</source>
        <extracomment>The label that shows how many names the filter kept</extracomment>
        <translation>Treffer</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No folder named %1</source>
        <translation>Kein Ordner namens %1</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>%1 of %2</source>
        <extracomment>The filter&apos;s count: %1 names kept of the %2 looked at</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderTreeModel</name>
    <message>
        <location filename="../mainwindow/FolderTreeModel.cpp" line="+13"/>
        <source>All entries  %1</source>
        <extracomment>The folder pane&apos;s top node, the whole archive; %1 is the archive&apos;s name</extracomment>
        <translation>Alle Einträge  %1</translation>
    </message>
</context>
<context>
    <name>marrowick::HelpViewer</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+14"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyword</source>
        <extracomment>The name of the field that narrows the index to a keyword</extracomment>
        <translation>Stichwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrows the index to the keywords that begin with the text</source>
        <translation>Beschränkt den Index auf die Stichwörter, die mit dem Text beginnen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>No keyword matches &quot;%1&quot;.</source>
        <translation>Kein Stichwort passt zu „%1“.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>marrowick::ImagePreview</name>
    <message>
        <location filename="../mainwindow/PreviewViews.cpp" line="+90"/>
        <source>Click to show the picture at its own size or to fit</source>
        <translation>Klicken, um das Bild in Originalgröße oder eingepasst zu zeigen</translation>
    </message>
</context>
<context>
    <name>marrowick::PreviewPane</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+45"/>
        <source>Preview</source>
        <extracomment>The name a screen reader gives the pane beside the list</extracomment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entry properties</source>
        <extracomment>The line above the preview: the entry&apos;s name, sizes and date</extracomment>
        <translation>Eigenschaften des Eintrags</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Open</source>
        <extracomment>Button: open the previewed entry as a file</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Wrap lines</source>
        <translation>Zeilen umbrechen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Decoding progress</source>
        <translation>Fortschritt des Dekodierens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Password...</source>
        <translation>Passwort eingeben...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Text preview</source>
        <translation>Textvorschau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter shows the picture at its own size or to fit</source>
        <translation>Die Eingabetaste zeigt das Bild in Originalgröße oder eingepasst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hex dump</source>
        <extracomment>The preview of data that is neither text nor a picture: offsets, bytes in hexadecimal, characters</extracomment>
        <translation>Hexadezimalansicht</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Select an entry to preview it</source>
        <translation>Wählen Sie einen Eintrag für die Vorschau aus</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Folder: %1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>Ordner: %1, %2, %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures over %1 packed are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Keine Vorschau für Bilder über %1 (gepackt)</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+106"/>
        <location line="+30"/>
        <source>Encrypted: a password is needed to preview it</source>
        <translation>Verschlüsselt: Für die Vorschau wird ein Passwort benötigt</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>Solid archive: the entries before this one are decoded first</source>
        <translation>Solid-Archiv: Die Einträge vor diesem werden zuerst dekodiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Not found in the archive</source>
        <translation>Nicht im Archiv gefunden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot preview: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Keine Vorschau möglich: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the entry is damaged</source>
        <translation>der Eintrag ist beschädigt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures over %1 are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Keine Vorschau für Bilder über %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 × %2 pixels</source>
        <extracomment>The picture&apos;s width and height</extracomment>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Showing the first %1</source>
        <extracomment>%1 is a size such as &quot;4 MB&quot;</extracomment>
        <translation>Die ersten %1 werden gezeigt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The password is wrong</source>
        <translation>Das Passwort ist falsch</translation>
    </message>
</context>
<context>
    <name>marrowick::PropertiesDialog</name>
    <message>
        <location filename="../dialogs/PropertiesDialog.cpp" line="+52"/>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Comment...</source>
        <translation>&amp;Kommentar...</translation>
    </message>
</context>
<context>
    <name>marrowick::RecentArchives</name>
    <message>
        <location filename="../mainwindow/RecentArchives.cpp" line="+38"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>marrowick::fComment</name>
    <message>
        <location filename="../dialogs/fComment.cpp" line="+25"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Comments</source>
        <extracomment>The title of the window that shows an archive&apos;s comment</extracomment>
        <translation>Archivkommentar</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>marrowick::fMain</name>
    <message>
        <location filename="../mainwindow/EntryActions.cpp" line="+47"/>
        <source>Select the entries to extract</source>
        <translation>Wählen Sie die zu entpackenden Einträge aus</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 was changed after it was opened. Save a copy?</source>
        <translation>%1 wurde nach dem Öffnen geändert. Eine Kopie speichern?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save a copy to %1</source>
        <translation>Die Kopie kann nicht unter %1 gespeichert werden</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not opened: %1 is a folder</source>
        <translation>Nicht geöffnet: %1 ist ein Ordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not opened: no temporary folder</source>
        <translation>Nicht geöffnet: kein temporärer Ordner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not opened: %1 was not extracted</source>
        <translation>Nicht geöffnet: %1 wurde nicht entpackt</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+41"/>
        <source>Not opened: %1</source>
        <translation>Nicht geöffnet: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+6"/>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No application opens %1</source>
        <translation>Keine Anwendung öffnet %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/ListBrowsing.cpp" line="+59"/>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Files</source>
        <extracomment>The name a screen reader gives the list of the archive&apos;s entries</extracomment>
        <translation>Dateien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s entries, one row each</source>
        <translation>Die Einträge des Archivs, je einer pro Zeile</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Columns</source>
        <extracomment>The name a screen reader gives the list&apos;s row of column titles</extracomment>
        <translation>Spalten</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Folders</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <location filename="../mainwindow/MainCommands.cpp" line="+43"/>
        <source>Ready </source>
        <extracomment>The activity after Close; it ends in a blank.</extracomment>
        <translation>Bereit </translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../mainwindow/fMain.cpp" line="+352"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Extract Archive to ...</source>
        <translation>Archiv entpacken nach ...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Name</source>
        <extracomment>View &gt; Sort By&apos;s items: the list&apos;s columns.</extracomment>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Packed</source>
        <translation>Ge&amp;packt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Ratio</source>
        <translation>&amp;Rate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;CRC32</source>
        <translation>&amp;CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Modified</source>
        <translation>Geän&amp;dert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Attributes</source>
        <translation>&amp;Attribute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M&amp;ethod</source>
        <translation>&amp;Methode</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encr&amp;ypted</source>
        <translation>&amp;Verschlüsselt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort By</source>
        <translation>&amp;Sortieren nach</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Columns</source>
        <extracomment>View &gt; Columns: which of the optional columns the list shows.</extracomment>
        <translation>Spa&amp;lten</translation>
    </message>
    <message>
        <location filename="../mainwindow/PreviewCommand.cpp" line="+26"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Passwort für die verschlüsselte Datei eingeben:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../mainwindow/PropertiesCommand.cpp" line="+28"/>
        <location line="+6"/>
        <source>&amp;Properties	Alt+Enter</source>
        <extracomment>A menu item; the key after the tab is shown beside it.</extracomment>
        <translation>&amp;Eigenschaften	Alt+Eingabe</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Properties of the archive (Alt+Enter)</source>
        <translation>Eigenschaften des Archivs (Alt+Eingabe)</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+28"/>
        <source>%1 - Properties</source>
        <extracomment>A properties window&apos;s title: %1 the archive&apos;s or entry&apos;s name.</extracomment>
        <translation>%1 – Eigenschaften</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/RunDisplay.cpp" line="+37"/>
        <source>Encryption</source>
        <extracomment>The status bar panel that shows whether entries are encrypted.</extracomment>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Activity</source>
        <extracomment>The status bar panel that says what the window is doing.</extracomment>
        <translation>Aktivität</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Totals</source>
        <extracomment>The status bar panel with the archive&apos;s or the run&apos;s totals.</extracomment>
        <translation>Summen</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../mainwindow/fMain.cpp" line="-2"/>
        <source>Encrypted</source>
        <extracomment>The encryption indicator of the status bar (hidden until needed).</extracomment>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Progress of the running operation</source>
        <translation>Fortschritt des laufenden Vorgangs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the running operation (Esc)</source>
        <translation>Den laufenden Vorgang abbrechen (Esc)</translation>
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
        <translation>Sandbox unvollständig</translation>
    </message>
    <message>
        <location filename="../mainwindow/fMain.cpp" line="-214"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Archive...</source>
        <translation>Archiv ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close Archive...</source>
        <translation>Archiv &amp;schließen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Actions</source>
        <translation>A&amp;ktionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Extract</source>
        <translation>&amp;Entpacken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Extract &amp;Links</source>
        <translation>&amp;Verknüpfungen entpacken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <extracomment>The Help menu&apos;s title.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> &amp;Help</source>
        <extracomment>The Help menu&apos;s item that opens the help file; it begins with a blank.</extracomment>
        <translation> &amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <extracomment>The row menu&apos;s item that opens the entry in its application.</extracomment>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extract &amp;Selected To...</source>
        <translation>&amp;Auswahl entpacken nach...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Extract &amp;Here</source>
        <translation>&amp;Hier entpacken</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>open RAR archive</source>
        <translation>RAR-Archiv öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extract to</source>
        <translation>Entpacken nach</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Extract Files</source>
        <translation>Dateien entpacken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test archived file</source>
        <translation>Archivierte Dateien testen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Entries</source>
        <extracomment>What a screen reader calls the list of the archive&apos;s entries.</extracomment>
        <translation>Einträge</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Padlock</source>
        <extracomment>The picture beside the status bar&apos;s encryption indicator.</extracomment>
        <translation>Vorhängeschloss</translation>
    </message>
</context>
<context>
    <name>marrowick::frmAbout</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+30"/>
        <source>About</source>
        <extracomment>The title of the About window</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click here to Visit Marrowick Website</source>
        <translation>Website von Marrowick besuchen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copyright © 2026 the Marrowick developers.</source>
        <translation>Copyright © 2026 die Marrowick-Entwickler.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UnRAR library © Alexander Roshal, RARLAB</source>
        <translation>UnRAR-Bibliothek © Alexander Roshal, RARLAB</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../mainwindow/modMain.cpp" line="-21"/>
        <source>Error no.%1
%2</source>
        <extracomment>An error raised by a part of the program: %1 its number, %2 what it says.</extracomment>
        <translation>Fehler Nr. %1
%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Select an Archive file...</source>
        <translation>Archivdatei auswählen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAR Archive Files (*.rar)|*.rar</source>
        <extracomment>The open dialog&apos;s filter: a description, &quot;|&quot;, then the pattern.</extracomment>
        <translation>RAR-Archivdateien (*.rar)|*.rar</translation>
    </message>
</context>
<context>
    <name>modRAR</name>
    <message>
        <location filename="../engine/modRAR.cpp" line="+247"/>
        <source>No errors found during test operation</source>
        <translation>Beim Testen wurden keine Fehler gefunden</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>ENCRYPTED</source>
        <extracomment>Status bar: the archive has encrypted entries or headers</extracomment>
        <translation>VERSCHLÜSSELT</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ready</source>
        <extracomment>Status bar, when nothing runs</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Processing</source>
        <extracomment>Status bar while the archive is listed</extracomment>
        <translation>Wird verarbeitet</translation>
    </message>
</context>
</TS>
