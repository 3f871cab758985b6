#include "engine/Messages.h"

#include "engine/UnrarLibrary.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

namespace marrowick {

std::optional<QString> OpenErrorText(std::int32_t code, const QString& archiveName)
{
    switch (code) {
    case ERAR_NO_MEMORY:
        return QStringLiteral("Not enough memory");
    case ERAR_BAD_DATA:
        return archiveName + QStringLiteral(": archive header broken");
    case ERAR_BAD_ARCHIVE:
        return archiveName + QStringLiteral(" is not RAR archive");
    case ERAR_EOPEN:
        return QStringLiteral("Cannot open ") + archiveName;
    case ERAR_MISSING_PASSWORD:
        return archiveName + QStringLiteral(": the archive is encrypted and no password was given");
    case ERAR_BAD_PASSWORD:
        return archiveName + QStringLiteral(": wrong password");
    case ERAR_UNKNOWN_FORMAT:
        return archiveName + QStringLiteral(": unknown archive format");
    case ERAR_EREAD:
        return archiveName + QStringLiteral(": read error");
    case ERAR_READER_CANCELLED:
        return std::nullopt;
    default:
        return QStringLiteral("Cannot open %1 (error code %2)").arg(archiveName).arg(code);
    }
}

std::optional<QString> ProcessErrorText(std::int32_t code, const QString& entry, bool encrypted)
{
    switch (code) {
    case ERAR_BAD_DATA:
        if (!encrypted)
            return QStringLiteral("CRC failed in ") + entry;
        return QStringLiteral("CRC failed in encrypted file (wrong password?)");
    case ERAR_NO_MEMORY:
        return QStringLiteral("Not enough memory");
    case ERAR_BAD_ARCHIVE:
        return QStringLiteral("Bad volume");
    case ERAR_UNKNOWN_FORMAT:
        return QStringLiteral("Unknown archive format");
    case ERAR_EOPEN:
        return QStringLiteral("Volume open error");
    case ERAR_ECREATE:
        return QStringLiteral("File create error");
    case ERAR_ECLOSE:
        return QStringLiteral("File close error");
    case ERAR_EREAD:
        return QStringLiteral("Read error");
    case ERAR_EWRITE:
        return QStringLiteral("Write error");
    case ERAR_MISSING_PASSWORD:
        return QStringLiteral("The file is encrypted and no password was given");
    case ERAR_BAD_PASSWORD:
        return QStringLiteral("Wrong password");
    default:
        return std::nullopt;
    }
}

std::optional<QString> HeaderErrorText(std::int32_t code)
{
    switch (code) {
    case ERAR_SUCCESS:
    case ERAR_END_ARCHIVE:
        return std::nullopt;
    case ERAR_BAD_DATA:
        return QStringLiteral("File header broken");
    case ERAR_MISSING_PASSWORD:
        return QStringLiteral("The archive's headers are encrypted and no password was given");
    case ERAR_BAD_PASSWORD:
        return QStringLiteral("Wrong password: the archive's headers cannot be read");
    case ERAR_ARCHIVE_CUT:
        return QStringLiteral("Unexpected end of archive");
    default:
        // Anything else also cut the listing short: say so rather than let a
        // partial list pass for the whole archive.
        return QStringLiteral("Reading the archive's file headers failed (error code %1)").arg(code);
    }
}

QString EntryFailureText(std::int32_t mode, std::int32_t code, const QString& entry,
                         bool encrypted)
{
    if (const auto text = ProcessErrorText(code, entry, encrypted))
        return *text;
    const QString failed = mode == OP_TEST      ? QStringLiteral("Test failed")
                           : mode == OP_EXTRACT ? QStringLiteral("Extraction failed")
                                                : QStringLiteral("Listing stopped at ") + entry;
    return failed + QStringLiteral(" (error code %1)").arg(code);
}

QString BeginsEarlierText()
{
    return QStringLiteral("Begins in an earlier volume");
}

QString VolumeSetText(int volume, const QString& firstVolume)
{
    return QStringLiteral("Volume %1 of a set: showing the whole set from %2")
        .arg(volume)
        .arg(firstVolume);
}

QString CommentBrokenText(const QString& archiveName)
{
    return archiveName + QStringLiteral(": archive comment broken");
}

QString NoFilesToTestText()
{
    return QStringLiteral("No files to test");
}

QString ReaderFailureText(std::int32_t mode, const QString& archiveName, const QString& entry,
                          const QString& reason)
{
    const QString what = entry.isEmpty() ? archiveName : entry + QStringLiteral(" in ") + archiveName;
    const QString nothingMore = mode == OP_EXTRACT ? QStringLiteral("extracted")
                                : mode == OP_TEST  ? QStringLiteral("tested")
                                                   : QStringLiteral("listed");
    return QStringLiteral("The UnRAR library failed while reading %1 (%2). Nothing more was %3.")
        .arg(what, reason, nothingMore);
}

QString MissingVolumeText(const QString& volume)
{
    return QStringLiteral("The next volume of the archive is missing: ") + volume;
}

void ShowErrorBox(IUserPrompts& prompts, const QString& text)
{
    prompts.showErrorBox(text);
}

void ShowOpenError(IUserPrompts& prompts, std::int32_t code, const QString& archiveName)
{
    if (const auto text = OpenErrorText(code, archiveName))
        ShowErrorBox(prompts, *text);
}

void ShowProcessError(IUserPrompts& prompts, std::int32_t code, const QString& entry,
                      bool encrypted)
{
    if (const auto text = ProcessErrorText(code, entry, encrypted))
        ShowErrorBox(prompts, *text);
}

void ShowArchiveComment(IUserPrompts& prompts, const QString& comment)
{
    prompts.showComment(comment);
}

} // namespace marrowick
