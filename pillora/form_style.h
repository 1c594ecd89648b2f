#pragma once

#include <QIcon>

class QWidget;

namespace pillora {

// Pillora's windows stand on a silver ground, whatever the desktop's theme.
void useSilverForm(QWidget& form);

// The program's icon ("MainIcon"), in all the sizes it is drawn in.
QIcon pilloraIcon();

}  // namespace pillora
