#pragma once

#include <QIcon>

namespace pillora {

// The program's icon ("MainIcon"), in all the sizes it is drawn in.
QIcon pilloraIcon();

}  // namespace pillora
