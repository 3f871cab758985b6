<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+42"/>
        <source>Version %1.%2.%3</source>
        <extracomment>The About window&apos;s version line: major, minor and patch numbers</extracomment>
        <translation>版本 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>ArchiveProperties</name>
    <message numerus="yes">
        <location filename="../engine/ArchiveProperties.cpp" line="+66"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n folder(s)</source>
        <translation>
            <numerusform>%n 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+66"/>
        <source>%1 byte(s)</source>
        <extracomment>%1 is the size in bytes, its digits grouped</extracomment>
        <translation>
            <numerusform>%1 字节</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+97"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1:</source>
        <extracomment>A property&apos;s label before its value in the Properties dialog</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <extracomment>A property as a line of text: %1 its label, %2 its value</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Entries</source>
        <extracomment>How many entries, then how many of them are files and folders</extracomment>
        <translation>条目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2, %3)</source>
        <extracomment>%1 the number of entries, %2 &quot;%n file(s)&quot;, %3 &quot;%n folder(s)&quot;</extracomment>
        <translation>%1（%2，%3）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>大小</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>压缩后大小</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>压缩率</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Largest entry</source>
        <translation>最大的条目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <extracomment>%1 the entry&apos;s name, %2 its size</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Newest</source>
        <extracomment>The latest modification time of the entries</extracomment>
        <translation>最新修改</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Oldest</source>
        <extracomment>The earliest modification time of the entries</extracomment>
        <translation>最早修改</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Size on disk (all volumes)</source>
        <translation>占用空间（所有分卷）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size on disk</source>
        <translation>占用空间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solid</source>
        <extracomment>Whether the archive is solid (its entries packed as one stream)</extracomment>
        <translation>固实</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Volume</source>
        <extracomment>The number of this volume in its set</extracomment>
        <translation>分卷序号</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number unknown</source>
        <translation>序号未知</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes found</source>
        <translation>已找到的分卷</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (complete set)</source>
        <extracomment>%1 is how many volumes of the set were found</extracomment>
        <translation>%1（分卷齐全）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (incomplete set)</source>
        <translation>%1（分卷不全）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First volume</source>
        <translation>首个分卷</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volumes</source>
        <translation>分卷</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not split into volumes</source>
        <translation>未分卷</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recovery record</source>
        <translation>恢复记录</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Locked</source>
        <extracomment>Whether the archive is locked against changes</extracomment>
        <translation>已锁定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encrypted headers</source>
        <translation>文件头已加密</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Encrypted entries</source>
        <translation>含加密条目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Authenticity information</source>
        <translation>真实性信息</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes (unreadable)</source>
        <translation>是（无法读取）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
</context>
<context>
    <name>CliCat</name>
    <message>
        <location filename="../cli/CatCommand.cpp" line="+88"/>
        <source>Enter password for the encrypted file:</source>
        <translation>请输入加密文件的密码：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds binary data: not written to a terminal (--force writes it)</source>
        <extracomment>%1 is the entry&apos;s name</extracomment>
        <translation>%1 包含二进制数据：不写到终端（--force 可强制写入）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the archive needs a password</source>
        <translation>压缩包需要密码</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No entry named %1</source>
        <translation>没有名为 %1 的条目</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>CliExtractHere</name>
    <message>
        <location filename="../cli/main.cpp" line="+76"/>
        <source>%1: cannot open it</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1：无法打开</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1: extracted to %2</source>
        <extracomment>%1 is the archive, %2 the file or folder its entries went to</extracomment>
        <translation>%1：已解压到 %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: not extracted</source>
        <extracomment>A line of the notification; %1 is the archive&apos;s file name</extracomment>
        <translation>%1：未解压</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: nothing extracted</source>
        <translation>%1：未解压任何内容</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: not every entry extracted; the rest is in %2</source>
        <translation>%1：部分条目未解压；已解压的内容在 %2 中</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Extract Here done</source>
        <extracomment>The title of the desktop notification at the end of extract --here</extracomment>
        <translation>“解压到此处”已完成</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extract Here: %1 of %2 not extracted</source>
        <translation>解压到此处：%2 个压缩包中有 %1 个未解压</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="+268"/>
        <source>Usage: marrowick-cli COMMAND [OPTIONS] ARCHIVE [DEST [NAME...]]
</source>
        <extracomment>The first line of --help. Keep the program&apos;s and the commands&apos; names and the option names as they are; the words in capitals may be translated.</extracomment>
        <translation>用法：marrowick-cli 命令 [选项] 压缩包 [目标 [名称...]]
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Commands:
</source>
        <translation>命令：
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  list, l ARCHIVE        one line per entry: name, size, packed, ratio, CRC32
                         (tab-separated; a link&apos;s name is followed by
                         &quot; -&gt; TARGET&quot;), then the totals line
</source>
        <translation>  list, l 压缩包         每个条目一行：名称、大小、压缩后大小、压缩率、CRC32
                         （以制表符分隔；链接的名称后接“ -&gt; 目标”），
                         最后是合计行
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  test, t ARCHIVE        test every entry; one line per entry
</source>
        <translation>  test, t 压缩包         测试每个条目；每个条目一行
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  info, i ARCHIVE        the archive&apos;s properties, one &quot;label: value&quot; per
                         line: format, solid, volumes, recovery record, lock,
                         encryption, comment, and the totals of its entries
</source>
        <translation>  info, i 压缩包         压缩包的属性，每行一个“标签: 值”：格式、固实、
                         分卷、恢复记录、锁定、加密、注释，以及条目的合计
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  cat ARCHIVE NAME       write the entry&apos;s data to standard output as it is
                         read, nothing written to disk; binary data (a NUL
                         byte or invalid UTF-8 at its start) is not written to
                         a terminal without --force
</source>
        <translation>  cat 压缩包 名称        将条目的数据边读取边写到标准输出，不写入磁盘；
                         二进制数据（开头有 NUL 字节或无效的 UTF-8）
                         不加 --force 时不会写到终端
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  extract, x ARCHIVE [DEST [NAME...]]
                         extract every entry, or only the named ones (a
                         folder&apos;s name takes what lies below it), into DEST
                         (default: the current folder, made when missing)
</source>
        <translation>  extract, x 压缩包 [目标 [名称...]]
                         解压所有条目，或只解压指定的条目（文件夹的名称
                         包括其下的全部内容），解压到“目标”（默认：当前
                         文件夹，不存在时自动创建）
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
        <translation>  extract, x --here 压缩包...
                         将每个压缩包解压到它旁边：解压到以它命名的新文件夹；
                         若它只包含一个文件或一个文件夹，则直接解压出该项；
                         绝不解压到已存在的项目中（改用“名称 (2)”之类的名称）；
                         显示每个压缩包解压到了何处
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options:
</source>
        <translation>选项：
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --subfolder            extract --here, always into a new folder
</source>
        <translation>  --subfolder            extract --here：总是解压到新文件夹
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --notify               extract --here: sum up in a desktop notification too
                         (for file-manager actions, which have no terminal)
</source>
        <translation>  --notify               extract --here：同时用桌面通知汇总结果
                         （用于没有终端的文件管理器操作）
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
        <translation>  --json                 list：每个条目一个 JSON 对象（name、size、packed、
                         crc32 或 blake2sp、encrypted、folder，有记录时还有
                         mtime、ctime 和 atime，以及 attributes、host_os、
                         method、dictionary，链接还有 target 和 link_target）
                         info：一个 JSON 对象（format、solid、volume、volumes、
                         volumes_found、first_volume、recovery_record、locked、
                         encrypted_headers、encrypted_entries、comment、
                         entries、files、folders、size、packed 等）
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  --tree                 list: the folder tree instead of the entries, each
                         folder with the files, folders and bytes below it
</source>
        <translation>  --tree                 list：显示文件夹树而非条目，每个文件夹附带其下的
                         文件数、文件夹数和字节数
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  --force                cat: write binary data to a terminal too
</source>
        <translation>  --force                cat：也将二进制数据写到终端
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --no-links             extract: refuse symbolic and hard links (by default
                         those that stay inside DEST are made)
</source>
        <translation>  --no-links             extract：拒绝符号链接和硬链接（默认会创建
                         留在“目标”之内的链接）
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  --overwrite MODE       extract: ask, always or never replace existing files
                         (default: ask on a terminal, never otherwise)
</source>
        <translation>  --overwrite 模式       extract：对已有文件 ask（询问）、always（总是
                         替换）或 never（从不替换）（默认：在终端上为 ask，
                         否则为 never）
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  -p PASSWORD            password for encrypted entries or headers
</source>
        <translation>  -p 密码                加密条目或加密文件头的密码
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  --password-file FILE   read the password from the first line of FILE
</source>
        <translation>  --password-file 文件   从“文件”的第一行读取密码
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  --lang LANG            the language of the texts for people, such as de or
                         zh_CN (default: the system&apos;s); what scripts read
                         (list&apos;s lines, --json) stays the same
</source>
        <translation>  --lang 语言            面向用户的文本所用的语言，例如 de 或 zh_CN
                         （默认：系统语言）；供脚本读取的内容（list 的输出行、
                         --json）保持不变
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  -h, --help             show this help
</source>
        <translation>  -h, --help             显示此帮助
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  -V, --version          show the version
</source>
        <translation>  -V, --version          显示版本
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit status: 0 all done, 1 the archive or an entry failed, was refused or
skipped, 2 wrong usage, 3 the UnRAR library cannot be loaded, 130 cancelled.
</source>
        <translation>退出状态：0 全部完成；1 压缩包或某个条目失败、被拒绝或被跳过；
2 用法错误；3 无法加载 UnRAR 库；130 已取消。
</translation>
    </message>
</context>
<context>
    <name>CliInfo</name>
    <message>
        <location filename="../cli/InfoCommand.cpp" line="+141"/>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>CliMain</name>
    <message>
        <location filename="../cli/main.cpp" line="-87"/>
        <source>Try &apos;marrowick-cli --help&apos;.</source>
        <translation>请尝试“marrowick-cli --help”。</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+114"/>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <location line="-94"/>
        <location line="+146"/>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location line="-61"/>
        <source>--overwrite ask needs a terminal on standard input</source>
        <translation>--overwrite ask 要求标准输入是终端</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <location filename="../cli/CliOptions.cpp" line="-217"/>
        <source>--overwrite needs ask, always or never</source>
        <translation>--overwrite 需要 ask、always 或 never</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--overwrite needs ask, always or never, not &apos;%1&apos;</source>
        <translation>--overwrite 需要 ask、always 或 never，而不是“%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 needs a password</source>
        <extracomment>%1 is the option given: -p or --password</extracomment>
        <translation>%1 需要一个密码</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--password-file needs a file name</source>
        <translation>--password-file 需要一个文件名</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--lang needs a language, such as de or zh_CN</source>
        <translation>--lang 需要一种语言，例如 de 或 zh_CN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--notify is for extract --here only</source>
        <translation>--notify 仅用于 extract --here</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json is for list and info only</source>
        <translation>--json 仅用于 list 和 info</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--tree is for list only</source>
        <translation>--tree 仅用于 list</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give --json or --tree, not both</source>
        <translation>请指定 --json 或 --tree，不能同时指定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--no-links is for extract only</source>
        <translation>--no-links 仅用于 extract</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--force is for cat only</source>
        <translation>--force 仅用于 cat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--overwrite is for extract only</source>
        <translation>--overwrite 仅用于 extract</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>give -p or --password-file, not both</source>
        <translation>请指定 -p 或 --password-file，不能同时指定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no command given</source>
        <translation>未指定命令</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no archive given</source>
        <translation>未指定压缩包</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--here is for extract only</source>
        <translation>--here 仅用于 extract</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an archive name is empty</source>
        <translation>压缩包名称为空</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no entry name given</source>
        <translation>未指定条目名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>an entry name is empty</source>
        <translation>条目名称为空</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot read the password file %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it cannot be read</extracomment>
        <translation>无法读取密码文件 %1：%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the password file %1 is empty</source>
        <translation>密码文件 %1 为空</translation>
    </message>
</context>
<context>
    <name>CliTerminal</name>
    <message>
        <location filename="../cli/Terminal.cpp" line="+80"/>
        <source>interrupted</source>
        <extracomment>Printed when a second Ctrl+C ends the program at once</extracomment>
        <translation>已中断</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../mainwindow/CommandLine.cpp" line="+36"/>
        <location filename="../mainwindow/modMain.cpp" line="+34"/>
        <source>Missing argument(s)!</source>
        <translation>缺少参数！</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/modMain.cpp" line="+4"/>
        <source>Invalid Argument(s)!</source>
        <translation>无效的参数！</translation>
    </message>
</context>
<context>
    <name>ComponentError</name>
    <message>
        <location filename="../engine/ComponentError.cpp" line="+42"/>
        <source>unknown reason</source>
        <translation>未知原因</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in loading DLL: %1 (%2)</source>
        <extracomment>%1 is the library&apos;s file name, %2 why it could not be loaded</extracomment>
        <translation>加载 DLL 时出错：%1（%2）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Specified DLL function not found: %1 in %2</source>
        <extracomment>%1 is the missing function, %2 the library&apos;s file name</extracomment>
        <translation>找不到指定的 DLL 函数：%2 中的 %1</translation>
    </message>
</context>
<context>
    <name>ConsolePrompts</name>
    <message>
        <location filename="../cli/ConsolePrompts.cpp" line="+47"/>
        <source>%1 No: no terminal to ask on</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 否：没有可用于询问的终端</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 No: no terminal to ask on (see --overwrite)</source>
        <extracomment>%1 is the question, answered No for want of a terminal</extracomment>
        <translation>%1 否：没有可用于询问的终端（参见 --overwrite）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 [Y/n] </source>
        <extracomment>The question on the terminal; %1 is the question, Y and n the answers, Y the default</extracomment>
        <translation>%1 [Y/n] </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>y</source>
        <extracomment>The short answer yes on the terminal (y is understood too)</extracomment>
        <translation>y</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <extracomment>The answer yes on the terminal (yes is understood too)</extracomment>
        <translation>是</translation>
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
        <translation>否</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the archive needs a password</source>
        <translation>压缩包需要密码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the archive needs a password and there is no terminal to ask on; give it with -p or --password-file</source>
        <translation>压缩包需要密码，但没有可用于询问的终端；请用 -p 或 --password-file 提供密码</translation>
    </message>
</context>
<context>
    <name>ConsoleView</name>
    <message>
        <location filename="../cli/ConsoleView.cpp" line="+80"/>
        <source>failed (error code %1)</source>
        <extracomment>The result of an entry that failed without a message; %1 is the library&apos;s number</extracomment>
        <translation>失败（错误代码 %1）</translation>
    </message>
</context>
<context>
    <name>EntryChecks</name>
    <message>
        <location filename="../engine/EntryChecks.cpp" line="+27"/>
        <source>Empty name</source>
        <translation>名称为空</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute path</source>
        <translation>绝对路径</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Control character in name</source>
        <translation>名称中含有控制字符</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name too long</source>
        <translation>名称过长</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name points outside the destination (&quot;..&quot;)</source>
        <translation>名称指向目标文件夹之外（“..”）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Empty or &quot;.&quot; part in name</source>
        <translation>名称中含有为空或为“.”的部分</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name part too long</source>
        <translation>名称中的某一部分过长</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Junction</source>
        <translation>目录联接</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown kind of link</source>
        <translation>未知的链接类型</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Device</source>
        <translation>设备文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FIFO</source>
        <translation>命名管道（FIFO）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Symbolic link</source>
        <translation>符号链接</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard link</source>
        <translation>硬链接</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Empty link target</source>
        <translation>链接目标为空</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Control character in link target</source>
        <translation>链接目标中含有控制字符</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link target too long</source>
        <translation>链接目标过长</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Link target is a Windows drive or network path</source>
        <translation>链接目标是 Windows 驱动器路径或网络路径</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Absolute link target</source>
        <translation>链接目标是绝对路径</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Link target part too long</source>
        <translation>链接目标中的某一部分过长</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Link target with &quot;..&quot; after a folder name</source>
        <translation>链接目标中的文件夹名称之后有“..”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target points outside the destination</source>
        <translation>链接目标指向目标文件夹之外</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These entries were not extracted:</source>
        <translation>以下条目未解压：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more</source>
        <extracomment>After the list of refused entries: how many more were refused</extracomment>
        <translation>……另有 %1 个</translation>
    </message>
</context>
<context>
    <name>EntryDetails</name>
    <message>
        <location filename="../engine/EntryDetails.cpp" line="+16"/>
        <source>stored</source>
        <extracomment>Compression method</extracomment>
        <translation>存储</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fastest</source>
        <extracomment>Compression method</extracomment>
        <translation>最快</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fast</source>
        <extracomment>Compression method</extracomment>
        <translation>较快</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal</source>
        <extracomment>Compression method</extracomment>
        <translation>标准</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>good</source>
        <extracomment>Compression method</extracomment>
        <translation>较好</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>best</source>
        <extracomment>Compression method</extracomment>
        <translation>最好</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 dictionary</source>
        <extracomment>The dictionary&apos;s size after the method: &quot;RAR 5, best, 32 MB dictionary&quot;</extracomment>
        <translation>%1 字典</translation>
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
        <translation>是</translation>
    </message>
</context>
<context>
    <name>EntryProperties</name>
    <message>
        <location filename="../engine/EntryProperties.cpp" line="+38"/>
        <source>Continued from an earlier volume and on the next one</source>
        <translation>接续自之前的分卷，并延续到下一分卷</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continued from an earlier volume</source>
        <translation>接续自之前的分卷</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continued on the next volume</source>
        <translation>延续到下一分卷</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>The entry is not split over volumes</extracomment>
        <translation>否</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>System %1</source>
        <extracomment>The operating system an entry was packed on, by its number</extracomment>
        <translation>系统 %1</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Folder</source>
        <extracomment>The folder the entry is in</extracomment>
        <translation>所在文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(top level)</source>
        <translation>（顶层）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder</source>
        <comment>kind of entry</comment>
        <extracomment>What the entry is: a folder, a link or a file</extracomment>
        <translation>文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size</source>
        <extracomment>The unpacked size</extracomment>
        <translation>大小</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Packed</source>
        <extracomment>The packed size</extracomment>
        <translation>压缩后大小</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ratio</source>
        <extracomment>Packed size to unpacked size, in per cent</extracomment>
        <translation>压缩率</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Accessed</source>
        <translation>访问时间</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Host system</source>
        <translation>主机系统</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Method</source>
        <extracomment>The compression method</extracomment>
        <translation>压缩方法</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dictionary</source>
        <extracomment>The compression dictionary&apos;s size</extracomment>
        <translation>字典大小</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version needed</source>
        <translation>所需版本</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Checksum</source>
        <translation>校验和</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Encrypted</source>
        <translation>已加密</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Split over volumes</source>
        <translation>跨分卷</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link target</source>
        <translation>链接目标</translation>
    </message>
</context>
<context>
    <name>ExtractHere</name>
    <message>
        <location filename="../engine/ExtractHere.cpp" line="+248"/>
        <source>Cannot make the folder %1: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason</extracomment>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <location filename="../mainwindow/ExtractHereCommand.cpp" line="+38"/>
        <source>Extracted to %1</source>
        <translation>已解压到 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not every entry was extracted; the rest is in %1</source>
        <translation>部分条目未解压；已解压的内容在 %1 中</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>ExtractRun</name>
    <message>
        <location filename="../engine/ExtractRun.cpp" line="+79"/>
        <source>File exists; kept</source>
        <translation>文件已存在，已保留</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>File(s) Exist, Replace ?</source>
        <translation>文件已存在，是否覆盖？</translation>
    </message>
    <message>
        <location line="+213"/>
        <source>No entry named %1</source>
        <translation>没有名为 %1 的条目</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <location filename="../engine/Formats.cpp" line="+156"/>
        <source>Total %1 Files </source>
        <extracomment>Status bar: how many entries are listed so far. %1 is the count with a blank in front where a minus sign could be.</extracomment>
        <translation>共%1 个文件 </translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <location filename="../engine/FreeSpace.cpp" line="+55"/>
        <source>Not enough disk space in %1: the archive unpacks to %2 bytes, only %3 bytes are free. Nothing was extracted.</source>
        <extracomment>%1 is the destination folder; %2 and %3 are numbers of bytes</extracomment>
        <translation>%1 中的磁盘空间不足：压缩包解压后为 %2 字节，但仅有 %3 字节可用。未解压任何内容。</translation>
    </message>
</context>
<context>
    <name>HelpOnHelp</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+39"/>
        <source>Using Help</source>
        <translation>使用帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;b&gt;Contents&lt;/b&gt; shows the list of topics. Click a topic to read it; links inside a topic lead to related topics.</source>
        <translation>&lt;b&gt;目录&lt;/b&gt;显示主题列表。点击某个主题即可阅读；主题中的链接指向相关主题。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Index&lt;/b&gt; lists the keywords of every topic. Type in the search field to narrow the list to the keywords that begin with what you typed, then click a keyword to open its topic.</source>
        <translation>&lt;b&gt;索引&lt;/b&gt;列出所有主题的关键词。在搜索框中输入文字，可将列表缩小为以所输入内容开头的关键词，然后点击某个关键词即可打开其主题。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close the Help window with its close button when you are done.</source>
        <translation>阅读完毕后，请用“帮助”窗口的关闭按钮将其关闭。</translation>
    </message>
</context>
<context>
    <name>LaunchHelp</name>
    <message>
        <location filename="../help/LaunchHelp.cpp" line="+55"/>
        <source>%1 Documentation is not available.</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>%1 文档不可用。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <location filename="../engine/Messages.cpp" line="+15"/>
        <location line="+37"/>
        <source>Not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>%1: archive header broken</source>
        <translation>%1：压缩包头已损坏</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not RAR archive</source>
        <translation>%1 不是 RAR 压缩包</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: the archive is encrypted and no password was given</source>
        <translation>%1：压缩包已加密，但未提供密码</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: wrong password</source>
        <translation>%1：密码错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: unknown archive format</source>
        <translation>%1：未知的压缩包格式</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: read error</source>
        <translation>%1：读取错误</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot open %1 (error code %2)</source>
        <extracomment>%1 is the archive, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>无法打开 %1（错误代码 %2）</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CRC failed in %1</source>
        <translation>%1 的 CRC 校验失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CRC failed in encrypted file (wrong password?)</source>
        <translation>加密文件的 CRC 校验失败（密码错误？）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad volume</source>
        <translation>分卷已损坏</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown archive format</source>
        <translation>未知的压缩包格式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume open error</source>
        <translation>分卷打开错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File create error</source>
        <translation>文件创建错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File close error</source>
        <translation>文件关闭错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read error</source>
        <translation>读取错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write error</source>
        <translation>写入错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is encrypted and no password was given</source>
        <translation>文件已加密，但未提供密码</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>File header broken</source>
        <translation>文件头已损坏</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The archive&apos;s headers are encrypted and no password was given</source>
        <translation>压缩包的文件头已加密，但未提供密码</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong password: the archive&apos;s headers cannot be read</source>
        <translation>密码错误：无法读取压缩包的文件头</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unexpected end of archive</source>
        <translation>压缩包意外结束</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reading the archive&apos;s file headers failed (error code %1)</source>
        <translation>读取压缩包的文件头失败（错误代码 %1）</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Test failed (error code %1)</source>
        <translation>测试失败（错误代码 %1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Extraction failed (error code %1)</source>
        <translation>解压失败（错误代码 %1）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Listing stopped at %1 (error code %2)</source>
        <extracomment>%1 is the entry&apos;s name, %2 the UnRAR library&apos;s error number</extracomment>
        <translation>列出条目时在 %1 处停止（错误代码 %2）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Begins in an earlier volume</source>
        <translation>始于之前的分卷</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Volume %1 of a set: showing the whole set from %2</source>
        <extracomment>%1 is the volume&apos;s number, %2 the file name of the set&apos;s first volume</extracomment>
        <translation>这是一组分卷中的第 %1 卷：从 %2 起显示整组分卷</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: archive comment broken</source>
        <translation>%1：压缩包注释已损坏</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No files to test</source>
        <translation>没有可测试的文件</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 in %2</source>
        <extracomment>%1 is an entry&apos;s name, %2 the archive&apos;s</extracomment>
        <translation>%2 中的 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was extracted.</source>
        <translation>UnRAR 库在读取 %1 时出错（%2）。其余内容未再解压。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was tested.</source>
        <translation>UnRAR 库在读取 %1 时出错（%2）。其余内容未再测试。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The UnRAR library failed while reading %1 (%2). Nothing more was listed.</source>
        <translation>UnRAR 库在读取 %1 时出错（%2）。其余内容未再列出。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The next volume of the archive is missing: %1</source>
        <translation>缺少压缩包的下一个分卷：%1</translation>
    </message>
</context>
<context>
    <name>ModBrowse</name>
    <message>
        <location filename="../dialogs/ModBrowse.cpp" line="+60"/>
        <source>Selected folder</source>
        <extracomment>The line under the folder chooser that shows the folder selected</extracomment>
        <translation>所选文件夹</translation>
    </message>
</context>
<context>
    <name>OpenedFiles</name>
    <message>
        <location filename="../mainwindow/OpenedFiles.cpp" line="+21"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save a Copy</source>
        <translation>保存副本</translation>
    </message>
</context>
<context>
    <name>PreviewContent</name>
    <message>
        <location filename="../mainwindow/PreviewContent.cpp" line="+130"/>
        <source>The picture is %1 × %2 pixels: too large to preview</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height</extracomment>
        <translation>图片为 %1 × %2 像素：太大，无法预览</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not a picture Marrowick can show: %1</source>
        <extracomment>%1 is the image reader&apos;s own reason</extracomment>
        <translation>不是 Marrowick 能显示的图片：%1</translation>
    </message>
</context>
<context>
    <name>PreviewLine</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+40"/>
        <source>%1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Size: %1   Packed: %2</source>
        <extracomment>An entry&apos;s sizes: unpacked, then packed</extracomment>
        <translation>大小：%1   压缩后大小：%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Modified: %1</source>
        <extracomment>%1 is the entry&apos;s date and time</extracomment>
        <translation>修改时间：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Encrypted</source>
        <extracomment>The entry needs a password</extracomment>
        <translation>已加密</translation>
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
        <translation>错误</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Details</source>
        <extracomment>The box of the error&apos;s further lines</extracomment>
        <translation>详细信息</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>&amp;Show password</source>
        <translation>显示密码(&amp;S)</translation>
    </message>
</context>
<context>
    <name>ReaderSession</name>
    <message>
        <location filename="../engine/ReaderProcess.cpp" line="+110"/>
        <source>Cannot start %1: %2</source>
        <extracomment>%1 is the reader program, %2 the system&apos;s reason</extracomment>
        <translation>无法启动 %1：%2</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+144"/>
        <source>malformed reply</source>
        <extracomment>Why the archive reader was stopped: what it sent made no sense</extracomment>
        <translation>回复格式错误</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>The UnRAR library could not be started (%1)</source>
        <extracomment>%1 says what went wrong with the archive reader</extracomment>
        <translation>无法启动 UnRAR 库（%1）</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>no answer</source>
        <extracomment>Why the archive reader was stopped: it did not answer in time</extracomment>
        <translation>无应答</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>signal %1</source>
        <extracomment>How the archive reader ended: %1 is the signal&apos;s number</extracomment>
        <translation>信号 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>exit status %1</source>
        <extracomment>How the archive reader ended: %1 is its exit status</extracomment>
        <translation>退出状态 %1</translation>
    </message>
</context>
<context>
    <name>RunCallback</name>
    <message>
        <location filename="../engine/RunCallback.cpp" line="+68"/>
        <source>Enter password for the encrypted file:</source>
        <translation>请输入加密文件的密码：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter password</source>
        <extracomment>The password dialog&apos;s title</extracomment>
        <translation>输入密码</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <location filename="../mainwindow/RunNotifier.cpp" line="+72"/>
        <source>Test of %1 finished</source>
        <extracomment>A desktop notification&apos;s summary: %1 the archive&apos;s name.</extracomment>
        <translation>%1 测试完成</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extraction of %1 finished</source>
        <translation>%1 解压完成</translation>
    </message>
</context>
<context>
    <name>RunStatus</name>
    <message>
        <location filename="../engine/RunStatus.h" line="+16"/>
        <source>Success</source>
        <extracomment>Status bar, when an extraction has put every entry in place</extracomment>
        <translation>成功</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Extracting </source>
        <extracomment>Status bar while an extraction runs (the trailing blank is part of the panel)</extracomment>
        <translation>正在解压 </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Testing </source>
        <extracomment>Status bar while a test runs (the trailing blank is part of the panel)</extracomment>
        <translation>正在测试 </translation>
    </message>
</context>
<context>
    <name>SafeWriter</name>
    <message>
        <location filename="../engine/SafeWriter.cpp" line="+65"/>
        <source>A folder on its path is a symbolic link</source>
        <translation>其路径上的某个文件夹是符号链接</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder on its path is a file</source>
        <translation>其路径上的某个文件夹是一个文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot open a folder on its path: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>无法打开其路径上的文件夹：%1</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>The destination folder cannot be opened</source>
        <translation>无法打开目标文件夹</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Copy of a file not extracted in this run</source>
        <translation>是本次未解压的文件的副本</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>More data than its stated size</source>
        <translation>数据多于其标明的大小</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+125"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="+86"/>
        <location line="+49"/>
        <location line="+29"/>
        <source>Cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Not enough disk space (its size is not stated)</source>
        <translation>磁盘空间不足（其大小未标明）</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <location line="+70"/>
        <location filename="../engine/SafeWriterLinks.cpp" line="+120"/>
        <location filename="../engine/SafeWriterTemp.cpp" line="-32"/>
        <location line="+25"/>
        <source>A folder of that name exists</source>
        <translation>已存在同名文件夹</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterLinks.cpp" line="-82"/>
        <source>Hard link to a file not extracted in this run</source>
        <translation>是指向本次未解压的文件的硬链接</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Link target cannot be read</source>
        <translation>无法读取链接目标</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cannot make the hard link: %1</source>
        <translation>无法创建硬链接：%1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot make the link: %1</source>
        <translation>无法创建链接：%1</translation>
    </message>
    <message>
        <location filename="../engine/SafeWriterTemp.cpp" line="-90"/>
        <source>Cannot create a file: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
</context>
<context>
    <name>SandboxNotice</name>
    <message>
        <location filename="../engine/SandboxNotice.cpp" line="+34"/>
        <source>its system-call filter</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>系统调用过滤器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>seccomp is not available here; the archive reader runs without its system-call filter</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>此处无法使用 seccomp；压缩包读取进程在没有系统调用过滤器的情况下运行</translation>
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
        <translation>此内核不支持 Landlock；无法阻止压缩包读取进程读取压缩包所在文件夹之外的内容</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>namespaces of its own</source>
        <extracomment>Completes &quot;The archive reader runs without %1&quot;</extracomment>
        <translation>独立的命名空间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>this kernel does not let the archive reader have user namespaces; it shares the program&apos;s PID, IPC and network namespaces</source>
        <extracomment>The About window starts it with a capital letter and ends it with a full stop</extracomment>
        <translation>此内核不允许压缩包读取进程拥有用户命名空间；它与本程序共用 PID、IPC 和网络命名空间</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1.</source>
        <extracomment>Ends a sentence of the About window with the language&apos;s full stop</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 and %2</source>
        <extracomment>Joins the missing parts of the sandbox: &quot;A and B&quot;, &quot;A and B and C&quot;</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The archive reader runs without %1 (see About)</source>
        <extracomment>Status bar; %1 names what is missing. About is the About window.</extracomment>
        <translation>压缩包读取进程未启用：%1（参见“关于”）</translation>
    </message>
</context>
<context>
    <name>WinHelpErrors</name>
    <message>
        <location filename="../help/CWinHelp.cpp" line="+73"/>
        <source>Object not properly initialized</source>
        <translation>对象未正确初始化</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid file name</source>
        <translation>无效的文件名</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid window handle</source>
        <translation>无效的窗口句柄</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Call to WinHelp failed</source>
        <translation>调用 WinHelp 失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CWinHelp component failure</source>
        <translation>CWinHelp 组件故障</translation>
    </message>
</context>
<context>
    <name>cFileDialog</name>
    <message>
        <location filename="../dialogs/cFileDialog.cpp" line="+65"/>
        <location line="+56"/>
        <location line="+40"/>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>User selected cancel.</source>
        <translation>用户选择了取消。</translation>
    </message>
</context>
<context>
    <name>marrowick::FileListModel</name>
    <message>
        <location filename="../mainwindow/FileListModel.cpp" line="+63"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Packed</source>
        <translation>压缩后</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ratio</source>
        <translation>压缩率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CRC32</source>
        <translation>CRC32</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attributes</source>
        <translation>属性</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Method</source>
        <translation>压缩方法</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encrypted</source>
        <translation>已加密</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <extracomment>What a screen reader says for the empty Encrypted cell of a file that is not encrypted</extracomment>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderBrowser</name>
    <message>
        <location filename="../mainwindow/FolderBrowser.cpp" line="+80"/>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s folders; the list shows the one chosen</source>
        <translation>压缩包中的文件夹；列表显示所选文件夹的内容</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Back</source>
        <extracomment>Go back to the folder shown before (a button with an arrow only)</extracomment>
        <translation>后退</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back (Alt+Left)</source>
        <translation>后退（Alt+左方向）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Forward</source>
        <extracomment>Go forward again after Back (a button with an arrow only)</extracomment>
        <translation>前进</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward (Alt+Right)</source>
        <translation>前进（Alt+右方向）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up</source>
        <extracomment>Go to the folder that holds this one (a button with an arrow only)</extracomment>
        <translation>向上</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Up (Backspace, Alt+Up)</source>
        <translation>向上（退格、Alt+上方向）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The folder shown; type a path and press Enter</source>
        <translation>当前显示的文件夹；输入路径后按回车键</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Location</source>
        <extracomment>The name of the field that shows the path of the folder shown</extracomment>
        <translation>位置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Filter (Ctrl+F)</source>
        <translation>筛选（Ctrl+F）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Names containing this text; * and ? as wildcards</source>
        <translation>显示名称包含此文本的条目；可用 * 和 ? 作通配符</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter</source>
        <extracomment>The name of the field that narrows the list to the names typed</extracomment>
        <translation>筛选</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>All folders</source>
        <extracomment>Check box: the filter looks in every folder below the one shown</extracomment>
        <translation>所有文件夹</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Matches</source>
        <extracomment>The label that shows how many names the filter kept</extracomment>
        <translation>匹配项</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>No folder named %1</source>
        <translation>没有名为 %1 的文件夹</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>%1 of %2</source>
        <extracomment>The filter&apos;s count: %1 names kept of the %2 looked at</extracomment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>marrowick::FolderTreeModel</name>
    <message>
        <location filename="../mainwindow/FolderTreeModel.cpp" line="+13"/>
        <source>All entries  %1</source>
        <extracomment>The folder pane&apos;s top node, the whole archive; %1 is the archive&apos;s name</extracomment>
        <translation>所有条目  %1</translation>
    </message>
</context>
<context>
    <name>marrowick::HelpViewer</name>
    <message>
        <location filename="../help/HelpViewer.cpp" line="+14"/>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+116"/>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <location line="-112"/>
        <source>Type a keyword</source>
        <translation>输入关键词</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keyword</source>
        <extracomment>The name of the field that narrows the index to a keyword</extracomment>
        <translation>关键词</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Narrows the index to the keywords that begin with the text</source>
        <translation>将索引缩小为以该文本开头的关键词</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>帮助文本</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>No keyword matches &quot;%1&quot;.</source>
        <translation>没有与“%1”匹配的关键词。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>marrowick::ImagePreview</name>
    <message>
        <location filename="../mainwindow/PreviewViews.cpp" line="+90"/>
        <source>Click to show the picture at its own size or to fit</source>
        <translation>点击可在原始大小与适应窗口之间切换</translation>
    </message>
</context>
<context>
    <name>marrowick::PreviewPane</name>
    <message>
        <location filename="../mainwindow/PreviewPane.cpp" line="+45"/>
        <source>Preview</source>
        <extracomment>The name a screen reader gives the pane beside the list</extracomment>
        <translation>预览</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Entry properties</source>
        <extracomment>The line above the preview: the entry&apos;s name, sizes and date</extracomment>
        <translation>条目属性</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+23"/>
        <source>Open</source>
        <extracomment>Button: open the previewed entry as a file</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Wrap lines</source>
        <translation>自动换行</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Decoding progress</source>
        <translation>解码进度</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter Password...</source>
        <translation>输入密码...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Text preview</source>
        <translation>文本预览</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Picture preview</source>
        <translation>图片预览</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter shows the picture at its own size or to fit</source>
        <translation>按回车键可在原始大小与适应窗口之间切换</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Hex dump</source>
        <extracomment>The preview of data that is neither text nor a picture: offsets, bytes in hexadecimal, characters</extracomment>
        <translation>十六进制转储</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Select an entry to preview it</source>
        <translation>选择一个条目即可预览</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Folder: %1, %2, %3</source>
        <extracomment>A folder&apos;s counts below it: %1 &quot;%n file(s)&quot;, %2 &quot;%n folder(s)&quot;, %3 &quot;%1 byte(s)&quot;</extracomment>
        <translation>文件夹：%1，%2，%3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pictures over %1 packed are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>压缩后超过 %1 的图片不预览</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+106"/>
        <location line="+30"/>
        <source>Encrypted: a password is needed to preview it</source>
        <translation>已加密：需要密码才能预览</translation>
    </message>
    <message>
        <location line="-132"/>
        <source>Solid archive: the entries before this one are decoded first</source>
        <translation>固实压缩包：需先解码此条目之前的条目</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading...</source>
        <translation>正在读取...</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Not found in the archive</source>
        <translation>在压缩包中未找到</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot preview: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>无法预览：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the entry is damaged</source>
        <translation>条目已损坏</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pictures over %1 are not previewed</source>
        <extracomment>%1 is a size such as &quot;64 MB&quot;</extracomment>
        <translation>超过 %1 的图片不预览</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 × %2 pixels</source>
        <extracomment>The picture&apos;s width and height</extracomment>
        <translation>%1 × %2 像素</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+6"/>
        <source>Showing the first %1</source>
        <extracomment>%1 is a size such as &quot;4 MB&quot;</extracomment>
        <translation>仅显示前 %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The password is wrong</source>
        <translation>密码错误</translation>
    </message>
</context>
<context>
    <name>marrowick::PropertiesDialog</name>
    <message>
        <location filename="../dialogs/PropertiesDialog.cpp" line="+52"/>
        <source>Copy &amp;All</source>
        <translation>全部复制(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Comment...</source>
        <translation>注释(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>marrowick::RecentArchives</name>
    <message>
        <location filename="../mainwindow/RecentArchives.cpp" line="+38"/>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>&amp;Clear List</source>
        <translation>清除列表(&amp;C)</translation>
    </message>
</context>
<context>
    <name>marrowick::fComment</name>
    <message>
        <location filename="../dialogs/fComment.cpp" line="+25"/>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Comments</source>
        <extracomment>The title of the window that shows an archive&apos;s comment</extracomment>
        <translation>注释</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
</context>
<context>
    <name>marrowick::fMain</name>
    <message>
        <location filename="../mainwindow/EntryActions.cpp" line="+47"/>
        <source>Select the entries to extract</source>
        <translation>请选择要解压的条目</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 was changed after it was opened. Save a copy?</source>
        <translation>%1 在打开后已被修改。是否保存副本？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save a copy to %1</source>
        <translation>无法将副本保存到 %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Not opened: %1 is a folder</source>
        <translation>未打开：%1 是文件夹</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Not opened: no temporary folder</source>
        <translation>未打开：没有临时文件夹</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Not opened: %1 was not extracted</source>
        <translation>未打开：%1 未能解压</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+41"/>
        <source>Not opened: %1</source>
        <translation>未打开：%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../mainwindow/NestedArchive.cpp" line="+6"/>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No application opens %1</source>
        <translation>没有可打开 %1 的应用程序</translation>
    </message>
    <message>
        <location filename="../mainwindow/ListBrowsing.cpp" line="+59"/>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Files</source>
        <extracomment>The name a screen reader gives the list of the archive&apos;s entries</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The archive&apos;s entries, one row each</source>
        <translation>压缩包中的条目，每行一个</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Columns</source>
        <extracomment>The name a screen reader gives the list&apos;s row of column titles</extracomment>
        <translation>列标题</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Folders</source>
        <translation>文件夹(&amp;F)</translation>
    </message>
    <message>
        <location filename="../mainwindow/MainCommands.cpp" line="+43"/>
        <source>Ready </source>
        <extracomment>The activity after Close; it ends in a blank.</extracomment>
        <translation>就绪 </translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../mainwindow/fMain.cpp" line="+352"/>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Extract Archive to ...</source>
        <translation>将压缩包解压到...</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;Name</source>
        <extracomment>View &gt; Sort By&apos;s items: the list&apos;s columns.</extracomment>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Size</source>
        <translation>大小(&amp;S)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Packed</source>
        <translation>压缩后大小(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Ratio</source>
        <translation>压缩率(&amp;R)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;CRC32</source>
        <translation>CRC32(&amp;C)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Modified</source>
        <translation>修改时间(&amp;M)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Attributes</source>
        <translation>属性(&amp;A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>M&amp;ethod</source>
        <translation>压缩方法(&amp;E)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Encr&amp;ypted</source>
        <translation>已加密(&amp;Y)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sort By</source>
        <translation>排序方式(&amp;S)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Columns</source>
        <extracomment>View &gt; Columns: which of the optional columns the list shows.</extracomment>
        <translation>列(&amp;C)</translation>
    </message>
    <message>
        <location filename="../mainwindow/PreviewCommand.cpp" line="+26"/>
        <source>Enter password for the encrypted file:</source>
        <translation>请输入加密文件的密码：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Preview</source>
        <translation>预览(&amp;P)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location filename="../mainwindow/PropertiesCommand.cpp" line="+28"/>
        <location line="+6"/>
        <source>&amp;Properties	Alt+Enter</source>
        <extracomment>A menu item; the key after the tab is shown beside it.</extracomment>
        <translation>属性(&amp;P)	Alt+回车</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Properties of the archive (Alt+Enter)</source>
        <translation>压缩包属性（Alt+回车）</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+28"/>
        <source>%1 - Properties</source>
        <extracomment>A properties window&apos;s title: %1 the archive&apos;s or entry&apos;s name.</extracomment>
        <translation>%1 - 属性</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n 个条目</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../mainwindow/RunDisplay.cpp" line="+37"/>
        <source>Encryption</source>
        <extracomment>The status bar panel that shows whether entries are encrypted.</extracomment>
        <translation>加密</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Activity</source>
        <extracomment>The status bar panel that says what the window is doing.</extracomment>
        <translation>活动</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Totals</source>
        <extracomment>The status bar panel with the archive&apos;s or the run&apos;s totals.</extracomment>
        <translation>合计</translation>
    </message>
    <message>
        <location line="+11"/>
        <location filename="../mainwindow/fMain.cpp" line="-2"/>
        <source>Encrypted</source>
        <extracomment>The encryption indicator of the status bar (hidden until needed).</extracomment>
        <translation>已加密</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Progress of the running operation</source>
        <translation>当前操作的进度</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Stop the running operation (Esc)</source>
        <translation>停止当前操作（Esc）</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1: %2</source>
        <extracomment>An entry that was not written: %1 its name, %2 why.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Sandbox incomplete</source>
        <translation>沙箱不完整</translation>
    </message>
    <message>
        <location filename="../mainwindow/fMain.cpp" line="-214"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Archive...</source>
        <translation>打开压缩包(&amp;O)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close Archive...</source>
        <translation>关闭压缩包(&amp;C)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Actions</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Extract</source>
        <translation>解压(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Test</source>
        <translation>测试(&amp;T)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Extract &amp;Links</source>
        <translation>解压链接(&amp;L)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <extracomment>The Help menu&apos;s title.</extracomment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> &amp;Help</source>
        <extracomment>The Help menu&apos;s item that opens the help file; it begins with a blank.</extracomment>
        <translation> 帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open</source>
        <extracomment>The row menu&apos;s item that opens the entry in its application.</extracomment>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Extract &amp;Selected To...</source>
        <translation>将所选条目解压到(&amp;S)...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Extract &amp;Here</source>
        <translation>解压到此处(&amp;H)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>open RAR archive</source>
        <translation>打开 RAR 压缩包</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Extract to</source>
        <translation>解压到</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Extract Files</source>
        <translation>解压文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test archived file</source>
        <translation>测试压缩包中的文件</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Entries</source>
        <extracomment>What a screen reader calls the list of the archive&apos;s entries.</extracomment>
        <translation>条目</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Padlock</source>
        <extracomment>The picture beside the status bar&apos;s encryption indicator.</extracomment>
        <translation>挂锁</translation>
    </message>
</context>
<context>
    <name>marrowick::frmAbout</name>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+30"/>
        <source>About</source>
        <extracomment>The title of the About window</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Click here to Visit Marrowick Website</source>
        <translation>点击此处访问 Marrowick 网站</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Copyright © 2026 the Marrowick developers.</source>
        <translation>版权所有 © 2026 Marrowick 开发者。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UnRAR library © Alexander Roshal, RARLAB</source>
        <translation>UnRAR 库 © Alexander Roshal, RARLAB</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../mainwindow/modMain.cpp" line="-21"/>
        <source>Error no.%1
%2</source>
        <extracomment>An error raised by a part of the program: %1 its number, %2 what it says.</extracomment>
        <translation>错误号 %1
%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Select an Archive file...</source>
        <translation>选择压缩包文件...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAR Archive Files (*.rar)|*.rar</source>
        <extracomment>The open dialog&apos;s filter: a description, &quot;|&quot;, then the pattern.</extracomment>
        <translation>RAR 压缩包文件 (*.rar)|*.rar</translation>
    </message>
</context>
<context>
    <name>modRAR</name>
    <message>
        <location filename="../engine/modRAR.cpp" line="+247"/>
        <source>No errors found during test operation</source>
        <translation>测试过程中未发现错误</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>ENCRYPTED</source>
        <extracomment>Status bar: the archive has encrypted entries or headers</extracomment>
        <translation>已加密</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ready</source>
        <extracomment>Status bar, when nothing runs</extracomment>
        <translation>就绪</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Processing</source>
        <extracomment>Status bar while the archive is listed</extracomment>
        <translation>正在处理</translation>
    </message>
</context>
</TS>
