#include "engine/ComponentError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace marrowick {

ComponentError::ComponentError(std::int32_t number, QString source, QString description)
    : std::runtime_error(description.toStdString()), m_number(number), m_source(std::move(source)),
      m_description(std::move(description))
{
}

QString ExecutableBaseName()
{
    QString path;
    if (QCoreApplication::instance())
        path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return QFileInfo(path).completeBaseName();
}

QString ErrorSource(const QString& className)
{
    return ExecutableBaseName() + QLatin1Char('.') + className;
}

} // namespace marrowick
