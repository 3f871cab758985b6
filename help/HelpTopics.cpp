#include "help/HelpTopics.h"

#include <QRegularExpression>

#include <algorithm>

namespace marrowick {

namespace {

QString PlainText(QString html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.remove(tags);
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    return html.simplified();
}

} // namespace

QString TopicAnchor(int context)
{
    return QStringLiteral("topic") + QString::number(context);
}

std::vector<HelpTopic> ParseHelpTopics(const QString& html)
{
    // One pattern for both kinds of mark so they come out in document order
    // and a keyword comment can be tied to the topic before it.
    static const QRegularExpression marks(
        QStringLiteral("<a\\s+name=\"topic(-?\\d+)\"\\s*>\\s*</a>(.*?)</h[1-6]>"
                       "|<!--\\s*keywords:(.*?)-->"),
        QRegularExpression::CaseInsensitiveOption
            | QRegularExpression::DotMatchesEverythingOption);

    std::vector<HelpTopic> topics;
    for (auto it = marks.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) > 0) {
            bool ok = false;
            const int context = m.captured(1).toInt(&ok);
            if (ok)
                topics.push_back({context, PlainText(m.captured(2)), {}});
            continue;
        }
        if (topics.empty())
            continue;
        const QStringList words = m.captured(3).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            const QString keyword = word.simplified();
            if (!keyword.isEmpty())
                topics.back().keywords.append(keyword);
        }
    }
    return topics;
}

std::vector<HelpIndexEntry> FilterHelpIndex(const std::vector<HelpTopic>& topics,
                                            const QString& key)
{
    std::vector<HelpIndexEntry> all;
    for (const HelpTopic& topic : topics)
        for (const QString& keyword : topic.keywords)
            all.push_back({keyword, topic.context, topic.title});
    std::stable_sort(all.begin(), all.end(), [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
        return QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive) < 0;
    });

    const QString wanted = key.simplified();
    if (wanted.isEmpty())
        return all;
    std::vector<HelpIndexEntry> picked;
    for (const HelpIndexEntry& e : all)
        if (e.keyword.startsWith(wanted, Qt::CaseInsensitive))
            picked.push_back(e);
    if (picked.empty())
        for (const HelpIndexEntry& e : all)
            if (e.keyword.contains(wanted, Qt::CaseInsensitive))
                picked.push_back(e);
    return picked;
}

} // namespace marrowick
