#pragma once

#include "engine/FileRow.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace marrowick {

// What an archive run needs from the window that shows it. The main window
// implements it with widgets; tests and the command-line tool implement it
// without any. Panels are numbered 1 to 3 as on the status bar.
class IArchiveView
{
public:
    virtual ~IArchiveView() = default;

    virtual void showWindow() = 0;
    // Let pending window events run. The engine calls this at a bounded rate.
    virtual void processEvents() = 0;
    virtual void repaint() = 0;
    virtual void setTitle(const QString& title) = 0;

    virtual void clearRows() = 0;
    virtual int rowCount() const = 0;
    // Rows arrive in batches, in stored order, always appended at the end.
    virtual void appendRows(std::vector<FileRow>&& rows) = 0;

    virtual void setPanelText(int panel, const QString& text) = 0;
    virtual void setPanelVisible(int panel, bool visible) = 0;
    // Says once, beside the panels, that the archive reader's sandbox lacks
    // a layer on this machine (front ends with no status bar have said it
    // on stderr already).
    virtual void sandboxIncomplete(const QString& text) { (void)text; }

    // Gives every row its file-type icon (after a complete walk).
    virtual void showIconsForFiles() = 0;

    // Progress of an extraction or test: the entry being processed and the
    // bytes done of the archive's total unpacked size.
    virtual void setProgress(const QString& entry, std::uint64_t done, std::uint64_t total)
    {
        (void)entry;
        (void)done;
        (void)total;
    }
    // Called when a run starts and ends, so the window can lock its commands
    // and show or hide its progress controls.
    virtual void runStarted() {}
    virtual void runFinished() {}
    // True once the user asked to stop the running operation.
    virtual bool cancelRequested() const { return false; }

    // Outcome of one entry of an extraction or test: result is the library's
    // code (0 = passed), message the text shown for it ("" when passed).
    // Front ends that report per entry (the command-line tool) use it.
    virtual void entryFinished(const QString& name, int result, const QString& message)
    {
        (void)name;
        (void)result;
        (void)message;
    }
    // An entry the safe writer would not write (unsafe name, link, device,
    // existing file kept), with the reason shown to the user.
    virtual void entryRefused(const QString& name, const QString& reason)
    {
        (void)name;
        (void)reason;
    }
};

} // namespace marrowick
