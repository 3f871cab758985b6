#include "engine/modRAR.h"

#include "engine/ArchiveView.h"
#include "engine/Formats.h"
#include "engine/HeaderFields.h"
#include "engine/Messages.h"
#include "engine/RunPacer.h"
#include "engine/UnrarLibrary.h"
#include "engine/UserPrompts.h"

#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace marrowick {

namespace {

constexpr unsigned int kCommentBufferSize = 16384;
constexpr int kLockPanel = 1;
constexpr int kStatusPanel = 2;
constexpr int kTotalsPanel = 3;

QString ProductName()
{
    return QStringLiteral("Marrowick");
}

// Answers the library's questions during a run. The library calls back
// through a C function; UnrarCallback turns its user data back into this.
class CallbackTarget final
{
public:
    CallbackTarget(RunContext& context, QString& password)
        : m_context(context), m_password(password)
    {
    }

    int handle(RarUInt message, RarLParam p1, RarLParam p2)
    {
        switch (message) {
        case UCM_PROCESSDATA:
            // Extraction and test take their data here (see processEntry).
            return m_context.view.cancelRequested() ? -1 : 1;
        case UCM_NEEDPASSWORDW:
            return needPassword(reinterpret_cast<wchar_t*>(p1), static_cast<std::size_t>(p2));
        case UCM_NEEDPASSWORD:
            // Asked only when the wide request got no password: no second prompt.
            return -1;
        case UCM_CHANGEVOLUMEW:
            return changeVolume(WideField(reinterpret_cast<const wchar_t*>(p1), 1024), p2);
        case UCM_CHANGEVOLUME:
            return changeVolume(NarrowField(reinterpret_cast<const char*>(p1), 1024), p2);
        default:
            return -1;
        }
    }

    bool passwordCancelled() const { return m_passwordCancelled; }
    const QString& missingVolume() const { return m_missingVolume; }

private:
    // Archives with encrypted headers need the password before anything can
    // be read, in every mode.
    int needPassword(wchar_t* buffer, std::size_t size)
    {
        if (!buffer || size == 0 || m_passwordCancelled)
            return -1;
        if (m_password.isEmpty()) {
            const std::optional<QString> typed =
                m_context.prompts.askPassword(QStringLiteral("Enter password for the encrypted file:"),
                                              QStringLiteral("Enter password"));
            if (!typed || typed->isEmpty()) {
                m_passwordCancelled = true;
                return -1;
            }
            m_password = *typed;
        }
        std::wstring wide = m_password.toStdWString();
        if (wide.size() >= size)
            wide.resize(size - 1);
        std::wmemcpy(buffer, wide.c_str(), wide.size() + 1);
        return 1;
    }

    int changeVolume(const QString& name, RarLParam mode)
    {
        if (mode == RAR_VOL_NOTIFY)
            return 1;
        // RAR_VOL_ASK: the next volume is not where it should be. Stop rather
        // than loop; the run reports the library's result.
        m_missingVolume = name;
        return -1;
    }

    RunContext& m_context;
    QString& m_password;
    bool m_passwordCancelled = false;
    QString m_missingVolume;
};

int UnrarCallback(RarUInt message, RarLParam userData, RarLParam p1, RarLParam p2)
{
    auto* target = reinterpret_cast<CallbackTarget*>(userData);
    if (!target)
        return -1;
    // Nothing may unwind through the library's own frames.
    try {
        return target->handle(message, p1, p2);
    } catch (...) {
        return -1;
    }
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

// Closes the archive once, on every way out of the run.
class OpenArchive final
{
public:
    OpenArchive(const UnrarApi& api, RarHandle handle) : m_api(api), m_handle(handle) {}
    ~OpenArchive() { close(); }
    OpenArchive(const OpenArchive&) = delete;
    OpenArchive& operator=(const OpenArchive&) = delete;

    RarHandle handle() const { return m_handle; }
    void close()
    {
        if (m_handle)
            m_api.RARCloseArchive(m_handle);
        m_handle = nullptr;
    }

private:
    const UnrarApi& m_api;
    RarHandle m_handle;
};

class ArchiveRun final
{
public:
    ArchiveRun(std::int32_t mode, const QString& archivePath, QString& password,
               RunContext& context, const UnrarApi& api)
        : m_mode(mode), m_archivePath(archivePath), m_context(context), m_view(context.view),
          m_api(api), m_callback(context, password)
    {
    }

    void run()
    {
        // The wide buffer: the 8-bit one is converted by the library with the C
        // locale, which drops every non-ASCII character when it is not UTF-8.
        std::vector<wchar_t> comment(kCommentBufferSize, L' ');
        const std::wstring widePath = m_archivePath.toStdWString();

        RAROpenArchiveDataEx open;
        std::memset(&open, 0, sizeof open);
        open.ArcNameW = const_cast<wchar_t*>(widePath.c_str());
        open.OpenMode = m_mode == OP_LIST ? RAR_OM_LIST : RAR_OM_EXTRACT;
        open.CmtBufW = comment.data();
        open.CmtBufSize = kCommentBufferSize;
        // Installed before the open: encrypted headers ask for the password there.
        open.Callback = &UnrarCallback;
        open.UserData = reinterpret_cast<RarLParam>(&m_callback);

        OpenArchive archive(m_api, m_api.RAROpenArchiveEx(&open));
        if (!archive.handle() || open.OpenResult != ERAR_SUCCESS) {
            if (!m_callback.passwordCancelled())
                ShowOpenError(m_context.prompts, static_cast<std::int32_t>(open.OpenResult),
                              m_archivePath);
            return;
        }
        m_api.RARSetCallback(archive.handle(), &UnrarCallback,
                             reinterpret_cast<RarLParam>(&m_callback));
        m_handle = archive.handle();

        // One zeroed record for the whole run (14 KB: not on the stack of a
        // callback-heavy call chain).
        auto header = std::make_unique<RARHeaderDataEx>();
        std::memset(header.get(), 0, sizeof(RARHeaderDataEx));
        int headerResult = readHeader(*header);

        m_view.showWindow();
        if (open.Flags & ROADF_ENCHEADERS)
            showEncrypted();
        if (m_mode == OP_LIST)
            m_view.clearRows();

        RunPacer pacer;
        while (headerResult == ERAR_SUCCESS) {
            if (pacer.due()) {
                flushRows();
                m_view.repaint();
                m_view.processEvents();
            }
            const FileRow row = RowFromHeader(*header);
            if (row.isEncrypted)
                showEncrypted();

            const int processResult = processEntry(row);
            if (processResult != ERAR_SUCCESS) {
                flushRows();
                ShowProcessError(m_context.prompts, processResult);
                setStatus(QStringLiteral("Ready"));
                return;
            }
            setStatus(QStringLiteral("Processing"));
            headerResult = readHeader(*header);
        }
        flushRows();

        setStatus(QStringLiteral("Ready"));
        if (m_mode == OP_LIST && open.CmtState == 1)
            ShowArchiveComment(m_context.prompts, WideField(comment.data(), comment.size()));
        if (!m_callback.passwordCancelled()) {
            if (const auto text = HeaderErrorText(headerResult))
                ShowErrorBox(m_context.prompts, *text);
        }
        m_view.setTitle(QString::fromStdWString(m_arcName) + QStringLiteral(" - ") + ProductName());
        archive.close();
        if (m_mode != OP_TEST && m_view.rowCount() > 0)
            m_view.showIconsForFiles();
    }

private:
    int readHeader(RARHeaderDataEx& header)
    {
        ClearEntryFields(header);
        const int result = m_api.RARReadHeaderEx(m_handle, &header);
        if (result == ERAR_SUCCESS) {
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

    // The per-entry work of each mode. Returns the library's result for it.
    int processEntry(const FileRow& row)
    {
        switch (m_mode) {
        case OP_LIST:
            m_rows.push_back(row);
            ++m_listed;
            return m_api.RARProcessFileW(m_handle, RAR_SKIP, nullptr, nullptr);
        case OP_EXTRACT:
        case OP_TEST:
        default:
            // NOT YET: extraction and test (safe writer, passwords, overwrite
            // question) are built separately and plug in here. Until then
            // these modes only skip, so nothing is ever written.
            return m_api.RARProcessFileW(m_handle, RAR_SKIP, nullptr, nullptr);
        }
    }

    void flushRows()
    {
        if (m_rows.empty())
            return;
        m_view.appendRows(std::move(m_rows));
        m_rows.clear();
        m_view.setPanelText(kTotalsPanel, TotalsText(m_listed));
    }

    void showEncrypted()
    {
        if (m_encryptedShown)
            return;
        m_encryptedShown = true;
        m_view.setPanelVisible(kLockPanel, true);
        m_view.setPanelText(kLockPanel, QStringLiteral("ENCRYPTED"));
    }

    // The same text is not written again for every entry.
    void setStatus(const QString& text)
    {
        if (m_status == text)
            return;
        m_status = text;
        m_view.setPanelText(kStatusPanel, text);
    }

    const std::int32_t m_mode;
    const QString& m_archivePath;
    RunContext& m_context;
    IArchiveView& m_view;
    const UnrarApi& m_api;
    CallbackTarget m_callback;
    RarHandle m_handle = nullptr;
    std::vector<FileRow> m_rows;
    std::int64_t m_listed = 0;
    std::wstring m_arcName;
    QString m_status;
    bool m_encryptedShown = false;
};

} // namespace

void ProcessArchive(std::int32_t mode, const QString& archivePath, QString& password,
                    RunContext& context)
{
    // A missing library ends the run before it touches the window.
    const UnrarApi& api = context.api ? *context.api : InstalledUnrar();
    RunBracket bracket(context.view);
    ArchiveRun(mode, archivePath, password, context, api).run();
}

} // namespace marrowick
