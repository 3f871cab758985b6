#include "dialogs/ReadablePlaceholder.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

#include <cstdlib>

namespace marrowick {

namespace {

// How light a colour looks once drawn over the background.
int SeenLightness(const QColor& colour, const QColor& background)
{
    const double alpha = colour.alphaF();
    return static_cast<int>(alpha * colour.lightness() + (1 - alpha) * background.lightness());
}

class PlaceholderFollower final : public QObject
{
  public:
    explicit PlaceholderFollower(QLineEdit* field) : QObject(field), m_field(field)
    {
        // The application hears of a new desktop palette even while the
        // field is hidden; the field of a new style.
        QCoreApplication::instance()->installEventFilter(this);
        field->installEventFilter(this);
        apply();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool changed = watched == QCoreApplication::instance()
                                 ? event->type() == QEvent::ApplicationPaletteChange
                                 : event->type() == QEvent::StyleChange;
        if (changed)
            apply();
        return false;
    }

  private:
    void apply()
    {
        // Less apart than this and a hint is hard to make out.
        constexpr int LeastDifference = 64;
        const QPalette theme = QApplication::palette(m_field);
        QPalette own = m_field->palette();
        bool changed = false;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor base = theme.color(group, QPalette::Base);
            QColor hint = theme.color(group, QPalette::PlaceholderText);
            if (std::abs(SeenLightness(hint, base) - base.lightness()) < LeastDifference) {
                hint = theme.color(group, QPalette::Text);
                hint.setAlpha(128);
            }
            if (own.color(group, QPalette::PlaceholderText) != hint) {
                own.setColor(group, QPalette::PlaceholderText, hint);
                changed = true;
            }
        }
        // Only when it differs: setting a palette sends a change of its own.
        if (changed)
            m_field->setPalette(own);
    }

    QLineEdit* m_field;
};

} // namespace

void KeepPlaceholderReadable(QLineEdit* field)
{
    new PlaceholderFollower(field);
}

} // namespace marrowick
