#include "ui/FailureMessage.h"

#include "ui/PlatformServices.h"

namespace kivora {

void showFailure(
    PlatformServices &services, QWidget *parent, const Failure &failure, const MessageCatalog &messages)
{
    using Kind = Failure::Kind;
    switch (failure.kind) {
    case Kind::Cancelled:
        return;
    case Kind::Refused:
    case Kind::Usage:
        services.showMessage(parent, failure.text, PlatformServices::MessageKind::Warning);
        return;
    case Kind::Io:
    case Kind::Format:
        services.showMessage(parent, failureMessage(failure, messages), PlatformServices::MessageKind::Error);
        return;
    }
}

} // namespace kivora
