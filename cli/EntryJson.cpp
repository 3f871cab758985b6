#include "cli/EntryJson.h"

#include "cli/Utf8Text.h"
#include "engine/EntryDetails.h"
#include "engine/EntryProperties.h"

namespace marrowick::cli {

void AppendChecksumJson(std::string& out, const FileRow& row)
{
    if (const EntryExtras* extras = row.extras.get(); extras && extras->hasBlake2) {
        out += "\"blake2sp\":\"";
        AppendUtf8(out, Blake2Hex(row));
        out += '"';
        return;
    }
    out += "\"crc32\":\"";
    AppendHex(out, row.crc, 8);
    out += '"';
}

void AppendEntryJsonFields(std::string& out, const FileRow& row)
{
    if (const EntryExtras* extras = row.extras.get()) {
        if (extras->ctime != 0) {
            out += ",\"ctime\":\"";
            AppendUtf8(out, FileTimeIso(extras->ctime));
            out += '"';
        }
        if (extras->atime != 0) {
            out += ",\"atime\":\"";
            AppendUtf8(out, FileTimeIso(extras->atime));
            out += '"';
        }
    }
    out += ",\"attributes\":";
    AppendJsonString(out, FormatAttributes(row));
    out += ",\"host_os\":";
    AppendJsonString(out, HostSystemName(row.hostOs));
    const QString method = MethodName(row.method);
    const bool packed = !row.isFolder && !method.isEmpty();
    out += ",\"method\":";
    if (packed)
        AppendJsonString(out, method);
    else
        out += "null";
    // In bytes; a stored entry needs none.
    out += ",\"dictionary\":";
    if (packed && row.method != 0x30 && row.dictionaryLog != 0)
        AppendDecimal(out, (1ULL << row.dictionaryLog) * 1024);
    else
        out += "null";
    if (!row.linkTarget.isEmpty() || row.isLink) {
        out += ",\"link_target\":";
        AppendJsonString(out, row.linkTarget);
    }
}

} // namespace marrowick::cli
