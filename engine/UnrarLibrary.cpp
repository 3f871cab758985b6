#include "engine/UnrarLibrary.h"

#include "engine/ComponentError.h"
#include "engine/UnrarSymbols.h"

#include <QString>

namespace marrowick {

UnrarApi LoadUnrar(const char* fileName)
{
    UnrarApi api;
    std::uint32_t code = 0;
    const std::string error = OpenUnrar(fileName, api, code);
    if (!error.empty())
        throw ComponentError(static_cast<std::int32_t>(code), ErrorSource(QStringLiteral("modRAR")),
                             UnrarLoadErrorText(QString::fromLocal8Bit(error.c_str())));
    return api;
}

} // namespace marrowick
