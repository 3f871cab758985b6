#pragma once

#include "engine/ArchiveView.h"

#include <QCoreApplication>
#include <QString>

namespace marrowick {

// What the activity panel says of a run that others watch for: compared as
// shown, in the user's language.

//: Status bar, when an extraction has put every entry in place
inline QString SuccessText()
{
    return QCoreApplication::translate("RunStatus", "Success");
}
//: Status bar while an extraction runs (the trailing blank is part of the panel)
inline QString ExtractingText()
{
    return QCoreApplication::translate("RunStatus", "Extracting ");
}
//: Status bar while a test runs (the trailing blank is part of the panel)
inline QString TestingText()
{
    return QCoreApplication::translate("RunStatus", "Testing ");
}

// Status panel 2, the activity text. The same text is not written again for
// every entry: on a large archive that would be most of the window's work.
class ActivityText final
{
public:
    explicit ActivityText(IArchiveView& view) : m_view(view) {}

    void set(const QString& text)
    {
        if (m_text == text)
            return;
        m_text = text;
        m_view.setPanelText(Panel, text);
    }

private:
    static constexpr int Panel = 2;
    IArchiveView& m_view;
    QString m_text;
};

} // namespace marrowick
