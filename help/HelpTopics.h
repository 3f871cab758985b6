#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace marrowick {

// A numbered topic of a help file. In the HTML a topic starts with an empty
// anchor named "topic" followed by its context number inside its heading, and
// may list its index keywords in a comment right after it:
//   <h2><a name="topic20"></a>Extracting an archive</h2>
//   <!-- keywords: extract; destination folder -->
struct HelpTopic
{
    int context = 0;
    QString title;
    QStringList keywords;
};

struct HelpIndexEntry
{
    QString keyword;
    int context = 0;
    QString title;
};

std::vector<HelpTopic> ParseHelpTopics(const QString& html);

// The anchor name of a context number: 20 -> "topic20".
QString TopicAnchor(int context);

// The keyword index, sorted without regard to case, narrowed to the keywords
// that start with key; when none does, to those that contain it. An empty key
// keeps them all.
std::vector<HelpIndexEntry> FilterHelpIndex(const std::vector<HelpTopic>& topics,
                                            const QString& key);

} // namespace marrowick
