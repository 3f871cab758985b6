#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace marrowick {

// An error raised by one of the program's components: a number callers decide
// on, a source ("<executable>.<class>") and a description for the user.
class ComponentError : public std::runtime_error
{
public:
    ComponentError(std::int32_t number, QString source, QString description);

    std::int32_t number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }

private:
    std::int32_t m_number;
    QString m_source;
    QString m_description;
};

// The running executable's file name without folder and extension.
QString ExecutableBaseName();

// "<executable name>.<className>", the source text of a component's errors.
QString ErrorSource(const QString& className);

// What loading the UnRAR library reported (OpenUnrar's text, in English), in
// the user's language; any other text as it is.
QString UnrarLoadErrorText(const QString& reported);

} // namespace marrowick
