#include "engine/Messages.h"

#include "engine/UnrarLibrary.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

#include <QCoreApplication>

namespace marrowick {

std::optional<QString> OpenErrorText(std::int32_t code, const QString& archiveName)
{
    switch (code) {
    case ERAR_NO_MEMORY:
        return QCoreApplication::translate("Messages", "Not enough memory");
    case ERAR_BAD_DATA:
        return QCoreApplication::translate("Messages", "%1: archive header broken")
            .arg(archiveName);
    case ERAR_BAD_ARCHIVE:
        return QCoreApplication::translate("Messages", "%1 is not RAR archive").arg(archiveName);
    case ERAR_EOPEN:
        return QCoreApplication::translate("Messages", "Cannot open %1").arg(archiveName);
    case ERAR_MISSING_PASSWORD:
        return QCoreApplication::translate("Messages",
                                           "%1: the archive is encrypted and no password was given")
            .arg(archiveName);
    case ERAR_BAD_PASSWORD:
        return QCoreApplication::translate("Messages", "%1: wrong password").arg(archiveName);
    case ERAR_UNKNOWN_FORMAT:
        return QCoreApplication::translate("Messages", "%1: unknown archive format")
            .arg(archiveName);
    case ERAR_EREAD:
        return QCoreApplication::translate("Messages", "%1: read error").arg(archiveName);
    case ERAR_READER_CANCELLED:
        return std::nullopt;
    default:
        //: %1 is the archive, %2 the UnRAR library's error number
        return QCoreApplication::translate("Messages", "Cannot open %1 (error code %2)")
            .arg(archiveName, QString::number(code));
    }
}

std::optional<QString> ProcessErrorText(std::int32_t code, const QString& entry, bool encrypted)
{
    switch (code) {
    case ERAR_BAD_DATA:
        if (!encrypted)
            return QCoreApplication::translate("Messages", "CRC failed in %1").arg(entry);
        return QCoreApplication::translate("Messages",
                                           "CRC failed in encrypted file (wrong password?)");
    case ERAR_NO_MEMORY:
        return QCoreApplication::translate("Messages", "Not enough memory");
    case ERAR_BAD_ARCHIVE:
        return QCoreApplication::translate("Messages", "Bad volume");
    case ERAR_UNKNOWN_FORMAT:
        return QCoreApplication::translate("Messages", "Unknown archive format");
    case ERAR_EOPEN:
        return QCoreApplication::translate("Messages", "Volume open error");
    case ERAR_ECREATE:
        return QCoreApplication::translate("Messages", "File create error");
    case ERAR_ECLOSE:
        return QCoreApplication::translate("Messages", "File close error");
    case ERAR_EREAD:
        return QCoreApplication::translate("Messages", "Read error");
    case ERAR_EWRITE:
        return QCoreApplication::translate("Messages", "Write error");
    case ERAR_MISSING_PASSWORD:
        return QCoreApplication::translate("Messages",
                                           "The file is encrypted and no password was given");
    case ERAR_BAD_PASSWORD:
        return QCoreApplication::translate("Messages", "Wrong password");
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
        return QCoreApplication::translate("Messages", "File header broken");
    case ERAR_MISSING_PASSWORD:
        return QCoreApplication::translate(
            "Messages", "The archive's headers are encrypted and no password was given");
    case ERAR_BAD_PASSWORD:
        return QCoreApplication::translate("Messages",
                                           "Wrong password: the archive's headers cannot be read");
    case ERAR_ARCHIVE_CUT:
        return QCoreApplication::translate("Messages", "Unexpected end of archive");
    default:
        // Anything else also cut the listing short: say so rather than let a
        // partial list pass for the whole archive.
        return QCoreApplication::translate(
                   "Messages", "Reading the archive's file headers failed (error code %1)")
            .arg(code);
    }
}

QString EntryFailureText(std::int32_t mode, std::int32_t code, const QString& entry,
                         bool encrypted)
{
    if (const auto text = ProcessErrorText(code, entry, encrypted))
        return *text;
    // The number is the UnRAR library's error code.
    if (mode == OP_TEST)
        return QCoreApplication::translate("Messages", "Test failed (error code %1)").arg(code);
    if (mode == OP_EXTRACT)
        return QCoreApplication::translate("Messages", "Extraction failed (error code %1)")
            .arg(code);
    //: %1 is the entry's name, %2 the UnRAR library's error number
    return QCoreApplication::translate("Messages", "Listing stopped at %1 (error code %2)")
        .arg(entry, QString::number(code));
}

QString BeginsEarlierText()
{
    return QCoreApplication::translate("Messages", "Begins in an earlier volume");
}

QString VolumeSetText(int volume, const QString& firstVolume)
{
    //: %1 is the volume's number, %2 the file name of the set's first volume
    return QCoreApplication::translate("Messages",
                                       "Volume %1 of a set: showing the whole set from %2")
        .arg(QString::number(volume), firstVolume);
}

QString CommentBrokenText(const QString& archiveName)
{
    return QCoreApplication::translate("Messages", "%1: archive comment broken").arg(archiveName);
}

QString NoFilesToTestText()
{
    return QCoreApplication::translate("Messages", "No files to test");
}

QString ReaderFailureText(std::int32_t mode, const QString& archiveName, const QString& entry,
                          const QString& reason)
{
    const QString what =
        entry.isEmpty()
            ? archiveName
            //: %1 is an entry's name, %2 the archive's
            : QCoreApplication::translate("Messages", "%1 in %2").arg(entry, archiveName);
    // %1 is the archive, or the entry in it; %2 why the reader stopped.
    if (mode == OP_EXTRACT)
        return QCoreApplication::translate(
                   "Messages",
                   "The UnRAR library failed while reading %1 (%2). Nothing more was extracted.")
            .arg(what, reason);
    if (mode == OP_TEST)
        return QCoreApplication::translate(
                   "Messages",
                   "The UnRAR library failed while reading %1 (%2). Nothing more was tested.")
            .arg(what, reason);
    return QCoreApplication::translate(
               "Messages",
               "The UnRAR library failed while reading %1 (%2). Nothing more was listed.")
        .arg(what, reason);
}

QString MissingVolumeText(const QString& volume)
{
    return QCoreApplication::translate("Messages", "The next volume of the archive is missing: %1")
        .arg(volume);
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
