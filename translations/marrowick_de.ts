<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CliCat</name>
    <message>
        <location filename="../cli/CatCommand.cpp" line="+88"/>
        <source>Enter password for the encrypted file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds binary data: not written to a terminal (--force writes it)</source>
        <extracomment>%1 is the entry&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the archive needs a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No entry named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliExtractHere</name>
    <message>
        <location filename="../cli/main.cpp" line="+76"/>
        <source>%1: cannot open it</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: extracted to %2</source>
        <extracomment>%1 is the archive, %2 the file or folder its entries went to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: not extracted</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nothing extracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: not every entry extracted; the rest is in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Extract Here done</source>
        <extracomment>The title of the desktop notification at the end of extract --here</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extract Here: %1 of %2 not extracted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="+268"/>
        <source>Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]
</source>
        <extracomment>The first line of --help. Keep the program&apos;s and the commands&apos; names and the option names as they are; the words in capitals may be translated.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32
                         (tab-separated; a link&apos;s name is followed by
                         &quot; -&gt; TARGET&quot;), then the totals line
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  test, t ARCHIVE        test every entry; one line per entry
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  info, i ARCHIVE        the archive&apos;s properties, one &quot;label: value&quot; per
                         line: format, solid, volumes, recovery record, lock,
                         encryption, comment, and the totals of its entries
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  cat ARCHIVE NAME       write the entry&apos;s data to standard output as it is
                         read, nothing written to disk; binary data (a NUL
                         byte or invalid UTF-8 at its start) is not written to
                         a terminal without --force
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x ARCHIVE [DEST [NAME...]]
                         extract every entry, or only the named ones (a
                         folder&apos;s name takes what lies below it), into DEST
                         (default: the current folder, made when missing)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x --here ARCHIVE...
                         extract each archive beside itself: into a new folder
                         named after it, or, when it holds one file or one
                         folder, that one; never into anything that exists
                         (&quot;name (2)&quot;, ...); prints where each one went
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --subfolder            extract --here, always into a new folder
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --notify               extract --here: sum up in a desktop notification too
                         (for file-manager actions, which have no terminal)
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --tree                 list: the folder tree instead of the entries, each
                         folder with the files, folders and bytes below it
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --force                cat: write binary data to a terminal too
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --no-links             extract: refuse symbolic and hard links (by default
                         those that stay inside DEST are made)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  --overwrite MODE       extract: ask, always or never replace existing files
                         (default: ask on a terminal, never otherwise)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -p PASSWORD            password for encrypted entries or headers
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --password-file FILE   read the password from the first line of FILE
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  --lang LANG            the language of the texts for people, such as de or
                         zh_CN (default: the system&apos;s); what scripts read
                         (list&apos;s lines, --json) stays the same
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  -h, --help             show this help
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version          show the version
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit status: 0 all done, 1 the archive or an entry failed, was refused or
skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <location filename="../cli/InfoCommand.cpp" line="+141"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../cli/main.cpp" line="-87"/>
        <source>Try &apos;marrowick-cli --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+114"/>
        <source>Cannot open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+146"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-61"/>
        <source>--overwrite ask needs a terminal on standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="-217"/>
        <source>--overwrite needs ask, always or never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--overwrite needs ask, always or never, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a password</source>
        <extracomment>%1 is the option given: -p or --password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--password-file needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--lang needs a language, such as de or zh_CN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--notify is for extract --here only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json is for list and info only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--tree is for list only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give --json or --tree, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--no-links is for extract only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--force is for cat only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--overwrite is for extract only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give -p or --password-file, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no archive given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--here is for extract only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an archive name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no entry name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>an entry name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot read the password file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the password file %1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliTerminal</name>
    <message>
        <location filename="../cli/Terminal.cpp" line="+80"/>
        <source>interrupted</source>
        <extracomment>Printed when a second Ctrl+C ends the program at once</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsolePrompts</name>
    <message>
        <location filename="../cli/ConsolePrompts.cpp" line="+47"/>
        <source>%1 No: no terminal to ask on</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 No: no terminal to ask on (see --overwrite)</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 [Y/n] </source>
        <extracomment>The question on the terminal; %1 is the question, Y and n the answers, Y the default</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>y</source>
        <extracomment>The short answer yes on the terminal (y is understood too)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>The answer yes on the terminal (yes is understood too)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n</source>
        <extracomment>The short answer no on the terminal (n is understood too)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>The answer no on the terminal (no is understood too)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the archive needs a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the archive needs a password and there is no terminal to ask on; give it with -p or --password-file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <location filename="../cli/ConsoleView.cpp" line="+80"/>
        <source>failed (error code %1)</source>
        <extracomment>The result of an entry that failed without a message; %1 is the library&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marrowick::HelpViewer</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+57"/>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+112"/>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Type a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>No keyword matches &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
