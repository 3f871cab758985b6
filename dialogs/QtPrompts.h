#pragma once

#include "engine/UserPrompts.h"

#include <QCoreApplication>
#include <QPointer>

class QWidget;

namespace marrowick {

// The questions of an archive run, asked with modal dialogs over the owner.
class QtPrompts final : public IUserPrompts
{
    Q_DECLARE_TR_FUNCTIONS(QtPrompts)

public:
    explicit QtPrompts(QWidget* owner) : m_owner(owner) {}

    void showErrorBox(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title) override;
    void showInformation(const QString& text, const QString& title) override;
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override;
    void showComment(const QString& text) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace marrowick
