#include "engine/modRAR.h"

#include "engine/ArchiveView.h"
#include "engine/ExtractRun.h"
#include "engine/Formats.h"
#include "engine/HeaderFields.h"
#include "engine/Messages.h"
#include "engine/OpenArchive.h"
#include "engine/RunCallback.h"
#include "engine/RunPacer.h"
#include "engine/RunStatus.h"
#include "engine/SandboxNotice.h"
#include "engine/UnrarLibrary.h"
#include "engine/UserPrompts.h"
#include "engine/VolumeNames.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace marrowick {

namespace {

constexpr unsigned int kCommentBufferSize = 16384;
constexpr int kLockPanel = 1;
constexpr int kTotalsPanel = 3;
// RedirName of the header record: the target of a link or file copy.
constexpr std::size_t kRedirNameSize = 1024;
constexpr std::int64_t kRowsPerClockCheck = 32;
constexpr auto kRowInterval = std::chrono::milliseconds(100);
constexpr std::size_t kMostRowsHeld = 65536;

QString ProductName()
{
    return QStringLiteral("Marrowick");
}

// Keeps runStarted/runFinished paired whatever way the run ends.
class RunBracket final
{
public:
    explicit RunBracket(IArchiveView& view) : m_view(view) { m_view.runStarted(); }
    ~RunBracket() { m_view.runFinished(); }
    RunBracket(const RunBracket&) = delete;
    RunBracket& operator=(const RunBracket&) = delete;

private:
    IArchiveView& m_view;
};

class ArchiveRun final
{
public:
    ArchiveRun(std::int32_t mode, const QString& archivePath, QString& password,
               RunContext& context, const UnrarApi& api)
        : m_mode(mode), m_archivePath(archivePath), m_context(context), m_view(context.view),
          m_api(api), m_callback(context, password), m_status(context.view)
    {
    }

    RunOutcome run()
    {
        // The wide buffer: the 8-bit one is converted by the library with the C
        // locale, which drops every non-ASCII character when it is not UTF-8.
        std::vector<wchar_t> comment(kCommentBufferSize, L' ');
        RAROpenArchiveDataEx open;
        OpenArchive archive(m_api, openAt(m_archivePath, open, comment));
        if (!archive.handle() || open.OpenResult != ERAR_SUCCESS) {
            if (!m_callback.readerFailure().isEmpty())
                showReaderFailure();
            else if (!m_callback.passwordCancelled())
                ShowOpenError(m_context.prompts, static_cast<std::int32_t>(open.OpenResult),
                              m_archivePath);
            return m_outcome;
        }
        m_outcome.opened = true;
        m_outcome.openFlags = open.Flags;
        if ((open.Flags & ROADF_VOLUME) && !startFromFirstVolume(archive, open, comment)) {
            // The given volume opened once and not the second time.
            ShowOpenError(m_context.prompts, static_cast<std::int32_t>(open.OpenResult),
                          m_archivePath);
            return m_outcome;
        }

        // Extractions and tests stream the entries: a run over some entries
        // has the reader pass over the others itself, and the few the writer
        // turns down are dropped as they come. A run from a later volume
        // takes its first entry, which may have begun in a volume not there,
        // apart: its entries are chosen one by one.
        if (!m_fromLaterVolume && m_mode != OP_LIST) {
            m_callback.planEveryEntry(m_mode == OP_TEST ? RAR_TEST : RAR_EXTRACT);
            m_callback.planSelection(EntrySelection::Names(m_context.selection));
        }
        m_api.RARSetCallback(archive.handle(), &UnrarCallback, m_callback.userData());
        m_handle = archive.handle();
        if (const QString notice = TakeSandboxNotice(); !notice.isEmpty())
            m_view.sandboxIncomplete(notice);

        std::unique_ptr<ExtractRun> work;
        if (m_mode != OP_LIST)
            work = std::make_unique<ExtractRun>(m_mode, m_path, m_context, m_api,
                                                m_callback, m_status, m_pacer);

        // Entries that stand alone may be shared among several readers.
        if (work)
            m_callback.planReaders(work->readersFor(
                !(open.Flags & (ROADF_SOLID | ROADF_VOLUME)) && !m_fromLaterVolume));

        // One zeroed record for the whole run (14 KB: not on the stack of a
        // callback-heavy call chain).
        auto header = std::make_unique<RARHeaderDataEx>();
        std::memset(header.get(), 0, sizeof(RARHeaderDataEx));
        std::vector<wchar_t> redirName(kRedirNameSize, L'\0');
        header->RedirName = redirName.data();
        header->RedirNameSize = kRedirNameSize;
        int headerResult = readHeader(*header);

        m_view.showWindow();
        if (open.Flags & ROADF_ENCHEADERS)
            showEncrypted();
        if (m_mode == OP_LIST)
            m_view.clearRows();
        // No to the overwrite question: the archive is closed, nothing written.
        if (work && !work->prepare())
            return m_outcome;

        bool stopped = false;
        while (headerResult == ERAR_SUCCESS) {
            // A listed entry takes a microsecond or two: the clock is read
            // for every few dozen of them (a wait for the reader lets events
            // run on its own).
            if ((work || m_headers % kRowsPerClockCheck == 0) && m_pacer.due()) {
                // The rows go to the window a few times a second: each
                // batch has the list laid out and painted again.
                if (m_rowPacer.due() || m_rows.size() >= kMostRowsHeld)
                    flushRows();
                m_view.repaint();
                m_view.processEvents();
                if (work)
                    work->reportProgress();
            }
            FileRow row = RowFromHeader(*header);
            if (row.isEncrypted)
                showEncrypted();
            m_inFlight = row.name;
            // Only the first entry of a volume can have begun in the one
            // before; further on, an entry split before is the rest of one
            // passed over, met again in the next volume.
            if (header->Flags & RHDF_SPLITBEFORE) {
                if (m_headers > 1) {
                    if (!passOverContinuation()) {
                        stopped = true;
                        break;
                    }
                    headerResult = readHeader(*header);
                    continue;
                }
                row.beginsEarlier = true;
            }

            if (work) {
                // A failed entry does not stop the others; only a cancel, a
                // cancelled password prompt or a missing volume does.
                if (!work->process(m_handle, *header, row)) {
                    stopped = true;
                    break;
                }
            } else {
                const bool encrypted = row.isEncrypted;
                const int processResult = listEntry(std::move(row));
                if (processResult == ERAR_READER_FAILED || processResult == ERAR_READER_CANCELLED ||
                    m_view.cancelRequested()) {
                    stopped = true;
                    break;
                }
                if (processResult != ERAR_SUCCESS) {
                    flushRows();
                    ShowErrorBox(m_context.prompts, EntryFailureText(OP_LIST, processResult,
                                                                     m_inFlight, encrypted));
                    m_status.set(m_ready);
                    return m_outcome;
                }
                m_status.set(m_processing);
            }
            m_inFlight.clear();
            headerResult = readHeader(*header);
        }
        flushRows();

        m_status.set(m_outcome.volumeSet.isEmpty() ? m_ready : m_outcome.volumeSet);
        if (!m_callback.readerFailure().isEmpty()) {
            showReaderFailure();
            if (work)
                work->reportRefusals();
            return m_outcome;
        }
        if (!m_callback.missingVolume().isEmpty()) {
            ShowErrorBox(m_context.prompts, MissingVolumeText(m_callback.missingVolume()));
            if (work)
                work->reportRefusals();
            return m_outcome;
        }
        // Cancelled by the user: nothing more to say.
        if (stopped || headerResult == ERAR_READER_CANCELLED)
            return m_outcome;
        if (open.CmtState == 1)
            m_outcome.comment = WideField(comment.data(), comment.size());
        if (m_mode == OP_LIST && open.CmtState == 1)
            ShowArchiveComment(m_context.prompts, m_outcome.comment);
        // The library says there is a comment and gives none: its data failed
        // its check (`unrar t` fails such an archive too). After a broken
        // header the library may not have found it at all: that was said.
        const bool commentBroken = (open.Flags & ROADF_COMMENT) && open.CmtState == 0 &&
                                   headerResult == ERAR_END_ARCHIVE;
        if (commentBroken)
            ShowErrorBox(m_context.prompts, CommentBrokenText(m_archivePath));
        if (!m_callback.passwordCancelled()) {
            if (const auto text = HeaderErrorText(headerResult)) {
                // A cut archive also says so where the user looks last.
                if (headerResult == ERAR_ARCHIVE_CUT)
                    m_status.set(*text);
                ShowErrorBox(m_context.prompts, *text);
            }
        }
        if (work)
            work->reportOutcome(headerResult);
        // A test leaves the title as it was.
        if (m_mode != OP_TEST)
            m_view.setTitle((m_outcome.volumeSet.isEmpty() ? QString::fromStdWString(m_arcName)
                                                           : m_outcome.volumeSet) +
                            QStringLiteral(" - ") + ProductName());
        archive.close();
        if (m_mode != OP_TEST && m_view.rowCount() > 0)
            m_view.showIconsForFiles();
        if (work && !commentBroken && work->allPassed(headerResult)) {
            m_context.passed = true;
            if (m_mode == OP_EXTRACT)
                m_status.set(SuccessText());
            else
                m_context.prompts.showInformation(
                    QCoreApplication::translate("modRAR", "No errors found during test operation"),
                    ProductName());
        } else if (work && m_mode == OP_TEST && work->testedNothing(headerResult)) {
            m_context.prompts.showInformation(NoFilesToTestText(), ProductName());
        }
        return m_outcome;
    }

private:
    RarHandle openAt(const QString& path, RAROpenArchiveDataEx& open, std::vector<wchar_t>& comment)
    {
        m_widePath = path.toStdWString();
        std::memset(&open, 0, sizeof open);
        open.ArcNameW = const_cast<wchar_t*>(m_widePath.c_str());
        // Listed with the entries continued from an earlier volume: the
        // first of a later volume is shown, the rest passed over.
        open.OpenMode = m_mode == OP_LIST ? RAR_OM_LIST_INCSPLIT : RAR_OM_EXTRACT;
        open.CmtBufW = comment.data();
        open.CmtBufSize = static_cast<unsigned int>(comment.size());
        // Installed before the open: encrypted headers ask for the password there.
        open.Callback = &UnrarCallback;
        open.UserData = m_callback.userData();
        m_path = path;
        return m_api.RAROpenArchiveEx(&open);
    }

    // Given a later volume: the whole set from its first volume when that
    // one is there (and opens as the first of a set); otherwise this volume
    // alone. The library calls a volume "first" also when no entry in it
    // began earlier, so the place comes from the name. False when the given
    // volume could not be opened again.
    bool startFromFirstVolume(OpenArchive& archive, RAROpenArchiveDataEx& open,
                              std::vector<wchar_t>& comment)
    {
        const QString given = m_path;
        const VolumePlace place = PlaceInSet(given, (open.Flags & ROADF_NEWNUMBERING) != 0);
        if (place.number > 1 && place.firstVolume != given &&
            QFileInfo(place.firstVolume).isFile()) {
            RAROpenArchiveDataEx first;
            const RarHandle handle = openAt(place.firstVolume, first, comment);
            if (handle && first.OpenResult == ERAR_SUCCESS && (first.Flags & ROADF_FIRSTVOLUME)) {
                archive.reset(handle);
                open = first;
                m_outcome.volumeSet =
                    VolumeSetText(place.number, QFileInfo(place.firstVolume).fileName());
                return true;
            }
            if (handle)
                m_api.RARCloseArchive(handle);
            // The given volume again, with its own comment.
            archive.reset(openAt(given, open, comment));
            if (!archive.handle() || open.OpenResult != ERAR_SUCCESS) {
                archive.close();
                m_outcome.opened = false;
                return false;
            }
        }
        m_fromLaterVolume = !(open.Flags & ROADF_FIRSTVOLUME);
        return true;
    }

    // An entry met again in the next volume after it was passed over: not
    // an entry of its own.
    bool passOverContinuation()
    {
        const int result = m_api.RARProcessFileW(m_handle, RAR_SKIP, nullptr, nullptr);
        m_inFlight.clear();
        return result != ERAR_READER_FAILED && result != ERAR_READER_CANCELLED &&
               m_callback.missingVolume().isEmpty() && !m_view.cancelRequested();
    }

    int readHeader(RARHeaderDataEx& header)
    {
        ClearEntryFields(header);
        const int result = m_api.RARReadHeaderEx(m_handle, &header);
        if (result == ERAR_SUCCESS) {
            ++m_headers;
            // The title names the archive as the library last reported it;
            // only a successful read counts, so it is kept apart from the
            // record. Compared first: it rarely changes between entries.
            const std::size_t length = wcsnlen(header.ArcNameW, std::size(header.ArcNameW));
            if (m_arcName.size() != length ||
                std::wmemcmp(m_arcName.data(), header.ArcNameW, length) != 0)
                m_arcName.assign(header.ArcNameW, length);
        }
        return result;
    }

    // List mode's work for an entry. Returns the library's result for it.
    int listEntry(FileRow&& row)
    {
        m_rows.push_back(std::move(row));
        ++m_listed;
        return m_api.RARProcessFileW(m_handle, RAR_SKIP, nullptr, nullptr);
    }

    void flushRows()
    {
        if (m_rows.empty())
            return;
        const std::size_t batch = m_rows.size();
        m_view.appendRows(std::move(m_rows));
        m_rows.clear();
        m_rows.reserve(batch);
        m_view.setPanelText(kTotalsPanel, TotalsText(m_listed));
    }

    void showReaderFailure()
    {
        const QString text = ReaderFailureText(m_mode, m_archivePath, m_inFlight,
                                               m_callback.readerFailure());
        m_status.set(m_ready);
        ShowErrorBox(m_context.prompts, text);
    }

    void showEncrypted()
    {
        if (m_encryptedShown)
            return;
        m_encryptedShown = true;
        m_view.setPanelVisible(kLockPanel, true);
        //: Status bar: the archive has encrypted entries or headers
        m_view.setPanelText(kLockPanel, QCoreApplication::translate("modRAR", "ENCRYPTED"));
    }

    const std::int32_t m_mode;
    const QString& m_archivePath;
    RunContext& m_context;
    IArchiveView& m_view;
    const UnrarApi& m_api;
    RunCallback m_callback;
    ActivityText m_status;
    // Set for every listed entry: translated once a run.
    //: Status bar, when nothing runs
    const QString m_ready = QCoreApplication::translate("modRAR", "Ready");
    //: Status bar while the archive is listed
    const QString m_processing = QCoreApplication::translate("modRAR", "Processing");
    RunPacer m_pacer;
    // The first rows show at the first pacer tick, later ones at this pace.
    RunPacer m_rowPacer{kRowInterval, RunPacer::Clock::now()};
    RarHandle m_handle = nullptr;
    std::wstring m_widePath;
    QString m_path; // the volume the run opened: the given one or its set's first
    RunOutcome m_outcome;
    bool m_fromLaterVolume = false; // a later volume whose set's first is not there
    std::int64_t m_headers = 0;
    std::vector<FileRow> m_rows;
    std::int64_t m_listed = 0;
    std::wstring m_arcName;
    QString m_inFlight; // the entry being worked on, for a failure's message
    bool m_encryptedShown = false;
};

} // namespace

RunOutcome ProcessArchive(std::int32_t mode, const QString& archivePath, QString& password,
                          RunContext& context)
{
    // A missing library ends the run before it touches the window.
    const UnrarApi& api = context.api ? *context.api : InstalledUnrar();
    context.passed = false;
    RunBracket bracket(context.view);
    return ArchiveRun(mode, archivePath, password, context, api).run();
}

} // namespace marrowick
