#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace marrowick {

class IUserPrompts;

// The text for a failed open of the archive; every code has one (a failure
// is never silent), except a cancelled run's. archiveName is the path exactly
// as the caller gave it.
std::optional<QString> OpenErrorText(std::int32_t code, const QString& archiveName);

// The text for a failed entry (extract, test or skip), or nothing. Bad data
// is blamed on a password only for an encrypted entry; otherwise the text
// names the entry whose data is damaged.
std::optional<QString> ProcessErrorText(std::int32_t code, const QString& entry, bool encrypted);

// The same with a text for every code: what failed, in which mode, and the
// library's number where there is no better word for it.
QString EntryFailureText(std::int32_t mode, std::int32_t code, const QString& entry,
                         bool encrypted);

// An entry that started in a volume before the one the run began with: its
// data cannot be checked or written from here.
QString BeginsEarlierText();

// A run given a later volume of a set that starts from the first one.
QString VolumeSetText(int volume, const QString& firstVolume);

// The archive comment is there but its data is damaged.
QString CommentBrokenText(const QString& archiveName);

// A test that found no entry to test.
QString NoFilesToTestText();

// The text for a header read that ended the walk, or nothing for the normal
// end of the archive (and for 0, which does not end it).
std::optional<QString> HeaderErrorText(std::int32_t code);

// The text for a multi-volume set whose next volume is not there; the
// name is the path the library looked for.
QString MissingVolumeText(const QString& volume);

// The archive reader failed (crashed, or broke off): what was being read and
// why, and that the run stopped there. mode is OP_LIST, OP_EXTRACT or OP_TEST.
QString ReaderFailureText(std::int32_t mode, const QString& archiveName, const QString& entry,
                          const QString& reason);

// The error box: the text, a critical icon, OK, title "Error".
void ShowErrorBox(IUserPrompts& prompts, const QString& text);
// Show the open or entry text for the code, when the table has one.
void ShowOpenError(IUserPrompts& prompts, std::int32_t code, const QString& archiveName);
void ShowProcessError(IUserPrompts& prompts, std::int32_t code, const QString& entry,
                      bool encrypted);
// The comment window, modal, until the user closes it.
void ShowArchiveComment(IUserPrompts& prompts, const QString& comment);

} // namespace marrowick
