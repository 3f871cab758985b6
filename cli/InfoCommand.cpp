#include "cli/InfoCommand.h"

#include "cli/Console.h"
#include "cli/ConsolePrompts.h"
#include "cli/ConsoleView.h"
#include "cli/Terminal.h"
#include "cli/Utf8Text.h"
#include "engine/ComponentError.h"
#include "engine/EntryProperties.h"
#include "engine/modRAR.h"

#include <QCoreApplication>
#include <QDateTime>

namespace marrowick::cli {

namespace {

// Adds up the rows of the listing; prints nothing.
class TotalsView final : public IArchiveView
{
  public:
    void showWindow() override { m_opened = true; }
    void processEvents() override {}
    void repaint() override {}
    void setTitle(const QString&) override {}
    void clearRows() override {}
    int rowCount() const override { return static_cast<int>(m_totals.entries); }
    void appendRows(std::vector<FileRow>&& rows) override
    {
        for (const FileRow& row : rows)
            m_totals.add(row);
    }
    void setPanelText(int, const QString&) override {}
    void setPanelVisible(int, bool) override {}
    void showIconsForFiles() override {}
    bool cancelRequested() const override { return CancelSignalled(); }

    bool opened() const { return m_opened; }
    const ListingTotals& totals() const { return m_totals; }

  private:
    ListingTotals m_totals;
    bool m_opened = false;
};

// The terminal's prompts, less the comment: info prints it among the rest.
class InfoPrompts final : public IUserPrompts
{
  public:
    explicit InfoPrompts(ConsolePrompts& prompts) : m_prompts(prompts) {}
    void showErrorBox(const QString& text) override { m_prompts.showErrorBox(text); }
    bool askYesNo(const QString& text, const QString& title) override
    {
        return m_prompts.askYesNo(text, title);
    }
    void showInformation(const QString& text, const QString& title) override
    {
        m_prompts.showInformation(text, title);
    }
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override
    {
        return m_prompts.askPassword(prompt, title);
    }
    void showComment(const QString&) override {}

  private:
    ConsolePrompts& m_prompts;
};

QString Bool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString NumberOrNull(bool known, std::int64_t value)
{
    return known ? QString::number(value) : QStringLiteral("null");
}

QString TimeOrNull(std::int64_t seconds)
{
    return seconds == 0 ? QStringLiteral("null")
                        : JsonString(QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
                                         .toString(Qt::ISODate));
}

} // namespace

QString PropertiesJson(const ArchiveProperties& p)
{
    const ListingTotals& t = p.totals;
    const auto field = [](const char* key, const QString& value) {
        return QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\":") + value;
    };
    QStringList fields{
        field("path", JsonString(p.path)),
        field("format", p.format == 0 ? QStringLiteral("null")
                                      : JsonString(QStringLiteral("RAR %1").arg(p.format))),
        field("solid", Bool(p.solid)),
        field("volume", NumberOrNull(p.volume && p.volumeNumber != 0, p.volumeNumber)),
        // The set's number of volumes, known when it is complete.
        field("volumes", NumberOrNull(p.volume && p.setComplete, p.volumesFound)),
        field("volumes_found", NumberOrNull(p.volume, p.volumesFound)),
        field("first_volume", p.volume ? JsonString(p.firstVolume) : QStringLiteral("null")),
        field("recovery_record", Bool(p.recoveryRecord)),
        field("locked", Bool(p.locked)),
        field("encrypted_headers", Bool(p.encryptedHeaders)),
        field("encrypted_entries", Bool(p.encryptedEntries)),
    };
    if (p.format == 4)
        fields << field("authenticity", Bool(p.authenticity));
    fields << field("comment", p.hasComment ? JsonString(p.comment) : QStringLiteral("null"))
           << field("entries", QString::number(t.entries))
           << field("files", QString::number(t.files))
           << field("folders", QString::number(t.folders))
           << field("size", QString::number(t.size))
           << field("packed", QString::number(t.packed))
           << field("size_on_disk", QString::number(p.sizeOnDisk))
           << field("largest", t.largest.isEmpty() ? QStringLiteral("null") : JsonString(t.largest))
           << field("newest", TimeOrNull(t.newest)) << field("oldest", TimeOrNull(t.oldest));
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}

int RunInfo(const CliOptions& options, QString& password)
{
    InstallCancelHandlers();
    Console console(StderrIsTerminal());
    TotalsView view;
    ConsolePrompts consolePrompts(console, StdinIsTerminal());
    InfoPrompts prompts(consolePrompts);
    RunContext context{view, prompts, nullptr, QString()};
    RunOutcome outcome;
    try {
        outcome = ProcessArchive(OP_LIST, options.archive, password, context);
    } catch (const ComponentError& error) {
        console.error(error.description());
        return EXIT_NO_LIBRARY;
    }
    if (CancelSignalled()) {
        console.error(QCoreApplication::translate("CliInfo", "cancelled"));
        return EXIT_CANCELLED;
    }
    if (!view.opened())
        return EXIT_FAILED;
    const ArchiveProperties properties =
        ReadArchiveProperties(options.archive, outcome.openFlags, outcome.comment, view.totals());
    if (options.json) {
        console.outLine(PropertiesJson(properties));
    } else {
        for (const PropertyLine& line : ArchivePropertyLines(properties))
            console.outLine(PropertyLine{line.label, EscapeControls(line.value)}.text());
        // The comment's own lines, indented below the rest.
        if (!properties.comment.isEmpty())
            for (const QString& line : properties.comment.split(QLatin1Char('\n')))
                console.outLine(QStringLiteral("    ") + EscapeControls(line));
    }
    console.flush();
    if (console.outputBroken())
        return EXIT_CANCELLED;
    const bool failed = consolePrompts.errorsShown() > 0 || consolePrompts.passwordMissing();
    return failed ? EXIT_FAILED : EXIT_OK;
}

} // namespace marrowick::cli
