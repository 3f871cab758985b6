<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n folder(s)</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+66"/>
        <source>%1 byte(s)</source>
        <extracomment>%1 is the size in bytes, its digits grouped</extracomment>
        <translation>
            <numerusform>%1&#xa0;octet</numerusform>
            <numerusform>%1&#xa0;octets</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+97"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1:</source>
        <extracomment>A property&apos;s label before its value in the Properties dialog</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <extracomment>A property as a line of text: %1 its label, %2 its value</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Entries</source>
        <extracomment>How many entries, then how many of them are files and folders</extracomment>
        <translation>Entrées</translation>
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
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Taille compressée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Taux de compression</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Largest entry</source>
        <translation>Plus grande entrée</translation>
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
        <translation>Plus récente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Oldest</source>
        <extracomment>The earliest modification time of the entries</extracomment>
        <translation>Plus ancienne</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size on disk (all volumes)</source>
        <translation>Taille sur le disque (tous les volumes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size on disk</source>
        <translation>Taille sur le disque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solid</source>
        <extracomment>Whether the archive is solid (its entries packed as one stream)</extracomment>
        <translation>Solide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>The number of this volume in its set</extracomment>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number unknown</source>
        <translation>Numéro inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes found</source>
        <translation>Volumes trouvés</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (complete set)</source>
        <extracomment>%1 is how many volumes of the set were found</extracomment>
        <translation>%1 (ensemble complet)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (incomplete set)</source>
        <translation>%1 (ensemble incomplet)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First volume</source>
        <translation>Premier volume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not split into volumes</source>
        <translation>Non découpée en volumes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery record</source>
        <translation>Enregistrement de récupération</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked</source>
        <extracomment>Whether the archive is locked against changes</extracomment>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypted headers</source>
        <translation>En-têtes chiffrés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Encrypted entries</source>
        <translation>Entrées chiffrées</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Authenticity information</source>
        <translation>Informations d&apos;authenticité</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes (unreadable)</source>
        <translation>Oui (illisible)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>CliCat</name>
    <message>
        <location filename="../cli/CatCommand.cpp" line="+88"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Saisissez le mot de passe du fichier chiffré&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds binary data: not written to a terminal (--force writes it)</source>
        <extracomment>%1 is the entry&apos;s name</extracomment>
        <translation>%1 contient des données binaires&#xa0;: elles ne sont pas écrites sur un terminal (--force les écrit)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the archive needs a password</source>
        <translation>l&apos;archive nécessite un mot de passe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No entry named %1</source>
        <translation>Aucune entrée nommée %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>CliExtractHere</name>
    <message>
        <location filename="../cli/main.cpp" line="+76"/>
        <source>%1: cannot open it</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1&#xa0;: impossible de l&apos;ouvrir</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: extracted to %2</source>
        <extracomment>%1 is the archive, %2 the file or folder its entries went to</extracomment>
        <translation>%1&#xa0;: extrait dans %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: not extracted</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1&#xa0;: non extrait</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nothing extracted</source>
        <translation>%1&#xa0;: rien n&apos;a été extrait</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: not every entry extracted; the rest is in %2</source>
        <translation>%1&#xa0;: certaines entrées n&apos;ont pas été extraites&#xa0;; le reste est dans %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Extract Here done</source>
        <extracomment>The title of the desktop notification at the end of extract --here</extracomment>
        <translation>Extraction ici terminée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extract Here: %1 of %2 not extracted</source>
        <translation>Extraire ici&#xa0;: %1 archive(s) sur %2 non extraite(s)</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="+268"/>
        <source>Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]
</source>
        <extracomment>The first line of --help. Keep the program&apos;s and the commands&apos; names and the option names as they are; the words in capitals may be translated.</extracomment>
        <translation>Utilisation&#xa0;: marrowick-cli COMMANDE [OPTIONS] ARCHIVE [DEST [NOM...]]
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:
</source>
        <translation>Commandes&#xa0;:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32
                         (tab-separated; a link&apos;s name is followed by
                         &quot; -&gt; TARGET&quot;), then the totals line
</source>
        <translation>  list, l ARCHIVE        une ligne par entrée&#xa0;: nom, taille, taille compressée,
                         taux, CRC32 (séparés par des tabulations&#xa0;; le nom d&apos;un
                         lien est suivi de &quot;&#xa0;-&gt;&#xa0;CIBLE&quot;), puis la ligne des
                         totaux
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  test, t ARCHIVE        test every entry; one line per entry
</source>
        <translation>  test, t ARCHIVE        tester chaque entrée&#xa0;; une ligne par entrée
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  info, i ARCHIVE        the archive&apos;s properties, one &quot;label: value&quot; per
                         line: format, solid, volumes, recovery record, lock,
                         encryption, comment, and the totals of its entries
</source>
        <translation>  info, i ARCHIVE        les propriétés de l&apos;archive, une ligne
                         &quot;libellé:&#xa0;valeur&quot; chacune&#xa0;: format, solide, volumes,
                         enregistrement de récupération, verrouillage,
                         chiffrement, commentaire et les totaux de ses entrées
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  cat ARCHIVE NAME       write the entry&apos;s data to standard output as it is
                         read, nothing written to disk; binary data (a NUL
                         byte or invalid UTF-8 at its start) is not written to
                         a terminal without --force
</source>
        <translation>  cat ARCHIVE NOM        écrire les données de l&apos;entrée sur la sortie standard
                         au fil de la lecture, sans rien écrire sur le disque&#xa0;;
                         les données binaires (un octet NUL ou de l&apos;UTF-8 non
                         valable à leur début) ne sont pas écrites sur un
                         terminal sans --force
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x ARCHIVE [DEST [NAME...]]
                         extract every entry, or only the named ones (a
                         folder&apos;s name takes what lies below it), into DEST
                         (default: the current folder, made when missing)
</source>
        <translation>  extract, x ARCHIVE [DEST [NOM...]]
                         extraire toutes les entrées, ou seulement celles
                         nommées (le nom d&apos;un dossier prend tout ce qu&apos;il
                         contient), dans DEST (par défaut&#xa0;: le dossier courant,
                         créé s&apos;il n&apos;existe pas)
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
        <translation>  extract, x --here ARCHIVE...
                         extraire chaque archive à côté d&apos;elle-même&#xa0;: dans un
                         nouveau dossier portant son nom ou, si elle contient
                         un seul fichier ou un seul dossier, directement
                         celui-ci&#xa0;; jamais dans quelque chose qui existe déjà
                         (&quot;nom&#xa0;(2)&quot;, ...)&#xa0;; affiche où chacune a été extraite
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options:
</source>
        <translation>Options&#xa0;:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --subfolder            extract --here, always into a new folder
</source>
        <translation>  --subfolder            extract --here, toujours dans un nouveau dossier
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --notify               extract --here: sum up in a desktop notification too
                         (for file-manager actions, which have no terminal)
</source>
        <translation>  --notify               extract --here&#xa0;: résumer aussi dans une notification
                         du bureau (pour les actions des gestionnaires de
                         fichiers, qui n&apos;ont pas de terminal)
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
        <translation>  --json                 list&#xa0;: un objet JSON par entrée (name, size, packed,
                         crc32 ou blake2sp, encrypted, folder, mtime, ctime et
                         atime s&apos;ils sont stockés, attributes, host_os, method,
                         dictionary, target et link_target pour les liens)
                         info&#xa0;: un objet JSON (format, solid, volume, volumes,
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
        <translation>  --tree                 list&#xa0;: l&apos;arborescence des dossiers au lieu des
                         entrées, chaque dossier avec les fichiers, dossiers et
                         octets qu&apos;il contient
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --force                cat: write binary data to a terminal too
</source>
        <translation>  --force                cat&#xa0;: écrire les données binaires même sur un terminal
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --no-links             extract: refuse symbolic and hard links (by default
                         those that stay inside DEST are made)
</source>
        <translation>  --no-links             extract&#xa0;: refuser les liens symboliques et physiques
                         (par défaut, ceux qui restent dans DEST sont créés)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  --overwrite MODE       extract: ask, always or never replace existing files
                         (default: ask on a terminal, never otherwise)
</source>
        <translation>  --overwrite MODE       extract&#xa0;: remplacer les fichiers existants en
                         demandant (ask), toujours (always) ou jamais (never)
                         (par défaut&#xa0;: ask sur un terminal, never sinon)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -p PASSWORD            password for encrypted entries or headers
</source>
        <translation>  -p MOT_DE_PASSE        mot de passe des entrées ou des en-têtes chiffrés
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --password-file FILE   read the password from the first line of FILE
</source>
        <translation>  --password-file FICHIER
                         lire le mot de passe dans la première ligne de FICHIER
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  --lang LANG            the language of the texts for people, such as de or
                         zh_CN (default: the system&apos;s); what scripts read
                         (list&apos;s lines, --json) stays the same
</source>
        <translation>  --lang LANGUE          la langue des textes destinés aux personnes, comme de
                         ou zh_CN (par défaut&#xa0;: celle du système)&#xa0;; ce que
                         lisent les scripts (lignes de list, --json) ne change
                         pas
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  -h, --help             show this help
</source>
        <translation>  -h, --help             afficher cette aide
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version          show the version
</source>
        <translation>  -V, --version          afficher la version
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit status: 0 all done, 1 the archive or an entry failed, was refused or
skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.
</source>
        <translation>Code de retour&#xa0;: 0 tout est fait, 1 l&apos;archive ou une entrée a échoué, a été
refusée ou ignorée, 2 mauvaise utilisation, 3 la bibliothèque UnRAR ne peut pas
être chargée, 130 annulé.
</translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <location filename="../cli/InfoCommand.cpp" line="+141"/>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../cli/main.cpp" line="-87"/>
        <source>Try &apos;marrowick-cli --help&apos;.</source>
        <translation>Essayez «&#xa0;marrowick-cli --help&#xa0;».</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+114"/>
        <source>Cannot open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+146"/>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>--overwrite ask needs a terminal on standard input</source>
        <translation>--overwrite ask nécessite un terminal sur l&apos;entrée standard</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="-217"/>
        <source>--overwrite needs ask, always or never</source>
        <translation>--overwrite attend ask, always ou never</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--overwrite needs ask, always or never, not &apos;%1&apos;</source>
        <translation>--overwrite attend ask, always ou never, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a password</source>
        <extracomment>%1 is the option given: -p or --password</extracomment>
        <translation>%1 attend un mot de passe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--password-file needs a file name</source>
        <translation>--password-file attend un nom de fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--lang needs a language, such as de or zh_CN</source>
        <translation>--lang attend une langue, comme de ou zh_CN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--notify is for extract --here only</source>
        <translation>--notify ne sert qu&apos;avec extract --here</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json is for list and info only</source>
        <translation>--json ne sert qu&apos;avec list et info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--tree is for list only</source>
        <translation>--tree ne sert qu&apos;avec list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give --json or --tree, not both</source>
        <translation>donnez --json ou --tree, pas les deux</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--no-links is for extract only</source>
        <translation>--no-links ne sert qu&apos;avec extract</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--force is for cat only</source>
        <translation>--force ne sert qu&apos;avec cat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--overwrite is for extract only</source>
        <translation>--overwrite ne sert qu&apos;avec extract</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give -p or --password-file, not both</source>
        <translation>donnez -p ou --password-file, pas les deux</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no command given</source>
        <translation>aucune commande donnée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no archive given</source>
        <translation>aucune archive donnée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--here is for extract only</source>
        <translation>--here ne sert qu&apos;avec extract</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an archive name is empty</source>
        <translation>un nom d&apos;archive est vide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no entry name given</source>
        <translation>aucun nom d&apos;entrée donné</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>an entry name is empty</source>
        <translation>un nom d&apos;entrée est vide</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot read the password file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be read</extracomment>
        <translation>impossible de lire le fichier de mot de passe %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the password file %1 is empty</source>
        <translation>le fichier de mot de passe %1 est vide</translation>
    </message>
</context>
<context>
    <name>CliTerminal</name>
    <message>
        <location filename="../cli/Terminal.cpp" line="+80"/>
        <source>interrupted</source>
        <extracomment>Printed when a second Ctrl+C ends the program at once</extracomment>
        <translation>interrompu</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../mainwindow/CommandLine.cpp" line="+36"/>
        <location filename="../mainwindow/modMain.cpp" line="+34"/>
        <source>Missing argument(s)!</source>
        <translation>Argument(s) manquant(s)&#xa0;!</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/modMain.cpp" line="+4"/>
        <source>Invalid Argument(s)!</source>
        <translation>Argument(s) non valable(s)&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ComponentError</name>
    <message>
        <location filename="../engine/ComponentError.cpp" line="+42"/>
        <source>unknown reason</source>
        <translation>raison inconnue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL: %1 (%2)</source>
        <extracomment>%1 is the library&apos;s file name, %2 why it could not be loaded</extracomment>
        <translation>Erreur lors du chargement de la bibliothèque&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Specified DLL function not found: %1 in %2</source>
        <extracomment>%1 is the missing function, %2 the library&apos;s file name</extracomment>
        <translation>Fonction de bibliothèque introuvable&#xa0;: %1 dans %2</translation>
    </message>
</context>
<context>
    <name>ConsolePrompts</name>
    <message>
        <location filename="../cli/ConsolePrompts.cpp" line="+47"/>
        <source>%1 No: no terminal to ask on</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 Non&#xa0;: aucun terminal pour poser la question</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 No: no terminal to ask on (see --overwrite)</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 Non&#xa0;: aucun terminal pour poser la question (voir --overwrite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 [Y/n] </source>
        <extracomment>The question on the terminal; %1 is the question, Y and n the answers, Y the default</extracomment>
        <translation>%1 [O/n] </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>y</source>
        <extracomment>The short answer yes on the terminal (y is understood too)</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>The answer yes on the terminal (yes is understood too)</extracomment>
        <translation>oui</translation>
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
        <translation>non</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the archive needs a password</source>
        <translation>l&apos;archive nécessite un mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the archive needs a password and there is no terminal to ask on; give it with -p or --password-file</source>
        <translation>l&apos;archive nécessite un mot de passe et aucun terminal ne permet de le demander&#xa0;; donnez-le avec -p ou --password-file</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <location filename="../cli/ConsoleView.cpp" line="+80"/>
        <source>failed (error code %1)</source>
        <extracomment>The result of an entry that failed without a message; %1 is the library&apos;s number</extracomment>
        <translation>échec (code d&apos;erreur %1)</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <location filename="../engine/EntryChecks.cpp" line="+27"/>
        <source>Empty name</source>
        <translation>Nom vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute path</source>
        <translation>Chemin absolu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Control character in name</source>
        <translation>Caractère de contrôle dans le nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name too long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name points outside the destination (&quot;..&quot;)</source>
        <translation>Le nom pointe hors de la destination («&#xa0;..&#xa0;»)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty or &quot;.&quot; part in name</source>
        <translation>Élément vide ou «&#xa0;.&#xa0;» dans le nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name part too long</source>
        <translation>Élément du nom trop long</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Junction</source>
        <translation>Jonction</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown kind of link</source>
        <translation>Type de lien inconnu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Device</source>
        <translation>Périphérique</translation>
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
        <translation>Lien symbolique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard link</source>
        <translation>Lien physique</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Empty link target</source>
        <translation>Cible de lien vide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Control character in link target</source>
        <translation>Caractère de contrôle dans la cible du lien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link target too long</source>
        <translation>Cible du lien trop longue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Link target is a Windows drive or network path</source>
        <translation>La cible du lien est un lecteur Windows ou un chemin réseau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Absolute link target</source>
        <translation>Cible de lien absolue</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Link target part too long</source>
        <translation>Élément de la cible du lien trop long</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link target with &quot;..&quot; after a folder name</source>
        <translation>Cible de lien avec «&#xa0;..&#xa0;» après un nom de dossier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target points outside the destination</source>
        <translation>La cible du lien pointe hors de la destination</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These entries were not extracted:</source>
        <translation>Ces entrées n&apos;ont pas été extraites&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more</source>
        <extracomment>After the list of refused entries: how many more were refused</extracomment>
        <translation>... et %1 de plus</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <location filename="../engine/EntryDetails.cpp" line="+16"/>
        <source>stored</source>
        <extracomment>Compression method</extracomment>
        <translation>stockage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fastest</source>
        <extracomment>Compression method</extracomment>
        <translation>la plus rapide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fast</source>
        <extracomment>Compression method</extracomment>
        <translation>rapide</translation>
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
        <translation>bonne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>best</source>
        <extracomment>Compression method</extracomment>
        <translation>meilleure</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 dictionary</source>
        <extracomment>The dictionary&apos;s size after the method: &quot;RAR 5, best, 32 MB dictionary&quot;</extracomment>
        <translation>dictionnaire de %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1&#xa0;Go</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>The Encrypted column of an encrypted entry</extracomment>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>EntryProperties</name>
    <message>
        <location filename="../engine/EntryProperties.cpp" line="+38"/>
        <source>Continued from an earlier volume and on the next one</source>
        <translation>Suite d&apos;un volume précédent, continue sur le suivant</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continued from an earlier volume</source>
        <translation>Suite d&apos;un volume précédent</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continued on the next volume</source>
        <translation>Continue sur le volume suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>The entry is not split over volumes</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>System %1</source>
        <extracomment>The operating system an entry was packed on, by its number</extracomment>
        <translation>Système %1</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <extracomment>The folder the entry is in</extracomment>
        <translation>Dossier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(top level)</source>
        <translation>(racine)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <comment>kind of entry</comment>
        <extracomment>What the entry is: a folder, a link or a file</extracomment>
        <translation>Dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Taille compressée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Taux de compression</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modified</source>
        <translation>Modification</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created</source>
        <translation>Création</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Accessed</source>
        <translation>Dernier accès</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Host system</source>
        <translation>Système hôte</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Method</source>
        <extracomment>The compression method</extracomment>
        <translation>Méthode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dictionary</source>
        <extracomment>The compression dictionary&apos;s size</extracomment>
        <translation>Dictionnaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version needed</source>
        <translation>Version requise</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Checksum</source>
        <translation>Somme de contrôle</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encrypted</source>
        <translation>Chiffrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Split over volumes</source>
        <translation>Répartie sur plusieurs volumes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target</source>
        <translation>Cible du lien</translation>
    </message>
</context>
<context>
    <name>ExtractHere</name>
    <message>
        <location filename="../engine/ExtractHere.cpp" line="+248"/>
        <source>Cannot make the folder %1: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/ExtractHereCommand.cpp" line="+38"/>
        <source>Extracted to %1</source>
        <translation>Extrait dans %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry was extracted; the rest is in %1</source>
        <translation>Certaines entrées n&apos;ont pas été extraites&#xa0;; le reste est dans %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>ExtractRun</name>
    <message>
        <location filename="../engine/ExtractRun.cpp" line="+79"/>
        <source>File exists; kept</source>
        <translation>Le fichier existe&#xa0;; conservé</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>File(s) Exist, Replace ?</source>
        <translation>Fichier(s) existant(s), remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+213"/>
        <source>No entry named %1</source>
        <translation>Aucune entrée nommée %1</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <location filename="../engine/Formats.cpp" line="+156"/>
        <source>Total %1 Files </source>
        <extracomment>Status bar: how many entries are listed so far. %1 is the count with a blank in front where a minus sign could be.</extracomment>
        <translation>Total %1 fichiers </translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <location filename="../engine/FreeSpace.cpp" line="+55"/>
        <source>Not enough disk space in %1: the archive unpacks to %2 bytes, only %3 bytes are free. Nothing was extracted.</source>
        <extracomment>%1 is the destination folder; %2 and %3 are numbers of bytes</extracomment>
        <translation>Espace disque insuffisant dans %1&#xa0;: l&apos;archive se décompresse en %2&#xa0;octets, seuls %3&#xa0;octets sont libres. Rien n&apos;a été extrait.</translation>
    </message>
</context>
<context>
    <name>HelpOnHelp</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+39"/>
        <source>Using Help</source>
        <translation>Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Contents&lt;/b&gt; shows the list of topics. Click a topic to read it; links inside a topic lead to related topics.</source>
        <translation>&lt;b&gt;Sommaire&lt;/b&gt; affiche la liste des rubriques. Cliquez sur une rubrique pour la lire&#xa0;; les liens d&apos;une rubrique mènent aux rubriques associées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Index&lt;/b&gt; lists the keywords of every topic. Type in the search field to narrow the list to the keywords that begin with what you typed, then click a keyword to open its topic.</source>
        <translation>&lt;b&gt;Index&lt;/b&gt; liste les mots-clés de toutes les rubriques. Saisissez du texte dans le champ de recherche pour restreindre la liste aux mots-clés qui commencent par ce texte, puis cliquez sur un mot-clé pour ouvrir sa rubrique.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the Help window with its close button when you are done.</source>
        <translation>Une fois terminé, fermez la fenêtre d&apos;aide avec son bouton de fermeture.</translation>
    </message>
</context>
<context>
    <name>LaunchHelp</name>
    <message>
        <location filename="../help/LaunchHelp.cpp" line="+55"/>
        <source>%1 Documentation is not available.</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>La documentation de %1 n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../engine/Messages.cpp" line="+15"/>
        <location line="+37"/>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1: archive header broken</source>
        <translation>%1&#xa0;: en-tête d&apos;archive endommagé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not RAR archive</source>
        <translation>%1 n&apos;est pas une archive RAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the archive is encrypted and no password was given</source>
        <translation>%1&#xa0;: l&apos;archive est chiffrée et aucun mot de passe n&apos;a été donné</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: wrong password</source>
        <translation>%1&#xa0;: mot de passe incorrect</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: unknown archive format</source>
        <translation>%1&#xa0;: format d&apos;archive inconnu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: read error</source>
        <translation>%1&#xa0;: erreur de lecture</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot open %1 (error code %2)</source>
        <extracomment>%1 is the archive, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>Impossible d&apos;ouvrir %1 (code d&apos;erreur %2)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CRC failed in %1</source>
        <translation>Erreur de CRC dans %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRC failed in encrypted file (wrong password?)</source>
        <translation>Erreur de CRC dans le fichier chiffré (mot de passe incorrect&#xa0;?)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad volume</source>
        <translation>Volume non valable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown archive format</source>
        <translation>Format d&apos;archive inconnu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume open error</source>
        <translation>Erreur d&apos;ouverture du volume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File create error</source>
        <translation>Erreur de création du fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File close error</source>
        <translation>Erreur de fermeture du fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is encrypted and no password was given</source>
        <translation>Le fichier est chiffré et aucun mot de passe n&apos;a été donné</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File header broken</source>
        <translation>En-tête de fichier endommagé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The archive&apos;s headers are encrypted and no password was given</source>
        <translation>Les en-têtes de l&apos;archive sont chiffrés et aucun mot de passe n&apos;a été donné</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password: the archive&apos;s headers cannot be read</source>
        <translation>Mot de passe incorrect&#xa0;: les en-têtes de l&apos;archive ne peuvent pas être lus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unexpected end of archive</source>
        <translation>Fin d&apos;archive inattendue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the archive&apos;s file headers failed (error code %1)</source>
        <translation>La lecture des en-têtes de fichier de l&apos;archive a échoué (code d&apos;erreur %1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Test failed (error code %1)</source>
        <translation>Échec du test (code d&apos;erreur %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extraction failed (error code %1)</source>
        <translation>Échec de l&apos;extraction (code d&apos;erreur %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing stopped at %1 (error code %2)</source>
        <extracomment>%1 is the entry&apos;s name, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>Listage interrompu à %1 (code d&apos;erreur %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Begins in an earlier volume</source>
        <translation>Commence dans un volume précédent</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Volume %1 of a set: showing the whole set from %2</source>
        <extracomment>%1 is the volume&apos;s number, %2 the file name of the set&apos;s first volume</extracomment>
        <translation>Volume %1 d&apos;un ensemble&#xa0;: affichage de tout l&apos;ensemble à partir de %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: archive comment broken</source>
        <translation>%1&#xa0;: commentaire de l&apos;archive endommagé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No files to test</source>
        <translation>Aucun fichier à tester</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 in %2</source>
        <extracomment>%1 is an entry&apos;s name, %2 the archive&apos;s</extracomment>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was extracted.</source>
        <translation>La bibliothèque UnRAR a échoué en lisant %1 (%2). Rien de plus n&apos;a été extrait.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was tested.</source>
        <translation>La bibliothèque UnRAR a échoué en lisant %1 (%2). Rien de plus n&apos;a été testé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was listed.</source>
        <translation>La bibliothèque UnRAR a échoué en lisant %1 (%2). Rien de plus n&apos;a été listé.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The next volume of the archive is missing: %1</source>
        <translation>Le volume suivant de l&apos;archive est manquant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ModBrowse</name>
    <message>
        <location filename="../dialogs/ModBrowse.cpp" line="+60"/>
        <source>Selected folder</source>
        <extracomment>The line under the folder chooser that shows the folder selected</extracomment>
        <translation>Dossier sélectionné</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <location filename="../mainwindow/OpenedFiles.cpp" line="+21"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save a Copy</source>
        <translation>Enregistrer une copie</translation>
    </message>
</context>
<context>
    <name>PreviewContent</name>
    <message>
        <location filename="../mainwindow/PreviewContent.cpp" line="+130"/>
        <source>The picture is %1 × %2 pixels: too large to preview</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height</extracomment>
        <translation>L&apos;image fait %1&#xa0;×&#xa0;%2&#xa0;pixels&#xa0;: trop grande pour l&apos;aperçu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not a picture Marrowick can show: %1</source>
        <extracomment>%1 is the image reader&apos;s own reason</extracomment>
        <translation>Ce n&apos;est pas une image que Marrowick peut afficher&#xa0;: %1</translation>
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
        <translation>Taille&#xa0;: %1   Taille compressée&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modified: %1</source>
        <extracomment>%1 is the entry&apos;s date and time</extracomment>
        <translation>Modification&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encrypted</source>
        <extracomment>The entry needs a password</extracomment>
        <translation>Chiffrée</translation>
    </message>
</context>
<context>
    <name>PreviewSizes</name>
    <message>
        <location line="-24"/>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <location filename="../dialogs/QtPrompts.cpp" line="+28"/>
        <location line="+35"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Details</source>
        <extracomment>The box of the error&apos;s further lines</extracomment>
        <translation>Détails</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>&amp;Show password</source>
        <translation>A&amp;fficher le mot de passe</translation>
    </message>
</context>
<context>
    <name>ReaderSession</name>
    <message>
        <location filename="../engine/ReaderProcess.cpp" line="+110"/>
        <source>Cannot start %1: %2</source>
        <extracomment>%1 is the reader program, %2 the system&apos;s reason</extracomment>
        <translation>Impossible de démarrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+144"/>
        <source>malformed reply</source>
        <extracomment>Why the archive reader was stopped: what it sent made no sense</extracomment>
        <translation>réponse mal formée</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>The UnRAR library could not be started (%1)</source>
        <extracomment>%1 says what went wrong with the archive reader</extracomment>
        <translation>La bibliothèque UnRAR n&apos;a pas pu être démarrée (%1)</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>no answer</source>
        <extracomment>Why the archive reader was stopped: it did not answer in time</extracomment>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>signal %1</source>
        <extracomment>How the archive reader ended: %1 is the signal&apos;s number</extracomment>
        <translation>signal %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exit status %1</source>
        <extracomment>How the archive reader ended: %1 is its exit status</extracomment>
        <translation>code de sortie %1</translation>
    </message>
</context>
<context>
    <name>RunCallback</name>
    <message>
        <location filename="../engine/RunCallback.cpp" line="+68"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Saisissez le mot de passe du fichier chiffré&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter password</source>
        <extracomment>The password dialog&apos;s title</extracomment>
        <translation>Saisir le mot de passe</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <location filename="../mainwindow/RunNotifier.cpp" line="+72"/>
        <source>Test of %1 finished</source>
        <extracomment>A desktop notification&apos;s summary: %1 the archive&apos;s name.</extracomment>
        <translation>Test de %1 terminé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extraction of %1 finished</source>
        <translation>Extraction de %1 terminée</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <location filename="../engine/RunStatus.h" line="+16"/>
        <source>Success</source>
        <extracomment>Status bar, when an extraction has put every entry in place</extracomment>
        <translation>Réussite</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Extracting </source>
        <extracomment>Status bar while an extraction runs (the trailing blank is part of the panel)</extracomment>
        <translation>Extraction </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Testing </source>
        <extracomment>Status bar while a test runs (the trailing blank is part of the panel)</extracomment>
        <translation>Test </translation>
    </message>
</context>
<context>
    <name>SafeWriter</name>
    <message>
        <location filename="../engine/SafeWriter.cpp" line="+65"/>
        <source>A folder on its path is a symbolic link</source>
        <translation>Un dossier de son chemin est un lien symbolique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder on its path is a file</source>
        <translation>Un dossier de son chemin est un fichier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open a folder on its path: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ouvrir un dossier de son chemin&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The destination folder cannot be opened</source>
        <translation>Le dossier de destination ne peut pas être ouvert</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Copy of a file not extracted in this run</source>
        <translation>Copie d&apos;un fichier non extrait lors de cette opération</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>More data than its stated size</source>
        <translation>Plus de données que sa taille annoncée</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+125"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="+86"/>
        <location line="+49"/>
        <location line="+29"/>
        <source>Cannot write: %1</source>
        <translation>Écriture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Not enough disk space (its size is not stated)</source>
        <translation>Espace disque insuffisant (sa taille n&apos;est pas indiquée)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot read: %1</source>
        <translation>Lecture impossible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <location filename="../engine/SafeWriterLinks.cpp" line="+120"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="-32"/>
        <location line="+25"/>
        <source>A folder of that name exists</source>
        <translation>Un dossier de ce nom existe</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterLinks.cpp" line="-82"/>
        <source>Hard link to a file not extracted in this run</source>
        <translation>Lien physique vers un fichier non extrait lors de cette opération</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Link target cannot be read</source>
        <translation>La cible du lien ne peut pas être lue</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot make the hard link: %1</source>
        <translation>Impossible de créer le lien physique&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot make the link: %1</source>
        <translation>Impossible de créer le lien&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterTemp.cpp" line="-90"/>
        <source>Cannot create a file: %1</source>
        <translation>Impossible de créer un fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SandboxNotice</name>
    <message>
        <location filename="../engine/SandboxNotice.cpp" line="+34"/>
        <source>its system-call filter</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>son filtre d&apos;appels système</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seccomp is not available here; the archive reader runs without its system-call filter</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>seccomp n&apos;est pas disponible ici&#xa0;; le lecteur d&apos;archives fonctionne sans son filtre d&apos;appels système</translation>
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
        <translation>ce noyau n&apos;a pas Landlock&#xa0;; rien n&apos;empêche le lecteur d&apos;archives de lire hors du dossier de l&apos;archive</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>namespaces of its own</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>ses propres espaces de noms</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this kernel does not let the archive reader have user namespaces; it shares the program&apos;s PID, IPC and network namespaces</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>ce noyau ne permet pas au lecteur d&apos;archives d&apos;avoir des espaces de noms utilisateur&#xa0;; il partage les espaces de noms PID, IPC et réseau du programme</translation>
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
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive reader runs without %1 (see About)</source>
        <extracomment>Status bar; %1 names what is missing. About is the About window.</extracomment>
        <translation>Le lecteur d&apos;archives fonctionne sans %1 (voir À propos)</translation>
    </message>
</context>
<context>
    <name>WinHelpErrors</name>
    <message>
        <location filename="../help/CWinHelp.cpp" line="+73"/>
        <source>Object not properly initialized</source>
        <translation>Objet mal initialisé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid file name</source>
        <translation>Nom de fichier non valable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid window handle</source>
        <translation>Descripteur de fenêtre non valable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Call to WinHelp failed</source>
        <translation>L&apos;appel à WinHelp a échoué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CWinHelp component failure</source>
        <translation>Défaillance du composant CWinHelp</translation>
    </message>
</context>
<context>
    <name>cFileDialog</name>
    <message>
        <location filename="../dialogs/cFileDialog.cpp" line="+65"/>
        <location line="+56"/>
        <location line="+40"/>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valable</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>User selected cancel.</source>
        <translation>L&apos;utilisateur a choisi d&apos;annuler.</translation>
    </message>
</context>
<context>
    <name>marrowick::FileListModel</name>
    <message>
        <location filename="../mainwindow/FileListModel.cpp" line="+63"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Packed</source>
        <translation>Compr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ratio</source>
        <translation>Taux</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified</source>
        <translation>Modification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encrypted</source>
        <translation>Chiffrée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <extracomment>What a screen reader says for the empty Encrypted cell of a file that is not encrypted</extracomment>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderBrowser</name>
    <message>
        <location filename="../mainwindow/FolderBrowser.cpp" line="+80"/>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s folders; the list shows the one chosen</source>
        <translation>Les dossiers de l&apos;archive&#xa0;; la liste affiche celui qui est choisi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <extracomment>Go back to the folder shown before (a button with an arrow only)</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back (Alt+Left)</source>
        <translation>Précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>Go forward again after Back (a button with an arrow only)</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward (Alt+Right)</source>
        <translation>Suivant (Alt+Droite)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <extracomment>Go to the folder that holds this one (a button with an arrow only)</extracomment>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up (Backspace, Alt+Up)</source>
        <translation>Dossier parent (Retour arrière, Alt+Haut)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The folder shown; type a path and press Enter</source>
        <translation>Le dossier affiché&#xa0;; saisissez un chemin et appuyez sur Entrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Location</source>
        <extracomment>The name of the field that shows the path of the folder shown</extracomment>
        <translation>Emplacement</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filter (Ctrl+F)</source>
        <translation>Filtrer (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Names containing this text; * and ? as wildcards</source>
        <translation>Noms contenant ce texte&#xa0;; * et ? comme jokers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter</source>
        <extracomment>The name of the field that narrows the list to the names typed</extracomment>
        <translation>Filtre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All folders</source>
        <extracomment>Check box: the filter looks in every folder below the one shown</extracomment>
        <translation>Tous les dossiers</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Matches</source>
        <extracomment>The label that shows how many names the filter kept</extracomment>
        <translation>Correspondances</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No folder named %1</source>
        <translation>Aucun dossier nommé %1</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>%1 of %2</source>
        <extracomment>The filter&apos;s count: %1 names kept of the %2 looked at</extracomment>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderTreeModel</name>
    <message>
        <location filename="../mainwindow/FolderTreeModel.cpp" line="+13"/>
        <source>All entries  %1</source>
        <extracomment>The folder pane&apos;s top node, the whole archive; %1 is the archive&apos;s name</extracomment>
        <translation>Toutes les entrées  %1</translation>
    </message>
</context>
<context>
    <name>marrowick::HelpViewer</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+14"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
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
        <translation>Saisissez un mot-clé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyword</source>
        <extracomment>The name of the field that narrows the index to a keyword</extracomment>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrows the index to the keywords that begin with the text</source>
        <translation>Restreint l&apos;index aux mots-clés qui commencent par le texte saisi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>No keyword matches &quot;%1&quot;.</source>
        <translation>Aucun mot-clé ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>marrowick::ImagePreview</name>
    <message>
        <location filename="../mainwindow/PreviewViews.cpp" line="+90"/>
        <source>Click to show the picture at its own size or to fit</source>
        <translation>Cliquez pour afficher l&apos;image à sa taille réelle ou ajustée</translation>
    </message>
</context>
<context>
    <name>marrowick::PreviewPane</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+45"/>
        <source>Preview</source>
        <extracomment>The name a screen reader gives the pane beside the list</extracomment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entry properties</source>
        <extracomment>The line above the preview: the entry&apos;s name, sizes and date</extracomment>
        <translation>Propriétés de l&apos;entrée</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Open</source>
        <extracomment>Button: open the previewed entry as a file</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Wrap lines</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Decoding progress</source>
        <translation>Progression du décodage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Password...</source>
        <translation>Saisir le mot de passe...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Text preview</source>
        <translation>Aperçu du texte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture preview</source>
        <translation>Aperçu de l&apos;image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter shows the picture at its own size or to fit</source>
        <translation>Entrée affiche l&apos;image à sa taille réelle ou ajustée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hex dump</source>
        <extracomment>The preview of data that is neither text nor a picture: offsets, bytes in hexadecimal, characters</extracomment>
        <translation>Vidage hexadécimal</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Select an entry to preview it</source>
        <translation>Sélectionnez une entrée pour en afficher un aperçu</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Folder: %1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>Dossier&#xa0;: %1, %2, %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures over %1 packed are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Pas d&apos;aperçu des images de plus de %1 compressées</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+106"/>
        <location line="+30"/>
        <source>Encrypted: a password is needed to preview it</source>
        <translation>Chiffrée&#xa0;: un mot de passe est nécessaire pour l&apos;aperçu</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>Solid archive: the entries before this one are decoded first</source>
        <translation>Archive solide&#xa0;: les entrées qui précèdent celle-ci sont d&apos;abord décodées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Not found in the archive</source>
        <translation>Introuvable dans l&apos;archive</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot preview: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Aperçu impossible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the entry is damaged</source>
        <translation>l&apos;entrée est endommagée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures over %1 are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Pas d&apos;aperçu des images de plus de %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 × %2 pixels</source>
        <extracomment>The picture&apos;s width and height</extracomment>
        <translation>%1&#xa0;×&#xa0;%2&#xa0;pixels</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Showing the first %1</source>
        <extracomment>%1 is a size such as &quot;4 MB&quot;</extracomment>
        <translation>Affichage limité aux premiers %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The password is wrong</source>
        <translation>Le mot de passe est incorrect</translation>
    </message>
</context>
<context>
    <name>marrowick::PropertiesDialog</name>
    <message>
        <location filename="../dialogs/PropertiesDialog.cpp" line="+52"/>
        <source>Copy &amp;All</source>
        <translation>Copier &amp;tout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Comment...</source>
        <translation>&amp;Commentaire...</translation>
    </message>
</context>
<context>
    <name>marrowick::RecentArchives</name>
    <message>
        <location filename="../mainwindow/RecentArchives.cpp" line="+38"/>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir une archive &amp;récente</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>&amp;Clear List</source>
        <translation>&amp;Effacer la liste</translation>
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
        <translation>Commentaires</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>marrowick::fMain</name>
    <message>
        <location filename="../mainwindow/EntryActions.cpp" line="+47"/>
        <source>Select the entries to extract</source>
        <translation>Sélectionnez les entrées à extraire</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 was changed after it was opened. Save a copy?</source>
        <translation>%1 a été modifié après son ouverture. Enregistrer une copie&#xa0;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save a copy to %1</source>
        <translation>Impossible d&apos;enregistrer une copie dans %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not opened: %1 is a folder</source>
        <translation>Non ouvert&#xa0;: %1 est un dossier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not opened: no temporary folder</source>
        <translation>Non ouvert&#xa0;: aucun dossier temporaire</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not opened: %1 was not extracted</source>
        <translation>Non ouvert&#xa0;: %1 n&apos;a pas été extrait</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+41"/>
        <source>Not opened: %1</source>
        <translation>Non ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+6"/>
        <source>Opened %1</source>
        <translation>Ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No application opens %1</source>
        <translation>Aucune application n&apos;ouvre %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/ListBrowsing.cpp" line="+59"/>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Files</source>
        <extracomment>The name a screen reader gives the list of the archive&apos;s entries</extracomment>
        <translation>Fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s entries, one row each</source>
        <translation>Les entrées de l&apos;archive, une par ligne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Columns</source>
        <extracomment>The name a screen reader gives the list&apos;s row of column titles</extracomment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Folders</source>
        <translation>&amp;Dossiers</translation>
    </message>
    <message>
        <location filename="../mainwindow/MainCommands.cpp" line="+43"/>
        <source>Ready </source>
        <extracomment>The activity after Close; it ends in a blank.</extracomment>
        <translation>Prêt </translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../mainwindow/fMain.cpp" line="+352"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Extract Archive to ...</source>
        <translation>Extraire l&apos;archive vers ...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Name</source>
        <extracomment>View &gt; Sort By&apos;s items: the list&apos;s columns.</extracomment>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Packed</source>
        <translation>Taille &amp;compressée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Ratio</source>
        <translation>Ta&amp;ux</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;CRC32</source>
        <translation>C&amp;RC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Modified</source>
        <translation>&amp;Modification</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Attributes</source>
        <translation>&amp;Attributs</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M&amp;ethod</source>
        <translation>Mét&amp;hode</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encr&amp;ypted</source>
        <translation>Ch&amp;iffrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort By</source>
        <translation>&amp;Trier par</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Columns</source>
        <extracomment>View &gt; Columns: which of the optional columns the list shows.</extracomment>
        <translation>&amp;Colonnes</translation>
    </message>
    <message>
        <location filename="../mainwindow/PreviewCommand.cpp" line="+26"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Saisissez le mot de passe du fichier chiffré&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../mainwindow/PropertiesCommand.cpp" line="+28"/>
        <location line="+6"/>
        <source>&amp;Properties	Alt+Enter</source>
        <extracomment>A menu item; the key after the tab is shown beside it.</extracomment>
        <translation>&amp;Propriétés	Alt+Entrée</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Properties of the archive (Alt+Enter)</source>
        <translation>Propriétés de l&apos;archive (Alt+Entrée)</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+28"/>
        <source>%1 - Properties</source>
        <extracomment>A properties window&apos;s title: %1 the archive&apos;s or entry&apos;s name.</extracomment>
        <translation>%1 - Propriétés</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/RunDisplay.cpp" line="+37"/>
        <source>Encryption</source>
        <extracomment>The status bar panel that shows whether entries are encrypted.</extracomment>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Activity</source>
        <extracomment>The status bar panel that says what the window is doing.</extracomment>
        <translation>Activité</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Totals</source>
        <extracomment>The status bar panel with the archive&apos;s or the run&apos;s totals.</extracomment>
        <translation>Totaux</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../mainwindow/fMain.cpp" line="-2"/>
        <source>Encrypted</source>
        <extracomment>The encryption indicator of the status bar (hidden until needed).</extracomment>
        <translation>Chiffrée</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Progress of the running operation</source>
        <translation>Progression de l&apos;opération en cours</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the running operation (Esc)</source>
        <translation>Arrêter l&apos;opération en cours (Échap)</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1: %2</source>
        <extracomment>An entry that was not written: %1 its name, %2 why.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Sandbox incomplete</source>
        <translation>Bac à sable incomplet</translation>
    </message>
    <message>
        <location filename="../mainwindow/fMain.cpp" line="-214"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Archive...</source>
        <translation>&amp;Ouvrir une archive...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close Archive...</source>
        <translation>&amp;Fermer l&apos;archive...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Actions</source>
        <translation>A&amp;ctions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Extract</source>
        <translation>&amp;Extraire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Extract &amp;Links</source>
        <translation>Extraire les &amp;liens</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <extracomment>The Help menu&apos;s title.</extracomment>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> &amp;Help</source>
        <extracomment>The Help menu&apos;s item that opens the help file; it begins with a blank.</extracomment>
        <translation> &amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <extracomment>The row menu&apos;s item that opens the entry in its application.</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extract &amp;Selected To...</source>
        <translation>Extraire la &amp;sélection vers...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Extract &amp;Here</source>
        <translation>Extraire &amp;ici</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>open RAR archive</source>
        <translation>ouvrir une archive RAR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extract to</source>
        <translation>Extraire vers</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Extract Files</source>
        <translation>Extraire les fichiers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test archived file</source>
        <translation>Tester le fichier archivé</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Entries</source>
        <extracomment>What a screen reader calls the list of the archive&apos;s entries.</extracomment>
        <translation>Entrées</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Padlock</source>
        <extracomment>The picture beside the status bar&apos;s encryption indicator.</extracomment>
        <translation>Cadenas</translation>
    </message>
</context>
<context>
    <name>marrowick::frmAbout</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+30"/>
        <source>About</source>
        <extracomment>The title of the About window</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click here to Visit Marrowick Website</source>
        <translation>Visiter le site web de Marrowick</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copyright © 2026 the Marrowick developers.</source>
        <translation>Copyright © 2026 les développeurs de Marrowick.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UnRAR library © Alexander Roshal, RARLAB</source>
        <translation>Bibliothèque UnRAR © Alexander Roshal, RARLAB</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../mainwindow/modMain.cpp" line="-21"/>
        <source>Error no.%1
%2</source>
        <extracomment>An error raised by a part of the program: %1 its number, %2 what it says.</extracomment>
        <translation>Erreur n°&#xa0;%1
%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Select an Archive file...</source>
        <translation>Sélectionner une archive...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAR Archive Files (*.rar)|*.rar</source>
        <extracomment>The open dialog&apos;s filter: a description, &quot;|&quot;, then the pattern.</extracomment>
        <translation>Archives RAR (*.rar)|*.rar</translation>
    </message>
</context>
<context>
    <name>modRAR</name>
    <message>
        <location filename="../engine/modRAR.cpp" line="+247"/>
        <source>No errors found during test operation</source>
        <translation>Aucune erreur trouvée pendant le test</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>ENCRYPTED</source>
        <extracomment>Status bar: the archive has encrypted entries or headers</extracomment>
        <translation>CHIFFRÉE</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ready</source>
        <extracomment>Status bar, when nothing runs</extracomment>
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Processing</source>
        <extracomment>Status bar while the archive is listed</extracomment>
        <translation>Traitement</translation>
    </message>
</context>
</TS>
