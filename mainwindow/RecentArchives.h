#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace marrowick {

class fMain;

// File > Open Recent: the last ten archives listed, newest first, kept in the
// user's settings across runs. An archive that is no longer there is shown
// greyed out; "Clear List" forgets them all.
class RecentArchives final : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxArchives = 10;

    explicit RecentArchives(QWidget* parent);

    QMenu* menu() const { return m_menu; }
    QStringList archives() const { return m_archives; }
    // Puts the archive first (its absolute path), dropping the oldest past ten.
    void add(const QString& path);
    void clear();

signals:
    void chosen(const QString& path);

private:
    void rebuild();
    void save() const;

    QMenu* m_menu = nullptr;
    QStringList m_archives;
};

// Lists a recent archive as Open does with the file it was given.
void OpenRecentArchive(fMain& window, const QString& path);

} // namespace marrowick
