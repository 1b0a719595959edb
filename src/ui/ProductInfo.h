#pragma once

#include <QString>

namespace kivora {

// The product's home page (help menu, about box, HTML footers).
inline QString productHomePage() { return QStringLiteral("https://kivora.app/"); }

} // namespace kivora
