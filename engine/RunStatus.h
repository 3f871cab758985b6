#pragma once

#include "engine/ArchiveView.h"

#include <QString>

namespace marrowick {

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
