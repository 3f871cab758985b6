#include "engine/ExtractRun.h"

#include "engine/ArchiveView.h"
#include "engine/FileRow.h"
#include "engine/FreeSpace.h"
#include "engine/HeaderFields.h"
#include "engine/Messages.h"
#include "engine/UserPrompts.h"
#include "engine/modRAR.h"

#include <QDir>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace marrowick {

namespace {

// How long the walk may spend up front reading headers only to learn the
// archive's total size for the progress bar. An archive of a few large
// entries is read in far less; one of a hundred thousand small entries is
// not, and then the progress runs without a total rather than cost the user
// a second reading of every header.
constexpr auto kSurveyBudget = std::chrono::milliseconds(25);

// Readers sharing a run: at most this many, their dictionaries within this
// much memory, and only for archives of this many entries or bytes.
constexpr std::uint64_t kMostReaders = 4;
constexpr std::uint64_t kReaderMemory = (std::uint64_t(1) << 30) - 1;
constexpr std::uint64_t kManyEntries = 300;
constexpr std::uint64_t kManyBytes = std::uint64_t(300) << 20;

QString ProductName()
{
    return QStringLiteral("Marrowick");
}

bool FolderIsEmpty(const QString& folder)
{
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
}

// Closes a handle of the survey on every way out.
class SurveyHandle final
{
public:
    SurveyHandle(const UnrarApi& api, RarHandle handle) : m_api(api), m_handle(handle) {}
    ~SurveyHandle()
    {
        if (m_handle)
            m_api.RARCloseArchive(m_handle);
    }
    SurveyHandle(const SurveyHandle&) = delete;
    SurveyHandle& operator=(const SurveyHandle&) = delete;
    RarHandle get() const { return m_handle; }

private:
    const UnrarApi& m_api;
    RarHandle m_handle;
};

bool ReaderEnded(int result)
{
    return result == ERAR_READER_FAILED || result == ERAR_READER_CANCELLED;
}

} // namespace

ExtractRun::ExtractRun(std::int32_t mode, const QString& archivePath, RunContext& context,
                       const UnrarApi& api, RunCallback& callback, ActivityText& status,
                       RunPacer& pacer)
    : m_mode(mode), m_archivePath(archivePath), m_context(context), m_api(api),
      m_callback(callback), m_status(status), m_pacer(pacer), m_selection(context.selection),
      m_keptText(tr("File exists; kept"))
{
}

ExtractRun::~ExtractRun()
{
    m_callback.setDataTarget(nullptr);
}

// The writer, and whether the entries' places are looked at ahead of the walk.
bool ExtractRun::checksDestinations()
{
    if (m_mode != OP_EXTRACT)
        return false;
    if (!m_writer) {
        WriterOptions options;
        options.links = m_context.links;
        m_writer = std::make_unique<SafeWriter>(m_context.extractFolder, options);
    }
    // Nothing can be in an entry's way in an empty folder: the common
    // case needs no reading of the headers ahead of the walk.
    return m_context.overwrite == OverwritePolicy::Ask && !m_writer->root().isEmpty() &&
           !FolderIsEmpty(m_writer->root());
}

std::uint32_t ExtractRun::readersFor(bool entriesStandAlone)
{
    const std::uint32_t cores = std::max(1u, std::thread::hardware_concurrency());
    const bool forced = m_context.readers > 0;
    if (!entriesStandAlone || !m_selection.isEmpty() || (!forced && cores < 2))
        return 1;
    // Each reader holds a dictionary of the largest entry's size.
    m_survey = survey(checksDestinations());
    const std::uint64_t dictionary = std::max<std::uint64_t>(m_survey->dictionary, 1);
    const auto fits = static_cast<std::uint32_t>(std::min<std::uint64_t>(kReaderMemory / dictionary, kMostReaders));
    if (forced)
        return std::max(1u, std::min<std::uint32_t>(static_cast<std::uint32_t>(m_context.readers), fits));
    // Starting readers costs more than it saves on a small archive, and a
    // single big entry is one reader's work.
    if (m_survey->entries < kManyEntries && m_survey->total < kManyBytes)
        return 1;
    const auto entries = static_cast<std::uint32_t>(std::min<std::uint64_t>(m_survey->entries, kMostReaders));
    return std::max(1u, std::min({cores, fits, entries}));
}

bool ExtractRun::prepare()
{
    const bool check = checksDestinations();
    const Survey found = m_survey ? *m_survey : survey(check);
    m_total = found.complete ? found.total : 0;
    // Refused before anything is written rather than stopped by a full disk
    // halfway. A survey cut short gives a lower bound, which still tells.
    if (m_writer && !m_writer->root().isEmpty()) {
        if (const auto text = CheckFreeSpace(m_writer->root(), found.total)) {
            ShowErrorBox(m_context.prompts, *text);
            return false;
        }
    }
    if (check && found.destinationExists &&
        !m_context.prompts.askYesNo(tr("File(s) Exist, Replace ?"), ProductName()))
        return false;
    m_status.set(m_mode == OP_TEST ? TestingText() : ExtractingText());
    return true;
}

ExtractRun::Survey ExtractRun::survey(bool checkDestinations)
{
    Survey result;
    // Its own callback: a volume missing here is the walk's to report, when
    // it gets there. The password is shared, already asked for by the open.
    RunCallback callback(m_context, m_callback.password());
    const std::wstring widePath = m_archivePath.toStdWString();
    RAROpenArchiveDataEx open;
    std::memset(&open, 0, sizeof open);
    open.ArcNameW = const_cast<wchar_t*>(widePath.c_str());
    open.OpenMode = RAR_OM_LIST;
    open.Callback = &UnrarCallback;
    open.UserData = callback.userData();
    SurveyHandle archive(m_api, m_api.RAROpenArchiveEx(&open));
    if (!archive.get() || open.OpenResult != ERAR_SUCCESS) {
        // Unknown is taken as "something is there": never replace unasked.
        result.destinationExists = checkDestinations;
        return result;
    }
    m_api.RARSetCallback(archive.get(), &UnrarCallback, callback.userData());

    auto header = std::make_unique<RARHeaderDataEx>();
    std::memset(header.get(), 0, sizeof(RARHeaderDataEx));
    const auto deadline = std::chrono::steady_clock::now() + kSurveyBudget;
    bool looking = checkDestinations;
    int read = ERAR_SUCCESS;
    while ((read = m_api.RARReadHeaderEx(archive.get(), header.get())) == ERAR_SUCCESS) {
        const QString name = WideField(header->FileNameW, std::size(header->FileNameW));
        // Only the entries asked for count towards the total and the question.
        const bool wanted = m_selection.wants(name);
        const std::uint64_t size = Join64(header->UnpSize, header->UnpSizeHigh);
        if (wanted && size != EntryHeader::UnknownSize)
            result.total += size;
        if (wanted) {
            ++result.entries;
            result.dictionary = std::max<std::uint64_t>(result.dictionary, std::uint64_t(header->DictSize) * 1024);
        }
        if (wanted && looking && !(header->Flags & RHDF_DIRECTORY) &&
            m_writer->DestinationExists(writtenName(name))) {
            result.destinationExists = true;
            looking = false;
        }
        if (m_api.RARProcessFileW(archive.get(), RAR_SKIP, nullptr, nullptr) != ERAR_SUCCESS)
            break;
        if (!looking && std::chrono::steady_clock::now() > deadline)
            break;
    }
    result.complete = read == ERAR_END_ARCHIVE;
    return result;
}

bool ExtractRun::process(RarHandle handle, const RARHeaderDataEx& header, const FileRow& row)
{
    if (m_context.view.cancelRequested()) {
        m_cancelled = true;
        return false;
    }
    // Not asked for: passed over without a password, a test or a word (the
    // library still decodes what a solid archive needs for the next ones).
    if (!m_selection.take(row.name))
        return skip(handle, row);
    if (row.beginsEarlier)
        return passOverEarlierStart(handle, row);
    if (row.isEncrypted && !m_callback.ensurePassword())
        return false;
    ++m_entries;
    m_entryName = row.name;
    const std::uint64_t entryEnd =
        m_done + (row.unpSize != EntryHeader::UnknownSize ? row.unpSize : 0);

    int result = ERAR_SUCCESS;
    bool processed = true;
    if (m_writer) {
        EntryHeader entry = EntryHeaderFrom(header);
        entry.name = writtenName(entry.name);
        if (entry.redirType == EntryHeader::RedirFileCopy)
            entry.redirName = writtenName(entry.redirName);
        if (!entry.isFolder && m_context.overwrite == OverwritePolicy::Never &&
            m_writer->DestinationExists(entry.name)) {
            ++m_kept;
            m_context.view.entryRefused(entry.name, m_keptText);
            processed = false;
        } else if (!m_writer->beginEntry(entry)) {
            reportNewRefusals();
            processed = false;
        }
    }
    if (!processed) {
        m_done = entryEnd;
        return skip(handle, row);
    }

    m_writeRefused = false;
    m_callback.setDataTarget(this);
    result = m_api.RARProcessFileW(handle, RAR_TEST, nullptr, nullptr);
    m_callback.setDataTarget(nullptr);
    // The reader gone (crashed, or cancelled inside a library call): the
    // entry in flight is discarded like a cancelled one.
    if (m_cancelled || ReaderEnded(result)) {
        if (m_writer)
            m_writer->abortEntry();
        return false;
    }
    if (m_writer) {
        m_writer->finishEntry(result);
        reportNewRefusals();
    }
    m_done = entryEnd;
    // A write the writer refused is on the refusal list already.
    if (!m_writeRefused)
        entryDone(row, result);
    return m_callback.missingVolume().isEmpty();
}

QString ExtractRun::writtenName(const QString& stored) const
{
    const QString& from = m_context.renameFrom;
    if (from.isEmpty() || !stored.startsWith(from))
        return stored;
    if (stored.size() == from.size())
        return m_context.renameTo;
    if (stored[from.size()] != QLatin1Char('/'))
        return stored;
    return m_context.renameTo + stored.mid(from.size());
}

bool ExtractRun::skip(RarHandle handle, const FileRow& row)
{
    const int skipped = m_api.RARProcessFileW(handle, RAR_SKIP, nullptr, nullptr);
    if (ReaderEnded(skipped))
        return false;
    if (skipped != ERAR_SUCCESS && !m_firstFailure)
        m_firstFailure = failureText(skipped, row);
    return m_callback.missingVolume().isEmpty();
}

// Its start is in a volume that is not there: nothing of it can be checked
// or written, and it is said so rather than taken for damaged data.
bool ExtractRun::passOverEarlierStart(RarHandle handle, const FileRow& row)
{
    ++m_entries;
    const int skipped = m_api.RARProcessFileW(handle, RAR_SKIP, nullptr, nullptr);
    if (ReaderEnded(skipped))
        return false;
    entryDone(row, ERAR_BEGINS_EARLIER);
    return m_callback.missingVolume().isEmpty();
}

bool ExtractRun::takeData(const unsigned char* data, std::size_t size)
{
    m_done += size;
    if (m_pacer.due()) {
        reportProgress();
        m_context.view.processEvents();
    }
    if (m_context.view.cancelRequested()) {
        m_cancelled = true;
        return false;
    }
    if (m_writer && !m_writer->write(data, size)) {
        m_writeRefused = true;
        return false;
    }
    return true;
}

void ExtractRun::reportProgress()
{
    const std::uint64_t done = m_total != 0 ? std::min(m_done, m_total) : m_done;
    m_context.view.setProgress(m_entryName, done, m_total);
}

void ExtractRun::reportNewRefusals()
{
    const auto& refusals = m_writer->refusals();
    for (; m_refusalsReported < refusals.size(); ++m_refusalsReported)
        m_context.view.entryRefused(refusals[m_refusalsReported].name,
                                    refusals[m_refusalsReported].reason);
}

QString ExtractRun::failureText(int code, const FileRow& row) const
{
    if (code == ERAR_BEGINS_EARLIER)
        return BeginsEarlierText();
    return EntryFailureText(m_mode, code, row.name, row.isEncrypted);
}

void ExtractRun::entryDone(const FileRow& row, int result)
{
    if (result == ERAR_SUCCESS) {
        m_context.view.entryFinished(row.name, result, QString());
        return;
    }
    const QString text = failureText(result, row);
    if (!m_firstFailure)
        m_firstFailure = text;
    m_context.view.entryFinished(row.name, result, text);
}

void ExtractRun::reportOutcome(int headerResult)
{
    if (m_firstFailure)
        ShowErrorBox(m_context.prompts, *m_firstFailure);
    reportRefusals();
    // Only a walk to the end knows that a name is not there.
    if (headerResult == ERAR_END_ARCHIVE)
        for (const QString& name : m_selection.unmatched())
            ShowErrorBox(m_context.prompts, tr("No entry named %1").arg(name));
}

void ExtractRun::reportRefusals()
{
    if (!m_writer)
        return;
    // Links are made here, and refused here too.
    m_writer->finishRun();
    reportNewRefusals();
    if (!m_writer->refusals().empty())
        ShowErrorBox(m_context.prompts, RefusalReport(m_writer->refusals()));
}

bool ExtractRun::testedNothing(int headerResult) const
{
    return headerResult == ERAR_END_ARCHIVE && m_entries == 0 && !m_cancelled;
}

bool ExtractRun::allPassed(int headerResult) const
{
    return headerResult == ERAR_END_ARCHIVE && m_entries > 0 && !m_firstFailure && !m_cancelled &&
           m_kept == 0 && (!m_writer || m_writer->refusals().empty()) &&
           m_selection.unmatched().isEmpty() &&
           m_callback.missingVolume().isEmpty();
}

} // namespace marrowick
