#pragma once

#include "dialogs/FileChooser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>

namespace marrowick {

// The program's open/save file dialog. Callers speak to it in NUL-separated
// texts: a filter list of descriptions and patterns, and after a
// multi-selection a FileName of "folder NUL name NUL name NUL NUL...". Its
// properties carry over from one dialog to the next, the last chosen file
// above all. Errors are ComponentError with the numbers below.
class cFileDialog final
{
    Q_DECLARE_TR_FUNCTIONS(cFileDialog)

  public:
    static constexpr std::int32_t CancelErrorNumber = 32755;
    static constexpr std::int32_t InvalidArgumentNumber = 5;
    static constexpr std::int32_t OverflowNumber = 6;

    // Option bits the class reads itself; every other bit is passed on.
    static constexpr std::int32_t AllowMultiSelect = 0x200;
    static constexpr std::int32_t Explorer = 0x80000;

    static constexpr int SingleBufferSize = 1024;
    static constexpr int MultiBufferSize = 8192;
    static constexpr int MaxFilterLength = 32767;

    // An empty chooser means the modal QFileDialog.
    explicit cFileDialog(FileChooser chooser = {});

    void setChooser(FileChooser chooser);

    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool bCancelError) { m_cancelError = bCancelError; }

    QString FileName() const { return m_fileName; }
    // Stores the text, then fails with the invalid-argument error when it is
    // longer than 1024 characters.
    void setFileName(QString sFilename);

    QString FileTitle() const { return m_fileTitle; }
    void setFileTitle(QString vNewValue) { m_fileTitle = std::move(vNewValue); }

    QString Filter() const { return m_filter; }
    // "Description|pattern|Description|pattern": every "|" and ":" becomes a
    // NUL and two NULs end the list. Stores the text, then fails with the
    // overflow error when it is longer than 32767 characters; the dialog's
    // filter list then keeps its previous value.
    void setFilter(QString sFilter);

    std::int32_t FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(std::int32_t lFilterIndex) { m_filterIndex = lFilterIndex; }

    QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(QString sDefaultExt) { m_defaultExt = std::move(sDefaultExt); }

    QString DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(QString vNewValue) { m_dialogTitle = std::move(vNewValue); }

    std::int32_t flags() const { return m_flags; }
    void setFlags(std::int32_t vNewValue) { m_flags = vNewValue; }

    QWidget* hWnd() const { return m_owner.data(); }
    void setHWnd(QWidget* vNewValue) { m_owner = vNewValue; }

    QString InitDir() const { return m_initDir; }
    void setInitDir(QString vNewValue) { m_initDir = std::move(vNewValue); }

    // Modal. A cancel leaves FileName and FileTitle as they were, or raises
    // 32755 when CancelError is set.
    void ShowOpen();
    void ShowSave();

    // Splits the FileName left by a multi-selection ShowOpen. One file: sDir is
    // its folder with the trailing "/". Several: sDir is the folder as the
    // dialog gave it, sFiles the bare names. Fails with the invalid-argument
    // error, writing nothing, when FileName is not such a result.
    void ParseMultiFileName(QString& sDir, QStringList& sFiles, std::int32_t& lFileCount) const;

    // The text up to its first NUL, or all of it.
    static QString TrimAtNull(const QString& text);

    // The filter list as the dialog receives it: null before any Filter was
    // set, otherwise the converted text ending in two NULs.
    const QString& FilterList() const { return m_filterList; }
    // The option bits the last show operation handed to the dialog.
    std::int32_t RecordFlags() const { return m_recordFlags; }

  private:
    void Show(bool save);
    FileChooserRequest Request(bool save, int bufferSize) const;
    [[noreturn]] static void RaiseError(std::int32_t number, const QString& description);

    FileChooser m_chooser;
    bool m_cancelError = false;
    QString m_fileName;
    QString m_fileTitle;
    QString m_filter;
    QString m_filterList;
    std::int32_t m_filterIndex = 1;
    QString m_defaultExt;
    QString m_dialogTitle;
    std::int32_t m_flags = 0;
    std::int32_t m_recordFlags = 0;
    QPointer<QWidget> m_owner;
    QString m_initDir;
};

// The NUL-separated filter list in Qt's form, one "Description (patterns)"
// per pair; the list ends at its first empty text.
QStringList FilterListToNameFilters(const QString& filterList);

} // namespace marrowick
