#include "core/Failure.h"

#include "core/MessageCatalog.h"

namespace kivora {

QString failureMessage(const Failure &failure, const MessageCatalog &messages)
{
    return failure.kind == Failure::Kind::Io ? messages("Str56").arg(failure.text) : failure.text;
}

} // namespace kivora
