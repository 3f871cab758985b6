#pragma once

#include "engine/EntryPreview.h"
#include "engine/FileRow.h"
#include "mainwindow/PreviewContent.h"

#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace marrowick {

class ImagePreview;
class NumberedTextView;

// Reads an entry's data into memory: ReadEntryIntoMemory's shape, so tests
// give the pane a loader of their own.
using EntryLoader = std::function<EntryDataResult(const EntryDataRequest& request, qsizetype limit,
                                                  QByteArray& data, const std::atomic<bool>& cancel,
                                                  const EntryDataProgress& progress)>;
// The loader the window uses unless told otherwise.
EntryLoader DefaultEntryLoader();

// What the pane is asked to show: an entry, or a folder with its counts.
struct PreviewItem
{
    FileRow row;
    // A solid archive's entry other than its first: those before it are
    // decoded too.
    bool afterOthersInSolid = false;
    std::uint64_t files = 0, folders = 0, bytes = 0; // of a folder, below it
};

// The preview pane beside the list: the selected entry's properties line and
// its data as text, a picture or a hex dump. Data is read and decoded on a
// worker thread, never written to disk; a newer selection cancels the older
// one and its late result is dropped.
class PreviewPane final : public QWidget
{
    Q_OBJECT

public:
    enum class Page { Message, Text, Image, Hex };

    explicit PreviewPane(QWidget* parent = nullptr);
    ~PreviewPane() override;

    void setLoader(EntryLoader loader) { m_loader = std::move(loader); }
    // Asked when an entry is encrypted and no password is known for the
    // archive; nullopt: cancelled.
    void setPasswordAsker(std::function<std::optional<QString>()> ask) { m_askPassword = std::move(ask); }
    // The archive the entries come from; a new one forgets the password.
    void setArchive(const QString& path, const UnrarApi* api = nullptr);
    // Shows the item after a short pause (the arrow keys go through many).
    void showItem(const PreviewItem& item);
    // At once, without the pause (Space).
    void showItemNow(const PreviewItem& item);
    void clear();
    // Between selections, so a key held down costs no reads: the pause.
    void setDelay(int milliseconds) { m_delay.setInterval(milliseconds); }

    Page page() const;
    QString propertiesText() const;
    QString messageText() const;
    // The note above the view ("Showing the first 4 MB"); empty when whole.
    QString noteText() const;
    QString shownText() const;
    QImage shownImage() const;
    bool loading() const { return m_loading; }
    // Until every worker has returned (their results are then posted).
    void waitForWorkers() { m_pool.waitForDone(); }
    const PreviewLimits& limits() const { return m_limits; }
    void setLimits(const PreviewLimits& limits) { m_limits = limits; }

signals:
    // Open on the shown entry (offered past a limit).
    void openRequested();
    // A result is on show (or a message): tests wait for it.
    void shown();

private:
    struct Result;
    void start();
    // The bytes read (or the failure) made into what is shown; on a worker.
    static void interpret(const QString& name, const QByteArray& data, const PreviewLimits& limits,
                          Result& result);
    void finish(const std::shared_ptr<Result>& result);
    void showMessage(const QString& text, bool offerOpen = false, bool offerPassword = false);
    void setNote(const QString& text);
    void askPassword();

    EntryLoader m_loader;
    std::function<std::optional<QString>()> m_askPassword;
    QString m_archive;
    const UnrarApi* m_api = nullptr;
    QString m_password;
    bool m_passwordDeclined = false;
    PreviewLimits m_limits;
    PreviewItem m_item;
    QTimer m_delay;
    quint64 m_generation = 0;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_loading = false;
    QThreadPool m_pool;

    QLabel* m_properties = nullptr;
    QWidget* m_noteBar = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_noteOpen = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_message = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_messageOpen = nullptr;
    QPushButton* m_passwordButton = nullptr;
    NumberedTextView* m_text = nullptr;
    QCheckBox* m_wrap = nullptr;
    ImagePreview* m_image = nullptr;
    NumberedTextView* m_hex = nullptr;
};

} // namespace marrowick
