#pragma once

#include <QString>

namespace marrowick {

struct RunContext;

// Where "Extract Here" puts an archive's content, beside the archive.
enum class HereMode
{
    // A new folder named after the archive, unless the archive holds exactly
    // one top-level entry (one file, or one folder with everything below it):
    // that entry lands beside the archive itself.
    Smart,
    // Always a new folder named after the archive.
    Subfolder,
};

// The top level of an archive as its listing shows it.
class TopLevel final
{
public:
    void add(const QString& entryName, bool isFolder);
    // The one name every entry starts with; empty when there are several,
    // none, or a name that is not a plain one (absolute, "." or "..").
    QString single() const { return m_several ? QString() : m_name; }
    bool singleIsFolder() const { return m_isFolder; }

private:
    QString m_name;
    bool m_isFolder = false;
    bool m_several = false;
};

// The folder name made from the archive's: without ".rar" and, for a volume
// set, without ".partN" ("photos.part01.rar" gives "photos"). Another ending
// loses its last extension; a name that would be empty stays whole.
QString ArchiveStem(const QString& archivePath);

// The first of name, "name (2)", "name (3)", ... that nothing in folder has
// (a dangling link counts). A file keeps its extension: "notes (2).txt".
QString FreeName(const QString& folder, const QString& name, bool isFile);

// The destination, decided from the listing before anything is written.
struct HerePlan
{
    QString parent;       // the archive's folder, with a trailing "/"
    QString name;         // what appears there, a name nothing had
    bool newFolder = true; // true: a folder made for the whole content
    QString entry;        // otherwise: the one top-level entry, written as name
    bool entryIsFolder = false;
};
// complete: the listing reached the archive's end without an error; an
// archive not fully known always gets a new folder.
HerePlan PlanExtractHere(const QString& archivePath, const TopLevel& top, bool complete,
                         HereMode mode);

struct HereResult
{
    // Where the files went: the folder made, or the one entry beside the
    // archive; empty when nothing was written (a folder left empty by a
    // failed run is removed again).
    QString landed;
    // Every entry written: the run ended in "Success".
    bool passed = false;
    // Nothing was tried: the user cancelled the listing or its password.
    bool cancelled = false;
};

// Lists the archive, decides where its content goes, makes that folder (never
// one that exists: a name taken meanwhile moves on to the next number) and
// extracts every entry there through ProcessArchive. context gives the view,
// the prompts, the library and the overwrite policy; its folder and selection
// are not used. The listing fills no rows of the view.
HereResult ExtractHere(const QString& archivePath, QString& password, const RunContext& context,
                       HereMode mode = HereMode::Smart);

} // namespace marrowick
