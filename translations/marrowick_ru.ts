<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+42"/>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version line: major, minor and patch numbers</extracomment>
        <translation>Версия %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ArchiveProperties</name>
    <message numerus="yes">
        <location filename="../engine/ArchiveProperties.cpp" line="+66"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n folder(s)</source>
        <translation>
            <numerusform>%n папка</numerusform>
            <numerusform>%n папки</numerusform>
            <numerusform>%n папок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+66"/>
        <source>%1 byte(s)</source>
        <extracomment>%1 is the size in bytes, its digits grouped</extracomment>
        <translation>
            <numerusform>%1 байт</numerusform>
            <numerusform>%1 байта</numerusform>
            <numerusform>%1 байт</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+97"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>No</source>
        <translation>Нет</translation>
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
        <translation>Элементы</translation>
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
        <translation>Размер</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Сжатый размер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Степень сжатия</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Largest entry</source>
        <translation>Самый большой элемент</translation>
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
        <translation>Самое позднее изменение</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Oldest</source>
        <extracomment>The earliest modification time of the entries</extracomment>
        <translation>Самое раннее изменение</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size on disk (all volumes)</source>
        <translation>Размер на диске (все тома)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size on disk</source>
        <translation>Размер на диске</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solid</source>
        <extracomment>Whether the archive is solid (its entries packed as one stream)</extracomment>
        <translation>Непрерывный</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>The number of this volume in its set</extracomment>
        <translation>Том</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number unknown</source>
        <translation>Номер неизвестен</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes found</source>
        <translation>Найдено томов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (complete set)</source>
        <extracomment>%1 is how many volumes of the set were found</extracomment>
        <translation>%1 (полный набор)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (incomplete set)</source>
        <translation>%1 (неполный набор)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First volume</source>
        <translation>Первый том</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes</source>
        <translation>Тома</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not split into volumes</source>
        <translation>Не разделён на тома</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery record</source>
        <translation>Информация для восстановления</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked</source>
        <extracomment>Whether the archive is locked against changes</extracomment>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypted headers</source>
        <translation>Зашифрованные заголовки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Encrypted entries</source>
        <translation>Зашифрованные элементы</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Authenticity information</source>
        <translation>Информация о подлинности</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes (unreadable)</source>
        <translation>Да (не читается)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
</context>
<context>
    <name>CliCat</name>
    <message>
        <location filename="../cli/CatCommand.cpp" line="+88"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Введите пароль для зашифрованного файла:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds binary data: not written to a terminal (--force writes it)</source>
        <extracomment>%1 is the entry&apos;s name</extracomment>
        <translation>%1 содержит двоичные данные: на терминал не выводится (--force выводит)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the archive needs a password</source>
        <translation>для архива нужен пароль</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No entry named %1</source>
        <translation>Нет элемента с именем %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
</context>
<context>
    <name>CliExtractHere</name>
    <message>
        <location filename="../cli/main.cpp" line="+76"/>
        <source>%1: cannot open it</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1: не удаётся открыть</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: extracted to %2</source>
        <extracomment>%1 is the archive, %2 the file or folder its entries went to</extracomment>
        <translation>%1: извлечено в %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: not extracted</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1: не извлечено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nothing extracted</source>
        <translation>%1: ничего не извлечено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: not every entry extracted; the rest is in %2</source>
        <translation>%1: извлечены не все элементы; остальное — в %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Extract Here done</source>
        <extracomment>The title of the desktop notification at the end of extract --here</extracomment>
        <translation>Извлечение сюда завершено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extract Here: %1 of %2 not extracted</source>
        <translation>Извлечение сюда: не извлечено %1 из %2</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="+268"/>
        <source>Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]
</source>
        <extracomment>The first line of --help. Keep the program&apos;s and the commands&apos; names and the option names as they are; the words in capitals may be translated.</extracomment>
        <translation>Использование: marrowick-cli КОМАНДА [ПАРАМЕТРЫ] АРХИВ [ПАПКА [ИМЯ...]]
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:
</source>
        <translation>Команды:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32
                         (tab-separated; a link&apos;s name is followed by
                         &quot; -&gt; TARGET&quot;), then the totals line
</source>
        <translation>  list, l АРХИВ          по строке на элемент: имя, размер, сжатый размер,
                         степень сжатия, CRC32 (через табуляцию; после имени
                         ссылки стоит &quot; -&gt; ЦЕЛЬ&quot;), затем строка итогов
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  test, t ARCHIVE        test every entry; one line per entry
</source>
        <translation>  test, t АРХИВ          проверить каждый элемент; по строке на элемент
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  info, i ARCHIVE        the archive&apos;s properties, one &quot;label: value&quot; per
                         line: format, solid, volumes, recovery record, lock,
                         encryption, comment, and the totals of its entries
</source>
        <translation>  info, i АРХИВ          свойства архива, по строке &quot;метка: значение&quot;:
                         формат, непрерывность, тома, информация для
                         восстановления, блокировка, шифрование, комментарий
                         и итоги по элементам
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  cat ARCHIVE NAME       write the entry&apos;s data to standard output as it is
                         read, nothing written to disk; binary data (a NUL
                         byte or invalid UTF-8 at its start) is not written to
                         a terminal without --force
</source>
        <translation>  cat АРХИВ ИМЯ          записать данные элемента в стандартный вывод по мере
                         чтения, ничего не записывая на диск; двоичные данные
                         (байт NUL или недопустимый UTF-8 в начале) не
                         выводятся на терминал без --force
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x ARCHIVE [DEST [NAME...]]
                         extract every entry, or only the named ones (a
                         folder&apos;s name takes what lies below it), into DEST
                         (default: the current folder, made when missing)
</source>
        <translation>  extract, x АРХИВ [ПАПКА [ИМЯ...]]
                         извлечь все элементы или только названные (имя папки
                         охватывает всё, что в ней лежит) в папку ПАПКА (по
                         умолчанию: текущая папка; создаётся, если её нет)
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
        <translation>  extract, x --here АРХИВ...
                         извлечь каждый архив рядом с ним самим: в новую папку
                         с его именем, а если в нём один файл или одна папка —
                         прямо их; никогда не в то, что уже существует
                         (&quot;имя (2)&quot;, ...); выводит, куда попал каждый архив
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options:
</source>
        <translation>Параметры:
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --subfolder            extract --here, always into a new folder
</source>
        <translation>  --subfolder            extract --here: всегда в новую папку
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --notify               extract --here: sum up in a desktop notification too
                         (for file-manager actions, which have no terminal)
</source>
        <translation>  --notify               extract --here: также подвести итог в уведомлении
                         рабочего стола (для действий файлового менеджера,
                         у которых нет терминала)
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
        <translation>  --json                 list: по объекту JSON на элемент (name, size, packed,
                         crc32 или blake2sp, encrypted, folder, mtime, ctime и
                         atime, если сохранены, attributes, host_os, method,
                         dictionary, target и link_target для ссылок)
                         info: один объект JSON (format, solid, volume, volumes,
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
        <translation>  --tree                 list: дерево папок вместо элементов; у каждой папки —
                         число файлов, папок и байтов в ней
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --force                cat: write binary data to a terminal too
</source>
        <translation>  --force                cat: выводить двоичные данные и на терминал
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --no-links             extract: refuse symbolic and hard links (by default
                         those that stay inside DEST are made)
</source>
        <translation>  --no-links             extract: отказываться от символических и жёстких
                         ссылок (по умолчанию создаются те, что остаются
                         внутри папки ПАПКА)
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  --overwrite MODE       extract: ask, always or never replace existing files
                         (default: ask on a terminal, never otherwise)
</source>
        <translation>  --overwrite РЕЖИМ      extract: заменять ли существующие файлы: ask
                         (спросить), always (всегда) или never (никогда)
                         (по умолчанию: ask на терминале, иначе never)
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -p PASSWORD            password for encrypted entries or headers
</source>
        <translation>  -p ПАРОЛЬ              пароль для зашифрованных элементов или заголовков
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --password-file FILE   read the password from the first line of FILE
</source>
        <translation>  --password-file ФАЙЛ   прочитать пароль из первой строки файла ФАЙЛ
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  --lang LANG            the language of the texts for people, such as de or
                         zh_CN (default: the system&apos;s); what scripts read
                         (list&apos;s lines, --json) stays the same
</source>
        <translation>  --lang ЯЗЫК            язык текстов для людей, например de или zh_CN
                         (по умолчанию — язык системы); то, что читают
                         сценарии (строки list, --json), не меняется
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  -h, --help             show this help
</source>
        <translation>  -h, --help             показать эту справку
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version          show the version
</source>
        <translation>  -V, --version          показать версию
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit status: 0 all done, 1 the archive or an entry failed, was refused or
skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.
</source>
        <translation>Код завершения: 0 — всё выполнено; 1 — ошибка, отказ или пропуск архива
или элемента; 2 — неверный вызов; 3 — не удаётся загрузить библиотеку
UnRAR; 130 — отменено.
</translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <location filename="../cli/InfoCommand.cpp" line="+141"/>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../cli/main.cpp" line="-87"/>
        <source>Try &apos;marrowick-cli --help&apos;.</source>
        <translation>Попробуйте «marrowick-cli --help».</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+114"/>
        <source>Cannot open %1</source>
        <translation>Не удаётся открыть %1</translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+146"/>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>--overwrite ask needs a terminal on standard input</source>
        <translation>для --overwrite ask нужен терминал на стандартном вводе</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>cannot make the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="-217"/>
        <source>--overwrite needs ask, always or never</source>
        <translation>для --overwrite нужно значение ask, always или never</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--overwrite needs ask, always or never, not &apos;%1&apos;</source>
        <translation>для --overwrite нужно значение ask, always или never, а не «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a password</source>
        <extracomment>%1 is the option given: -p or --password</extracomment>
        <translation>для %1 нужен пароль</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--password-file needs a file name</source>
        <translation>для --password-file нужно имя файла</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--lang needs a language, such as de or zh_CN</source>
        <translation>для --lang нужен язык, например de или zh_CN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--notify is for extract --here only</source>
        <translation>--notify применяется только с extract --here</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json is for list and info only</source>
        <translation>--json применяется только с list и info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--tree is for list only</source>
        <translation>--tree применяется только с list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give --json or --tree, not both</source>
        <translation>укажите --json или --tree, но не оба</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--no-links is for extract only</source>
        <translation>--no-links применяется только с extract</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--force is for cat only</source>
        <translation>--force применяется только с cat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--overwrite is for extract only</source>
        <translation>--overwrite применяется только с extract</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give -p or --password-file, not both</source>
        <translation>укажите -p или --password-file, но не оба</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no archive given</source>
        <translation>не указан архив</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--here is for extract only</source>
        <translation>--here применяется только с extract</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an archive name is empty</source>
        <translation>пустое имя архива</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no entry name given</source>
        <translation>не указано имя элемента</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>an entry name is empty</source>
        <translation>пустое имя элемента</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot read the password file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be read</extracomment>
        <translation>не удаётся прочитать файл пароля %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the password file %1 is empty</source>
        <translation>файл пароля %1 пуст</translation>
    </message>
</context>
<context>
    <name>CliTerminal</name>
    <message>
        <location filename="../cli/Terminal.cpp" line="+80"/>
        <source>interrupted</source>
        <extracomment>Printed when a second Ctrl+C ends the program at once</extracomment>
        <translation>прервано</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../mainwindow/CommandLine.cpp" line="+36"/>
        <location filename="../mainwindow/modMain.cpp" line="+34"/>
        <source>Missing argument(s)!</source>
        <translation>Не хватает аргументов!</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/modMain.cpp" line="+4"/>
        <source>Invalid Argument(s)!</source>
        <translation>Недопустимые аргументы!</translation>
    </message>
</context>
<context>
    <name>ComponentError</name>
    <message>
        <location filename="../engine/ComponentError.cpp" line="+42"/>
        <source>unknown reason</source>
        <translation>неизвестная причина</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL: %1 (%2)</source>
        <extracomment>%1 is the library&apos;s file name, %2 why it could not be loaded</extracomment>
        <translation>Ошибка загрузки библиотеки: %1 (%2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Specified DLL function not found: %1 in %2</source>
        <extracomment>%1 is the missing function, %2 the library&apos;s file name</extracomment>
        <translation>Указанная функция библиотеки не найдена: %1 в %2</translation>
    </message>
</context>
<context>
    <name>ConsolePrompts</name>
    <message>
        <location filename="../cli/ConsolePrompts.cpp" line="+47"/>
        <source>%1 No: no terminal to ask on</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 Нет: нет терминала для вопроса</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 No: no terminal to ask on (see --overwrite)</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 Нет: нет терминала для вопроса (см. --overwrite)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 [Y/n] </source>
        <extracomment>The question on the terminal; %1 is the question, Y and n the answers, Y the default</extracomment>
        <translation>%1 [Д/н] </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>y</source>
        <extracomment>The short answer yes on the terminal (y is understood too)</extracomment>
        <translation>д</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>The answer yes on the terminal (yes is understood too)</extracomment>
        <translation>да</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n</source>
        <extracomment>The short answer no on the terminal (n is understood too)</extracomment>
        <translation>н</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no</source>
        <extracomment>The answer no on the terminal (no is understood too)</extracomment>
        <translation>нет</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the archive needs a password</source>
        <translation>для архива нужен пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the archive needs a password and there is no terminal to ask on; give it with -p or --password-file</source>
        <translation>для архива нужен пароль, а спросить его негде: нет терминала; укажите его с помощью -p или --password-file</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <location filename="../cli/ConsoleView.cpp" line="+80"/>
        <source>failed (error code %1)</source>
        <extracomment>The result of an entry that failed without a message; %1 is the library&apos;s number</extracomment>
        <translation>ошибка (код ошибки %1)</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <location filename="../engine/EntryChecks.cpp" line="+27"/>
        <source>Empty name</source>
        <translation>Пустое имя</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute path</source>
        <translation>Абсолютный путь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Control character in name</source>
        <translation>Управляющий символ в имени</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name too long</source>
        <translation>Слишком длинное имя</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name points outside the destination (&quot;..&quot;)</source>
        <translation>Имя указывает за пределы папки назначения («..»)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty or &quot;.&quot; part in name</source>
        <translation>Пустая часть или «.» в имени</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name part too long</source>
        <translation>Слишком длинная часть имени</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Junction</source>
        <translation>Точка соединения</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown kind of link</source>
        <translation>Неизвестный вид ссылки</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Socket</source>
        <translation>Сокет</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Symbolic link</source>
        <translation>Символическая ссылка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard link</source>
        <translation>Жёсткая ссылка</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Empty link target</source>
        <translation>Пустая цель ссылки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Control character in link target</source>
        <translation>Управляющий символ в цели ссылки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link target too long</source>
        <translation>Слишком длинная цель ссылки</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Link target is a Windows drive or network path</source>
        <translation>Цель ссылки — диск Windows или сетевой путь</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Absolute link target</source>
        <translation>Абсолютная цель ссылки</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Link target part too long</source>
        <translation>Слишком длинная часть цели ссылки</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link target with &quot;..&quot; after a folder name</source>
        <translation>Цель ссылки с «..» после имени папки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target points outside the destination</source>
        <translation>Цель ссылки указывает за пределы папки назначения</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These entries were not extracted:</source>
        <translation>Эти элементы не извлечены:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more</source>
        <extracomment>After the list of refused entries: how many more were refused</extracomment>
        <translation>... и ещё %1</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <location filename="../engine/EntryDetails.cpp" line="+16"/>
        <source>stored</source>
        <extracomment>Compression method</extracomment>
        <translation>без сжатия</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fastest</source>
        <extracomment>Compression method</extracomment>
        <translation>скоростной</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fast</source>
        <extracomment>Compression method</extracomment>
        <translation>быстрый</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal</source>
        <extracomment>Compression method</extracomment>
        <translation>обычный</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>good</source>
        <extracomment>Compression method</extracomment>
        <translation>хороший</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>best</source>
        <extracomment>Compression method</extracomment>
        <translation>максимальный</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 dictionary</source>
        <extracomment>The dictionary&apos;s size after the method: &quot;RAR 5, best, 32 MB dictionary&quot;</extracomment>
        <translation>словарь %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>The Encrypted column of an encrypted entry</extracomment>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>EntryProperties</name>
    <message>
        <location filename="../engine/EntryProperties.cpp" line="+38"/>
        <source>Continued from an earlier volume and on the next one</source>
        <translation>Начат в предыдущем томе и продолжается в следующем</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continued from an earlier volume</source>
        <translation>Начат в предыдущем томе</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continued on the next volume</source>
        <translation>Продолжается в следующем томе</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>The entry is not split over volumes</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>System %1</source>
        <extracomment>The operating system an entry was packed on, by its number</extracomment>
        <translation>Система %1</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <extracomment>The folder the entry is in</extracomment>
        <translation>Папка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(top level)</source>
        <translation>(верхний уровень)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <comment>kind of entry</comment>
        <extracomment>What the entry is: a folder, a link or a file</extracomment>
        <translation>Папка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>Размер</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>Сжатый размер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>Степень сжатия</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created</source>
        <translation>Создан</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Accessed</source>
        <translation>Последний доступ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Host system</source>
        <translation>Исходная система</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Method</source>
        <extracomment>The compression method</extracomment>
        <translation>Метод</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dictionary</source>
        <extracomment>The compression dictionary&apos;s size</extracomment>
        <translation>Словарь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version needed</source>
        <translation>Требуемая версия</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Checksum</source>
        <translation>Контрольная сумма</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encrypted</source>
        <translation>Зашифрован</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Split over volumes</source>
        <translation>Разбит на тома</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target</source>
        <translation>Цель ссылки</translation>
    </message>
</context>
<context>
    <name>ExtractHere</name>
    <message>
        <location filename="../engine/ExtractHere.cpp" line="+248"/>
        <source>Cannot make the folder %1: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>Не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <location filename="../mainwindow/ExtractHereCommand.cpp" line="+38"/>
        <source>Extracted to %1</source>
        <translation>Извлечено в %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry was extracted; the rest is in %1</source>
        <translation>Извлечены не все элементы; остальное — в %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>ExtractRun</name>
    <message>
        <location filename="../engine/ExtractRun.cpp" line="+79"/>
        <source>File exists; kept</source>
        <translation>Файл существует; оставлен</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>File(s) Exist, Replace ?</source>
        <translation>Файлы уже существуют. Перезаписать?</translation>
    </message>
    <message>
        <location line="+213"/>
        <source>No entry named %1</source>
        <translation>Нет элемента с именем %1</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <location filename="../engine/Formats.cpp" line="+156"/>
        <source>Total %1 Files </source>
        <extracomment>Status bar: how many entries are listed so far. %1 is the count with a blank in front where a minus sign could be.</extracomment>
        <translation>Всего файлов:%1 </translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <location filename="../engine/FreeSpace.cpp" line="+55"/>
        <source>Not enough disk space in %1: the archive unpacks to %2 bytes, only %3 bytes are free. Nothing was extracted.</source>
        <extracomment>%1 is the destination folder; %2 and %3 are numbers of bytes</extracomment>
        <translation>Недостаточно места на диске в %1: после извлечения архив займёт %2 байт, а свободно только %3 байт. Ничего не извлечено.</translation>
    </message>
</context>
<context>
    <name>HelpOnHelp</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+39"/>
        <source>Using Help</source>
        <translation>Как пользоваться справкой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Contents&lt;/b&gt; shows the list of topics. Click a topic to read it; links inside a topic lead to related topics.</source>
        <translation>&lt;b&gt;Содержание&lt;/b&gt; показывает список разделов. Нажмите на раздел, чтобы прочитать его; ссылки внутри раздела ведут к связанным разделам.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Index&lt;/b&gt; lists the keywords of every topic. Type in the search field to narrow the list to the keywords that begin with what you typed, then click a keyword to open its topic.</source>
        <translation>&lt;b&gt;Указатель&lt;/b&gt; содержит ключевые слова всех разделов. Введите текст в поле поиска, чтобы оставить в списке только ключевые слова, начинающиеся с введённого, затем нажмите на ключевое слово, чтобы открыть его раздел.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the Help window with its close button when you are done.</source>
        <translation>Когда закончите, закройте окно справки его кнопкой закрытия.</translation>
    </message>
</context>
<context>
    <name>LaunchHelp</name>
    <message>
        <location filename="../help/LaunchHelp.cpp" line="+55"/>
        <source>%1 Documentation is not available.</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Документация %1 недоступна.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../engine/Messages.cpp" line="+15"/>
        <location line="+37"/>
        <source>Not enough memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1: archive header broken</source>
        <translation>%1: повреждён заголовок архива</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not RAR archive</source>
        <translation>%1 не является архивом RAR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1</source>
        <translation>Не удаётся открыть %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the archive is encrypted and no password was given</source>
        <translation>%1: архив зашифрован, а пароль не указан</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: wrong password</source>
        <translation>%1: неверный пароль</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: unknown archive format</source>
        <translation>%1: неизвестный формат архива</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: read error</source>
        <translation>%1: ошибка чтения</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot open %1 (error code %2)</source>
        <extracomment>%1 is the archive, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>Не удаётся открыть %1 (код ошибки %2)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CRC failed in %1</source>
        <translation>Ошибка CRC в %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRC failed in encrypted file (wrong password?)</source>
        <translation>Ошибка CRC в зашифрованном файле (неверный пароль?)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad volume</source>
        <translation>Неверный том</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown archive format</source>
        <translation>Неизвестный формат архива</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume open error</source>
        <translation>Ошибка открытия тома</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File create error</source>
        <translation>Ошибка создания файла</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File close error</source>
        <translation>Ошибка закрытия файла</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read error</source>
        <translation>Ошибка чтения</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write error</source>
        <translation>Ошибка записи</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is encrypted and no password was given</source>
        <translation>Файл зашифрован, а пароль не указан</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File header broken</source>
        <translation>Повреждён заголовок файла</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The archive&apos;s headers are encrypted and no password was given</source>
        <translation>Заголовки архива зашифрованы, а пароль не указан</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password: the archive&apos;s headers cannot be read</source>
        <translation>Неверный пароль: заголовки архива не читаются</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unexpected end of archive</source>
        <translation>Неожиданный конец архива</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the archive&apos;s file headers failed (error code %1)</source>
        <translation>Не удалось прочитать заголовки файлов архива (код ошибки %1)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Test failed (error code %1)</source>
        <translation>Проверка не удалась (код ошибки %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extraction failed (error code %1)</source>
        <translation>Извлечение не удалось (код ошибки %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing stopped at %1 (error code %2)</source>
        <extracomment>%1 is the entry&apos;s name, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>Чтение списка остановлено на %1 (код ошибки %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Begins in an earlier volume</source>
        <translation>Начинается в предыдущем томе</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Volume %1 of a set: showing the whole set from %2</source>
        <extracomment>%1 is the volume&apos;s number, %2 the file name of the set&apos;s first volume</extracomment>
        <translation>Том %1 из набора: показан весь набор, начиная с %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: archive comment broken</source>
        <translation>%1: повреждён комментарий архива</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No files to test</source>
        <translation>Нет файлов для проверки</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 in %2</source>
        <extracomment>%1 is an entry&apos;s name, %2 the archive&apos;s</extracomment>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was extracted.</source>
        <translation>Сбой библиотеки UnRAR при чтении %1 (%2). Больше ничего не извлечено.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was tested.</source>
        <translation>Сбой библиотеки UnRAR при чтении %1 (%2). Больше ничего не проверено.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was listed.</source>
        <translation>Сбой библиотеки UnRAR при чтении %1 (%2). Остальные элементы не показаны.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The next volume of the archive is missing: %1</source>
        <translation>Отсутствует следующий том архива: %1</translation>
    </message>
</context>
<context>
    <name>ModBrowse</name>
    <message>
        <location filename="../dialogs/ModBrowse.cpp" line="+60"/>
        <source>Selected folder</source>
        <extracomment>The line under the folder chooser that shows the folder selected</extracomment>
        <translation>Выбранная папка</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <location filename="../mainwindow/OpenedFiles.cpp" line="+21"/>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save a Copy</source>
        <translation>Сохранить копию</translation>
    </message>
</context>
<context>
    <name>PreviewContent</name>
    <message>
        <location filename="../mainwindow/PreviewContent.cpp" line="+130"/>
        <source>The picture is %1 × %2 pixels: too large to preview</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height</extracomment>
        <translation>Изображение размером %1 × %2 пикселей слишком велико для предпросмотра</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not a picture Marrowick can show: %1</source>
        <extracomment>%1 is the image reader&apos;s own reason</extracomment>
        <translation>Marrowick не может показать это изображение: %1</translation>
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
        <translation>Размер: %1   Сжатый размер: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modified: %1</source>
        <extracomment>%1 is the entry&apos;s date and time</extracomment>
        <translation>Изменён: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encrypted</source>
        <extracomment>The entry needs a password</extracomment>
        <translation>Зашифрован</translation>
    </message>
</context>
<context>
    <name>PreviewSizes</name>
    <message>
        <location line="-24"/>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <location filename="../dialogs/QtPrompts.cpp" line="+28"/>
        <location line="+35"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Details</source>
        <extracomment>The box of the error&apos;s further lines</extracomment>
        <translation>Подробности</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>&amp;Show password</source>
        <translation>&amp;Показать пароль</translation>
    </message>
</context>
<context>
    <name>ReaderSession</name>
    <message>
        <location filename="../engine/ReaderProcess.cpp" line="+110"/>
        <source>Cannot start %1: %2</source>
        <extracomment>%1 is the reader program, %2 the system&apos;s reason</extracomment>
        <translation>Не удаётся запустить %1: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+144"/>
        <source>malformed reply</source>
        <extracomment>Why the archive reader was stopped: what it sent made no sense</extracomment>
        <translation>некорректный ответ</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>The UnRAR library could not be started (%1)</source>
        <extracomment>%1 says what went wrong with the archive reader</extracomment>
        <translation>Не удалось запустить библиотеку UnRAR (%1)</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>no answer</source>
        <extracomment>Why the archive reader was stopped: it did not answer in time</extracomment>
        <translation>нет ответа</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>signal %1</source>
        <extracomment>How the archive reader ended: %1 is the signal&apos;s number</extracomment>
        <translation>сигнал %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exit status %1</source>
        <extracomment>How the archive reader ended: %1 is its exit status</extracomment>
        <translation>код завершения %1</translation>
    </message>
</context>
<context>
    <name>RunCallback</name>
    <message>
        <location filename="../engine/RunCallback.cpp" line="+68"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Введите пароль для зашифрованного файла:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter password</source>
        <extracomment>The password dialog&apos;s title</extracomment>
        <translation>Введите пароль</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <location filename="../mainwindow/RunNotifier.cpp" line="+72"/>
        <source>Test of %1 finished</source>
        <extracomment>A desktop notification&apos;s summary: %1 the archive&apos;s name.</extracomment>
        <translation>Проверка %1 завершена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extraction of %1 finished</source>
        <translation>Извлечение %1 завершено</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <location filename="../engine/RunStatus.h" line="+16"/>
        <source>Success</source>
        <extracomment>Status bar, when an extraction has put every entry in place</extracomment>
        <translation>Успешно</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Extracting </source>
        <extracomment>Status bar while an extraction runs (the trailing blank is part of the panel)</extracomment>
        <translation>Извлечение </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Testing </source>
        <extracomment>Status bar while a test runs (the trailing blank is part of the panel)</extracomment>
        <translation>Проверка </translation>
    </message>
</context>
<context>
    <name>SafeWriter</name>
    <message>
        <location filename="../engine/SafeWriter.cpp" line="+65"/>
        <source>A folder on its path is a symbolic link</source>
        <translation>Одна из папок на его пути — символическая ссылка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder on its path is a file</source>
        <translation>Одна из папок на его пути — файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open a folder on its path: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Не удаётся открыть папку на его пути: %1</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The destination folder cannot be opened</source>
        <translation>Не удаётся открыть папку назначения</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Copy of a file not extracted in this run</source>
        <translation>Копия файла, не извлечённого в этот раз</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>More data than its stated size</source>
        <translation>Данных больше указанного размера</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+125"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="+86"/>
        <location line="+49"/>
        <location line="+29"/>
        <source>Cannot write: %1</source>
        <translation>Не удаётся записать: %1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Not enough disk space (its size is not stated)</source>
        <translation>Недостаточно места на диске (размер не указан)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot read: %1</source>
        <translation>Не удаётся прочитать: %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <location filename="../engine/SafeWriterLinks.cpp" line="+120"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="-32"/>
        <location line="+25"/>
        <source>A folder of that name exists</source>
        <translation>Папка с таким именем уже существует</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterLinks.cpp" line="-82"/>
        <source>Hard link to a file not extracted in this run</source>
        <translation>Жёсткая ссылка на файл, не извлечённый в этот раз</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Link target cannot be read</source>
        <translation>Не удаётся прочитать цель ссылки</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot make the hard link: %1</source>
        <translation>Не удаётся создать жёсткую ссылку: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot make the link: %1</source>
        <translation>Не удаётся создать ссылку: %1</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterTemp.cpp" line="-90"/>
        <source>Cannot create a file: %1</source>
        <translation>Не удаётся создать файл: %1</translation>
    </message>
</context>
<context>
    <name>SandboxNotice</name>
    <message>
        <location filename="../engine/SandboxNotice.cpp" line="+34"/>
        <source>its system-call filter</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>фильтра системных вызовов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seccomp is not available here; the archive reader runs without its system-call filter</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>seccomp здесь недоступен; программа чтения архивов работает без фильтра системных вызовов</translation>
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
        <translation>в этом ядре нет Landlock; программе чтения архивов не запрещено читать за пределами папки архива</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>namespaces of its own</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>собственных пространств имён</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this kernel does not let the archive reader have user namespaces; it shares the program&apos;s PID, IPC and network namespaces</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>это ядро не даёт программе чтения архивов собственных пространств имён пользователя; она разделяет с программой пространства имён PID, IPC и сети</translation>
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
        <translation>%1 и %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive reader runs without %1 (see About)</source>
        <extracomment>Status bar; %1 names what is missing. About is the About window.</extracomment>
        <translation>Программа чтения архивов работает без %1 (см. «О программе»)</translation>
    </message>
</context>
<context>
    <name>WinHelpErrors</name>
    <message>
        <location filename="../help/CWinHelp.cpp" line="+73"/>
        <source>Object not properly initialized</source>
        <translation>Объект инициализирован неправильно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid file name</source>
        <translation>Недопустимое имя файла</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid window handle</source>
        <translation>Недопустимый дескриптор окна</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Call to WinHelp failed</source>
        <translation>Ошибка вызова WinHelp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CWinHelp component failure</source>
        <translation>Сбой компонента CWinHelp</translation>
    </message>
</context>
<context>
    <name>cFileDialog</name>
    <message>
        <location filename="../dialogs/cFileDialog.cpp" line="+65"/>
        <location line="+56"/>
        <location line="+40"/>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>User selected cancel.</source>
        <translation>Пользователь выбрал отмену.</translation>
    </message>
</context>
<context>
    <name>marrowick::FileListModel</name>
    <message>
        <location filename="../mainwindow/FileListModel.cpp" line="+63"/>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Packed</source>
        <translation>Сжато</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ratio</source>
        <translation>Сжатие</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Method</source>
        <translation>Метод</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encrypted</source>
        <translation>Зашифрован</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <extracomment>What a screen reader says for the empty Encrypted cell of a file that is not encrypted</extracomment>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderBrowser</name>
    <message>
        <location filename="../mainwindow/FolderBrowser.cpp" line="+80"/>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s folders; the list shows the one chosen</source>
        <translation>Папки архива; список показывает содержимое выбранной</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <extracomment>Go back to the folder shown before (a button with an arrow only)</extracomment>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back (Alt+Left)</source>
        <translation>Назад (Alt+Влево)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>Go forward again after Back (a button with an arrow only)</extracomment>
        <translation>Вперёд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward (Alt+Right)</source>
        <translation>Вперёд (Alt+Вправо)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <extracomment>Go to the folder that holds this one (a button with an arrow only)</extracomment>
        <translation>Вверх</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up (Backspace, Alt+Up)</source>
        <translation>Вверх (Backspace, Alt+Вверх)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The folder shown; type a path and press Enter</source>
        <translation>Показанная папка; введите путь и нажмите Enter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Location</source>
        <extracomment>The name of the field that shows the path of the folder shown</extracomment>
        <translation>Адрес</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filter (Ctrl+F)</source>
        <translation>Фильтр (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Names containing this text; * and ? as wildcards</source>
        <translation>Имена, содержащие этот текст; * и ? — подстановочные знаки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter</source>
        <extracomment>The name of the field that narrows the list to the names typed</extracomment>
        <translation>Фильтр</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All folders</source>
        <extracomment>Check box: the filter looks in every folder below the one shown</extracomment>
        <translation>Все папки</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Matches</source>
        <extracomment>The label that shows how many names the filter kept</extracomment>
        <translation>Совпадения</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No folder named %1</source>
        <translation>Нет папки с именем %1</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>%1 of %2</source>
        <extracomment>The filter&apos;s count: %1 names kept of the %2 looked at</extracomment>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderTreeModel</name>
    <message>
        <location filename="../mainwindow/FolderTreeModel.cpp" line="+13"/>
        <source>All entries  %1</source>
        <extracomment>The folder pane&apos;s top node, the whole archive; %1 is the archive&apos;s name</extracomment>
        <translation>Все элементы  %1</translation>
    </message>
</context>
<context>
    <name>marrowick::HelpViewer</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+14"/>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>Index</source>
        <translation>Указатель</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Type a keyword</source>
        <translation>Введите ключевое слово</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyword</source>
        <extracomment>The name of the field that narrows the index to a keyword</extracomment>
        <translation>Ключевое слово</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrows the index to the keywords that begin with the text</source>
        <translation>Оставляет в указателе ключевые слова, которые начинаются с этого текста</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Текст справки</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>No keyword matches &quot;%1&quot;.</source>
        <translation>Нет ключевых слов, соответствующих «%1».</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>marrowick::ImagePreview</name>
    <message>
        <location filename="../mainwindow/PreviewViews.cpp" line="+90"/>
        <source>Click to show the picture at its own size or to fit</source>
        <translation>Нажмите, чтобы показать изображение в исходном размере или вписать его</translation>
    </message>
</context>
<context>
    <name>marrowick::PreviewPane</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+45"/>
        <source>Preview</source>
        <extracomment>The name a screen reader gives the pane beside the list</extracomment>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entry properties</source>
        <extracomment>The line above the preview: the entry&apos;s name, sizes and date</extracomment>
        <translation>Свойства элемента</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Open</source>
        <extracomment>Button: open the previewed entry as a file</extracomment>
        <translation>Открыть</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Wrap lines</source>
        <translation>Переносить строки</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Decoding progress</source>
        <translation>Ход декодирования</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Password...</source>
        <translation>Ввести пароль...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Text preview</source>
        <translation>Предпросмотр текста</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture preview</source>
        <translation>Предпросмотр изображения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter shows the picture at its own size or to fit</source>
        <translation>Enter показывает изображение в исходном размере или вписывает его</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hex dump</source>
        <extracomment>The preview of data that is neither text nor a picture: offsets, bytes in hexadecimal, characters</extracomment>
        <translation>Шестнадцатеричный дамп</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Select an entry to preview it</source>
        <translation>Выберите элемент для предпросмотра</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Folder: %1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>Папка: %1, %2, %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures over %1 packed are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Изображения со сжатым размером больше %1 не просматриваются</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+106"/>
        <location line="+30"/>
        <source>Encrypted: a password is needed to preview it</source>
        <translation>Зашифрован: для предпросмотра нужен пароль</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>Solid archive: the entries before this one are decoded first</source>
        <translation>Непрерывный архив: сначала декодируются элементы перед этим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading...</source>
        <translation>Чтение...</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Not found in the archive</source>
        <translation>Не найден в архиве</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot preview: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Предпросмотр невозможен: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the entry is damaged</source>
        <translation>элемент повреждён</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures over %1 are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>Изображения больше %1 не просматриваются</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 × %2 pixels</source>
        <extracomment>The picture&apos;s width and height</extracomment>
        <translation>%1 × %2 пикселей</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Showing the first %1</source>
        <extracomment>%1 is a size such as &quot;4 MB&quot;</extracomment>
        <translation>Показаны первые %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The password is wrong</source>
        <translation>Неверный пароль</translation>
    </message>
</context>
<context>
    <name>marrowick::PropertiesDialog</name>
    <message>
        <location filename="../dialogs/PropertiesDialog.cpp" line="+52"/>
        <source>Copy &amp;All</source>
        <translation>Копировать &amp;всё</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Comment...</source>
        <translation>&amp;Комментарий...</translation>
    </message>
</context>
<context>
    <name>marrowick::RecentArchives</name>
    <message>
        <location filename="../mainwindow/RecentArchives.cpp" line="+38"/>
        <source>Open &amp;Recent</source>
        <translation>Открыть &amp;недавние</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>&amp;Clear List</source>
        <translation>&amp;Очистить список</translation>
    </message>
</context>
<context>
    <name>marrowick::fComment</name>
    <message>
        <location filename="../dialogs/fComment.cpp" line="+25"/>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Comments</source>
        <extracomment>The title of the window that shows an archive&apos;s comment</extracomment>
        <translation>Комментарии</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
</context>
<context>
    <name>marrowick::fMain</name>
    <message>
        <location filename="../mainwindow/EntryActions.cpp" line="+47"/>
        <source>Select the entries to extract</source>
        <translation>Выберите элементы для извлечения</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 was changed after it was opened. Save a copy?</source>
        <translation>Файл %1 изменён после открытия. Сохранить копию?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save a copy to %1</source>
        <translation>Не удаётся сохранить копию в %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not opened: %1 is a folder</source>
        <translation>Не открыто: %1 — папка</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not opened: no temporary folder</source>
        <translation>Не открыто: нет временной папки</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not opened: %1 was not extracted</source>
        <translation>Не открыто: %1 не извлечён</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+41"/>
        <source>Not opened: %1</source>
        <translation>Не открыто: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+6"/>
        <source>Opened %1</source>
        <translation>Открыто: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No application opens %1</source>
        <translation>Нет приложения для открытия %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/ListBrowsing.cpp" line="+59"/>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Files</source>
        <extracomment>The name a screen reader gives the list of the archive&apos;s entries</extracomment>
        <translation>Файлы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s entries, one row each</source>
        <translation>Элементы архива, по одному в строке</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Columns</source>
        <extracomment>The name a screen reader gives the list&apos;s row of column titles</extracomment>
        <translation>Столбцы</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Folders</source>
        <translation>&amp;Папки</translation>
    </message>
    <message>
        <location filename="../mainwindow/MainCommands.cpp" line="+43"/>
        <source>Ready </source>
        <extracomment>The activity after Close; it ends in a blank.</extracomment>
        <translation>Готово </translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../mainwindow/fMain.cpp" line="+352"/>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Extract Archive to ...</source>
        <translation>Извлечь архив в ...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Name</source>
        <extracomment>View &gt; Sort By&apos;s items: the list&apos;s columns.</extracomment>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Size</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Packed</source>
        <translation>С&amp;жатый размер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Ratio</source>
        <translation>Сте&amp;пень сжатия</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;CRC32</source>
        <translation>&amp;CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Modified</source>
        <translation>И&amp;зменён</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Attributes</source>
        <translation>&amp;Атрибуты</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M&amp;ethod</source>
        <translation>&amp;Метод</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encr&amp;ypted</source>
        <translation>Заши&amp;фрован</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort By</source>
        <translation>&amp;Сортировать по</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Columns</source>
        <extracomment>View &gt; Columns: which of the optional columns the list shows.</extracomment>
        <translation>С&amp;толбцы</translation>
    </message>
    <message>
        <location filename="../mainwindow/PreviewCommand.cpp" line="+26"/>
        <source>Enter password for the encrypted file:</source>
        <translation>Введите пароль для зашифрованного файла:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Preview</source>
        <translation>П&amp;редпросмотр</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <location filename="../mainwindow/PropertiesCommand.cpp" line="+28"/>
        <location line="+6"/>
        <source>&amp;Properties	Alt+Enter</source>
        <extracomment>A menu item; the key after the tab is shown beside it.</extracomment>
        <translation>&amp;Свойства	Alt+Enter</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Properties of the archive (Alt+Enter)</source>
        <translation>Свойства архива (Alt+Enter)</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+28"/>
        <source>%1 - Properties</source>
        <extracomment>A properties window&apos;s title: %1 the archive&apos;s or entry&apos;s name.</extracomment>
        <translation>%1 - Свойства</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n элемент</numerusform>
            <numerusform>%n элемента</numerusform>
            <numerusform>%n элементов</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/RunDisplay.cpp" line="+37"/>
        <source>Encryption</source>
        <extracomment>The status bar panel that shows whether entries are encrypted.</extracomment>
        <translation>Шифрование</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Activity</source>
        <extracomment>The status bar panel that says what the window is doing.</extracomment>
        <translation>Состояние</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Totals</source>
        <extracomment>The status bar panel with the archive&apos;s or the run&apos;s totals.</extracomment>
        <translation>Итоги</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../mainwindow/fMain.cpp" line="-2"/>
        <source>Encrypted</source>
        <extracomment>The encryption indicator of the status bar (hidden until needed).</extracomment>
        <translation>Зашифрован</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Progress of the running operation</source>
        <translation>Ход выполняемой операции</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the running operation (Esc)</source>
        <translation>Остановить выполняемую операцию (Esc)</translation>
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
        <translation>Песочница неполная</translation>
    </message>
    <message>
        <location filename="../mainwindow/fMain.cpp" line="-214"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Archive...</source>
        <translation>&amp;Открыть архив...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close Archive...</source>
        <translation>&amp;Закрыть архив...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Actions</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Extract</source>
        <translation>&amp;Извлечь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Test</source>
        <translation>&amp;Проверить</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Extract &amp;Links</source>
        <translation>Извлекать &amp;ссылки</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <extracomment>The Help menu&apos;s title.</extracomment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> &amp;Help</source>
        <extracomment>The Help menu&apos;s item that opens the help file; it begins with a blank.</extracomment>
        <translation> &amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <extracomment>The row menu&apos;s item that opens the entry in its application.</extracomment>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extract &amp;Selected To...</source>
        <translation>&amp;Извлечь выделенное в...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select &amp;All</source>
        <translation>&amp;Выделить всё</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Extract &amp;Here</source>
        <translation>&amp;Извлечь сюда</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>open RAR archive</source>
        <translation>открыть архив RAR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extract to</source>
        <translation>Извлечь в</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Extract Files</source>
        <translation>Извлечь файлы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test archived file</source>
        <translation>Проверить файлы архива</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Entries</source>
        <extracomment>What a screen reader calls the list of the archive&apos;s entries.</extracomment>
        <translation>Элементы</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Padlock</source>
        <extracomment>The picture beside the status bar&apos;s encryption indicator.</extracomment>
        <translation>Замок</translation>
    </message>
</context>
<context>
    <name>marrowick::frmAbout</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+30"/>
        <source>About</source>
        <extracomment>The title of the About window</extracomment>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click here to Visit Marrowick Website</source>
        <translation>Нажмите, чтобы перейти на сайт Marrowick</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copyright © 2026 the Marrowick developers.</source>
        <translation>© 2026 Разработчики Marrowick.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UnRAR library © Alexander Roshal, RARLAB</source>
        <translation>Библиотека UnRAR © Александр Рошал, RARLAB</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../mainwindow/modMain.cpp" line="-21"/>
        <source>Error no.%1
%2</source>
        <extracomment>An error raised by a part of the program: %1 its number, %2 what it says.</extracomment>
        <translation>Ошибка №%1
%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Select an Archive file...</source>
        <translation>Выберите файл архива...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAR Archive Files (*.rar)|*.rar</source>
        <extracomment>The open dialog&apos;s filter: a description, &quot;|&quot;, then the pattern.</extracomment>
        <translation>Архивы RAR (*.rar)|*.rar</translation>
    </message>
</context>
<context>
    <name>modRAR</name>
    <message>
        <location filename="../engine/modRAR.cpp" line="+247"/>
        <source>No errors found during test operation</source>
        <translation>При проверке ошибок не обнаружено</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>ENCRYPTED</source>
        <extracomment>Status bar: the archive has encrypted entries or headers</extracomment>
        <translation>ЗАШИФРОВАН</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ready</source>
        <extracomment>Status bar, when nothing runs</extracomment>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Processing</source>
        <extracomment>Status bar while the archive is listed</extracomment>
        <translation>Обработка</translation>
    </message>
</context>
</TS>
