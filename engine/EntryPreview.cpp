// One entry's data from the reader to a sink. A test run, so nothing is
// written anywhere: the data callback hands the bytes on. An archive whose
// entries stand alone is walked with the entry's name, and the reader passes
// over the others itself; a solid one entry by entry, the entries before the
// wanted one tested for their sizes only, which is the progress.
#include "engine/EntryPreview.h"

#include "engine/ComponentError.h"
#include "engine/EntrySelection.h"
#include "engine/HeaderFields.h"
#include "engine/Messages.h"
#include "engine/OpenArchive.h"
#include "engine/RunCallback.h"
#include "engine/UnrarLibrary.h"
#include "engine/VolumeNames.h"
#include "engine/SafeWriter.h"
#include "engine/modRAR.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace marrowick {

namespace {

using Status = EntryDataResult::Status;

// The library's UnpVer of RAR 5 entries: below it, an entry has no check of
// its password, and a wrong one shows only as a failed checksum.
constexpr unsigned int kRar5Version = 50;

class EntryStream final
{
public:
    EntryStream(const EntryDataRequest& request, const EntryDataSink& sink,
                const std::atomic<bool>& cancel, const EntryDataProgress& progress,
                const UnrarApi& api)
        : m_request(request), m_sink(sink), m_cancel(cancel), m_progress(progress), m_api(api)
    {
        m_name = request.entryName;
        while (m_name.endsWith(QLatin1Char('/')))
            m_name.chop(1);
        m_names = EntrySelection::Names({m_name});
        m_asked = EntrySelection({m_name});
    }

    EntryDataResult run()
    {
        if (m_name.isEmpty())
            return end(Status::NotFound);
        RAROpenArchiveDataEx open;
        OpenArchive archive(m_api, openAt(m_request.archivePath, RAR_OM_EXTRACT, open));
        if (!archive.handle() || open.OpenResult != ERAR_SUCCESS)
            return openFailed(static_cast<int>(open.OpenResult));
        if (open.Flags & ROADF_VOLUME)
            startFromFirstVolume(archive, open);
        m_solid = (open.Flags & ROADF_SOLID) != 0;
        m_api.RARSetCallback(archive.handle(), &Callback, reinterpret_cast<RarLParam>(this));
        // A solid archive decodes everything before the entry: a listing
        // first gives the progress its total (and finds a missing entry
        // without decoding anything).
        if (m_solid && !survey())
            return surveyEnded();

        auto header = std::make_unique<RARHeaderDataEx>();
        std::memset(header.get(), 0, sizeof(RARHeaderDataEx));
        int read = ERAR_SUCCESS;
        while (!m_cancel.load() && (read = readHeader(archive.handle(), *header)) == ERAR_SUCCESS) {
            const QString name = WideField(header->FileNameW, std::size(header->FileNameW));
            if (name == m_name && !(header->Flags & RHDF_DIRECTORY))
                return entry(archive.handle(), *header, name);
            // The name of a folder, or of one above this entry.
            if (m_asked.wants(name))
                return end(Status::NotFound);
            if (!passOver(archive.handle(), *header))
                break;
        }
        if (m_cancel.load() || read == ERAR_READER_CANCELLED)
            return end(Status::Cancelled);
        if (read == ERAR_END_ARCHIVE && m_readerFailure.isEmpty() && m_missingVolume.isEmpty())
            return end(Status::NotFound);
        return walkFailed(read);
    }

private:
    static int Callback(RarUInt message, RarLParam self, RarLParam p1, RarLParam p2)
    {
        try {
            return reinterpret_cast<EntryStream*>(self)->handle(message, p1, p2);
        } catch (...) {
            return -1;
        }
    }

    int handle(RarUInt message, RarLParam p1, RarLParam p2)
    {
        switch (message) {
        case UCM_PROCESSDATA:
            return takeData(reinterpret_cast<const char*>(p1), static_cast<std::size_t>(p2));
        case UCM_NEEDPASSWORDW:
            return givePassword(reinterpret_cast<wchar_t*>(p1), static_cast<std::size_t>(p2));
        case UCM_CHANGEVOLUMEW:
            return changeVolume(WideField(reinterpret_cast<const wchar_t*>(p1), 1024), p2);
        case UCM_CHANGEVOLUME:
            return changeVolume(NarrowField(reinterpret_cast<const char*>(p1), 1024), p2);
        case UCM_READER_IDLE:
            return m_cancel.load() || m_stopped ? -1 : 1;
        case UCM_READER_PLAN:
            // Streamed with the entry's bytes, the others passed over by
            // the reader; a solid archive entry by entry.
            return m_solid ? -1 : RAR_EXTRACT;
        case UCM_READER_SELECTION:
            if (p1)
                *reinterpret_cast<std::vector<std::u32string>*>(p1) = m_names;
            return 0;
        case UCM_READER_READERS:
            return 1;
        case UCM_READER_WANTBYTES:
            return m_inEntry ? 1 : 0;
        case UCM_READER_FAILED:
            if (p1 && m_readerFailure.isEmpty())
                m_readerFailure = *reinterpret_cast<const QString*>(p1);
            return 0;
        default:
            // The 8-bit password request: the wide one had the answer.
            return -1;
        }
    }

    int takeData(const char* data, std::size_t size)
    {
        if (m_cancel.load()) {
            m_cancelled = true;
            return -1;
        }
        m_done += size;
        if (!m_inEntry) {
            report();
            return 1;
        }
        if (m_stopped)
            return -1;
        if (size > 0 && data) {
            m_result.delivered += size;
            if (!m_sink(data, size)) {
                m_stopped = true;
                return -1;
            }
        }
        report();
        return 1;
    }

    void report()
    {
        if (m_progress)
            m_progress(m_total != 0 ? std::min(m_done, m_total) : m_done, m_total);
    }

    int givePassword(wchar_t* buffer, std::size_t size)
    {
        m_passwordAsked = true;
        if (!buffer || size == 0 || m_request.password.isEmpty())
            return -1;
        std::wstring wide = m_request.password.toStdWString();
        if (wide.size() >= size)
            wide.resize(size - 1);
        std::wmemcpy(buffer, wide.c_str(), wide.size() + 1);
        return 1;
    }

    // As extraction does.
    int changeVolume(const QString& name, RarLParam mode)
    {
        return AnswerVolumeRequest(name, mode, m_volumeRetried, m_missingVolume);
    }

    RarHandle openAt(const QString& path, unsigned int mode, RAROpenArchiveDataEx& open)
    {
        m_widePath = path.toStdWString();
        std::memset(&open, 0, sizeof open);
        open.ArcNameW = m_widePath.data();
        open.OpenMode = mode;
        // Encrypted headers ask for the password during the open.
        open.Callback = &Callback;
        open.UserData = reinterpret_cast<RarLParam>(this);
        m_path = path;
        return m_api.RAROpenArchiveEx(&open);
    }

    // Given a later volume of a set whose first one is beside it: the set
    // from its first volume, as every run does. Otherwise the given one.
    void startFromFirstVolume(OpenArchive& archive, RAROpenArchiveDataEx& open)
    {
        const QString given = m_path;
        const VolumePlace place = PlaceInSet(given, (open.Flags & ROADF_NEWNUMBERING) != 0);
        if (place.number <= 1 || place.firstVolume == given || !QFileInfo(place.firstVolume).isFile())
            return;
        RAROpenArchiveDataEx first;
        const RarHandle handle = openAt(place.firstVolume, RAR_OM_EXTRACT, first);
        if (handle && first.OpenResult == ERAR_SUCCESS && (first.Flags & ROADF_FIRSTVOLUME)) {
            archive.reset(handle);
            open = first;
            return;
        }
        if (handle)
            m_api.RARCloseArchive(handle);
        m_path = given;
    }

    // The sizes of the entries up to the wanted one. False when the entry
    // is not there (or is a folder), or the listing failed.
    bool survey()
    {
        RAROpenArchiveDataEx open;
        const QString path = m_path;
        OpenArchive listing(m_api, openAt(path, RAR_OM_LIST, open));
        m_path = path;
        if (!listing.handle() || open.OpenResult != ERAR_SUCCESS) {
            m_surveyFailure = static_cast<int>(open.OpenResult);
            return false;
        }
        m_api.RARSetCallback(listing.handle(), &Callback, reinterpret_cast<RarLParam>(this));
        auto header = std::make_unique<RARHeaderDataEx>();
        std::memset(header.get(), 0, sizeof(RARHeaderDataEx));
        std::uint64_t total = 0;
        int read = ERAR_SUCCESS;
        while (!m_cancel.load() && (read = readHeader(listing.handle(), *header)) == ERAR_SUCCESS) {
            const QString name = WideField(header->FileNameW, std::size(header->FileNameW));
            const std::uint64_t size = Join64(header->UnpSize, header->UnpSizeHigh);
            if (!(header->Flags & RHDF_DIRECTORY) && size != EntryHeader::UnknownSize)
                total += size;
            if (name == m_name && !(header->Flags & RHDF_DIRECTORY)) {
                m_total = total;
                return true;
            }
            if (m_asked.wants(name)) {
                m_surveyFailure = ERAR_END_ARCHIVE;
                return false;
            }
            if (m_api.RARProcessFileW(listing.handle(), RAR_SKIP, nullptr, nullptr) != ERAR_SUCCESS)
                break;
        }
        m_surveyFailure = m_cancel.load() ? ERAR_READER_CANCELLED : read;
        return false;
    }

    EntryDataResult surveyEnded()
    {
        if (m_cancel.load() || m_surveyFailure == ERAR_READER_CANCELLED)
            return end(Status::Cancelled);
        if (m_surveyFailure == ERAR_END_ARCHIVE && m_missingVolume.isEmpty() &&
            m_readerFailure.isEmpty())
            return end(Status::NotFound);
        return walkFailed(m_surveyFailure);
    }

    int readHeader(RarHandle handle, RARHeaderDataEx& header)
    {
        ClearEntryFields(header);
        return m_api.RARReadHeaderEx(handle, &header);
    }

    // An entry before the wanted one. A solid archive decodes it anyway:
    // tested, its sizes come as progress.
    bool passOver(RarHandle handle, const RARHeaderDataEx& header)
    {
        const bool test = m_solid && !(header.Flags & RHDF_DIRECTORY);
        const int result = m_api.RARProcessFileW(handle, test ? RAR_TEST : RAR_SKIP, nullptr, nullptr);
        if (m_passwordAsked && m_request.password.isEmpty())
            return false;
        return result != ERAR_READER_FAILED && result != ERAR_READER_CANCELLED &&
               m_missingVolume.isEmpty();
    }

    EntryDataResult entry(RarHandle handle, const RARHeaderDataEx& header, const QString& name)
    {
        m_result.entrySize = Join64(header.UnpSize, header.UnpSizeHigh);
        if (m_result.entrySize == EntryHeader::UnknownSize)
            m_result.entrySize = 0;
        if (!m_solid)
            m_total = m_result.entrySize;
        const bool encrypted = (header.Flags & RHDF_ENCRYPTED) != 0;
        if (header.Flags & RHDF_SPLITBEFORE)
            return end(Status::Failed, BeginsEarlierText());
        if (encrypted && m_request.password.isEmpty())
            return end(Status::NeedPassword);
        m_inEntry = true;
        const int result = m_api.RARProcessFileW(handle, RAR_TEST, nullptr, nullptr);
        m_inEntry = false;
        if (m_cancelled || m_cancel.load())
            return end(Status::Cancelled);
        if (m_stopped)
            return end(Status::Stopped);
        if (!m_readerFailure.isEmpty())
            return end(Status::Failed, ReaderFailureText(OP_TEST, m_request.archivePath, name,
                                                         m_readerFailure));
        if (result == ERAR_READER_CANCELLED)
            return end(Status::Cancelled);
        if (!m_missingVolume.isEmpty())
            return end(Status::Failed, MissingVolumeText(m_missingVolume));
        if (result == ERAR_SUCCESS)
            return end(Status::Complete);
        if (result == ERAR_MISSING_PASSWORD)
            return end(Status::NeedPassword);
        const QString text = EntryFailureText(OP_TEST, result, name, encrypted);
        if (result == ERAR_BAD_PASSWORD ||
            (encrypted && result == ERAR_BAD_DATA && header.UnpVer < kRar5Version))
            return end(Status::WrongPassword, text);
        return end(Status::Failed, text);
    }

    EntryDataResult openFailed(int code)
    {
        if (!m_readerFailure.isEmpty())
            return end(Status::Failed,
                       ReaderFailureText(OP_TEST, m_request.archivePath, QString(), m_readerFailure));
        const QString text = OpenErrorText(code, m_request.archivePath).value_or(QString());
        if (code == ERAR_READER_CANCELLED)
            return end(Status::Cancelled);
        if (code == ERAR_MISSING_PASSWORD || (m_passwordAsked && m_request.password.isEmpty()))
            return end(Status::NeedPassword);
        // RAR 4 headers have no check of the password: a wrong one breaks them.
        if (code == ERAR_BAD_PASSWORD || (code == ERAR_BAD_DATA && m_passwordAsked))
            return end(Status::WrongPassword, text);
        return end(Status::Failed, text);
    }

    EntryDataResult walkFailed(int code)
    {
        if (!m_readerFailure.isEmpty())
            return end(Status::Failed,
                       ReaderFailureText(OP_TEST, m_request.archivePath, QString(), m_readerFailure));
        if (!m_missingVolume.isEmpty())
            return end(Status::Failed, MissingVolumeText(m_missingVolume));
        if (code == ERAR_MISSING_PASSWORD || (m_passwordAsked && m_request.password.isEmpty()))
            return end(Status::NeedPassword);
        const QString text = HeaderErrorText(code).value_or(EntryFailureText(OP_TEST, code, m_name, false));
        if (code == ERAR_BAD_PASSWORD)
            return end(Status::WrongPassword, text);
        return end(Status::Failed, text);
    }

    EntryDataResult end(Status status, const QString& message = QString())
    {
        m_result.status = status;
        m_result.message = message;
        return m_result;
    }

    const EntryDataRequest& m_request;
    const EntryDataSink& m_sink;
    const std::atomic<bool>& m_cancel;
    const EntryDataProgress& m_progress;
    const UnrarApi& m_api;
    QString m_name;
    std::vector<std::u32string> m_names;
    EntrySelection m_asked;
    std::wstring m_widePath;
    QString m_path;
    EntryDataResult m_result;
    std::uint64_t m_total = 0;
    std::uint64_t m_done = 0;
    int m_surveyFailure = ERAR_SUCCESS;
    bool m_solid = false;
    bool m_inEntry = false;
    bool m_stopped = false;
    bool m_cancelled = false;
    bool m_passwordAsked = false;
    QString m_missingVolume;
    QString m_volumeRetried;
    QString m_readerFailure;
};

} // namespace

EntryDataResult StreamEntry(const EntryDataRequest& request, const EntryDataSink& sink,
                            const std::atomic<bool>& cancel, const EntryDataProgress& progress)
{
    try {
        const UnrarApi& api = request.api ? *request.api : InstalledUnrar();
        return EntryStream(request, sink, cancel, progress, api).run();
    } catch (const ComponentError& error) {
        EntryDataResult result;
        result.message = error.description();
        return result;
    }
}

EntryDataResult ReadEntryIntoMemory(const EntryDataRequest& request, qsizetype limit,
                                    QByteArray& data, const std::atomic<bool>& cancel,
                                    const EntryDataProgress& progress)
{
    data.clear();
    const auto keep = [&data, limit](const char* bytes, std::size_t size) {
        const qsizetype room = limit - data.size();
        if (static_cast<qsizetype>(size) <= room) {
            data.append(bytes, static_cast<qsizetype>(size));
            return true;
        }
        data.append(bytes, std::max<qsizetype>(room, 0));
        return false;
    };
    EntryDataResult result = StreamEntry(request, keep, cancel, progress);
    result.delivered = static_cast<std::uint64_t>(data.size());
    return result;
}

} // namespace marrowick
