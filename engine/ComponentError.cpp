#include "engine/ComponentError.h"

#include "engine/UnrarSymbols.h"

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

QString UnrarLoadErrorText(const QString& reported)
{
    const QLatin1String loadFailed(kUnrarLoadFailed);
    const QLatin1String symbolMissing(kUnrarSymbolMissing);
    if (reported.startsWith(loadFailed) && reported.endsWith(QLatin1Char(')'))) {
        const QString rest = reported.mid(loadFailed.size());
        const qsizetype open = rest.indexOf(QLatin1String(" ("));
        if (open >= 0) {
            QString reason = rest.mid(open + 2);
            reason.chop(1);
            if (reason == QLatin1String(kUnrarUnknownReason))
                reason = QCoreApplication::translate("ComponentError", "unknown reason");
            //: %1 is the library's file name, %2 why it could not be loaded
            return QCoreApplication::translate("ComponentError", "Error in loading DLL: %1 (%2)")
                .arg(rest.left(open), reason);
        }
    }
    if (reported.startsWith(symbolMissing)) {
        const QString rest = reported.mid(symbolMissing.size());
        const qsizetype in = rest.indexOf(QLatin1String(" in "));
        if (in >= 0)
            //: %1 is the missing function, %2 the library's file name
            return QCoreApplication::translate("ComponentError",
                                               "Specified DLL function not found: %1 in %2")
                .arg(rest.left(in), rest.mid(in + 4));
    }
    return reported;
}

} // namespace marrowick
